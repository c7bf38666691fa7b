#include "app/ui/rotor/RotorMapCompass.h"

#include "app/map/TileLoader.h"
#include "app/ui/map/TowerMap.h"
#include "app/ui/map/WorldMap.h"
#include "app/ui/rotor/BeamOverlay.h"
#include "app/ui/style/LocaleText.h"
#include "app/ui/style/PlainText.h"
#include "app/ui/style/StationColors.h"
#include "core/client/KeltoClient.h"

#include <QEvent>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {

QFont captionFont(QFont font)
{
    font.setPointSizeF(font.pointSizeF() * 0.85);
    return font;
}

QLabel* captionLabel(QWidget* parent)
{
    auto* label = PlainText::label({}, parent);
    label->setFont(captionFont(label->font()));
    label->setAlignment(Qt::AlignHCenter);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QToolButton* mapButton(const QString& text, const QString& accessibleName, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setText(text);
    button->setAccessibleName(accessibleName);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    return button;
}

void setColor(QWidget* widget, const QColor& color)
{
    QPalette colors = widget->palette();
    colors.setColor(QPalette::WindowText, color);
    widget->setPalette(colors);
}

void showToolTip(QWidget* widget, const QString& text)
{
    if (widget->toolTip() != text) {
        widget->setToolTip(text);
    }
}

} // namespace

RotorMapCompass::RotorMapCompass(TileLoader& tiles, const QString& rotorName, QWidget* parent)
    : QWidget(parent)
    , m_tiles(tiles)
    , m_rotorName(rotorName)
{
    setAccessibleName(tr("Tower map for %1").arg(rotorName));

    auto* dial = new QWidget(this);
    m_dial = dial;
    dial->setFixedSize(mapSize, mapSize);
    auto* stack = new QGridLayout(dial);
    stack->setContentsMargins(0, 0, 0, 0);
    m_map = new TowerMap(tiles, dial);
    m_map->setRound(true);
    m_map->setEditable(false);
    // Credits go under the round map, where the edge of the circle cannot cut them.
    m_map->setShowsAttribution(false);
    m_overlay = new BeamOverlay(dial);
    stack->addWidget(m_map, 0, 0);
    stack->addWidget(m_overlay, 0, 0);
    m_overlay->raise();

    m_attribution = captionLabel(this);
    PlainText::markOwnRichText(m_attribution);
    // A long imagery credit wraps under the small map rather than being cut at the card's edge.
    m_attribution->setWordWrap(true);
    m_attribution->setOpenExternalLinks(true);
    m_attribution->setAccessibleName(tr("Map credits"));
    // Fixed heights: a heading arriving or a caption appearing never moves the controls.
    m_caption = captionLabel(this);
    m_caption->setAccessibleName(tr("True bearing of %1").arg(rotorName));
    // As tall as its text in this language: a fallback font (Japanese, say) can stand taller than
    // the primary font's line.
    m_caption->setText(caption(RotorLocation{{}, {}, {}, 0.0, 0.0, 0.0, false, 600.0}, 0.0, true, true));
    m_caption->setFixedHeight(std::max(QFontMetrics(m_caption->font()).height(), m_caption->sizeHint().height()));
    m_caption->clear();
    m_error = captionLabel(this);
    m_error->setWordWrap(true);
    m_error->setText(TowerMap::loadErrorMessage());
    // One line held free, so the message appearing moves nothing unless it has to wrap.
    m_error->setMinimumHeight(QFontMetrics(m_error->font()).height());
    QSizePolicy keepsPlace = m_error->sizePolicy();
    keepsPlace.setRetainSizeWhenHidden(true);
    m_error->setSizePolicy(keepsPlace);
    m_error->hide();

    m_style = mapButton(QString(), tr("Change map style for %1").arg(rotorName), this);
    m_zoomOut = mapButton(u"−"_s, tr("Zoom out for %1").arg(rotorName), this);
    m_zoomIn = mapButton(u"+"_s, tr("Zoom in for %1").arg(rotorName), this);
    m_worldButton = mapButton(
        //: Button showing the world map instead of the tower's map
        tr("World"), tr("World map for %1").arg(rotorName), this);
    m_worldButton->setCheckable(true);
    showToolTip(m_worldButton, tr("Show the whole world round the tower, with the beam across it."));
    // Both style names fit, so the row does not shift when the style flips.
    const QFontMetrics styleFont = m_style->fontMetrics();
    m_style->setMinimumWidth(
        std::max(styleFont.horizontalAdvance(tr("Satellite")), styleFont.horizontalAdvance(tr("Map"))) + 16);
    for (QToolButton* zoom : {m_zoomOut, m_zoomIn}) {
        zoom->setMinimumWidth(28);
    }
    auto* controls = new QHBoxLayout;
    controls->addStretch(1);
    controls->addWidget(m_style);
    controls->addWidget(m_worldButton);
    controls->addSpacing(6);
    controls->addWidget(m_zoomOut);
    controls->addWidget(m_zoomIn);
    controls->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(dial, 0, Qt::AlignHCenter);
    layout->addWidget(m_attribution);
    layout->addSpacing(2);
    layout->addWidget(m_caption);
    layout->addWidget(m_error);
    layout->addLayout(controls);

    connect(m_map, &TowerMap::loadErrorChanged, this, &RotorMapCompass::showMapError);
    connect(m_style, &QToolButton::clicked, this,
            [this] { edit([](RotorLocation& l) { l.satellite = !l.satellite; }); });
    // The choice is kept with the tower location, as the satellite choice is.
    connect(m_worldButton, &QToolButton::toggled, this, [this](bool shown) {
        setWorldShown(shown);
        edit([shown](RotorLocation& l) { l.world = shown; });
    });
    connect(m_zoomOut, &QToolButton::clicked, this,
            [this] { edit([](RotorLocation& l) { l.spanMeters = zoomedOut(l.spanMeters); }); });
    connect(m_zoomIn, &QToolButton::clicked, this,
            [this] { edit([](RotorLocation& l) { l.spanMeters = zoomedIn(l.spanMeters); }); });

    applyColors();
    showControls();
    showBearings();
}

RotorMapCompass::~RotorMapCompass() = default;

double RotorMapCompass::zoomedOut(double span)
{
    return std::min(span * 2.0, maximumSpan);
}

double RotorMapCompass::zoomedIn(double span)
{
    return std::max(span * 0.5, minimumSpan);
}

QString RotorMapCompass::caption(const RotorLocation& location, std::optional<double> heading, bool stale, bool target)
{
    const std::optional<double> bearing = heading ? location.trueBearing(*heading) : std::nullopt;
    if (!bearing) {
        return {};
    }
    const QString degrees = LocaleText::degrees(*bearing, 1);
    const QString text = stale ? tr("Last reported %1 true").arg(degrees) : tr("Bearing %1 true").arg(degrees);
    return target ? tr("%1 · target in orange").arg(text) : text;
}

void RotorMapCompass::setLocation(const RotorLocation& location)
{
    if (location == m_location) {
        return;
    }
    m_location = location;
    m_map->setSatellite(location.satellite);
    m_map->setRegion(location.latitude, location.longitude, location.spanMeters);
    if (m_world) {
        m_world->setCentre(GeoPoint{location.latitude, location.longitude});
    }
    if (location.world != m_worldButton->isChecked()) {
        setWorldShown(location.world);
    }
    showControls();
    showBearings();
}

void RotorMapCompass::setHeading(std::optional<double> heading)
{
    if (heading != m_heading) {
        m_heading = heading;
        showBearings();
    }
}

void RotorMapCompass::setTarget(std::optional<double> target)
{
    if (target != m_target) {
        m_target = target;
        showBearings();
    }
}

void RotorMapCompass::setStale(bool stale)
{
    if (stale != m_stale) {
        m_stale = stale;
        showBearings();
    }
}

void RotorMapCompass::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange) {
        applyColors();
    }
    QWidget::changeEvent(event);
}

void RotorMapCompass::setTwoWay(bool twoWay)
{
    if (twoWay != m_twoWay) {
        m_twoWay = twoWay;
        showBearings();
    }
}

void RotorMapCompass::showBearings()
{
    const auto bearingOf = [this](const std::optional<double>& heading) {
        return heading ? m_location.trueBearing(*heading) : std::nullopt;
    };
    const std::optional<double> target = bearingOf(m_target);
    m_overlay->setBearings(bearingOf(m_heading), target, m_stale);
    m_overlay->setTwoWay(m_twoWay);
    if (m_world) {
        WorldMap::Rotor rotor{m_rotorName, StationColors::teal(palette()), bearingOf(m_heading),
                              target,      m_location.beamwidth,           m_stale,
                              m_twoWay};
        m_world->setRotors({rotor});
    }
    const QString text = caption(m_location, m_heading, m_stale, target.has_value());
    if (m_caption->text() != text) {
        m_caption->setText(text);
        m_caption->setAccessibleDescription(text);
    }
}

void RotorMapCompass::setWorldShown(bool shown)
{
    if (shown && !m_world) {
        // Made on demand: projecting the land costs a worker some 70 ms per tower.
        m_world = new WorldMap(KeltoClient::systemClock(), m_dial);
        m_world->setMinimumSize(mapSize, mapSize);
        m_world->setReach(WorldMap::Reach::world);
        connect(m_world, &WorldMap::pointChosen, this, &RotorMapCompass::placeChosen);
        qobject_cast<QGridLayout*>(m_dial->layout())->addWidget(m_world, 0, 0);
        m_world->setCentre(GeoPoint{m_location.latitude, m_location.longitude});
        showBearings();
    }
    if (m_worldButton->isChecked() != shown) {
        m_worldButton->setChecked(shown);
    }
    if (m_world) {
        m_world->setVisible(shown);
        m_world->raise();
    }
    m_map->setVisible(!shown);
    m_overlay->setVisible(!shown);
    showControls();
}

void RotorMapCompass::showControls()
{
    const bool satellite = m_location.satellite;
    m_style->setText(satellite ? tr("Map") : tr("Satellite"));
    showToolTip(m_style, satellite ? tr("Show the standard map under %1.").arg(m_rotorName)
                                   : tr("Show satellite imagery under %1.").arg(m_rotorName));

    // The world map has its own scale: style and zoom belong to the tower's map.
    const bool world = m_worldButton->isChecked();
    m_style->setEnabled(!world);
    const bool widest = world || m_location.spanMeters >= maximumSpan;
    m_zoomOut->setEnabled(!widest);
    showToolTip(
        m_zoomOut,
        widest
            ? tr("The map already shows %1 around the tower, the widest view.").arg(LocaleText::distance(maximumSpan))
            : tr("Show more ground around the tower."));
    const bool closest = world || m_location.spanMeters <= minimumSpan;
    m_zoomIn->setEnabled(!closest);
    showToolTip(m_zoomIn, closest ? tr("The map already shows 100 m around the tower, the closest view.")
                                  : tr("Show less ground around the tower."));

    const TileLoader::Style style = satellite ? TileLoader::Style::satellite : TileLoader::Style::standard;
    m_attribution->setText(u"<a href=\"%1\" style=\"color:%2; text-decoration:none\">%3</a>"_s.arg(
        m_tiles.attributionLink(style).toString().toHtmlEscaped(), StationColors::secondary(palette()).name(),
        m_tiles.attribution(style).toHtmlEscaped()));
    showToolTip(m_attribution, tr("Map data and imagery credits. Open the copyright page."));
    if (world) {
        for (QToolButton* zoom : {m_zoomOut, m_zoomIn}) {
            showToolTip(zoom, tr("The world map always shows the whole world; zoom is for the tower's map."));
        }
        m_attribution->setText(u"<a href=\"https://www.naturalearthdata.com/\" style=\"color:%1; "
                               "text-decoration:none\">%2</a>"_s.arg(StationColors::secondary(palette()).name(),
                                                                     tr("Made with Natural Earth").toHtmlEscaped()));
    }
}

void RotorMapCompass::showMapError(const std::optional<QString>& message)
{
    m_mapError = message;
    if (message) {
        m_error->setText(*message);
    }
    m_error->setVisible(message.has_value());
}

void RotorMapCompass::applyColors()
{
    const QPalette& colors = palette();
    setColor(m_error, StationColors::orange(colors));
    showControls();
}

void RotorMapCompass::edit(const std::function<void(RotorLocation&)>& apply)
{
    RotorLocation edited = m_location;
    apply(edited);
    if (edited != m_location) {
        Q_EMIT change(edited);
    }
}

#include "app/ui/sheets/RotorLocationEditor.h"

#include "app/map/Maidenhead.h"
#include "app/map/NominatimPlaceSearch.h"
#include "app/map/PlaceSearch.h"
#include "app/map/TileLoader.h"
#include "app/ui/map/TowerMap.h"
#include "app/ui/rotor/RotorMapCompass.h"
#include "app/ui/sheets/Crosshair.h"
#include "app/ui/sheets/SheetParts.h"
#include "app/ui/style/LocaleText.h"
#include "app/ui/style/PlainText.h"
#include "app/ui/style/StationColors.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <numbers>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr double metresPerDegree = 111320.0;
// Near the poles a degree of longitude shrinks to nothing; a nudge there still moves a little.
constexpr double minimumCosine = 0.087;
constexpr int mapHeight = 280;

QString positionNote()
{
    return QCoreApplication::translate("RotorLocationEditor",
                                       "Position the tower under the crosshair. Save location keeps that position.");
}

QString emptyNote()
{
    return QCoreApplication::translate("RotorLocationEditor",
                                       "Search for an address or preview coordinates to position the tower pin.");
}

QString coordinatesMessage()
{
    return QCoreApplication::translate("RotorLocationEditor",
                                       "Enter valid coordinates and an offset between −180° and 180°.");
}

QString noMapReason()
{
    return QCoreApplication::translate("RotorLocationEditor", "Search for an address or preview coordinates first.");
}

std::optional<double> number(const QLineEdit* field)
{
    // The locale's decimal separator or a point; never a group separator, so "52,5" is 52.5 under
    // a German locale and nothing under an English one, never 525.
    return LocaleText::parse(field->text());
}

void setColor(QWidget* widget, const QColor& color)
{
    QPalette colors = widget->palette();
    colors.setColor(QPalette::WindowText, color);
    widget->setPalette(colors);
}

void setEnabledWithReason(QWidget* widget, bool enabled, const QString& help, const QString& reason)
{
    widget->setEnabled(enabled);
    const QString tip = enabled ? help : help + u"\n"_s + reason;
    if (widget->toolTip() != tip) {
        widget->setToolTip(tip);
    }
}

QToolButton* mapButton(const QString& text, const QString& accessibleName, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setText(text);
    button->setAccessibleName(accessibleName);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setMinimumWidth(30);
    return button;
}

QString link(const QString& address, const QString& text, const QColor& color)
{
    return u"<a href=\"%1\" style=\"color:%2; text-decoration:none\">%3</a>"_s.arg(address.toHtmlEscaped(),
                                                                                   color.name(), text.toHtmlEscaped());
}

} // namespace

RotorLocationEditor::RotorLocationEditor(TileLoader& tiles, PlaceSearch& places, const QString& endpoint,
                                         const QString& rotor, const std::optional<RotorLocation>& existing,
                                         const QString& siteAddress, QWidget* parent)
    : QDialog(parent)
    , m_tiles(tiles)
    , m_places(places)
    , m_endpoint(endpoint)
    , m_rotor(rotor)
    , m_hasExisting(existing.has_value())
{
    const QString title = tr("Location for %1").arg(rotor);
    setWindowTitle(title);
    setWindowModality(Qt::WindowModal);

    auto* heading = SheetParts::title(title, this);
    heading->setTextFormat(Qt::PlainText);

    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(8);
    layout->addWidget(heading);
    layout->addWidget(buildSearch());

    m_latitude = new QLineEdit(this);
    m_latitude->setAccessibleName(tr("Tower latitude"));
    m_latitude->setPlaceholderText(tr("Latitude (−85…85)"));
    // A point is always taken; the locale's own separator too, where it has another.
    const bool pointOnly = QLocale().decimalPoint() == u"."_s;
    m_latitude->setToolTip(pointOnly ? tr("Degrees north, with a point as decimal separator; south is negative.")
                                     : tr("Degrees north, with a point or a comma as decimal separator; south is "
                                          "negative."));
    m_longitude = new QLineEdit(this);
    m_longitude->setAccessibleName(tr("Tower longitude"));
    m_longitude->setPlaceholderText(tr("Longitude (−180…180)"));
    m_longitude->setToolTip(pointOnly ? tr("Degrees east, with a point as decimal separator; west is negative.")
                                      : tr("Degrees east, with a point or a comma as decimal separator; west is "
                                           "negative."));
    m_offset = new QLineEdit(this);
    m_offset->setAccessibleName(tr("True-north offset (°)"));
    m_offset->setPlaceholderText(tr("True north display offset"));
    m_offset->setToolTip(tr("Degrees added to the controller heading, from −180 to 180."));
    m_offset->setText(LocaleText::count(0));
    auto* form = new QFormLayout;
    form->addRow(tr("Tower latitude"), m_latitude);
    form->addRow(tr("Tower longitude"), m_longitude);
    form->addRow(tr("True-north offset (°)"), m_offset);
    layout->addLayout(form);
    layout->addWidget(SheetParts::note(tr("True bearing = controller heading + offset. Positive is clockwise. This "
                                          "changes only the map overlay; Rotate and presets continue to use "
                                          "controller degrees."),
                                       this));

    m_preview = SheetParts::button(tr("Preview coordinates"), tr("Move the map to the coordinates typed above."), this);
    auto* previewRow = new QHBoxLayout;
    previewRow->addWidget(m_preview);
    previewRow->addStretch(1);
    layout->addLayout(previewRow);
    layout->addWidget(buildMap());
    layout->addWidget(SheetParts::note(
        tr("Address searches and map imagery use OpenStreetMap. You can also enter coordinates directly."), this));

    auto* remove = SheetParts::button(
        tr("Remove location"),
        tr("Forget the tower placed for %1; the map then uses the server’s site, if any.").arg(rotor), this);
    remove->setVisible(m_hasExisting);
    auto* cancel = SheetParts::button(tr("Cancel"), tr("Close without changing the tower location."), this);
    m_save = SheetParts::button(tr("Save location"), QString(), this);
    m_save->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(remove);
    buttons->addStretch(1);
    buttons->addWidget(cancel);
    buttons->addWidget(m_save);
    layout->addLayout(buttons);
    // The sheet takes the height its wrapped notes need at its width, and grows when search
    // results or a message appear; the map sets the width.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    const QMargins margins = layout->contentsMargins();
    m_mapStack->setFixedWidth(sheetWidth - margins.left() - margins.right());

    for (QLineEdit* field : {m_address, m_latitude, m_longitude, m_offset}) {
        connect(field, &QLineEdit::textChanged, this, &RotorLocationEditor::refreshControls);
    }
    connect(m_preview, &QPushButton::clicked, this, &RotorLocationEditor::preview);
    connect(m_save, &QPushButton::clicked, this, [this] {
        if (const std::optional<RotorLocation> location = draft()) {
            Q_EMIT save(location);
            accept();
        }
    });
    connect(remove, &QPushButton::clicked, this, [this] {
        Q_EMIT save(std::nullopt);
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    if (existing) {
        m_previewSpan = existing->spanMeters;
        m_address->setText(existing->label);
        m_offset->setText(LocaleText::shortest(existing->northOffset));
        m_satellite = existing->satellite;
        m_map->setSatellite(m_satellite);
        choose({existing->latitude, existing->longitude});
    } else if (!siteAddress.trimmed().isEmpty()) {
        m_address->setText(siteAddress);
        search();
    }
    applyColors();
    showMap();
    refreshControls();
}

RotorLocationEditor::~RotorLocationEditor()
{
    endSearch();
}

QWidget* RotorLocationEditor::buildSearch()
{
    auto* box = new QWidget(this);
    m_address = new QLineEdit(box);
    m_address->setAccessibleName(tr("Rotator address"));
    m_address->setPlaceholderText(tr("Street address, city, country"));
    m_address->setToolTip(tr("An address or place to look up, or a Maidenhead grid locator such as JO62qm."));
    m_address->installEventFilter(this);
    m_searchButton = SheetParts::button(tr("Search"), QString(), box);
    // Wide enough for "Searching…", so the row keeps still while a search runs.
    m_searchButton->setMinimumWidth(m_searchButton->fontMetrics().horizontalAdvance(tr("Searching…")) + 24);
    auto* row = new QHBoxLayout;
    row->addWidget(m_address, 1);
    row->addWidget(m_searchButton);

    m_resultsBox = new QWidget(box);
    auto* list = new QWidget;
    m_resultRows = new QVBoxLayout(list);
    m_resultRows->setContentsMargins(0, 0, 0, 0);
    m_resultRows->setSpacing(2);
    auto* scroll = new QScrollArea(m_resultsBox);
    scroll->setWidget(list);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setMaximumHeight(3 * (fontMetrics().height() + 14));
    m_searchCredits = SheetParts::note(QString(), m_resultsBox);
    PlainText::markOwnRichText(m_searchCredits);
    m_searchCredits->setOpenExternalLinks(true);
    m_searchCredits->setAccessibleName(tr("Search credits"));
    m_searchCredits->setToolTip(tr("Places are looked up in OpenStreetMap data. Open its copyright page."));
    auto* resultsLayout = new QVBoxLayout(m_resultsBox);
    resultsLayout->setContentsMargins(0, 0, 0, 0);
    resultsLayout->setSpacing(2);
    resultsLayout->addWidget(scroll);
    resultsLayout->addWidget(m_searchCredits);
    m_resultsBox->hide();

    m_errorLabel = PlainText::label({}, box);
    m_errorLabel->setWordWrap(true);
    m_errorLabel->setTextFormat(Qt::PlainText);
    m_errorLabel->hide();

    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addWidget(PlainText::label(tr("Rotator address"), box));
    layout->addLayout(row);
    layout->addWidget(m_resultsBox);
    layout->addWidget(m_errorLabel);

    connect(m_searchButton, &QPushButton::clicked, this, &RotorLocationEditor::search);
    return box;
}

QWidget* RotorLocationEditor::buildMap()
{
    auto* box = new QWidget(this);
    m_mapStack = new QStackedWidget(box);
    m_mapStack->setFixedHeight(mapHeight);

    auto* empty = PlainText::label(emptyNote(), m_mapStack);
    empty->setAlignment(Qt::AlignCenter);
    empty->setWordWrap(true);
    empty->setFrameShape(QFrame::StyledPanel);
    empty->setForegroundRole(QPalette::PlaceholderText);
    m_mapStack->addWidget(empty);

    auto* mapPage = new QWidget(m_mapStack);
    auto* stack = new QGridLayout(mapPage);
    stack->setContentsMargins(0, 0, 0, 0);
    m_map = new TowerMap(m_tiles, mapPage);
    m_map->setEditable(true);
    m_map->setAccessibleName(tr("Map around the tower"));
    auto* crosshair = new Crosshair(mapPage);
    stack->addWidget(m_map, 0, 0);
    stack->addWidget(crosshair, 0, 0);
    crosshair->raise();
    m_mapStack->addWidget(mapPage);

    const struct {
        QString glyph;
        QString name;
        int north;
        int east;
    } nudges[] = {{u"←"_s, tr("Move map center west"), 0, -1},
                  {u"↑"_s, tr("Move map center north"), 1, 0},
                  {u"↓"_s, tr("Move map center south"), -1, 0},
                  {u"→"_s, tr("Move map center east"), 0, 1}};
    auto* controls = new QHBoxLayout;
    for (const auto& nudge : nudges) {
        QToolButton* button = mapButton(nudge.glyph, nudge.name, box);
        m_mapButtons.append(button);
        controls->addWidget(button);
        const int north = nudge.north;
        const int east = nudge.east;
        connect(button, &QToolButton::clicked, this, [this, north, east] { this->nudge(north, east); });
    }
    controls->addStretch(1);
    m_style = mapButton(QString(), tr("Change map style in location editor"), box);
    //: Map style button: shows satellite imagery.
    const QString satellite = tr("Satellite");
    //: Map style button: shows the standard map.
    const QString map = tr("Map");
    m_style->setMinimumWidth(
        std::max(m_style->fontMetrics().horizontalAdvance(satellite), m_style->fontMetrics().horizontalAdvance(map)) +
        16);
    m_zoomOut = mapButton(u"−"_s, tr("Zoom out in location editor"), box);
    m_zoomIn = mapButton(u"+"_s, tr("Zoom in in location editor"), box);
    controls->addWidget(m_style);
    controls->addSpacing(6);
    controls->addWidget(m_zoomOut);
    controls->addWidget(m_zoomIn);

    m_mapNote = SheetParts::note(positionNote(), box);
    QSizePolicy keepsPlace = m_mapNote->sizePolicy();
    keepsPlace.setRetainSizeWhenHidden(true);
    m_mapNote->setSizePolicy(keepsPlace);
    m_mapError = SheetParts::note(QString(), box);
    m_mapError->hide();

    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addWidget(m_mapStack);
    layout->addLayout(controls);
    layout->addWidget(m_mapNote);
    layout->addWidget(m_mapError);

    connect(m_map, &TowerMap::centerChanged, this, [this](double latitude, double longitude) {
        choose({latitude, longitude}, false);
    });
    connect(m_map, &TowerMap::loadErrorChanged, this, [this](const std::optional<QString>& message) {
        m_mapError->setText(message.value_or(QString()));
        m_mapError->setVisible(message.has_value());
    });
    connect(m_style, &QToolButton::clicked, this, &RotorLocationEditor::flipStyle);
    connect(m_zoomOut, &QToolButton::clicked, this, [this] { zoom(true); });
    connect(m_zoomIn, &QToolButton::clicked, this, [this] { zoom(false); });
    return box;
}

RotorLocationEditor::Coordinate RotorLocationEditor::nudged(Coordinate from, int north, int east, double span)
{
    const double step = span * 0.125;
    const double cosine = std::max(std::cos(from.latitude * std::numbers::pi / 180.0), minimumCosine);
    const double latitude = std::clamp(from.latitude + north * step / metresPerDegree, -85.0, 85.0);
    const double longitude =
        std::fmod(from.longitude + east * (step / metresPerDegree) / cosine + 540.0, 360.0) - 180.0;
    return {latitude, longitude};
}

std::optional<RotorLocation> RotorLocationEditor::draft() const
{
    const std::optional<double> latitude = number(m_latitude);
    const std::optional<double> longitude = number(m_longitude);
    const std::optional<double> offset = number(m_offset);
    if (!latitude || !longitude || !offset) {
        return std::nullopt;
    }
    RotorLocation location{m_endpoint,  m_rotor,      m_address->text().trimmed(), *latitude, *longitude, *offset,
                           m_satellite, m_previewSpan};
    if (!location.valid()) {
        return std::nullopt;
    }
    return location;
}

bool RotorLocationEditor::eventFilter(QObject* watched, QEvent* event)
{
    // Return in the address field searches; it must not save the sheet half filled in.
    if (watched == m_address && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (!m_address->text().trimmed().isEmpty()) {
                search();
            }
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void RotorLocationEditor::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange) {
        applyColors();
    }
    QDialog::changeEvent(event);
}

void RotorLocationEditor::done(int result)
{
    endSearch();
    QDialog::done(result);
}

void RotorLocationEditor::search()
{
    const QString query = m_address->text().trimmed();
    if (query.isEmpty()) {
        return;
    }
    endSearch();
    ++m_searchID;
    m_results.clear();
    showResults();
    showError(std::nullopt);

    // A grid locator needs no search: its square is known.
    if (const std::optional<Maidenhead::Square> square = Maidenhead::square(query)) {
        m_address->setText(square->locator);
        choose({square->latitude, square->longitude});
        return;
    }

    const quint64 id = m_searchID;
    m_searching = true;
    m_foundConnection =
        connect(&m_places, &PlaceSearch::found, this, [this, id](const QString&, const QList<Place>& places) {
            if (id == m_searchID) {
                searchFinished(places);
            }
        });
    m_failedConnection = connect(&m_places, &PlaceSearch::failed, this, [this, id](const QString&, const QString&) {
        if (id == m_searchID) {
            searchFailed();
        }
    });
    m_places.search(query);
    refreshControls();
}

void RotorLocationEditor::searchFinished(const QList<Place>& places)
{
    endSearch();
    if (places.size() == 1) {
        const Place& place = places.first();
        choose({place.latitude, place.longitude});
        if (!place.title.isEmpty()) {
            m_address->setText(place.title);
        }
    } else if (places.isEmpty()) {
        showError(tr("No matching location. Try a fuller address or enter coordinates."));
    } else {
        m_results = places.mid(0, resultLimit);
        showResults();
    }
    refreshControls();
}

void RotorLocationEditor::searchFailed()
{
    endSearch();
    showError(tr("Address search unavailable. Try again or enter coordinates."));
    refreshControls();
}

void RotorLocationEditor::endSearch()
{
    if (m_searching) {
        m_places.cancel();
        m_searching = false;
    }
    disconnect(m_foundConnection);
    disconnect(m_failedConnection);
}

void RotorLocationEditor::choose(Coordinate coordinate, bool moveMap)
{
    m_latitude->setText(LocaleText::number(coordinate.latitude, 6));
    m_longitude->setText(LocaleText::number(coordinate.longitude, 6));
    m_point = coordinate;
    m_center = coordinate;
    showError(std::nullopt);
    // A drag already put the map there; setting it again would fight the hand moving it.
    if (moveMap) {
        m_map->setRegion(coordinate.latitude, coordinate.longitude, m_previewSpan);
    }
    showMap();
    refreshControls();
}

void RotorLocationEditor::preview()
{
    const std::optional<RotorLocation> location = draft();
    if (!location) {
        showError(coordinatesMessage());
        return;
    }
    // The typed coordinates become the point the nudges start from, as well as the map's centre.
    m_center = Coordinate{location->latitude, location->longitude};
    m_point = m_center;
    showError(std::nullopt);
    m_map->setRegion(m_center->latitude, m_center->longitude, m_previewSpan);
    showMap();
    refreshControls();
}

void RotorLocationEditor::nudge(int north, int east)
{
    const std::optional<Coordinate> from = m_point ? m_point : m_center;
    if (from) {
        choose(nudged(*from, north, east, m_previewSpan));
    }
}

void RotorLocationEditor::zoom(bool out)
{
    m_previewSpan = out ? RotorMapCompass::zoomedOut(m_previewSpan) : RotorMapCompass::zoomedIn(m_previewSpan);
    if (m_center) {
        m_map->setRegion(m_center->latitude, m_center->longitude, m_previewSpan);
    }
    refreshControls();
}

void RotorLocationEditor::flipStyle()
{
    m_satellite = !m_satellite;
    m_map->setSatellite(m_satellite);
    refreshControls();
}

void RotorLocationEditor::showMap()
{
    const bool shown = m_point || m_center;
    m_mapStack->setCurrentIndex(shown ? 1 : 0);
    m_mapNote->setVisible(shown);
}

void RotorLocationEditor::showResults()
{
    while (QLayoutItem* item = m_resultRows->takeAt(0)) {
        if (QWidget* widget = item->widget()) {
            widget->hide();
            widget->deleteLater();
        }
        delete item;
    }
    for (const Place& place : std::as_const(m_results)) {
        const QString label = place.title.isEmpty() ? tr("Search result") : place.title;
        auto* choice =
            SheetParts::button(QString(), tr("Put the tower at %1.").arg(label), m_resultRows->parentWidget());
        // Place names can be long: the button shows what fits, its tooltip the whole name.
        const QString shown = choice->fontMetrics().elidedText(label, Qt::ElideRight, sheetWidth - 80);
        choice->setText(PlainText::mnemonicSafe(shown));
        choice->setAccessibleName(label);
        m_resultRows->addWidget(choice);
        connect(choice, &QPushButton::clicked, this, [this, place] {
            choose({place.latitude, place.longitude});
            if (!place.title.isEmpty()) {
                m_address->setText(place.title);
            }
        });
    }
    m_resultRows->addStretch(1);
    m_resultsBox->setVisible(!m_results.isEmpty());
}

void RotorLocationEditor::showError(const std::optional<QString>& message)
{
    m_errorLabel->setText(message.value_or(QString()));
    m_errorLabel->setVisible(message.has_value());
}

void RotorLocationEditor::refreshControls()
{
    const QString searchText = m_searching ? tr("Searching…") : tr("Search");
    m_searchButton->setText(searchText);
    m_searchButton->setAccessibleName(searchText);
    setEnabledWithReason(m_searchButton, !m_address->text().trimmed().isEmpty(),
                         tr("Look the address up in OpenStreetMap; a grid locator is placed without a search."),
                         tr("Type an address or a grid locator first."));

    setEnabledWithReason(m_save, draft().has_value(), tr("Keep this position and offset for %1.").arg(m_rotor),
                         coordinatesMessage());

    const bool mapShown = m_point || m_center;
    for (QToolButton* button : std::as_const(m_mapButtons)) {
        setEnabledWithReason(button, mapShown, tr("%1 by an eighth of the view.").arg(button->accessibleName()),
                             noMapReason());
    }
    m_style->setText(m_satellite ? tr("Map") : tr("Satellite"));
    setEnabledWithReason(m_style, mapShown, m_satellite ? tr("Show the standard map.") : tr("Show satellite imagery."),
                         noMapReason());
    const bool widest = m_previewSpan >= RotorMapCompass::maximumSpan;
    setEnabledWithReason(m_zoomOut, mapShown && !widest, tr("Show more ground around the tower."),
                         widest ? tr("The map already shows 10 km, the widest view.") : noMapReason());
    const bool closest = m_previewSpan <= RotorMapCompass::minimumSpan;
    setEnabledWithReason(m_zoomIn, mapShown && !closest, tr("Show less ground around the tower."),
                         closest ? tr("The map already shows 100 m, the closest view.") : noMapReason());
}

void RotorLocationEditor::applyColors()
{
    const QPalette& colors = palette();
    setColor(m_errorLabel, StationColors::orange(colors));
    setColor(m_mapError, StationColors::orange(colors));
    m_searchCredits->setText(link(QString(NominatimPlaceSearch::copyrightAddress),
                                  NominatimPlaceSearch::attribution.toString(), StationColors::secondary(colors)));
}

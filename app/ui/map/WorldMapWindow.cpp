#include "app/ui/map/WorldMapWindow.h"

#include "app/profiles/RotorLocation.h"
#include "app/profiles/SettingsKeys.h"
#include "app/ui/style/LocaleText.h"
#include "app/ui/style/StationColors.h"
#include "core/client/KeltoClient.h"
#include "core/client/SettingsStore.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QResizeEvent>
#include <QVBoxLayout>

#include <cmath>
#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace {

// A turn counts as arrived this close to its heading.
constexpr double arrivedDegrees = 1.0;

// The window's last size as "width x height"; one for all tabs, like the log window's place.
constexpr QLatin1StringView sizeKey{"worldMapWindowSize"};

std::optional<QSize> storedSize(const SettingsStore& defaults)
{
    const QStringList parts = defaults.text(sizeKey).value_or(QString()).split(u'x');
    if (parts.size() != 2) {
        return std::nullopt;
    }
    bool wide = false;
    bool tall = false;
    const QSize size(parts.at(0).toInt(&wide), parts.at(1).toInt(&tall));
    // Whatever the file says, the window opens at a size a screen can show.
    if (!wide || !tall || size.width() < 200 || size.height() < 200 || size.width() > 8000 || size.height() > 8000) {
        return std::nullopt;
    }
    return size;
}

} // namespace

QList<QColor> WorldMapWindow::rotorColors(const QPalette& palette)
{
    const bool dark = StationColors::isDark(palette);
    return {StationColors::teal(palette), dark ? QColor(0xb3, 0x8c, 0xf0) : QColor(0x6a, 0x3d, 0xb8),
            dark ? QColor(0xf0, 0x7a, 0xb8) : QColor(0xb0, 0x2a, 0x78),
            dark ? QColor(0x7c, 0xc8, 0x5a) : QColor(0x2e, 0x7d, 0x1f),
            dark ? QColor(0x6c, 0xa8, 0xf0) : QColor(0x1f, 0x5f, 0xb0)};
}

WorldMapWindow::WorldMapWindow(KeltoClient& client, SettingsStore& defaults, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_client(client)
    , m_defaults(defaults)
    , m_map(new WorldMap(KeltoClient::systemClock()))
    , m_reach(new QComboBox)
    , m_status(new QLabel)
    , m_empty(new QLabel)
{
    setWindowTitle(tr("World map"));
    // The reaches are whole kilometres; they read in the operator's unit.
    m_reach->addItem(LocaleText::distance(5'000'000.0), int(WorldMap::Reach::km5000));
    m_reach->addItem(LocaleText::distance(10'000'000.0), int(WorldMap::Reach::km10000));
    m_reach->addItem(tr("Whole world"), int(WorldMap::Reach::world));
    m_reach->setCurrentIndex(2);
    m_reach->setAccessibleName(tr("World map reach"));
    m_reach->setToolTip(tr("How far from the tower the edge of the map reaches."));
    connect(m_reach, &QComboBox::currentIndexChanged, this,
            [this] { m_map->setReach(WorldMap::Reach(m_reach->currentData().toInt())); });

    m_status->setTextFormat(Qt::PlainText);
    m_status->setAccessibleName(tr("Place under the pointer"));
    m_empty->setTextFormat(Qt::PlainText);
    m_empty->setWordWrap(true);
    m_empty->setAlignment(Qt::AlignCenter);
    m_empty->setText(tr("No rotor of this tab has a tower position yet. Place a tower with Set Location on its "
                        "card, or give the server a site in its profile."));
    m_map->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);

    connect(m_map, &WorldMap::pointerMoved, this, [this](double bearing, double metres, const QString& locator) {
        m_status->setText(
            tr("Bearing %1, %2, %3").arg(LocaleText::degrees(bearing, 0), LocaleText::distance(metres), locator));
    });
    connect(m_map, &WorldMap::pointerLeft, m_status, &QLabel::clear);
    connect(m_map, &WorldMap::pointChosen, this, [this](double latitude, double longitude) {
        if (!m_firstRotor.isEmpty()) {
            Q_EMIT pointChosen(m_firstRotor, latitude, longitude);
        }
    });

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_status, 1);
    bottom->addWidget(new QLabel(tr("Reach:")));
    bottom->addWidget(m_reach);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_map, 1);
    layout->addWidget(m_empty, 1);
    layout->addLayout(bottom);

    resize(storedSize(m_defaults).value_or(QSize(640, 700)));
    connect(&m_client, &KeltoClient::turnSent, this, [this](const QString& name, double number) {
        m_turning.insert(name, number);
        refresh();
    });
    for (const auto ended : {&KeltoClient::stopSent, &KeltoClient::jogSent}) {
        connect(&m_client, ended, this, [this](const QString& name) {
            m_turning.remove(name);
            refresh();
        });
    }
    connect(&m_client, &KeltoClient::connectedChanged, this, [this] {
        m_turning.clear();
        refresh();
    });
    connect(&m_client, &KeltoClient::stationChanged, this, &WorldMapWindow::refresh);
    connect(&m_client, &KeltoClient::rotorMechanicsChanged, this, &WorldMapWindow::refresh);
    connect(&m_client, &KeltoClient::nowChanged, this, &WorldMapWindow::refresh);
    connect(&m_client, &KeltoClient::endpointChanged, this, &WorldMapWindow::refresh);
    refresh();
}

WorldMapWindow::~WorldMapWindow() = default;

void WorldMapWindow::setSite(const RotorCard::Site& site)
{
    if (site != m_site) {
        m_site = site;
        refresh();
    }
}

void WorldMapWindow::refresh()
{
    const QString endpoint = m_client.endpoint();
    const QString stored = m_defaults.text(SettingsKeys::rotorLocations).value_or(QString());
    const QList<QColor> colors = rotorColors(palette());
    const Instant now = m_client.now();
    QList<WorldMap::Rotor> rotors;
    std::optional<GeoPoint> centre;
    QString first;
    if (!endpoint.isEmpty()) {
        for (const Rotor& rotor : m_client.station().rotors) {
            const std::optional<RotorLocation> location =
                RotorLocation::effective(endpoint, rotor.name, stored, m_site.label, m_site.latitude, m_site.longitude);
            if (!location) {
                continue;
            }
            if (!centre) {
                centre = GeoPoint{location->latitude, location->longitude};
                first = rotor.name;
            }
            WorldMap::Rotor shown;
            shown.name = rotor.name;
            shown.color = colors.at(rotors.size() % colors.size());
            shown.heading = rotor.heading ? location->trueBearing(*rotor.heading) : std::nullopt;
            if (const auto turn = m_turning.constFind(rotor.name); turn != m_turning.cend()) {
                // Arrived: within the tenth of a degree the turn was sent with, and a little more.
                if (rotor.heading && std::abs(std::remainder(*rotor.heading - *turn, 360.0)) < arrivedDegrees) {
                    m_turning.erase(turn);
                } else {
                    shown.target = location->trueBearing(*turn);
                }
            }
            shown.beamwidth = location->beamwidth;
            shown.stale = !rotor.fresh(now);
            shown.twoWay = m_client.rotorMechanics(rotor.name).twoWay;
            rotors.append(shown);
        }
    }
    m_firstRotor = first;
    // The reach choices in the distance unit chosen now.
    for (const auto& [index, metres] : {std::pair{0, 5'000'000.0}, std::pair{1, 10'000'000.0}}) {
        if (const QString text = LocaleText::distance(metres); m_reach->itemText(index) != text) {
            m_reach->setItemText(index, text);
        }
    }
    m_map->setCentre(centre);
    m_map->setRotors(rotors);
    m_map->setVisible(centre.has_value());
    m_empty->setVisible(!centre.has_value());
    m_reach->setEnabled(centre.has_value());
}

void WorldMapWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        // The rotors' colours follow the palette's lightness.
        refresh();
    }
}

void WorldMapWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (isVisible()) {
        m_defaults.setText(sizeKey, u"%1x%2"_s.arg(event->size().width()).arg(event->size().height()));
    }
}

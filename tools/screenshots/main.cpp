// Draws the application's windows as a user sees them, against simulated stations, into PNG
// files: the main window with one and with two tabs (light and dark) with a rotor on its tower
// map, the tower location editor, the log window and the login sheet. Runs offscreen and off
// the network: map tiles are drawn here and served from a local server.
#include "app/map/CountryData.h"
#include "app/map/TileLoader.h"
#include "app/map/TileMath.h"
#include "app/profiles/RotorLocation.h"
#include "app/profiles/ServerProfile.h"
#include "app/profiles/ServerProfiles.h"
#include "app/profiles/SettingsKeys.h"
#include "app/ui/map/WorldMapWindow.h"
#include "app/ui/rotor/RotorCard.h"
#include "app/ui/shell/Languages.h"
#include "app/ui/shell/LiveLogView.h"
#include "app/ui/shell/MainWindow.h"
#include "app/ui/station/StationView.h"
#include "app/ui/station/StationWorkspaceView.h"
#include "app/workspace/StationSession.h"
#include "app/workspace/StationWorkspace.h"
#include "core/client/KeltoClient.h"
#include "core/client/MemorySettingsStore.h"
#include "tests/support/LocalHttpServer.h"
#include "tools/station-sim/Kt90Simulator.h"
#include "tools/station-sim/StationSimulator.h"

#include <QApplication>
#include <QBuffer>
#include <QDeadlineTimer>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>
#include <QToolButton>
#include <QUuid>

#include <functional>

using namespace Qt::Literals::StringLiterals;

namespace {

bool waitUntil(const std::function<bool()>& done, int milliseconds = 8000)
{
    QDeadlineTimer deadline(milliseconds);
    while (!done()) {
        if (deadline.hasExpired()) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(10);
    }
    return true;
}

void settle(int milliseconds)
{
    QDeadlineTimer deadline(milliseconds);
    while (!deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(10);
    }
}

QPalette darkPalette()
{
    QPalette palette;
    palette.setColor(QPalette::Window, QColor(0x2b, 0x2d, 0x30));
    palette.setColor(QPalette::WindowText, QColor(0xe6, 0xe6, 0xe6));
    palette.setColor(QPalette::Base, QColor(0x1e, 0x1f, 0x22));
    palette.setColor(QPalette::AlternateBase, QColor(0x33, 0x35, 0x38));
    palette.setColor(QPalette::Text, QColor(0xe6, 0xe6, 0xe6));
    palette.setColor(QPalette::Button, QColor(0x3a, 0x3d, 0x41));
    palette.setColor(QPalette::ButtonText, QColor(0xe6, 0xe6, 0xe6));
    palette.setColor(QPalette::PlaceholderText, QColor(0x9a, 0x9d, 0xa3));
    palette.setColor(QPalette::Mid, QColor(0x55, 0x58, 0x5d));
    palette.setColor(QPalette::Highlight, QColor(0x2f, 0x7d, 0x8c));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::ToolTipBase, QColor(0x3a, 0x3d, 0x41));
    palette.setColor(QPalette::ToolTipText, QColor(0xe6, 0xe6, 0xe6));
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        palette.setColor(QPalette::Disabled, role, QColor(0x74, 0x77, 0x7c));
    }
    return palette;
}

// A stand-in for real map imagery, so the pictures need no tile server: blocks between streets,
// some of them parks or water, laid out in world pixels so that neighbouring tiles join up.
// The satellite style is the same plan in earth colours.
QByteArray drawnTile(bool satellite, int x, int y)
{
    constexpr int size = TileMath::tileSize;
    constexpr int block = 96;
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(satellite ? QColor(0x4d, 0x55, 0x3f) : QColor(0xf2, 0xef, 0xe9));
    QPainter painter(&image);
    const int left = x * size;
    const int top = y * size;
    for (int by = top / block - 1; by <= (top + size) / block; ++by) {
        for (int bx = left / block - 1; bx <= (left + size) / block; ++bx) {
            const unsigned hash = (static_cast<unsigned>(bx) * 73856093u) ^ (static_cast<unsigned>(by) * 19349663u);
            QColor fill;
            if (hash % 11 == 0) {
                fill = satellite ? QColor(0x23, 0x3a, 0x4a) : QColor(0xaa, 0xd3, 0xdf);
            } else if (hash % 5 == 0) {
                fill = satellite ? QColor(0x3a, 0x5a, 0x2e) : QColor(0xc8, 0xe6, 0xbe);
            } else if (satellite) {
                fill = QColor(0x6b + static_cast<int>(hash % 40), 0x62 + static_cast<int>(hash % 30), 0x52);
            } else {
                fill = QColor(0xe4, 0xdf, 0xd8);
            }
            painter.fillRect(QRect(bx * block - left + 8, by * block - top + 8, block - 16, block - 16), fill);
        }
    }
    painter.end();
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}

// Routes the tiles of both styles around a place at every level the maps may ask for.
void serveTiles(LocalHttpServer& server, double latitude, double longitude)
{
    for (int zoom = 11; zoom <= TileMath::maximumZoom; ++zoom) {
        const QPointF centre = TileMath::tilePosition(latitude, longitude, zoom);
        for (int dy = -4; dy <= 4; ++dy) {
            for (int dx = -4; dx <= 4; ++dx) {
                const int x = static_cast<int>(centre.x()) + dx;
                const int y = static_cast<int>(centre.y()) + dy;
                for (const bool satellite : {false, true}) {
                    const QString path =
                        u"/%1/%2/%3/%4.png"_s.arg(satellite ? u"satellite"_s : u"standard"_s).arg(zoom).arg(x).arg(y);
                    server.setRoute(path, {200,
                                           drawnTile(satellite, x, y),
                                           "image/png",
                                           {{"Cache-Control", "max-age=604800"}},
                                           0,
                                           false});
                }
            }
        }
    }
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(u"Xalto Station Control"_s);
    QApplication::setApplicationVersion(QStringLiteral(XALTO_VERSION));
    QApplication::setStyle(QStyleFactory::create(u"Fusion"_s));
    const QPalette lightPalette = QApplication::palette();
    QTextStream err(stderr);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : u"docs"_s);
    // "xalto-screenshots docs de": only the main window, in that language, as main-window-de.png.
    const QString language = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    if (!language.isEmpty() && !Languages::install(application, language)) {
        err << "No translation for " << language << Qt::endl;
        return 1;
    }
    if (!QDir().mkpath(out.path())) {
        err << "Cannot create " << out.path() << Qt::endl;
        return 1;
    }
    auto save = [&](QWidget* widget, const QString& name) {
        const QString path = out.filePath(name);
        if (!widget->grab().save(path)) {
            err << "Cannot write " << path << Qt::endl;
            return false;
        }
        err << "Wrote " << path << Qt::endl;
        return true;
    };

    StationSimulator::Options options;
    options.rotors = 3;
    options.switches = 4;
    StationSimulator station(options);
    StationSimulator::Options loginOptions;
    loginOptions.user = u"op"_s;
    loginOptions.password = u"secret"_s;
    StationSimulator guarded(loginOptions);
    Kt90Simulator kt90(Kt90Simulator::Options{});
    if (!station.listen() || !guarded.listen() || !kt90.listenTcp()) {
        err << "Cannot start the simulators" << Qt::endl;
        return 1;
    }

    MemorySettingsStore defaults;
    // Reykjavík, where the station's first rotor stands on the map.
    constexpr double towerLatitude = 64.1466;
    constexpr double towerLongitude = -21.9426;
    LocalHttpServer tileServer;
    QTemporaryDir tileCache;
    if (!tileServer.listen() || !tileCache.isValid()) {
        err << "Cannot start the tile server" << Qt::endl;
        return 1;
    }
    serveTiles(tileServer, towerLatitude, towerLongitude);
    const QString tileBase = u"http://127.0.0.1:"_s + QString::number(tileServer.port());
    defaults.setText(u"tileURL"_s, tileBase + u"/standard/{z}/{x}/{y}.png"_s);
    defaults.setText(u"satelliteTileURL"_s, tileBase + u"/satellite/{z}/{x}/{y}.png"_s);
    TileLoader tiles(defaults, tileCache.path());
    const ServerProfile demo{
        QUuid::createUuid(),      u"Contest station"_s, u"127.0.0.1"_s, QString::number(station.serverPort()),
        ConnectionKind::ovVarnex, std::nullopt,         std::nullopt,   std::nullopt};
    const ServerProfile controller{
        QUuid::createUuid(),          u"KT-90 on the mast"_s, u"127.0.0.1"_s, QString::number(kt90.tcpPort()),
        ConnectionKind::kt90Terminal, std::nullopt,           std::nullopt,   std::nullopt};
    const ServerProfile remote{
        QUuid::createUuid(),      u"Remote site"_s, u"127.0.0.1"_s, QString::number(guarded.serverPort()),
        ConnectionKind::ovVarnex, std::nullopt,     std::nullopt,   std::nullopt};
    {
        ServerProfiles profiles(defaults);
        profiles.setItems({demo, controller, remote});
    }
    // The first rotor placed on the map, a little off true north; the others keep their dials.
    const RotorLocation placed{
        demo.endpoint(), u"Rotor 1"_s, u"Reykjavík, Iceland"_s, towerLatitude, towerLongitude, 12.0, false, 600.0};
    defaults.setText(SettingsKeys::rotorLocations, RotorLocation::encode({placed}).value_or(u"[]"_s));
    StationWorkspace workspace(defaults, nullptr);
    MainWindow window(workspace, &tiles);
    // The installed country file, with no copy of a loaded one.
    QTemporaryDir countryFolder;
    CountryData::Paths countryPaths = CountryData::standardPaths();
    countryPaths.dataFolder = countryFolder.path();
    CountryData countries(countryPaths);
    countries.load();
    window.setCountryData(&countries);
    window.resize(960, 870);
    window.show();

    StationWorkspaceView& tabs = window.workspaceView();
    StationView* first = tabs.currentView();
    first->selectProfile(demo);
    StationSession* firstSession = workspace.sessions().first();
    workspace.connectSession(firstSession, demo.host, demo.port, demo.kind(), demo.name);
    KeltoClient& client = firstSession->client();
    if (!waitUntil([&] { return client.connected() && client.receivedServerPresets(); })) {
        err << "The simulated station did not answer" << Qt::endl;
        return 1;
    }
    client.setControlsEnabled(true);
    client.setSwitchControlsEnabled(true);
    settle(1200);
    client.turn(u"Rotor 1"_s, 120.0);
    settle(1500);
    if (!language.isEmpty()) {
        const bool written = save(&window, u"main-window-%1.png"_s.arg(language));
        workspace.disconnectAll();
        return written ? 0 : 1;
    }
    bool ok = save(&window, u"main-window.png"_s);

    // The placed rotor's card pointed at a station in Japan.
    for (RotorCard* card : first->findChildren<RotorCard*>()) {
        if (card->rotorName() != u"Rotor 1"_s) {
            continue;
        }
        for (QLineEdit* field : card->findChildren<QLineEdit*>()) {
            if (field->accessibleName() == u"Point Rotor 1 at"_s) {
                field->setText(u"JA1ABC"_s);
            }
        }
        // Once the turn above has ended, so the buttons show enabled.
        waitUntil([&] { return client.canTurn(client.station().rotors.value(u"Rotor 1"_s)); }, 20000);
        settle(300);
        ok = save(card, u"point-at.png"_s) && ok;
    }

    if (auto* scroll = first->findChild<QScrollArea*>()) {
        scroll->verticalScrollBar()->setValue(scroll->verticalScrollBar()->maximum());
        settle(300);
        ok = save(&window, u"main-window-routing.png"_s) && ok;
        scroll->verticalScrollBar()->setValue(0);
    }

    // The tower location editor of the placed rotor, opened from its card.
    {
        const QList<QToolButton*> buttons = first->findChildren<QToolButton*>();
        const auto found = std::find_if(buttons.cbegin(), buttons.cend(), [](const QToolButton* b) {
            return b->accessibleName() == u"Set tower location…"_s && b->isEnabled();
        });
        if (found == buttons.cend()) {
            err << "No enabled Set tower location button" << Qt::endl;
            ok = false;
        } else {
            (*found)->click();
            settle(1500);
            if (QWidget* sheet = QApplication::activeModalWidget()) {
                ok = save(sheet, u"location-editor.png"_s) && ok;
                QApplication::setPalette(darkPalette());
                settle(600);
                ok = save(sheet, u"location-editor-dark.png"_s) && ok;
                QApplication::setPalette(lightPalette);
                sheet->close();
                settle(200);
            }
        }
    }

    // The profile editor from the server menu, showing the selected server.
    if (auto* server = first->findChild<QToolButton*>()) {
        for (QAction* action : server->menu()->actions()) {
            if (action->text() == u"Manage servers…"_s) {
                action->trigger();
            }
        }
        settle(400);
        if (QWidget* sheet = QApplication::activeModalWidget()) {
            ok = save(sheet, u"profile-editor.png"_s) && ok;
            sheet->close();
            settle(200);
        }
    }

    // The station's sheets, opened as a user opens them.
    for (const auto& [button, file] : {std::pair{u"Integrations"_s, u"integration-settings.png"_s},
                                       std::pair{u"Layout"_s, u"layout-editor.png"_s}}) {
        const QList<QPushButton*> buttons = first->findChildren<QPushButton*>();
        // clang 14 cannot capture a structured binding.
        const QString& name = button;
        const auto found = std::find_if(buttons.cbegin(), buttons.cend(),
                                        [&name](const QPushButton* b) { return b->accessibleName() == name; });
        if (found == buttons.cend()) {
            err << "No " << button << " button" << Qt::endl;
            ok = false;
            continue;
        }
        (*found)->click();
        settle(400);
        if (QWidget* sheet = QApplication::activeModalWidget()) {
            ok = save(sheet, file) && ok;
            sheet->close();
            settle(200);
        }
    }

    QApplication::setPalette(darkPalette());
    settle(300);
    ok = save(&window, u"main-window-dark.png"_s) && ok;
    QApplication::setPalette(lightPalette);

    window.showLog();
    settle(300);
    if (LiveLogView* log = window.logWindow()) {
        ok = save(log, u"log-window.png"_s) && ok;
        log->close();
    }

    // The tab's world map with all three towers placed: the other two rotors share the mast's
    // site, a narrower and a wider beam.
    {
        RotorLocation second = placed;
        second.rotor = u"Rotor 2"_s;
        second.beamwidth = 40.0;
        RotorLocation third = placed;
        third.rotor = u"Rotor 3"_s;
        third.beamwidth = 90.0;
        defaults.setText(SettingsKeys::rotorLocations,
                         RotorLocation::encode({placed, second, third}).value_or(u"[]"_s));
        client.turn(u"Rotor 2"_s, 250.0);
        client.turn(u"Rotor 3"_s, 330.0);
        settle(2500);
        first->openWorldMap();
        if (WorldMapWindow* world = first->worldMapWindow()) {
            world->resize(640, 700);
            world->refresh();
            waitUntil([world] { return !world->map().landPending(); });
            settle(300);
            ok = save(world, u"world-map.png"_s) && ok;
            QApplication::setPalette(darkPalette());
            world->refresh();
            settle(300);
            ok = save(world, u"world-map-dark.png"_s) && ok;
            QApplication::setPalette(lightPalette);
            world->close();
        } else {
            err << "The world map window did not open" << Qt::endl;
            ok = false;
        }
    }

    workspace.add();
    StationSession* second = workspace.sessions().last();
    tabs.currentView()->selectProfile(controller);
    workspace.connectSession(second, controller.host, controller.port, controller.kind(), controller.name);
    waitUntil([&] { return second->client().connected(); });
    settle(1200);
    ok = save(&window, u"main-window-two-tabs.png"_s) && ok;

    workspace.add();
    StationSession* third = workspace.sessions().last();
    tabs.currentView()->selectProfile(remote);
    workspace.connectSession(third, remote.host, remote.port, remote.kind(), remote.name);
    if (waitUntil([] { return qobject_cast<QDialog*>(QApplication::activeModalWidget()) != nullptr; })) {
        settle(300);
        ok = save(QApplication::activeModalWidget(), u"login-sheet.png"_s) && ok;
    } else {
        err << "The login sheet did not open" << Qt::endl;
        ok = false;
    }
    workspace.disconnectAll();
    return ok ? 0 : 1;
}

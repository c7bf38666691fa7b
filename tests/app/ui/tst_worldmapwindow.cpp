#include "app/map/Maidenhead.h"
#include "app/profiles/ServerProfile.h"
#include "app/profiles/ServerProfiles.h"
#include "app/ui/map/WorldMapWindow.h"
#include "app/ui/station/StationView.h"
#include "app/ui/station/StationWorkspaceView.h"
#include "app/ui/style/LocaleText.h"
#include "app/workspace/StationWorkspace.h"
#include "core/client/KeltoClient.h"
#include "core/client/MemorySettingsStore.h"
#include "tests/app/ui/PixelTestSupport.h"
#include "tests/support/ViewTestSupport.h"
#include "tools/station-sim/StationSimulator.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QSignalSpy>
#include <QStyleFactory>
#include <QTest>
#include <QUuid>

#include <cmath>
#include <memory>

using namespace Qt::Literals::StringLiterals;
using namespace PixelTest;

// A tab's world map window, opened from the tab's header against the station simulator: one beam
// per rotor whose tower has a position, and a click that reports a place and sends nothing.
class TestWorldMapWindow final : public QObject {
    Q_OBJECT

    MemorySettingsStore m_defaults;
    std::unique_ptr<StationSimulator> m_simulator;
    std::unique_ptr<StationWorkspace> m_workspace;
    std::unique_ptr<StationWorkspaceView> m_view;

    // The simulator's two rotors on a server whose site is Vienna, connected in the first tab,
    // and that tab's world map window opened with its header button.
    WorldMapWindow* openWindow()
    {
        m_simulator = std::make_unique<StationSimulator>(StationSimulator::Options{});
        if (!m_simulator->listen()) {
            return nullptr;
        }
        const ServerProfile profile{
            QUuid::createUuid(),      u"Home station"_s, u"127.0.0.1"_s, QString::number(m_simulator->serverPort()),
            ConnectionKind::ovVarnex, u"Vienna"_s,       48.2,           16.4};
        ServerProfiles(m_defaults).setItems({profile});
        m_workspace = std::make_unique<StationWorkspace>(m_defaults, nullptr);
        m_view = std::make_unique<StationWorkspaceView>(*m_workspace);
        m_view->resize(960, 870);
        m_view->setPalette(testPalette(false));
        m_view->show();
        StationView* tab = m_view->currentView();
        tab->selectProfile(profile);
        QTest::mouseClick(ViewTest::byName<QAbstractButton>(tab, u"Connect"_s), Qt::LeftButton);
        // Beams far apart, so neither hides the other.
        double heading = 60.0;
        for (const QString& name : m_simulator->rotorNames()) {
            m_simulator->setRotorHeading(name, heading);
            if (!QTest::qWaitFor([&] { return tab->client().station().rotors.value(name).heading == heading; })) {
                return nullptr;
            }
            heading += 180.0;
        }
        QTest::mouseClick(ViewTest::byName<QAbstractButton>(tab, u"World map"_s), Qt::LeftButton);
        WorldMapWindow* window = tab->worldMapWindow();
        if (!window || !QTest::qWaitForWindowExposed(window) ||
            !QTest::qWaitFor([window] { return !window->map().landPending(); }, 10000)) {
            return nullptr;
        }
        window->resize(600, 660);
        return window;
    }

private Q_SLOTS:
    void initTestCase() { QApplication::setStyle(QStyleFactory::create(u"Fusion"_s)); }

    void cleanup()
    {
        m_view.reset();
        m_workspace.reset();
        m_simulator.reset();
    }

    void headerButton_opensTheTabsRotorsEachWithItsBeam()
    {
        WorldMapWindow* window = openWindow();
        QVERIFY(window);
        WorldMap& map = window->map();
        const QStringList names = m_simulator->rotorNames();
        QTRY_COMPARE(map.rotors().size(), names.size());
        QCOMPARE(map.centre()->latitude, 48.2);

        const QList<QColor> colors = WorldMapWindow::rotorColors(map.palette());
        const QImage image = map.grab().toImage();
        const QPointF centre = map.mapCircle().center();
        const double radius = map.mapCircle().width() / 2.0;
        // Outside the round map the window shows through.
        QVERIFY(near(image.pixelColor(2, 2), map.palette().color(QPalette::Window), 8));
        for (qsizetype i = 0; i < names.size(); ++i) {
            const WorldMap::Rotor& rotor = map.rotors().at(i);
            QCOMPARE(rotor.name, names.at(i));
            QCOMPARE(rotor.beamwidth, 60.0);
            // The site's towers have no north offset: the beam points along the controller heading.
            const double heading = m_view->currentView()->client().station().rotors.value(rotor.name).heading.value();
            QCOMPARE(rotor.heading.value(), heading);
            const QPointF axis = toward(centre, heading, radius * 0.55);
            if (!nearAround(image, axis, colors.at(i))) {
                image.save(QDir::temp().filePath(u"tst_worldmapwindow-beam.png"_s));
                QFAIL(qPrintable(u"no beam of %1 along %2°"_s.arg(rotor.name).arg(heading)));
            }
        }
    }

    // The reach choices and the rings follow the distance unit chosen in Settings.
    void reach_followsTheDistanceUnit()
    {
        WorldMapWindow* window = openWindow();
        QVERIFY(window);
        auto* reach = window->findChild<QComboBox*>();
        QCOMPARE(reach->itemText(0), u"5,000 km"_s);
        LocaleText::setDistanceUnit(LocaleText::DistanceUnit::miles);
        window->refresh();
        LocaleText::setDistanceUnit(LocaleText::DistanceUnit::kilometres);
        QCOMPARE(reach->itemText(0), u"3,107 mi"_s);
        QCOMPARE(reach->itemText(1), u"6,214 mi"_s);
    }

    // A turn under way shows its target until the rotor is stopped.
    void turn_showsItsTargetUntilStopped()
    {
        WorldMapWindow* window = openWindow();
        QVERIFY(window);
        const QString name = m_simulator->rotorNames().constFirst();
        KeltoClient& client = m_view->currentView()->client();
        client.setControlsEnabled(true);
        QTRY_VERIFY(client.station().rotors.value(name).heading.has_value());
        QVERIFY(!window->map().rotors().constFirst().target);

        client.turn(name, 200.0);
        QTRY_COMPARE(window->map().rotors().constFirst().target, std::optional(200.0));
        client.stop(name);
        QTRY_VERIFY(!window->map().rotors().constFirst().target);
    }

    void click_reportsThePlaceForTheFirstRotorAndSendsNothing()
    {
        WorldMapWindow* window = openWindow();
        QVERIFY(window);
        WorldMap& map = window->map();
        QSignalSpy chosen(window, &WorldMapWindow::pointChosen);
        const qsizetype sent = m_simulator->received().size();

        const GeoPoint sydney{-33.87, 151.21};
        const QPointF at = map.pixelAt(sydney).value();
        QTest::mouseClick(&map, Qt::LeftButton, {}, at.toPoint());
        QCOMPARE(chosen.size(), 1);
        QCOMPARE(chosen.first().at(0).toString(), m_simulator->rotorNames().first());
        // Within a pixel of the whole world (some 80 km).
        QVERIFY2(std::abs(chosen.first().at(1).toDouble() - sydney.latitude) < 1.0,
                 qPrintable(QString::number(chosen.first().at(1).toDouble())));
        QVERIFY2(std::abs(chosen.first().at(2).toDouble() - sydney.longitude) < 1.0,
                 qPrintable(QString::number(chosen.first().at(2).toDouble())));
        // The rotor's "Point at" field shows the clicked place as a locator.
        const QString rotor = m_simulator->rotorNames().first();
        auto* field = ViewTest::byName<QLineEdit>(m_view->currentView(), u"Point "_s + rotor + u" at"_s);
        QVERIFY(field);
        QTRY_COMPARE(field->text(),
                     Maidenhead::locator(chosen.first().at(1).toDouble(), chosen.first().at(2).toDouble(), 6));
        QVERIFY(field->text().startsWith(u"QF5"_s));
        // Nothing reached the station but keep-alives: no turn, no target.
        QCoreApplication::processEvents();
        for (const QByteArray& record : m_simulator->received().mid(sent)) {
            QCOMPARE(record, QByteArray(1, '\0'));
        }
        for (const QString& name : m_simulator->rotorNames()) {
            QVERIFY(!m_simulator->rotorTarget(name).has_value());
        }
    }
};

QTEST_MAIN(TestWorldMapWindow)
#include "tst_worldmapwindow.moc"

#include "app/profiles/RotorLocation.h"
#include "app/profiles/SettingsKeys.h"
#include "app/ui/map/TowerMap.h"
#include "app/ui/map/WorldMap.h"
#include "app/ui/rotor/BeamOverlay.h"
#include "app/ui/rotor/Compass.h"
#include "app/ui/rotor/RotorCard.h"
#include "app/ui/rotor/RotorMapCompass.h"
#include "app/ui/sheets/RotorLocationEditor.h"
#include "app/ui/style/StationColors.h"
#include "tests/app/ui/MapTestSupport.h"
#include "tests/app/ui/PixelTestSupport.h"
#include "tests/app/ui/SheetTestSupport.h"
#include "tests/core/client/ClientTestSupport.h"
#include "tests/support/ViewTestSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QStyleFactory>
#include <QTest>

#include <limits>
#include <optional>

using namespace ClientTest;
using namespace MapTest;
using namespace PixelTest;
using SheetTest::click;

Q_DECLARE_METATYPE(std::optional<double>)

namespace {

RotorLocation tower(const QString& endpoint, const QString& rotor, double offset, double span = 600)
{
    return RotorLocation{endpoint, rotor, u"Home"_s, 64.1466, -21.9426, offset, false, span};
}

QList<RotorLocation> stored(const SettingsStore& defaults)
{
    return RotorLocation::decode(defaults.text(SettingsKeys::rotorLocations).value_or(QString()));
}

// A simulated station reporting "Rotor 1" at a heading the test sends, and its card with map
// services on local servers, in a window of its own.
struct MapCardBench {
    Bench bench;
    LocalMaps maps{bench.defaults};
    QString endpoint = endpointOf(*bench.simulator);
    QWidget window;
    RotorCard* card = nullptr;

    // Stores the locations, each for this bench's station.
    explicit MapCardBench(QList<RotorLocation> locations)
    {
        for (RotorLocation& location : locations) {
            location.endpoint = endpoint;
        }
        bench.defaults.setText(SettingsKeys::rotorLocations, RotorLocation::encode(locations).value());
        card = new RotorCard(*bench.client, bench.defaults, u"Rotor 1"_s, &window);
        card->setEndpoint(endpoint);
        card->setMapServices(maps.loader.get(), maps.places.get());
        for (const auto changed :
             {&KeltoClient::stationChanged, &KeltoClient::nowChanged, &KeltoClient::connectedChanged}) {
            QObject::connect(bench.client.get(), changed, card, &RotorCard::refresh);
        }
        window.resize(380, 1000);
        card->setGeometry(0, 0, 380, 1000);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }

    // Live, with every later report coming from `report`.
    void open()
    {
        bench.connectLive();
        bench.simulator->setFault(StationSimulator::Fault::silence);
    }

    void report(double heading)
    {
        bench.clock.advance(0.1);
        bench.simulator->sendRaw(wireLine({u"POINT"_s, u"Rotor 1"_s, QString::number(heading), u"0"_s, u"5"_s}));
        QTRY_COMPARE(bench.client->station().rotors.value(u"Rotor 1"_s).heading.value_or(-1.0), heading);
    }
};

} // namespace

// The map compass drawn offscreen over a tile server that has no tiles, sampled where its
// needles must and must not be; and the rotor card that shows it, stores its edits and opens
// the tower location editor. Also run at twice the scale.
class TestRotorMapCompass final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QApplication::setStyle(QStyleFactory::create(u"Fusion"_s)); }

    void needles_lieAlongTrueBearings_data()
    {
        QTest::addColumn<bool>("dark");
        QTest::addColumn<std::optional<double>>("heading");
        QTest::addColumn<double>("offset");
        QTest::addColumn<std::optional<double>>("target");
        QTest::addColumn<bool>("stale");
        QTest::addColumn<std::optional<double>>("bearing");
        QTest::addColumn<QString>("caption");

        const std::optional<double> none;
        QTest::newRow("10 + 20, live, light")
            << false << std::optional(10.0) << 20.0 << none << false << std::optional(30.0) << u"Bearing 30.0° true"_s;
        QTest::newRow("350 + 20 wraps, dark")
            << true << std::optional(350.0) << 20.0 << none << false << std::optional(10.0) << u"Bearing 10.0° true"_s;
        QTest::newRow("200 - 40, stale, light") << false << std::optional(200.0) << -40.0 << none << true
                                                << std::optional(160.0) << u"Last reported 160.0° true"_s;
        QTest::newRow("10 - 20, target 100, dark")
            << true << std::optional(10.0) << -20.0 << std::optional(100.0) << false << std::optional(350.0)
            << u"Bearing 350.0° true · target in orange"_s;
        QTest::newRow("NaN heading, target 45, light")
            << false << std::optional(std::numeric_limits<double>::quiet_NaN()) << 20.0 << std::optional(45.0) << false
            << none << QString();
    }
    void needles_lieAlongTrueBearings()
    {
        QFETCH(bool, dark);
        QFETCH(std::optional<double>, heading);
        QFETCH(double, offset);
        QFETCH(std::optional<double>, target);
        QFETCH(bool, stale);
        QFETCH(std::optional<double>, bearing);
        QFETCH(QString, caption);

        MemorySettingsStore defaults;
        LocalMaps maps(defaults);
        const QPalette palette = testPalette(dark);
        RotorMapCompass compass(*maps.loader, u"Rotor 1"_s);
        compass.setPalette(palette);
        compass.setLocation(tower(u"127.0.0.1:4001"_s, u"Rotor 1"_s, offset));
        compass.setHeading(heading);
        compass.setTarget(target);
        compass.setStale(stale);
        compass.show();
        QVERIFY(QTest::qWaitForWindowExposed(&compass));

        QCOMPARE(ViewTest::byName<QLabel>(&compass, u"True bearing of Rotor 1"_s)->text(), caption);
        QWidget* dial = compass.findChild<BeamOverlay*>()->parentWidget();
        const QImage image = dial->grab().toImage();
        const QPointF centre(RotorMapCompass::mapSize / 2.0, RotorMapCompass::mapSize / 2.0);
        const QColor needle = stale ? StationColors::secondary(palette) : StationColors::teal(palette);
        const QColor orange = StationColors::orange(palette);
        const QString saved = QDir::temp().filePath(u"tst_rotormapcompass_failure.png"_s);
        const auto check = [&](bool expected, QPointF at, const QColor& color, const char* what) {
            if (nearAround(image, at, color) != expected) {
                image.save(saved);
            }
            QVERIFY2(nearAround(image, at, color) == expected,
                     qPrintable(QString::fromLatin1(what) + u"; image in "_s + saved));
        };
        // Well inside the 67-point needles, and on the far side where only the long-path line is.
        const double trueTarget = target ? std::fmod(*target + offset + 360.0, 360.0) : 0.0;
        if (bearing) {
            check(true, toward(centre, *bearing, 45), needle, "heading needle missing");
            check(false, toward(centre, *bearing + 180, 45), needle, "heading needle drawn backwards");
        } else {
            check(false, toward(centre, 20 + offset, 45), needle, "needle drawn without a bearing");
        }
        if (target) {
            check(true, toward(centre, trueTarget, 45), orange, "target needle missing");
        } else if (bearing) {
            check(false, toward(centre, *bearing + 90, 45), orange, "target needle without a target");
        }
    }

    void failingTiles_addOrangeCaptionAndKeepTheBearing()
    {
        MemorySettingsStore defaults;
        LocalMaps maps(defaults);
        RotorMapCompass compass(*maps.loader, u"Rotor 1"_s);
        compass.setLocation(tower(u"127.0.0.1:4001"_s, u"Rotor 1"_s, 0));
        compass.setHeading(90.0);
        compass.setStale(false);
        compass.show();
        QVERIFY(QTest::qWaitForWindowExposed(&compass));

        QTRY_COMPARE(compass.mapError(), std::optional(TowerMap::loadErrorMessage()));
        const QLabel* error = ViewTest::labelWithText(&compass, TowerMap::loadErrorMessage());
        QVERIFY(error && error->isVisible());
        QCOMPARE(error->palette().color(QPalette::WindowText), StationColors::orange(compass.palette()));
        QCOMPARE(ViewTest::byName<QLabel>(&compass, u"True bearing of Rotor 1"_s)->text(), u"Bearing 90.0° true"_s);
        QVERIFY(!maps.tiles.requests().isEmpty());
    }

    void card_showsMapForPlacedTowerOrSiteAndDialOtherwise_data()
    {
        QTest::addColumn<bool>("placed");
        QTest::addColumn<bool>("site");
        QTest::addColumn<bool>("map");
        QTest::addColumn<bool>("satellite");
        QTest::addColumn<double>("span");
        QTest::newRow("placed tower") << true << false << true << false << 600.0;
        QTest::newRow("placed tower wins over the site") << true << true << true << false << 600.0;
        QTest::newRow("site only: satellite, 600 m") << false << true << true << true << 600.0;
        QTest::newRow("neither") << false << false << false << false << 0.0;
    }
    void card_showsMapForPlacedTowerOrSiteAndDialOtherwise()
    {
        QFETCH(bool, placed);
        QFETCH(bool, site);
        QFETCH(bool, map);
        QFETCH(bool, satellite);
        QFETCH(double, span);
        MapCardBench fixture(placed ? QList{tower({}, u"Rotor 1"_s, 20)} : QList<RotorLocation>{});
        if (site) {
            fixture.card->setSite({u"Reykjavík"_s, 64.15, -21.94});
        }
        CLIENT_TEST_CHECK(fixture.open());
        CLIENT_TEST_CHECK(fixture.report(350.0));

        auto* compass = fixture.card->findChild<RotorMapCompass*>();
        QCOMPARE(compass && compass->isVisible(), map);
        QCOMPARE(fixture.card->findChild<Compass*>()->isVisible(), !map);
        QVERIFY(ViewTest::labelWithText(fixture.card, map ? u"CONTROLLER HEADING"_s : u"CURRENT HEADING"_s));
        // The card's heading stays in controller degrees; only the map adds the offset.
        QVERIFY(ViewTest::labelWithText(fixture.card, u"350.0°"_s));
        if (map) {
            QCOMPARE(compass->location().satellite, satellite);
            QCOMPARE(compass->location().spanMeters, span);
            QCOMPARE(ViewTest::byName<QLabel>(compass, u"True bearing of Rotor 1"_s)->text(),
                     placed ? u"Bearing 10.0° true"_s : u"Bearing 350.0° true"_s);
        }
    }

    void world_showsTheBeamAtTheTrueBearingInPlaceOfTheMap()
    {
        MapCardBench fixture({tower({}, u"Rotor 1"_s, 20)});
        CLIENT_TEST_CHECK(fixture.open());
        CLIENT_TEST_CHECK(fixture.report(100.0));
        auto* compass = fixture.card->findChild<RotorMapCompass*>();
        QVERIFY(compass && !compass->worldMap());

        click(fixture.card, u"World map for Rotor 1"_s);
        WorldMap* world = compass->worldMap();
        QVERIFY(world && world->isVisible());
        QVERIFY(!fixture.card->findChild<TowerMap*>()->isVisible());
        QVERIFY(!ViewTest::byName<QAbstractButton>(fixture.card, u"Zoom in for Rotor 1"_s)->isEnabled());
        QTRY_VERIFY(!world->landPending());
        QCOMPARE(world->centre()->latitude, 64.1466);
        QCOMPARE(world->rotors().size(), 1);
        QCOMPARE(world->rotors().first().heading.value(), 120.0);
        const QImage image = world->grab().toImage();
        const QPointF centre = world->mapCircle().center();
        const double radius = world->mapCircle().width() / 2.0;
        const QColor teal = StationColors::teal(world->palette());
        if (!nearAround(image, toward(centre, 120.0, radius * 0.5), teal) ||
            nearAround(image, toward(centre, 300.0, radius * 0.5), teal)) {
            image.save(QDir::temp().filePath(u"tst_rotormapcompass-world.png"_s));
            QFAIL("the world map's beam is not along 120° true");
        }

        // Kept with the tower location: a card made from it opens on the world.
        QTRY_VERIFY(stored(fixture.bench.defaults).value(0).world);
        {
            MapCardBench again(stored(fixture.bench.defaults));
            auto* reopened = again.card->findChild<RotorMapCompass*>();
            QVERIFY(reopened && reopened->worldMap() && reopened->worldMap()->isVisibleTo(again.card));
        }

        click(fixture.card, u"World map for Rotor 1"_s);
        QVERIFY(!world->isVisible());
        QVERIFY(fixture.card->findChild<TowerMap*>()->isVisible());
        QTRY_VERIFY(!stored(fixture.bench.defaults).value(0).world);
    }

    void zoomAndStyle_areStoredAndStopAtTheBounds()
    {
        MapCardBench fixture({tower({}, u"Rotor 1"_s, 0, 6000)});
        auto* zoomOut = ViewTest::byName<QAbstractButton>(fixture.card, u"Zoom out for Rotor 1"_s);
        auto* zoomIn = ViewTest::byName<QAbstractButton>(fixture.card, u"Zoom in for Rotor 1"_s);
        QVERIFY(zoomOut && zoomIn);

        click(fixture.card, u"Zoom out for Rotor 1"_s);
        QCOMPARE(stored(fixture.bench.defaults).value(0).spanMeters, 10000.0);
        QVERIFY(!zoomOut->isEnabled());
        QVERIFY2(zoomOut->toolTip().contains(u"widest"_s), qPrintable(zoomOut->toolTip()));
        click(fixture.card, u"Zoom out for Rotor 1"_s);
        QCOMPARE(stored(fixture.bench.defaults).value(0).spanMeters, 10000.0);

        // 10000 → 5000 → ... → 156.25 → 100, and no further.
        for (int i = 0; i < 7; ++i) {
            click(fixture.card, u"Zoom in for Rotor 1"_s);
        }
        QCOMPARE(stored(fixture.bench.defaults).value(0).spanMeters, 100.0);
        QVERIFY(!zoomIn->isEnabled());
        QVERIFY2(zoomIn->toolTip().contains(u"closest"_s), qPrintable(zoomIn->toolTip()));
        QVERIFY(zoomOut->isEnabled());

        click(fixture.card, u"Change map style for Rotor 1"_s);
        QVERIFY(stored(fixture.bench.defaults).value(0).satellite);
        QCOMPARE(ViewTest::byName<QAbstractButton>(fixture.card, u"Change map style for Rotor 1"_s)->text(), u"Map"_s);
        QCOMPARE(stored(fixture.bench.defaults).size(), 1);
    }

    void removeLocation_deletesOnlyThisRotorsTowerAndBringsBackTheDial()
    {
        MapCardBench fixture({});
        const RotorLocation mine = tower(fixture.endpoint, u"Rotor 1"_s, 20);
        const RotorLocation other = tower(fixture.endpoint, u"Rotor 2"_s, 5);
        fixture.bench.defaults.setText(SettingsKeys::rotorLocations, RotorLocation::encode({other, mine}).value());
        fixture.card->reloadLocation();
        QVERIFY(fixture.card->findChild<RotorMapCompass*>()->isVisible());

        click(fixture.card, u"Set tower location…"_s);
        auto* editor = qobject_cast<RotorLocationEditor*>(QApplication::activeModalWidget());
        QVERIFY(editor);
        QCOMPARE(editor->windowTitle(), u"Location for Rotor 1"_s);
        QCOMPARE(ViewTest::byName<QLineEdit>(editor, u"Tower latitude"_s)->text(), u"64.146600"_s);
        QCOMPARE(ViewTest::byName<QLineEdit>(editor, u"True-north offset (°)"_s)->text(), u"20"_s);
        click(editor, u"Remove location"_s);

        QCOMPARE(stored(fixture.bench.defaults), QList{other});
        QTRY_VERIFY(!QApplication::activeModalWidget());
        QVERIFY(!fixture.card->location());
        QVERIFY(!fixture.card->findChild<RotorMapCompass*>()->isVisible());
        QVERIFY(fixture.card->findChild<Compass*>()->isVisible());
        // No request went out: an existing location needs no search.
        QCOMPARE(fixture.maps.geocoder.requests().size(), 0);
    }

    void arrivingAndStaleHeadings_moveNothing()
    {
        MapCardBench fixture({tower({}, u"Rotor 1"_s, 20)});
        const QList<QWidget*> watched{ViewTest::byName(fixture.card, u"Change map style for Rotor 1"_s),
                                      ViewTest::byName(fixture.card, u"Set tower location…"_s),
                                      ViewTest::byName(fixture.card, u"Target heading for Rotor 1"_s)};
        const auto places = [&] {
            QList<QRect> rects;
            for (QWidget* widget : watched) {
                rects.append(QRect(widget->mapTo(fixture.card, QPoint(0, 0)), widget->size()));
            }
            return rects;
        };
        QApplication::processEvents();
        const QList<QRect> before = places();
        auto* caption = ViewTest::byName<QLabel>(fixture.card, u"True bearing of Rotor 1"_s);
        QCOMPARE(caption->text(), QString());

        CLIENT_TEST_CHECK(fixture.open());
        CLIENT_TEST_CHECK(fixture.report(123.4));
        QTRY_COMPARE(caption->text(), u"Bearing 143.4° true"_s);
        QApplication::processEvents();
        QCOMPARE(places(), before);

        fixture.bench.clock.advance(9.0);
        fixture.bench.client->tick();
        QTRY_COMPARE(caption->text(), u"Last reported 143.4° true"_s);
        QApplication::processEvents();
        QCOMPARE(places(), before);
    }

    void everyControl_hasAnAccessibleName()
    {
        MapCardBench fixture({tower({}, u"Rotor 1"_s, 20)});
        QCOMPARE(ViewTest::unnamedControls(fixture.card), QStringList());
        click(fixture.card, u"Set tower location…"_s);
        QVERIFY(QApplication::activeModalWidget());
        QCOMPARE(ViewTest::unnamedControls(QApplication::activeModalWidget()), QStringList());
    }
};

QTEST_MAIN(TestRotorMapCompass)
#include "tst_rotormapcompass.moc"

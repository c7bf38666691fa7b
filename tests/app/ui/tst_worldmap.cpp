#include "app/map/Maidenhead.h"
#include "app/ui/map/WorldMap.h"
#include "app/ui/style/StationColors.h"
#include "tests/app/ui/PixelTestSupport.h"
#include "tests/support/ManualClock.h"

#include <QApplication>
#include <QDir>
#include <QSignalSpy>
#include <QStyleFactory>
#include <QTest>

#include <GeographicLib/Geodesic.hpp>
#include <cmath>

using namespace Qt::Literals::StringLiterals;
using namespace PixelTest;

Q_DECLARE_METATYPE(WorldMap::Reach)

namespace {

const GeoPoint vienna{48.2, 16.4};
// Spring equinox, noon at Greenwich: Europe, Africa and the Atlantic in daylight.
const Instant equinoxNoon = Instant::fromDateTime(QDateTime(QDate(2025, 3, 20), QTime(12, 0), Qt::UTC));

GeoPoint direct(GeoPoint from, double bearing, double metres)
{
    GeoPoint to;
    GeographicLib::Geodesic::WGS84().Direct(from.latitude, from.longitude, bearing, metres, to.latitude, to.longitude);
    return to;
}

double geodesicDistance(GeoPoint a, GeoPoint b)
{
    double metres = 0.0;
    GeographicLib::Geodesic::WGS84().Inverse(a.latitude, a.longitude, b.latitude, b.longitude, metres);
    return metres;
}

// A shown 500 × 500 map of the world round `centre` at the equinox noon.
struct MapBench {
    ManualClock clock{equinoxNoon};
    WorldMap map{clock};

    explicit MapBench(GeoPoint centre, bool dark = false)
    {
        map.setPalette(testPalette(dark));
        map.setCentre(centre);
        // The land is projected on a worker; pictures are taken once it is in.
        if (!QTest::qWaitFor([this] { return !map.landPending(); }, 10000)) {
            qWarning("the land was not projected in time");
        }
        map.resize(500, 500);
        map.show();
    }
    QImage image() { return map.grab().toImage(); }
    QColor at(const QImage& image, QPointF logical) const
    {
        return image.pixelColor((logical * image.devicePixelRatio()).toPoint());
    }
};

void verifyOrSave(bool condition, const QImage& image, const QString& what)
{
    const QString saved = QDir::temp().filePath(u"tst_worldmap_failure.png"_s);
    if (!condition) {
        image.save(saved);
    }
    QVERIFY2(condition, qPrintable(what + u"; image in "_s + saved));
}

} // namespace

// The world map drawn offscreen: where places land, the land and night, the beams and the
// "Point at" station, and what the pointer reports.
class TestWorldMap final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QApplication::setStyle(QStyleFactory::create(u"Fusion"_s));
        QVERIFY2(WorldMap::land(), qPrintable(WorldMap::landError().value_or(QString())));
    }

    void places_fallAtTheirBearingAndDistance_data()
    {
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitude");
        QTest::addColumn<double>("bearing");
        QTest::addColumn<double>("kilometres");
        QTest::addColumn<WorldMap::Reach>("reach");
        QTest::newRow("Europe to the east") << 48.2 << 16.4 << 90.0 << 3000.0 << WorldMap::Reach::world;
        QTest::newRow("zoomed to 5,000 km") << 48.2 << 16.4 << 300.0 << 4500.0 << WorldMap::Reach::km5000;
        QTest::newRow("zoomed to 10,000 km") << -33.9 << 151.2 << 10.0 << 9000.0 << WorldMap::Reach::km10000;
        QTest::newRow("east over the antimeridian") << 60.0 << 179.0 << 90.0 << 2000.0 << WorldMap::Reach::world;
        QTest::newRow("west over the antimeridian") << 60.0 << -179.0 << 270.0 << 2000.0 << WorldMap::Reach::world;
        QTest::newRow("over the north pole") << 89.5 << 0.0 << 0.0 << 1500.0 << WorldMap::Reach::world;
        QTest::newRow("near the south pole") << -88.0 << 100.0 << 200.0 << 4000.0 << WorldMap::Reach::world;
        QTest::newRow("close to the antipode") << 10.0 << -150.0 << 45.0 << 19000.0 << WorldMap::Reach::world;
    }
    void places_fallAtTheirBearingAndDistance()
    {
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        QFETCH(double, bearing);
        QFETCH(double, kilometres);
        QFETCH(WorldMap::Reach, reach);
        MapBench bench({latitude, longitude});
        bench.map.setReach(reach);
        const std::optional<QPointF> pixel =
            bench.map.pixelAt(direct({latitude, longitude}, bearing, kilometres * 1e3));
        QVERIFY(pixel);
        const QRectF circle = bench.map.mapCircle();
        const QPointF offset = *pixel - circle.center();
        const double angle = std::atan2(offset.x(), -offset.y()) * 180.0 / std::numbers::pi;
        const double radius = std::hypot(offset.x(), offset.y());
        const double expected = kilometres * 1e3 / bench.map.reachMetres() * circle.width() / 2.0;
        QVERIFY2(std::abs(std::remainder(angle - bearing, 360.0)) < 0.1, qPrintable(QString::number(angle)));
        QVERIFY2(std::abs(radius - expected) < expected * 0.005, qPrintable(QString::number(radius)));
    }

    void landAndNight_areDrawnWhereTheyAre_data()
    {
        QTest::addColumn<bool>("dark");
        QTest::newRow("light") << false;
        QTest::newRow("dark") << true;
    }
    void landAndNight_areDrawnWhereTheyAre()
    {
        QFETCH(bool, dark);
        MapBench bench(vienna, dark);
        const QImage image = bench.image();
        const QPalette palette = testPalette(dark);
        const QColor land = WorldMap::landColor(palette);
        const QColor ocean = WorldMap::oceanColor(palette);
        const auto colourAt = [&](GeoPoint place) { return bench.at(image, *bench.map.pixelAt(place)); };
        // Southern Russia, and the Atlantic west of the Azores, both in the morning sun.
        verifyOrSave(near(colourAt({50.0, 40.0}), land, 6), image, u"no land in Russia"_s);
        verifyOrSave(near(colourAt({40.0, -35.0}), ocean, 6), image, u"no ocean in the Atlantic"_s);
        verifyOrSave(!near(colourAt({40.0, -35.0}), land, 12), image, u"land in the Atlantic"_s);
        // The Pacific at midnight is shaded.
        const QColor night = colourAt({0.0, -170.0});
        verifyOrSave(!near(night, ocean, 6) && night.lightness() < ocean.lightness(), image,
                     u"no night over the Pacific"_s);
    }

    void beams_areCentredOnTheHeadings_data()
    {
        QTest::addColumn<bool>("dark");
        QTest::addColumn<double>("heading");
        QTest::addColumn<double>("beamwidth");
        QTest::addColumn<bool>("stale");
        QTest::newRow("light, north-east") << false << 70.0 << 60.0 << false;
        QTest::newRow("dark, across north") << true << 350.0 << 60.0 << false;
        QTest::newRow("narrow, stale") << false << 200.0 << 30.0 << true;
        QTest::newRow("two-way") << false << 40.0 << 50.0 << false;
    }
    void beams_areCentredOnTheHeadings()
    {
        QFETCH(bool, dark);
        QFETCH(double, heading);
        QFETCH(double, beamwidth);
        QFETCH(bool, stale);
        MapBench bench(vienna, dark);
        const QImage plain = bench.image();
        const QColor colour(0xd0, 0x20, 0xd0);
        const double target = heading + 150.0;
        const bool twoWay = QByteArray(QTest::currentDataTag()) == "two-way";
        bench.map.setRotors({{u"<b>Tower</b> & 40m"_s, colour, heading, target, beamwidth, stale, twoWay},
                             {u"Other"_s, QColor(0x20, 0xa0, 0x20), std::nullopt, std::nullopt, 60.0, false}});
        const QImage image = bench.image();
        const QRectF circle = bench.map.mapCircle();
        const double r = circle.width() / 2.0;
        const QPointF centre = circle.center();
        const QColor axis = stale ? StationColors::secondary(testPalette(dark)) : colour;
        verifyOrSave(nearAround(image, toward(centre, heading, r * 0.5), axis), image, u"no beam axis"_s);
        verifyOrSave(nearAround(image, toward(centre, target, r * 0.5), StationColors::orange(testPalette(dark))),
                     image, u"no target needle"_s);
        for (const double side : {-1.0, 1.0}) {
            const QPointF inside = toward(centre, heading + side * (beamwidth / 2.0 - 6.0), r * 0.4);
            const QPointF outside = toward(centre, heading + side * (beamwidth / 2.0 + 6.0), r * 0.4);
            verifyOrSave(!near(bench.at(image, inside), bench.at(plain, inside), 6), image, u"wedge too narrow"_s);
            verifyOrSave(near(bench.at(image, outside), bench.at(plain, outside), 2), image, u"wedge too wide"_s);
        }
        // The back lobe of an antenna radiating both ways, and none for a one-way beam.
        const QPointF back = toward(centre, heading + 180.0 + beamwidth / 2.0 - 6.0, r * 0.4);
        verifyOrSave(near(bench.at(image, back), bench.at(plain, back), 2) != twoWay, image, u"back lobe"_s);
    }

    void pointAt_drawsTheStationAndItsShortPath()
    {
        MapBench bench(vienna);
        const GeoPoint sydney{-33.9, 151.2};
        bench.map.setPointAt(sydney);
        const QImage image = bench.image();
        double metres = 0.0;
        double bearing = 0.0;
        double unused = 0.0;
        GeographicLib::Geodesic::WGS84().Inverse(vienna.latitude, vienna.longitude, sydney.latitude, sydney.longitude,
                                                 metres, bearing, unused);
        const QRectF circle = bench.map.mapCircle();
        const double scale = circle.width() / 2.0 / bench.map.reachMetres();
        const QColor orange = StationColors::orange(testPalette(false));
        verifyOrSave(nearAround(image, toward(circle.center(), bearing, metres * scale), orange), image,
                     u"no station marker"_s);
        verifyOrSave(nearAround(image, toward(circle.center(), bearing, metres * scale / 2.0), orange), image,
                     u"no short path"_s);
    }

    void pointer_reportsThePlaceAndAClickChoosesIt()
    {
        MapBench bench(vienna);
        bench.map.setReach(WorldMap::Reach::km5000);
        QVERIFY(QTest::qWaitForWindowExposed(&bench.map));
        QSignalSpy chosen(&bench.map, &WorldMap::pointChosen);
        QSignalSpy moved(&bench.map, &WorldMap::pointerMoved);
        const GeoPoint reykjavik{64.15, -21.94};
        const QPoint pixel = bench.map.pixelAt(reykjavik)->toPoint();
        const double metresPerPixel = bench.map.reachMetres() / (bench.map.mapCircle().width() / 2.0);

        QTest::mouseMove(&bench.map, pixel);
        QTRY_VERIFY(!moved.isEmpty());
        const double expected = geodesicDistance(vienna, reykjavik);
        QVERIFY(std::abs(moved.last().at(1).toDouble() - expected) < 2.0 * metresPerPixel);
        QCOMPARE(moved.last().at(2).toString().left(4),
                 Maidenhead::locator(reykjavik.latitude, reykjavik.longitude, 4));

        QTest::mouseClick(&bench.map, Qt::LeftButton, {}, pixel);
        QCOMPARE(chosen.size(), 1);
        const GeoPoint place{chosen.last().at(0).toDouble(), chosen.last().at(1).toDouble()};
        QVERIFY2(geodesicDistance(place, reykjavik) < 2.0 * metresPerPixel,
                 qPrintable(QString::number(geodesicDistance(place, reykjavik))));

        // Outside the round map, and a drag, choose nothing.
        QTest::mouseClick(&bench.map, Qt::LeftButton, {}, QPoint(3, 3));
        QTest::mousePress(&bench.map, Qt::LeftButton, {}, pixel);
        QTest::mouseRelease(&bench.map, Qt::LeftButton, {}, pixel + QPoint(30, 0));
        QCOMPARE(chosen.size(), 1);
    }

    void refresh_movesTheNightWithTheClock()
    {
        MapBench bench(vienna);
        const GeoPoint russia{50.0, 40.0};
        const QColor land = WorldMap::landColor(testPalette(false));
        QImage image = bench.image();
        verifyOrSave(near(bench.at(image, *bench.map.pixelAt(russia)), land, 6), image, u"Russia dark at noon"_s);
        const GeoPoint before = bench.map.subsolarPoint();
        bench.clock.advance(6 * 3600.0);
        bench.map.refreshSun();
        // Six hours later the Sun stands a quarter of the way round further west, and night has
        // fallen east of Vienna.
        QVERIFY(std::abs(std::remainder(before.longitude - bench.map.subsolarPoint().longitude, 360.0) - 90.0) < 0.1);
        image = bench.image();
        const QColor evening = bench.at(image, *bench.map.pixelAt(russia));
        verifyOrSave(!near(evening, land, 6) && evening.lightness() < land.lightness(), image,
                     u"Russia lit at 18:00"_s);
    }
};

QTEST_MAIN(TestWorldMap)
#include "tst_worldmap.moc"

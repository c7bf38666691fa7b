#include "core/world/AzimuthalProjection.h"
#include "core/world/LandData.h"
#include "core/world/ProjectedLand.h"

#include <QFile>
#include <QTest>

#include <GeographicLib/Geodesic.hpp>
#include <cmath>
#include <numbers>

using namespace Qt::Literals::StringLiterals;

namespace {

double longestStep(const std::vector<AzimuthalProjection::Point>& points, bool closed)
{
    double longest = 0.0;
    for (std::size_t i = 0; i + (closed ? 0 : 1) < points.size(); ++i) {
        const auto& a = points[i];
        const auto& b = points[(i + 1) % points.size()];
        longest = std::max(longest, std::hypot(b.x - a.x, b.y - a.y));
    }
    return longest;
}

GeoPoint direct(GeoPoint from, double bearing, double metres)
{
    GeoPoint to;
    GeographicLib::Geodesic::WGS84().Direct(from.latitude, from.longitude, bearing, metres, to.latitude, to.longitude);
    return to;
}

QByteArray landFile()
{
    QFile file(QStringLiteral(XALTO_LAND_FILE));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

// Outlines that pass the antipode, the long path, and the land file as the map reads it.
class TestWorldProjection final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void ringAroundTheAntipode_isSplitAndFollowsTheRim_data()
    {
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitude");
        QTest::addColumn<double>("crossing");
        QTest::newRow("mid latitudes") << 48.2 << 16.4 << 35.0;
        QTest::newRow("on the antimeridian") << -20.0 << 180.0 << 0.0;
        QTest::newRow("near the pole") << 88.5 << -40.0 << 120.0;
    }
    void ringAroundTheAntipode_isSplitAndFollowsTheRim()
    {
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        QFETCH(double, crossing);
        const AzimuthalProjection projection({latitude, longitude});
        const GeoPoint antipode{-latitude, longitude + 180.0};
        // A square 600 km across whose edge runs straight through the antipode.
        const GeoPoint mid = direct(antipode, crossing + 90.0, 300'000.0);
        const std::vector<GeoPoint> square{direct(antipode, crossing, 300'000.0), direct(mid, crossing, 300'000.0),
                                           direct(mid, crossing + 180.0, 300'000.0),
                                           direct(antipode, crossing + 180.0, 300'000.0)};
        const AzimuthalProjection::Ring ring = projection.projectRing(square);
        QVERIFY(ring.splits >= 1);
        QVERIFY2(longestStep(ring.points, true) <= projection.maximumStep() * 1.01,
                 qPrintable(QString::number(longestStep(ring.points, true))));
        // The same square beside the antipode stays whole, as small as it is.
        const GeoPoint aside = direct(antipode, crossing + 90.0, 2'000'000.0);
        const std::vector<GeoPoint> away{aside, direct(aside, crossing, 300'000.0),
                                         direct(aside, crossing + 90.0, 300'000.0)};
        const AzimuthalProjection::Ring whole = projection.projectRing(away);
        QCOMPARE(whole.splits, 0);
        QVERIFY(!whole.holdsAntipode);
    }

    void ringHoldingTheAntipode_fillsOutToTheRim()
    {
        const AzimuthalProjection projection({10.0, -150.0});
        const GeoPoint antipode{-10.0, 30.0};
        std::vector<GeoPoint> circle;
        for (int bearing = 0; bearing < 360; bearing += 5) {
            circle.push_back(direct(antipode, bearing, 1'500'000.0));
        }
        const AzimuthalProjection::Ring ring = projection.projectRing(circle);
        QCOMPARE(ring.splits, 0);
        QVERIFY(ring.holdsAntipode);
        // Walked the other way round it is the same place.
        std::reverse(circle.begin(), circle.end());
        QVERIFY(projection.projectRing(circle).holdsAntipode);
    }

    void longPath_leavesTheOtherWayAndComesBackToTheStation()
    {
        const GeoPoint tower{52.5, 13.4};
        const AzimuthalProjection projection(tower);
        const GeoPoint station{-33.9, 151.2};
        double distance = 0.0;
        double bearing = 0.0;
        double unused = 0.0;
        GeographicLib::Geodesic::WGS84().Inverse(tower.latitude, tower.longitude, station.latitude, station.longitude,
                                                 distance, bearing, unused);
        const AzimuthalProjection::Path longPath = projection.path(station, true);
        const auto& parts = longPath.parts;
        QVERIFY(longPath.length > 2.0 * projection.rimDistance() - distance - 300'000.0);
        // Out to the rim the other way, round the rim near the antipode, and in to the station.
        QVERIFY(std::abs(std::remainder(AzimuthalProjection::bearing(parts.front()[1]) - (bearing + 180.0), 360.0)) <
                1.0);
        for (const auto& part : parts) {
            QVERIFY(longestStep(part, false) <= projection.maximumStep() * 1.01);
        }
        const AzimuthalProjection::Point end = parts.back().back();
        const AzimuthalProjection::Point expected = projection.project(station);
        QVERIFY(std::hypot(end.x - expected.x, end.y - expected.y) < 1.0);
        // The short way is the straight line the beam's axis is drawn along.
        const AzimuthalProjection::Path shortPath = projection.path(station, false);
        QCOMPARE(shortPath.parts.size(), std::size_t(1));
        for (const auto& point : shortPath.parts.front()) {
            QVERIFY(std::abs(point.x * std::cos(bearing * std::numbers::pi / 180) -
                             point.y * std::sin(bearing * std::numbers::pi / 180)) < 2'000.0);
        }
    }

    void landFile_projectsWithoutChordsFromAnywhere()
    {
        const ProtocolResult<LandData> land = LandData::read(landFile());
        QVERIFY2(land.ok(), land.ok() ? "" : qPrintable(land.failure().description()));
        QVERIFY(land->ringCount() > 1000);
        // Pacific towers have the antipode in Africa; Auckland's falls near Spain.
        for (const GeoPoint centre : {GeoPoint{48.2, 16.4}, GeoPoint{0.0, -170.0}, GeoPoint{-36.85, 174.76}}) {
            const AzimuthalProjection projection(centre);
            const ProjectedLand projected(*land, projection);
            double longest = 0.0;
            for (std::size_t r = 0; r < projected.ringCount(); ++r) {
                const auto ring = projected.ring(r);
                for (std::size_t i = 0; i < ring.size(); ++i) {
                    const auto& a = ring[i];
                    const auto& b = ring[(i + 1) % ring.size()];
                    longest = std::max(longest, double(std::hypot(b.x - a.x, b.y - a.y)));
                }
            }
            QVERIFY2(longest <= projection.maximumStep() * 1.01, qPrintable(QString::number(longest)));
        }
    }

    void brokenLandFile_isRefusedWithAReason_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        const QByteArray good = landFile();
        QTest::newRow("empty") << QByteArray() << u"not a land outline file"_s;
        QTest::newRow("other magic") << QByteArray("PNG\0", 4) + good.mid(4) << u"not a land outline file"_s;
        QTest::newRow("truncated") << good.left(good.size() - 3) << u"length does not match"_s;
        QByteArray huge = good.left(16);
        huge[8] = char(0xff);
        huge[9] = char(0xff);
        huge[10] = char(0xff);
        QTest::newRow("claims too much") << huge << u"more outlines"_s;
        QByteArray tiny = good;
        tiny[16] = 2; // the first ring's count, now too short to be an outline
        tiny[17] = tiny[18] = tiny[19] = 0;
        QTest::newRow("ring of two points") << tiny << u"wrong number of points"_s;
        QByteArray offGlobe = good;
        offGlobe[20 + 7] = char(0x7f); // the first latitude, far past the pole
        QTest::newRow("off the globe") << offGlobe << u"leaves the globe"_s;
    }
    void brokenLandFile_isRefusedWithAReason()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        const ProtocolResult<LandData> land = LandData::read(bytes);
        QVERIFY(!land.ok());
        QVERIFY2(land.failure().description().contains(reason), qPrintable(land.failure().description()));
    }
};

QTEST_APPLESS_MAIN(TestWorldProjection)
#include "tst_WorldProjection.moc"

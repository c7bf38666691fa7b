#include "GeoTestFiles.h"
#include "core/geo/Beam.h"
#include "core/geo/CountryFile.h"
#include "core/geo/StationLookup.h"

#include <QTest>

#include <cmath>

using namespace Qt::Literals::StringLiterals;

// Headings and distances against reference values computed once with GeographicLib's separate
// Python implementation (python3-geographiclib 2.0): the short path from Geodesic.WGS84.Inverse,
// the long path by bisection along the backward geodesic to the target's meridian. Along the
// equator the long path is also three quarters of the equator, 40,075,016.686 m.
class TestBeam final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void between_matchesReferenceValues_data()
    {
        QTest::addColumn<double>("fromLatitude");
        QTest::addColumn<double>("fromLongitude");
        QTest::addColumn<double>("toLatitude");
        QTest::addColumn<double>("toLongitude");
        QTest::addColumn<double>("shortBearing");
        QTest::addColumn<double>("shortMeters");
        QTest::addColumn<double>("longBearing");
        QTest::addColumn<double>("longMeters");
        QTest::addColumn<bool>("nearAntipode");
        QTest::newRow("Berlin to Tokyo") << 52.520833 << 13.375 << 35.68 << 139.77 << 41.521661 << 8944062.608
                                         << 221.521661 << 31140859.095 << false;
        QTest::newRow("Tokyo to Berlin") << 35.68 << 139.77 << 52.520833 << 13.375 << 330.194679 << 8944062.608
                                         << 150.194679 << 31102375.283 << false;
        QTest::newRow("Newington to Sydney") << 41.7147 << -72.7272 << -33.87 << 151.21 << 268.428196 << 16100309.572
                                             << 88.428196 << 23963229.515 << false;
        QTest::newRow("along the equator")
            << 0.0 << 0.0 << 0.0 << 90.0 << 90.0 << 10018754.171 << 270.0 << 30056262.514 << false;
        QTest::newRow("along a meridian")
            << 10.0 << 20.0 << 60.0 << 20.0 << 0.0 << 5548217.986 << 180.0 << 34459644.931 << false;
        QTest::newRow("south to north across the date line")
            << -60.0 << -70.0 << 45.0 << 170.0 << 274.224825 << 15786844.418 << 94.224825 << 24272110.798 << false;
        QTest::newRow("near the antipode")
            << 52.5 << 13.4 << -51.5 << -166.0 << 342.915748 << 19886570.772 << 162.915748 << 20171895.623 << true;
    }
    void between_matchesReferenceValues()
    {
        QFETCH(double, fromLatitude);
        QFETCH(double, fromLongitude);
        QFETCH(double, toLatitude);
        QFETCH(double, toLongitude);
        QFETCH(double, shortBearing);
        QFETCH(double, shortMeters);
        QFETCH(double, longBearing);
        QFETCH(double, longMeters);
        QFETCH(bool, nearAntipode);
        const std::optional<Beam> beam = Beam::between(fromLatitude, fromLongitude, toLatitude, toLongitude);
        QVERIFY(beam);
        const auto near = [](double a, double b, double tolerance) {
            return std::abs(std::remainder(a - b, 360.0)) < tolerance;
        };
        QVERIFY2(near(beam->shortPath.bearing, shortBearing, 0.01),
                 qPrintable(QString::number(beam->shortPath.bearing)));
        QVERIFY2(near(beam->longPath.bearing, longBearing, 0.01), qPrintable(QString::number(beam->longPath.bearing)));
        QVERIFY2(std::abs(beam->shortPath.distanceMeters - shortMeters) < 1.0,
                 qPrintable(QString::number(beam->shortPath.distanceMeters, 'f', 3)));
        QVERIFY2(std::abs(beam->longPath.distanceMeters - longMeters) < 1.0,
                 qPrintable(QString::number(beam->longPath.distanceMeters, 'f', 3)));
        QCOMPARE(beam->nearAntipode, nearAntipode);
    }

    // The files count longitude westwards: read as east, Japan would lie in the Atlantic and a
    // European station would turn to about 320 degrees instead of about 40.
    void europeanStation_turnsNorthEastForJapan()
    {
        const ProtocolResult<CountryFile> countries = CountryFile::parse(smallCountryCsv());
        QVERIFY(countries.ok());
        const ProtocolResult<ResolvedPlace> tokyo = StationLookup::resolve(u"JA1ABC"_s, &*countries);
        QVERIFY(tokyo.ok());
        const std::optional<Beam> beam = Beam::between(52.520833, 13.375, tokyo->latitude, tokyo->longitude);
        QVERIFY(beam);
        QVERIFY2(beam->shortPath.bearing > 35 && beam->shortPath.bearing < 45,
                 qPrintable(QString::number(beam->shortPath.bearing)));
    }

    void between_refusesImpossiblePositions()
    {
        QVERIFY(!Beam::between(std::nan(""), 0, 10, 10));
        QVERIFY(!Beam::between(0, 0, 91, 10));
        QVERIFY(!Beam::between(0, 0, 10, HUGE_VAL));
    }

    // The inverse of RotorLocation::trueBearing: heading plus offset is the true bearing.
    void controllerHeading_removesTheNorthOffset_data()
    {
        QTest::addColumn<double>("trueBearing");
        QTest::addColumn<double>("northOffset");
        QTest::addColumn<double>("heading");
        QTest::newRow("no offset") << 41.5 << 0.0 << 41.5;
        QTest::newRow("positive offset") << 41.5 << 10.0 << 31.5;
        QTest::newRow("wraps below north") << 5.0 << 10.0 << 355.0;
        QTest::newRow("negative offset wraps past north") << 350.0 << -20.0 << 10.0;
    }
    void controllerHeading_removesTheNorthOffset()
    {
        QFETCH(double, trueBearing);
        QFETCH(double, northOffset);
        QFETCH(double, heading);
        const std::optional<double> result = Beam::controllerHeading(trueBearing, northOffset);
        QVERIFY(result);
        QVERIFY2(std::abs(*result - heading) < 1e-9, qPrintable(QString::number(*result)));
        QVERIFY(!Beam::controllerHeading(std::nan(""), 0));
    }
};

QTEST_APPLESS_MAIN(TestBeam)
#include "tst_beam.moc"

#include "core/world/Sun.h"

#include <QTest>

#include <cmath>

namespace {

Instant utc(int year, int month, int day, int hour, int minute)
{
    return Instant::fromDateTime(QDateTime(QDate(year, month, day), QTime(hour, minute), Qt::UTC));
}

} // namespace

// The grey line against the equinox and the solstice.
class TestSun final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void equinoxAtGreenwichNoon_terminatorRunsThroughThePolesAtNinetyDegrees()
    {
        // 2025-03-20, equinox at 09:01 UTC; apparent noon at Greenwich 12:07 UTC.
        const GeoPoint sun = Sun::subsolarPoint(utc(2025, 3, 20, 12, 7));
        QVERIFY2(std::abs(sun.latitude) < 0.1, qPrintable(QString::number(sun.latitude)));
        QVERIFY2(std::abs(sun.longitude) < 0.1, qPrintable(QString::number(sun.longitude)));
        for (const double side : {90.0, -90.0}) {
            QVERIFY(!Sun::isNight(sun, {0.0, side * (1.0 - 0.5 / 90.0)}));
            QVERIFY(Sun::isNight(sun, {0.0, side * (1.0 + 0.5 / 90.0)}));
        }
        QVERIFY(std::abs(Sun::altitude(sun, {90.0, 0.0})) < 0.5);
        QVERIFY(std::abs(Sun::altitude(sun, {-90.0, 0.0})) < 0.5);
        // The drawn terminator is on the boundary, and crosses the equator at 90° east and west.
        int crossings = 0;
        for (const GeoPoint& point : Sun::terminator(sun, 360)) {
            QVERIFY(std::abs(Sun::altitude(sun, point)) < 1e-6);
            if (std::abs(point.latitude) < 0.5) {
                ++crossings;
                QVERIFY2(std::abs(std::abs(point.longitude) - 90.0) < 0.5,
                         qPrintable(QString::number(point.longitude)));
            }
        }
        QCOMPARE(crossings, 2);
    }

    void solstice_polarCirclesAreLitAndDarkAllDay_data()
    {
        QTest::addColumn<int>("month");
        QTest::addColumn<double>("lit");
        QTest::newRow("June") << 6 << 1.0;
        QTest::newRow("December") << 12 << -1.0;
    }
    void solstice_polarCirclesAreLitAndDarkAllDay()
    {
        QFETCH(int, month);
        QFETCH(double, lit);
        constexpr double polarCircle = 66.56;
        for (int hour = 0; hour < 24; hour += 3) {
            const GeoPoint sun = Sun::subsolarPoint(utc(2025, month, 21, hour, 0));
            QVERIFY2(std::abs(sun.latitude - lit * 23.44) < 0.05, qPrintable(QString::number(sun.latitude)));
            for (int longitude = -180; longitude < 180; longitude += 5) {
                QVERIFY(!Sun::isNight(sun, {lit * (polarCircle + 0.5), double(longitude)}));
                QVERIFY(Sun::isNight(sun, {-lit * (polarCircle + 0.5), double(longitude)}));
            }
            // Half a degree inside the circle the midnight Sun dips below the horizon.
            const GeoPoint midnight{lit * (polarCircle - 0.5), sun.longitude + 180.0};
            QVERIFY(Sun::isNight(sun, midnight));
        }
    }
};

QTEST_APPLESS_MAIN(TestSun)
#include "tst_Sun.moc"

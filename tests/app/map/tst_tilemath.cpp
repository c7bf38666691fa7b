#include "app/map/TileMath.h"

#include <QTest>

#include <cmath>
#include <numbers>

// Known tile numbers and zoom choices of the standard Web-Mercator scheme.
class TestTileMath final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void tilePosition_matchesKnownTiles_data()
    {
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitude");
        QTest::addColumn<int>("zoom");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::newRow("London z10") << 51.5073 << -0.1276 << 10 << 511 << 340;
        QTest::newRow("London z0") << 51.5073 << -0.1276 << 0 << 0 << 0;
        QTest::newRow("Berlin z13") << 52.5200 << 13.4050 << 13 << 4401 << 2686;
        QTest::newRow("Sydney z12") << -33.8688 << 151.2093 << 12 << 3768 << 2457;
        QTest::newRow("date line west z5") << 0.0 << -180.0 << 5 << 0 << 16;
    }

    void tilePosition_matchesKnownTiles()
    {
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        QFETCH(int, zoom);
        QFETCH(int, x);
        QFETCH(int, y);
        const QPointF position = TileMath::tilePosition(latitude, longitude, zoom);
        QCOMPARE(static_cast<int>(std::floor(position.x())), x);
        QCOMPARE(static_cast<int>(std::floor(position.y())), y);
        // And back: the coordinate of that position is where we started.
        const QPointF back = TileMath::coordinate(position, zoom);
        QVERIFY(std::abs(back.x() - latitude) < 1e-9);
        QVERIFY(std::abs(back.y() - longitude) < 1e-9);
    }

    void zoom_fitsTheSpanToTheWidget_data()
    {
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("span");
        QTest::addColumn<double>("pixels");
        QTest::addColumn<int>("drawn");
        // 600 m across 208 px at the equator: 156543.03 * 208 / 600 = 54268 -> zf 15.73.
        QTest::newRow("equator 600 m, 208 px") << 0.0 << 600.0 << 208.0 << 16;
        // At 60 degrees north the map stretches the ground twice over: one level less.
        QTest::newRow("60N 600 m, 208 px") << 60.0 << 600.0 << 208.0 << 15;
        // The same map on a screen of twice the density draws the next level.
        QTest::newRow("60N 600 m, 416 device px") << 60.0 << 600.0 << 416.0 << 16;
        QTest::newRow("capped at the source's maximum") << 0.0 << 1.0 << 650.0 << 19;
        QTest::newRow("whole world") << 0.0 << 1e9 << 208.0 << 0;
    }

    void zoom_fitsTheSpanToTheWidget()
    {
        QFETCH(double, latitude);
        QFETCH(double, span);
        QFETCH(double, pixels);
        QFETCH(int, drawn);
        const double fractional = TileMath::fractionalZoom(latitude, span, pixels);
        const int level = TileMath::drawnZoom(fractional);
        QCOMPARE(level, drawn);
        // Drawn at that level and scale, the span covers exactly the pixels asked for.
        const double metresPerPixel = TileMath::equatorMetresPerPixel * std::cos(latitude * std::numbers::pi / 180.0) /
                                      std::ldexp(1.0, level) / TileMath::scale(fractional, level);
        if (level > 0 && level < TileMath::maximumZoom) {
            QVERIFY(std::abs(metresPerPixel * pixels - span) < span * 1e-9);
            QVERIFY(TileMath::scale(fractional, level) <= 1.0);
        }
    }
};

QTEST_APPLESS_MAIN(TestTileMath)
#include "tst_tilemath.moc"

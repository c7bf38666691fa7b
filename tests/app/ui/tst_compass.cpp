#include "app/ui/rotor/Compass.h"
#include "app/ui/rotor/RotorCard.h"
#include "app/ui/style/StationColors.h"
#include "tests/app/ui/PixelTestSupport.h"

#include <QApplication>
#include <QDir>
#include <QFontMetricsF>
#include <QImage>
#include <QStyleFactory>
#include <QTest>

#include <cmath>
#include <limits>
#include <numbers>
#include <optional>

using namespace Qt::Literals::StringLiterals;
using namespace PixelTest;

Q_DECLARE_METATYPE(std::optional<double>)

namespace {

// A point of the 220-point dial, `radius` points out from the centre toward `bearing`.
QPointF onDial(double bearing, double radius)
{
    return toward(QPointF(110.0, 110.0), bearing, radius);
}

QColor sample(const QImage& image, QPointF logical)
{
    return image.pixelColor((logical * image.devicePixelRatio()).toPoint());
}

} // namespace

// The heading dial drawn offscreen with the Fusion style in a light and a dark palette, sampled
// where the needle must or must not be. Also run at twice the scale.
class TestCompass final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QApplication::setStyle(QStyleFactory::create(u"Fusion"_s)); }

    void needle_pointsAtHeadingInItsColour_data()
    {
        QTest::addColumn<bool>("dark");
        QTest::addColumn<std::optional<double>>("heading");
        QTest::addColumn<bool>("stale");
        QTest::addColumn<bool>("drawn");
        // Where the needle points, or would point were it drawn.
        QTest::addColumn<double>("bearing");

        const double nan = std::numeric_limits<double>::quiet_NaN();
        QTest::newRow("90, live, light") << false << std::optional(90.0) << false << true << 90.0;
        QTest::newRow("225.5, live, dark") << true << std::optional(225.5) << false << true << 225.5;
        QTest::newRow("-360, light") << false << std::optional(-360.0) << false << true << 0.0;
        QTest::newRow("720, stale, dark") << true << std::optional(720.0) << true << true << 0.0;
        QTest::newRow("300, stale, light") << false << std::optional(300.0) << true << true << 300.0;
        QTest::newRow("800, dark") << true << std::optional(800.0) << false << false << 80.0;
        QTest::newRow("-361, light") << false << std::optional(-361.0) << false << false << 359.0;
        QTest::newRow("NaN, light") << false << std::optional(nan) << false << false << 0.0;
        QTest::newRow("no heading, dark") << true << std::optional<double>() << false << false << 0.0;
    }
    void needle_pointsAtHeadingInItsColour()
    {
        QFETCH(bool, dark);
        QFETCH(std::optional<double>, heading);
        QFETCH(bool, stale);
        QFETCH(bool, drawn);
        QFETCH(double, bearing);

        const QPalette palette = testPalette(dark);
        Compass compass;
        compass.setPalette(palette);
        compass.setAutoFillBackground(true);
        compass.resize(220, 220);
        compass.setHeading(heading);
        compass.setStale(stale);
        const QImage image = compass.grab().toImage();

        const QColor background = palette.color(QPalette::Window);
        const QColor needle = stale ? StationColors::secondary(palette) : StationColors::teal(palette);
        const auto check = [&](QPointF at, const QColor& expected) {
            const QColor seen = sample(image, at);
            const QString saved = QDir::temp().filePath(u"tst_compass_failure.png"_s);
            if (!near(seen, expected)) {
                image.save(saved);
            }
            QVERIFY2(near(seen, expected),
                     qPrintable(u"%1 where %2 belongs; image in "_s.arg(seen.name(), expected.name()) + saved));
        };
        // On the axis, 18 points short of the tip: well inside the arrow head.
        check(onDial(bearing, 50), drawn ? needle : background);
        check(onDial(bearing + 180, 50), background);
        if (!drawn) {
            check(QPointF(110, 110), background);
        }
    }

    void headingFont_digitsShareOneAdvance()
    {
        const QFontMetricsF metrics(RotorCard::headingFont());
        const double zero = metrics.horizontalAdvance(u'0');
        QVERIFY(zero > 0);
        for (char16_t digit = u'1'; digit <= u'9'; ++digit) {
            QCOMPARE(metrics.horizontalAdvance(QChar(digit)), zero);
        }
    }
};

QTEST_MAIN(TestCompass)
#include "tst_compass.moc"

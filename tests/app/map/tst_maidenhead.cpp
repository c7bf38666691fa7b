#include "app/map/Maidenhead.h"

#include <QTest>

#include <cmath>

using namespace Qt::Literals::StringLiterals;

// Grid locators against the centres of known squares, and the texts that are not locators
// (which the location editor then sends to the geocoder as addresses).
class TestMaidenhead final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void square_isCentredOnTheLocatorsSquare_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("locator");
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitude");
        QTest::newRow("square") << u"JO62"_s << u"JO62"_s << 52.5 << 13.0;
        QTest::newRow("subsquare, lower case field") << u"jo62QM"_s << u"JO62qm"_s << 52.520833 << 13.375;
        QTest::newRow("extended square, blanks around") << u"  FN31pr57 "_s << u"FN31pr57"_s << 41.739583 << -72.704167;
        QTest::newRow("south-west corner of the grid") << u"AA00aa00"_s << u"AA00aa00"_s << -89.997917 << -179.995833;
        QTest::newRow("north-east corner of the grid") << u"RR99xx99"_s << u"RR99xx99"_s << 89.997917 << 179.995833;
        QTest::newRow("southern hemisphere") << u"QF56od"_s << u"QF56od"_s << -33.8542 << 151.2083;
    }
    void square_isCentredOnTheLocatorsSquare()
    {
        QFETCH(QString, text);
        QFETCH(QString, locator);
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        const std::optional<Maidenhead::Square> square = Maidenhead::square(text);
        QVERIFY(square);
        QCOMPARE(square->locator, locator);
        QVERIFY2(std::abs(square->latitude - latitude) < 1e-4, qPrintable(QString::number(square->latitude, 'f', 6)));
        QVERIFY2(std::abs(square->longitude - longitude) < 1e-4,
                 qPrintable(QString::number(square->longitude, 'f', 6)));
        // And back: the map names the square under the pointer by its centre's locator.
        QCOMPARE(Maidenhead::locator(square->latitude, square->longitude, int(locator.size())), locator);
    }

    void locator_keepsTheEdgesOfTheGridInside()
    {
        QCOMPARE(Maidenhead::locator(90.0, 180.0), u"RR99xx"_s);
        QCOMPARE(Maidenhead::locator(-90.0, -180.0, 4), u"AA00"_s);
        // East of the antimeridian is the far west of the grid again.
        QCOMPARE(Maidenhead::locator(52.52, 193.375), u"AO62qm"_s);
    }

    void square_refusesTextThatIsNoLocator_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << QString();
        QTest::newRow("field only") << u"JO"_s;
        QTest::newRow("odd length") << u"JO62q"_s;
        QTest::newRow("field beyond R") << u"JS62"_s;
        QTest::newRow("subsquare beyond X") << u"JO62qy"_s;
        QTest::newRow("blank inside") << u"JO 6"_s;
        QTest::newRow("accented letter") << u"JÖ62"_s;
        QTest::newRow("a street address") << u"Main St 1"_s;
    }
    void square_refusesTextThatIsNoLocator()
    {
        QFETCH(QString, text);
        QVERIFY(!Maidenhead::square(text));
    }
};

QTEST_APPLESS_MAIN(TestMaidenhead)
#include "tst_maidenhead.moc"

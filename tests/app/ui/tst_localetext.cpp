#include "app/ui/style/DecimalSpinBox.h"
#include "app/ui/style/LocaleText.h"

#include <QLineEdit>
#include <QLocale>
#include <QTest>

#include <optional>

using namespace Qt::Literals::StringLiterals;

Q_DECLARE_METATYPE(std::optional<double>)

// Numbers as an operator reads and types them: the locale's separator shown, and both the
// locale's separator and "." taken, never a group separator that would turn 1.234 into 1234.
class TestLocaleText final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup()
    {
        QLocale::setDefault(QLocale::c());
        LocaleText::setDistanceUnit(LocaleText::DistanceUnit::kilometres);
    }

    void distance_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<bool>("miles");
        QTest::addColumn<double>("metres");
        QTest::addColumn<QString>("shown");
        QTest::newRow("en km") << u"en_US"_s << false << 1'234'567.0 << u"1,235 km"_s;
        QTest::newRow("en mi") << u"en_US"_s << true << 1'234'567.0 << u"767 mi"_s;
        QTest::newRow("de km") << u"de_DE"_s << false << 12'345'678.0 << u"12.346 km"_s;
        QTest::newRow("de mi") << u"de_DE"_s << true << 20'037'508.0 << u"12.451 mi"_s;
        QTest::newRow("short") << u"en_US"_s << false << 400.0 << u"0 km"_s;
    }

    void distance()
    {
        QFETCH(QString, locale);
        QFETCH(bool, miles);
        QFETCH(double, metres);
        QLocale::setDefault(QLocale(locale));
        LocaleText::setDistanceUnit(miles ? LocaleText::DistanceUnit::miles : LocaleText::DistanceUnit::kilometres);
        QTEST(LocaleText::distance(metres), "shown");
    }

    void localeUnit_followsMeasurementSystem()
    {
        QLocale::setDefault(QLocale(u"en_US"_s));
        QCOMPARE(LocaleText::localeDistanceUnit(), LocaleText::DistanceUnit::miles);
        QLocale::setDefault(QLocale(u"de_DE"_s));
        QCOMPARE(LocaleText::localeDistanceUnit(), LocaleText::DistanceUnit::kilometres);
    }

    void parse_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<std::optional<double>>("value");
        const QString de = u"de_DE"_s;
        const QString en = u"en_US"_s;
        QTest::newRow("de comma") << de << u"12,5"_s << std::optional(12.5);
        QTest::newRow("de point") << de << u"12.5"_s << std::optional(12.5);
        QTest::newRow("de point is never a group") << de << u"1.234"_s << std::optional(1.234);
        QTest::newRow("de spaces") << de << u" 270 "_s << std::optional(270.0);
        QTest::newRow("de typographic minus") << de << u"−3,5"_s << std::optional(-3.5);
        QTest::newRow("de both") << de << u"1.234,5"_s << std::optional<double>();
        QTest::newRow("de letters") << de << u"12,5°"_s << std::optional<double>();
        QTest::newRow("en point") << en << u"12.5"_s << std::optional(12.5);
        QTest::newRow("en comma is not decimal") << en << u"12,5"_s << std::optional<double>();
    }

    void parse()
    {
        QFETCH(QString, locale);
        QFETCH(QString, typed);
        QLocale::setDefault(QLocale(locale));
        QTEST(LocaleText::parse(typed), "value");
    }

    void shown_roundsAsTheWireDoes()
    {
        QLocale::setDefault(QLocale(u"de_DE"_s));
        // 90.25 is exact in binary: ties go to the even digit, as the TURN line writes it.
        QCOMPARE(LocaleText::degrees(90.25), u"90,2°"_s);
        QCOMPARE(LocaleText::number(-0.5, 1), u"-0,5"_s);
        QLocale::setDefault(QLocale(u"ja_JP"_s));
        QCOMPARE(LocaleText::degrees(359.95), u"359.9°"_s);
    }

    // A real box typed into: the German comma and the habitual point both give 12.5.
    void spinBox_takesBothSeparators_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("comma") << u"12,5"_s;
        QTest::newRow("point") << u"12.5"_s;
    }

    void spinBox_takesBothSeparators()
    {
        QFETCH(QString, typed);
        QLocale::setDefault(QLocale(u"de_DE"_s));
        DecimalSpinBox box;
        box.setRange(0, 360);
        box.setDecimals(1);
        box.show();
        box.findChild<QLineEdit*>()->selectAll();
        QTest::keyClicks(&box, typed);
        QTest::keyClick(&box, Qt::Key_Return);
        QCOMPARE(box.value(), 12.5);
        QCOMPARE(box.text(), u"12,5"_s);
    }
};

QTEST_MAIN(TestLocaleText)
#include "tst_localetext.moc"

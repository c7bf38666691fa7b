#include "GeoTestFiles.h"
#include "core/geo/CountryFile.h"
#include "core/geo/StationLookup.h"

#include <QTest>

#include <cmath>

using namespace Qt::Literals::StringLiterals;
using Source = ResolvedPlace::Source;

// What the operator types, placed: locators over prefixes, exact calls over prefixes, each
// portable form, call areas, and the texts that place nothing.
class TestStationLookup final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void resolve_placesTheText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("name");
        QTest::addColumn<Source>("source");
        QTest::addColumn<QString>("callArea");
        QTest::addColumn<int>("cqZone");
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitude");
        // Positions of call areas come from the program's own table; the others from the file.
        QTest::newRow("exact call over its prefix")
            << u"aa7di"_s << u"Hawaii"_s << Source::exactCall << QString() << 31 << 21.12 << -157.48;
        QTest::newRow("exact call over the /MM rule")
            << u"N2NL/MM"_s << u"United States"_s << Source::exactCall << QString() << 7 << 37.6 << -91.87;
        QTest::newRow("exact call with its own position")
            << u"VE3ZZZ"_s << u"Canada"_s << Source::exactCall << QString() << 5 << 47.5 << -52.75;
        QTest::newRow("exact call behind a portable suffix")
            << u"AA7DI/P"_s << u"Hawaii"_s << Source::exactCall << QString() << 31 << 21.12 << -157.48;
        QTest::newRow("prefix, east of Greenwich")
            << u"DL1ABC"_s << u"Fed. Rep. of Germany"_s << Source::prefix << QString() << 14 << 51.0 << 10.0;
        QTest::newRow("longest prefix with zone override")
            << u"R0AA"_s << u"Asiatic Russia"_s << Source::callArea << u"0"_s << 19 << 55.0 << 105.0;
        QTest::newRow("WAE area by longest prefix")
            << u"TA1XX"_s << u"European Turkey"_s << Source::prefix << QString() << 20 << 41.02 << 28.97;
        QTest::newRow("call area") << u"W1AW"_s << u"United States"_s << Source::callArea << u"1"_s << 5 << 43.5
                                   << -71.5;
        QTest::newRow("call area with its own prefix")
            << u"VO1AA"_s << u"Canada"_s << Source::callArea << u"VO1"_s << 5 << 48.5 << -55.5;
        QTest::newRow("bare prefix with a digit")
            << u"VE3"_s << u"Canada"_s << Source::callArea << u"3"_s << 5 << 45.0 << -79.5;
        QTest::newRow("bare prefix") << u"JA"_s << u"Japan"_s << Source::prefix << QString() << 25 << 36.4 << 138.38;
        QTest::newRow("/P keeps the country")
            << u"JA1XYZ/P"_s << u"Japan"_s << Source::callArea << u"1"_s << 25 << 35.9 << 139.7;
        QTest::newRow("/M keeps the country")
            << u"W6ABC/M"_s << u"United States"_s << Source::callArea << u"6"_s << 5 << 36.5 << -119.5;
        QTest::newRow("/QRP keeps the country")
            << u"K1ABC/QRP"_s << u"United States"_s << Source::callArea << u"1"_s << 5 << 43.5 << -71.5;
        QTest::newRow("/A keeps the country")
            << u"DL1ABC/A"_s << u"Fed. Rep. of Germany"_s << Source::prefix << QString() << 14 << 51.0 << 10.0;
        QTest::newRow("country prefix before the call")
            << u"VE3/W1AW"_s << u"Canada"_s << Source::callArea << u"3"_s << 5 << 45.0 << -79.5;
        QTest::newRow("country prefix after the call")
            << u"W1AW/VE3"_s << u"Canada"_s << Source::callArea << u"3"_s << 5 << 45.0 << -79.5;
        QTest::newRow("Hawaii before a US call")
            << u"KH6/W1AW"_s << u"Hawaii"_s << Source::prefix << QString() << 31 << 21.12 << -157.48;
        QTest::newRow("country prefix and /P")
            << u"DL/W1AW/P"_s << u"Fed. Rep. of Germany"_s << Source::prefix << QString() << 14 << 51.0 << 10.0;
        QTest::newRow("call area digit after the call")
            << u"W1AW/4"_s << u"United States"_s << Source::callArea << u"4"_s << 5 << 33.5 << -83.5;
        QTest::newRow("call area digit moves the country")
            << u"UA3ABC/9"_s << u"Asiatic Russia"_s << Source::callArea << u"9"_s << 17 << 56.0 << 66.0;
        QTest::newRow("grid square") << u" jo62qm "_s << u"JO62qm"_s << Source::grid << QString() << 0 << 52.520833
                                     << 13.375;
        QTest::newRow("grid beats the prefix it spells")
            << u"DL12"_s << u"DL12"_s << Source::grid << QString() << 0 << 22.5 << -117.0;
    }
    void resolve_placesTheText()
    {
        QFETCH(QString, text);
        QFETCH(QString, name);
        QFETCH(Source, source);
        QFETCH(QString, callArea);
        QFETCH(int, cqZone);
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        const ProtocolResult<CountryFile> countries = CountryFile::parse(smallCountryCsv());
        QVERIFY(countries.ok());
        const ProtocolResult<ResolvedPlace> place = StationLookup::resolve(text, &*countries);
        QVERIFY2(place.ok(), place ? "" : qPrintable(place.failure().description()));
        QCOMPARE(place->name, name);
        QCOMPARE(ResolvedPlace::sourceText(place->source), ResolvedPlace::sourceText(source));
        QCOMPARE(place->callArea, callArea);
        QCOMPARE(place->cqZone, cqZone);
        QVERIFY2(std::abs(place->latitude - latitude) < 1e-6, qPrintable(QString::number(place->latitude)));
        QVERIFY2(std::abs(place->longitude - longitude) < 1e-6, qPrintable(QString::number(place->longitude)));
    }

    void resolve_refusesWithAReason_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("withCountries");
        QTest::addColumn<QString>("sentence");
        QTest::newRow("maritime mobile") << u"W1AW/MM"_s << true << u"W1AW/MM is maritime mobile: it has no country."_s;
        QTest::newRow("aeronautical mobile")
            << u"dl1abc/am"_s << true << u"DL1ABC/AM is aeronautical mobile: it has no country."_s;
        QTest::newRow("no such prefix") << u"QQ1QQ"_s << true << u"QQ1QQ matches no country prefix."_s;
        QTest::newRow("not call characters")
            << u"W1AW; DROP"_s << true << u"W1AW; DROP is not a call sign, prefix or grid locator."_s;
        QTest::newRow("empty part") << u"W1AW//P"_s << true << u"W1AW//P is not a call sign, prefix or grid locator."_s;
        QTest::newRow("three places") << u"DL/W1AW/VE3"_s << true
                                      << u"DL/W1AW/VE3 is not a call sign, prefix or grid locator."_s;
        QTest::newRow("blank") << u"   "_s << true << u"Type a call sign, prefix or grid locator."_s;
        QTest::newRow("too long") << QString(40, u'W') << true
                                  << u"That is too long for a call sign, prefix or grid locator."_s;
        QTest::newRow("no country file") << u"W1AW"_s << false
                                         << u"No country file is loaded, so only grid locators can be placed."_s;
    }
    void resolve_refusesWithAReason()
    {
        QFETCH(QString, text);
        QFETCH(bool, withCountries);
        QFETCH(QString, sentence);
        const ProtocolResult<CountryFile> countries = CountryFile::parse(smallCountryCsv());
        QVERIFY(countries.ok());
        const ProtocolResult<ResolvedPlace> place = StationLookup::resolve(text, withCountries ? &*countries : nullptr);
        QVERIFY(!place.ok());
        QCOMPARE(place.failure().description(), sentence);
    }
};

QTEST_APPLESS_MAIN(TestStationLookup)
#include "tst_stationlookup.moc"

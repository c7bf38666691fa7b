#include "GeoTestFiles.h"
#include "core/geo/CallList.h"
#include "core/geo/CountryFile.h"
#include "core/geo/CountryFileLoader.h"
#include "core/geo/StationLookup.h"

#include <QFile>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

// The country file reader on both published forms: a small file with every kind of entry, damaged
// files, and Debian's real files when the hamradio-files package is installed.
class TestCountryFile final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void bothForms_readTheSameCountriesWithOverrides_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("format");
        QTest::newRow("cty.csv") << smallCountryCsv() << int(CountryFile::Format::csv);
        QTest::newRow("cty.dat") << smallCountryDat() << int(CountryFile::Format::dat);
    }
    void bothForms_readTheSameCountriesWithOverrides()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, format);
        const ProtocolResult<CountryFile> file = CountryFile::parse(bytes);
        QVERIFY2(file.ok(), file ? "" : qPrintable(file.failure().description()));
        QCOMPARE(int(file->format()), format);
        QCOMPARE(file->version(), u"20240105"_s);
        QCOMPARE(file->versionDate(), QDate(2024, 1, 5));
        QCOMPARE(file->entities().size(), 9);
        QCOMPARE(file->prefixCount(), 27);
        QCOMPARE(file->exactCallCount(), 5);

        const CountryEntity& japan = file->entities().at(3);
        QCOMPARE(japan.name, u"Japan"_s);
        QCOMPARE(japan.continent, u"AS"_s);
        QCOMPARE(japan.longitude, 138.38);
        QCOMPARE(japan.utcOffset, 9.0);
        QCOMPARE(japan.dxcc, format == int(CountryFile::Format::csv) ? std::optional<int>(339) : std::nullopt);
        const CountryEntity& turkey = file->entities().at(5);
        QVERIFY(turkey.waeOnly);
        QCOMPARE(turkey.primaryPrefix, u"TA1"_s);

        const CountryFile::Match* area0 = file->longestPrefix(u"AA0XYZ");
        QVERIFY(area0);
        QCOMPARE(file->entity(*area0).name, u"United States"_s);
        QCOMPARE(area0->cqZone, 4);
        QCOMPARE(area0->ituZone, 7);
        const CountryFile::Match* placed = file->exactCall(u"VE3ZZZ"_s);
        QVERIFY(placed && placed->ownPosition);
        QCOMPARE(placed->latitude, 47.5);
        QCOMPARE(placed->longitude, -52.75);
        QCOMPARE(file->exactCall(u"W1AW/QRP"_s)->continent, u"EU"_s);
        QCOMPARE(file->exactCall(u"TA2AKG/1"_s)->utcOffset, 3.0);
        QVERIFY(!file->exactCall(u"VER20240105"_s));
    }

    void damagedFile_failsWithASentence_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("sentence");
        const QByteArray line = "DL,Fed. Rep. of Germany,230,EU,14,28,51.00,-10.00,-1.0,DA DL;\n";
        QTest::newRow("empty") << QByteArray("\n\n") << u"The country file is empty."_s;
        QTest::newRow("not a country file")
            << QByteArray("<html>hello</html>") << u"The file is neither a cty.csv nor a cty.dat country file."_s;
        QTest::newRow("missing field") << line + "K,United States,291,NA,5,8,37.60,91.87,AA K;\n"
                                       << u"The country file is damaged at line 2: it has 9 fields where 10 are "
                                          "expected."_s;
        QTest::newRow("latitude out of range")
            << QByteArray("DL,Germany,230,EU,14,28,91.00,-10.00,-1.0,DL;")
            << u"The country file is damaged at line 1: the latitude, longitude or UTC offset of Germany is not a "
               "number within range."_s;
        QTest::newRow("bad zone override")
            << QByteArray("DL,Germany,230,EU,14,28,51.00,-10.00,-1.0,DL DA(99);")
            << u"The country file is damaged at line 1: the override in \u201CDA(99)\u201D is not valid."_s;
        QTest::newRow("unclosed override")
            << QByteArray("DL,Germany,230,EU,14,28,51.00,-10.00,-1.0,DL DA<51.0/10.0;")
            << u"The country file is damaged at line 1: the override in \u201CDA<51.0/10.0\u201D is not closed."_s;
        QTest::newRow("dat cut off inside a list")
            << QByteArray("Germany:  14:  28:  EU:   51.00:   -10.00:    -1.0:  DL:\n    DA,DL,\n")
            << u"The country file ends inside the prefix list of Germany."_s;
        QTest::newRow("control characters in a name")
            << QByteArray("DL,Ger\x01many,230,EU,14,28,51.00,-10.00,-1.0,DL;")
            << u"The country file is damaged at line 1: the country name \u201CGer?many\u201D is empty, too long or "
               "holds control characters."_s;
        QTest::newRow("too large") << QByteArray(CountryFile::maxBytes + 1, ' ')
                                   << u"The country file is larger than 16 MiB."_s;
    }
    void damagedFile_failsWithASentence()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, sentence);
        const ProtocolResult<CountryFile> file = CountryFile::parse(bytes);
        QVERIFY(!file.ok());
        QCOMPARE(file.failure().description(), sentence);
    }

    void debianFiles_placeKnownCalls_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("cty.csv") << CountryFileLoader::debianCountryCsv();
        QTest::newRow("cty.dat") << CountryFileLoader::debianCountryDat();
    }
    void debianFiles_placeKnownCalls()
    {
        QFETCH(QString, path);
        if (!QFile::exists(path)) {
            QSKIP("hamradio-files is not installed");
        }
        const ProtocolResult<CountryFile> file = CountryFileLoader::loadCountryFile(path);
        QVERIFY2(file.ok(), file ? "" : qPrintable(file.failure().description()));
        // Debian 12's files (release 2023.05.02); a newer package may list a few more.
        QVERIFY2(file->entities().size() >= 340, qPrintable(QString::number(file->entities().size())));
        QVERIFY2(file->prefixCount() >= 7'000, qPrintable(QString::number(file->prefixCount())));
        QVERIFY2(file->exactCallCount() >= 15'000, qPrintable(QString::number(file->exactCallCount())));
        QVERIFY(file->version() >= u"20230502"_s);
        const QList<std::pair<QString, QString>> known{
            {u"JA1ABC"_s, u"Japan"_s},
            {u"DL1ABC"_s, u"Fed. Rep. of Germany"_s},
            {u"KH6XYZ"_s, u"Hawaii"_s},
            {u"9M2/PG5M"_s, u"Spratly Islands"_s},
            {u"3D2CR"_s, u"Conway Reef"_s},
            {u"VE3/W1AW"_s, u"Canada"_s},
            {u"UA3ABC/9"_s, u"Asiatic Russia"_s},
            {u"ZS6ABC"_s, u"South Africa"_s},
            {u"EA8ABC"_s, u"Canary Islands"_s},
            {u"VP8"_s, u"Falkland Islands"_s},
        };
        for (const auto& [call, country] : known) {
            const ProtocolResult<ResolvedPlace> place = StationLookup::resolve(call, &*file);
            QVERIFY2(place.ok(), qPrintable(call));
            QCOMPARE(place->name, country);
        }
    }

    void debianFiles_bothFormsAgree()
    {
        if (!QFile::exists(CountryFileLoader::debianCountryCsv()) ||
            !QFile::exists(CountryFileLoader::debianCountryDat())) {
            QSKIP("hamradio-files is not installed");
        }
        const ProtocolResult<CountryFile> csv =
            CountryFileLoader::loadCountryFile(CountryFileLoader::debianCountryCsv());
        const ProtocolResult<CountryFile> dat =
            CountryFileLoader::loadCountryFile(CountryFileLoader::debianCountryDat());
        QVERIFY(csv.ok() && dat.ok());
        QCOMPARE(csv->version(), dat->version());
        QCOMPARE(csv->prefixCount(), dat->prefixCount());
        // The exact calls differ: Debian's cty.dat carries about a thousand US calls more.
        QCOMPARE(csv->entities().size(), dat->entities().size());
        for (qsizetype i = 0; i < csv->entities().size(); ++i) {
            CountryEntity fromDat = dat->entities().at(i);
            // Only cty.csv has DXCC numbers, and a name or two is spelled differently ("&" for ",").
            fromDat.dxcc = csv->entities().at(i).dxcc;
            fromDat.name = csv->entities().at(i).name;
            QVERIFY2(fromDat == csv->entities().at(i), qPrintable(fromDat.name + u" / "_s + fromDat.primaryPrefix));
        }
    }

    void callList_skipsCommentsAndCompletes()
    {
        const ProtocolResult<CallList> list =
            CallList::parse("# Release 1\n#\nW1AW\r\nja1abc\nW1ABC\nnot a call\nW1AW\nW2XYZ/P\n");
        QVERIFY(list.ok());
        QCOMPARE(list->calls(), (QStringList{u"JA1ABC"_s, u"W1ABC"_s, u"W1AW"_s, u"W2XYZ/P"_s}));
        QCOMPARE(list->completions(u"w1"_s, 10), (QStringList{u"W1ABC"_s, u"W1AW"_s}));
        QCOMPARE(list->completions(u"W"_s, 1), QStringList{u"W1ABC"_s});
        QVERIFY(list->completions(u"K"_s, 10).isEmpty());
    }
};

QTEST_APPLESS_MAIN(TestCountryFile)
#include "tst_countryfile.moc"

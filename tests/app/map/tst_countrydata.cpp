#include "app/map/CountryData.h"
#include "tests/core/geo/GeoTestFiles.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThreadPool>

using namespace Qt::Literals::StringLiterals;

namespace {

QString write(const QTemporaryDir& folder, const QString& name, const QByteArray& bytes)
{
    QFile file(folder.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        return {};
    }
    return file.fileName();
}

} // namespace

// The application's country file: the installed default, a user's file checked before it
// replaces anything, and the kept copy that later starts use.
class TestCountryData final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void userFile_isCheckedKeptAndUsedOnLaterStarts_data()
    {
        QTest::addColumn<QByteArray>("chosen");
        QTest::addColumn<QString>("problem");
        QTest::addColumn<QString>("version");
        QTest::newRow("newer cty.dat") << smallCountryDat() << QString() << u"20240105"_s;
        QTest::newRow("truncated line") << QByteArray("K,United States,291,NA,5,8,37.60,91.87") << u"cty"_s
                                        << u"20230502"_s;
        QTest::newRow("not a country file") << QByteArray("<html>nope</html>\n") << u"cty"_s << u"20230502"_s;
        QTest::newRow("empty") << QByteArray() << u"empty"_s << u"20230502"_s;
    }
    void userFile_isCheckedKeptAndUsedOnLaterStarts()
    {
        QFETCH(QByteArray, chosen);
        QFETCH(QString, problem);
        QFETCH(QString, version);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        QByteArray installed = smallCountryCsv();
        installed.replace("=VER20240105", "=VER20230502");
        const CountryData::Paths paths{{write(folder, u"installed.csv"_s, installed)},
                                       write(folder, u"MASTER.SCP"_s, "# calls\nJA1ABC\nW1AW\nDL1ABC\n"),
                                       folder.filePath(u"data"_s)};
        CountryData data(paths);
        data.load();
        QVERIFY(data.countries() && !data.usesKeptCopy());
        QCOMPARE(data.countries()->version(), u"20230502"_s);
        QCOMPARE(data.calls()->completions(u"ja"_s, 5), QStringList{u"JA1ABC"_s});

        QSignalSpy changed(&data, &CountryData::changed);
        const QString answer = data.loadUserFile(write(folder, u"chosen"_s, chosen));
        if (problem.isEmpty()) {
            QCOMPARE(answer, QString());
            QCOMPARE(changed.size(), 1);
        } else {
            // A broken file says why and changes nothing: no copy, the same table.
            QVERIFY2(answer.contains(problem, Qt::CaseInsensitive), qPrintable(answer));
            QCOMPARE(changed.size(), 0);
            QVERIFY(!QFile::exists(data.keptCopyPath()));
        }
        QCOMPARE(data.countries()->version(), version);

        CountryData later(paths);
        later.load();
        QCOMPARE(later.countries()->version(), version);
        QCOMPARE(later.usesKeptCopy(), problem.isEmpty());
    }

    void backgroundRead_arrivesLaterAndNeverReplacesANewerFile()
    {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        QByteArray installed = smallCountryCsv();
        installed.replace("=VER20240105", "=VER20230502");
        CountryData data(
            CountryData::Paths{{write(folder, u"installed.csv"_s, installed)}, QString(), folder.filePath(u"data"_s)});
        QSignalSpy changed(&data, &CountryData::changed);
        data.loadInBackground();
        QVERIFY(changed.wait());
        QCOMPARE(data.countries()->version(), u"20230502"_s);

        // The user's file comes in while the start's read is still under way.
        data.loadInBackground();
        QCOMPARE(data.loadUserFile(write(folder, u"newer.dat"_s, smallCountryDat())), QString());
        // The read finishes and its answer is delivered, then ignored.
        QThreadPool::globalInstance()->waitForDone();
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        QCOMPARE(changed.size(), 2);
        QCOMPARE(data.countries()->version(), u"20240105"_s);
        QVERIFY(data.usesKeptCopy());
    }

    void versionText_givesVersionAndAge()
    {
        const auto file = CountryFile::parse(smallCountryCsv());
        QVERIFY(file);
        QCOMPARE(CountryData::versionText(*file, QDate(2024, 1, 5)), u"Version 20240105, 0 days old"_s);
        QCOMPARE(CountryData::versionText(*file, QDate(2024, 3, 5)), u"Version 20240105, 60 days old"_s);
    }

    void nothingInstalled_saysSo()
    {
        QTemporaryDir folder;
        CountryData data(CountryData::Paths{{folder.filePath(u"none.csv"_s)}, QString(), folder.filePath(u"d"_s)});
        data.load();
        QVERIFY(!data.countries());
        QVERIFY(!data.calls());
        QVERIFY(data.problem().contains(u"hamradio-files"_s));
    }
};

QTEST_GUILESS_MAIN(TestCountryData)
#include "tst_countrydata.moc"

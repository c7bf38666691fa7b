#include "app/workspace/LogFile.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

const QDate day(2026, 11, 28);

QByteArrayList fileLines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    QByteArrayList lines = file.readAll().split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty()) {
        lines.removeLast();
    }
    return lines;
}

} // namespace

class TestLogFile final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // A flooding server must not fill the disk: the file keeps what came before, stops below
    // its bound with a line saying so, and takes nothing after.
    void flood_stopsBelowTheBoundAndSaysSo()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"contest.log"_s);
        {
            QFile earlier(path);
            QVERIFY(earlier.open(QIODevice::WriteOnly));
            earlier.write("2026-11-27 an earlier run\n");
        }
        constexpr qint64 limit = 4096;
        LogFile log(path, limit);
        QVERIFY(log.open());

        QVERIFY(log.append({u"12:00:01  Connected"_s, u"12:00:02  Turn Rotor 1 to 90°"_s}, day));
        QVERIFY(log.stopReason().isEmpty());
        QStringList flood;
        for (int i = 0; i < 500; ++i) {
            flood.append(u"12:00:03  Added rotor R%1"_s.arg(i));
        }
        QVERIFY(!log.append(flood, day));
        QCOMPARE(log.stopReason(), LogFile::limitLine(limit));
        const qint64 sizeAtStop = QFileInfo(path).size();
        QVERIFY(sizeAtStop <= limit);
        QVERIFY(sizeAtStop > limit - 200);

        QVERIFY(log.append({u"12:00:04  later"_s}, day));
        QCOMPARE(QFileInfo(path).size(), sizeAtStop);

        const QByteArrayList lines = fileLines(path);
        QCOMPARE(lines.first(), "2026-11-27 an earlier run");
        QCOMPARE(lines.at(1), "2026-11-28 12:00:01  Connected");
        QCOMPARE(QString::fromUtf8(lines.at(2)), u"2026-11-28 12:00:02  Turn Rotor 1 to 90°"_s);
        QCOMPARE(lines.at(3), "2026-11-28 12:00:03  Added rotor R0");
        // Whole lines only, in order, up to the closing one.
        QCOMPARE(lines.at(lines.size() - 2),
                 QByteArray("2026-11-28 12:00:03  Added rotor R") + QByteArray::number(lines.size() - 5));
        QCOMPARE(QString::fromUtf8(lines.last()), u"2026-11-28 "_s + LogFile::limitLine(limit));
    }

    void fullDisk_stopsWithTheSystemsReason()
    {
        if (!QFile::exists(u"/dev/full"_s)) {
            QSKIP("no /dev/full here");
        }
        LogFile log(u"/dev/full"_s);
        QVERIFY(log.open());
        QVERIFY(!log.append({u"12:00:01  Connected"_s}, day));
        QVERIFY(!log.stopReason().isEmpty());
        QVERIFY(log.append({u"12:00:02  Disconnected"_s}, day));
    }

    void unwritablePath_isNotOpened()
    {
        QTemporaryDir dir;
        LogFile log(dir.filePath(u"missing/contest.log"_s));
        QVERIFY(!log.open());
        QVERIFY(!log.errorString().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestLogFile)
#include "tst_logfile.moc"

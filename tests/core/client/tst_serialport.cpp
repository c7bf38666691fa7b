#include "core/client/SerialPort.h"

#include <QMutex>
#include <QProcess>
#include <QTest>
#include <QThread>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace {

// The master side of a real pseudo-terminal; the port under test opens its slave.
class PseudoTerminal final {
public:
    PseudoTerminal()
    {
        m_master = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
        if (m_master >= 0 && ::grantpt(m_master) == 0 && ::unlockpt(m_master) == 0) {
            m_slavePath = QString::fromLocal8Bit(::ptsname(m_master));
        }
    }
    ~PseudoTerminal() { closeMaster(); }

    const QString& slavePath() const { return m_slavePath; }
    void write(const QByteArray& bytes) const
    {
        QCOMPARE_EQ(::write(m_master, bytes.constData(), bytes.size()), bytes.size());
    }
    QByteArray readAvailable() const
    {
        QByteArray all;
        char buffer[4096];
        ssize_t count = 0;
        while ((count = ::read(m_master, buffer, sizeof buffer)) > 0) {
            all.append(buffer, static_cast<qsizetype>(count));
        }
        return all;
    }
    void closeMaster()
    {
        if (m_master >= 0) {
            ::close(m_master);
            m_master = -1;
        }
    }

private:
    int m_master = -1;
    QString m_slavePath;
};

// What the port's handlers reported, collected across threads.
struct Reports {
    mutable QMutex mutex;
    QByteArray received;
    QStringList failures;
    QString receiveThread;

    SerialPort::ReceiveHandler receiver()
    {
        return [this](const QByteArray& bytes) {
            QMutexLocker lock(&mutex);
            received += bytes;
            receiveThread = QThread::currentThread()->objectName();
        };
    }
    SerialPort::FailureHandler failer()
    {
        return [this](const QString& text) {
            QMutexLocker lock(&mutex);
            failures.append(text);
        };
    }
    QByteArray bytes() const
    {
        QMutexLocker lock(&mutex);
        return received;
    }
    QStringList failureList() const
    {
        QMutexLocker lock(&mutex);
        return failures;
    }
};

} // namespace

class TestSerialPort final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void open_refusesBadPathsAndRates_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("baud");
        QTest::addColumn<QString>("message");
        const QString choose = u"Choose a /dev/ serial port and a supported baud rate."_s;
        QTest::newRow("outside /dev") << u"/tmp/ttyUSB0"_s << 9600 << choose;
        QTest::newRow("baud 1200") << u"/dev/ttyUSB0"_s << 1200 << choose;
        QTest::newRow("baud 0") << u"/dev/ttyUSB0"_s << 0 << choose;
        QTest::newRow("missing device") << u"/dev/xalto-no-such-device"_s << 9600
                                        << u"Cannot open serial port: No such file or directory"_s;
        QTest::newRow("not a terminal") << u"/dev/null"_s << 9600 << u"Serial port is unavailable or already in use."_s;
    }
    void open_refusesBadPathsAndRates()
    {
        QFETCH(QString, path);
        QFETCH(int, baud);
        QFETCH(QString, message);
        const auto result = SerialPort::open(path, baud, {}, {});
        QVERIFY(!result.ok());
        QCOMPARE(result.failure().description(), message);
    }

    void openedPort_carriesBytesBothWaysOnItsOwnThread()
    {
        PseudoTerminal terminal;
        Reports reports;
        auto port = SerialPort::open(terminal.slavePath(), 9600, reports.receiver(), reports.failer());
        QVERIFY2(port.ok(), qPrintable(port.ok() ? QString() : port.failure().description()));

        terminal.write("AI2123.4;");
        QTRY_COMPARE(reports.bytes(), QByteArray("AI2123.4;"));
        QCOMPARE(reports.receiveThread, u"org.orvane.serial"_s);

        // Raw mode: the carriage return must arrive untranslated.
        (*port)->send("AP2090\r;");
        QByteArray seen;
        QTRY_COMPARE((seen += terminal.readAvailable(), seen), QByteArray("AP2090\r;"));
        QVERIFY(reports.failureList().isEmpty());
    }

    void oversizedSend_isDroppedAndLaterSendsStillWork()
    {
        PseudoTerminal terminal;
        Reports reports;
        auto port = SerialPort::open(terminal.slavePath(), 115200, reports.receiver(), reports.failer());
        QVERIFY(port.ok());

        (*port)->send(QByteArray(70000, 'x'));
        QTRY_COMPARE(reports.failureList(), QStringList{u"Serial output queue exceeded its limit."_s});
        (*port)->send(";");
        QByteArray seen;
        QTRY_COMPARE((seen += terminal.readAvailable(), seen), QByteArray(";"));
    }

    void peerThatNeverReads_stopsThePortAtTheWriteDeadline()
    {
        PseudoTerminal terminal;
        Reports reports;
        auto port = SerialPort::open(terminal.slavePath(), 9600, reports.receiver(), reports.failer());
        QVERIFY(port.ok());

        // Fill the terminal's buffers until writes stall; the drain then runs out of time.
        const QString timedOut = u"Serial write failed or timed out."_s;
        for (int i = 0; i < 200 && !reports.failureList().contains(timedOut); ++i) {
            (*port)->send(QByteArray(16384, 'y'));
            QTest::qWait(20);
        }
        QTRY_VERIFY_WITH_TIMEOUT(reports.failureList().contains(timedOut), 5000);

        // A stopped port writes nothing more and reports nothing more.
        terminal.readAvailable();
        const qsizetype failuresBefore = reports.failureList().size();
        (*port)->send("late");
        QTest::qWait(100);
        QCOMPARE(terminal.readAvailable(), QByteArray());
        QCOMPARE(reports.failureList().size(), failuresBefore);
    }

    void peerClosing_reportsDisconnectOnce()
    {
        PseudoTerminal terminal;
        Reports reports;
        auto port = SerialPort::open(terminal.slavePath(), 4800, reports.receiver(), reports.failer());
        QVERIFY(port.ok());
        terminal.closeMaster();
        QTRY_COMPARE(reports.failureList(), QStringList{u"Serial port disconnected."_s});
        QTest::qWait(50);
        QCOMPARE(reports.failureList().size(), 1);
    }

    void cancelledPort_sendsNothing()
    {
        PseudoTerminal terminal;
        Reports reports;
        auto port = SerialPort::open(terminal.slavePath(), 19200, reports.receiver(), reports.failer());
        QVERIFY(port.ok());
        (*port)->cancel();
        (*port)->send("AI2;");
        QTest::qWait(100);
        QCOMPARE(terminal.readAvailable(), QByteArray());
        QVERIFY(reports.failureList().isEmpty());
    }

    void secondOpen_isRefusedWhileExclusive()
    {
        PseudoTerminal terminal;
        const auto first = SerialPort::open(
            terminal.slavePath(), 9600, [](const QByteArray&) {}, [](const QString&) {});
        QVERIFY(first.ok());

        // A second program opening the same device must be refused. Root bypasses exclusive use, so
        // as root the second open runs without CAP_SYS_ADMIN.
        QStringList command{u"/bin/sh"_s, u"-c"_s, u"exec 3<>\"$0\""_s, terminal.slavePath()};
        if (::geteuid() == 0) {
            command = QStringList{u"setpriv"_s, u"--bounding-set"_s, u"-sys_admin"_s} + command;
        }
        const auto openElsewhere = [&command] {
            QProcess process;
            process.setProcessChannelMode(QProcess::MergedChannels);
            process.start(command.first(), command.mid(1));
            process.waitForFinished(10000);
            return std::pair(process.exitCode(), process.readAll());
        };
        const auto [refusedCode, refusedOutput] = openElsewhere();
        QCOMPARE_NE(refusedCode, 0);
        QVERIFY2(refusedOutput.contains("busy"), refusedOutput.constData());
    }
};

QTEST_GUILESS_MAIN(TestSerialPort)
#include "tst_serialport.moc"

#include "core/integrations/PhidgetEncoder.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTest>
#include <QThread>

#include <cstdint>
#include <dlfcn.h>
#include <limits>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString missingLibrary = u"/nonexistent/libphidget22.so.0"_s;
const QString fakeLibrary = QString::fromUtf8(FAKEPHIDGET_PATH);
const QString partialLibrary = QString::fromUtf8(FAKEPHIDGET_PARTIAL_PATH);

// The stand-in library's test controls, from the same loaded copy the encoder opens.
class FakeDevice final {
public:
    FakeDevice()
        : m_library(::dlopen(FAKEPHIDGET_PATH, RTLD_NOW | RTLD_LOCAL))
    {
        resolve(m_reset, "fakephidget_reset");
        resolve(m_set, "fakephidget_set");
        resolve(m_fail, "fakephidget_fail");
        resolve(m_polls, "fakephidget_polls");
        resolve(m_liveHandles, "fakephidget_liveHandles");
        resolve(m_calls, "fakephidget_calls");
        resolve(m_threadName, "fakephidget_threadName");
    }

    bool loaded() const { return m_library != nullptr && m_threadName != nullptr; }
    void reset() { m_reset(); }
    void set(bool attached, qint64 position, int button = 0) { m_set(attached ? 1 : 0, position, button); }
    void fail(const char* name) { m_fail(name); }
    long polls() const { return m_polls(); }
    int liveHandles() const { return m_liveHandles(); }
    QString calls() const { return text(m_calls); }
    QString threadName() const { return text(m_threadName); }

private:
    template <typename Function>
    void resolve(Function& target, const char* name)
    {
        if (m_library != nullptr) {
            target = reinterpret_cast<Function>(::dlsym(m_library, name));
        }
    }

    static QString text(int (*read)(char*, int))
    {
        QByteArray buffer(read(nullptr, 0) + 1, '\0');
        read(buffer.data(), static_cast<int>(buffer.size()));
        return QString::fromUtf8(buffer.constData());
    }

    void* m_library;
    void (*m_reset)() = nullptr;
    void (*m_set)(int, int64_t, int) = nullptr;
    void (*m_fail)(const char*) = nullptr;
    long (*m_polls)() = nullptr;
    int (*m_liveHandles)() = nullptr;
    int (*m_calls)(char*, int) = nullptr;
    int (*m_threadName)(char*, int) = nullptr;
};

// What an encoder reported on the main thread.
struct Reports {
    explicit Reports(PhidgetEncoder& encoder)
    {
        QObject::connect(&encoder, &PhidgetEncoder::deltaReceived, &encoder, [this](qint64 delta) {
            deltas.append(delta);
            onMainThread = onMainThread && QThread::currentThread() == qApp->thread();
        });
        QObject::connect(&encoder, &PhidgetEncoder::pressReceived, &encoder, [this] { ++presses; });
    }

    QList<qint64> deltas;
    int presses = 0;
    bool onMainThread = true;
};

QString waitingMessage(qint32 serial)
{
    return u"Waiting for Phidget %1. Legacy HID devices may require the vendor USB driver."_s.arg(serial);
}

} // namespace

class TestPhidgetEncoder final : public QObject {
    Q_OBJECT

private:
    FakeDevice m_fake;

    // Two further polls: the second began after any change the test made before calling.
    void settle()
    {
        const long target = m_fake.polls() + 2;
        QTRY_VERIFY(m_fake.polls() >= target);
    }

    // The same, without running this thread's events, so the worker's reports stay queued.
    bool settleWithoutEvents()
    {
        const long target = m_fake.polls() + 2;
        const QDeadlineTimer deadline(5000);
        while (m_fake.polls() < target) {
            if (deadline.hasExpired()) {
                return false;
            }
            QThread::msleep(1);
        }
        return true;
    }

    void startAttached(PhidgetEncoder& encoder, qint32 buttonChannel, qint64 position)
    {
        encoder.setLibraryCandidates({fakeLibrary});
        encoder.start(7, 0, buttonChannel);
        QTRY_COMPARE(encoder.message(), waitingMessage(7));
        m_fake.set(true, position);
        QTRY_COMPARE(encoder.message(), u"Phidget connected"_s);
        settle();
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY2(m_fake.loaded(), "stand-in library not loadable"); }
    void init() { m_fake.reset(); }
    void cleanup() { QTRY_COMPARE(m_fake.liveHandles(), 0); }

    void invalidChannels_refusedWithoutTouchingTheLibrary_data()
    {
        QTest::addColumn<qint32>("serial");
        QTest::addColumn<qint32>("channel");
        QTest::addColumn<qint32>("buttonChannel");
        QTest::newRow("serial 0") << 0 << 0 << -1;
        QTest::newRow("serial unreadable") << -1 << 0 << 0;
        QTest::newRow("channel -1") << 5 << -1 << -1;
        QTest::newRow("button channel -2") << 5 << 0 << -2;
    }

    void invalidChannels_refusedWithoutTouchingTheLibrary()
    {
        QFETCH(qint32, serial);
        QFETCH(qint32, channel);
        QFETCH(qint32, buttonChannel);
        PhidgetEncoder encoder;
        encoder.setLibraryCandidates({fakeLibrary});
        encoder.start(serial, channel, buttonChannel);
        QCOMPARE(encoder.message(), u"Enter a device serial number and valid channel."_s);
        QVERIFY(!encoder.running());
        QTest::qWait(0);
        QCOMPARE(m_fake.calls(), QString());
    }

    void startFailures_stopWithTheirMessageAndReleaseChannels_data()
    {
        QTest::addColumn<QStringList>("candidates");
        QTest::addColumn<QByteArray>("failingCall");
        QTest::addColumn<QString>("message");
        QTest::newRow("no library") << QStringList{missingLibrary, QString()} << QByteArray()
                                    << u"Phidget22 library could not be loaded."_s;
        QTest::newRow("function missing") << QStringList{partialLibrary, fakeLibrary} << QByteArray()
                                          << u"Missing Phidget22 function: PhidgetDigitalInput_getState"_s;
        QTest::newRow("encoder not created") << QStringList{fakeLibrary} << "PhidgetEncoder_create"_ba
                                             << u"Phidget encoder channel could not be opened."_s;
        QTest::newRow("encoder channel refused")
            << QStringList{fakeLibrary} << "Phidget_setChannel"_ba << u"Phidget encoder channel could not be opened."_s;
        QTest::newRow("button not created") << QStringList{fakeLibrary} << "PhidgetDigitalInput_create"_ba
                                            << u"Phidget button channel could not be opened."_s;
    }

    void startFailures_stopWithTheirMessageAndReleaseChannels()
    {
        QFETCH(QStringList, candidates);
        QFETCH(QByteArray, failingCall);
        QFETCH(QString, message);
        if (!failingCall.isEmpty()) {
            m_fake.fail(failingCall.constData());
        }
        PhidgetEncoder encoder;
        encoder.setLibraryCandidates(candidates);
        encoder.start(7, 0, 1);
        QVERIFY(encoder.running());
        QTRY_COMPARE(encoder.message(), message);
        QVERIFY(!encoder.running());
        // The channels opened before the failure are released; nothing polls them.
        QTRY_COMPARE(m_fake.liveHandles(), 0);
        QCOMPARE(m_fake.polls(), 0L);
    }

    void start_opensBothChannelsOnTheWorkerThread()
    {
        PhidgetEncoder encoder;
        encoder.setLibraryCandidates({missingLibrary, fakeLibrary});
        encoder.start(4711, 2, 3);
        QTRY_COMPARE(encoder.message(), waitingMessage(4711));
        QVERIFY(encoder.running());
        QCOMPARE(m_fake.calls(), u"PhidgetEncoder_create;Phidget_setDeviceSerialNumber(4711);Phidget_setChannel(2);"
                                 u"Phidget_open;PhidgetDigitalInput_create;Phidget_setDeviceSerialNumber(4711);"
                                 u"Phidget_setChannel(3);Phidget_open;"_s);
        // The kernel keeps 15 characters of a thread name.
        QCOMPARE(m_fake.threadName(), u"org.orvane.phidget"_s.left(15));
        encoder.stop();
        QCOMPARE(encoder.message(), u"Stopped"_s);
        QTRY_COMPARE(m_fake.liveHandles(), 0);
        QVERIFY(m_fake.calls().endsWith(u"Phidget_delete;Phidget_delete;"_s));
    }

    void turning_reportsChangesButNotTheFirstReadingAfterAttaching()
    {
        PhidgetEncoder encoder;
        Reports reports(encoder);
        startAttached(encoder, -1, 100);
        m_fake.set(true, 103);
        QTRY_COMPARE(reports.deltas, (QList<qint64>{3}));
        m_fake.set(true, 90);
        QTRY_COMPARE(reports.deltas, (QList<qint64>{3, -13}));

        m_fake.set(false, 90);
        QTRY_COMPARE(encoder.message(), u"Phidget disconnected"_s);
        QVERIFY(encoder.running());
        m_fake.set(true, 500);
        QTRY_COMPARE(encoder.message(), u"Phidget connected"_s);
        settle();
        m_fake.set(true, 502);
        QTRY_COMPARE(reports.deltas, (QList<qint64>{3, -13, 2}));

        // A change too large for 64 bits is skipped; the next one counts from the new reading.
        constexpr qint64 lowest = std::numeric_limits<qint64>::min();
        m_fake.set(true, lowest);
        settle();
        m_fake.set(true, lowest + 4);
        QTRY_COMPARE(reports.deltas, (QList<qint64>{3, -13, 2, 4}));
        QVERIFY(reports.onMainThread);
    }

    void button_pressCountsWhenReleased_data()
    {
        QTest::addColumn<qint32>("buttonChannel");
        QTest::addColumn<int>("presses");
        QTest::newRow("button channel 0") << 0 << 1;
        QTest::newRow("no button channel") << -1 << 0;
    }

    void button_pressCountsWhenReleased()
    {
        QFETCH(qint32, buttonChannel);
        QFETCH(int, presses);
        PhidgetEncoder encoder;
        Reports reports(encoder);
        startAttached(encoder, buttonChannel, 0);
        m_fake.set(true, 0, 1);
        settle();
        QCOMPARE(reports.presses, 0);
        m_fake.set(true, 0, 0);
        settle();
        QTRY_COMPARE(reports.presses, presses);
        QCOMPARE(m_fake.calls().contains(u"PhidgetDigitalInput_create"_s), buttonChannel >= 0);
    }

    void staleReports_droppedAfterStopOrRestart_data()
    {
        QTest::addColumn<bool>("restart");
        QTest::newRow("stop") << false;
        QTest::newRow("restart") << true;
    }

    void staleReports_droppedAfterStopOrRestart()
    {
        QFETCH(bool, restart);
        PhidgetEncoder encoder;
        Reports reports(encoder);
        startAttached(encoder, -1, 10);
        // The worker reports this change, but the report waits in this thread's queue.
        m_fake.set(true, 15);
        QVERIFY(settleWithoutEvents());
        if (restart) {
            encoder.start(7, 0, -1);
            QTRY_COMPARE(encoder.message(), u"Phidget connected"_s);
            settle();
            m_fake.set(true, 17);
            QTRY_COMPARE(reports.deltas, (QList<qint64>{2}));
            QVERIFY(encoder.running());
        } else {
            encoder.stop();
            QTRY_COMPARE(m_fake.liveHandles(), 0);
            QCoreApplication::processEvents();
            QCOMPARE(reports.deltas, QList<qint64>());
            QCOMPARE(encoder.message(), u"Stopped"_s);
            QVERIFY(!encoder.running());
        }
    }

    void destroyedWhileRunning_releasesChannelsAtOnce()
    {
        {
            PhidgetEncoder encoder;
            startAttached(encoder, 0, 0);
        }
        QCOMPARE(m_fake.liveHandles(), 0);
    }
};

QTEST_GUILESS_MAIN(TestPhidgetEncoder)
#include "tst_phidgetencoder.moc"

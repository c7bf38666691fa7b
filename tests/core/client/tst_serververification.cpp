#include "ClientTestSupport.h"
#include "core/client/ServerVerification.h"

#include <QSignalSpy>
#include <QTest>

using namespace ClientTest;

using VerificationResult = std::optional<ServerVerificationError>;
Q_DECLARE_METATYPE(VerificationResult)

// The profile editor's one-shot server check.
class TestServerVerification final : public QObject {
    Q_OBJECT

    static VerificationResult resultOf(const QSignalSpy& spy)
    {
        return spy.first().first().value<VerificationResult>();
    }

private Q_SLOTS:
    void initTestCase() { qRegisterMetaType<VerificationResult>(); }

    void answeringServer_passes_data()
    {
        QTest::addColumn<QString>("user");
        QTest::newRow("station data") << QString();
        QTest::newRow("login demanded") << u"op"_s;
    }
    void answeringServer_passes()
    {
        QFETCH(QString, user);
        StationSimulator::Options options;
        options.user = user;
        options.password = u"pw"_s;
        StationSimulator simulator(options);
        QVERIFY(simulator.listen());
        ManualClock clock;

        QObject owner;
        ServerVerification* check =
            KeltoClient::verifyServer(u"127.0.0.1"_s, portOf(simulator), ConnectionKind::ovVarnex, &owner, clock);
        QSignalSpy finished(check, &ServerVerification::finished);
        QVERIFY(check->running());
        QTRY_COMPARE(finished.count(), 1);
        QCOMPARE(resultOf(finished), VerificationResult());
        QVERIFY(!check->running());
        // The temporary client has hung up.
        QTRY_COMPARE(simulator.clientCount(), 0);
    }

    void failingCheck_reportsReason_data()
    {
        QTest::addColumn<QString>("host");
        QTest::addColumn<QString>("port");
        QTest::addColumn<ConnectionKind>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("refused") << u"127.0.0.1"_s << QString::number(closedPort()) << ConnectionKind::ovVarnex
                                 << u"Connection unavailable: Connection refused"_s;
        QTest::newRow("invalid input") << u"bad host"_s << u"4001"_s << ConnectionKind::ovVarnex
                                       << u"Enter a hostname and a port from 1 to 65535."_s;
        QTest::newRow("terminal kind") << u"127.0.0.1"_s << QString::number(closedPort())
                                       << ConnectionKind::kt90Terminal
                                       << u"Connection unavailable: Connection refused"_s;
    }
    void failingCheck_reportsReason()
    {
        QFETCH(QString, host);
        QFETCH(QString, port);
        QFETCH(ConnectionKind, kind);
        QFETCH(QString, reason);
        ManualClock clock;
        ServerVerification check(host, port, kind, clock);
        QSignalSpy finished(&check, &ServerVerification::finished);
        check.start();
        // Never reported from inside `start`.
        QCOMPARE(finished.count(), 0);

        QTRY_COMPARE(finished.count(), 1);
        const VerificationResult result = resultOf(finished);
        QVERIFY(result);
        QCOMPARE(result->reason, reason);
        QCOMPARE(result->description(), u"Server could not be verified. "_s + reason);
    }

    void silentServer_failsAfterThreeSeconds()
    {
        StationSimulator simulator;
        QVERIFY(simulator.listen());
        simulator.setFault(StationSimulator::Fault::silence);
        ManualClock clock;
        ServerVerification check(u"127.0.0.1"_s, portOf(simulator), ConnectionKind::ovVarnex, clock);
        QSignalSpy finished(&check, &ServerVerification::finished);
        check.start();
        QTRY_COMPARE(simulator.clientCount(), 1);

        clock.advance(3.0);
        // Polls keep going while the deadline has not passed.
        QTest::qWait(3 * ServerVerification::pollMilliseconds);
        QCOMPARE(finished.count(), 0);

        clock.advance(0.05);
        QTRY_COMPARE(finished.count(), 1);
        QCOMPARE(resultOf(finished)->description(),
                 u"Server could not be verified. No compatible server or device response within 3 seconds. "
                 u"Check the address, port, and network connection."_s);
        QTRY_COMPARE(simulator.clientCount(), 0);
    }

    void cancel_stopsCheckWithoutResult()
    {
        StationSimulator simulator;
        QVERIFY(simulator.listen());
        simulator.setFault(StationSimulator::Fault::silence);
        ManualClock clock;
        ServerVerification check(u"127.0.0.1"_s, portOf(simulator), ConnectionKind::ovVarnex, clock);
        QSignalSpy finished(&check, &ServerVerification::finished);
        QSignalSpy cancelled(&check, &ServerVerification::cancelled);
        check.start();
        QTRY_COMPARE(simulator.clientCount(), 1);

        check.cancel();
        QCOMPARE(cancelled.count(), 1);
        QVERIFY(!check.running());
        QTRY_COMPARE(simulator.clientCount(), 0);
        clock.advance(5.0);
        QTest::qWait(3 * ServerVerification::pollMilliseconds);
        QCOMPARE(finished.count(), 0);
        check.cancel();
        QCOMPARE(cancelled.count(), 1);
    }
};

QTEST_GUILESS_MAIN(TestServerVerification)
#include "tst_serververification.moc"

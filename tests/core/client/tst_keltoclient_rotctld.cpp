#include "ClientTestSupport.h"
#include "tools/station-sim/RotctldSimulator.h"

#include <QProcess>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTcpSocket>
#include <QTest>

#include <algorithm>

using namespace ClientTest;

namespace {

// A client connected to the simulated rotctld.
struct SimulatedRotctld {
    RotctldSimulator simulator;
    ManualClock clock;
    MemorySettingsStore defaults;
    KeltoClient client{nullptr, defaults, clock};

    void connect(const QString& rotorName)
    {
        QVERIFY(simulator.listen());
        client.connectTo(u"127.0.0.1"_s, QString::number(simulator.serverPort()), {}, {}, ConnectionKind::hamlibRotctld,
                         rotorName);
        QTRY_VERIFY(client.connected());
    }
};

} // namespace

// The "Hamlib rotctld" kind against Hamlib's own rotctld and its dummy rotator, and against the
// simulator for the answers a healthy rotctld never gives.
class TestKeltoClientRotctld final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void realRotctld_goesLiveFollowsTurnsStopsAndEndsWhenKilled()
    {
        const QString program = QStandardPaths::findExecutable(u"rotctld"_s);
        if (program.isEmpty()) {
            QSKIP("rotctld is not installed (scripts/setup installs libhamlib-utils)");
        }
        const QString port = QString::number(closedPort());
        QProcess rotctld;
        rotctld.start(program, {u"-m"_s, u"1"_s, u"-T"_s, u"127.0.0.1"_s, u"-t"_s, port});
        QVERIFY2(rotctld.waitForStarted(), qPrintable(rotctld.errorString()));
        const auto stopRotctld = qScopeGuard([&] {
            rotctld.kill();
            rotctld.waitForFinished();
        });
        const auto listening = [&] {
            QTcpSocket probe;
            probe.connectToHost(QHostAddress::LocalHost, port.toUShort());
            return probe.waitForConnected(200);
        };
        QTRY_VERIFY_WITH_TIMEOUT(listening(), 10000);

        ManualClock clock;
        MemorySettingsStore defaults;
        KeltoClient client(nullptr, defaults, clock);
        QList<double> headings;
        connect(&client, &KeltoClient::stationChanged, this, [&] {
            if (const std::optional<double> heading = client.station().rotors.value(u"Mast"_s).heading) {
                headings.append(*heading);
            }
        });
        QStringList messages;
        connect(&client, &KeltoClient::messageChanged, this, [&] { messages.append(client.message()); });

        client.connectTo(u"127.0.0.1"_s, port, {}, {}, ConnectionKind::hamlibRotctld, u"Mast"_s);
        QTRY_VERIFY_WITH_TIMEOUT(client.connected(), 10000);
        QCOMPARE(messages, (QStringList{u"Connecting to 127.0.0.1:%1…"_s.arg(port), u"Checking rotctld…"_s,
                                        u"Connected · live station data"_s}));
        QCOMPARE(client.station().rotors.keys(), QStringList{u"Mast"_s});
        QCOMPARE(headings.first(), 0.0);

        // The dummy rotator moves a few degrees a second; the poll carries its steps here.
        client.setControlsEnabled(true);
        QVERIFY(client.turn(u"Mast"_s, 30.0));
        QCOMPARE(lastLogText(client), u"Turn requested: Mast → 30.0°"_s);
        QTRY_COMPARE_WITH_TIMEOUT(headings.last(), 30.0, 20000);
        QVERIFY(std::any_of(headings.cbegin(), headings.cend(), [](double h) { return h > 0.0 && h < 30.0; }));

        clock.advance(3.0);
        QVERIFY(client.turn(u"Mast"_s, 90.0));
        QTRY_VERIFY_WITH_TIMEOUT(headings.last() > 32.0, 10000);
        QVERIFY(client.stop(u"Mast"_s));
        const qsizetype stopped = headings.size();
        QTRY_VERIFY_WITH_TIMEOUT(headings.size() >= stopped + 3, 10000);
        QCOMPARE(headings.last(), headings.at(headings.size() - 2));
        QVERIFY(headings.last() < 60.0);
        QVERIFY(client.connected());

        rotctld.kill();
        QTRY_VERIFY(!client.connected());
        QCOMPARE(client.message(), u"rotctld closed the connection."_s);
    }

    void commands_reachTheRotatorAsSetPositionAndStop()
    {
        SimulatedRotctld rig;
        CLIENT_TEST_CHECK(rig.connect(u"Tower\teast"_s));
        KeltoClient& client = rig.client;
        RotctldSimulator& simulator = rig.simulator;
        // A name that cannot be shown falls back to the program's.
        QCOMPARE(client.station().rotors.keys(), QStringList{u"rotctld"_s});
        QCOMPARE(client.station().rotors.first().heading, std::optional(180.0));

        client.setControlsEnabled(true);
        simulator.clearReceived();
        QVERIFY(client.turn(u"rotctld"_s, 90.25));
        QVERIFY(client.stop(u"rotctld"_s));
        // A jog has no rotctld command: refused here, never sent.
        QVERIFY(!client.jog(u"rotctld"_s, true));
        QTRY_COMPARE(simulator.received().mid(0, 2), (QList<QByteArray>{"P 90.2 0.0\n", "S\n"}));
    }

    void rotctldFaults_endTheConnectionWithWhatWentWrong_data()
    {
        QTest::addColumn<int>("errorCode");
        QTest::addColumn<QByteArray>("raw");
        QTest::addColumn<double>("silentSeconds");
        QTest::addColumn<QString>("message");
        QTest::newRow("error report") << -5 << QByteArray() << 0.0
                                      << u"rotctld reported an error: the rotator did not answer in time (RPRT -5)."_s;
        QTest::newRow("garbage for a position")
            << 0 << QByteArray("hello\n") << 0.0 << u"rotctld sent an answer this program cannot read."_s;
        QTest::newRow("line without end") << 0 << QByteArray(2000, '7') << 0.0 << u"rotctld line exceeds 1024 bytes."_s;
        QTest::newRow("silence") << 0 << QByteArray() << 21.0
                                 << u"No server data for 20 seconds. Reconnect to refresh the station."_s;
    }
    void rotctldFaults_endTheConnectionWithWhatWentWrong()
    {
        QFETCH(int, errorCode);
        QFETCH(QByteArray, raw);
        QFETCH(double, silentSeconds);
        QFETCH(QString, message);
        SimulatedRotctld rig;
        CLIENT_TEST_CHECK(rig.connect(u"Mast"_s));
        KeltoClient& client = rig.client;
        RotctldSimulator& simulator = rig.simulator;

        simulator.setErrorCode(errorCode);
        simulator.setSilent(errorCode == 0);
        // Once the next poll is on its way, whatever comes is read as its answer.
        simulator.clearReceived();
        QTRY_VERIFY_WITH_TIMEOUT(simulator.received().contains("p\n"), 5000);
        if (!raw.isEmpty()) {
            simulator.sendRaw(raw);
        }
        if (silentSeconds > 0) {
            rig.clock.advance(silentSeconds);
            client.tick();
        }
        QTRY_VERIFY_WITH_TIMEOUT(!client.connected(), 5000);
        QCOMPARE(client.message(), message);
        QCOMPARE(lastLogText(client), message);
    }
};

QTEST_GUILESS_MAIN(TestKeltoClientRotctld)
#include "tst_keltoclient_rotctld.moc"

#include "app/integrations/RotctldServer.h"
#include "app/integrations/StationIntegrations.h"
#include "core/protocol/OVVProtocol.h"
#include "tests/core/client/ClientTestSupport.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpSocket>

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <sys/socket.h>
#include <vector>

using namespace ClientTest;

namespace {

struct Rig;
using Setup = std::function<void(Rig&)>;

// A live simulated station, its client, and the tab's rotctld server serving "Rotor 1".
struct Rig {
    explicit Rig(const StationSimulator::Options& options = {})
        : bench(options)
    {}

    Bench bench;
    StationIntegrations integrations{bench.defaults, bench.clock};
    QString port = QString::number(closedPort());

    void open(bool controls = true)
    {
        bench.connectLive();
        bench.client->setControlsEnabled(controls);
        integrations.load(bench.client->endpoint());
        IntegrationSettings settings;
        settings.rotctldPort = port;
        settings.rotctldRotor = u"Rotor 1"_s;
        settings.rotctldPark = 90.0;
        integrations.setSettings(settings);
        integrations.startRotctld(*bench.client);
        QCOMPARE(integrations.rotctldServer().message(), u"Listening on 127.0.0.1:"_s + port);
        bench.simulator->clearReceived();
    }

    // Everything the station got since the last check, then a marker sent now: nothing can
    // still be on its way.
    void expectStationGot(QList<QByteArray> commands)
    {
        bench.client->refreshPresets();
        commands.append("GET_LOCATIONS\r\n");
        QTRY_COMPARE(commandRecords(*bench.simulator), commands);
        bench.simulator->clearReceived();
    }

    std::unique_ptr<QTcpSocket> peer() const
    {
        auto socket = std::make_unique<QTcpSocket>();
        socket->connectToHost(QHostAddress::LocalHost, port.toUShort());
        return socket;
    }
};

struct Run {
    int exitCode = -1;
    QString output;
};

// Hamlib's rotctl with its network backend, as a user runs it against this program. Waited for
// with the event loop running: the server answering it lives on this thread.
Run rotctl(const QString& port, const QStringList& commands)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QStandardPaths::findExecutable(u"rotctl"_s),
                  QStringList{u"-m"_s, u"2"_s, u"-r"_s, u"127.0.0.1:"_s + port} + commands);
    [&] { QTRY_VERIFY_WITH_TIMEOUT(process.state() == QProcess::NotRunning, 20000); }();
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAll())};
}

// Sends one line and returns the answer once `lines` lines of it have come.
QByteArray ask(QTcpSocket& socket, const QByteArray& line, int lines)
{
    socket.write(line);
    QByteArray answer;
    const auto complete = [&] {
        answer += socket.readAll();
        return answer.count('\n') >= lines;
    };
    [&] { QTRY_VERIFY(complete()); }();
    return answer;
}

// The TURN and STOP lines the simulator receives, each at the milliseconds of `wall`.
using Traffic = QList<std::pair<qint64, QByteArray>>;
void watch(StationSimulator& simulator, const QElapsedTimer& wall, Traffic& traffic)
{
    QObject::connect(&simulator, &StationSimulator::recorded, &simulator, [&](QByteArray record) {
        if (record.startsWith("TURN") || record.startsWith("STOP")) {
            traffic.append({wall.elapsed(), record.trimmed().replace('\x1f', ' ')});
            qInfo("%6lld ms  station got %s", static_cast<long long>(traffic.last().first),
                  traffic.last().second.data());
        }
    });
}

// Every TURN at least this long after the line before it. Turns leave a second apart; the margin
// is for their delivery on a busy machine.
bool turnsApart(const Traffic& traffic, qint64 milliseconds)
{
    return std::adjacent_find(traffic.cbegin(), traffic.cend(), [=](const auto& a, const auto& b) {
               return b.second.startsWith("TURN") && b.first - a.first < milliseconds;
           }) == traffic.cend();
}

} // namespace

Q_DECLARE_METATYPE(Setup)
Q_DECLARE_METATYPE(KeltoClient::TurnRefusal)

// The tab's rotctld server with Hamlib's rotctl as its client and the station simulator as the
// station; hostile peers from raw sockets.
class TestRotctldServer final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        if (QStandardPaths::findExecutable(u"rotctl"_s).isEmpty()) {
            QSKIP("rotctl is not installed (scripts/setup installs libhamlib-utils)");
        }
    }

    void rotctl_readsTheHeadingAndTurnsAndStopsThroughTheGuards_data()
    {
        QTest::addColumn<bool>("controls");
        QTest::newRow("control enabled") << true;
        QTest::newRow("control disabled") << false;
    }
    void rotctl_readsTheHeadingAndTurnsAndStopsThroughTheGuards()
    {
        QFETCH(bool, controls);
        Rig rig;
        CLIENT_TEST_CHECK(rig.open(controls));

        const Run read = rotctl(rig.port, {u"p"_s});
        QCOMPARE(read.exitCode, 0);
        const double heading = *rig.bench.client->station().rotors.value(u"Rotor 1"_s).heading;
        QCOMPARE(read.output.split(u'\n').first().toDouble(), std::round(heading * 100) / 100);

        // A tracker's loop, with the satellite's elevation: the first target turns at once, the
        // later ones wait for the interval, and the stop drops them.
        const Run moved = rotctl(rig.port, QStringLiteral("P 200 10 P 230 45 P 260 80 S").split(u' '));
        const QString origin = u" (rotctld client 127.0.0.1:"_s;
        if (controls) {
            QCOMPARE(moved.exitCode, 0);
            QTest::qWait(RotctldServer::reaimInterval);
            rig.expectStationGot({*OVVProtocol::turn(u"Rotor 1", 200.0), *OVVProtocol::stop(u"Rotor 1")});
            const QStringList log = logTexts(*rig.bench.client);
            QVERIFY(log.at(log.size() - 3).startsWith(u"Turn requested: Rotor 1 → 200.0°"_s + origin));
            QVERIFY(log.at(log.size() - 2).startsWith(u"Stop requested: Rotor 1"_s + origin));
        } else {
            // rotctl prints each error with whatever its log held before, so only the parts are sure.
            QCOMPARE(moved.exitCode, 2);
            QVERIFY(moved.output.contains(u"set_pos: error"_s) && moved.output.contains(u"stop: error"_s) &&
                    moved.output.contains(u"Command rejected by the rig"_s));
            rig.expectStationGot({});
            QCOMPARE(logTexts(*rig.bench.client).filter(u"Turn blocked: control is off."_s + origin).size(),
                     qsizetype(3));
        }
        // Lines of the window's own commands carry no label.
        rig.bench.client->stop(u"Rotor 2"_s);
        QCOMPARE(lastLogText(*rig.bench.client),
                 controls ? u"Stop requested: Rotor 2"_s : u"Requested server presets"_s);
    }

    void badLines_areAnsweredWithReportsAndTheConnectionStaysUsable()
    {
        Rig rig;
        CLIENT_TEST_CHECK(rig.open());
        std::unique_ptr<QTcpSocket> socket = rig.peer();
        struct Exchange {
            QByteArray line;
            QByteArray answer;
        };
        const QList<Exchange> exchanges{
            {"P 90\n", "RPRT -1\n"},
            {"\\set_pos abc 0\n", "RPRT -1\n"},
            {"P 361 0\n", "RPRT -1\n"},
            {"+P 90 91\n", "set_pos: 90 91\nRPRT -1\n"},
            {"M 2 50\n", "RPRT -1\n"},
            {"x\n", "RPRT -4\n"},
            {"\\get_status\n", "RPRT -4\n"},
            {QByteArray(1000, 'z') + '\n', "RPRT -4\n"},
            {"_\n", "Xalto Station Control: Rotor 1\n"},
            {"K\n", "RPRT 0\n"},
        };
        for (const Exchange& exchange : exchanges) {
            QCOMPARE(ask(*socket, exchange.line, static_cast<int>(exchange.answer.count('\n'))), exchange.answer);
        }
        const QByteArray position = ask(*socket, "+\\get_pos\n", 4);
        QVERIFY2(position.startsWith("get_pos:\nAzimuth: ") && position.endsWith("\nElevation: 0.00\nRPRT 0\n"),
                 position.constData());
        // Only the park turned the rotor, to the heading of the settings.
        rig.expectStationGot({*OVVProtocol::turn(u"Rotor 1", 90.0)});
        QCOMPARE(rig.integrations.rotctldServer().clientCount(), 1);
    }

    // As "printf 'S\n' | nc 127.0.0.1 4533" does: its last lines, then the end of its side.
    void peerClosingItsSide_stillHasItsLastCommandsRun()
    {
        Rig rig;
        CLIENT_TEST_CHECK(rig.open());
        std::unique_ptr<QTcpSocket> socket = rig.peer();
        QVERIFY(socket->waitForConnected(5000));
        socket->write("S\n");
        QVERIFY(socket->waitForBytesWritten(5000));
        QCOMPARE(::shutdown(static_cast<int>(socket->socketDescriptor()), SHUT_WR), 0);
        QTRY_VERIFY(lastLogText(*rig.bench.client).startsWith(u"Stop requested: Rotor 1 (rotctld client "_s));
        // The peer goes once its lines have run.
        QTRY_COMPARE(rig.integrations.rotctldServer().clientCount(), 0);
        rig.expectStationGot({*OVVProtocol::stop(u"Rotor 1")});
    }

    void hostilePeers_loseTheirConnectionAndOthersAreStillServed_data()
    {
        QTest::addColumn<QByteArray>("flood");
        QTest::addColumn<int>("readBuffer");
        QTest::newRow("1 MB without a line break") << QByteArray(1 << 20, 'x') << 0;
        // Answers pile up behind a peer that only sends.
        QTest::newRow("never reads") << QByteArray("\\dump_state\n").repeated(200'000) << 1024;
    }
    void hostilePeers_loseTheirConnectionAndOthersAreStillServed()
    {
        QFETCH(QByteArray, flood);
        QFETCH(int, readBuffer);
        Rig rig;
        CLIENT_TEST_CHECK(rig.open());
        std::unique_ptr<QTcpSocket> hostile = rig.peer();
        hostile->setReadBufferSize(readBuffer);
        std::unique_ptr<QTcpSocket> neighbour = rig.peer();
        QVERIFY(hostile->waitForConnected(5000) && neighbour->waitForConnected(5000));
        hostile->write(flood);
        QTRY_COMPARE_WITH_TIMEOUT(rig.integrations.rotctldServer().clientCount(), 1, 30000);
        // A peer that reads nothing cannot see its end either; once it reads, it does.
        hostile->setReadBufferSize(0);
        const auto ended = [&] {
            hostile->readAll();
            return hostile->state() == QAbstractSocket::UnconnectedState;
        };
        QTRY_VERIFY(ended());
        QCOMPARE(ask(*neighbour, "\\dump_state\n", 9).count('\n'), 9);
    }

    void twoHundredClients_areServedOrRefusedCleanly()
    {
        Rig rig;
        CLIENT_TEST_CHECK(rig.open());
        std::vector<std::unique_ptr<QTcpSocket>> peers;
        for (int i = 0; i < 200; ++i) {
            peers.push_back(rig.peer());
            peers.back()->write("p\n");
        }
        // Each peer either has its whole answer or has been closed without one.
        const auto settled = [&] {
            return std::all_of(peers.cbegin(), peers.cend(), [](const auto& peer) {
                return peer->state() == QAbstractSocket::UnconnectedState || peer->peek(64).count('\n') == 2;
            });
        };
        QTRY_VERIFY_WITH_TIMEOUT(settled(), 20000);
        const auto served = std::count_if(peers.cbegin(), peers.cend(), [](const auto& peer) {
            return peer->state() == QAbstractSocket::ConnectedState;
        });
        QCOMPARE(static_cast<int>(served), RotctldServer::maxClients);
        for (const auto& peer : peers) {
            if (peer->state() != QAbstractSocket::ConnectedState) {
                QCOMPARE(peer->bytesAvailable(), qint64(0));
            }
        }
        peers.clear();
        QTRY_COMPARE(rig.integrations.rotctldServer().clientCount(), 0);
        std::unique_ptr<QTcpSocket> later = rig.peer();
        QCOMPARE(ask(*later, "p\n", 2).count('\n'), 2);
    }

    void takenPort_isReportedAndStopRestoresTheRecord()
    {
        Rig rig;
        QTcpServer squatter;
        QVERIFY(squatter.listen(QHostAddress::LocalHost, rig.port.toUShort()));
        IntegrationSettings settings;
        settings.rotctldPort = rig.port;
        rig.integrations.load(u"station:1"_s);
        rig.integrations.setSettings(settings);
        rig.integrations.startRotctld(*rig.bench.client);
        QCOMPARE(rig.integrations.rotctldServer().message(), u"Port in use"_s);
        QVERIFY(!rig.integrations.rotctldServer().running());

        // The switch is stored: loading the server again listens as soon as the port is free.
        squatter.close();
        rig.integrations.load(QString());
        rig.integrations.load(u"station:1"_s);
        QVERIFY(rig.integrations.settings().rotctldEnabled);
        rig.integrations.serveRotctld(*rig.bench.client);
        QCOMPARE(rig.integrations.rotctldServer().message(), u"Listening on 127.0.0.1:"_s + rig.port);
        rig.integrations.stopRotctld();
        QCOMPARE(rig.integrations.rotctldServer().message(), u"Stopped"_s);
        rig.integrations.load(QString());
        rig.integrations.load(u"station:1"_s);
        QVERIFY(!rig.integrations.settings().rotctldEnabled);
    }

    // gpredict's rotator loop: the position every 100 ms and the target every 800 ms, first a
    // fixed one until the reading is within 5°, then a pass stepping it 0.5° a second. A fast
    // rotor and a short pass keep the run to seconds.
    void gpredictPattern_isServedWithoutErrorsAndTurnsAtMostOnceASecond()
    {
        QElapsedTimer wall;
        Traffic traffic;
        StationSimulator::Options fast;
        fast.turnRate = 40.0;
        Rig rig(fast);
        CLIENT_TEST_CHECK(rig.open());
        std::unique_ptr<QTcpSocket> socket = rig.peer();
        wall.start();
        watch(*rig.bench.simulator, wall, traffic);
        const Instant start = rig.bench.clock.now();
        const auto exchange = [&](const QByteArray& line, int lines) {
            rig.bench.clock.set(start + static_cast<double>(wall.elapsed()) / 1000.0);
            const QByteArray answer = ask(*socket, line, lines);
            if (line != "p\n") {
                const QByteArray text = QByteArray(line.trimmed() + " -> " + answer.trimmed()).replace('\n', " | ");
                qInfo("%6lld ms  %s", static_cast<long long>(wall.elapsed()), text.constData());
            }
            return answer;
        };
        double target = 189.56;
        std::optional<qint64> pass;
        for (int cycle = 0; !pass || wall.elapsed() - *pass < 6000; ++cycle, QTest::qWait(100)) {
            QVERIFY(wall.elapsed() < 30000);
            const double reading = exchange("p\n", 2).split('\n').first().toDouble();
            if (!pass && std::fabs(reading - target) <= 5.0) {
                pass = wall.elapsed();
            }
            if (cycle % 8 == 0) {
                target = 189.56 + (pass ? 0.5 * static_cast<double>(wall.elapsed() - *pass) / 1000.0 : 0.0);
                QCOMPARE(exchange("P " + QByteArray::number(target, 'f', 2) + " 0.00\n", 1), QByteArray("RPRT 0\n"));
            }
        }
        StationSimulator& station = *rig.bench.simulator;
        QTRY_VERIFY(!station.rotorTarget(u"Rotor 1"_s) && std::fabs(*station.rotorHeading(u"Rotor 1"_s) - target) <= 1);
        // Targets faster than the interval: the first turns at once, the latest after it, and a
        // stop ends that turn.
        QTest::qWait(RotctldServer::reaimInterval);
        QCOMPARE(exchange("P 250 0\nP 275 0\nP 300 0\n", 3), QByteArray("RPRT 0\nRPRT 0\nRPRT 0\n"));
        QTRY_COMPARE(traffic.last().second, QByteArray("TURN Rotor 1 300.0"));
        QCOMPARE(exchange("S\n", 1), QByteArray("RPRT 0\n"));
        QTRY_VERIFY(!station.rotorTarget(u"Rotor 1"_s) && *station.rotorHeading(u"Rotor 1"_s) < 300);
        QCOMPARE(traffic.at(traffic.size() - 3).second + traffic.last().second, "TURN Rotor 1 250.0STOP Rotor 1");
        QVERIFY(turnsApart(traffic, 900));
    }

    void refusals_logTheirReasonAndAnswerItsCode_data()
    {
        using Refusal = KeltoClient::TurnRefusal;
        QTest::addColumn<Setup>("setup");
        QTest::addColumn<Refusal>("refusal");
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("logged");
        const auto row = [](const char* name, const Setup& setup, Refusal refusal, const char* line, int code,
                            const char* logged) {
            QTest::newRow(name) << setup << refusal << QByteArray(line) << code << QString::fromUtf8(logged);
        };
        row(
            "control off", [](Rig& r) { r.bench.client->setControlsEnabled(false); }, Refusal::controlOff, "P 200 0\n",
            -9, "Turn blocked: control is off.");
        row(
            "heading stale", [](Rig& r) { r.bench.simulator->setFault(StationSimulator::Fault::silence); },
            Refusal::headingStale, "P 200 0\n", -5, "Turn blocked: heading is stale.");
        row(
            "rotor not on the station", [](Rig& r) { r.bench.simulator->removeRotor(u"Rotor 1"_s); },
            Refusal::rotorMissing, "K\n", -11, "Turn blocked: rotor not on the station.");
        row(
            "rotor offline", [](Rig& r) { r.bench.simulator->setRotorStatus(u"Rotor 1"_s, u"1"_s); },
            Refusal::rotorUnavailable, "P 200 0\n", -11, "Turn blocked: rotor does not accept a turn.");
        // A jog steps from where the rotor is: it waits for the heading to settle.
        row(
            "heading changing", [](Rig& r) { r.bench.client->turn(u"Rotor 1"_s, 200.0); }, Refusal::headingChanging,
            "M 16 0\n", -9, "Jog blocked: heading is changing.");
    }
    void refusals_logTheirReasonAndAnswerItsCode()
    {
        QFETCH(Setup, setup);
        QFETCH(KeltoClient::TurnRefusal, refusal);
        QFETCH(QByteArray, line);
        QFETCH(int, code);
        QFETCH(QString, logged);
        Rig rig;
        CLIENT_TEST_CHECK(rig.open());
        std::unique_ptr<QTcpSocket> socket = rig.peer();
        setup(rig);
        // Silent, the station's last report goes stale with time alone.
        rig.bench.clock.advance(refusal == KeltoClient::TurnRefusal::headingStale ? Rotor::freshSeconds : 0.0);
        QTRY_VERIFY(rig.bench.client->jogRefusal(u"Rotor 1"_s) == refusal);
        rig.bench.simulator->clearReceived();
        QCOMPARE(ask(*socket, line, 1), "RPRT " + QByteArray::number(code) + '\n');
        const QString last = lastLogText(*rig.bench.client);
        QVERIFY2(last.startsWith(logged + u" (rotctld client 127.0.0.1:"_s), qPrintable(last));
        rig.expectStationGot({});
    }
};

QTEST_GUILESS_MAIN(TestRotctldServer)
#include "tst_rotctldserver.moc"

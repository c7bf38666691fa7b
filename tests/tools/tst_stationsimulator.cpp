#include "tools/station-sim/Kt90Simulator.h"
#include "tools/station-sim/StationSimulator.h"

#include <QCryptographicHash>
#include <QNetworkDatagram>
#include <QSet>
#include <QSignalSpy>
#include <QTcpSocket>
#include <QTest>
#include <QUdpSocket>

#include <fcntl.h>
#include <functional>
#include <memory>
#include <optional>
#include <termios.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace {

// One wire line: fields joined by the unit separator, ended by CR LF.
QByteArray wire(const QByteArrayList& fields)
{
    return fields.join('\x1f') + "\r\n";
}

QByteArray sha256(const QByteArray& bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}

// The login answer as the protocol defines it: user and challenge in Windows-1252 (Latin-1
// suffices for the names used here), the password cut to the low byte of each UTF-16 unit.
QByteArray loginAnswer(const QString& user, const QString& password, const QByteArray& challenge)
{
    const QByteArray userBytes = user.toLatin1();
    QByteArray passwordBytes;
    for (const QChar ch : password) {
        passwordBytes.append(static_cast<char>(ch.unicode() & 0xFF));
    }
    return sha256(userBytes + challenge + sha256(userBytes + passwordBytes));
}

StationSimulator::Options fastOptions()
{
    StationSimulator::Options options;
    options.turnRate = 600.0;
    options.reportInterval = 20;
    return options;
}

// A plain TCP peer reading the server's byte stream line by line.
class LinePeer final {
public:
    explicit LinePeer(quint16 port, const QHostAddress& local = {})
    {
        if (!local.isNull()) {
            m_bound = socket.bind(local);
        }
        socket.connectToHost(QHostAddress::LocalHost, port);
    }

    bool bound() const { return m_bound; }
    bool waitConnected()
    {
        return QTest::qWaitFor([this] { return socket.state() == QTcpSocket::ConnectedState; });
    }
    bool waitClosed()
    {
        return QTest::qWaitFor([this] { return socket.state() == QTcpSocket::UnconnectedState; });
    }

    // The next whole line with its CR LF; empty when none came in time.
    QByteArray nextLine(int timeout = 5000)
    {
        const bool complete = QTest::qWaitFor(
            [this] {
                if (socket.isOpen()) {
                    m_buffer += socket.readAll();
                }
                return m_buffer.contains('\n');
            },
            timeout);
        if (!complete) {
            return {};
        }
        const qsizetype end = m_buffer.indexOf('\n') + 1;
        const QByteArray line = m_buffer.left(end);
        m_buffer.remove(0, end);
        return line;
    }

    QByteArray lineStartingWith(const QByteArray& prefix)
    {
        for (QByteArray line = nextLine(); !line.isEmpty(); line = nextLine()) {
            if (line.startsWith(prefix)) {
                return line;
            }
        }
        return {};
    }

    void send(const QByteArray& bytes)
    {
        QVERIFY(waitConnected());
        socket.write(bytes);
        socket.flush();
    }

    QTcpSocket socket;

private:
    QByteArray m_buffer;
    bool m_bound = true;
};

// The client end of one KT-90 transport.
struct Terminal {
    std::function<void(const QByteArray&)> send;
    std::function<QByteArray()> read;
    std::shared_ptr<void> keep;
};

Terminal tcpTerminal(quint16 port)
{
    auto socket = std::make_shared<QTcpSocket>();
    socket->connectToHost(QHostAddress::LocalHost, port);
    const bool connected = QTest::qWaitFor([&] { return socket->state() == QTcpSocket::ConnectedState; });
    if (!connected) {
        return {};
    }
    return {[socket](const QByteArray& bytes) { socket->write(bytes); }, [socket] { return socket->readAll(); },
            socket};
}

Terminal udpTerminal(quint16 port)
{
    auto socket = std::make_shared<QUdpSocket>();
    if (!socket->bind(QHostAddress::LocalHost, 0)) {
        return {};
    }
    return {[socket, port](const QByteArray& bytes) { socket->writeDatagram(bytes, QHostAddress::LocalHost, port); },
            [socket] {
                QByteArray bytes;
                while (socket->hasPendingDatagrams()) {
                    bytes += socket->receiveDatagram().data();
                }
                return bytes;
            },
            socket};
}

Terminal ptyTerminal(const QString& path)
{
    const int fd = ::open(path.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) {
        return {};
    }
    termios settings{};
    ::tcgetattr(fd, &settings);
    ::cfmakeraw(&settings);
    ::tcsetattr(fd, TCSANOW, &settings);
    auto handle = std::shared_ptr<int>(new int(fd), [](int* owned) {
        ::close(*owned);
        delete owned;
    });
    return {[handle](const QByteArray& bytes) {
                if (::write(*handle, bytes.constData(), bytes.size()) != bytes.size()) {
                    qWarning("short write to the pseudo-terminal");
                }
            },
            [handle] {
                char buffer[256];
                const ssize_t count = ::read(*handle, buffer, sizeof(buffer));
                return count > 0 ? QByteArray(buffer, count) : QByteArray();
            },
            handle};
}

// Everything the terminal answers until `predicate` holds for it.
QByteArray readUntil(Terminal& terminal, const std::function<bool(const QByteArray&)>& predicate)
{
    QByteArray bytes;
    const bool complete = QTest::qWaitFor([&] {
        bytes += terminal.read();
        return predicate(bytes);
    });
    return complete ? bytes : QByteArray();
}

} // namespace

using DeviceCheck = std::function<bool(const StationSimulator&)>;
Q_DECLARE_METATYPE(DeviceCheck)

class TestStationSimulator final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void greeting_describesStationThenReportsState_data();
    void greeting_describesStationThenReportsState();
    void turn_reportsTurningStatusThenReady_data();
    void turn_reportsTurningStatusThenReady();
    void stop_haltsRotorShortOfTarget();
    void commands_changeSimulatedDevices_data();
    void commands_changeSimulatedDevices();
    void lock_belongsToPeerAddress();
    void getLocations_answersInServerOrder();
    void received_recordsExactBytesAcrossPackets();
    void login_checksChallengeAnswer_data();
    void login_checksChallengeAnswer();
    void serverFull_refusesClientPastLimit();
    void faults_reachClients_data();
    void faults_reachClients();
    void silence_sendsNothingUntilLifted();
    void neverRead_leavesCommandsUnreadUntilLifted();
    void kt90_answersQueryTurnsAndStops_data();
    void kt90_answersQueryTurnsAndStops();
    void kt90_presetWithoutExecuteWaitsForMove();
};

void TestStationSimulator::greeting_describesStationThenReportsState_data()
{
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("rotor") << wire({"ADD", "Rotor 2"});
    QTest::newRow("plain switch") << wire(
        {"SWITCHADD", "1", "Switch 1", "OFF", "Dipole", "Vertical", "Loop", "Beverage"});
    QTest::newRow("beam switch") << wire({"SWITCHADD", "2", "Switch 2",
                                          "North Beam\x1d"
                                          "0\x1d"
                                          "60\x1d"
                                          "false",
                                          "East Beam\x1d"
                                          "90\x1d"
                                          "60\x1d"
                                          "false",
                                          "South Beam\x1d"
                                          "180\x1d"
                                          "60\x1d"
                                          "false",
                                          "West Beam\x1d"
                                          "270\x1d"
                                          "60\x1d"
                                          "false",
                                          "NS Dipole\x1d"
                                          "0\x1d"
                                          "80\x1d"
                                          "true"});
    QTest::newRow("band switch") << wire({"SWITCHADD", "3", "Switch 3",
                                          "160m\x1d"
                                          "1.8\x1d"
                                          "2",
                                          "80m\x1d"
                                          "3.5\x1d"
                                          "4",
                                          "40m\x1d"
                                          "7\x1d"
                                          "7.3",
                                          "20m\x1d"
                                          "14\x1d"
                                          "14.35",
                                          "15m\x1d"
                                          "21\x1d"
                                          "21.45",
                                          "10m\x1d"
                                          "28\x1d"
                                          "29.7"});
    QTest::newRow("multi switch") << wire({"SWITCHADD", "4", "Switch 4", "RX 1", "RX 2", "RX 3", "RX 4"});
    QTest::newRow("locks") << wire({"SWITCHLOCKS", "Switch 3", "160m"});
    QTest::newRow("no locks") << wire({"SWITCHLOCKS", "Switch 2"});
    QTest::newRow("stack outputs") << wire({"STACKADD", "Upper,Middle,Lower"});
    QTest::newRow("tuner") << wire({"TURVIXADD", "Tuner", "Capacitor\x1dInductor",
                                    "40m\x1d"
                                    "20m\x1d"
                                    "15m\x1d"
                                    "10m",
                                    "7\x1d"
                                    "14\x1d"
                                    "21\x1d"
                                    "28",
                                    "7.3\x1d"
                                    "14.35\x1d"
                                    "21.45\x1d"
                                    "29.7"});
    QTest::newRow("position report") << wire({"POINT", "Rotor 1", "45.0", "0", "-61"});
    QTest::newRow("switch report") << wire({"SWITCHUPDATE", "Switch 4", "RX 1,RX 3", "0", "-80"});
    QTest::newRow("stack report") << wire({"STACK", "Upper,Middle,Lower", "true", "false", "true", "false", "0", "0"});
    QTest::newRow("tuner report") << wire({"TURVIX", "Tuner", "0", "-68", "20m", "80.0", "140.0"});
}

void TestStationSimulator::greeting_describesStationThenReportsState()
{
    QFETCH(QByteArray, expected);
    StationSimulator sim(fastOptions());
    QVERIFY(sim.listen());
    LinePeer peer(sim.serverPort());

    QByteArrayList lines;
    while (lines.isEmpty() || !lines.last().startsWith("TURVIX\x1f")) {
        const QByteArray line = peer.nextLine();
        QVERIFY(line.endsWith("\r\n"));
        lines.append(line);
    }
    QVERIFY2(lines.contains(expected), expected.constData());

    // The station is described completely before its first report.
    const auto firstReport =
        std::find_if(lines.cbegin(), lines.cend(), [](const QByteArray& line) { return line.startsWith("POINT\x1f"); });
    QVERIFY(firstReport != lines.cend());
    QVERIFY(std::all_of(firstReport, lines.cend(), [](const QByteArray& line) {
        return line.startsWith("POINT\x1f") || line.startsWith("SWITCHUPDATE\x1f") || line.startsWith("STACK\x1f") ||
               line.startsWith("TURVIX\x1f");
    }));
    QCOMPARE(int(std::count_if(lines.cbegin(), firstReport,
                               [](const QByteArray& line) { return line.startsWith("ADD\x1f"); })),
             2);
}

void TestStationSimulator::turn_reportsTurningStatusThenReady_data()
{
    QTest::addColumn<QByteArray>("command");
    QTest::addColumn<QByteArray>("turningStatus");
    QTest::addColumn<double>("heading");

    // Rotor 1 starts at 45 degrees; the end stops are at 0 and 360.
    QTest::newRow("clockwise") << wire({"TURN", "Rotor 1", "100.0"}) << QByteArray("3") << 100.0;
    QTest::newRow("counterclockwise") << wire({"TURN", "Rotor 1", "10.5"}) << QByteArray("4") << 10.5;
    QTest::newRow("jog clockwise") << wire({"TURN", "Rotor 1", "CW"}) << QByteArray("3") << 55.0;
    QTest::newRow("jog counterclockwise") << wire({"TURN", "Rotor 1", "CCW"}) << QByteArray("4") << 35.0;
    QTest::newRow("preset") << wire({"TO_PRESET", "Rotor 1", "Africa"}) << QByteArray("3") << 135.0;
    QTest::newRow("to the end stop") << wire({"TURN", "Rotor 1", "0"}) << QByteArray("4") << 0.0;
}

void TestStationSimulator::turn_reportsTurningStatusThenReady()
{
    QFETCH(QByteArray, command);
    QFETCH(QByteArray, turningStatus);
    QFETCH(double, heading);
    StationSimulator sim(fastOptions());
    QVERIFY(sim.listen());
    LinePeer peer(sim.serverPort());
    const QByteArray prefix = "POINT\x1fRotor 1\x1f";
    QVERIFY(!peer.lineStartingWith(prefix).isEmpty());

    peer.send(command);
    QByteArray report;
    do {
        report = peer.lineStartingWith(prefix);
        QVERIFY(!report.isEmpty());
    } while (report.split('\x1f').at(3) != turningStatus);

    do {
        report = peer.lineStartingWith(prefix);
        QVERIFY(!report.isEmpty());
    } while (report.split('\x1f').at(3) != "0");
    QCOMPARE(report.split('\x1f').at(2), QByteArray::number(heading, 'f', 1));
    QCOMPARE(sim.rotorHeading(u"Rotor 1"_s), std::optional<double>(heading));
    QVERIFY(!sim.rotorTarget(u"Rotor 1"_s));
}

void TestStationSimulator::stop_haltsRotorShortOfTarget()
{
    StationSimulator::Options options = fastOptions();
    options.turnRate = 20.0;
    StationSimulator sim(options);
    QVERIFY(sim.listen());
    LinePeer peer(sim.serverPort());

    peer.send(wire({"TURN", "Rotor 2", "350"}));
    // The turn is reported at once, from where the rotor stands.
    QVERIFY(!peer.lineStartingWith(QByteArrayList{"POINT", "Rotor 2", "165.0", "3"}.join('\x1f')).isEmpty());
    peer.send(wire({"STOP", "Rotor 2"}));
    QByteArray report;
    do {
        report = peer.lineStartingWith("POINT\x1fRotor 2\x1f");
        QVERIFY(!report.isEmpty());
    } while (report.split('\x1f').at(3) != "0");
    const double heading = sim.rotorHeading(u"Rotor 2"_s).value_or(-1.0);
    QVERIFY(heading >= 165.0 && heading < 350.0);
    QCOMPARE(report.split('\x1f').at(2), QByteArray::number(heading, 'f', 1));
    QVERIFY(!sim.rotorTarget(u"Rotor 2"_s));
    // The following reports show it standing there.
    for (int i = 0; i < 2; ++i) {
        QCOMPARE(peer.lineStartingWith("POINT\x1fRotor 2\x1f"), report);
    }
}

void TestStationSimulator::commands_changeSimulatedDevices_data()
{
    QTest::addColumn<QByteArray>("command");
    QTest::addColumn<DeviceCheck>("check");

    const auto position = [](const char* name, const char* expected) {
        return DeviceCheck([=](const StationSimulator& sim) {
            return sim.switchPosition(QString::fromLatin1(name)) == QString::fromLatin1(expected);
        });
    };
    QTest::newRow("select") << wire({"SET_SWITCH", "Switch 1", "Vertical"}) << position("Switch 1", "Vertical");
    QTest::newRow("locked position refused")
        << wire({"SET_SWITCH", "Switch 1", "Loop"}) << position("Switch 1", "Dipole");
    QTest::newRow("unknown position refused")
        << wire({"SET_SWITCH", "Switch 1", "Yagi"}) << position("Switch 1", "Dipole");
    QTest::newRow("off flag on a plain switch")
        << wire({"SET_SWITCH", "Switch 1", "Vertical", "false"}) << position("Switch 1", "Dipole");
    QTest::newRow("multi add") << wire({"SET_SWITCH", "Switch 4", "RX 2", "true"})
                               << position("Switch 4", "RX 1,RX 2,RX 3");
    QTest::newRow("multi remove") << wire({"SET_SWITCH", "Switch 4", "RX 1", "false"}) << position("Switch 4", "RX 3");
    QTest::newRow("multi without flag") << wire({"SET_SWITCH", "Switch 4", "RX 2"}) << position("Switch 4", "RX 2");
    QTest::newRow("multi bad flag") << wire({"SET_SWITCH", "Switch 4", "RX 2", "yes"})
                                    << position("Switch 4", "RX 1,RX 3");
    QTest::newRow("stack off") << wire({"SET_STACK", "Upper", "false"}) << DeviceCheck([](const StationSimulator& sim) {
        return sim.stackSelected(u"Upper"_s) == false;
    });
    QTest::newRow("stack bad flag") << wire({"SET_STACK", "Middle", "on"})
                                    << DeviceCheck([](const StationSimulator& sim) {
                                           return sim.stackSelected(u"Middle"_s) == false;
                                       });
    QTest::newRow("tuner position")
        << wire({"SET_TURVIX", "Tuner", "40m"}) << DeviceCheck([](const StationSimulator& sim) {
               return sim.tunerPosition() == "40m"_L1 && sim.tunerHeadings() == QList<double>{120.0, 200.0};
           });
    QTest::newRow("tuner jog") << wire({"TURVIXTURN", "Tuner", "Inductor", "CCW"})
                               << DeviceCheck([](const StationSimulator& sim) {
                                      return sim.tunerHeadings() == QList<double>{80.0, 135.0};
                                  });
    QTest::newRow("tuner calibration") << wire({"TURVIX_CAL", "Tuner", "Capacitor"})
                                       << DeviceCheck([](const StationSimulator& sim) {
                                              return sim.tunerHeadings() == QList<double>{0.0, 140.0};
                                          });
    QTest::newRow("heading out of range")
        << wire({"TURN", "Rotor 1", "360.1"})
        << DeviceCheck([](const StationSimulator& sim) { return !sim.rotorTarget(u"Rotor 1"_s); });
    QTest::newRow("unknown preset") << wire({"TO_PRESET", "Rotor 1", "Mars"})
                                    << DeviceCheck(
                                           [](const StationSimulator& sim) { return !sim.rotorTarget(u"Rotor 1"_s); });
    QTest::newRow("lock") << wire({"LOCK", "Rotor 1"}) << DeviceCheck([](const StationSimulator& sim) {
        return sim.rotorLocked(u"Rotor 1"_s) && !sim.rotorLocked(u"Rotor 2"_s);
    });
}

void TestStationSimulator::commands_changeSimulatedDevices()
{
    QFETCH(QByteArray, command);
    QFETCH(DeviceCheck, check);
    StationSimulator sim(fastOptions());
    QVERIFY(sim.listen());
    LinePeer peer(sim.serverPort());
    QVERIFY(!peer.lineStartingWith("TURVIX\x1f").isEmpty());

    peer.send(command);
    // Commands take effect as they are read, so the record is the moment to look.
    QTRY_VERIFY(sim.received().contains(command));
    QVERIFY(check(sim));
}

void TestStationSimulator::lock_belongsToPeerAddress()
{
    StationSimulator sim(fastOptions());
    QVERIFY(sim.listen());
    LinePeer owner(sim.serverPort());
    LinePeer other(sim.serverPort(), QHostAddress(u"127.0.0.2"_s));
    if (!other.bound() || !other.waitConnected()) {
        QSKIP("127.0.0.2 is not usable as a loopback source address here");
    }
    QVERIFY(owner.waitConnected());
    QTRY_COMPARE(sim.clientCount(), 2);

    const auto sendAndWait = [&](LinePeer& peer, const QByteArray& command) {
        const qsizetype before = sim.received().size();
        peer.send(command);
        return QTest::qWaitFor([&] { return sim.received().size() > before; });
    };
    QVERIFY(sendAndWait(owner, wire({"LOCK", "Rotor 1"})));
    QVERIFY(sendAndWait(other, wire({"TURN", "Rotor 1", "90.0"})));
    QVERIFY(!sim.rotorTarget(u"Rotor 1"_s));
    QVERIFY(sendAndWait(other, wire({"UNLOCK", "Rotor 1"})));
    QVERIFY(sim.rotorLocked(u"Rotor 1"_s));
    QVERIFY(sendAndWait(owner, wire({"TURN", "Rotor 1", "90.0"})));
    QCOMPARE(sim.rotorTarget(u"Rotor 1"_s), std::optional<double>(90.0));
    QVERIFY(sendAndWait(owner, wire({"UNLOCK", "Rotor 1"})));
    QVERIFY(!sim.rotorLocked(u"Rotor 1"_s));

    sim.lockRotorElsewhere(u"Rotor 2"_s);
    QVERIFY(sendAndWait(owner, wire({"TURN", "Rotor 2", "90.0"})));
    QVERIFY(!sim.rotorTarget(u"Rotor 2"_s));
}

void TestStationSimulator::getLocations_answersInServerOrder()
{
    StationSimulator sim(fastOptions());
    QVERIFY(sim.listen());
    LinePeer peer(sim.serverPort());
    peer.send("GET_LOCATIONS\r\n");
    QCOMPARE(peer.lineStartingWith("LOCATIONS"),
             wire({"LOCATIONS", "Europe", "Japan", "Africa", "South America", "North America"}));
}

void TestStationSimulator::received_recordsExactBytesAcrossPackets()
{
    StationSimulator sim(fastOptions());
    QVERIFY(sim.listen());
    QSignalSpy recorded(&sim, &StationSimulator::recorded);
    LinePeer peer(sim.serverPort());
    QVERIFY(!peer.nextLine().isEmpty());

    const QByteArray stop = wire({"STOP", "Rotor 1"});
    const QByteArray turn = wire({"TURN", "Rotor 2", "10.0"});
    peer.send(stop + QByteArray(1, '\0') + turn.left(7));
    QTRY_COMPARE(sim.received().size(), 2);
    peer.send(turn.mid(7) + "GET_LOCATIONS\n");
    QTRY_COMPARE(sim.received().size(), 4);

    const QByteArrayList expected{stop, QByteArray(1, '\0'), turn, "GET_LOCATIONS\n"};
    QCOMPARE(sim.received(), expected);
    QCOMPARE(recorded.size(), 4);
    QCOMPARE(recorded.at(2).at(0).toByteArray(), turn);
    // A line without CR is still a command.
    QVERIFY(!peer.lineStartingWith("LOCATIONS\x1f").isEmpty());

    sim.clearReceived();
    QVERIFY(sim.received().isEmpty());
}

void TestStationSimulator::login_checksChallengeAnswer_data()
{
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("typedUser");
    QTest::addColumn<QString>("typedPassword");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("correct") << u"op"_s << u"s3cret"_s << u"op"_s << u"s3cret"_s << true;
    QTest::newRow("wrong password") << u"op"_s << u"s3cret"_s << u"op"_s << u"secret"_s << false;
    QTest::newRow("wrong user") << u"op"_s << u"s3cret"_s << u"oq"_s << u"s3cret"_s << false;
    QTest::newRow("empty password") << u"op"_s << QString() << u"op"_s << QString() << true;
    // Only the low byte of each UTF-16 unit counts: U+0141 and "A" both give 0x41.
    QTest::newRow("password cut to low bytes") << u"op"_s << u"\u0141"_s << u"op"_s << u"A"_s << true;
    // The user name goes in as Windows-1252: é is one byte, 0xE9.
    QTest::newRow("user in Windows-1252") << u"Jos\u00e9"_s << u"pw"_s << u"Jos\u00e9"_s << u"pw"_s << true;
}

void TestStationSimulator::login_checksChallengeAnswer()
{
    QFETCH(QString, user);
    QFETCH(QString, password);
    QFETCH(QString, typedUser);
    QFETCH(QString, typedPassword);
    QFETCH(bool, accepted);
    StationSimulator::Options options = fastOptions();
    options.user = user;
    options.password = password;
    StationSimulator sim(options);
    QVERIFY(sim.listen());
    LinePeer peer(sim.serverPort());

    QCOMPARE(peer.nextLine(), QByteArray("USER:\r\n"));
    peer.send(typedUser.toLatin1() + "\r\n");
    const QByteArray pass = peer.nextLine();
    QVERIFY(pass.startsWith("PASS:") && pass.endsWith("\r\n"));
    const QByteArray challenge = pass.mid(5).chopped(2);
    QVERIFY(!challenge.isEmpty());

    const QByteArray answer = loginAnswer(typedUser, typedPassword, challenge);
    QCOMPARE(answer.size(), 32);
    peer.send(answer);
    QTRY_COMPARE(sim.received().size(), 2);
    QCOMPARE(sim.received().at(1), answer);

    if (accepted) {
        QCOMPARE(peer.nextLine(), wire({"ADD", "Rotor 1"}));
        QCOMPARE(sim.clientCount(), 1);
    } else {
        QCOMPARE(peer.nextLine(), QByteArray("INVALID USER/PASS\r\n"));
        QVERIFY(peer.waitClosed());
        QTRY_COMPARE(sim.clientCount(), 0);
    }
}

void TestStationSimulator::serverFull_refusesClientPastLimit()
{
    StationSimulator::Options options = fastOptions();
    options.maxClients = 1;
    StationSimulator sim(options);
    QVERIFY(sim.listen());
    QSignalSpy connected(&sim, &StationSimulator::clientConnected);
    QSignalSpy disconnected(&sim, &StationSimulator::clientDisconnected);

    auto first = std::make_unique<LinePeer>(sim.serverPort());
    QCOMPARE(first->nextLine(), wire({"ADD", "Rotor 1"}));
    LinePeer second(sim.serverPort());
    QCOMPARE(second.nextLine(), QByteArray("SERVER_FULL\r\n"));
    QVERIFY(second.waitClosed());
    QCOMPARE(sim.clientCount(), 1);
    QCOMPARE(connected.size(), 1);

    first.reset();
    QTRY_COMPARE(disconnected.size(), 1);
    QCOMPARE(sim.clientCount(), 0);
    LinePeer third(sim.serverPort());
    QCOMPARE(third.nextLine(), wire({"ADD", "Rotor 1"}));
}

void TestStationSimulator::faults_reachClients_data()
{
    QTest::addColumn<StationSimulator::Fault>("fault");
    QTest::addColumn<bool>("onConnect");

    for (const bool onConnect : {false, true}) {
        const char* when = onConnect ? "new client" : "connected client";
        QTest::addRow("oversized line, %s", when) << StationSimulator::Fault::oversizedLine << onConnect;
        QTest::addRow("invalid text, %s", when) << StationSimulator::Fault::invalidText << onConnect;
        QTest::addRow("flood, %s", when) << StationSimulator::Fault::flood << onConnect;
        QTest::addRow("close, %s", when) << StationSimulator::Fault::close << onConnect;
        QTest::addRow("endless flood, %s", when) << StationSimulator::Fault::endlessFlood << onConnect;
        QTest::addRow("add/remove loop, %s", when) << StationSimulator::Fault::addRemoveLoop << onConnect;
        QTest::addRow("distinct adds, %s", when) << StationSimulator::Fault::distinctAdds << onConnect;
    }
}

void TestStationSimulator::faults_reachClients()
{
    QFETCH(StationSimulator::Fault, fault);
    QFETCH(bool, onConnect);
    StationSimulator::Options options = fastOptions();
    options.reportInterval = 60'000;
    options.floodLines = 3'000;
    StationSimulator sim(options);
    QVERIFY(sim.listen());
    std::unique_ptr<LinePeer> peer;
    if (onConnect) {
        sim.setFault(fault);
        peer = std::make_unique<LinePeer>(sim.serverPort());
    } else {
        peer = std::make_unique<LinePeer>(sim.serverPort());
        QVERIFY(!peer->lineStartingWith("TURVIX\x1f").isEmpty());
        sim.setFault(fault);
    }

    switch (fault) {
    case StationSimulator::Fault::oversizedLine: {
        const QByteArray line = peer->lineStartingWith("POINT\x1fXXX");
        QCOMPARE_GT(line.size(), 65'536 + 2);
        break;
    }
    case StationSimulator::Fault::invalidText: {
        QVERIFY(!peer->lineStartingWith("ADD\x1fRotor \x81").isEmpty());
        break;
    }
    case StationSimulator::Fault::flood: {
        if (onConnect) {
            QVERIFY(!peer->lineStartingWith("TURVIX\x1f").isEmpty());
        }
        for (int lines = 0; lines < options.floodLines; ++lines) {
            QVERIFY(peer->nextLine().endsWith("\r\n"));
        }
        break;
    }
    case StationSimulator::Fault::close:
        QVERIFY(peer->waitClosed());
        QTRY_COMPARE(sim.clientCount(), 0);
        if (onConnect) {
            QVERIFY(peer->nextLine(0).isEmpty());
        }
        break;
    case StationSimulator::Fault::endlessFlood:
    case StationSimulator::Fault::addRemoveLoop:
    case StationSimulator::Fault::distinctAdds: {
        // Past several bursts: the server keeps writing as the peer reads.
        const QByteArray first =
            fault == StationSimulator::Fault::endlessFlood ? QByteArray("POINT\x1f") : QByteArray("ADD\x1fGhost\r\n");
        QByteArray line = fault == StationSimulator::Fault::distinctAdds ? peer->lineStartingWith("ADD\x1fRotor x")
                                                                         : peer->lineStartingWith(first);
        QSet<QByteArray> names;
        for (int lines = 0; lines < 30'000; ++lines) {
            QVERIFY(line.endsWith("\r\n"));
            if (fault == StationSimulator::Fault::addRemoveLoop) {
                QCOMPARE(line, lines % 2 ? wire({"REMOVE", "Ghost"}) : wire({"ADD", "Ghost"}));
            } else if (fault == StationSimulator::Fault::distinctAdds) {
                QVERIFY(line.startsWith("ADD\x1fRotor x"));
                names.insert(line);
            }
            line = peer->nextLine();
        }
        QVERIFY(fault != StationSimulator::Fault::distinctAdds || names.size() == 30'000);
        break;
    }
    case StationSimulator::Fault::none:
    case StationSimulator::Fault::silence:
    case StationSimulator::Fault::neverRead:
        QFAIL("not a row");
    }
}

void TestStationSimulator::neverRead_leavesCommandsUnreadUntilLifted()
{
    StationSimulator sim(fastOptions());
    QVERIFY(sim.listen());
    LinePeer peer(sim.serverPort());
    QVERIFY(!peer.lineStartingWith("TURVIX\x1f").isEmpty());
    sim.setFault(StationSimulator::Fault::neverRead);

    const QByteArray command = wire({"GET_LOCATIONS"});
    for (int i = 0; i < 20'000; ++i) {
        peer.send(command);
    }
    // Reports go on while nothing is read.
    QVERIFY(!peer.lineStartingWith("POINT\x1f").isEmpty());
    QVERIFY(!peer.lineStartingWith("POINT\x1f").isEmpty());
    QVERIFY(sim.received().isEmpty());

    sim.setFault(StationSimulator::Fault::none);
    QTRY_COMPARE(sim.received().size(), 20'000);
}

void TestStationSimulator::silence_sendsNothingUntilLifted()
{
    StationSimulator sim(fastOptions());
    QVERIFY(sim.listen());
    LinePeer peer(sim.serverPort());
    QVERIFY(!peer.lineStartingWith("TURVIX\x1f").isEmpty());

    sim.setFault(StationSimulator::Fault::silence);
    LinePeer late(sim.serverPort());
    QVERIFY(late.waitConnected());
    QTRY_COMPARE(sim.clientCount(), 2);
    // While silent a test writes every byte itself, e.g. several lines in one packet.
    const QByteArray packet = wire({"ADD", "Extra"}) + "SERVER_FULL\r\n" + wire({"ADD", "Never"});
    sim.sendRaw(packet);
    QVERIFY(!peer.lineStartingWith("SERVER_FULL").isEmpty());
    QCOMPARE(peer.nextLine(), wire({"ADD", "Never"}));
    // Several report intervals pass without a byte, to either client.
    QVERIFY(peer.nextLine(200).isEmpty());
    QCOMPARE(late.nextLine(), wire({"ADD", "Extra"}));
    QCOMPARE(late.nextLine(), QByteArray("SERVER_FULL\r\n"));
    QCOMPARE(late.nextLine(), wire({"ADD", "Never"}));
    QVERIFY(late.nextLine(0).isEmpty());

    sim.setFault(StationSimulator::Fault::none);
    QVERIFY(!peer.lineStartingWith("POINT\x1f").isEmpty());
    // The late client is greeted only now.
    QCOMPARE(late.nextLine(), wire({"ADD", "Rotor 1"}));
}

void TestStationSimulator::kt90_answersQueryTurnsAndStops_data()
{
    QTest::addColumn<QString>("transport");
    QTest::addColumn<QByteArray>("turnFrame");
    QTest::addColumn<bool>("decimal");

    QTest::newRow("tcp") << u"tcp"_s << QByteArray("AP2100\r;") << false;
    QTest::newRow("udp") << u"udp"_s << QByteArray("AP2100;AM2;") << false;
    QTest::newRow("pty") << u"pty"_s << QByteArray("AP2100\r;") << false;
    QTest::newRow("udp, decimal headings") << u"udp"_s << QByteArray("AP2100;AM2;") << true;
}

void TestStationSimulator::kt90_answersQueryTurnsAndStops()
{
    QFETCH(QString, transport);
    QFETCH(QByteArray, turnFrame);
    QFETCH(bool, decimal);
    Kt90Simulator::Options options;
    options.heading = 180.0;
    options.turnRate = 600.0;
    options.decimalHeadings = decimal;
    Kt90Simulator sim(options);
    Terminal terminal;
    if (transport == "tcp"_L1) {
        QVERIFY2(sim.listenTcp(), qPrintable(sim.errorString()));
        terminal = tcpTerminal(sim.tcpPort());
    } else if (transport == "udp"_L1) {
        QVERIFY2(sim.bindUdp(), qPrintable(sim.errorString()));
        terminal = udpTerminal(sim.udpPort());
    } else {
        QVERIFY2(sim.openPty(), qPrintable(sim.errorString()));
        QVERIFY(sim.devicePath().startsWith("/dev/"_L1));
        terminal = ptyTerminal(sim.devicePath());
    }
    QVERIFY(terminal.send);
    const auto reply = [&] { return readUntil(terminal, [](const QByteArray& bytes) { return bytes.endsWith(';'); }); };

    terminal.send("AI2;");
    QCOMPARE(reply(), decimal ? QByteArray("AI2180.0;") : QByteArray("AI2180;"));

    terminal.send(turnFrame);
    QTRY_COMPARE(sim.heading(), 100.0);
    QVERIFY(!sim.turning());
    terminal.send("AI2;");
    QCOMPARE(reply(), decimal ? QByteArray("AI2100.0;") : QByteArray("AI2100;"));

    sim.setHeading(5.0);
    terminal.send(transport == "udp"_L1 ? QByteArray("AP2360;AM2;") : QByteArray("AP2360\r;"));
    QTRY_VERIFY(sim.turning());
    terminal.send(";");
    QTRY_VERIFY(!sim.turning());
    QVERIFY(sim.heading() < 360.0);

    const QByteArrayList expected{"AI2;", turnFrame, "AI2;"};
    QCOMPARE(sim.received().mid(0, 3), expected);
}

void TestStationSimulator::kt90_presetWithoutExecuteWaitsForMove()
{
    Kt90Simulator::Options options;
    options.turnRate = 600.0;
    Kt90Simulator sim(options);
    QVERIFY(sim.listenTcp());
    Terminal terminal = tcpTerminal(sim.tcpPort());
    QVERIFY(terminal.send);

    // Two commands split over two packets, one of them unfinished at first.
    terminal.send("AP2090;AI");
    QTRY_COMPARE(sim.received().size(), 1);
    QVERIFY(!sim.target());
    terminal.send("2;AM2;");
    QCOMPARE(readUntil(terminal, [](const QByteArray& bytes) { return bytes.endsWith(';'); }), QByteArray("AI2180;"));
    QTRY_COMPARE(sim.received().size(), 3);
    QTRY_COMPARE(sim.heading(), 90.0);
    QCOMPARE(sim.received(), (QByteArrayList{"AP2090;", "AI2;", "AM2;"}));
}

QTEST_GUILESS_MAIN(TestStationSimulator)
#include "tst_stationsimulator.moc"

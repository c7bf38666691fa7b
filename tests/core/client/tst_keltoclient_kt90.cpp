#include "ClientTestSupport.h"
#include "tools/station-sim/Kt90Simulator.h"

#include <QCoreApplication>
#include <QNetworkDatagram>
#include <QTest>
#include <QUdpSocket>

#include <cmath>

using namespace ClientTest;

namespace {

constexpr auto shared = QAbstractSocket::ShareAddress | QAbstractSocket::ReuseAddressHint;

// A client and a KT-90 controller reached over one connection kind, with every heading the
// client applied to its rotor, in order.
struct Kt90Bench {
    Q_DISABLE_COPY_MOVE(Kt90Bench)

    ManualClock clock;
    MemorySettingsStore defaults;
    std::unique_ptr<Kt90Simulator> simulator;
    std::unique_ptr<KeltoClient> client;
    ConnectionKind kind;
    QString host;
    QString port;
    QList<double> headings;

    explicit Kt90Bench(ConnectionKind connectionKind)
        : simulator(std::make_unique<Kt90Simulator>(Kt90Simulator::Options{180.0, 30.0, false}))
        , client(std::make_unique<KeltoClient>(nullptr, defaults, clock))
        , kind(connectionKind)
    {
        QObject::connect(client.get(), &KeltoClient::stationChanged, client.get(), [this] {
            if (std::optional<double> value = heading()) {
                headings.append(*value);
            }
        });
        if (kind == ConnectionKind::kt90Terminal) {
            QVERIFY(simulator->listenTcp());
            host = u"127.0.0.1"_s;
            port = QString::number(simulator->tcpPort());
        } else if (kind == ConnectionKind::kt90UDP) {
            // The client binds the controller's port on every local address; on the controller's
            // own address its datagrams would come back to itself.
            QVERIFY(simulator->bindUdp(0, QHostAddress(u"127.0.0.2"_s)));
            host = u"127.0.0.2"_s;
            port = QString::number(simulator->udpPort());
        } else {
            QVERIFY(simulator->openPty());
            host = simulator->devicePath();
            port = u"9600"_s;
        }
    }
    ~Kt90Bench() { client.reset(); }

    // Returns once the controller has the first heading query, and so knows its peer.
    void connect(const QString& rotorName = u"KT-90"_s)
    {
        client->connectTo(host, port, {}, {}, kind, rotorName);
        QTRY_VERIFY(simulator->received().contains("AI2;"));
    }

    std::optional<double> heading() const
    {
        const StationState& station = client->station();
        return station.rotors.size() == 1 ? station.rotors.first().heading : std::nullopt;
    }
};

void addKindRows()
{
    QTest::addColumn<ConnectionKind>("kind");
    QTest::newRow("TCP terminal") << ConnectionKind::kt90Terminal;
    QTest::newRow("UDP terminal") << ConnectionKind::kt90UDP;
    QTest::newRow("serial") << ConnectionKind::kt90Serial;
}

quint16 freeUdpPort()
{
    QUdpSocket socket;
    socket.bind(QHostAddress(QHostAddress::AnyIPv4), 0);
    return socket.localPort();
}

} // namespace

// KT-90 controllers over real transports: the station simulator's TCP and UDP terminals and its
// pseudo-terminal standing in for a serial line; the time limits with a manual clock.
class TestKeltoClientKt90 final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void connect_goesLiveWithFirstHeadingThenTurnsAndStops_data()
    {
        QTest::addColumn<ConnectionKind>("kind");
        QTest::addColumn<QString>("rotorName");
        QTest::addColumn<QString>("shownName");
        QTest::addColumn<QByteArray>("turnFrame");
        QTest::addColumn<QString>("readyLine");
        QTest::newRow("TCP terminal") << ConnectionKind::kt90Terminal << u"Tower"_s << u"Tower"_s
                                      << QByteArray("AP2090\r;") << u"TCP connected to %1:%2"_s;
        QTest::newRow("UDP terminal") << ConnectionKind::kt90UDP << u"Tower\tEast"_s << u"KT-90"_s
                                      << QByteArray("AP2090;AM2;") << u"UDP ready to %1:%2"_s;
        QTest::newRow("serial") << ConnectionKind::kt90Serial << u"Tower"_s << u"Tower"_s << QByteArray("AP2090\r;")
                                << u"Opened serial port %1 at %2 baud"_s;
    }
    void connect_goesLiveWithFirstHeadingThenTurnsAndStops()
    {
        QFETCH(ConnectionKind, kind);
        QFETCH(QString, rotorName);
        QFETCH(QString, shownName);
        QFETCH(QByteArray, turnFrame);
        QFETCH(QString, readyLine);
        Kt90Bench bench(kind);
        QStringList messages;
        connect(bench.client.get(), &KeltoClient::messageChanged, this,
                [&] { messages.append(bench.client->message()); });
        CLIENT_TEST_CHECK(bench.connect(rotorName));
        QTRY_VERIFY(bench.client->connected());

        const bool serial = kind == ConnectionKind::kt90Serial;
        const QStringList expected =
            serial ? QStringList{u"Checking KT-90 serial port…"_s, u"Connected · live station data"_s}
                   : QStringList{u"Connecting to %1:%2…"_s.arg(bench.host, bench.port), u"Checking KT-90 terminal…"_s,
                                 u"Connected · live station data"_s};
        QCOMPARE(messages, expected);
        QCOMPARE(bench.client->endpoint(),
                 serial ? u"serial:"_s + bench.host + u'@' + bench.port : bench.host + u':' + bench.port);
        QVERIFY(logTexts(*bench.client).contains(readyLine.arg(bench.host, bench.port)));
        QCOMPARE(bench.client->station().rotors.keys(), QStringList{shownName});
        QCOMPARE(bench.client->station().rotors.first().status, u"0"_s);
        QCOMPARE(bench.heading(), std::optional(180.0));

        bench.client->setControlsEnabled(true);
        bench.client->turn(shownName, 90.0);
        QTRY_VERIFY(bench.simulator->received().contains(turnFrame));
        // The once-a-second poll carries the moving heading to the client.
        QTRY_VERIFY(bench.heading().value_or(180.0) < 170.0);
        bench.client->stop(shownName);
        QTRY_VERIFY(bench.simulator->received().contains(";"));
        QTRY_VERIFY(!bench.simulator->turning());
        QVERIFY(bench.simulator->heading() > 90.0);
        QTRY_COMPARE(bench.heading(), std::optional(std::round(bench.simulator->heading())));
    }

    void streamFraming_joinsSplitFramesAndKeepsOrder_data()
    {
        QTest::addColumn<ConnectionKind>("kind");
        QTest::newRow("TCP terminal") << ConnectionKind::kt90Terminal;
        QTest::newRow("serial") << ConnectionKind::kt90Serial;
    }
    void streamFraming_joinsSplitFramesAndKeepsOrder()
    {
        QFETCH(ConnectionKind, kind);
        Kt90Bench bench(kind);
        bench.simulator->setSilent(true);
        CLIENT_TEST_CHECK(bench.connect());

        bench.clock.advance(1.0);
        bench.simulator->sendRaw("AI20");
        // The read shows in the time stamp; half a frame is no heading yet.
        QTRY_COMPARE(bench.client->now(), bench.clock.now());
        QVERIFY(bench.headings.isEmpty());
        bench.simulator->sendRaw("12.5;AI2020;XYZ;AI2361;\r\nAI2030;");
        QTRY_COMPARE(bench.headings, (QList<double>{12.5, 20.0, 30.0}));
        QVERIFY(bench.client->connected());
    }

    void oversizedPendingData_endsTerminalConnection()
    {
        Kt90Bench bench(ConnectionKind::kt90Terminal);
        CLIENT_TEST_CHECK(bench.connect());
        bench.simulator->sendRaw(QByteArray(70'000, '0'));
        QTRY_COMPARE(bench.client->message(), u"Terminal frame exceeds size limit."_s);
        QCOMPARE(lastLogText(*bench.client), bench.client->message());
        QTRY_COMPARE(bench.simulator->tcpClientCount(), 0);
    }

    void udpDatagrams_yieldHeadingsOnlyFromWholeReplies_data()
    {
        QTest::addColumn<QByteArray>("datagram");
        QTest::addColumn<QList<double>>("expected");
        QTest::newRow("decimal") << QByteArray("AI2045.5;") << QList<double>{45.5};
        QTest::newRow("two replies in order") << QByteArray("10;20;") << QList<double>{10.0, 20.0};
        QTest::newRow("blanks and line end") << QByteArray(" AI2045 \r\n;") << QList<double>{45.0};
        QTest::newRow("above 360") << QByteArray("AI2361;") << QList<double>{};
        QTest::newRow("negative") << QByteArray("AI2-1;") << QList<double>{};
        QTest::newRow("blank after prefix") << QByteArray("AI2 045;") << QList<double>{};
        QTest::newRow("no closing semicolon") << QByteArray("AI2045") << QList<double>{};
        QTest::newRow("text after last reply") << QByteArray("AI2010;AI2020") << QList<double>{};
        QTest::newRow("non-ASCII part skipped") << QByteArray("AI2010;\xe9;AI2020;") << QList<double>{10.0, 20.0};
        QTest::newRow("not Windows-1252") << QByteArray("AI2010;\x81;") << QList<double>{};
        QTest::newRow("1024 bytes") << QByteArray(1017, ' ') + "AI2045;" << QList<double>{45.0};
        QTest::newRow("1025 bytes") << QByteArray(1018, ' ') + "AI2045;" << QList<double>{};
        QTest::newRow("empty") << QByteArray() << QList<double>{};
    }
    void udpDatagrams_yieldHeadingsOnlyFromWholeReplies()
    {
        QFETCH(QByteArray, datagram);
        QFETCH(QList<double>, expected);
        Kt90Bench bench(ConnectionKind::kt90UDP);
        bench.simulator->setSilent(true);
        CLIENT_TEST_CHECK(bench.connect());
        bench.simulator->sendRaw(datagram);
        // Datagrams are read in order: once the marker is in, the datagram before it was read.
        bench.simulator->sendRaw("AI2001;");
        QTRY_VERIFY(bench.headings.value(bench.headings.size() - 1) == 1.0);
        QCOMPARE(bench.headings, expected + QList<double>{1.0});
    }

    void udpTerminal_bindsLocalPortOrRemotePortShared_data()
    {
        QTest::addColumn<bool>("givesLocalPort");
        QTest::newRow("local port given") << true;
        QTest::newRow("remote port") << false;
    }
    void udpTerminal_bindsLocalPortOrRemotePortShared()
    {
        QFETCH(bool, givesLocalPort);
        Kt90Bench bench(ConnectionKind::kt90UDP);
        QUdpSocket controller;
        QVERIFY(controller.bind(QHostAddress(u"127.0.0.2"_s), 0, shared));
        const quint16 localPort = givesLocalPort ? freeUdpPort() : controller.localPort();
        bench.client->connectTo(u"127.0.0.2"_s, QString::number(controller.localPort()), {}, {},
                                ConnectionKind::kt90UDP, u"Mast"_s,
                                givesLocalPort ? KeltoClient::UdpLocalPort(localPort) : std::nullopt);
        QTRY_VERIFY(controller.hasPendingDatagrams());
        const QNetworkDatagram query = controller.receiveDatagram();
        QCOMPARE(query.data(), QByteArray("AI2;"));
        QCOMPARE(query.senderPort(), int(localPort));

        // Another program may share the port while the client holds it.
        QUdpSocket neighbour;
        QVERIFY(neighbour.bind(QHostAddress(QHostAddress::AnyIPv4), localPort, shared));
        controller.writeDatagram("AI2077;", query.senderAddress(), quint16(query.senderPort()));
        QTRY_COMPARE(bench.client->station().rotors.value(u"Mast"_s).heading, std::optional(77.0));
    }

    void udpBurst_isHandledInTurnsAndToTheLast()
    {
        Kt90Bench bench(ConnectionKind::kt90UDP);
        QUdpSocket controller;
        QVERIFY(controller.bind(QHostAddress(u"127.0.0.2"_s), 0, shared));
        bench.client->connectTo(u"127.0.0.2"_s, QString::number(controller.localPort()), {}, {},
                                ConnectionKind::kt90UDP, u"Mast"_s, KeltoClient::UdpLocalPort(freeUdpPort()));
        QTRY_VERIFY(controller.hasPendingDatagrams());
        const QNetworkDatagram query = controller.receiveDatagram();

        // More than one turn's worth, all queued before the client reads any of them.
        const int burst = KeltoClient::datagramsPerTurn * 3 + 5;
        for (int i = 1; i <= burst; ++i) {
            controller.writeDatagram(QByteArray("AI2") + QByteArray::number(i % 360) + ';', query.senderAddress(),
                                     quint16(query.senderPort()));
        }
        QTRY_COMPARE(bench.client->station().rotors.value(u"Mast"_s).heading, std::optional(double(burst % 360)));
        QVERIFY(bench.client->connected());
    }

    void failedConnect_endsWithTransportMessage_data()
    {
        QTest::addColumn<ConnectionKind>("kind");
        QTest::addColumn<QString>("host");
        QTest::addColumn<QString>("port");
        QTest::addColumn<QString>("message");
        const auto serial = ConnectionKind::kt90Serial;
        const QString choose = u"Choose a /dev/ serial port and a supported baud rate."_s;
        QTest::newRow("outside /dev/") << serial << u"/tmp/kt90"_s << u"9600"_s << choose;
        QTest::newRow("baud not a number") << serial << u"pty"_s << u"abc"_s << choose;
        QTest::newRow("unsupported baud") << serial << u"pty"_s << u"1200"_s << choose;
        QTest::newRow("missing device") << serial << u"/dev/kt90-missing"_s << u"9600"_s
                                        << u"Cannot open serial port: No such file or directory"_s;
        QTest::newRow("not a terminal") << serial << u"/dev/null"_s << u"+9600"_s
                                        << u"Serial port is unavailable or already in use."_s;
        // Loopback answers the query with "port unreachable", which the next read reports.
        QTest::newRow("UDP port unreachable")
            << ConnectionKind::kt90UDP << u"127.0.0.2"_s << QString::number(freeUdpPort())
            << u"UDP connection lost: Connection refused"_s;
    }
    void failedConnect_endsWithTransportMessage()
    {
        QFETCH(ConnectionKind, kind);
        QFETCH(QString, host);
        QFETCH(QString, port);
        QFETCH(QString, message);
        Kt90Bench bench(ConnectionKind::kt90Serial);
        host.replace(u"pty"_s, bench.host);
        bench.client->connectTo(host, port, {}, {}, kind);
        QTRY_COMPARE(bench.client->message(), message);
        QCOMPARE(lastLogText(*bench.client), message);
        QVERIFY(!bench.client->connecting());
        if (kind == ConnectionKind::kt90Serial) {
            QCOMPARE(bench.client->endpoint(), u"serial:"_s + host + u'@' + port);
        }
    }

    void serialDeviceGone_endsWithPortFailure()
    {
        Kt90Bench bench(ConnectionKind::kt90Serial);
        CLIENT_TEST_CHECK(bench.connect());
        QTRY_VERIFY(bench.client->connected());
        // Closing the controller's end hangs up the line under the client.
        bench.simulator.reset();
        QTRY_COMPARE(bench.client->message(), u"Serial port disconnected."_s);
        QCOMPARE(lastLogText(*bench.client), bench.client->message());
    }

    void timeLimits_endSilentControllersAndNoKeepAliveIsSent_data() { addKindRows(); }
    void timeLimits_endSilentControllersAndNoKeepAliveIsSent()
    {
        QFETCH(ConnectionKind, kind);
        Kt90Bench bench(kind);
        bench.simulator->setSilent(true);
        CLIENT_TEST_CHECK(bench.connect());
        bench.clock.advance(10.0);
        bench.client->tick();
        QVERIFY(bench.client->connecting());
        bench.clock.advance(0.25);
        bench.client->tick();
        QCOMPARE(bench.client->message(), u"No compatible server or device response within 10 seconds. "
                                          u"Check the server address, port, LAN or VPN."_s);

        bench.simulator->setSilent(false);
        bench.simulator->clearReceived();
        CLIENT_TEST_CHECK(bench.connect());
        QTRY_VERIFY(bench.client->connected());
        bench.simulator->setSilent(true);
        for (int i = 0; i < 4; ++i) {
            bench.clock.advance(5.0);
            bench.client->tick();
        }
        QVERIFY(bench.client->connected());
        // Every tick polls; nothing else goes out, in particular no 0x00 keep-alive.
        QTRY_VERIFY(bench.simulator->received().size() >= 5);
        QCOMPARE(bench.simulator->received().count("AI2;"), bench.simulator->received().size());
        bench.clock.advance(0.5);
        if (kind == ConnectionKind::kt90UDP) {
            // A datagram without a heading is no sign of life.
            bench.simulator->sendRaw("AI2999;");
            QCoreApplication::processEvents();
        }
        bench.client->tick();
        QCOMPARE(bench.client->message(), u"No server data for 20 seconds. Reconnect to refresh the station."_s);
        QCOMPARE(lastLogText(*bench.client), bench.client->message());
    }
};

QTEST_GUILESS_MAIN(TestKeltoClientKt90)
#include "tst_keltoclient_kt90.moc"

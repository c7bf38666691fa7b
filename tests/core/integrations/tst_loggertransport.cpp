#include "LoggerTestSupport.h"
#include "core/integrations/LoggerTransport.h"

#include <QNetworkDatagram>
#include <QPointer>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QUdpSocket>

#include <arpa/inet.h>
#include <memory>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

using namespace Qt::Literals::StringLiterals;

using Events = QList<LoggerEvent>;

namespace {

const QHostAddress loopback(QHostAddress::LocalHost);

// A port that was free a moment ago; the transport refuses port 0, so it cannot pick its own.
quint16 freeUdpPort()
{
    QUdpSocket probe;
    if (!probe.bind(loopback, 0)) {
        return 0;
    }
    return probe.localPort();
}

// A datagram every input kind reads, passing the station filter, sent after the datagram under
// test: once its events are in, everything sent before it has been handled.
std::pair<QByteArray, Events> sentinel(LoggerKind kind, const QString& station)
{
    switch (kind) {
    case LoggerKind::n1mm:
        return {n1mmRadioInfo("<StationName>" + station.toUtf8() + "</StationName><Freq>5000000</Freq>"),
                {LoggerEvent::frequency(1, 50.0)}};
    case LoggerKind::winTest:
        return {winTestFrame("STATUS: \"" + station.toLatin1() + "\" \"\" 0 0 0 0 500000 \"\" \"\" 0"),
                {LoggerEvent::focus(1), LoggerEvent::frequency(1, 50.0)}};
    case LoggerKind::keyboard:
    case LoggerKind::n3fjp:
        break;
    }
    return {"SENTINEL", {LoggerEvent::key(u"SENTINEL"_s)}};
}

// Collects what a transport delivers.
struct Recorder {
    explicit Recorder(LoggerTransport& transport)
    {
        QObject::connect(&transport, &LoggerTransport::eventReceived, &transport,
                         [this](const LoggerEvent& event) { events.append(event); });
    }
    Events events;
};

// The logger's side of the N3FJP API: accepts one client and records what it sends.
class FakeN3fjp final {
public:
    FakeN3fjp()
    {
        server.listen(loopback);
        QObject::connect(&server, &QTcpServer::newConnection, &server, [this] {
            client = server.nextPendingConnection();
            QObject::connect(client, &QTcpSocket::readyRead, client, [this] { received += client->readAll(); });
        });
    }
    QString port() const { return QString::number(server.serverPort()); }
    bool waitForClient()
    {
        return QTest::qWaitFor([this] { return client != nullptr; });
    }
    void send(const QByteArray& bytes)
    {
        client->write(bytes);
        client->flush();
    }

    QTcpServer server;
    QTcpSocket* client = nullptr;
    QByteArray received;
};

QByteArray bmf(const QByteArray& mhz)
{
    return "<CMD><READBMFRESPONSE><BAND>20</BAND><MODE>CW</MODE><FREQ>" + mhz + "</FREQ></CMD>";
}

} // namespace

class TestLoggerTransport final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void invalidHostOrPort_startsNothing_data()
    {
        QTest::addColumn<QString>("host");
        QTest::addColumn<QString>("port");
        for (const QString& port : {u"0"_s, u"65536"_s, u"udp"_s, u""_s, u" 12060"_s, u"12060 "_s, u"-1"_s, u"++1"_s}) {
            QTest::newRow(qPrintable(u"port '%1'"_s.arg(port))) << u"127.0.0.1"_s << port;
        }
        QTest::newRow("empty host") << QString() << u"12060"_s;
    }
    void invalidHostOrPort_startsNothing()
    {
        QFETCH(QString, host);
        QFETCH(QString, port);
        LoggerTransport transport;
        transport.start(LoggerKind::n1mm, host, port, QString());
        QCOMPARE(transport.message(), u"Enter a valid host and port."_s);
        QVERIFY(!transport.running());
        QCOMPARE(transport.connectionCount(), 0);
    }

    void udpDatagrams_yieldParsedEvents_data()
    {
        QTest::addColumn<LoggerKind>("kind");
        QTest::addColumn<QString>("station");
        QTest::addColumn<QByteArray>("datagram");
        QTest::addColumn<Events>("expected");
        const QString none;
        QTest::newRow("N1MM radio, TXFreq over Freq")
            << LoggerKind::n1mm << none
            << n1mmRadioInfo("<RadioNr>4</RadioNr><FocusRadioNr>2</FocusRadioNr><Freq>1402500</Freq>"
                             "<TXFreq>1403000</TXFreq>")
            << Events{LoggerEvent::focus(2), LoggerEvent::frequency(2, 1403000 / 100000.0)};
        QTest::newRow("N1MM rotor turn") << LoggerKind::n1mm << none
                                         << n1mmRotor("<rotor>Tower 1</rotor><goazi>271.5</goazi><RadioNr>1</RadioNr>")
                                         << Events{LoggerEvent::turn(1, 271.5)};
        QTest::newRow("N1MM nested stop")
            << LoggerKind::n1mm << none << n1mmNestedStop() << Events{LoggerEvent::stop(std::nullopt)};
        QTest::newRow("N1MM other station")
            << LoggerKind::n1mm << u"RUN"_s << n1mmRotor("<StationName>MULT</StationName><goazi>10</goazi>")
            << Events{};
        const QByteArray status = "STATUS: \"STN1\" \"\" 1 0 0 0 70100 \"\" \"\" 141000";
        QTest::newRow("Win-Test status with NUL")
            << LoggerKind::winTest << u"STN1"_s << winTestFrame(status)
            << Events{LoggerEvent::focus(2), LoggerEvent::frequency(2, 141000 / 10000.0)};
        QTest::newRow("Win-Test status without NUL")
            << LoggerKind::winTest << none << winTestFrame(status, false)
            << Events{LoggerEvent::focus(2), LoggerEvent::frequency(2, 141000 / 10000.0)};
        QTest::newRow("Win-Test wrong checksum")
            << LoggerKind::winTest << none << winTestFrame(status, true, false) << Events{};
        QTest::newRow("Win-Test azimuth") << LoggerKind::winTest << none << winTestFrame("SETAZIMUTH: \"STN1\" \"\" 90")
                                          << Events{LoggerEvent::turn(std::nullopt, 90.0)};
        QTest::newRow("keyboard token") << LoggerKind::keyboard << none << QByteArray("Alt+Shift+1\n")
                                        << Events{LoggerEvent::key(u"Alt+Shift+1"_s)};
        QTest::newRow("keyboard, too long") << LoggerKind::keyboard << none << QByteArray(9000, 'k') << Events{};
    }
    void udpDatagrams_yieldParsedEvents()
    {
        QFETCH(LoggerKind, kind);
        QFETCH(QString, station);
        QFETCH(QByteArray, datagram);
        QFETCH(Events, expected);

        LoggerTransport transport;
        Recorder recorder(transport);
        const quint16 port = freeUdpPort();
        transport.start(kind, u"127.0.0.1"_s, u"+%1"_s.arg(port), station);
        QCOMPARE(transport.message(), u"Listening on 127.0.0.1:%1"_s.arg(port));
        QVERIFY(transport.running());

        const auto [last, lastEvents] = sentinel(kind, station);
        QUdpSocket sender;
        QCOMPARE(sender.writeDatagram(datagram, loopback, port), datagram.size());
        sender.writeDatagram(last, loopback, port);
        QTRY_VERIFY(recorder.events.size() >= expected.size() + lastEvents.size());
        QCOMPARE(recorder.events, expected + lastEvents);
        QCOMPARE(transport.connectionCount(), 1);
    }

    void udpPeers_beyondThirtyTwo_areDropped()
    {
        LoggerTransport transport;
        Recorder recorder(transport);
        const quint16 port = freeUdpPort();
        transport.start(LoggerKind::keyboard, u"127.0.0.1"_s, QString::number(port), QString());

        std::vector<std::unique_ptr<QUdpSocket>> senders;
        for (int i = 1; i <= LoggerTransport::maxFlows + 1; ++i) {
            senders.push_back(std::make_unique<QUdpSocket>());
        }
        for (int i = 0; i < LoggerTransport::maxFlows; ++i) {
            senders.at(i)->writeDatagram("K" + QByteArray::number(i + 1), loopback, port);
        }
        QTRY_COMPARE(recorder.events.size(), LoggerTransport::maxFlows);
        QCOMPARE(transport.connectionCount(), LoggerTransport::maxFlows);

        senders.back()->writeDatagram("K33", loopback, port);
        senders.front()->writeDatagram("again", loopback, port);
        QTRY_COMPARE(recorder.events.size(), LoggerTransport::maxFlows + 1);
        QCOMPARE(recorder.events.last(), LoggerEvent::key(u"again"_s));
        QCOMPARE(transport.connectionCount(), LoggerTransport::maxFlows);

        // Once the others have been quiet long enough, a new peer takes over an idle flow.
        transport.setFlowIdleTimeout(std::chrono::milliseconds(0));
        senders.back()->writeDatagram("K33", loopback, port);
        QTRY_COMPARE(recorder.events.size(), LoggerTransport::maxFlows + 2);
        QCOMPARE(recorder.events.last(), LoggerEvent::key(u"K33"_s));
        QVERIFY(transport.connectionCount() <= LoggerTransport::maxFlows);
    }

    void udpBurst_isDeliveredWholeAndInOrder()
    {
        LoggerTransport transport;
        Recorder recorder(transport);
        const quint16 port = freeUdpPort();
        transport.start(LoggerKind::keyboard, u"127.0.0.1"_s, QString::number(port), QString());
        QUdpSocket sender;
        // More than one turn's worth, all queued before the transport reads any of them.
        const int burst = LoggerTransport::datagramsPerTurn * 3 + 5;
        Events expected;
        for (int i = 1; i <= burst; ++i) {
            sender.writeDatagram("K" + QByteArray::number(i), loopback, port);
            expected.append(LoggerEvent::key(u"K"_s + QString::number(i)));
        }
        QTRY_COMPARE(recorder.events.size(), burst);
        QCOMPARE(recorder.events, expected);
    }

    void restart_dropsWhatTheOldListenerHadQueued()
    {
        LoggerTransport transport;
        Recorder recorder(transport);
        const quint16 oldPort = freeUdpPort();
        transport.start(LoggerKind::keyboard, u"127.0.0.1"_s, QString::number(oldPort), QString());
        QUdpSocket sender;
        sender.writeDatagram("OLD", loopback, oldPort);

        const quint16 newPort = freeUdpPort();
        transport.start(LoggerKind::keyboard, u"127.0.0.1"_s, QString::number(newPort), QString());
        sender.writeDatagram("NEW", loopback, newPort);
        QTRY_VERIFY(!recorder.events.isEmpty());
        QCOMPARE(recorder.events, Events{LoggerEvent::key(u"NEW"_s)});

        QUdpSocket rebind;
        QVERIFY2(rebind.bind(loopback, oldPort), "the old listener still holds its port");
    }

    void stopFromEventHandler_endsDelivery()
    {
        LoggerTransport transport;
        Recorder recorder(transport);
        connect(&transport, &LoggerTransport::eventReceived, &transport, &LoggerTransport::stop);
        const quint16 port = freeUdpPort();
        transport.start(LoggerKind::n1mm, u"127.0.0.1"_s, QString::number(port), QString());
        QUdpSocket sender;
        sender.writeDatagram(n1mmRadioInfo("<FocusRadioNr>1</FocusRadioNr><Freq>1400000</Freq>"), loopback, port);
        QTRY_COMPARE(transport.message(), u"Stopped"_s);
        QCOMPARE(recorder.events, Events{LoggerEvent::focus(1)});
        QCOMPARE(transport.connectionCount(), 0);
    }

    void ownerDeletingTransportFromEventHandler_isSafe()
    {
        auto* transport = new LoggerTransport;
        const QPointer<LoggerTransport> watch(transport);
        Events events;
        connect(transport, &LoggerTransport::eventReceived, transport, [&events, transport](const LoggerEvent& event) {
            events.append(event);
            delete transport;
        });
        const quint16 port = freeUdpPort();
        transport->start(LoggerKind::n1mm, u"127.0.0.1"_s, QString::number(port), QString());
        QUdpSocket sender;
        sender.writeDatagram(n1mmRadioInfo("<FocusRadioNr>2</FocusRadioNr><Freq>1400000</Freq>"), loopback, port);
        sender.writeDatagram(n1mmRadioInfo("<Freq>700000</Freq>"), loopback, port);
        QTRY_VERIFY(watch.isNull());
        QCOMPARE(events, Events{LoggerEvent::focus(2)});
    }

    void portInUse_stopsWithTheErrorText()
    {
        QUdpSocket holder;
        QVERIFY(holder.bind(loopback, 0));
        LoggerTransport transport;
        QSignalSpy running(&transport, &LoggerTransport::runningChanged);
        transport.start(LoggerKind::winTest, u"127.0.0.1"_s, QString::number(holder.localPort()), QString());
        QVERIFY(!transport.running());
        QCOMPARE(running.size(), 2);
        QUdpSocket second;
        QVERIFY(!second.bind(loopback, holder.localPort()));
        QCOMPARE(transport.message(), second.errorString());
    }

    void hostName_isResolvedBeforeListening()
    {
        LoggerTransport transport;
        Recorder recorder(transport);
        const quint16 port = freeUdpPort();
        transport.start(LoggerKind::keyboard, u"localhost"_s, QString::number(port), QString());
        QCOMPARE(transport.message(), u"Starting\u2026"_s);
        QTRY_COMPARE(transport.message(), u"Listening on localhost:%1"_s.arg(port));
        QUdpSocket sender;
        sender.writeDatagram("F5", loopback, port);
        QTRY_COMPARE(recorder.events, Events{LoggerEvent::key(u"F5"_s)});
    }

    void n3fjp_subscribesAndCutsFrames()
    {
        FakeN3fjp logger;
        LoggerTransport transport;
        Recorder recorder(transport);
        transport.start(LoggerKind::n3fjp, u"127.0.0.1"_s, logger.port(), u"ignored"_s);
        QCOMPARE(transport.message(), u"Starting\u2026"_s);
        QVERIFY(logger.waitForClient());
        QTRY_COMPARE(transport.message(), u"Connected to N3FJP"_s);
        QTRY_COMPARE(logger.received, "<CMD><SETUPDATESTATE><VALUE>TRUE</VALUE></CMD>\r\n<CMD><READBMF></CMD>\r\n"_ba);
        QCOMPARE(logger.received.size(), 70);

        // Two frames in one read, then one that is not a band report.
        logger.send(bmf("14.025") + bmf("7.010") + "<CMD><CALLTABEVENT></CMD>");
        QTRY_COMPARE(recorder.events.size(), 2);
        // A frame split over two reads counts once its end has arrived.
        const QByteArray split = bmf("21.300");
        logger.send(bmf("3.550") + split.first(20));
        QTRY_COMPARE(recorder.events.size(), 3);
        QTRY_COMPARE(transport.pendingBytes(), 20);
        logger.send(split.sliced(20));
        QTRY_COMPARE(recorder.events.size(), 4);
        QCOMPARE(recorder.events, (Events{LoggerEvent::frequency(1, 14.025), LoggerEvent::frequency(1, 7.01),
                                          LoggerEvent::frequency(1, 3.55), LoggerEvent::frequency(1, 21.3)}));
        QCOMPARE(logger.received.size(), 70);

        // Frames sent just before the logger closes still arrive.
        logger.send(bmf("28.400"));
        logger.client->disconnectFromHost();
        QTRY_COMPARE(transport.message(), u"Logger disconnected."_s);
        QVERIFY(!transport.running());
        QCOMPARE(recorder.events.last(), LoggerEvent::frequency(1, 28.4));
    }

    void n3fjp_manyFramesInOneBurst_allArrive()
    {
        FakeN3fjp logger;
        LoggerTransport transport;
        Recorder recorder(transport);
        transport.start(LoggerKind::n3fjp, u"127.0.0.1"_s, logger.port(), QString());
        QVERIFY(logger.waitForClient());
        QByteArray burst;
        Events expected;
        for (int i = 0; i < 1000; ++i) {
            burst += bmf(QByteArray::number(1.8 + i / 1000.0, 'f', 3));
            expected.append(LoggerEvent::frequency(1, QByteArray::number(1.8 + i / 1000.0, 'f', 3).toDouble()));
        }
        QVERIFY(burst.size() > LoggerTransport::maxPendingBytes);
        logger.send(burst);
        QTRY_COMPARE(recorder.events.size(), 1000);
        QCOMPARE(transport.message(), u"Connected to N3FJP"_s);
        QCOMPARE(recorder.events, expected);
    }

    void n3fjp_unframedBytesBeyondLimit_stop()
    {
        FakeN3fjp logger;
        LoggerTransport transport;
        transport.start(LoggerKind::n3fjp, u"127.0.0.1"_s, logger.port(), QString());
        QVERIFY(logger.waitForClient());
        QTRY_COMPARE(transport.message(), u"Connected to N3FJP"_s);
        logger.send(QByteArray(LoggerTransport::maxPendingBytes, 'x'));
        QTRY_COMPARE(transport.pendingBytes(), LoggerTransport::maxPendingBytes);
        QVERIFY(transport.running());
        logger.send("x");
        QTRY_COMPARE(transport.message(), u"Logger frame too large."_s);
        QVERIFY(!transport.running());
        QCOMPARE(transport.pendingBytes(), 0);
    }

    void n3fjp_refusedConnection_stopsWithTheErrorText()
    {
        quint16 closedPort = 0;
        {
            QTcpServer probe;
            QVERIFY(probe.listen(loopback));
            closedPort = probe.serverPort();
        }
        LoggerTransport transport;
        transport.start(LoggerKind::n3fjp, u"127.0.0.1"_s, QString::number(closedPort), QString());
        QTRY_VERIFY(!transport.running());
        QCOMPARE(transport.message(), u"Connection refused"_s);
    }

    void n3fjp_unreadyConnection_timesOut()
    {
        // A listener whose accept queue is full leaves further handshakes unanswered.
        const int listener = ::socket(AF_INET, SOCK_STREAM, 0);
        QVERIFY(listener >= 0);
        const auto closeListener = qScopeGuard([listener] { ::close(listener); });
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof(address);
        QCOMPARE(::bind(listener, reinterpret_cast<sockaddr*>(&address), length), 0);
        QCOMPARE(::listen(listener, 0), 0);
        QCOMPARE(::getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length), 0);
        const quint16 port = ntohs(address.sin_port);
        QTcpSocket filler;
        filler.connectToHost(loopback, port);
        QVERIFY(filler.waitForConnected(2000));

        LoggerTransport transport;
        transport.setStartTimeout(std::chrono::milliseconds(200));
        transport.start(LoggerKind::n3fjp, u"127.0.0.1"_s, QString::number(port), QString());
        QCOMPARE(transport.message(), u"Starting\u2026"_s);
        QTRY_COMPARE(transport.message(), u"Logger connection timed out."_s);
        QVERIFY(!transport.running());
        QCOMPARE(transport.connectionCount(), 0);
    }

    void n3fjp_readyConnection_outlivesTheStartTimeout()
    {
        FakeN3fjp logger;
        LoggerTransport transport;
        transport.setStartTimeout(std::chrono::milliseconds(100));
        transport.start(LoggerKind::n3fjp, u"127.0.0.1"_s, logger.port(), QString());
        QTRY_COMPARE(transport.message(), u"Connected to N3FJP"_s);
        QTest::qWait(300);
        QCOMPARE(transport.message(), u"Connected to N3FJP"_s);
        QVERIFY(transport.running());
        QCOMPARE(transport.connectionCount(), 1);
    }
};

QTEST_GUILESS_MAIN(TestLoggerTransport)
#include "tst_loggertransport.moc"

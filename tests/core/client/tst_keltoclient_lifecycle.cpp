#include "ClientTestSupport.h"

#include <QLocale>
#include <QSignalSpy>
#include <QTest>

#include <functional>

using namespace ClientTest;

// The connection state machine against a simulated station over loopback TCP; the time limits
// with a manual clock and direct ticks.
class TestKeltoClientLifecycle final : public QObject {
    Q_OBJECT

    using Action = std::function<void(StationSimulator&)>;

private Q_SLOTS:
    void invalidInput_leavesClientIdleWithInputMessage_data()
    {
        QTest::addColumn<QString>("host");
        QTest::addColumn<QString>("port");
        QTest::newRow("empty host") << u""_s << u"4001"_s;
        QTest::newRow("blank host") << u"  \t "_s << u"4001"_s;
        QTest::newRow("inner blank") << u"shack pc"_s << u"4001"_s;
        QTest::newRow("port 0") << u"127.0.0.1"_s << u"0"_s;
        QTest::newRow("port 65536") << u"127.0.0.1"_s << u"65536"_s;
        QTest::newRow("letters") << u"127.0.0.1"_s << u"abc"_s;
        QTest::newRow("empty port") << u"127.0.0.1"_s << u""_s;
        QTest::newRow("blank in port") << u"127.0.0.1"_s << u" 4001"_s;
        QTest::newRow("negative port") << u"127.0.0.1"_s << u"-1"_s;
        QTest::newRow("plus alone") << u"127.0.0.1"_s << u"+"_s;
    }
    void invalidInput_leavesClientIdleWithInputMessage()
    {
        QFETCH(QString, host);
        QFETCH(QString, port);
        Bench bench;
        bench.client->connectTo(host, port);

        QCOMPARE(bench.client->message(), u"Enter a hostname and a port from 1 to 65535."_s);
        QVERIFY(!bench.client->connecting());
        QVERIFY(!bench.client->connected());
        QCOMPARE(bench.client->endpoint(), QString());
        // Nothing was going on, so there is nothing to say about ending it.
        QCOMPARE(logTexts(*bench.client), QStringList());
    }

    void connect_passesThroughOpeningCheckingAndLive()
    {
        Bench bench;
        QStringList messages;
        connect(bench.client.get(), &KeltoClient::messageChanged, this,
                [&] { messages.append(bench.client->message()); });
        const QString port = portOf(*bench.simulator);

        bench.client->connectTo(u"  LocalHost \n"_s, u"+"_s + port);
        QVERIFY(bench.client->connecting());
        QVERIFY(!bench.client->connected());
        QCOMPARE(bench.client->endpoint(), u"localhost:"_s + port);
        QCOMPARE(bench.client->message(), u"Connecting to LocalHost:"_s + port + u"…"_s);

        QTRY_VERIFY(bench.client->connected());
        QVERIFY(!bench.client->connecting());
        QCOMPARE(messages.mid(0, 3),
                 (QStringList{u"Connecting to LocalHost:"_s + port + u"…"_s, u"Checking OV Varnex server…"_s,
                              u"Connected · live station data"_s}));
        QVERIFY(logTexts(*bench.client).contains(u"TCP connected to LocalHost:"_s + port));
        QTRY_VERIFY(logTexts(*bench.client).contains(u"Discovered Rotor 1"_s));
        // The first station data asks once for the server presets.
        QTRY_VERIFY(bench.client->receivedServerPresets());
        QCOMPARE(commandRecords(*bench.simulator), QList<QByteArray>{"GET_LOCATIONS\r\n"});
        QCOMPARE(bench.client->station().locations,
                 (QStringList{u"Africa"_s, u"Europe"_s, u"Japan"_s, u"North America"_s, u"South America"_s}));
    }

    void lineRules_storeSignalLevelsAndSwitchPositionDetails()
    {
        Bench bench;
        CLIENT_TEST_CHECK(bench.connectLive());
        const StationState& station = bench.client->station();
        QTRY_VERIFY(station.signals.contains(u"Rotor 1"_s));
        QTRY_VERIFY(station.signals.contains(u"Switch 1"_s));

        bench.simulator->sendRaw(wireLine({u"POINT"_s, u"Rotor 2"_s, u"10"_s, u"0"_s, u"-42"_s}) +
                                 wireLine({u"POINT"_s, u"Ghost"_s, u"10"_s, u"0"_s, u"-17"_s, u"x"_s}) +
                                 wireLine({u"SWITCHUPDATE"_s, u"Switch 1"_s, u"Dipole"_s, u"0"_s, u"weak"_s}) +
                                 wireLine({u"ADD"_s, u"Marker"_s}));
        QTRY_VERIFY(station.rotors.contains(u"Marker"_s));
        QCOMPARE(station.signals.value(u"Rotor 2"_s), -42);
        // A report creates the rotor it names, so its signal is kept as well.
        QCOMPARE(station.signals.value(u"Ghost"_s), -17);
        QVERIFY(station.signals.contains(u"Switch 1"_s));

        const AntennaSwitch beams = station.switches.value(u"Switch 2"_s);
        QCOMPARE(beams.displayType, 2);
        QCOMPARE(beams.metadata.size(), 5);
        QCOMPARE(beams.metadata.at(1).name, u"East Beam"_s);
        QCOMPARE(beams.metadata.at(1).bearing, std::optional(90.0));
        QCOMPARE(beams.metadata.at(1).beamWidth, std::optional(60.0));
        QVERIFY(beams.metadata.at(4).bidirectional);
        const AntennaSwitch bands = station.switches.value(u"Switch 3"_s);
        QCOMPARE(bands.metadata.at(3).name, u"20m"_s);
        QCOMPARE(bands.metadata.at(3).lowerMHz, std::optional(14.0));
        QCOMPARE(bands.metadata.at(3).upperMHz, std::optional(14.35));
    }

    void refusedPort_endsWithConnectionUnavailable()
    {
        Bench bench;
        bench.client->connectTo(u"127.0.0.1"_s, QString::number(closedPort()));
        QTRY_VERIFY(!bench.client->connecting());
        QCOMPARE(bench.client->message(), u"Connection unavailable: Connection refused"_s);
        QCOMPARE(lastLogText(*bench.client), bench.client->message());
        QVERIFY(!bench.client->connected());
    }

    void serverEndsConnection_endsWithItsMessage_data()
    {
        QTest::addColumn<Action>("action");
        QTest::addColumn<QString>("message");
        QTest::newRow("peer closes") << Action([](StationSimulator& s) { s.setFault(StationSimulator::Fault::close); })
                                     << u"Server closed the connection."_s;
        QTest::newRow("CLOSE line") << Action([](StationSimulator& s) { s.sendRaw("CLOSED NOW\r\n"); })
                                    << u"Server requested disconnection."_s;
        QTest::newRow("SERVER_FULL line") << Action([](StationSimulator& s) { s.sendRaw("SERVER_FULL\r\n"); })
                                          << u"Server connection limit reached."_s;
        QTest::newRow("oversized line") << Action([](StationSimulator& s) {
            s.setFault(StationSimulator::Fault::oversizedLine);
        }) << u"Server message exceeds the size limit."_s;
        QTest::newRow("invalid text") << Action([](StationSimulator& s) {
            s.setFault(StationSimulator::Fault::invalidText);
        }) << u"Invalid server text encoding."_s;
    }
    void serverEndsConnection_endsWithItsMessage()
    {
        QFETCH(Action, action);
        QFETCH(QString, message);
        Bench bench;
        CLIENT_TEST_CHECK(bench.connectLive());
        bench.client->setControlsEnabled(true);
        bench.client->setSwitchControlsEnabled(true);
        bench.client->requestRotorLock(u"Rotor 1"_s, true);
        QCOMPARE(bench.client->rotorLockRequests().size(), 1);
        const StationState before = bench.client->station();

        action(*bench.simulator);

        QTRY_COMPARE(bench.client->message(), message);
        QCOMPARE(lastLogText(*bench.client), message);
        QVERIFY(!bench.client->connected());
        QVERIFY(!bench.client->connecting());
        QVERIFY(!bench.client->controlsEnabled());
        QVERIFY(!bench.client->switchControlsEnabled());
        QVERIFY(bench.client->rotorLockRequests().isEmpty());
        // The last known station stays on screen.
        QCOMPARE(bench.client->station().rotors.keys(), before.rotors.keys());
        QTRY_COMPARE(bench.simulator->clientCount(), 0);
    }

    void serverFullAtConnect_endsWhileChecking()
    {
        StationSimulator::Options options;
        options.maxClients = 0;
        Bench bench(options);
        bench.connect();
        QTRY_COMPARE(bench.client->message(), u"Server connection limit reached."_s);
        QVERIFY(!bench.client->connecting());
        QVERIFY(bench.client->station().rotors.isEmpty());
        QVERIFY(logTexts(*bench.client).contains(u"TCP connected to 127.0.0.1:"_s + portOf(*bench.simulator)));
    }

    void silentServer_isEndedAfterTenSeconds()
    {
        Bench bench;
        bench.simulator->setFault(StationSimulator::Fault::silence);
        bench.connect();
        QTRY_COMPARE(bench.client->message(), u"Checking OV Varnex server…"_s);

        bench.clock.advance(10.0);
        bench.client->tick();
        QVERIFY(bench.client->connecting());
        QCOMPARE(bench.client->now(), bench.clock.now());

        bench.clock.advance(0.25);
        bench.client->tick();
        const QString limit =
            u"No compatible server or device response within 10 seconds. Check the server address, port, LAN or VPN."_s;
        QCOMPARE(bench.client->message(), limit);
        QCOMPARE(lastLogText(*bench.client), limit);
        QVERIFY(!bench.client->connecting());
        QTRY_COMPARE(bench.simulator->clientCount(), 0);
    }

    void liveServerFallingSilent_isEndedAfterTwentySeconds()
    {
        Bench bench;
        CLIENT_TEST_CHECK(bench.connectLive());
        bench.simulator->setFault(StationSimulator::Fault::silence);

        // No event is processed between the ticks, so no late report can move the last receipt.
        bench.clock.advance(20.0);
        bench.client->tick();
        QVERIFY(bench.client->connected());

        bench.clock.advance(0.5);
        bench.client->tick();
        const QString limit = u"No server data for 20 seconds. Reconnect to refresh the station."_s;
        QCOMPARE(bench.client->message(), limit);
        QCOMPARE(lastLogText(*bench.client), limit);
        QVERIFY(!bench.client->connected());
    }

    void liveStation_getsKeepAliveEveryFiveSeconds()
    {
        Bench bench;
        CLIENT_TEST_CHECK(bench.connectLive());
        bench.simulator->clearReceived();

        bench.clock.advance(5.0);
        bench.client->tick();
        QTRY_COMPARE(keepAliveCount(*bench.simulator), 1);

        bench.clock.advance(4.9);
        bench.client->tick();
        bench.clock.advance(0.1);
        bench.client->tick();
        bench.client->refreshPresets();
        // The marker follows any keep-alive on the same stream.
        QTRY_COMPARE(commandRecords(*bench.simulator), QList<QByteArray>{"GET_LOCATIONS\r\n"});
        QCOMPARE(keepAliveCount(*bench.simulator), 2);
        QCOMPARE(bench.simulator->received().first(), QByteArray(1, '\0'));
        QVERIFY(bench.client->connected());
    }

    void severalLinesInOnePacket_stopAtServerFull()
    {
        Bench bench;
        CLIENT_TEST_CHECK(bench.connectLive());
        bench.simulator->sendRaw(wireLine({u"ADD"_s, u"Alpha"_s}) + "SERVER_FULL\r\n" +
                                 wireLine({u"ADD"_s, u"Beta"_s}));

        QTRY_COMPARE(bench.client->message(), u"Server connection limit reached."_s);
        QVERIFY(bench.client->station().rotors.contains(u"Alpha"_s));
        QVERIFY(!bench.client->station().rotors.contains(u"Beta"_s));
        const QStringList texts = logTexts(*bench.client);
        QVERIFY(texts.contains(u"Discovered Alpha"_s));
        QVERIFY(!texts.contains(u"Discovered Beta"_s));
        QCOMPARE(texts.last(), u"Server connection limit reached."_s);
    }

    void reconnecting_endsOldConnectionAndIgnoresItsLateData()
    {
        Bench bench;
        CLIENT_TEST_CHECK(bench.connectLive());
        StationSimulator::Options options;
        options.rotors = 1;
        StationSimulator second(options);
        QVERIFY(second.listen());

        bench.client->connectTo(u"127.0.0.1"_s, portOf(second));
        // The first server still thinks the client is there.
        bench.simulator->sendRaw(wireLine({u"ADD"_s, u"Ghost"_s}));
        QTRY_VERIFY(bench.client->connected());
        QTRY_COMPARE(second.clientCount(), 1);
        second.sendRaw(wireLine({u"ADD"_s, u"Sentinel"_s}));
        QTRY_VERIFY(bench.client->station().rotors.contains(u"Sentinel"_s));

        QCOMPARE(bench.client->station().rotors.keys(), (QStringList{u"Rotor 1"_s, u"Sentinel"_s}));
        const QStringList texts = logTexts(*bench.client);
        QVERIFY(!texts.contains(u"Discovered Ghost"_s));
        const qsizetype disconnected = texts.lastIndexOf(u"Disconnected"_s);
        QVERIFY(disconnected > 0);
        QCOMPARE(texts.at(disconnected + 1), u"TCP connected to 127.0.0.1:"_s + portOf(second));
        QCOMPARE(bench.client->endpoint(), u"127.0.0.1:"_s + portOf(second));
        QTRY_COMPARE(bench.simulator->clientCount(), 0);
    }

    void userDisconnect_keepsStationAndDisablesControls()
    {
        Bench bench;
        CLIENT_TEST_CHECK(bench.connectLive());
        bench.client->setControlsEnabled(true);
        bench.client->setSwitchControlsEnabled(true);
        const StationState before = bench.client->station();

        bench.client->disconnectFromStation();
        QCOMPARE(bench.client->message(), u"Disconnected"_s);
        QCOMPARE(lastLogText(*bench.client), u"Disconnected"_s);
        QVERIFY(!bench.client->controlsEnabled());
        QVERIFY(!bench.client->switchControlsEnabled());
        QCOMPARE(bench.client->station(), before);

        // The old connection's timer no longer acts, and a tick while idle changes nothing.
        const QStringList log = bench.client->log();
        bench.clock.advance(60.0);
        bench.client->tick();
        QCOMPARE(bench.client->log(), log);
        QCOMPARE(bench.client->message(), u"Disconnected"_s);
    }

    void logLines_carryLocalTimeWithSecondsAndTwoBlanks_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("expected");
        QTest::newRow("C") << QLocale::c() << u"14:07:09  Disconnected"_s;
        QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany) << u"14:07:09  Disconnected"_s;
        QTest::newRow("US English") << QLocale(QLocale::English, QLocale::UnitedStates)
                                    << u"2:07:09 PM  Disconnected"_s;
    }
    void logLines_carryLocalTimeWithSecondsAndTwoBlanks()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, expected);
        const QLocale previous;
        QLocale::setDefault(locale);
        Bench bench;
        bench.clock.set(Instant::fromDateTime(QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9))));
        bench.client->disconnectFromStation();
        QLocale::setDefault(previous);
        QCOMPARE(bench.client->log().size(), 1);
        // Newer locale data puts a narrow no-break space before the day period.
        QCOMPARE(QString(bench.client->log().first()).replace(QChar(0x202F), u' '), expected);
    }
};

QTEST_GUILESS_MAIN(TestKeltoClientLifecycle)
#include "tst_keltoclient_lifecycle.moc"

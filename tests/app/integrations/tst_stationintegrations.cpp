#include "app/integrations/StationIntegrations.h"
#include "core/integrations/LoggerTransport.h"
#include "tests/core/client/ClientTestSupport.h"
#include "tests/core/integrations/LoggerTestSupport.h"

#include <QUdpSocket>

#include <functional>

using namespace ClientTest;

namespace {

using Bytes = QList<QByteArray>;

// One command line; "|" stands for the field separator.
QByteArray wire(const char* fields)
{
    return QByteArray(fields).replace('|', '\x1f') + "\r\n";
}

QByteArray radioInfo(int radio, const QByteArray& freq)
{
    return n1mmRadioInfo("<RadioNr>" + QByteArray::number(radio) + "</RadioNr><Freq>" + freq + "</Freq>");
}

const QByteArray focus2 = n1mmRadioInfo("<FocusRadioNr>2</FocusRadioNr>");

// A live simulated station, its client and a controller listening for logger datagrams.
struct Rig {
    static StationSimulator::Options quiet()
    {
        // No periodic reports: a state line a test writes itself stays in force.
        StationSimulator::Options options;
        options.reportInterval = 3'600'000;
        return options;
    }

    Bench bench{quiet()};
    StationIntegrations integrations{bench.defaults, bench.clock};
    QUdpSocket sender;
    quint16 port = 0;

    void open(IntegrationSettings settings)
    {
        bench.connectLive();
        bench.client->setControlsEnabled(true);
        bench.client->setSwitchControlsEnabled(true);
        QUdpSocket probe;
        probe.bind(QHostAddress::LocalHost, 0);
        port = probe.localPort();
        probe.close();
        settings.port = QString::number(port);
        integrations.load(bench.client->endpoint());
        integrations.setSettings(settings);
        integrations.setEnabled(true);
        integrations.start(*bench.client);
        QTRY_VERIFY(integrations.transport().message().startsWith(u"Listening on "_s));
        bench.simulator->clearReceived();
    }

    // Sends the datagrams and waits until the controller has taken `events` events.
    void deliver(const Bytes& datagrams, qsizetype events)
    {
        const qsizetype before = integrations.eventHistory().count(u'\n');
        for (const QByteArray& datagram : datagrams) {
            sender.writeDatagram(datagram, QHostAddress::LocalHost, port);
        }
        QTRY_COMPARE(integrations.eventHistory().count(u'\n'), before + events);
    }

    // Everything sent since the last check, then a marker sent now: nothing can still be on its way.
    void expectSent(Bytes commands)
    {
        bench.client->refreshPresets();
        commands.append("GET_LOCATIONS\r\n");
        QTRY_COMPARE(commandRecords(*bench.simulator), commands);
        bench.simulator->clearReceived();
    }

    void stationLine(std::initializer_list<QString> fields, const std::function<bool()>& applied)
    {
        bench.simulator->sendRaw(wireLine(fields));
        QTRY_VERIFY(applied());
    }
};

using Setup = std::function<void(Rig&)>;
const Setup none = [](Rig&) {};

// Rotors for both radios; "Switch 3" (bands 160m locked, 80m, 40m, 20m selected, 15m, 10m),
// the plain "Switch 1" and the tuner (40m, 20m selected, 15m, 10m) follow `radio`.
IntegrationSettings assigned(int radio)
{
    IntegrationSettings settings;
    settings.rotorA = u"Rotor 1"_s;
    settings.rotorB = u"Rotor 2"_s;
    settings.switchRadios = {{u"Switch 3"_s, radio}, {u"Switch 1"_s, radio}};
    settings.tunerRadios = {{u"Tuner"_s, radio}};
    return settings;
}

IntegrationSettings bound(QList<KeyBinding> bindings)
{
    IntegrationSettings settings;
    settings.kind = LoggerKind::keyboard;
    settings.keyCommands = std::move(bindings);
    return settings;
}

KeyBinding binding(const QString& device, const QString& action, const QString& position = {},
                   const QString& key = u"F1"_s)
{
    KeyBinding result;
    result.key = key;
    result.rotor = device;
    result.action = action;
    result.position = position;
    result.heading = 200;
    return result;
}

} // namespace

// The controller between real datagrams on loopback and a client connected to the station
// simulator: each case must put exactly these commands on the wire.
class TestStationIntegrations final : public QObject {
    Q_OBJECT

    static void columns()
    {
        QTest::addColumn<IntegrationSettings>("settings");
        QTest::addColumn<Setup>("setup");
        QTest::addColumn<Bytes>("datagrams");
        QTest::addColumn<Bytes>("expected");
    }

    static void run()
    {
        QFETCH(IntegrationSettings, settings);
        QFETCH(Setup, setup);
        QFETCH(Bytes, datagrams);
        QFETCH(Bytes, expected);
        Rig rig;
        CLIENT_TEST_CHECK(rig.open(settings));
        CLIENT_TEST_CHECK(setup(rig));
        CLIENT_TEST_CHECK(rig.deliver(datagrams, datagrams.size()));
        rig.expectSent(expected);
    }

private Q_SLOTS:
    void rotorEvent_movesTheRadiosRotor_data()
    {
        columns();
        const QByteArray turn2 = n1mmRotor("<rotor>Tower</rotor><goazi>123.4</goazi><RadioNr>2</RadioNr>");
        const QByteArray turn = n1mmRotor("<goazi>200</goazi>");
        const IntegrationSettings rotors = assigned(0);
        IntegrationSettings onlyA = rotors;
        onlyA.rotorB.clear();

        QTest::newRow("radio 2") << rotors << none << Bytes{turn2} << Bytes{wire("TURN|Rotor 2|123.4")};
        QTest::newRow("radio 3 is radio 1")
            << rotors << none << Bytes{n1mmRotor("<goazi>10</goazi><RadioNr>3</RadioNr>")}
            << Bytes{wire("TURN|Rotor 1|10.0")};
        QTest::newRow("no radio, focus 1") << rotors << none << Bytes{turn} << Bytes{wire("TURN|Rotor 1|200.0")};
        QTest::newRow("no radio, focus 2")
            << rotors << none << Bytes{focus2, turn} << Bytes{wire("TURN|Rotor 2|200.0")};
        QTest::newRow("nested stop") << rotors << none << Bytes{n1mmNestedStop()} << Bytes{wire("STOP|Rotor 1")};
        QTest::newRow("stop radio 2") << rotors << none << Bytes{n1mmRotor("<stop/><RadioNr>2</RadioNr>")}
                                      << Bytes{wire("STOP|Rotor 2")};
        QTest::newRow("no rotor for radio 2") << onlyA << none << Bytes{turn2} << Bytes{};
        QTest::newRow("controller disabled")
            << rotors << Setup([](Rig& r) { r.integrations.setEnabled(false); }) << Bytes{turn2} << Bytes{};
        QTest::newRow("rotor controls off")
            << rotors << Setup([](Rig& r) { r.bench.client->setControlsEnabled(false); }) << Bytes{turn2} << Bytes{};
    }
    void rotorEvent_movesTheRadiosRotor() { run(); }

    void frequency_selectsBandPositions_data()
    {
        columns();
        const Bytes moved{wire("SET_SWITCH|Switch 3|40m"), wire("SET_TURVIX|Tuner|40m")};
        const QByteArray on40 = radioInfo(1, "710000");
        const Setup off = [](Rig& r) {
            const StationState& s = r.bench.client->station();
            r.stationLine({u"SWITCHUPDATE"_s, u"Switch 3"_s, u"OFF"_s, u"0"_s, u"-80"_s},
                          [&] { return s.switches.value(u"Switch 3"_s).position == u"OFF"_s; });
            r.stationLine({u"TURVIX"_s, u"Tuner"_s, u"0"_s, u"-68"_s, u"off"_s, u"80"_s, u"140"_s},
                          [&] { return s.tuners.value(u"Tuner"_s).position == u"off"_s; });
        };

        QTest::newRow("new band") << assigned(1) << none << Bytes{on40} << moved;
        QTest::newRow("in range kept") << assigned(1) << none << Bytes{radioInfo(1, "1420000")} << Bytes{};
        QTest::newRow("locked skipped") << assigned(1) << none << Bytes{radioInfo(1, "190000")} << Bytes{};
        QTest::newRow("no position covers") << assigned(1) << none << Bytes{radioInfo(1, "5010000")} << Bytes{};
        QTest::newRow("other radio") << assigned(1) << none << Bytes{radioInfo(2, "710000")} << Bytes{};
        QTest::newRow("radio B") << assigned(2) << none << Bytes{radioInfo(2, "710000")} << moved;
        QTest::newRow("focused radio") << assigned(3) << none << Bytes{focus2, radioInfo(2, "710000")} << moved;
        QTest::newRow("unfocused radio") << assigned(3) << none << Bytes{focus2, on40} << Bytes{};
        QTest::newRow("manual") << assigned(0) << none << Bytes{on40} << Bytes{};
        QTest::newRow("OFF never moved") << assigned(1) << off << Bytes{on40} << Bytes{};
        QTest::newRow("switch controls off")
            << assigned(1) << Setup([](Rig& r) { r.bench.client->setSwitchControlsEnabled(false); }) << Bytes{on40}
            << Bytes{};
    }
    void frequency_selectsBandPositions() { run(); }

    void keyToken_firesItsBindings_data()
    {
        columns();
        const auto row = [](const char* name, const KeyBinding& one, const Bytes& expected, QByteArray token = "F1") {
            QTest::newRow(name) << bound({one}) << none << Bytes{token} << expected;
        };
        row("rotate", binding(u"Rotor 1"_s, u"Rotate"_s), {wire("TURN|Rotor 1|200.0")});
        row("prefixed rotor clockwise", binding(u"R:Rotor 2"_s, u"CW"_s), {wire("TURN|Rotor 2|CW")}, " F1\r\n");
        row("counterclockwise", binding(u"Rotor 1"_s, u"CCW"_s), {wire("TURN|Rotor 1|CCW")});
        row("other actions stop", binding(u"Rotor 1"_s, u"Toggle"_s), {wire("STOP|Rotor 1")});
        row("switch position", binding(u"S:Switch 1"_s, u"Select"_s, u"Beverage"_s),
            {wire("SET_SWITCH|Switch 1|Beverage")});
        row("next", binding(u"S:Switch 3"_s, u"Next"_s), {wire("SET_SWITCH|Switch 3|15m")});
        row("previous", binding(u"S:Switch 3"_s, u"Previous"_s), {wire("SET_SWITCH|Switch 3|40m")});
        // "RX 1,RX 3" is not one of the listed positions: counting starts at the first.
        row("next from unlisted", binding(u"S:Switch 4"_s, u"Next"_s), {wire("SET_SWITCH|Switch 4|RX 2|true")});
        row("previous from unlisted", binding(u"S:Switch 4"_s, u"Previous"_s), {wire("SET_SWITCH|Switch 4|RX 4|true")});
        row("multi-select toggles off", binding(u"S:Switch 4"_s, u"Select"_s, u"RX 3"_s),
            {wire("SET_SWITCH|Switch 4|RX 3|false")});
        row("stack toggles", binding(u"K:Upper"_s, u"Toggle"_s), {wire("SET_STACK|Upper|false")});
        row("tuner", binding(u"T:Tuner"_s, u"Select"_s, u"15m"_s), {wire("SET_TURVIX|Tuner|15m")});
        row("unknown switch", binding(u"S:Switch 9"_s, u"Next"_s), {});
        row("tokens match exactly", binding(u"Rotor 1"_s, u"Stop"_s), {}, "f1");
        QTest::newRow("every match, in order")
            << bound({binding(u"Rotor 2"_s, u"Stop"_s), binding(u"Rotor 1"_s, u"Stop"_s, {}, u"F2"_s),
                      binding(u"K:Middle"_s, u"Select"_s)})
            << none << Bytes{"F1"} << Bytes{wire("STOP|Rotor 2"), wire("SET_STACK|Middle|true")};
    }
    void keyToken_firesItsBindings() { run(); }

    void repeatedSelection_isSentOncePerThreeSeconds()
    {
        Rig rig;
        CLIENT_TEST_CHECK(rig.open(assigned(1)));
        const StationState& s = rig.bench.client->station();
        const auto at = [&](const QString& band) {
            return s.switches.value(u"Switch 3"_s).position == band && s.tuners.value(u"Tuner"_s).position == band;
        };
        // The station follows each command; putting it back makes the same selection due again.
        const auto putBack = [&](const QString& sent) {
            QTRY_VERIFY(at(sent));
            rig.bench.simulator->sendRaw(wireLine({u"SWITCHUPDATE"_s, u"Switch 3"_s, u"20m"_s, u"0"_s, u"-68"_s}) +
                                         wireLine({u"TURVIX"_s, u"Tuner"_s, u"0"_s, u"-68"_s, u"20m"_s, u"80"_s}));
            QTRY_VERIFY(at(u"20m"_s));
        };
        const Bytes on40{radioInfo(1, "710000")};
        const Bytes moved{wire("SET_SWITCH|Switch 3|40m"), wire("SET_TURVIX|Tuner|40m")};

        CLIENT_TEST_CHECK(rig.deliver(on40, 1));
        CLIENT_TEST_CHECK(rig.expectSent(moved));
        CLIENT_TEST_CHECK(putBack(u"40m"_s));
        rig.bench.clock.advance(2.9);
        CLIENT_TEST_CHECK(rig.deliver(on40, 1));
        CLIENT_TEST_CHECK(rig.expectSent({}));
        CLIENT_TEST_CHECK(rig.deliver({radioInfo(1, "2120000")}, 1));
        CLIENT_TEST_CHECK(rig.expectSent({wire("SET_SWITCH|Switch 3|15m"), wire("SET_TURVIX|Tuner|15m")}));
        CLIENT_TEST_CHECK(putBack(u"15m"_s));
        rig.bench.clock.advance(0.1);
        CLIENT_TEST_CHECK(rig.deliver(on40, 1));
        rig.expectSent(moved);
    }

    void keyPress_reachesOnlyTheForegroundTab()
    {
        Rig rig;
        CLIENT_TEST_CHECK(rig.open(bound({binding(u"Rotor 1"_s, u"Stop"_s, {}, u"CTRL S"_s)})));
        rig.integrations.setForeground(false);
        rig.integrations.receiveKeyPress(u"CTRL S"_s, *rig.bench.client);
        QVERIFY(rig.integrations.eventHistory().isEmpty());
        rig.integrations.setForeground(true);
        rig.integrations.receiveKeyPress(u"CTRL S"_s, *rig.bench.client);
        rig.expectSent({wire("STOP|Rotor 1")});
    }

    void event_isDescribedAndRecordedWhileDisabled_data()
    {
        QTest::addColumn<LoggerEvent>("event");
        QTest::addColumn<QString>("text");
        QTest::newRow("focus") << LoggerEvent::focus(2) << u"Focused radio: 2"_s;
        QTest::newRow("frequency") << LoggerEvent::frequency(1, 14.025) << u"Radio 1 · 14.02500 MHz"_s;
        QTest::newRow("whole heading") << LoggerEvent::turn(std::nullopt, 123)
                                       << u"Rotor heading: 123.0° · radio focused"_s;
        QTest::newRow("heading") << LoggerEvent::turn(2, 123.45) << u"Rotor heading: 123.45° · radio 2"_s;
        QTest::newRow("stop") << LoggerEvent::stop(1) << u"Rotor stop · radio 1"_s;
        QTest::newRow("stop focused") << LoggerEvent::stop(std::nullopt) << u"Rotor stop · radio focused"_s;
        QTest::newRow("key") << LoggerEvent::key(u"CTRL R"_s) << u"Key: CTRL R"_s;
    }
    void event_isDescribedAndRecordedWhileDisabled()
    {
        QFETCH(LoggerEvent, event);
        QFETCH(QString, text);
        ManualClock clock;
        MemorySettingsStore defaults;
        KeltoClient client(nullptr, defaults, clock);
        StationIntegrations integrations(defaults, clock);
        QCOMPARE(integrations.lastEvent(), u"No logger data yet"_s);

        integrations.receive(event, client);
        integrations.receive(event, client);
        QCOMPARE(integrations.lastEvent(), text);
        const QStringList lines = integrations.eventHistory().split(u'\n');
        QCOMPARE(lines.size(), 3);
        QVERIFY2(lines.first().endsWith(u" · "_s + text) && lines.first().size() > text.size() + 5,
                 qPrintable(lines.first()));
        if (const auto* focus = event.as<LoggerEvent::Focus>()) {
            QCOMPARE(integrations.focus(), focus->radio);
        }
        if (const auto* frequency = event.as<LoggerEvent::Frequency>()) {
            QCOMPARE(integrations.frequencies(), (QMap<int, double>{{frequency->radio, frequency->mhz}}));
        }
    }
};

QTEST_GUILESS_MAIN(TestStationIntegrations)
#include "tst_stationintegrations.moc"

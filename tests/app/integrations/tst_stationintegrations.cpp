#include "app/integrations/StationIntegrations.h"
#include "app/integrations/WsjtxListener.h"
#include "app/integrations/keyboard/NativeKeyboard.h"
#include "app/map/PointAtTargets.h"
#include "app/profiles/HeadingPreset.h"
#include "app/profiles/SettingsKeys.h"
#include "core/integrations/LoggerTransport.h"
#include "core/integrations/PhidgetEncoder.h"
#include "tests/core/client/ClientTestSupport.h"
#include "tests/core/integrations/LoggerTestSupport.h"
#include "tests/core/integrations/fakephidget/FakePhidgetDevice.h"

#include <QDataStream>
#include <QUdpSocket>
#include <QWidget>
#include <QWindow>

#include <functional>
#include <limits>

using namespace ClientTest;

namespace {

using Bytes = QList<QByteArray>;
using Counts = QList<qint64>;

const QString fakeLibrary = QString::fromUtf8(FAKEPHIDGET_PATH);

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

QString freeUdpPort()
{
    QUdpSocket probe;
    probe.bind(QHostAddress::LocalHost, 0);
    return QString::number(probe.localPort());
}

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
    // The encoder's reports as the controller received them; the device starts far from zero.
    Counts counts;
    int presses = 0;
    qint64 position = 1000;

    void open(IntegrationSettings settings)
    {
        bench.connectLive();
        bench.client->setControlsEnabled(true);
        bench.client->setSwitchControlsEnabled(true);
        port = freeUdpPort().toUShort();
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

    // The first reading after the device attaches must not count as a turn.
    void startEncoder(FakePhidgetDevice& fake)
    {
        PhidgetEncoder& encoder = integrations.encoder();
        QObject::connect(&encoder, &PhidgetEncoder::deltaReceived, &encoder, [this](qint64 d) { counts.append(d); });
        QObject::connect(&encoder, &PhidgetEncoder::pressReceived, &encoder, [this] { ++presses; });
        encoder.setLibraryCandidates({fakeLibrary});
        integrations.startEncoder(*bench.client);
        QTRY_VERIFY(encoder.message().startsWith(u"Waiting for Phidget"_s));
        fake.set(true, position);
        QTRY_COMPARE(encoder.message(), u"Phidget connected"_s);
        fake.settle();
        QCOMPARE(counts, Counts());
    }

    void turn(FakePhidgetDevice& fake, qint64 by)
    {
        fake.set(true, position += by);
        QTRY_COMPARE(counts, Counts{by});
        counts.clear();
    }

    void press(FakePhidgetDevice& fake)
    {
        fake.set(true, position, 1);
        fake.settle();
        fake.set(true, position, 0);
        QTRY_COMPARE(presses, 1);
    }
};

using Setup = std::function<void(Rig&)>;
const Setup none = [](Rig&) {};
const Setup disabled = [](Rig& r) { r.integrations.setEnabled(false); };
const Setup disconnected = [](Rig& r) {
    r.bench.client->disconnectFromStation();
    QTRY_VERIFY(!r.bench.client->connected());
};
// Three presets of "Rotor 1" on this server, in stored order, among presets of another rotor and
// another server that must not count.
const Setup presets = [](Rig& r) {
    const QString here = r.bench.client->endpoint();
    const auto preset = [](const QString& endpoint, const QString& rotor, const QString& name, double degrees) {
        return HeadingPreset::make(endpoint, rotor, name, degrees).value();
    };
    r.bench.defaults.setText(
        SettingsKeys::headingPresets,
        HeadingPreset::encode({preset(here, u"Rotor 1"_s, u"Europe"_s, 45), preset(here, u"Rotor 2"_s, u"Asia"_s, 60),
                               preset(u"10.0.0.9:4001"_s, u"Rotor 1"_s, u"Elsewhere"_s, 90),
                               preset(here, u"Rotor 1"_s, u"Japan"_s, 330),
                               preset(here, u"Rotor 1"_s, u"Pacific"_s, 250.5)}));
};

// Mechanics for "Rotor 1" (at 45° when the station starts) as the tab would hand them over.
Setup rotor1(const std::function<void(RotorMechanics&)>& change)
{
    return [change](Rig& r) {
        RotorMechanics mechanics;
        change(mechanics);
        r.bench.client->setRotorMechanics({{u"Rotor 1"_s, mechanics}});
    };
}

Setup limitedTo(double low, double high)
{
    return rotor1([low, high](RotorMechanics& m) {
        m.limit = RotorMechanics::Limit::limits;
        m.low = low;
        m.high = high;
    });
}

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

IntegrationSettings encoderOn(const QString& target, double step = 1.0)
{
    IntegrationSettings settings;
    settings.encoderSerial = u"7"_s;
    settings.encoderTarget = target;
    settings.encoderStep = step;
    return settings;
}

// A WSJT-X Status datagram written field by field as its network protocol describes it (schema 2).
QByteArray wsjtxStatus(const QByteArray& dxCall, const QByteArray& dxGrid, quint64 dial)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_5_4);
    out << quint32(0xadbccbda) << quint32(2) << quint32(1) << QByteArray("WSJT-X");
    out << dial << QByteArray("FT8") << dxCall << QByteArray("-12") << QByteArray("FT8");
    out << true << false << true << qint32(1'500) << qint32(-20);
    out << QByteArray("DL1ABC") << QByteArray("JO62") << dxGrid;
    return bytes;
}

enum class KeySource { udp, mainWindow, keyboardLogger, loggerRestarted };

} // namespace

Q_DECLARE_METATYPE(KeySource)

// The controller between real datagrams, key events and the stand-in encoder library on one
// side and a client connected to the station simulator on the other: each case must put exactly
// these commands on the wire.
class TestStationIntegrations final : public QObject {
    Q_OBJECT

    FakePhidgetDevice m_fake{FAKEPHIDGET_PATH};

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
    void initTestCase() { QVERIFY2(m_fake.loaded(), "stand-in encoder library not loadable"); }
    void init() { m_fake.reset(); }
    void cleanup() { QTRY_COMPARE(m_fake.liveHandles(), 0); }

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
        QTest::newRow("past the limits") << rotors << limitedTo(0, 180) << Bytes{turn} << Bytes{};
        QTest::newRow("two-way takes the nearer lobe") << rotors << rotor1([](RotorMechanics& m) { m.twoWay = true; })
                                                       << Bytes{turn} << Bytes{wire("TURN|Rotor 1|20.0")};
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
        const auto limited = [](const char* name, const KeyBinding& one, const Setup& setup, const Bytes& expected) {
            QTest::newRow(name) << bound({one}) << setup << Bytes{"F1"} << expected;
        };
        limited("rotate past the limits", binding(u"Rotor 1"_s, u"Rotate"_s), limitedTo(0, 180), {});
        limited("park", binding(u"Rotor 1"_s, u"Park"_s), rotor1([](RotorMechanics& m) { m.park = 90; }),
                {wire("TURN|Rotor 1|90.0")});
        limited("jog toward the limit", binding(u"Rotor 1"_s, u"CW"_s), limitedTo(0, 50), {});
        // The target Rotor 1's card shows; Rotor 2 has none.
        const Setup pointed = [](Rig& r) {
            auto* targets = new PointAtTargets(&r.integrations);
            targets->setAim(u"Rotor 1"_s, {u"JA1ABC"_s, 31.4, 211.4});
            r.integrations.setPointAtTargets(targets);
        };
        QTest::newRow("short path") << bound({binding(u"Rotor 1"_s, u"Turn short path"_s)}) << pointed << Bytes{"F1"}
                                    << Bytes{wire("TURN|Rotor 1|31.4")};
        QTest::newRow("long path") << bound({binding(u"R:Rotor 1"_s, u"Turn long path"_s)}) << pointed << Bytes{"F1"}
                                   << Bytes{wire("TURN|Rotor 1|211.4")};
        QTest::newRow("no target, nothing moves")
            << bound({binding(u"Rotor 2"_s, u"Turn short path"_s)}) << pointed << Bytes{"F1"} << Bytes{};
        QTest::newRow("no targets at all")
            << bound({binding(u"Rotor 1"_s, u"Turn long path"_s)}) << none << Bytes{"F1"} << Bytes{};
        QTest::newRow("every match, in order")
            << bound({binding(u"Rotor 2"_s, u"Stop"_s), binding(u"Rotor 1"_s, u"Stop"_s, {}, u"F2"_s),
                      binding(u"K:Middle"_s, u"Select"_s)})
            << none << Bytes{"F1"} << Bytes{wire("STOP|Rotor 2"), wire("SET_STACK|Middle|true")};
    }
    void keyToken_firesItsBindings() { run(); }

    void wsjtxStatus_movesThePointAtTargetAndTheBands()
    {
        Rig rig;
        IntegrationSettings settings = assigned(1);
        settings.wsjtxRotor = u"Rotor 2"_s;
        settings.wsjtxPort = freeUdpPort();
        CLIENT_TEST_CHECK(rig.open(settings));
        PointAtTargets targets;
        rig.integrations.setPointAtTargets(&targets);
        rig.integrations.startWsjtx(*rig.bench.client);
        QVERIFY2(rig.integrations.wsjtxListener().listening(), qPrintable(rig.integrations.wsjtxMessage()));
        const quint16 port = settings.wsjtxPort.toUShort();
        const auto send = [&](const QByteArray& datagram) {
            rig.sender.writeDatagram(datagram, QHostAddress::LocalHost, port);
        };

        // A grid beats the call's prefix; the 40 m dial frequency selects 40 m as radio A's would.
        send(wsjtxStatus("JA1ABC", "PM95", 7'074'000));
        QTRY_COMPARE(targets.text(u"Rotor 2"_s), u"PM95"_s);
        rig.expectSent({wire("SET_SWITCH|Switch 3|40m"), wire("SET_TURVIX|Tuner|40m")});
        // Without a grid the call stands; a damaged datagram moves nothing and is counted.
        QByteArray damaged = wsjtxStatus("W1AW", "FN31", 14'074'000);
        damaged.chop(3);
        send(damaged);
        send(wsjtxStatus("VK2XYZ", QByteArray(), 0));
        QTRY_COMPARE(targets.text(u"Rotor 2"_s), u"VK2XYZ"_s);
        QCOMPARE(rig.integrations.wsjtxListener().dropped(), quint64(1));
        QVERIFY(targets.text(u"Rotor 1"_s).isEmpty());
        // Nothing turns: the field only follows.
        rig.expectSent({});

        // With the card's switch on, a new DX call turns the short path of the aim the card
        // publishes (set here as a card would); the same call again turns nothing.
        targets.setTurnsOnNewCall(u"Rotor 2"_s, true);
        targets.setAim(u"Rotor 2"_s, {u"FN42"_s, 31.4, 211.4});
        send(wsjtxStatus("K1ABC", "FN42", 0));
        QTRY_COMPARE(targets.text(u"Rotor 2"_s), u"FN42"_s);
        send(wsjtxStatus("K1ABC", "FN43", 0));
        QTRY_COMPARE(targets.text(u"Rotor 2"_s), u"FN43"_s);
        rig.expectSent({wire("TURN|Rotor 2|31.4")});
        rig.integrations.stopWsjtx();
        QVERIFY(!rig.integrations.wsjtxListener().listening());
    }

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
        // 14.015625 is exact in binary: the tie goes to the even digit.
        QTest::newRow("frequency on a tie") << LoggerEvent::frequency(2, 14.015625) << u"Radio 2 · 14.01562 MHz"_s;
        QTest::newRow("whole heading") << LoggerEvent::turn(std::nullopt, 123)
                                       << u"Rotor heading: 123.0° · radio focused"_s;
        QTest::newRow("heading") << LoggerEvent::turn(2, 123.45) << u"Rotor heading: 123.45° · radio 2"_s;
        QTest::newRow("small heading") << LoggerEvent::turn(1, 0.0005) << u"Rotor heading: 0.0005° · radio 1"_s;
        QTest::newRow("tiny heading") << LoggerEvent::turn(1, 0.00001) << u"Rotor heading: 1e-05° · radio 1"_s;
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
    void startEncoder_readsTheSerialStrictly_data()
    {
        QTest::addColumn<QString>("serial");
        QTest::addColumn<QString>("message");
        const QString refused = u"Enter a device serial number and valid channel."_s;
        QTest::newRow("signed") << u"+4711"_s
                                << u"Waiting for Phidget 4711. Legacy HID devices may require the vendor USB driver."_s;
        QTest::newRow("not a number") << u"47x"_s << refused;
        // 2^32 + 4711 must not wrap to 4711.
        QTest::newRow("beyond 32 bits") << u"4294971007"_s << refused;
    }
    void startEncoder_readsTheSerialStrictly()
    {
        QFETCH(QString, serial);
        QFETCH(QString, message);
        ManualClock clock;
        MemorySettingsStore defaults;
        KeltoClient client(nullptr, defaults, clock);
        StationIntegrations integrations(defaults, clock);
        integrations.load(u"127.0.0.1:4001"_s);
        IntegrationSettings settings = encoderOn(u"R:Rotor 1"_s);
        settings.encoderSerial = serial;
        integrations.setSettings(settings);
        integrations.encoder().setLibraryCandidates({fakeLibrary});
        integrations.startEncoder(client);
        QTRY_COMPARE(integrations.encoder().message(), message);
        QCOMPARE(IntegrationSettings::decoded(defaults.data(SettingsKeys::integrations(u"127.0.0.1:4001"_s)).value()),
                 settings);
    }

    void turnThenPress_previewsThenSends_data()
    {
        QTest::addColumn<IntegrationSettings>("settings");
        QTest::addColumn<double>("rotorHeading");
        QTest::addColumn<Setup>("setup");
        QTest::addColumn<Counts>("turns");
        QTest::addColumn<double>("heading");
        QTest::addColumn<QString>("selection");
        QTest::addColumn<Bytes>("sent");
        // Rotor 1 reports `rotor` degrees before the encoder starts.
        const auto row = [](const char* name, const IntegrationSettings& settings, const Counts& turns, double heading,
                            const QString& selection, const Bytes& sent, const Setup& setup = none,
                            double rotor = 45.0) {
            QTest::newRow(name) << settings << rotor << setup << turns << heading << selection << sent;
        };
        const auto r1 = [](double step) { return encoderOn(u"R:Rotor 1"_s, step); };
        const double infinite = std::numeric_limits<double>::infinity();

        row("step 5 past north", r1(5), {1}, 3.0, {}, {wire("TURN|Rotor 1|3.0")}, none, 358.0);
        row("negative step reverses", r1(-1), {1}, 359.0, {}, {wire("TURN|Rotor 1|359.0")}, none, 0.0);
        row("infinite step keeps the heading", r1(infinite), {1}, 45.0, {}, {wire("TURN|Rotor 1|45.0")});
        row("switch: unlisted starts at the first", encoderOn(u"S:Switch 1"_s), {1}, 0.0, u"Dipole"_s,
            {wire("SET_SWITCH|Switch 1|Dipole")});
        row("switch: back from the first is the last", encoderOn(u"S:Switch 1"_s), {-1}, 0.0, u"Beverage"_s,
            {wire("SET_SWITCH|Switch 1|Beverage")});
        row("multi-select switch toggles", encoderOn(u"S:Switch 4"_s), {2}, 0.0, u"RX 3"_s,
            {wire("SET_SWITCH|Switch 4|RX 3|false")});
        row("presets: +7 of three moves one", encoderOn(u"P:Rotor 1"_s), {1, 7}, 0.0, u"Pacific"_s,
            {wire("TURN|Rotor 1|250.5")}, presets);
        row("presets: -7 of three moves one back", encoderOn(u"P:Rotor 1"_s), {-7}, 0.0, u"Pacific"_s,
            {wire("TURN|Rotor 1|250.5")}, presets);
        row("tuner positions", encoderOn(u"T:Tuner"_s), {3, -1}, 0.0, u"15m"_s, {wire("SET_TURVIX|Tuner|15m")});
        row("stack toggles without a preview", encoderOn(u"K:Middle"_s), {1}, 0.0, {}, {wire("SET_STACK|Middle|true")});
        row("disabled", r1(1), {5}, 45.0, {}, {}, disabled);
        row("limits hold the encoder", r1(5), {1}, 183.0, {}, {}, limitedTo(0, 180), 178.0);
        row("disconnected", r1(1), {5}, 45.0, {}, {}, disconnected);
    }
    void turnThenPress_previewsThenSends()
    {
        QFETCH(IntegrationSettings, settings);
        QFETCH(double, rotorHeading);
        QFETCH(Setup, setup);
        QFETCH(Counts, turns);
        QFETCH(double, heading);
        QFETCH(QString, selection);
        QFETCH(Bytes, sent);
        Rig rig;
        CLIENT_TEST_CHECK(rig.open(settings));
        const StationState& station = rig.bench.client->station();
        CLIENT_TEST_CHECK(rig.stationLine({u"POINT"_s, u"Rotor 1"_s, QString::number(rotorHeading), u"0"_s, u"-73"_s},
                                          [&] { return station.rotors.value(u"Rotor 1"_s).heading == rotorHeading; }));
        // The client turns a rotor only once its heading has been still for 3 seconds.
        rig.bench.clock.advance(3.1);
        CLIENT_TEST_CHECK(rig.startEncoder(m_fake));
        CLIENT_TEST_CHECK(setup(rig));
        rig.bench.simulator->clearReceived();
        for (const qint64 by : turns) {
            CLIENT_TEST_CHECK(rig.turn(m_fake, by));
        }
        QCOMPARE(rig.integrations.encoderHeading(), heading);
        QCOMPARE(rig.integrations.encoderSelection(), selection);

        const qsizetype logged = rig.bench.client->log().size();
        CLIENT_TEST_CHECK(rig.press(m_fake));
        if (rig.bench.client->connected()) {
            rig.expectSent(sent);
        } else {
            // A command refused for want of a connection would still be logged as blocked.
            QCOMPARE(rig.bench.client->log().size(), logged);
        }
    }

    void keyInputs_fireBindings_data()
    {
        QTest::addColumn<KeySource>("source");
        QTest::addColumn<Bytes>("expected");
        const Bytes turned{wire("TURN|Rotor 2|200.0")};
        QTest::newRow("UDP token on 127.0.0.1") << KeySource::udp << turned;
        QTest::newRow("key in the main window") << KeySource::mainWindow << turned;
        QTest::newRow("keyboard logger watches keys") << KeySource::keyboardLogger << turned;
        QTest::newRow("another logger stops watching") << KeySource::loggerRestarted << Bytes{};
    }
    void keyInputs_fireBindings()
    {
        QFETCH(KeySource, source);
        QFETCH(Bytes, expected);
        QWidget mainWindow;
        mainWindow.setObjectName(NativeKeyboard::mainWindowName);
        mainWindow.show();
        QVERIFY(QTest::qWaitForWindowExposed(&mainWindow));

        Rig rig;
        IntegrationSettings settings = bound({binding(u"R:Rotor 2"_s, u"Rotate"_s, {}, u"CTRL R"_s)});
        settings.kind = source == KeySource::keyboardLogger ? LoggerKind::keyboard : LoggerKind::n1mm;
        settings.keyboardPort = freeUdpPort();
        // Opening starts the logger input, which watches keys only for the keyboard logger.
        CLIENT_TEST_CHECK(rig.open(settings));
        if (source != KeySource::keyboardLogger) {
            rig.integrations.startKeyboard(*rig.bench.client);
            QTRY_VERIFY(rig.integrations.keyboardTransport().message().startsWith(u"Listening on 127.0.0.1"_s));
        }
        if (source == KeySource::loggerRestarted) {
            rig.integrations.start(*rig.bench.client);
        }

        if (source == KeySource::udp) {
            rig.sender.writeDatagram("CTRL R", QHostAddress::LocalHost, settings.keyboardPort.toUShort());
            QTRY_COMPARE(rig.integrations.lastEvent(), u"Key: CTRL R"_s);
        } else {
            QTest::keyClick(mainWindow.windowHandle(), Qt::Key_R, Qt::ControlModifier);
        }
        rig.expectSent(expected);
    }
};

QTEST_MAIN(TestStationIntegrations)
#include "tst_stationintegrations.moc"

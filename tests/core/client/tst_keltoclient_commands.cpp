#include "ClientTestSupport.h"

#include <QTest>

#include <functional>
#include <optional>

using namespace ClientTest;

namespace {

// What a command put on the wire and in the log.
struct Outcome {
    QByteArray bytes;
    QString log;
};

} // namespace

// Guarded commands against a live simulated station: accepted ones reach the server byte for
// byte, refused ones send nothing. The manual clock stands still unless a case moves it, so every
// device the simulator reports stays fresh.
class TestKeltoClientCommands final : public QObject {
    Q_OBJECT

    using Command = std::function<Outcome(KeltoClient&)>;
    using Setup = std::function<void(Bench&)>;

    // Waits for a marker command behind anything the refused command may have sent.
    static void expectNothingSent(Bench& bench)
    {
        bench.client->refreshPresets();
        QTRY_COMPARE(commandRecords(*bench.simulator), QList<QByteArray>{"GET_LOCATIONS\r\n"});
    }

    static Setup moveRotorOne(double secondsAgo)
    {
        return [secondsAgo](Bench& bench) {
            const double heading = bench.client->station().rotors.value(u"Rotor 1"_s).heading.value_or(0.0);
            bench.simulator->setRotorHeading(u"Rotor 1"_s, heading + 20.0);
            QTRY_VERIFY(bench.client->station().rotors.value(u"Rotor 1"_s).lastHeadingChange.has_value());
            bench.clock.advance(secondsAgo);
        };
    }

    static Setup rotorOneStatus(const QString& status)
    {
        return [status](Bench& bench) {
            bench.simulator->setRotorStatus(u"Rotor 1"_s, status);
            QTRY_COMPARE(bench.client->station().rotors.value(u"Rotor 1"_s).status, status);
        };
    }

    static void openBench(Bench& bench)
    {
        bench.connectLive();
        bench.client->setControlsEnabled(true);
        bench.client->setSwitchControlsEnabled(true);
        bench.simulator->clearReceived();
    }

private Q_SLOTS:
    void acceptedCommand_reachesServerByteForByte_data()
    {
        QTest::addColumn<Setup>("setup");
        QTest::addColumn<Command>("command");
        const Setup none = [](Bench&) {};

        QTest::newRow("turn") << none << Command([](KeltoClient& c) {
            c.turn(u"Rotor 1"_s, 123.45);
            return Outcome{"TURN\x1fRotor 1\x1f"
                           "123.5\r\n",
                           u"Turn requested: Rotor 1 → 123.5°"_s};
        });
        QTest::newRow("turn to 360") << none << Command([](KeltoClient& c) {
            c.turn(u"Rotor 2"_s, 360.0);
            return Outcome{"TURN\x1fRotor 2\x1f"
                           "360.0\r\n",
                           u"Turn requested: Rotor 2 → 360.0°"_s};
        });
        QTest::newRow("turn after settling") << moveRotorOne(3.0) << Command([](KeltoClient& c) {
            c.turn(u"Rotor 1"_s, 90.25);
            return Outcome{"TURN\x1fRotor 1\x1f"
                           "90.2\r\n",
                           u"Turn requested: Rotor 1 → 90.2°"_s};
        });
        QTest::newRow("stop") << none << Command([](KeltoClient& c) {
            c.stop(u"Rotor 2"_s);
            return Outcome{"STOP\x1fRotor 2\r\n", u"Stop requested: Rotor 2"_s};
        });
        QTest::newRow("stop when stale") << Setup([](Bench& b) { b.clock.advance(8.0); })
                                         << Command([](KeltoClient& c) {
                                                c.stop(u"Rotor 1"_s);
                                                return Outcome{"STOP\x1fRotor 1\r\n", u"Stop requested: Rotor 1"_s};
                                            });
        QTest::newRow("stop while turning") << rotorOneStatus(u"4"_s) << Command([](KeltoClient& c) {
            c.stop(u"Rotor 1"_s);
            return Outcome{"STOP\x1fRotor 1\r\n", u"Stop requested: Rotor 1"_s};
        });
        QTest::newRow("jog clockwise") << none << Command([](KeltoClient& c) {
            c.jog(u"Rotor 1"_s, true);
            return Outcome{"TURN\x1fRotor 1\x1f"
                           "CW\r\n",
                           u"Jog requested: Rotor 1 CW"_s};
        });
        QTest::newRow("jog counterclockwise") << none << Command([](KeltoClient& c) {
            c.jog(u"Rotor 2"_s, false);
            return Outcome{"TURN\x1fRotor 2\x1f"
                           "CCW\r\n",
                           u"Jog requested: Rotor 2 CCW"_s};
        });
        QTest::newRow("preset") << none << Command([](KeltoClient& c) {
            c.turnToPreset(u"Rotor 1"_s, u"South America"_s);
            return Outcome{"TO_PRESET\x1fRotor 1\x1fSouth America\r\n",
                           u"Preset turn requested: Rotor 1 → South America"_s};
        });
        QTest::newRow("lock while turning") << rotorOneStatus(u"3"_s) << Command([](KeltoClient& c) {
            c.requestRotorLock(u"Rotor 1"_s, true);
            return Outcome{"LOCK\x1fRotor 1\r\n", u"Lock requested: Rotor 1. Server does not confirm ownership; "
                                                  u"other clients at the same IP share the lock."_s};
        });
        QTest::newRow("stack on") << none << Command([](KeltoClient& c) {
            c.setStack(u"Middle"_s, true);
            return Outcome{"SET_STACK\x1fMiddle\x1ftrue\r\n", u"Stack requested: Middle on"_s};
        });
        QTest::newRow("stack off") << none << Command([](KeltoClient& c) {
            c.setStack(u"Upper"_s, false);
            return Outcome{"SET_STACK\x1fUpper\x1f"
                           "false\r\n",
                           u"Stack requested: Upper off"_s};
        });
        QTest::newRow("switch position") << none << Command([](KeltoClient& c) {
            c.selectSwitch(u"Switch 1"_s, u"Beverage"_s);
            return Outcome{"SET_SWITCH\x1fSwitch 1\x1f"
                           "Beverage\r\n",
                           u"Switch requested: Switch 1 → Beverage"_s};
        });
        QTest::newRow("band position") << none << Command([](KeltoClient& c) {
            c.selectSwitch(u"Switch 3"_s, u"40m"_s);
            return Outcome{"SET_SWITCH\x1fSwitch 3\x1f"
                           "40m\r\n",
                           u"Switch requested: Switch 3 → 40m"_s};
        });
        QTest::newRow("multi-select on") << none << Command([](KeltoClient& c) {
            c.selectSwitch(u"Switch 4"_s, u"RX 2"_s, true);
            return Outcome{"SET_SWITCH\x1fSwitch 4\x1fRX 2\x1ftrue\r\n", u"Switch requested: Switch 4 → RX 2 on"_s};
        });
        QTest::newRow("multi-select off") << none << Command([](KeltoClient& c) {
            c.selectSwitch(u"Switch 4"_s, u"RX 3"_s, false);
            return Outcome{"SET_SWITCH\x1fSwitch 4\x1fRX 3\x1f"
                           "false\r\n",
                           u"Switch requested: Switch 4 → RX 3 off"_s};
        });
        QTest::newRow("tuner position") << none << Command([](KeltoClient& c) {
            c.selectTuner(u"Tuner"_s, u"15m"_s);
            return Outcome{"SET_TURVIX\x1fTuner\x1f"
                           "15m\r\n",
                           u"Tuner position requested: Tuner → 15m"_s};
        });
        QTest::newRow("tuner adjustment") << none << Command([](KeltoClient& c) {
            c.adjustTuner(u"Tuner"_s, u"Inductor"_s, false);
            return Outcome{"TURVIXTURN\x1fTuner\x1fInductor\x1f"
                           "CCW\r\n",
                           u"Tuner adjustment requested: Tuner / Inductor"_s};
        });
        QTest::newRow("tuner calibration") << none << Command([](KeltoClient& c) {
            c.adjustTuner(u"Tuner"_s, u"Capacitor"_s);
            return Outcome{"TURVIX_CAL\x1fTuner\x1f"
                           "Capacitor\r\n",
                           u"Tuner calibration requested: Tuner / Capacitor"_s};
        });
        QTest::newRow("presets") << none << Command([](KeltoClient& c) {
            c.refreshPresets();
            return Outcome{"GET_LOCATIONS\r\n", u"Requested server presets"_s};
        });
    }
    void acceptedCommand_reachesServerByteForByte()
    {
        QFETCH(Setup, setup);
        QFETCH(Command, command);
        Bench bench;
        CLIENT_TEST_CHECK(openBench(bench));
        CLIENT_TEST_CHECK(setup(bench));
        bench.simulator->clearReceived();

        const Outcome expected = command(*bench.client);
        QCOMPARE(lastLogText(*bench.client), expected.log);
        QTRY_COMPARE(commandRecords(*bench.simulator), QList<QByteArray>{expected.bytes});
        QVERIFY(bench.client->connected());
    }

    void refusedCommand_sendsNothing_data()
    {
        QTest::addColumn<Setup>("setup");
        QTest::addColumn<Command>("command");
        const Setup none = [](Bench&) {};
        const Setup rotorsOff = [](Bench& b) { b.client->setControlsEnabled(false); };
        const Setup switchesOff = [](Bench& b) { b.client->setSwitchControlsEnabled(false); };
        const Setup stale = [](Bench& b) { b.clock.advance(8.0); };
        const QString turnBlocked = u"Turn blocked: control is disabled or heading is stale."_s;
        const QString jogBlocked = u"Jog blocked: control disabled, stale or moving."_s;
        const QString presetBlocked = u"Preset turn blocked: controls disabled, stale heading, or unknown preset."_s;
        const QString lockBlocked = u"Rotor lock request blocked: control is disabled or rotor is unavailable."_s;
        const QString stackBlocked = u"Stack command blocked: controls disabled or unavailable status."_s;
        const QString switchBlocked =
            u"Switch blocked: controls disabled, stale status, locked position, or incompatible command."_s;
        const auto logged = [](const QString& line) { return Outcome{{}, line}; };

        QTest::newRow("turn, rotor controls off") << rotorsOff << Command([=](KeltoClient& c) {
            c.turn(u"Rotor 1"_s, 10.0);
            return logged(turnBlocked);
        });
        QTest::newRow("turn, stale at 8 s") << stale << Command([=](KeltoClient& c) {
            c.turn(u"Rotor 1"_s, 10.0);
            return logged(turnBlocked);
        });
        QTest::newRow("turn, moved 2 s ago") << moveRotorOne(2.0) << Command([=](KeltoClient& c) {
            c.turn(u"Rotor 1"_s, 10.0);
            return logged(turnBlocked);
        });
        QTest::newRow("turn, turning status") << rotorOneStatus(u"3"_s) << Command([=](KeltoClient& c) {
            c.turn(u"Rotor 1"_s, 10.0);
            return logged(turnBlocked);
        });
        QTest::newRow("turn, unknown rotor") << none << Command([=](KeltoClient& c) {
            c.turn(u"Rotor 9"_s, 10.0);
            return logged(turnBlocked);
        });
        QTest::newRow("turn, heading out of range") << none << Command([](KeltoClient& c) {
            c.turn(u"Rotor 1"_s, 360.04);
            return Outcome{{}, u"Enter a heading between 0 and 360 degrees."_s};
        });
        QTest::newRow("stop, offline status") << rotorOneStatus(u"1"_s) << Command([](KeltoClient& c) {
            c.stop(u"Rotor 1"_s);
            return Outcome{};
        });
        QTest::newRow("stop, rotor controls off") << rotorsOff << Command([](KeltoClient& c) {
            c.stop(u"Rotor 1"_s);
            return Outcome{};
        });
        QTest::newRow("jog, moved 2 s ago") << moveRotorOne(2.0) << Command([=](KeltoClient& c) {
            c.jog(u"Rotor 1"_s, true);
            return logged(jogBlocked);
        });
        QTest::newRow("jog, stale") << stale << Command([=](KeltoClient& c) {
            c.jog(u"Rotor 2"_s, false);
            return logged(jogBlocked);
        });
        QTest::newRow("preset, unknown preset") << none << Command([=](KeltoClient& c) {
            c.turnToPreset(u"Rotor 1"_s, u"Atlantis"_s);
            return logged(presetBlocked);
        });
        QTest::newRow("preset, stale") << stale << Command([=](KeltoClient& c) {
            c.turnToPreset(u"Rotor 1"_s, u"Europe"_s);
            return logged(presetBlocked);
        });
        QTest::newRow("lock, stale") << stale << Command([=](KeltoClient& c) {
            c.requestRotorLock(u"Rotor 1"_s, true);
            return logged(lockBlocked);
        });
        QTest::newRow("lock, read-only status") << rotorOneStatus(u"6"_s) << Command([=](KeltoClient& c) {
            c.requestRotorLock(u"Rotor 1"_s, true);
            return logged(lockBlocked);
        });
        QTest::newRow("release never requested") << none << Command([=](KeltoClient& c) {
            c.requestRotorLock(u"Rotor 1"_s, false);
            return logged(lockBlocked);
        });
        QTest::newRow("stack, switch controls off") << switchesOff << Command([=](KeltoClient& c) {
            c.setStack(u"Upper"_s, false);
            return logged(stackBlocked);
        });
        QTest::newRow("stack, status not ready") << Setup([](Bench& b) {
            b.simulator->setStackStatus(u"2"_s);
            QTRY_COMPARE(b.client->station().stacks.value(u"Upper"_s).status, u"2"_s);
        }) << Command([=](KeltoClient& c) {
            c.setStack(u"Upper"_s, false);
            return logged(stackBlocked);
        });
        QTest::newRow("switch, switch controls off") << switchesOff << Command([=](KeltoClient& c) {
            c.selectSwitch(u"Switch 1"_s, u"Vertical"_s);
            return logged(switchBlocked);
        });
        QTest::newRow("switch, locked position") << none << Command([=](KeltoClient& c) {
            c.selectSwitch(u"Switch 1"_s, u"Loop"_s);
            return logged(switchBlocked);
        });
        QTest::newRow("switch, unknown position") << none << Command([=](KeltoClient& c) {
            c.selectSwitch(u"Switch 1"_s, u"Yagi"_s);
            return logged(switchBlocked);
        });
        QTest::newRow("switch, flag on single-select") << none << Command([=](KeltoClient& c) {
            c.selectSwitch(u"Switch 1"_s, u"Vertical"_s, true);
            return logged(switchBlocked);
        });
        QTest::newRow("switch, no flag on multi-select") << none << Command([=](KeltoClient& c) {
            c.selectSwitch(u"Switch 4"_s, u"RX 2"_s);
            return logged(switchBlocked);
        });
        QTest::newRow("switch, stale") << stale << Command([=](KeltoClient& c) {
            c.selectSwitch(u"Switch 1"_s, u"Vertical"_s);
            return logged(switchBlocked);
        });
        QTest::newRow("switch, status not ready") << Setup([](Bench& b) {
            b.simulator->setSwitchStatus(u"Switch 1"_s, u"1"_s);
            QTRY_COMPARE(b.client->station().switches.value(u"Switch 1"_s).status, u"1"_s);
        }) << Command([=](KeltoClient& c) {
            c.selectSwitch(u"Switch 1"_s, u"Vertical"_s);
            return logged(switchBlocked);
        });
        QTest::newRow("tuner, switch controls off") << switchesOff << Command([](KeltoClient& c) {
            c.selectTuner(u"Tuner"_s, u"15m"_s);
            c.adjustTuner(u"Tuner"_s, u"Capacitor"_s, true);
            return Outcome{};
        });
        QTest::newRow("tuner, unknown position or rotor") << none << Command([](KeltoClient& c) {
            c.selectTuner(u"Tuner"_s, u"6m"_s);
            c.adjustTuner(u"Tuner"_s, u"Coil"_s);
            return Outcome{};
        });
        QTest::newRow("tuner, status not controllable") << Setup([](Bench& b) {
            b.simulator->setTunerStatus(u"2"_s);
            QTRY_COMPARE(b.client->station().tuners.value(u"Tuner"_s).status, u"2"_s);
        }) << Command([](KeltoClient& c) {
            c.selectTuner(u"Tuner"_s, u"15m"_s);
            return Outcome{};
        });
    }
    void refusedCommand_sendsNothing()
    {
        QFETCH(Setup, setup);
        QFETCH(Command, command);
        Bench bench;
        CLIENT_TEST_CHECK(openBench(bench));
        CLIENT_TEST_CHECK(setup(bench));
        bench.simulator->clearReceived();
        const QStringList logBefore = logTexts(*bench.client);

        const Outcome expected = command(*bench.client);
        const QStringList added = logTexts(*bench.client).mid(logBefore.size());
        QCOMPARE(added, expected.log.isEmpty() ? QStringList() : QStringList{expected.log});
        CLIENT_TEST_CHECK(expectNothingSent(bench));
        QVERIFY(bench.client->rotorLockRequests().isEmpty());
    }

    void splitEnableSwitches_governTheirOwnDevices()
    {
        Bench bench;
        CLIENT_TEST_CHECK(openBench(bench));
        bench.client->setSwitchControlsEnabled(false);
        bench.client->turn(u"Rotor 1"_s, 200.0);
        bench.client->setStack(u"Middle"_s, true);
        QTRY_COMPARE(commandRecords(*bench.simulator), QList<QByteArray>{"TURN\x1fRotor 1\x1f"
                                                                         "200.0\r\n"});

        bench.simulator->clearReceived();
        bench.client->setControlsEnabled(false);
        bench.client->setSwitchControlsEnabled(true);
        bench.client->stop(u"Rotor 1"_s);
        bench.client->setStack(u"Middle"_s, true);
        QTRY_COMPARE(commandRecords(*bench.simulator), QList<QByteArray>{"SET_STACK\x1fMiddle\x1ftrue\r\n"});
    }

    void stopAll_stopsStoppableRotorsInAscendingNameOrder()
    {
        Bench bench;
        CLIENT_TEST_CHECK(openBench(bench));
        bench.simulator->sendRaw(wireLine({u"POINT"_s, u"B"_s, u"10"_s, u"0"_s}) +
                                 wireLine({u"POINT"_s, u"A"_s, u"20"_s, u"2"_s}) +
                                 wireLine({u"POINT"_s, u"C"_s, u"30"_s, u"1"_s}));
        QTRY_COMPARE(bench.client->station().rotors.size(), 5);
        bench.simulator->clearReceived();

        bench.client->stopAll();
        QTRY_COMPARE(commandRecords(*bench.simulator),
                     (QList<QByteArray>{"STOP\x1f"
                                        "A\r\n",
                                        "STOP\x1f"
                                        "B\r\n",
                                        "STOP\x1fRotor 1\r\n", "STOP\x1fRotor 2\r\n"}));
        QCOMPARE(logTexts(*bench.client).mid(logTexts(*bench.client).size() - 4),
                 (QStringList{u"Stop requested: A"_s, u"Stop requested: B"_s, u"Stop requested: Rotor 1"_s,
                              u"Stop requested: Rotor 2"_s}));
    }

    void rotorLockRequests_trackRequestsUntilRemovalOrDisconnect()
    {
        Bench bench;
        CLIENT_TEST_CHECK(openBench(bench));
        bench.client->requestRotorLock(u"Rotor 1"_s, true);
        bench.client->requestRotorLock(u"Rotor 2"_s, true);
        QCOMPARE(bench.client->rotorLockRequests(), (QMap<QString, bool>{{u"Rotor 1"_s, true}, {u"Rotor 2"_s, true}}));

        // A release needs only the earlier request, not the rotor controls.
        bench.client->setControlsEnabled(false);
        bench.client->requestRotorLock(u"Rotor 1"_s, false);
        QCOMPARE(bench.client->rotorLockRequests().value(u"Rotor 1"_s), false);
        QCOMPARE(lastLogText(*bench.client), u"Unlock requested: Rotor 1. Server does not confirm ownership; "
                                             u"other clients at the same IP share the lock."_s);
        QTRY_COMPARE(commandRecords(*bench.simulator),
                     (QList<QByteArray>{"LOCK\x1fRotor 1\r\n", "LOCK\x1fRotor 2\r\n", "UNLOCK\x1fRotor 1\r\n"}));
        QTRY_VERIFY(!bench.simulator->rotorLocked(u"Rotor 1"_s));
        QVERIFY(bench.simulator->rotorLocked(u"Rotor 2"_s));

        bench.simulator->removeRotor(u"Rotor 1"_s);
        QTRY_VERIFY(!bench.client->station().rotors.contains(u"Rotor 1"_s));
        QCOMPARE(bench.client->rotorLockRequests(), (QMap<QString, bool>{{u"Rotor 2"_s, true}}));
        QVERIFY(logTexts(*bench.client).contains(u"Removed Rotor 1"_s));

        bench.client->disconnectFromStation();
        QVERIFY(bench.client->rotorLockRequests().isEmpty());
    }

    void commandsAfterDisconnect_areRefused()
    {
        Bench bench;
        CLIENT_TEST_CHECK(openBench(bench));
        bench.client->disconnectFromStation();
        bench.client->setControlsEnabled(true);
        bench.client->setSwitchControlsEnabled(true);
        const Rotor rotor = bench.client->station().rotors.value(u"Rotor 1"_s);
        QVERIFY(!bench.client->canTurn(rotor));
        QVERIFY(!bench.client->canStop(rotor));
        bench.client->turn(u"Rotor 1"_s, 10.0);
        QCOMPARE(lastLogText(*bench.client), u"Turn blocked: control is disabled or heading is stale."_s);
        bench.client->refreshPresets();
        QCOMPARE(lastLogText(*bench.client), u"Turn blocked: control is disabled or heading is stale."_s);
    }
};

QTEST_GUILESS_MAIN(TestKeltoClientCommands)
#include "tst_keltoclient_commands.moc"

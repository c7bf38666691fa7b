#include "core/client/RotorWatchdog.h"
#include "tests/core/client/ClientTestSupport.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;
using namespace ClientTest;

namespace {

int stops(const StationSimulator& simulator)
{
    int count = 0;
    for (const QByteArray& record : commandRecords(simulator)) {
        count += record.startsWith("STOP\x1fRotor 1") ? 1 : 0;
    }
    return count;
}

} // namespace

// The watchdog over a client connected to the station simulator: the simulator's rotors move in
// real time, the watchdog's windows are measured on the client's manual clock, moved a second
// at a time.
class TestRotorWatchdog final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void turn_isStoppedOnceWhenItStallsOrRunsTooLong_data()
    {
        QTest::addColumn<bool>("stalled");
        QTest::addColumn<double>("maxTurnSeconds");
        QTest::addColumn<int>("expectedStops");
        QTest::addColumn<QString>("logged");
        // A tracker's turns: re-aimed every second, a degree further each time.
        QTest::addColumn<bool>("reaimed");
        const QString stall = u"Rotor 1 did not move for 10 s: stopped at 45.0°."_s;
        QTest::newRow("stalled rotor") << true << 120.0 << 1 << stall << false;
        QTest::newRow("stalled rotor, re-aimed by a tracker") << true << 120.0 << 1 << stall << true;
        QTest::newRow("moving rotor") << false << 120.0 << 0 << QString() << false;
        QTest::newRow("moving past the maximum turn time")
            << false << 5.0 << 1 << u"Rotor 1 turned for 5 s without arriving: stopped at "_s << false;
    }
    void turn_isStoppedOnceWhenItStallsOrRunsTooLong()
    {
        QFETCH(bool, stalled);
        QFETCH(double, maxTurnSeconds);
        QFETCH(int, expectedStops);
        QFETCH(QString, logged);
        QFETCH(bool, reaimed);
        StationSimulator::Options options;
        options.reportInterval = 40;
        options.turnRate = 20;
        if (stalled) {
            options.stalledRotors = {u"Rotor 1"_s};
        }
        Bench bench(options);
        CLIENT_TEST_CHECK(bench.connectLive());
        bench.client->setControlsEnabled(true);
        RotorMechanics mechanics;
        mechanics.maxTurnSeconds = maxTurnSeconds;
        bench.client->setRotorMechanics({{u"Rotor 1"_s, mechanics}});
        RotorWatchdog watchdog(*bench.client);
        bench.clock.advance(Rotor::headingChangeSeconds + 0.1);
        bench.simulator->clearReceived();

        QVERIFY(bench.client->turn(u"Rotor 1"_s, 300.0));
        QCOMPARE(watchdog.watched(), QStringList{u"Rotor 1"_s});
        // Twelve seconds on the client's clock; a moving rotor turns about 3° in each.
        for (int second = 0; second < 12; ++second) {
            QTest::qWait(150);
            bench.clock.advance(1.0);
            if (reaimed && !watchdog.watched().isEmpty()) {
                QVERIFY(bench.client->turn(u"Rotor 1"_s, 300.0 + second, KeltoClient::TurnRules::tracker));
            }
            watchdog.check();
        }
        bench.client->refreshPresets();
        QTRY_VERIFY(commandRecords(*bench.simulator).endsWith("GET_LOCATIONS\r\n"));
        QCOMPARE(stops(*bench.simulator), expectedStops);
        const QStringList lines = logTexts(*bench.client);
        const qsizetype said = std::count_if(lines.cbegin(), lines.cend(), [&](const QString& line) {
            return !logged.isEmpty() && line.startsWith(logged);
        });
        QCOMPARE(said, qsizetype(expectedStops));
    }

    void idleRotor_isParkedOnceAfterItsIdleTime()
    {
        StationSimulator::Options options;
        options.reportInterval = 40;
        options.turnRate = 600;
        Bench bench(options);
        CLIENT_TEST_CHECK(bench.connectLive());
        bench.client->setControlsEnabled(true);
        RotorMechanics mechanics;
        mechanics.idleParkMinutes = 2;
        mechanics.park = 90;
        bench.client->setRotorMechanics({{u"Rotor 1"_s, mechanics}});
        RotorWatchdog watchdog(*bench.client);
        bench.simulator->clearReceived();

        // Reports keep arriving between the steps, so the rotor stays fresh on the moved clock.
        const auto step = [&](double seconds) {
            bench.clock.advance(seconds);
            QTest::qWait(100);
            watchdog.check();
        };
        step(119);
        QVERIFY(commandRecords(*bench.simulator).isEmpty());
        step(2);
        QTRY_COMPARE(bench.simulator->rotorHeading(u"Rotor 1"_s), std::optional<double>(90.0));
        step(Rotor::headingChangeSeconds + 1);
        bench.client->refreshPresets();
        QTRY_COMPARE(commandRecords(*bench.simulator), (QList<QByteArray>{"TURN\x1fRotor 1\x1f"
                                                                          "90.0\r\n",
                                                                          "GET_LOCATIONS\r\n"}));
        QVERIFY(logTexts(*bench.client).contains(u"Rotor 1 had no command for 2 min: parking at 90.0°."_s));
    }
};

QTEST_GUILESS_MAIN(TestRotorWatchdog)
#include "tst_rotorwatchdog.moc"

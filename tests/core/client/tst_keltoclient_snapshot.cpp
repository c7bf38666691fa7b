#include "ClientTestSupport.h"

#include <QTest>

using namespace ClientTest;

namespace {

const QString keyPrefix = u"stationSnapshot:"_s;

} // namespace

// The offline snapshot: when a live station is written to the settings store, and how a
// disconnected client reads it back.
class TestKeltoClientSnapshot final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void snapshot_isWrittenAtMostEveryFiveSecondsAndAtDisconnect()
    {
        Bench bench;
        const QString key = keyPrefix + endpointOf(*bench.simulator);
        CLIENT_TEST_CHECK(bench.connectLive());

        // The first tick of a live connection starts a save at once. The station is encoded off
        // the main thread, so it is stored only once the event loop has the result.
        bench.client->tick();
        QVERIFY(bench.client->savingSnapshot());
        QVERIFY(!bench.defaults.contains(key));
        QTRY_VERIFY(bench.defaults.contains(key));
        bench.defaults.remove(key);

        bench.clock.advance(4.9);
        bench.client->tick();
        QVERIFY(!bench.client->savingSnapshot());
        bench.clock.advance(0.1);
        bench.client->tick();
        QTRY_VERIFY(bench.defaults.contains(key));
        QCOMPARE(StationState::decoded(*bench.defaults.data(key)), std::optional(bench.client->station()));

        // The disconnect writes the station as it was just before.
        bench.defaults.remove(key);
        const StationState last = bench.client->station();
        bench.client->disconnectFromStation();
        QTRY_COMPARE(StationState::decoded(bench.defaults.data(key).value_or(QByteArray())), std::optional(last));

        // Nothing more once idle.
        bench.defaults.remove(key);
        bench.clock.advance(10.0);
        bench.client->tick();
        bench.client->disconnectFromStation();
        QVERIFY(!bench.client->savingSnapshot());
        QVERIFY(!bench.defaults.contains(key));
    }

    void disconnectThenOfflineLoad_showsTheStationJustSaved()
    {
        Bench bench;
        CLIENT_TEST_CHECK(bench.connectLive());
        const StationState last = bench.client->station();
        bench.client->disconnectFromStation();
        // The save is still on its way: loading waits for it rather than reading an older entry.
        QVERIFY(bench.client->savingSnapshot());
        bench.client->loadOfflineStation(endpointOf(*bench.simulator), ConnectionKind::ovVarnex);
        QVERIFY(!bench.client->savingSnapshot());
        QCOMPARE(bench.client->station(), last);
    }

    void connectionThatNeverWentLive_writesNothing()
    {
        Bench bench;
        bench.simulator->setFault(StationSimulator::Fault::silence);
        bench.connect();
        QTRY_COMPARE(bench.client->message(), u"Checking OV Varnex server…"_s);
        bench.clock.advance(6.0);
        bench.client->tick();
        bench.client->disconnectFromStation();
        QVERIFY(bench.defaults.keys().isEmpty());
    }

    void offlineStation_readsStoredEntry_data()
    {
        QTest::addColumn<QByteArray>("entry");
        QTest::addColumn<bool>("expectStored");
        QTest::addColumn<QStringList>("rotorNames");
        QTest::newRow("stored snapshot") << QByteArray() << true << QStringList();
        // Qt 6.4 misses this name when it looks it up in JSON it has read.
        QTest::newRow("stored snapshot, accented rotor name")
            << QByteArray() << true << QStringList{u"SÃO PAULO BEAM 12"_s};
        QTest::newRow("no entry") << QByteArray() << false << QStringList();
        QTest::newRow("not JSON") << QByteArray("{\"rotors\":") << false << QStringList();
        QTest::newRow("missing required key")
            << QByteArray(R"({"signals":{},"tuners":{},"stacks":{},"rotors":{},"switches":{}})") << false
            << QStringList();
        QTest::newRow("wrong type") << QByteArray(R"([1,2,3])") << false << QStringList();
    }
    void offlineStation_readsStoredEntry()
    {
        QFETCH(QByteArray, entry);
        QFETCH(bool, expectStored);
        QFETCH(QStringList, rotorNames);
        StationSimulator::Options options;
        options.rotorNames = rotorNames;
        Bench bench(options);
        const QString endpoint = endpointOf(*bench.simulator);
        StationState stored;
        if (expectStored) {
            CLIENT_TEST_CHECK(bench.connectLive());
            bench.client->disconnectFromStation();
            QTRY_VERIFY(!bench.client->savingSnapshot());
            stored = bench.client->station();
            for (const QString& name : rotorNames) {
                QVERIFY(stored.rotors.contains(name) && stored.signals.contains(name));
            }
        } else if (!entry.isEmpty()) {
            bench.defaults.setData(keyPrefix + endpoint, entry);
        }

        // A fresh client, as a tab at launch.
        KeltoClient reader(nullptr, bench.defaults, bench.clock);
        reader.setControlsEnabled(true);
        reader.setSwitchControlsEnabled(true);
        reader.loadOfflineStation(endpoint, ConnectionKind::ovVarnex);

        QCOMPARE(reader.station(), expectStored ? stored : StationState{});
        QVERIFY(!expectStored || !reader.station().rotors.isEmpty());
        QCOMPARE(reader.endpoint(), endpoint);
        // Only a station actually read back is claimed as the last known one.
        QCOMPARE(reader.message(), expectStored ? u"Disconnected · last known station"_s : u"Disconnected"_s);
        QVERIFY(!reader.controlsEnabled());
        QVERIFY(!reader.switchControlsEnabled());
        QVERIFY(reader.log().isEmpty());

        // Every device of the last known station is stale: nothing can be commanded.
        for (const Rotor& rotor : reader.station().rotors) {
            QVERIFY(!reader.canTurn(rotor));
        }
    }

    void offlineStation_isIgnoredWhileConnecting()
    {
        Bench bench;
        bench.simulator->setFault(StationSimulator::Fault::silence);
        bench.defaults.setData(keyPrefix + u"other:1"_s, StationState{}.encoded().value());
        bench.connect();
        const QString endpoint = bench.client->endpoint();

        bench.client->loadOfflineStation(u"other:1"_s, ConnectionKind::kt90Terminal);
        QCOMPARE(bench.client->endpoint(), endpoint);
        QCOMPARE(bench.client->connectionKind(), ConnectionKind::ovVarnex);
        QVERIFY(bench.client->connecting());
    }

    void clearStation_endsConnectionAndForgetsStation()
    {
        Bench bench;
        const QString key = keyPrefix + endpointOf(*bench.simulator);
        CLIENT_TEST_CHECK(bench.connectLive());

        bench.client->clearStation();
        QVERIFY(!bench.client->connected());
        QCOMPARE(bench.client->message(), u"Disconnected"_s);
        QCOMPARE(bench.client->station(), StationState{});
        QCOMPARE(bench.client->endpoint(), QString());
        QVERIFY(!bench.client->receivedServerPresets());
        // The live station was kept before it was forgotten.
        QTRY_VERIFY(bench.defaults.contains(key));
        QVERIFY(!StationState::decoded(*bench.defaults.data(key)).value_or(StationState{}).rotors.isEmpty());

        bench.defaults.remove(key);
        bench.client->tick();
        bench.client->clearStation();
        QVERIFY(bench.defaults.keys().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestKeltoClientSnapshot)
#include "tst_keltoclient_snapshot.moc"

#include "ClientTestSupport.h"
#include "core/protocol/StationFootprint.h"
#include "tools/station-sim/Kt90Simulator.h"

#include <QAbstractSocket>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace ClientTest;

namespace {

using Drive = std::function<void(Bench&)>;

// SWITCHADD lines of distinct switches, each with as many positions as a line can carry.
QByteArray longSwitchLines(int count)
{
    QByteArray bytes;
    for (int n = 0; n < count; ++n) {
        QByteArray line = "SWITCHADD\x1f"
                          "1\x1fLong " +
                          QByteArray::number(n);
        for (int position = 0; line.size() < 60'000; ++position) {
            line += "\x1fP" + QByteArray::number(position);
        }
        bytes += line + "\r\n";
    }
    return bytes;
}

// Commands as fast as the event loop turns, until the connection ends or `count` were sent.
void sendCommands(Bench& bench, int count)
{
    for (int sent = 0; sent < count && bench.client->connected(); sent += 500) {
        for (int i = 0; i < 500; ++i) {
            bench.client->refreshPresets();
        }
        QCoreApplication::processEvents();
    }
}

} // namespace

// Servers that try to make the client hold more and more, on real loopback connections: each
// is ended with its own message, or kept within the client's bounds.
class TestKeltoClientHostile final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void hostileServer_isEndedWithItsMessage_data()
    {
        QTest::addColumn<Drive>("drive");
        QTest::addColumn<QString>("message");
        QTest::newRow("ever new devices")
            << Drive([](Bench& bench) { bench.simulator->setFault(StationSimulator::Fault::distinctAdds); })
            << u"The station reports more than 1000 devices; the connection was ended."_s;
        QTest::newRow("long position lists")
            << Drive([](Bench& bench) { bench.simulator->sendRaw(longSwitchLines(12)); })
            << u"The station's data exceeds 4 MiB; the connection was ended."_s;
        QTest::newRow("never reads while reporting") << Drive([](Bench& bench) {
            bench.simulator->setFault(StationSimulator::Fault::neverRead);
            sendCommands(bench, 2'000'000);
        }) << u"Send failed: the server stopped reading; more than 64 KiB of commands are waiting."_s;
    }
    void hostileServer_isEndedWithItsMessage()
    {
        QFETCH(Drive, drive);
        QFETCH(QString, message);
        Bench bench;
        CLIENT_TEST_CHECK(bench.connectLive());

        drive(bench);

        QTRY_COMPARE_WITH_TIMEOUT(bench.client->message(), message, 20'000);
        QCOMPARE(lastLogText(*bench.client), message);
        QVERIFY(!bench.client->connected());
        // One line may add a few devices more than the bound before the check ends it.
        QVERIFY(StationFootprint::devices(bench.client->station()) <= KeltoClient::maxStationDevices + 4);
        // The line that passed the bound is the last one applied.
        QVERIFY(StationFootprint::of(bench.client->station()) < 2 * KeltoClient::maxStationBytes);
        QTRY_COMPARE(bench.simulator->clientCount(), 0);
    }

    void readingServer_takesCommandsWithoutLimit()
    {
        Bench bench;
        CLIENT_TEST_CHECK(bench.connectLive());
        bench.simulator->clearReceived();
        // Far more than the unsent bound, at the same pace as the server that never reads.
        sendCommands(bench, 20'000);
        QVERIFY(bench.client->connected());
        QTRY_COMPARE(commandRecords(*bench.simulator).size(), 20'000);
    }

    void addRemoveLoop_keepsNewestLogLinesOnly()
    {
        Bench bench;
        CLIENT_TEST_CHECK(bench.connectLive());
        bench.simulator->setFault(StationSimulator::Fault::addRemoveLoop);
        QTRY_VERIFY_WITH_TIMEOUT(bench.client->logDropped() > 2 * KeltoClient::maxLogLines, 20'000);

        QVERIFY(bench.client->connected());
        QCOMPARE(bench.client->log().size(), KeltoClient::maxLogLines);
        // The newest lines are kept: the loop's own lines, in order.
        const QStringList texts = logTexts(*bench.client);
        const qsizetype lastAdd = texts.lastIndexOf(u"Discovered Ghost"_s);
        QVERIFY(lastAdd >= texts.size() - 2);
        QCOMPARE(texts.at(lastAdd - 1), u"Removed Ghost"_s);
    }

    void endlessFlood_keepsStationAsReported()
    {
        Bench bench;
        CLIENT_TEST_CHECK(bench.connectLive());
        const StationState before = bench.client->station();
        const qsizetype logged = bench.client->log().size();
        int changes = 0;
        connect(bench.client.get(), &KeltoClient::stationChanged, this, [&changes] { ++changes; });
        bench.simulator->setFault(StationSimulator::Fault::endlessFlood);
        // Enough lines for several footprint checks, none of which may end a real station.
        QTRY_VERIFY_WITH_TIMEOUT(changes > 200'000, 20'000);

        QVERIFY(bench.client->connected());
        QCOMPARE(bench.client->log().size(), logged);
        QCOMPARE(bench.client->station().rotors.keys(), before.rotors.keys());
        QCOMPARE(bench.client->station().switches.keys(), before.switches.keys());
    }

    void kt90TerminalFlood_keepsLiveAndTakesTheLastHeading()
    {
        Kt90Simulator kt90;
        QVERIFY(kt90.listenTcp());
        Bench bench;
        bench.client->connectTo(u"127.0.0.1"_s, QString::number(kt90.tcpPort()), {}, {}, ConnectionKind::kt90Terminal);
        QTRY_VERIFY(bench.client->connected());
        kt90.setSilent(true);
        QByteArray flood;
        for (int i = 0; i < 200'000; ++i) {
            flood += i % 2 ? "AI2045;" : "AI2;garbage;";
        }
        kt90.sendRaw(flood + "AI2123;");
        QTRY_COMPARE_WITH_TIMEOUT(bench.client->station().rotors.value(u"KT-90"_s).heading, std::optional(123.0),
                                  20'000);
        QVERIFY(bench.client->connected());
    }

    void silenceMidLine_endsAfterTwentySeconds()
    {
        Bench bench;
        CLIENT_TEST_CHECK(bench.connectLive());
        bench.simulator->setFault(StationSimulator::Fault::silence);
        // One write: the whole line shows that the unfinished one has arrived as well.
        bench.simulator->sendRaw("POINT\x1fRotor 1\x1f"
                                 "77.0\x1f"
                                 "0\x1f-70\r\nPOINT\x1fRotor 1\x1f"
                                 "12");
        QTRY_COMPARE(bench.client->station().rotors.value(u"Rotor 1"_s).heading, std::optional(77.0));
        bench.clock.advance(20.0);
        bench.client->tick();
        QVERIFY(bench.client->connected());
        bench.clock.advance(0.5);
        bench.client->tick();
        QCOMPARE(bench.client->message(), u"No server data for 20 seconds. Reconnect to refresh the station."_s);
        QCOMPARE(bench.client->station().rotors.value(u"Rotor 1"_s).heading, std::optional(77.0));
    }

    void connectCloseLoop_leavesNoTransportBehind()
    {
        Bench bench;
        bench.simulator->setFault(StationSimulator::Fault::close);
        for (int attempt = 0; attempt < 50; ++attempt) {
            bench.connect();
            QTRY_COMPARE(bench.client->message(), u"Server closed the connection."_s);
        }
        QTRY_VERIFY(bench.client->findChildren<QAbstractSocket*>().isEmpty());
        QVERIFY(bench.client->findChildren<QTimer*>().isEmpty());
        QCOMPARE(logTexts(*bench.client).count(u"Server closed the connection."_s), 50);
    }
};

QTEST_GUILESS_MAIN(TestKeltoClientHostile)
#include "tst_keltoclient_hostile.moc"

#include "app/profiles/ServerProfiles.h"
#include "app/profiles/SettingsKeys.h"
#include "app/workspace/StationSession.h"
#include "app/workspace/StationWorkspace.h"
#include "core/client/MemorySettingsStore.h"
#include "tests/support/ManualClock.h"
#include "tools/station-sim/StationSimulator.h"

#include <QPointer>
#include <QTest>

#include <memory>
#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace {

// Profile n: name "P<n>", an identifier with letters so that case matters, its own port.
QString idText(int n)
{
    return QString::asprintf("ABCDEF%02d-0000-4000-8000-00000000000A", n);
}

ServerProfile profile(int n, quint16 port = 4001)
{
    ServerProfile result;
    result.id = QUuid::fromString(idText(n));
    result.name = u"P"_s + QString::number(n);
    result.host = u"127.0.0.1"_s;
    result.port = QString::number(port);
    return result;
}

QString portOf(const StationSimulator& simulator)
{
    return QString::number(simulator.serverPort());
}

QStringList namesOf(const StationWorkspace& workspace)
{
    QStringList names;
    for (const StationSession* session : workspace.sessions()) {
        names.append(session->name());
    }
    return names;
}

std::unique_ptr<StationSimulator> listening(const StationSimulator::Options& options = {})
{
    auto simulator = std::make_unique<StationSimulator>(options);
    simulator->listen();
    return simulator;
}

enum class Holder { live, connecting, loginPending, idleAfterLive };

} // namespace

class TestStationWorkspace final : public QObject {
    Q_OBJECT

    ManualClock m_clock;

private Q_SLOTS:
    void restoration_data()
    {
        QTest::addColumn<std::optional<QStringList>>("lastConnected");
        QTest::addColumn<std::optional<QString>>("selected");
        QTest::addColumn<QStringList>("names");
        const std::optional<QStringList> none;
        QStringList twelve{u"deleted"_s};
        QStringList ten;
        for (int n = 1; n <= 12; ++n) {
            twelve.append(idText(n));
            if (n <= 10) {
                ten.append(u"P"_s + QString::number(n));
            }
        }
        QTest::newRow("nothing saved") << none << std::optional<QString>() << QStringList{u"Server 1"_s};
        QTest::newRow("selected only") << none << std::optional(idText(2)) << QStringList{u"P2"_s};
        QTest::newRow("list wins") << std::optional(QStringList{idText(3)}) << std::optional(idText(2))
                                   << QStringList{u"P3"_s};
        QTest::newRow("empty list") << std::optional(QStringList{}) << std::optional(idText(2))
                                    << QStringList{u"Server 1"_s};
        QTest::newRow("repeats") << std::optional(QStringList{idText(4), idText(1), idText(4)})
                                 << std::optional<QString>() << QStringList{u"P4"_s, u"P1"_s};
        QTest::newRow("first ten") << std::optional(twelve) << std::optional<QString>() << ten;
        QTest::newRow("all deleted") << std::optional(QStringList{u"deleted"_s, QString()}) << std::optional<QString>()
                                     << QStringList{u"Server 1"_s};
        QTest::newRow("lower case") << std::optional(QStringList{idText(1).toLower(), idText(2)})
                                    << std::optional<QString>() << QStringList{u"P2"_s};
    }
    void restoration()
    {
        QFETCH(std::optional<QStringList>, lastConnected);
        QFETCH(std::optional<QString>, selected);
        QFETCH(QStringList, names);
        MemorySettingsStore defaults;
        QList<ServerProfile> profiles;
        for (int n = 1; n <= 12; ++n) {
            profiles.append(profile(n));
        }
        ServerProfiles(defaults).setItems(profiles);
        if (lastConnected) {
            defaults.setTextList(SettingsKeys::lastConnectedServerProfiles, *lastConnected);
        }
        if (selected) {
            defaults.setText(SettingsKeys::selectedServerProfileID, *selected);
        }

        StationWorkspace workspace(defaults, nullptr, m_clock);

        QCOMPARE(namesOf(workspace), names);
        QCOMPARE(workspace.selected(), std::optional(workspace.sessions().first()->id()));
        for (const StationSession* session : workspace.sessions()) {
            const bool restored = session->name() != u"Server 1"_s;
            QCOMPARE(session->profileID(), restored ? idText(session->name().mid(1).toInt()) : QString());
            QCOMPARE(workspace.remembered().value(session->id()), session->profileID());
            QVERIFY(!session->client().connecting());
        }
    }

    void addressKey_data()
    {
        QTest::addColumn<QString>("host");
        QTest::addColumn<QString>("port");
        QTest::addColumn<ConnectionKind>("kind");
        QTest::addColumn<QString>("key");
        const auto ovv = ConnectionKind::ovVarnex;
        const auto serial = ConnectionKind::kt90Serial;
        QTest::newRow("case, blanks, trailing dot, leading zero")
            << u" Shack.Example.ORG.\n"_s << u"04001"_s << ovv << u"shack.example.org:4001"_s;
        QTest::newRow("one dot only") << u"shack.."_s << u"+4001"_s << ConnectionKind::kt90UDP << u"shack.:4001"_s;
        QTest::newRow("port not a number")
            << u"shack"_s << u" 4001"_s << ConnectionKind::kt90Terminal << u"shack: 4001"_s;
        QTest::newRow("serial 9600") << u" /dev/ttyUSB0\t"_s << u"9600"_s << serial << u"serial:/dev/ttyUSB0"_s;
        QTest::newRow("serial 115200") << u"/dev/ttyUSB0"_s << u"115200"_s << serial << u"serial:/dev/ttyUSB0"_s;
        QTest::newRow("serial keeps case and dot") << u"/dev/TTY."_s << u"9600"_s << serial << u"serial:/dev/TTY."_s;
        QTest::newRow("decomposed host") << u"Cafe\u0301.example"_s << u"1"_s << ovv << u"caf\u00e9.example:1"_s;
        QTest::newRow("decomposed device") << u"/dev/Cafe\u0301"_s << u"9600"_s << serial << u"serial:/dev/Caf\u00e9"_s;
    }
    void addressKey()
    {
        QFETCH(QString, host);
        QFETCH(QString, port);
        QFETCH(ConnectionKind, kind);
        QFETCH(QString, key);
        QCOMPARE(StationWorkspace::addressKey(host, port, kind), key);
    }

    // The requester first holds another server, so that clearing the first tab shows.
    void duplicateRule_data()
    {
        QTest::addColumn<int>("requester");
        QTest::addColumn<Holder>("holder");
        QTest::addColumn<bool>("blocked");
        QTest::newRow("second tab, live holder") << 1 << Holder::live << true;
        QTest::newRow("first tab, live holder") << 0 << Holder::live << true;
        QTest::newRow("second tab, connecting holder") << 1 << Holder::connecting << true;
        QTest::newRow("first tab, login pending") << 0 << Holder::loginPending << true;
        QTest::newRow("second tab, idle holder") << 1 << Holder::idleAfterLive << false;
        QTest::newRow("first tab, idle holder") << 0 << Holder::idleAfterLive << false;
    }
    void duplicateRule()
    {
        QFETCH(int, requester);
        QFETCH(Holder, holder);
        QFETCH(bool, blocked);
        StationSimulator::Options options;
        if (holder == Holder::loginPending) {
            options.user = u"op"_s;
            options.password = u"secret"_s;
        }
        const auto held = listening(options);
        const auto other = listening();
        MemorySettingsStore defaults;
        StationWorkspace workspace(defaults, nullptr, m_clock);
        workspace.add();
        QPointer<StationSession> asking = workspace.sessions().at(requester);
        StationSession* holding = workspace.sessions().at(1 - requester);
        workspace.callbacks(holding).selectedName(u"Shack"_s);
        const SessionCallbacks callbacks = workspace.callbacks(asking);

        callbacks.connectServer(u"127.0.0.1"_s, portOf(*other), ConnectionKind::ovVarnex, u"KT-90"_s);
        QTRY_VERIFY(asking->client().connected());
        workspace.connectSession(holding, u"127.0.0.1"_s, portOf(*held), ConnectionKind::ovVarnex, u"KT-90"_s);
        KeltoClient& holdingClient = holding->client();
        if (holder == Holder::loginPending) {
            QTRY_VERIFY(holdingClient.authenticationRequest());
        } else if (holder != Holder::connecting) {
            QTRY_VERIFY(holdingClient.connected());
        }
        if (holder == Holder::idleAfterLive) {
            holdingClient.disconnectFromStation();
        }
        workspace.select(asking->id());

        // The same server spelt differently where it is refused; the client itself takes no
        // trailing dot on an address and no leading zero on a five-digit port.
        const QString port = portOf(*held);
        callbacks.connectServer(blocked ? u"127.0.0.1."_s : u"127.0.0.1"_s, blocked ? u'0' + port : port,
                                ConnectionKind::ovVarnex, u"KT-90"_s);

        if (!blocked) {
            QCOMPARE(workspace.sessions().size(), 2);
            QCOMPARE(workspace.duplicateConnection(), std::nullopt);
            QCOMPARE(workspace.selected(), std::optional(asking->id()));
            QTRY_VERIFY2(asking->client().connected(), qPrintable(asking->client().message()));
            QCOMPARE(asking->client().endpoint(), u"127.0.0.1:"_s + port);
            return;
        }
        QCOMPARE(workspace.duplicateConnection(),
                 std::optional(u"This server is already open in Shack. Its existing tab has been selected."_s));
        QCOMPARE(workspace.selected(), std::optional(holding->id()));
        QVERIFY(holdingClient.connecting() || holdingClient.connected() || holdingClient.authenticationRequest());
        if (requester == 0) {
            QCOMPARE(workspace.sessions().size(), 2);
            QVERIFY(!asking->client().connected() && !asking->client().connecting());
            QCOMPARE(asking->client().endpoint(), QString());
            QVERIFY(asking->client().station().rotors.isEmpty());
        } else {
            QCOMPARE(workspace.sessions(), QList<StationSession*>{holding});
            QTRY_VERIFY(!asking);
        }
        // Nothing was opened for the refused request.
        QTRY_COMPARE(held->clientCount(), holder == Holder::loginPending ? 0 : 1);
        workspace.clearDuplicateConnection();
        QCOMPARE(workspace.duplicateConnection(), std::nullopt);
    }

    void connectedTabs_mergeTheirLogsAndStayRestoredUntilClosed()
    {
        std::unique_ptr<StationSimulator> simulators[3] = {listening(), listening(), listening()};
        MemorySettingsStore defaults;
        ServerProfiles(defaults).setItems({profile(1, simulators[0]->serverPort()),
                                           profile(2, simulators[1]->serverPort()),
                                           profile(3, simulators[2]->serverPort())});
        StationWorkspace workspace(defaults, nullptr, m_clock);
        workspace.add();
        workspace.add();
        const QList<StationSession*> tabs = workspace.sessions();
        for (int n = 0; n < 3; ++n) {
            const SessionCallbacks callbacks = workspace.callbacks(tabs[n]);
            callbacks.selectedProfileChanged(idText(n + 1));
            callbacks.selectedName(u"P"_s + QString::number(n + 1));
            callbacks.connectServer(u"127.0.0.1"_s, portOf(*simulators[n]), ConnectionKind::ovVarnex, {});
        }
        QTRY_VERIFY(tabs[0]->client().connected() && tabs[1]->client().connected() && tabs[2]->client().connected());
        const auto saved = [&defaults] { return defaults.textList(SettingsKeys::lastConnectedServerProfiles); };
        QCOMPARE(saved(), std::optional(QStringList{idText(1), idText(2), idText(3)}));

        qsizetype total = 0;
        for (const StationSession* tab : tabs) {
            // The client's time, then the profile's name and endpoint, then its text.
            const QString label = u" ["_s + tab->name() + u' ' + tab->client().endpoint() + u"] "_s;
            QStringList lines;
            for (const QString& line : workspace.log()) {
                if (line.contains(label)) {
                    lines.append(QString(line).replace(label, u"  "_s));
                }
            }
            QCOMPARE(lines, tab->client().log());
            QVERIFY(!lines.isEmpty() && !lines.first().endsWith(u"  Disconnected"_s));
            total += lines.size();
        }
        QCOMPARE(workspace.log().size(), total);

        tabs[1]->client().disconnectFromStation();
        QCOMPARE(saved(), std::optional(QStringList{idText(1), idText(2), idText(3)}));

        QCOMPARE(workspace.selected(), std::optional(tabs[2]->id()));
        workspace.close(tabs[2]);
        QCOMPARE(saved(), std::optional(QStringList{idText(1), idText(2)}));
        QCOMPARE(workspace.selected(), std::optional(tabs[0]->id()));
        QTRY_COMPARE(simulators[2]->clientCount(), 0);
        QVERIFY(workspace.log().last().contains(u" [P3 127.0.0.1:"_s + portOf(*simulators[2]) + u"] "_s));

        workspace.close(tabs[0]);
        workspace.close(tabs[1]);
        workspace.close(tabs[0]);
        QCOMPARE(workspace.sessions(), QList<StationSession*>{tabs[0]});
        QCOMPARE(saved(), std::optional(QStringList{idText(1)}));

        StationWorkspace next(defaults, nullptr, m_clock);
        QCOMPARE(namesOf(next), QStringList{u"P1"_s});
    }

    void loggingServer_keepsNewestMergedLinesAndHandsEachToViewsOnce()
    {
        const std::unique_ptr<StationSimulator> simulator = listening();
        MemorySettingsStore defaults;
        StationWorkspace workspace(defaults, nullptr, m_clock);
        StationSession* tab = workspace.sessions().first();
        qint64 handed = 0;
        QObject::connect(&workspace, &StationWorkspace::logAppended, &workspace,
                         [&handed](const QStringList& lines) { handed += lines.size(); });
        workspace.callbacks(tab).connectServer(u"127.0.0.1"_s, portOf(*simulator), ConnectionKind::ovVarnex, {});
        QTRY_VERIFY(tab->client().connected());

        // Two log lines for every ADD and REMOVE pair, as fast as the server can send them.
        simulator->setFault(StationSimulator::Fault::addRemoveLoop);
        const KeltoClient& client = tab->client();
        QTRY_VERIFY_WITH_TIMEOUT(client.logDropped() > StationWorkspace::maxLogLines, 20'000);
        simulator->setFault(StationSimulator::Fault::silence);
        tab->client().disconnectFromStation();

        QCOMPARE(workspace.log().size(), StationWorkspace::maxLogLines);
        QStringList expected;
        // Without a profile the endpoint alone names the tab.
        for (const QString& line : client.log()) {
            expected.append(QString(line).replace(u"  "_s, u" [127.0.0.1:"_s + portOf(*simulator) + u"] "_s));
        }
        QCOMPARE(workspace.log(), expected);
        QCOMPARE(handed, client.logDropped() + client.log().size());
    }

    void add_stopsAtTenTabs()
    {
        MemorySettingsStore defaults;
        StationWorkspace workspace(defaults, nullptr, m_clock);
        const SessionCallbacks callbacks = workspace.callbacks(workspace.sessions().first());
        for (int n = 0; n < 12; ++n) {
            callbacks.newSession();
        }
        QCOMPARE(workspace.sessions().size(), StationWorkspace::maxSessions);
        QCOMPARE(workspace.sessions().at(1)->name(), u"Server 2"_s);
        QCOMPARE(workspace.sessions().last()->name(), u"Server 10"_s);
        QCOMPARE(workspace.selected(), std::optional(workspace.sessions().last()->id()));
        QVERIFY(!callbacks.canAddSession());
        QVERIFY(!callbacks.isSelected());
    }
};

QTEST_GUILESS_MAIN(TestStationWorkspace)
#include "tst_stationworkspace.moc"

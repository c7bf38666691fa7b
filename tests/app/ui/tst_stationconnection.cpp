#include "app/profiles/ServerProfile.h"
#include "app/profiles/ServerProfiles.h"
#include "app/profiles/UuidText.h"
#include "app/ui/profiles/ProfileManagerDialog.h"
#include "app/ui/station/StationView.h"
#include "app/ui/station/StationWorkspaceView.h"
#include "app/workspace/StationSession.h"
#include "app/workspace/StationWorkspace.h"
#include "core/client/KeltoClient.h"
#include "core/client/MemorySettingsStore.h"
#include "tests/app/ui/StationViewTestSupport.h"
#include "tests/core/client/ClientTestSupport.h"
#include "tests/support/MemoryCredentialStore.h"
#include "tests/support/ViewTestSupport.h"
#include "tools/station-sim/StationSimulator.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QUuid>

#include <memory>

using namespace Qt::Literals::StringLiterals;
using ClientTest::commandRecords;
using ClientTest::portOf;

namespace {

using StationViewTest::click;
using StationViewTest::profileFor;

bool showsText(const QWidget* root, const QString& text)
{
    const QLabel* label = ViewTest::labelWithText(root, text);
    return label && label->isVisible();
}

// The server menu's "Manage servers…".
void manageServers(StationView* view)
{
    const QList<QMenu*> menus = view->findChildren<QMenu*>();
    for (const QMenu* menu : menus) {
        const QList<QAction*> actions = menu->actions();
        for (QAction* action : actions) {
            if (action->text() == u"Manage servers…"_s) {
                action->trigger();
                return;
            }
        }
    }
    QFAIL("no Manage servers… in the server menu");
}

} // namespace

// What the operator meets around connecting: editing profiles while a station is live, a tab
// without a server, and a keyring that takes its time. Real widgets, real clients, the station
// simulator.
class TestStationConnection final : public QObject {
    Q_OBJECT

    MemorySettingsStore m_defaults;
    MemoryCredentialStore m_credentials;
    std::unique_ptr<StationWorkspace> m_workspace;
    std::unique_ptr<StationWorkspaceView> m_view;

    void build()
    {
        m_workspace = std::make_unique<StationWorkspace>(m_defaults, &m_credentials);
        m_view = std::make_unique<StationWorkspaceView>(*m_workspace);
        m_view->resize(960, 870);
        m_view->show();
    }

    StationView* viewOf(int tab) const { return m_view->view(m_workspace->sessions().at(tab)->id()); }

private Q_SLOTS:
    void init()
    {
        m_defaults = MemorySettingsStore();
        m_credentials = MemoryCredentialStore();
    }

    void cleanup()
    {
        m_view.reset();
        m_workspace.reset();
    }

    void savingNewProfile_whileConnected_keepsTheConnection()
    {
        StationSimulator live;
        StationSimulator other;
        QVERIFY(live.listen() && other.listen());
        const ServerProfile contest = profileFor(live, u"Contest station"_s);
        ServerProfiles(m_defaults).setItems({contest});
        build();
        StationView* view = m_view->currentView();
        KeltoClient& client = m_workspace->sessions().first()->client();
        view->selectProfile(contest);
        click(view, u"Connect"_s);
        QTRY_VERIFY(client.connected());
        QTRY_COMPARE(live.clientCount(), 1);

        CLIENT_TEST_CHECK(manageServers(view));
        QTRY_VERIFY(qobject_cast<ProfileManagerDialog*>(QApplication::activeModalWidget()));
        auto* editor = qobject_cast<ProfileManagerDialog*>(QApplication::activeModalWidget());
        // The tab's own server opens for editing.
        QCOMPARE(editor->windowTitle(), u"Edit Server"_s);
        QCOMPARE(ViewTest::byName<QLineEdit>(editor, u"Profile name"_s)->text(), u"Contest station"_s);

        click(editor, u"New server"_s);
        QCOMPARE(editor->windowTitle(), u"Add Server"_s);
        QTest::keyClicks(ViewTest::byName<QLineEdit>(editor, u"Profile name"_s), u"Field day"_s);
        QTest::keyClicks(ViewTest::byName<QLineEdit>(editor, u"Host"_s), u"127.0.0.1"_s);
        QTest::keyClicks(ViewTest::byName<QLineEdit>(editor, u"Port"_s), portOf(other));
        click(editor, u"Save"_s);
        QTRY_COMPARE(m_workspace->profiles().items().size(), 2);

        // The tab keeps its server and its live connection; the editor says where the new one opens.
        QTRY_VERIFY(showsText(editor,
                              u"“Field day” is saved. This tab stays connected to its server: choose “Field day” "
                              u"in the server menu once it is disconnected, or use “Additional Server” to open "
                              u"it in a tab of its own."_s));
        QVERIFY(client.connected());
        QCOMPARE(view->selectedProfileID(), UuidText::text(contest.id));
        QCOMPARE(client.endpoint(), contest.endpoint());
        QCOMPARE(live.clientCount(), 1);
        QVERIFY(!ClientTest::logTexts(client).contains(u"Disconnected"_s));

        // Closed, the editor opens again on the next request.
        const QPointer<ProfileManagerDialog> closing(editor);
        editor->close();
        QTRY_VERIFY(!closing);
        CLIENT_TEST_CHECK(manageServers(view));
        QTRY_VERIFY(qobject_cast<ProfileManagerDialog*>(QApplication::activeModalWidget()));
    }

    void connectWithoutServer_saysSoAndOffersTheEditor()
    {
        build();
        StationView* view = m_view->currentView();
        const KeltoClient& client = m_workspace->sessions().first()->client();
        click(view, u"Connect"_s);

        QTRY_VERIFY(qobject_cast<QMessageBox*>(QApplication::activeModalWidget()));
        auto* alert = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QCOMPARE(alert->text(), u"No server yet"_s);
        QVERIFY(!client.connecting());
        QVERIFY(client.message() != u"Enter a hostname and a port from 1 to 65535."_s);
        click(alert, u"Add server…"_s);
        QTRY_VERIFY(qobject_cast<ProfileManagerDialog*>(QApplication::activeModalWidget()));
        QCOMPARE(QApplication::activeModalWidget()->windowTitle(), u"Add Server"_s);
        QApplication::activeModalWidget()->close();
    }

    // A keyring asking the user something (to unlock it, say) answers late. Meanwhile every tab
    // takes clicks, and once the server accepts the login its station shows while the save
    // still waits.
    void keychainAnsweringLate_windowKeepsWorking()
    {
        StationSimulator::Options loginOptions;
        loginOptions.user = u"op"_s;
        loginOptions.password = u"s3cret"_s;
        StationSimulator guarded(loginOptions);
        StationSimulator open;
        QVERIFY(guarded.listen() && open.listen());
        const ServerProfile first = profileFor(guarded, u"Remote"_s);
        const ServerProfile second = profileFor(open, u"Home"_s);
        ServerProfiles(m_defaults).setItems({first, second});
        m_credentials.entries.insert(first.endpoint(), ServerCredentials{u"op"_s, u"s3cret"_s});
        build();

        m_workspace->add();
        StationView* home = viewOf(1);
        KeltoClient& homeClient = m_workspace->sessions().at(1)->client();
        home->selectProfile(second);
        click(home, u"Connect"_s);
        QTRY_VERIFY(homeClient.connected());
        click(home, u"Enable control"_s);
        QTRY_VERIFY(!homeClient.station().rotors.isEmpty() && homeClient.canStop(homeClient.station().rotors.first()));

        m_credentials.holdAnswers = true;
        m_workspace->select(m_workspace->sessions().at(0)->id());
        StationView* remote = viewOf(0);
        KeltoClient& remoteClient = m_workspace->sessions().at(0)->client();
        remote->selectProfile(first);
        click(remote, u"Connect"_s);
        QTRY_COMPARE(m_credentials.held.size(), 1);
        QTRY_VERIFY(showsText(remote, u"Reading the saved login…"_s));

        // The other tab works meanwhile.
        m_workspace->select(m_workspace->sessions().at(1)->id());
        click(home, u"STOP ALL"_s);
        QTRY_VERIFY(commandRecords(open).contains(QByteArray("STOP\x1fRotor 1\r\n")));

        // The read answers; the server accepts the login and the save waits in its turn.
        m_workspace->select(m_workspace->sessions().at(0)->id());
        m_credentials.releaseAnswers();
        QTRY_VERIFY(remoteClient.connected());
        QTRY_COMPARE(m_credentials.held.size(), 1);
        QTRY_VERIFY(!remoteClient.station().rotors.isEmpty());
        click(remote, u"Enable control"_s);
        click(remote, u"STOP ALL"_s);
        QTRY_VERIFY(commandRecords(guarded).contains(QByteArray("STOP\x1fRotor 1\r\n")));
        QCOMPARE(m_credentials.saves, 1);

        m_credentials.releaseAnswers();
        QVERIFY(!remoteClient.credentialNotice());
        QVERIFY(remoteClient.connected());
    }
};

QTEST_MAIN(TestStationConnection)
#include "tst_stationconnection.moc"

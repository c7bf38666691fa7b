#include "app/profiles/PresentationSettings.h"
#include "app/profiles/ServerProfile.h"
#include "app/profiles/ServerProfiles.h"
#include "app/profiles/SettingsBackup.h"
#include "app/profiles/SettingsKeys.h"
#include "app/profiles/UuidText.h"
#include "app/ui/profiles/ProfileManagerDialog.h"
#include "app/ui/shell/LiveLogView.h"
#include "app/ui/shell/ServerLoginView.h"
#include "app/ui/station/StationView.h"
#include "app/ui/station/StationWorkspaceView.h"
#include "app/ui/station/TabStrip.h"
#include "app/ui/style/CardFrame.h"
#include "app/workspace/StationSession.h"
#include "app/workspace/StationWorkspace.h"
#include "core/client/KeltoClient.h"
#include "core/client/KeychainCredentialStore.h"
#include "core/client/MemorySettingsStore.h"
#include "tests/app/ui/StationViewTestSupport.h"
#include "tests/core/client/ClientTestSupport.h"
#include "tests/support/ViewTestSupport.h"
#include "tools/station-sim/StationSimulator.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QUuid>

#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace {

using StationViewTest::click;
using StationViewTest::profileFor;

} // namespace

// The tab strip, the per-tab header and the windows around them, against real clients and the
// station simulator.
class TestStationWorkspaceView final : public QObject {
    Q_OBJECT

    MemorySettingsStore m_defaults;
    std::unique_ptr<StationSimulator> m_simulator;
    std::unique_ptr<StationWorkspace> m_workspace;
    std::unique_ptr<StationWorkspaceView> m_view;
    ServerProfile m_profile;

    void build(CredentialStore* credentials = nullptr)
    {
        m_workspace = std::make_unique<StationWorkspace>(m_defaults, credentials);
        m_view = std::make_unique<StationWorkspaceView>(*m_workspace);
        m_view->resize(960, 870);
        m_view->show();
    }

    // A simulator of its own with these options, its profile the only one, and the first tab
    // connecting to it; null when the simulator cannot listen.
    StationView* connectToStation(const StationSimulator::Options& options, const QString& name)
    {
        m_simulator = std::make_unique<StationSimulator>(options);
        if (!m_simulator->listen()) {
            return nullptr;
        }
        m_profile = profileFor(*m_simulator, name);
        ServerProfiles(m_defaults).setItems({m_profile});
        build();
        StationView* view = m_view->currentView();
        view->selectProfile(m_profile);
        click(view, u"Connect"_s);
        return view;
    }

private Q_SLOTS:
    void init()
    {
        m_defaults = MemorySettingsStore();
        m_simulator = std::make_unique<StationSimulator>();
        QVERIFY(m_simulator->listen());
        m_profile = profileFor(*m_simulator, u"Home station"_s);
        ServerProfiles(m_defaults).setItems({m_profile});
    }

    void cleanup()
    {
        m_view.reset();
        m_workspace.reset();
        m_simulator.reset();
    }

    void strip_showsWithTwoTabsAndClosesOnlyLaterOnes()
    {
        build();
        QVERIFY(!m_view->stripVisible());
        auto* closeTab = ViewTest::byName<QPushButton>(m_view.get(), u"Close server tab"_s);
        QVERIFY(closeTab && closeTab->isHidden());

        click(m_view->currentView(), u"Additional Server"_s);
        QCOMPARE(m_workspace->sessions().size(), 2);
        QVERIFY(m_view->stripVisible());
        QVERIFY(!closeTab->isHidden());
        auto* tabs = m_view->findChild<TabStrip*>();
        QCOMPARE(tabs->tabText(1), u"Server 2 · disconnected"_s);

        // Choosing the first tab hides the close button: the first tab is never closed.
        tabs->setCurrentIndex(0);
        QCOMPARE(m_workspace->selected(), m_workspace->sessions().first()->id());
        QVERIFY(closeTab->isHidden());
        tabs->setCurrentIndex(1);
        QVERIFY(!closeTab->isHidden());
        QTest::mouseClick(closeTab, Qt::LeftButton);
        QCOMPARE(m_workspace->sessions().size(), 1);
        QVERIFY(!m_view->stripVisible());

        // At ten tabs no view offers another.
        while (m_workspace->sessions().size() < StationWorkspace::maxSessions) {
            click(m_view->currentView(), u"Additional Server"_s);
        }
        auto* more = ViewTest::byName<QPushButton>(m_view->currentView(), u"Additional Server"_s);
        QTRY_VERIFY(!more->isEnabled());
        QVERIFY(!more->toolTip().isEmpty());
        // A tab that was hidden meanwhile catches up when it is shown.
        tabs->setCurrentIndex(0);
        more = ViewTest::byName<QPushButton>(m_view->currentView(), u"Additional Server"_s);
        QTRY_VERIFY(!more->isEnabled());
    }

    void connectButton_followsTheConnectionAndTitlesTheTab()
    {
        m_defaults.setText(u"selectedServerProfileID"_s, UuidText::text(m_profile.id));
        build();
        StationView* view = m_view->currentView();
        KeltoClient& client = m_workspace->sessions().first()->client();
        QCOMPARE(view->selectedProfileID(), UuidText::text(m_profile.id));
        QCOMPARE(ViewTest::byName<QToolButton>(view, u"SERVER: Home station"_s) != nullptr, true);

        click(view, u"Connect"_s);
        QTRY_VERIFY(client.connected());
        QTRY_VERIFY(ViewTest::byName<QPushButton>(view, u"Disconnect"_s) != nullptr);
        QTRY_VERIFY(ViewTest::labelWithText(view, u"Connected · live station data"_s) != nullptr);
        QTRY_COMPARE(m_workspace->sessions().first()->name(), u"Home station"_s);

        click(m_view->currentView(), u"Additional Server"_s);
        auto* tabs = m_view->findChild<TabStrip*>();
        QTRY_COMPARE(tabs->tabText(0), u"Home station"_s);

        click(view, u"Disconnect"_s);
        QTRY_COMPARE(m_simulator->clientCount(), 0);
        QTRY_COMPARE(tabs->tabText(0), u"Home station · disconnected"_s);
        QVERIFY(ViewTest::unnamedControls(view).isEmpty());
    }

    void duplicateServer_raisesAlertAndSelectsTheOpenTab()
    {
        build();
        m_view->currentView()->selectProfile(m_profile);
        click(m_view->currentView(), u"Connect"_s);
        QTRY_VERIFY(m_workspace->sessions().first()->client().connected());

        click(m_view->currentView(), u"Additional Server"_s);
        StationView* second = m_view->currentView();
        second->selectProfile(m_profile);
        click(second, u"Connect"_s);

        auto* alert = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(alert);
        QCOMPARE(alert->text(), u"Server already open"_s);
        QCOMPARE(alert->informativeText(),
                 u"This server is already open in Home station. Its existing tab has been selected."_s);
        QCOMPARE(m_workspace->sessions().size(), 1);
        QCOMPARE(m_view->currentView(), m_view->view(m_workspace->sessions().first()->id()));
        QTest::mouseClick(ViewTest::byName<QPushButton>(alert, u"OK"_s), Qt::LeftButton);
        QTRY_VERIFY(!m_workspace->duplicateConnection().has_value());
    }

    // The view refreshes its cards in place: what the operator is typing survives a stream of
    // station updates, and the command goes out as typed.
    void stationView_typedTargetAndFocusSurviveStationUpdates()
    {
        StationSimulator::Options options;
        options.reportInterval = 10;
        StationView* view = connectToStation(options, u"Fast station"_s);
        QVERIFY(view);
        KeltoClient& client = m_workspace->sessions().first()->client();
        QTRY_VERIFY(client.connected());
        click(view, u"Enable control"_s);
        QTRY_VERIFY(ViewTest::byName<QLineEdit>(view, u"Target heading for Rotor 1"_s) != nullptr);
        QPointer<QLineEdit> target = ViewTest::byName<QLineEdit>(view, u"Target heading for Rotor 1"_s);
        QPointer<QWidget> card = view->card(u"Rotor: Rotor 1"_s);

        m_view->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_view.get()));
        target->setFocus();
        QTest::keyClicks(target, u"123.4"_s);
        QSignalSpy updates(&client, &KeltoClient::stationChanged);
        QTRY_VERIFY_WITH_TIMEOUT(updates.count() >= 50, 10000);
        QCoreApplication::processEvents();

        QVERIFY(target && card);
        QCOMPARE(target->text(), u"123.4"_s);
        QVERIFY(target->hasFocus());
        m_simulator->clearReceived();
        click(card, u"Rotate"_s);
        QTRY_VERIFY(ClientTest::commandRecords(*m_simulator)
                        .contains(ClientTest::wireLine({u"TURN"_s, u"Rotor 1"_s, u"123.4"_s})));
    }

    // A station of many devices gets its cards a few a frame: in the end every one is there, in
    // the station's order, laid out in rows that do not overlap.
    void manyDevices_allCardsArriveInOrderWithoutOverlap()
    {
        StationSimulator::Options options;
        options.rotors = 30;
        StationView* view = connectToStation(options, u"Big station"_s);
        QVERIFY(view);
        QTRY_VERIFY(view->card(u"Rotor: Rotor 30"_s) != nullptr && view->card(u"Rotor: Rotor 30"_s)->isVisible());
        QCoreApplication::processEvents();

        QList<QRect> placed;
        // "Rotor 2" before "Rotor 10", as people count.
        for (int n = 1; n <= 30; ++n) {
            const QString name = u"Rotor %1"_s.arg(n);
            CardFrame* card = view->card(u"Rotor: "_s + name);
            QVERIFY2(card && card->isVisible(), qPrintable(name));
            const QRect rect(card->mapTo(view, QPoint(0, 0)), card->size());
            for (const QRect& other : std::as_const(placed)) {
                QVERIFY2(!rect.intersects(other), qPrintable(name + u" overlaps another card"_s));
                // Later cards come after: further down, or to the right on the same row.
                QVERIFY2(rect.top() > other.top() || (rect.top() == other.top() && rect.left() > other.left()),
                         qPrintable(name + u" is out of order"_s));
            }
            placed.append(rect);
        }
        QCOMPARE(placed.size(), 30);
    }

    // The layout sheet opened from the view: a device hidden there loses its card at once, and
    // the card comes back (the same widget) when shown again.
    void layoutSheet_hidesAndShowsCards()
    {
        build();
        StationView* view = m_view->currentView();
        view->selectProfile(m_profile);
        click(view, u"Connect"_s);
        QTRY_VERIFY(view->card(u"Rotor: Rotor 2"_s) != nullptr);
        QPointer<CardFrame> card = view->card(u"Rotor: Rotor 2"_s);
        QTRY_VERIFY(card->isVisible());

        click(view, u"Layout"_s);
        QTRY_VERIFY(QApplication::activeModalWidget() != nullptr);
        QWidget* sheet = QApplication::activeModalWidget();
        click(sheet, u"Show Rotor: Rotor 2"_s);
        click(sheet, u"Save layout"_s);
        QTRY_VERIFY(!card->isVisible());
        QTRY_VERIFY(ViewTest::labelWithText(view, u"1 visible"_s) != nullptr);

        click(sheet, u"Show Rotor: Rotor 2"_s);
        click(sheet, u"Save layout"_s);
        QTRY_VERIFY(card && card->isVisible());
        QCOMPARE(view->card(u"Rotor: Rotor 2"_s), card.data());
    }

    // A settings import disconnects a connected tab first and shows the imported layout after.
    void settingsImport_disconnectsTheTabAndShowsTheImportedLayout()
    {
        build();
        StationView* view = m_view->currentView();
        KeltoClient& client = m_workspace->sessions().first()->client();
        view->selectProfile(m_profile);
        click(view, u"Connect"_s);
        QTRY_VERIFY(client.connected());
        QTRY_VERIFY(view->card(u"Rotor: Rotor 2"_s) != nullptr);
        QPointer<CardFrame> card = view->card(u"Rotor: Rotor 2"_s);
        QTRY_VERIFY(card->isVisible());

        // The file of another machine: the same server, with Rotor 2 hidden.
        MemorySettingsStore other;
        ServerProfiles otherProfiles(other);
        otherProfiles.setItems({m_profile});
        PresentationSettings layout;
        layout.devices.insert(u"Rotor: Rotor 2"_s, DevicePresentation{false, QString(), 0});
        other.setData(SettingsKeys::presentation(m_profile.endpoint()), *layout.encoded());
        const auto backup = SettingsBackup::capture(otherProfiles.items(), other);
        QVERIFY(backup.ok());

        QVERIFY(!backup->apply(m_workspace->profiles(), m_defaults).has_value());
        QVERIFY(!client.connected());
        QTRY_VERIFY(card && !card->isVisible());
    }

    void serverMenu_opensTheProfileEditor()
    {
        build();
        m_view->currentView()->selectProfile(m_profile);
        auto* button = ViewTest::byName<QToolButton>(m_view->currentView(), u"SERVER: Home station"_s);
        QVERIFY(button && button->menu());
        const QList<QAction*> actions = button->menu()->actions();
        const auto manage = std::find_if(actions.cbegin(), actions.cend(),
                                         [](const QAction* action) { return action->text() == u"Manage servers…"_s; });
        QVERIFY(manage != actions.cend());
        (*manage)->trigger();
        QTRY_VERIFY(qobject_cast<ProfileManagerDialog*>(QApplication::activeModalWidget()) != nullptr);
        QApplication::activeModalWidget()->close();
    }

    void logWindow_showsEmptyTextThenFollowsNewLines()
    {
        build();
        LiveLogView log(*m_workspace);
        log.show();
        QVERIFY2(m_workspace->log().isEmpty(), qPrintable(m_workspace->log().join(u'|')));
        QLabel* empty = ViewTest::labelWithText(&log, u"No connection activity yet."_s);
        QVERIFY(empty && empty->isVisible());

        m_view->currentView()->selectProfile(m_profile);
        click(m_view->currentView(), u"Connect"_s);
        QTRY_VERIFY(m_workspace->sessions().first()->client().connected());
        for (int i = 0; i < 40; ++i) {
            m_workspace->sessions().first()->client().turn(u"Rotor 1"_s, 10.0);
        }
        QTRY_VERIFY(!empty->isVisible());
        QCOMPARE(log.text(), m_workspace->log().join(u'\n'));
        auto* text = log.findChild<QPlainTextEdit*>();
        QTRY_VERIFY(text->verticalScrollBar()->maximum() > 0);
        QCOMPARE(text->verticalScrollBar()->value(), text->verticalScrollBar()->maximum());
    }

    // A login through the sheet against a server that demands one, kept in a real Secret
    // Service under a service name of this run.
    void loginSheet_refusedThenAcceptedLoginIsSavedAndReused()
    {
        StationSimulator::Options options;
        options.user = u"op"_s;
        options.password = u"secret"_s;
        m_simulator = std::make_unique<StationSimulator>(options);
        QVERIFY(m_simulator->listen());
        m_profile = profileFor(*m_simulator, u"Remote"_s);
        ServerProfiles(m_defaults).setItems({m_profile});
        KeychainCredentialStore keychain(u"org.xalto.test."_s + QUuid::createUuid().toString(QUuid::WithoutBraces));
        build(&keychain);
        StationView* view = m_view->currentView();
        KeltoClient& client = m_workspace->sessions().first()->client();
        view->selectProfile(m_profile);
        click(view, u"Connect"_s);

        QTRY_VERIFY(qobject_cast<ServerLoginView*>(QApplication::activeModalWidget()));
        auto* sheet = qobject_cast<ServerLoginView*>(QApplication::activeModalWidget());
        auto* signIn = ViewTest::byName<QPushButton>(sheet, u"Sign in"_s);
        auto* username = ViewTest::byName<QLineEdit>(sheet, u"Username"_s);
        auto* password = ViewTest::byName<QLineEdit>(sheet, u"Password"_s);
        QVERIFY(!signIn->isEnabled());
        QCOMPARE(password->echoMode(), QLineEdit::Password);
        QTest::keyClicks(username, u"op"_s);
        QVERIFY(signIn->isEnabled());
        QTest::keyClicks(password, u"wrong"_s);
        QTest::mouseClick(signIn, Qt::LeftButton);

        // Refused: the sheet asks again with the name kept and the password empty.
        QTRY_VERIFY(client.authenticationRequest().has_value() && client.authenticationRequest()->username == u"op"_s);
        QTRY_VERIFY(qobject_cast<ServerLoginView*>(QApplication::activeModalWidget()));
        sheet = qobject_cast<ServerLoginView*>(QApplication::activeModalWidget());
        username = ViewTest::byName<QLineEdit>(sheet, u"Username"_s);
        password = ViewTest::byName<QLineEdit>(sheet, u"Password"_s);
        QCOMPARE(username->text(), u"op"_s);
        QCOMPARE(password->text(), QString());
        QTest::keyClicks(password, u"secret"_s);
        QTest::mouseClick(ViewTest::byName<QPushButton>(sheet, u"Sign in"_s), Qt::LeftButton);
        QTRY_VERIFY(client.connected());
        QTRY_VERIFY(QApplication::activeModalWidget() == nullptr);

        // The save finishes in the background.
        std::optional<CredentialStore::LoadResult> stored;
        QTRY_VERIFY_WITH_TIMEOUT(
            [&] {
                stored.reset();
                keychain.load(client.endpoint(), this,
                              [&stored](const CredentialStore::LoadResult& loaded) { stored = loaded; });
                if (!QTest::qWaitFor([&] { return stored.has_value(); }, 5000)) {
                    return false;
                }
                const auto* found = std::get_if<std::optional<ServerCredentials>>(&*stored);
                return found && found->has_value() && (*found)->username == u"op"_s;
            }(),
            20'000);

        // The next connect signs in from the keychain without asking.
        click(view, u"Disconnect"_s);
        QTRY_VERIFY(!client.connected());
        click(view, u"Connect"_s);
        QTRY_VERIFY(client.connected());
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }
};

QTEST_MAIN(TestStationWorkspaceView)
#include "tst_stationworkspaceview.moc"

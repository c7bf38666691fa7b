#include "app/map/CountryData.h"
#include "app/profiles/RotorLocation.h"
#include "app/profiles/ServerProfiles.h"
#include "app/profiles/SettingsKeys.h"
#include "app/remote/RemoteServer.h"
#include "app/ui/sheets/CountryFileSheet.h"
#include "app/ui/sheets/RemoteAccessSheet.h"
#include "app/ui/shell/Languages.h"
#include "app/ui/shell/MainWindow.h"
#include "app/ui/shell/ServerLoginView.h"
#include "app/ui/shell/SettingsSheet.h"
#include "app/ui/station/StationView.h"
#include "app/ui/station/StationWorkspaceView.h"
#include "app/workspace/StationSession.h"
#include "app/workspace/StationWorkspace.h"
#include "core/client/AuthenticationRequest.h"
#include "core/client/KeltoClient.h"
#include "core/client/MemorySettingsStore.h"
#include "tests/app/ui/MapTestSupport.h"
#include "tests/app/ui/StationViewTestSupport.h"
#include "tools/station-sim/StationSimulator.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QTest>

#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace {

// What the pseudo language makes of an English text of `context`.
QString pseudo(const char* context, const char* text)
{
    return QCoreApplication::translate(context, text);
}

QString describe(const QWidget* widget, const QString& text, int needed, int has)
{
    return u"%1 “%2” needs %3 px, has %4"_s.arg(QString::fromLatin1(widget->metaObject()->className()), text,
                                                QString::number(needed), QString::number(has));
}

// Texts the window shows cut: a label narrower than its one line, a wrapped label shorter than
// its lines, a button narrower than its text.
QStringList cutTexts(const QWidget* root)
{
    QStringList problems;
    for (const QLabel* label : root->findChildren<QLabel*>()) {
        if (!label->isVisible() || label->text().isEmpty()) {
            continue;
        }
        if (label->wordWrap()) {
            const int needed = label->heightForWidth(label->width());
            if (needed > label->height() + 1) {
                problems << describe(label, label->text(), needed, label->height()) + u" (height)"_s;
            }
        } else if (label->minimumSizeHint().width() > label->width() + 1) {
            problems << describe(label, label->text(), label->minimumSizeHint().width(), label->width());
        } else if (label->minimumSizeHint().height() > label->height() + 1) {
            // A fallback font (Japanese, say) can stand taller than the line held for the text.
            problems << describe(label, label->text(), label->minimumSizeHint().height(), label->height()) +
                            u" (height)"_s;
        }
    }
    for (const QAbstractButton* button : root->findChildren<QAbstractButton*>()) {
        if (!button->isVisible() || button->text().isEmpty()) {
            continue;
        }
        if (button->sizeHint().width() > button->width() + 1) {
            problems << describe(button, button->text(), button->sizeHint().width(), button->width());
        }
    }
    return problems;
}

// The window that opened last, other than the ones already known.
QWidget* newWindow(const QList<QWidget*>& before)
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible() && !before.contains(widget) && qobject_cast<QMenu*>(widget) == nullptr) {
            return widget;
        }
    }
    return nullptr;
}

} // namespace

// The real window and every sheet in the pseudo language, each text 40% longer than the English
// with accents above and below (or in the language XALTO_FIT_LANGUAGE names): nothing may be cut
// at the windows' own sizes.
class TestLayoutFit final : public QObject {
    Q_OBJECT

    MemorySettingsStore m_defaults;
    std::unique_ptr<MapTest::LocalMaps> m_maps;
    std::unique_ptr<StationSimulator> m_simulator;
    std::unique_ptr<StationWorkspace> m_workspace;
    std::unique_ptr<MainWindow> m_window;

    StationView* view() const { return m_window->workspaceView().currentView(); }

    void expectFits(const QWidget* root)
    {
        const QStringList problems = cutTexts(root);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u"\n"_s)));
    }

    // Opens a sheet with the control of that (pseudo) name and checks it at its own size.
    void openAndCheck(QWidget* from, const QString& control)
    {
        const QList<QWidget*> before = QApplication::topLevelWidgets();
        StationViewTest::click(from, control);
        QWidget* sheet = nullptr;
        QTRY_VERIFY((sheet = newWindow(before)) != nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(sheet));
        expectFits(sheet);
        sheet->close();
    }

private Q_SLOTS:
    void initTestCase()
    {
        // The stretched test language, or a shipped one for its own scripts and words.
        QVERIFY(
            Languages::install(*QCoreApplication::instance(), qEnvironmentVariable("XALTO_FIT_LANGUAGE", u"pseudo"_s)));
        QVERIFY(pseudo("StationView", "Connect") != u"Connect"_s);
        StationSimulator::Options options;
        options.rotors = 2;
        m_simulator = std::make_unique<StationSimulator>(options);
        QVERIFY(m_simulator->listen());
        const ServerProfile profile = StationViewTest::profileFor(*m_simulator, u"Home station"_s);
        ServerProfiles(m_defaults).setItems({profile});
        // Rotor 1 placed on the map: its card shows the map with its caption and "Point at".
        const RotorLocation placed{profile.endpoint(), u"Rotor 1"_s, u"Mast"_s, 64.1, -21.9, 12.0, false, 600.0};
        m_defaults.setText(SettingsKeys::rotorLocations, RotorLocation::encode({placed}).value_or(QString()));
        m_workspace = std::make_unique<StationWorkspace>(m_defaults, nullptr);
        // Local tile and address servers: the cards show their maps and the location editor opens.
        m_maps = std::make_unique<MapTest::LocalMaps>(m_defaults);
        m_window = std::make_unique<MainWindow>(*m_workspace, m_maps->loader.get());
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        view()->selectProfile(profile);
        StationViewTest::click(view(), pseudo("StationView", "Connect"));
        QTRY_VERIFY(view()->card(u"Tuner: Tuner"_s) != nullptr);
        QTRY_VERIFY(view()->card(u"Stack: Upper"_s) != nullptr);
        QTRY_VERIFY(view()->card(u"Rotor: Rotor 2"_s) != nullptr);
    }

    void cleanupTestCase()
    {
        m_window.reset();
        m_workspace.reset();
        m_maps.reset();
        m_simulator.reset();
    }

    // The header and every card type, at the window's first size.
    void mainWindow_fits()
    {
        view()->refresh();
        QTest::qWait(50);
        expectFits(m_window.get());
    }

    void sheetsOfTheTab_fit_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<bool>("onCard");
        QTest::newRow("integrations") << pseudo("StationView", "Integrations") << false;
        QTest::newRow("layout") << pseudo("StationView", "Layout") << false;
        QTest::newRow("world map") << pseudo("StationView", "World map") << false;
        QTest::newRow("log") << pseudo("StationView", "Log") << false;
        QTest::newRow("rotor settings") << pseudo("RotorCard", "Rotor settings for %1").arg(u"Rotor 1"_s) << true;
        QTest::newRow("tower location") << pseudo("RotorCard", "Set tower location…") << true;
        QTest::newRow("presets") << pseudo("RotorCard", "Manage presets for %1").arg(u"Rotor 1"_s) << true;
    }

    void sheetsOfTheTab_fit()
    {
        QFETCH(QString, control);
        QFETCH(bool, onCard);
        openAndCheck(onCard ? static_cast<QWidget*>(view()->card(u"Rotor: Rotor 1"_s)) : view(), control);
    }

    void serverEditor_fits()
    {
        const QList<QWidget*> before = QApplication::topLevelWidgets();
        QAction* manage = nullptr;
        for (const QMenu* menu : view()->findChildren<QMenu*>()) {
            for (QAction* action : menu->actions()) {
                if (action->text() == pseudo("StationView", "Manage servers…")) {
                    manage = action;
                }
            }
        }
        QVERIFY(manage);
        manage->trigger();
        QWidget* sheet = nullptr;
        QTRY_VERIFY((sheet = newWindow(before)) != nullptr);
        expectFits(sheet);
        sheet->close();
    }

    void ownSheets_fit()
    {
        SettingsSheet settings(m_defaults, QString(), m_window.get());
        settings.show();
        QVERIFY(QTest::qWaitForWindowExposed(&settings));
        expectFits(&settings);

        CountryData countries;
        CountryFileSheet country(countries, m_window.get());
        country.show();
        QVERIFY(QTest::qWaitForWindowExposed(&country));
        expectFits(&country);

        RemoteServer server(*m_workspace, m_defaults, KeltoClient::systemClock());
        RemoteAccessSheet remote(server, m_window.get());
        remote.show();
        QVERIFY(QTest::qWaitForWindowExposed(&remote));
        expectFits(&remote);

        ServerLoginView login(m_workspace->sessions().constFirst()->client(),
                              AuthenticationRequest::make(u"127.0.0.1:4001"_s, QString(), QString()), m_window.get());
        login.show();
        QVERIFY(QTest::qWaitForWindowExposed(&login));
        expectFits(&login);
    }
};

QTEST_MAIN(TestLayoutFit)
#include "tst_layoutfit.moc"

#include "app/integrations/StationIntegrations.h"
#include "app/profiles/ServerProfile.h"
#include "app/profiles/ServerProfiles.h"
#include "app/ui/rotor/RotorCard.h"
#include "app/ui/sheets/IntegrationSettingsView.h"
#include "app/ui/shell/ServerLoginView.h"
#include "app/ui/station/StationView.h"
#include "app/ui/station/StationWorkspaceView.h"
#include "app/ui/style/ControlEvents.h"
#include "app/ui/style/StationColors.h"
#include "app/workspace/StationSession.h"
#include "app/workspace/StationWorkspace.h"
#include "core/client/KeltoClient.h"
#include "core/client/MemorySettingsStore.h"
#include "tests/core/client/ClientTestSupport.h"
#include "tests/support/ViewTestSupport.h"
#include "tools/station-sim/Kt90Simulator.h"
#include "tools/station-sim/StationSimulator.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QUuid>
#include <QWheelEvent>

#include <memory>

using namespace Qt::Literals::StringLiterals;
using ClientTest::commandRecords;

namespace {

RotorCard* cardOf(const QWidget* view, const QString& rotor)
{
    for (RotorCard* card : view->findChildren<RotorCard*>()) {
        if (card->rotorName() == rotor) {
            return card;
        }
    }
    return nullptr;
}

QList<QByteArray> linesStarting(const StationSimulator& simulator, const QByteArray& start)
{
    QList<QByteArray> found;
    for (const QByteArray& record : commandRecords(simulator)) {
        if (record.startsWith(start)) {
            found.append(record);
        }
    }
    return found;
}

QString nameOf(const QWidget* widget)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(const_cast<QWidget*>(widget));
    return accessible ? accessible->text(QAccessible::Name) : QString();
}

} // namespace

// The window as an operator drives it with the keyboard, a screen reader and the mouse wheel,
// against the station simulator.
class TestOperatorPath final : public QObject {
    Q_OBJECT

    MemorySettingsStore m_defaults;
    std::unique_ptr<StationSimulator> m_simulator;
    std::unique_ptr<StationWorkspace> m_workspace;
    std::unique_ptr<StationWorkspaceView> m_view;

    StationView* open(ConnectionKind kind, quint16 port, const QString& name)
    {
        const ServerProfile profile{QUuid::createUuid(), name,         u"127.0.0.1"_s, QString::number(port), kind,
                                    std::nullopt,        std::nullopt, std::nullopt};
        ServerProfiles(m_defaults).setItems({profile});
        m_workspace = std::make_unique<StationWorkspace>(m_defaults, nullptr);
        m_view = std::make_unique<StationWorkspaceView>(*m_workspace);
        m_view->resize(1100, 800);
        m_view->show();
        QApplication::setActiveWindow(m_view.get());
        StationView* view = m_view->currentView();
        view->selectProfile(profile);
        QTest::mouseClick(ViewTest::byName<QAbstractButton>(view, u"Connect"_s), Qt::LeftButton);
        return view;
    }

    KeltoClient& client() { return m_workspace->sessions().first()->client(); }

    // Connected to a plain simulator, every card made and rotor control on.
    StationView* live()
    {
        m_simulator = std::make_unique<StationSimulator>();
        if (!m_simulator->listen()) {
            return nullptr;
        }
        StationView* view = open(ConnectionKind::ovVarnex, m_simulator->serverPort(), u"Home station"_s);
        if (!QTest::qWaitFor([&] { return ViewTest::byName<QWidget>(view, u"Tuner Tuner"_s) != nullptr; })) {
            return nullptr;
        }
        ViewTest::byName<QCheckBox>(view, u"Enable control"_s)->setChecked(true);
        return view;
    }

private Q_SLOTS:
    void initTestCase() { ControlEvents::install(); }

    void cleanup()
    {
        m_view.reset();
        m_workspace.reset();
        m_simulator.reset();
    }

    void loginSheet_escapeCancels_returnSignsIn()
    {
        StationSimulator::Options options;
        options.user = u"op"_s;
        options.password = u"secret"_s;
        m_simulator = std::make_unique<StationSimulator>(options);
        QVERIFY(m_simulator->listen());
        StationView* view = open(ConnectionKind::ovVarnex, m_simulator->serverPort(), u"Remote"_s);

        QTRY_VERIFY(qobject_cast<ServerLoginView*>(QApplication::activeModalWidget()));
        auto* sheet = qobject_cast<ServerLoginView*>(QApplication::activeModalWidget());
        QTest::keyClick(ViewTest::byName<QLineEdit>(sheet, u"Username"_s), Qt::Key_Escape);
        QTRY_VERIFY(!client().connected() && !client().connecting());
        QVERIFY(QApplication::activeModalWidget() == nullptr);

        QTest::mouseClick(ViewTest::byName<QAbstractButton>(view, u"Connect"_s), Qt::LeftButton);
        QTRY_VERIFY(qobject_cast<ServerLoginView*>(QApplication::activeModalWidget()));
        sheet = qobject_cast<ServerLoginView*>(QApplication::activeModalWidget());
        QTest::keyClicks(ViewTest::byName<QLineEdit>(sheet, u"Username"_s), u"op"_s);
        auto* password = ViewTest::byName<QLineEdit>(sheet, u"Password"_s);
        QTest::keyClicks(password, u"secret"_s);
        QTest::keyClick(password, Qt::Key_Return);
        QTRY_VERIFY(client().connected());
        QVERIFY(m_simulator->received().contains("op\r\n"));
    }

    void enter_pressesTheFocusedButton_andTurnsFromTheTargetField()
    {
        StationView* view = live();
        QVERIFY(view);
        QWidget* card = cardOf(view, u"Rotor 1"_s);
        QVERIFY(card);
        auto* target = ViewTest::byName<QLineEdit>(card, u"Target heading for Rotor 1"_s);
        m_simulator->clearReceived();

        // Refused while control is off: nothing is sent.
        ViewTest::byName<QCheckBox>(view, u"Enable control"_s)->setChecked(false);
        QTest::keyClicks(target, u"123"_s);
        QTest::keyClick(target, Qt::Key_Return);
        QTest::qWait(300);
        QCOMPARE(linesStarting(*m_simulator, "TURN"), QList<QByteArray>());

        ViewTest::byName<QCheckBox>(view, u"Enable control"_s)->setChecked(true);
        QTRY_VERIFY(ViewTest::byName<QAbstractButton>(card, u"Rotate"_s)->isEnabled());
        QTest::keyClick(target, Qt::Key_Enter, Qt::KeypadModifier);
        QTRY_COMPARE(linesStarting(*m_simulator, "TURN"), QList<QByteArray>{"TURN\x1fRotor 1\x1f"
                                                                            "123.0\r\n"});

        auto* stop = ViewTest::byName<QAbstractButton>(card, u"Stop"_s);
        QTRY_VERIFY(stop->isEnabled());
        stop->setFocus();
        QTest::keyClick(stop, Qt::Key_Return);
        QTRY_COMPARE(linesStarting(*m_simulator, "STOP"), QList<QByteArray>{"STOP\x1fRotor 1\r\n"});

        // STOP ALL from a text field, by its shortcut.
        m_simulator->clearReceived();
        QVERIFY(QTest::qWaitForWindowActive(m_view.get()));
        target->setFocus();
        QTest::keyClick(target, Qt::Key_F12);
        QTRY_COMPARE(linesStarting(*m_simulator, "STOP"),
                     (QList<QByteArray>{"STOP\x1fRotor 1\r\n", "STOP\x1fRotor 2\r\n"}));
        QVERIFY(ViewTest::byName<QAbstractButton>(view, u"STOP ALL"_s)->toolTip().contains(u"F12"_s));
    }

    // Tab from the server button reads the header left to right, then the rotor cards, then the
    // antenna switch and the routing cards.
    void tab_followsReadingOrder()
    {
        StationView* view = live();
        QVERIFY(view);
        QVERIFY(QTest::qWaitForWindowActive(m_view.get()));
        QTRY_VERIFY(ViewTest::byName<QAbstractButton>(view, u"STOP ALL"_s)->isEnabled());
        QWidget* first = ViewTest::byName<QAbstractButton>(view, u"SERVER: Home station"_s);
        first->setFocus();
        QStringList order{nameOf(first)};
        QList<QWidget*> visited{first};
        for (int i = 0; i < 150; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget* focused = QApplication::focusWidget();
            if (focused == first) {
                break;
            }
            order.append(nameOf(focused));
            visited.append(focused);
        }
        const QStringList header{
            u"SERVER: Home station"_s, u"Disconnect"_s,     u"Integrations"_s, u"Layout"_s, u"Log"_s, u"World map"_s,
            u"Additional Server"_s,    u"Enable control"_s, u"STOP ALL"_s};
        QVERIFY2(order.mid(0, header.size()) == header, qPrintable(order.join(u" → "_s)));

        const auto inside = [](const QWidget* widget, const char* className) {
            for (; widget; widget = widget->parentWidget()) {
                if (widget->inherits(className)) {
                    return true;
                }
            }
            return false;
        };
        const qsizetype antennas = order.indexOf(u"Enable antenna controls"_s);
        QVERIFY2(antennas > header.size(), qPrintable(order.join(u" → "_s)));
        QVERIFY(inside(visited.at(header.size()), "RotorCard"));
        for (qsizetype i = header.size(); i < visited.size(); ++i) {
            const bool rotor = inside(visited.at(i), "RotorCard");
            QVERIFY2(rotor == (i < antennas), qPrintable(order.join(u" → "_s)));
        }
    }

    // Every control a screen reader reaches has a name, and the heading's text reaches it too.
    void accessibleTree_namesEveryControl_andReadsTheHeading()
    {
        StationView* view = live();
        QVERIFY(view);
        QStringList unnamed;
        for (const QWidget* widget : view->findChildren<QWidget*>()) {
            if ((widget->focusPolicy() & Qt::TabFocus) && widget->isVisibleTo(view) && nameOf(widget).size() < 2 &&
                !qobject_cast<const QComboBox*>(widget->parentWidget())) {
                unnamed.append(QString::fromLatin1(widget->metaObject()->className()));
            }
        }
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(u", "_s)));

        auto* heading = ViewTest::byName<QLabel>(view, u"Heading of Rotor 1"_s);
        QTRY_VERIFY(heading->text().endsWith(u"°"_s));
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(heading);
        QTRY_VERIFY(accessible->text(QAccessible::Description).startsWith(u"Rotor 1 heading "_s + heading->text()));
    }

    void disabledStop_readsDisabled()
    {
        StationView* view = live();
        QVERIFY(view);
        auto* stop = ViewTest::byName<QAbstractButton>(cardOf(view, u"Rotor 1"_s), u"Stop"_s);
        const QColor red = StationColors::red(stop->palette());
        QTRY_VERIFY(stop->isEnabled());
        QCOMPARE(stop->palette().color(QPalette::Active, QPalette::ButtonText), red);
        ViewTest::byName<QCheckBox>(view, u"Enable control"_s)->setChecked(false);
        QTRY_VERIFY(!stop->isEnabled());
        QVERIFY(stop->palette().color(QPalette::Disabled, QPalette::ButtonText) != red);
    }

    // A KT-90 has no server presets, locks or antenna routing: none of it is offered.
    void directController_showsOnlyWhatItCanDo()
    {
        Kt90Simulator kt90(Kt90Simulator::Options{});
        QVERIFY(kt90.listenTcp());
        StationView* view = open(ConnectionKind::kt90Terminal, kt90.tcpPort(), u"Tower KT-90"_s);
        QTRY_VERIFY(client().connected());
        QTRY_VERIFY(!view->findChildren<RotorCard*>().isEmpty());
        RotorCard* card = view->findChildren<RotorCard*>().first();
        QTRY_VERIFY(!ViewTest::byName<QAbstractButton>(card, u"Request lock"_s)->isVisibleTo(view));
        QVERIFY(!ViewTest::labelWithText(card, u"Server presets"_s)->isVisibleTo(view));
        QVERIFY(!ViewTest::byName<QCheckBox>(view, u"Enable antenna controls"_s)->isVisibleTo(view));
        // A station server's tab keeps them.
        StationView* station = live();
        QVERIFY(station);
        QTRY_VERIFY(ViewTest::byName<QCheckBox>(station, u"Enable antenna controls"_s)->isVisibleTo(station));
    }

    // The wheel over a picker that has not been chosen scrolls the sheet and changes nothing.
    void wheelOverUnfocusedPicker_scrollsTheSheet()
    {
        ClientTest::Bench bench;
        bench.connectLive();
        StationIntegrations integrations(bench.defaults, bench.clock);
        integrations.load(bench.client->endpoint());
        IntegrationSettingsView sheet(integrations, *bench.client);
        sheet.resize(650, 420);
        sheet.show();
        auto* picker = ViewTest::byName<QComboBox>(&sheet, u"Radio for Switch: Switch 3"_s);
        QVERIFY(picker);
        auto* scroll = sheet.findChild<QScrollArea*>();
        QVERIFY(scroll && scroll->verticalScrollBar()->maximum() > 0);
        scroll->ensureWidgetVisible(picker);
        const int before = scroll->verticalScrollBar()->value();
        const QString choice = picker->currentText();
        QVERIFY(!picker->hasFocus());

        const QPointF at = QPointF(picker->rect().center());
        const int notch = before > 0 ? 120 : -120;
        QWheelEvent wheel(at, picker->mapToGlobal(at), QPoint(), QPoint(0, notch), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(picker, &wheel);
        QCOMPARE(picker->currentText(), choice);
        QVERIFY2(
            scroll->verticalScrollBar()->value() != before,
            qPrintable(QString::number(before) + u" of "_s + QString::number(scroll->verticalScrollBar()->maximum())));
    }
};

QTEST_MAIN(TestOperatorPath)
#include "tst_operatorpath.moc"

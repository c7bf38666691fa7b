#include "app/profiles/ServerProfile.h"
#include "app/profiles/ServerProfiles.h"
#include "app/ui/station/StationView.h"
#include "app/ui/station/StationWorkspaceView.h"
#include "app/ui/style/PlainText.h"
#include "app/ui/style/PlainToolTips.h"
#include "app/workspace/StationWorkspace.h"
#include "core/client/KeltoClient.h"
#include "core/client/MemorySettingsStore.h"
#include "tests/core/client/ClientTestSupport.h"
#include "tests/support/ViewTestSupport.h"
#include "tools/station-sim/StationSimulator.h"

#include <QAccessible>
#include <QCheckBox>
#include <QHelpEvent>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QToolTip>
#include <QUuid>

#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString img = u"<img src=\"/dev/zero\">"_s;
// A user's profile name: right-to-left text, a mnemonic and markup.
const QString profileName = u"תחנה ראשית & <b>Home</b>"_s;

QString names(const QStringList& list)
{
    return list.join(u" | "_s);
}

// Whether a rich-text document holds an image: the one thing that would make Qt load a file.
bool holdsImage(const QTextDocument& document)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (it.fragment().charFormat().isImageFormat()) {
                return true;
            }
        }
    }
    return false;
}

} // namespace

// Names from a station server and from the user shown in the real window: always as text,
// never as markup or a mnemonic that a key press could fire.
class TestPlainText final : public QObject {
    Q_OBJECT

    MemorySettingsStore m_defaults;
    std::unique_ptr<StationSimulator> m_simulator;
    std::unique_ptr<StationWorkspace> m_workspace;
    std::unique_ptr<StationWorkspaceView> m_view;

private Q_SLOTS:
    // One live window against a station whose every name looks like markup, for all tests.
    void initTestCase()
    {
        PlainToolTips::install();
        StationSimulator::Options options;
        options.rotors = 3;
        options.hostileNames = true;
        m_simulator = std::make_unique<StationSimulator>(options);
        QVERIFY(m_simulator->listen());
        const ServerProfile profile{
            QUuid::createUuid(),      profileName,  u"127.0.0.1"_s, QString::number(m_simulator->serverPort()),
            ConnectionKind::ovVarnex, std::nullopt, std::nullopt,   std::nullopt};
        ServerProfiles(m_defaults).setItems({profile});
        m_workspace = std::make_unique<StationWorkspace>(m_defaults, nullptr);
        m_view = std::make_unique<StationWorkspaceView>(*m_workspace);
        m_view->resize(1200, 900);
        m_view->show();
        StationView* view = m_view->currentView();
        view->selectProfile(profile);
        QTRY_VERIFY(ViewTest::byName<QAbstractButton>(view, u"Connect"_s) != nullptr);
        QTest::mouseClick(ViewTest::byName<QAbstractButton>(view, u"Connect"_s), Qt::LeftButton);
        // Every card is made: the last device of each kind has its card.
        QTRY_VERIFY(ViewTest::labelWithText(view, u"Yagi&Dipole"_s) != nullptr);
        QTRY_VERIFY(ViewTest::labelWithText(view, u"<b>Tuner</b>"_s) != nullptr ||
                    ViewTest::labelWithText(view, u"Turvix · <b>Tuner</b>"_s) != nullptr);
        QTRY_VERIFY(ViewTest::labelWithText(view, u"Stack: &&"_s) != nullptr);
        for (const QString& control : {u"Enable control"_s, u"Enable antenna controls"_s}) {
            auto* box = ViewTest::byName<QCheckBox>(view, control);
            QVERIFY2(box, qPrintable(control));
            box->setChecked(true);
        }
        // The last server presets arrive after the devices.
        QTRY_VERIFY(!ViewTest::allByName<QAbstractButton>(view, img).isEmpty());
    }

    void cleanupTestCase()
    {
        m_view.reset();
        m_workspace.reset();
        m_simulator.reset();
    }

    void names_showLiterally_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("button");
        QTest::newRow("rotor, image") << img + u"Tower"_s << false;
        QTest::newRow("rotor, bold") << u"<b>x</b>"_s << false;
        QTest::newRow("rotor, mnemonic") << u"Yagi&Dipole"_s << false;
        QTest::newRow("switch, image") << img << false;
        QTest::newRow("switch, mnemonic") << u"Beams &Co"_s << false;
        QTest::newRow("switch, trailing &") << u"a&"_s << false;
        QTest::newRow("reported position") << u"Reported: Yagi&Dipole"_s << false;
        QTest::newRow("stack") << u"Stack: <img src=\"/dev/zero\">"_s << false;
        QTest::newRow("stack, double &") << u"Stack: &&"_s << false;
        QTest::newRow("tuner") << u"Turvix · <b>Tuner</b>"_s << false;
        QTest::newRow("tuner rotor") << u"C&L"_s << false;
        QTest::newRow("position, double &") << u"&&"_s << true;
        QTest::newRow("position, mnemonic") << u"Yagi&Dipole"_s << true;
        QTest::newRow("position, leading &") << u"&Dipole"_s << true;
        QTest::newRow("position, trailing &") << u"a&"_s << true;
        QTest::newRow("position, image") << img << true;
        QTest::newRow("position, 300 characters") << u"Beverage "_s + QString(291, u'W') << true;
        QTest::newRow("beam, bold") << u"<b>North</b> Beam"_s << true;
        QTest::newRow("beam, mnemonic") << u"East&West"_s << true;
        QTest::newRow("server button, right to left") << u"SERVER: "_s + profileName << true;
    }
    void names_showLiterally()
    {
        QFETCH(QString, text);
        QFETCH(bool, button);
        StationView* view = m_view->currentView();
        if (!button) {
            QLabel* label = ViewTest::labelWithText(view, text);
            QVERIFY2(label, qPrintable(u"no label shows "_s + text));
            QCOMPARE(label->textFormat(), Qt::PlainText);
            return;
        }
        const QList<QAbstractButton*> buttons = ViewTest::allByName<QAbstractButton>(view, text);
        QVERIFY2(!buttons.isEmpty(), qPrintable(u"no button is named "_s + text));
        for (QAbstractButton* found : buttons) {
            // Shown once, claiming no key: '&' doubled in the text, an elided long name aside.
            const QString shown = found->text();
            QVERIFY2(shown == PlainText::mnemonicSafe(text) ||
                         (shown.endsWith(u'…') && PlainText::mnemonicSafe(text).startsWith(shown.chopped(1))),
                     qPrintable(shown));
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(found);
            QVERIFY(accessible);
            QCOMPARE(accessible->text(QAccessible::Name), text);
        }
    }

    // Labels that show text not written by us are plain; the few rich ones are our own links.
    void everyLabel_isPlainOrOurOwnRichText()
    {
        QStringList loose;
        for (const QLabel* label : m_view->findChildren<QLabel*>()) {
            if (label->textFormat() != Qt::PlainText && !PlainText::isOwnRichText(label)) {
                loose.append(label->objectName() + u" '"_s + label->text() + u"'"_s);
            }
        }
        QVERIFY2(loose.isEmpty(), qPrintable(names(loose)));
    }

    // Alt+letter reaches our own mnemonics only: a probe with one proves the keys arrive, and no
    // name of the server's can claim one and send a command ("East&West" alone would claim W).
    void altLetters_sendNothing()
    {
        QApplication::setActiveWindow(m_view.get());
        QVERIFY(QTest::qWaitForWindowActive(m_view.get()));
        auto* probe = new QPushButton(u"&Probe"_s, m_view.get());
        probe->show();
        QSignalSpy probed(probe, &QPushButton::clicked);
        StationView* view = m_view->currentView();
        QTRY_VERIFY(ViewTest::byName<QAbstractButton>(view, u"Yagi&Dipole"_s)->isEnabled());
        m_simulator->clearReceived();

        for (char letter = 'A'; letter <= 'Z'; ++letter) {
            QTest::keyClick(m_view.get(), static_cast<Qt::Key>(Qt::Key_A + (letter - 'A')), Qt::AltModifier);
        }
        QTest::keyClick(m_view.get(), Qt::Key_Ampersand, Qt::AltModifier | Qt::ShiftModifier);
        // Buttons click a moment after their shortcut.
        QTRY_COMPARE(probed.count(), 1);
        delete probe;
        // A command would have gone out at once; the next report shows the server still heard none.
        QTest::qWait(700);
        QCOMPARE(ClientTest::commandRecords(*m_simulator), QList<QByteArray>());
    }

    // The tooltip of a position names the server's position; hovering shows it as written and
    // makes Qt read no file.
    void toolTip_showsLiteralText()
    {
        StationView* view = m_view->currentView();
        QAbstractButton* button = nullptr;
        for (QAbstractButton* named : ViewTest::allByName<QAbstractButton>(view, img)) {
            if (named->toolTip().contains(img)) {
                button = named;
            }
        }
        QVERIFY(button);
        QHelpEvent hover(QEvent::ToolTip, QPoint(4, 4), button->mapToGlobal(QPoint(4, 4)));
        QApplication::sendEvent(button, &hover);
        QTRY_VERIFY(QToolTip::isVisible());
        QTextDocument shown;
        shown.setHtml(QToolTip::text());
        QVERIFY(!holdsImage(shown));
        QCOMPARE(shown.toPlainText().simplified(), button->toolTip().simplified());
        // What a screen reader hears is the same literal text.
        QCOMPARE(QAccessible::queryAccessibleInterface(button)->text(QAccessible::Description), button->toolTip());
        QToolTip::hideText();
    }
};

QTEST_MAIN(TestPlainText)
#include "tst_plaintext.moc"

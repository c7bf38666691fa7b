#include "app/integrations/keyboard/NativeKeyboard.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>
#include <QWindow>

using namespace Qt::Literals::StringLiterals;

namespace {

enum class Target { button, lineEdit, spinBox, otherWindow };

} // namespace

Q_DECLARE_METATYPE(Target)

class TestNativeKeyboard final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void token_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("token");
        QTest::newRow("plain letter") << int(Qt::Key_F) << Qt::KeyboardModifiers() << u"f"_s << u"F"_s;
        QTest::newRow("control and shift")
            << int(Qt::Key_R) << (Qt::ControlModifier | Qt::ShiftModifier) << u"\x12"_s << u"CTRL SHIFT R"_s;
        QTest::newRow("alt and meta") << int(Qt::Key_K) << (Qt::MetaModifier | Qt::AltModifier) << u"k"_s
                                      << u"ALT CMD K"_s;
        QTest::newRow("all four in fixed order")
            << int(Qt::Key_A) << (Qt::MetaModifier | Qt::ShiftModifier | Qt::AltModifier | Qt::ControlModifier)
            << QString() << u"CTRL ALT SHIFT CMD A"_s;
        QTest::newRow("escape") << int(Qt::Key_Escape) << Qt::KeyboardModifiers() << u"\x1b"_s << u"Escape"_s;
        QTest::newRow("shift escape") << int(Qt::Key_Escape) << Qt::KeyboardModifiers(Qt::ShiftModifier) << u"\x1b"_s
                                      << u"SHIFT Escape"_s;
        QTest::newRow("shifted digit keeps its symbol")
            << int(Qt::Key_Exclam) << Qt::KeyboardModifiers(Qt::ShiftModifier) << u"!"_s << u"SHIFT !"_s;
        QTest::newRow("accented letter") << int(Qt::Key_Adiaeresis) << Qt::KeyboardModifiers() << u"ä"_s << u"Ä"_s;
        QTest::newRow("keypad digit") << int(Qt::Key_7) << Qt::KeyboardModifiers(Qt::KeypadModifier) << u"7"_s
                                      << u"7"_s;
        QTest::newRow("function key") << int(Qt::Key_F1) << Qt::KeyboardModifiers(Qt::ControlModifier) << QString()
                                      << QString();
        QTest::newRow("return") << int(Qt::Key_Return) << Qt::KeyboardModifiers() << u"\r"_s << QString();
        QTest::newRow("modifier key alone")
            << int(Qt::Key_Control) << Qt::KeyboardModifiers(Qt::ControlModifier) << QString() << QString();
    }

    void token()
    {
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(QString, text);
        QFETCH(QString, token);
        QCOMPARE(NativeKeyboard::token(key, modifiers, text), token);
    }

    void globalToken_data()
    {
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("repeat");
        QTest::addColumn<QString>("token");
        QTest::newRow("shift alone") << Qt::KeyboardModifiers(Qt::ShiftModifier) << 0 << false << QString();
        QTest::newRow("no modifier") << Qt::KeyboardModifiers() << 0 << false << QString();
        QTest::newRow("control") << Qt::KeyboardModifiers(Qt::ControlModifier) << 0 << false << u"CTRL S"_s;
        QTest::newRow("alt and shift") << (Qt::AltModifier | Qt::ShiftModifier) << 0 << false << u"ALT SHIFT S"_s;
        QTest::newRow("meta") << Qt::KeyboardModifiers(Qt::MetaModifier) << 0 << false << u"CMD S"_s;
        QTest::newRow("repeat") << Qt::KeyboardModifiers(Qt::ControlModifier) << 0 << true << QString();
        QTest::newRow("meta escape") << Qt::KeyboardModifiers(Qt::MetaModifier) << int(Qt::Key_Escape) << false
                                     << u"CMD Escape"_s;
    }

    void globalToken()
    {
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(int, key);
        QFETCH(bool, repeat);
        QFETCH(QString, token);
        const QString text = key == Qt::Key_Escape ? u"\x1b"_s : u"s"_s;
        QCOMPARE(NativeKeyboard::globalToken(key, modifiers, text, repeat), token);
    }

    void localMonitor_onlyMainWindowOutsideTextFields_data()
    {
        QTest::addColumn<Target>("target");
        QTest::addColumn<bool>("repeat");
        QTest::addColumn<QStringList>("tokens");
        QTest::newRow("button") << Target::button << false << QStringList{u"CTRL SHIFT R"_s};
        QTest::newRow("repeat") << Target::button << true << QStringList();
        QTest::newRow("line edit") << Target::lineEdit << false << QStringList();
        QTest::newRow("spin box") << Target::spinBox << false << QStringList();
        QTest::newRow("other window") << Target::otherWindow << false << QStringList();
    }

    void localMonitor_onlyMainWindowOutsideTextFields()
    {
        QFETCH(Target, target);
        QFETCH(bool, repeat);
        QFETCH(QStringList, tokens);

        QWidget mainWindow;
        mainWindow.setObjectName(NativeKeyboard::mainWindowName);
        auto* layout = new QVBoxLayout(&mainWindow);
        auto* button = new QPushButton(u"Rotate"_s);
        auto* lineEdit = new QLineEdit;
        auto* spinBox = new QSpinBox;
        layout->addWidget(button);
        layout->addWidget(lineEdit);
        layout->addWidget(spinBox);
        QWidget otherWindow;
        otherWindow.setObjectName(u"log"_s);
        auto* otherButton = new QPushButton(u"Clear"_s, &otherWindow);
        mainWindow.show();
        otherWindow.show();
        QVERIFY(QTest::qWaitForWindowExposed(&mainWindow));
        QVERIFY(QTest::qWaitForWindowExposed(&otherWindow));
        switch (target) {
        case Target::lineEdit:
            lineEdit->setFocus();
            break;
        case Target::spinBox:
            spinBox->setFocus();
            break;
        case Target::button:
        case Target::otherWindow:
            button->setFocus();
            otherButton->setFocus();
            break;
        }

        NativeKeyboard keyboard;
        QStringList seen;
        keyboard.start([&seen](const QString& token) { seen.append(token); });
        QWindow* window = (target == Target::otherWindow ? otherWindow : mainWindow).windowHandle();
        if (repeat) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_R, Qt::ControlModifier | Qt::ShiftModifier, u"\x12"_s, true);
            QCoreApplication::sendEvent(window, &press);
        } else {
            QTest::keyClick(window, Qt::Key_R, Qt::ControlModifier | Qt::ShiftModifier);
        }
        QCOMPARE(seen, tokens);

        // Observing only: the focused field still gets its typing.
        QTest::keyClick(window, Qt::Key_4);
        if (target == Target::lineEdit) {
            QCOMPARE(lineEdit->text(), u"4"_s);
        }
        QCOMPARE(seen.size(), tokens.size() + (target == Target::button ? 1 : 0));

        keyboard.stop();
        seen.clear();
        QTest::keyClick(window, Qt::Key_R, Qt::ControlModifier);
        QCOMPARE(seen, QStringList());
    }

    void globalMonitor_withoutDisplay_countsAsNoPermission()
    {
        const QByteArray display = qgetenv("DISPLAY");
        qunsetenv("DISPLAY");
        NativeKeyboard keyboard;
        keyboard.start([](const QString&) {});
        QVERIFY(!NativeKeyboard::globalPermitted());
        QVERIFY(!keyboard.enableGlobal([](const QString&) {}));
        QVERIFY(!keyboard.globalActive());
        // Local keys still work.
        QVERIFY(keyboard.localActive());
        if (!display.isNull()) {
            qputenv("DISPLAY", display);
        }
    }
};

QTEST_MAIN(TestNativeKeyboard)
#include "tst_nativekeyboard.moc"

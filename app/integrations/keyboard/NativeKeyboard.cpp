#include "app/integrations/keyboard/NativeKeyboard.h"

#include "app/integrations/keyboard/GlobalKeyMonitor.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStringList>
#include <QTextEdit>
#include <QWidget>
#include <QWindow>

using namespace Qt::Literals::StringLiterals;

const QString NativeKeyboard::mainWindowName = u"main-station"_s;

namespace {

bool printable(const QString& text)
{
    if (text.isEmpty()) {
        return false;
    }
    for (const char32_t character : text.toUcs4()) {
        if (!QChar::isPrint(character)) {
            return false;
        }
    }
    return true;
}

// The key's characters as if no modifier were held: the typed text unless Control made it a
// control character, else the character of the key code (Qt names character keys by their
// upper-case code point).
QString characters(int key, const QString& text)
{
    if (printable(text)) {
        return text;
    }
    if (key >= Qt::Key_Space && key < Qt::Key_Escape && QChar::isPrint(static_cast<char32_t>(key))) {
        const auto character = static_cast<char32_t>(key);
        return QString::fromUcs4(&character, 1);
    }
    return {};
}

QWidget* topLevelWidgetOf(const QWindow* window)
{
    const QWidgetList widgets = QApplication::topLevelWidgets();
    for (QWidget* widget : widgets) {
        if (widget->windowHandle() == window) {
            return widget;
        }
    }
    return nullptr;
}

} // namespace

QString NativeKeyboard::token(int key, Qt::KeyboardModifiers modifiers, const QString& text)
{
    // A key token is matched against the saved bindings and the keyboard input's messages, so its
    // words stay in English whatever the language.
    const QString keyText = key == Qt::Key_Escape ? u"Escape"_s : characters(key, text).toUpper();
    if (keyText.isEmpty()) {
        return {};
    }
    QStringList words;
    if (modifiers.testFlag(Qt::ControlModifier)) {
        words.append(u"CTRL"_s);
    }
    if (modifiers.testFlag(Qt::AltModifier)) {
        words.append(u"ALT"_s);
    }
    if (modifiers.testFlag(Qt::ShiftModifier)) {
        words.append(u"SHIFT"_s);
    }
    if (modifiers.testFlag(Qt::MetaModifier)) {
        words.append(u"CMD"_s);
    }
    words.append(keyText);
    return words.join(u' ');
}

QString NativeKeyboard::globalToken(int key, Qt::KeyboardModifiers modifiers, const QString& text, bool repeat)
{
    // Shift alone is ordinary typing in the other program.
    if (repeat || (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) == Qt::NoModifier) {
        return {};
    }
    return token(key, modifiers, text);
}

bool NativeKeyboard::globalPermitted()
{
    return GlobalKeyMonitor::permitted();
}

bool NativeKeyboard::isTextField(const QWidget* widget)
{
    return qobject_cast<const QLineEdit*>(widget) != nullptr || qobject_cast<const QTextEdit*>(widget) != nullptr ||
           qobject_cast<const QPlainTextEdit*>(widget) != nullptr ||
           qobject_cast<const QAbstractSpinBox*>(widget) != nullptr;
}

NativeKeyboard::NativeKeyboard(QObject* parent)
    : QObject(parent)
{}

NativeKeyboard::~NativeKeyboard()
{
    stop();
}

void NativeKeyboard::start(Handler handler)
{
    stop();
    if (QCoreApplication::instance() == nullptr) {
        return;
    }
    m_handler = std::move(handler);
    // Every key press reaches its window first, once, before the window hands it to the
    // focused widget; watching the application sees it there whichever window it is.
    QCoreApplication::instance()->installEventFilter(this);
    m_localActive = true;
}

bool NativeKeyboard::enableGlobal(Handler handler)
{
    m_globalMonitor = GlobalKeyMonitor::create(
        [handler = std::move(handler)](int key, Qt::KeyboardModifiers modifiers, const QString& text, bool repeat) {
            // While one of this program's windows has the focus its keys come through the
            // local monitor (or not at all, in other windows and text fields).
            if (QGuiApplication::focusWindow() != nullptr) {
                return;
            }
            const QString token = globalToken(key, modifiers, text, repeat);
            if (!token.isEmpty()) {
                handler(token);
            }
        });
    return m_globalMonitor != nullptr;
}

void NativeKeyboard::disableGlobal()
{
    m_globalMonitor.reset();
}

void NativeKeyboard::stop()
{
    if (m_localActive && QCoreApplication::instance() != nullptr) {
        QCoreApplication::instance()->removeEventFilter(this);
    }
    m_localActive = false;
    m_handler = nullptr;
    m_globalMonitor.reset();
}

bool NativeKeyboard::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || !watched->isWindowType()) {
        return false;
    }
    const auto* key = static_cast<const QKeyEvent*>(event);
    if (key->isAutoRepeat()) {
        return false;
    }
    const QWidget* window = topLevelWidgetOf(static_cast<const QWindow*>(watched));
    if (window == nullptr || window->objectName() != mainWindowName || isTextField(window->focusWidget())) {
        return false;
    }
    const QString token = NativeKeyboard::token(key->key(), key->modifiers(), key->text());
    if (!token.isEmpty()) {
        // The handler may stop this monitor.
        const Handler handler = m_handler;
        handler(token);
    }
    return false;
}

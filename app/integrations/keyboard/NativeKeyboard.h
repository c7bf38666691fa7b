#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class GlobalKeyMonitor;
class QWidget;

// Turns key presses into key tokens such as "CTRL R", "SHIFT S" or "Escape": keys pressed in
// the main station window (outside text fields) and, where the platform permits, keys pressed
// in other programs while Control, Alt or Super is held. Only observes: every key still
// reaches its window.
class NativeKeyboard final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(NativeKeyboard)

public:
    using Handler = std::function<void(const QString& token)>;

    // The object name of the main station window, the only window whose keys count locally.
    static const QString mainWindowName;

    // The modifier words in the order CTRL (Control), ALT (Alt), SHIFT, CMD (Meta, the Super
    // key) and then "Escape" or the key's characters upper-cased, joined by blanks. `text` is
    // what the key types; when that is empty or a control character, the key code's character
    // stands in. Empty when the key has no characters.
    static QString token(int key, Qt::KeyboardModifiers modifiers, const QString& text);
    // The token of a key pressed in another program: empty for repeats and unless Control,
    // Alt or Meta is held.
    static QString globalToken(int key, Qt::KeyboardModifiers modifiers, const QString& text, bool repeat);
    // Whether the platform lets this process observe other programs' keys now.
    static bool globalPermitted();
    // Whether a text field has the focus, where typing must not fire bindings.
    static bool isTextField(const QWidget* widget);

    explicit NativeKeyboard(QObject* parent = nullptr);
    ~NativeKeyboard() override;

    // Replaces both monitors by a local one; does nothing before the application object exists.
    void start(Handler handler);
    // Adds the global monitor when permitted; false otherwise.
    bool enableGlobal(Handler handler);
    // Ends the global monitor only; the window's keys are still watched.
    void disableGlobal();
    void stop();

    bool localActive() const { return m_localActive; }
    bool globalActive() const { return m_globalMonitor != nullptr; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Handler m_handler;
    bool m_localActive = false;
    std::unique_ptr<GlobalKeyMonitor> m_globalMonitor;
};

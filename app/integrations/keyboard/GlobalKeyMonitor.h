#pragma once

#include <QString>
#include <Qt>

#include <functional>
#include <memory>

// Observes key presses of other programs on the desktop without taking them away. Each
// platform has its own file; where the platform offers no way, or withholds it, there is no
// monitor and the process counts as lacking the permission.
class GlobalKeyMonitor {
public:
    // One key press: `key` is Qt::Key_Escape for Escape and 0 otherwise, `text` the characters
    // of the key ignoring modifiers, `repeat` set for the key's automatic repetitions.
    using Handler = std::function<void(int key, Qt::KeyboardModifiers modifiers, const QString& text, bool repeat)>;

    // Whether a monitor can be installed now.
    static bool permitted();
    // Null when not permitted. The handler runs on the thread that created the monitor.
    static std::unique_ptr<GlobalKeyMonitor> create(Handler handler);

    virtual ~GlobalKeyMonitor() = default;
    GlobalKeyMonitor(const GlobalKeyMonitor&) = delete;
    GlobalKeyMonitor& operator=(const GlobalKeyMonitor&) = delete;

protected:
    GlobalKeyMonitor() = default;
};

#pragma once

#include <QObject>

// Two rules every control of the application keeps, whichever view made it:
// - Return and Enter press the focused button (Qt leaves that to Space outside dialogs);
// - a picker, spin box or slider takes the mouse wheel only when it has the focus, so scrolling
//   a sheet past one never changes a setting; the wheel scrolls what holds it instead.
// One per application, installed on it.
class ControlEvents final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ControlEvents)

public:
    explicit ControlEvents(QObject* parent = nullptr);
    ~ControlEvents() override;

    // Installs one filter on the application, once; later calls do nothing.
    static void install();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

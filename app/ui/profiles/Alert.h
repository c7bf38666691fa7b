#pragma once

#include <QList>
#include <QMessageBox>
#include <QString>

#include <functional>

class QWidget;

// A message with buttons of our choosing, shown as a window-modal sheet of `parent` (open(),
// never exec()). The pressed button's action runs once the alert has closed; Escape presses
// the reject-role button, or the only button. Closing it from code with `done()` runs nothing.
// The alert deletes itself once closed.
class Alert final {
public:
    struct Button {
        QString text;
        QMessageBox::ButtonRole role = QMessageBox::AcceptRole;
        std::function<void()> pressed;
    };

    Alert() = delete;

    static QMessageBox* open(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& message,
                             const QList<Button>& buttons);
};

#pragma once

#include <QCoreApplication>
#include <QString>

#include <functional>

class QWidget;

// A question with "Cancel" and one action button, shown as a window-modal sheet of `parent`
// (open(), never exec(): a nested event loop would re-enter the client and the keychain).
// `accepted` runs only when the action button is pressed.
class Confirmation final {
    Q_DECLARE_TR_FUNCTIONS(Confirmation)

public:
    Confirmation() = delete;

    static void ask(QWidget* parent, const QString& title, const QString& message, const QString& actionText,
                    std::function<void()> accepted);
};

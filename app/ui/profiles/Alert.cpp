#include "app/ui/profiles/Alert.h"

#include "app/ui/style/PlainText.h"

#include <QHash>
#include <QPushButton>

QMessageBox* Alert::open(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& message,
                         const QList<Button>& buttons)
{
    auto* box = new QMessageBox(icon, title, title, QMessageBox::NoButton, parent);
    box->setWindowModality(Qt::WindowModal);
    box->setInformativeText(message);
    PlainText::makePlain(box);
    QHash<QAbstractButton*, std::function<void()>> actions;
    QPushButton* defaultButton = nullptr;
    for (const Button& button : buttons) {
        QPushButton* added = box->addButton(button.text, button.role);
        added->setAccessibleName(button.text);
        actions.insert(added, button.pressed);
        if (button.role == QMessageBox::RejectRole || buttons.size() == 1) {
            box->setEscapeButton(added);
            // The safe answer, unless a plain acceptance comes.
            if (!defaultButton) {
                defaultButton = added;
            }
        }
        // Return takes the first plain acceptance; never a destructive answer.
        if (button.role == QMessageBox::AcceptRole || button.role == QMessageBox::YesRole) {
            if (!defaultButton || defaultButton == box->escapeButton()) {
                defaultButton = added;
            }
        }
    }
    if (defaultButton) {
        box->setDefaultButton(defaultButton);
    }
    QObject::connect(box, &QDialog::finished, box, [box, actions] {
        box->deleteLater();
        const std::function<void()> action = actions.value(box->clickedButton());
        if (action) {
            action();
        }
    });
    box->open();
    return box;
}

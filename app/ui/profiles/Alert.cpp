#include "app/ui/profiles/Alert.h"

#include <QHash>
#include <QPushButton>

QMessageBox* Alert::open(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& message,
                         const QList<Button>& buttons)
{
    auto* box = new QMessageBox(icon, title, title, QMessageBox::NoButton, parent);
    box->setWindowModality(Qt::WindowModal);
    box->setInformativeText(message);
    QHash<QAbstractButton*, std::function<void()>> actions;
    for (const Button& button : buttons) {
        QPushButton* added = box->addButton(button.text, button.role);
        added->setAccessibleName(button.text);
        actions.insert(added, button.pressed);
        if (button.role == QMessageBox::RejectRole || buttons.size() == 1) {
            box->setEscapeButton(added);
            box->setDefaultButton(added);
        }
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

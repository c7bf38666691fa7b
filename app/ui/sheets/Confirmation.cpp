#include "app/ui/sheets/Confirmation.h"

#include "app/ui/style/PlainText.h"

#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

using namespace Qt::Literals::StringLiterals;

void Confirmation::ask(QWidget* parent, const QString& title, const QString& message, const QString& actionText,
                       std::function<void()> accepted)
{
    auto* box = new QMessageBox(QMessageBox::Question, title, message, QMessageBox::NoButton, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::WindowModal);
    box->setText(title);
    box->setInformativeText(message);
    PlainText::makePlain(box);
    QPushButton* cancel = box->addButton(tr("Cancel"), QMessageBox::RejectRole);
    QPushButton* action = box->addButton(actionText, QMessageBox::AcceptRole);
    cancel->setAccessibleName(tr("Cancel"));
    action->setAccessibleName(actionText);
    // Return does what the sheet was opened for; Escape cancels.
    box->setDefaultButton(action);
    box->setEscapeButton(cancel);
    QObject::connect(box, &QMessageBox::buttonClicked, box,
                     [action, accepted = std::move(accepted)](QAbstractButton* button) {
                         if (button == action && accepted) {
                             accepted();
                         }
                     });
    box->open();
}

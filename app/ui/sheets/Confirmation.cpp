#include "app/ui/sheets/Confirmation.h"

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
    QPushButton* cancel = box->addButton(u"Cancel"_s, QMessageBox::RejectRole);
    QPushButton* action = box->addButton(actionText, QMessageBox::AcceptRole);
    cancel->setAccessibleName(u"Cancel"_s);
    action->setAccessibleName(actionText);
    box->setDefaultButton(cancel);
    box->setEscapeButton(cancel);
    QObject::connect(box, &QMessageBox::buttonClicked, box,
                     [action, accepted = std::move(accepted)](QAbstractButton* button) {
                         if (button == action && accepted) {
                             accepted();
                         }
                     });
    box->open();
}

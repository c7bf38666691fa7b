#include "app/ui/profiles/SystemFileDialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>

using namespace Qt::Literals::StringLiterals;

namespace {

QFileDialog* jsonDialog(QWidget* parent, const QString& title, FileDialogs::Chosen chosen)
{
    auto* dialog = new QFileDialog(parent, title);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::WindowModal);
    //: File type filter of the settings file dialogs; keep "(*.json)" as it is
    dialog->setNameFilter(QCoreApplication::translate("SystemFileDialogs", "JSON files (*.json)"));
    dialog->setDirectory(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    QObject::connect(dialog, &QFileDialog::fileSelected, dialog, std::move(chosen));
    return dialog;
}

} // namespace

void SystemFileDialogs::saveJson(QWidget* parent, const QString& title, const QString& suggestedName, Chosen chosen)
{
    QFileDialog* dialog = jsonDialog(parent, title, std::move(chosen));
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setDefaultSuffix(u"json"_s); // a file name suffix, not translated
    dialog->selectFile(suggestedName);
    dialog->open();
}

void SystemFileDialogs::openJson(QWidget* parent, const QString& title, Chosen chosen)
{
    QFileDialog* dialog = jsonDialog(parent, title, std::move(chosen));
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->open();
}

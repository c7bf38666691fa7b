#include "app/ui/sheets/IntegrationEditor.h"

#include "app/integrations/StationIntegrations.h"
#include "app/ui/sheets/SheetParts.h"
#include "app/ui/style/PlainText.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

IntegrationEditor::IntegrationEditor(StationIntegrations& integrations, KeltoClient& client)
    : integrations(integrations)
    , client(client)
{}

void IntegrationEditor::edit(const std::function<void(IntegrationSettings&)>& change)
{
    if (filling) {
        return;
    }
    IntegrationSettings settings = integrations.settings();
    change(settings);
    editing = true;
    integrations.setSettings(std::move(settings));
    editing = false;
}

QLineEdit* IntegrationEditor::field(const QString& name, const QString& toolTip, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setAccessibleName(name);
    edit->setToolTip(toolTip);
    return edit;
}

QComboBox* IntegrationEditor::picker(const QString& name, const QString& toolTip, QWidget* parent)
{
    auto* box = new QComboBox(parent);
    box->setAccessibleName(name);
    // On Linux a picker's accessible name is its current choice ("Manual"); the description
    // says what it is for.
    box->setAccessibleDescription(name);
    box->setToolTip(toolTip);
    return box;
}

void IntegrationEditor::setText(QLineEdit* edit, const QString& text)
{
    if (edit->text() != text) {
        edit->setText(text);
    }
}

void IntegrationEditor::setStatus(QPushButton* stop, QLabel* status, const QString& message, bool running,
                                  const QString& stoppedWhy)
{
    status->setText(message);
    // The label is named for what it is; a screen reader reads what it says from here.
    status->setAccessibleDescription(message);
    stop->setEnabled(running);
    stop->setToolTip(running ? tr("Stop this input.") : stoppedWhy);
}

IntegrationEditor::InputControls IntegrationEditor::inputControls(const QString& startText, const QString& stopText,
                                                                  const QString& statusName, const QString& startHelp,
                                                                  QWidget* parent)
{
    InputControls controls;
    controls.start = SheetParts::button(startText, startHelp, parent);
    controls.stop = SheetParts::button(stopText, QString(), parent);
    controls.status = PlainText::label({}, parent);
    controls.status->setAccessibleName(statusName);
    controls.status->setWordWrap(true);
    controls.row = new QHBoxLayout;
    controls.row->addWidget(controls.start);
    controls.row->addWidget(controls.stop);
    controls.row->addWidget(controls.status, 1);
    return controls;
}

QWidget* IntegrationEditor::section(QWidget* parent, QVBoxLayout*& layout, const QString& title)
{
    auto* box = new QWidget(parent);
    layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 12);
    layout->addWidget(SheetParts::title(title, box));
    return box;
}

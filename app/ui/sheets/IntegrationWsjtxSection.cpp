#include "app/ui/sheets/IntegrationWsjtxSection.h"

#include "app/integrations/StationIntegrations.h"
#include "app/integrations/WsjtxListener.h"
#include "app/ui/sheets/IntegrationEditor.h"
#include "core/client/KeltoClient.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

IntegrationWsjtxSection::IntegrationWsjtxSection(IntegrationEditor& editor, QWidget* parent)
    : QWidget(parent)
    , m_editor(editor)
{
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    QVBoxLayout* layout = nullptr;
    outer->addWidget(IntegrationEditor::section(this, layout, tr("WSJT-X")));

    m_host = IntegrationEditor::field(
        tr("WSJT-X host"),
        tr("The address WSJT-X sends its UDP messages to: 127.0.0.1, or a multicast group such as 224.0.0.1."), this);
    m_port =
        IntegrationEditor::field(tr("WSJT-X port"), tr("WSJT-X's UDP server port; its own default is 2237."), this);
    m_rotor = IntegrationEditor::picker(tr("WSJT-X rotor"),
                                        tr("The rotor whose Point at field follows WSJT-X's DX call and grid."), this);
    auto* form = new QFormLayout;
    form->addRow(tr("Host"), m_host);
    form->addRow(tr("Port"), m_port);
    form->addRow(tr("Rotor"), m_rotor);
    const IntegrationEditor::InputControls input =
        IntegrationEditor::inputControls(tr("Start WSJT-X"), tr("Stop WSJT-X"), tr("WSJT-X status"),
                                         tr("Store these settings and listen for WSJT-X's messages."), this);
    m_stop = input.stop;
    m_status = input.status;

    layout->addWidget(SheetParts::note(
        tr("The chosen rotor's Point at field follows the DX call and grid of WSJT-X's status (a grid beats a "
           "prefix); nothing turns until you press Turn. The dial frequency drives band automation as radio A's "
           "frequency from a logger does. JTDX and similar programs send the same messages."),
        this));
    layout->addLayout(form);
    layout->addLayout(input.row);

    connect(m_host, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_editor.edit([&](IntegrationSettings& s) { s.wsjtxHost = text; }); });
    connect(m_port, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_editor.edit([&](IntegrationSettings& s) { s.wsjtxPort = text; }); });
    connect(m_rotor, &QComboBox::currentIndexChanged, this,
            [this] { m_editor.edit([this](IntegrationSettings& s) { s.wsjtxRotor = SheetParts::value(m_rotor); }); });
    connect(input.start, &QPushButton::clicked, this, [this] { m_editor.integrations.startWsjtx(m_editor.client); });
    connect(m_stop, &QPushButton::clicked, this, [this] { m_editor.integrations.stopWsjtx(); });
    connect(&m_editor.integrations, &StationIntegrations::wsjtxChanged, this, &IntegrationWsjtxSection::refresh);
    refresh();
}

IntegrationWsjtxSection::~IntegrationWsjtxSection() = default;

void IntegrationWsjtxSection::showSettings()
{
    const IntegrationSettings& s = m_editor.integrations.settings();
    m_editor.filling = true;
    IntegrationEditor::setText(m_host, s.wsjtxHost);
    IntegrationEditor::setText(m_port, s.wsjtxPort);
    m_editor.filling = false;
}

void IntegrationWsjtxSection::showRotors(const QList<SheetParts::Choice>& rotors)
{
    m_editor.filling = true;
    SheetParts::setChoices(m_rotor, rotors, m_editor.integrations.settings().wsjtxRotor);
    m_editor.filling = false;
}

void IntegrationWsjtxSection::refresh()
{
    IntegrationEditor::setStatus(m_stop, m_status, m_editor.integrations.wsjtxMessage(),
                                 m_editor.integrations.wsjtxListener().listening(), tr("WSJT-X is not listened to."));
}

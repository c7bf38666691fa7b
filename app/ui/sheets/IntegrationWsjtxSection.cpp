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
    outer->addWidget(IntegrationEditor::section(this, layout, u"WSJT-X"_s));

    m_host = IntegrationEditor::field(
        u"WSJT-X host"_s,
        u"The address WSJT-X sends its UDP messages to: 127.0.0.1, or a multicast group such as 224.0.0.1."_s, this);
    m_port = IntegrationEditor::field(u"WSJT-X port"_s, u"WSJT-X's UDP server port; its own default is 2237."_s, this);
    m_rotor = IntegrationEditor::picker(u"WSJT-X rotor"_s,
                                        u"The rotor whose Point at field follows WSJT-X's DX call and grid."_s, this);
    auto* form = new QFormLayout;
    form->addRow(u"Host"_s, m_host);
    form->addRow(u"Port"_s, m_port);
    form->addRow(u"Rotor"_s, m_rotor);
    const IntegrationEditor::InputControls input =
        IntegrationEditor::inputControls(u"WSJT-X"_s, u"listen for WSJT-X's messages."_s, this);
    m_stop = input.stop;
    m_status = input.status;
    m_status->setAccessibleName(u"WSJT-X status"_s);

    layout->addWidget(SheetParts::note(
        u"The chosen rotor's Point at field follows the DX call and grid of WSJT-X's status (a grid beats a "
        u"prefix); nothing turns until you press Turn. The dial frequency drives band automation as radio A's "
        u"frequency from a logger does. JTDX and similar programs send the same messages."_s,
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
                                 m_editor.integrations.wsjtxListener().listening(), u"WSJT-X is not listened to."_s);
}

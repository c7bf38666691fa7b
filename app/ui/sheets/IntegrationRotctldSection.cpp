#include "app/ui/sheets/IntegrationRotctldSection.h"

#include "app/integrations/RotctldServer.h"
#include "app/integrations/StationIntegrations.h"
#include "app/ui/sheets/IntegrationEditor.h"
#include "app/ui/sheets/SheetParts.h"
#include "app/ui/style/DecimalSpinBox.h"
#include "core/client/KeltoClient.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

IntegrationRotctldSection::IntegrationRotctldSection(IntegrationEditor& editor, QWidget* parent)
    : QWidget(parent)
    , m_editor(editor)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(buildRotctld());
    refreshRotctld();
    RotctldServer& rotctld = m_editor.integrations.rotctldServer();
    connect(&rotctld, &RotctldServer::messageChanged, this, &IntegrationRotctldSection::refreshRotctld);
    connect(&rotctld, &RotctldServer::runningChanged, this, &IntegrationRotctldSection::refreshRotctld);
    connect(&rotctld, &RotctldServer::clientCountChanged, this, &IntegrationRotctldSection::refreshRotctld);
}

IntegrationRotctldSection::~IntegrationRotctldSection() = default;

void IntegrationRotctldSection::showSettings()
{
    const IntegrationSettings& s = m_editor.integrations.settings();
    m_editor.filling = true;
    IntegrationEditor::setText(m_rotctldHost, s.rotctldHost);
    IntegrationEditor::setText(m_rotctldPort, s.rotctldPort);
    m_rotctldPark->setValue(s.rotctldPark);
    m_rotctldTolerance->setValue(s.rotctldTolerance);
    m_editor.filling = false;
}

void IntegrationRotctldSection::showRotors(const QList<SheetParts::Choice>& rotors)
{
    m_editor.filling = true;
    SheetParts::setChoices(m_rotctldRotor, rotors, m_editor.integrations.settings().rotctldRotor);
    m_editor.filling = false;
}

QWidget* IntegrationRotctldSection::buildRotctld()
{
    QVBoxLayout* layout = nullptr;
    QWidget* box = IntegrationEditor::section(this, layout, tr("rotctld server"));

    m_rotctldHost = IntegrationEditor::field(tr("rotctld host"),
                                             tr("The address to listen on: 127.0.0.1 for programs on this computer, or "
                                                "this computer’s LAN address for programs elsewhere."),
                                             box);
    m_rotctldPort = IntegrationEditor::field(
        tr("rotctld port"), tr("The TCP port rotctld clients connect to; rotctld’s own is 4533."), box);
    m_rotctldRotor =
        IntegrationEditor::picker(tr("rotctld rotor"), tr("The rotor that rotctld clients read, turn and stop."), box);
    m_rotctldPark = new DecimalSpinBox(box);
    m_rotctldPark->setRange(0.0, 360.0);
    m_rotctldPark->setDecimals(1);
    m_rotctldPark->setSuffix(u"°"_s);
    m_rotctldPark->setAccessibleName(tr("Park heading"));
    m_rotctldPark->setToolTip(tr("Where a rotctld client’s park command turns the rotor."));
    m_rotctldTolerance = new DecimalSpinBox(box);
    m_rotctldTolerance->setRange(0.0, RotctldServer::maxAimTolerance);
    m_rotctldTolerance->setDecimals(1);
    m_rotctldTolerance->setSingleStep(0.5);
    m_rotctldTolerance->setSuffix(u"°"_s);
    m_rotctldTolerance->setAccessibleName(tr("Re-aim tolerance"));
    m_rotctldTolerance->setToolTip(tr("A tracker’s target this close to the turn under way, or to the heading of an "
                                      "idle rotor, turns nothing; farther targets turn the rotor at most once a "
                                      "second."));
    auto* form = new QFormLayout;
    form->addRow(tr("Host"), m_rotctldHost);
    form->addRow(tr("Port"), m_rotctldPort);
    form->addRow(tr("Rotor"), m_rotctldRotor);
    form->addRow(tr("Park heading"), m_rotctldPark);
    form->addRow(tr("Re-aim tolerance"), m_rotctldTolerance);

    const IntegrationEditor::InputControls server = IntegrationEditor::inputControls(
        tr("Start rotctld server"), tr("Stop rotctld server"), tr("Rotctld server status"),
        tr("Store these settings and serve rotctld clients from this tab."), box);
    m_stopRotctld = server.stop;
    m_rotctldStatus = server.status;

    layout->addWidget(
        SheetParts::note(tr("Satellite trackers, loggers and dashboards that speak the rotctld protocol steer the "
                            "chosen rotor through this tab, for example rotctl -m 2 -r 127.0.0.1:4533. Their commands "
                            "pass the same Enable control and heading checks as this window and are logged with the "
                            "client’s address. A LAN address lets any computer on the network turn the rotor."),
                         box));
    layout->addLayout(form);
    layout->addLayout(server.row);

    connect(m_rotctldHost, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_editor.edit([&](IntegrationSettings& s) { s.rotctldHost = text; }); });
    connect(m_rotctldPort, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_editor.edit([&](IntegrationSettings& s) { s.rotctldPort = text; }); });
    connect(m_rotctldRotor, &QComboBox::currentIndexChanged, this, [this] {
        m_editor.edit([this](IntegrationSettings& s) { s.rotctldRotor = SheetParts::value(m_rotctldRotor); });
    });
    connect(m_rotctldPark, &DecimalSpinBox::valueChanged, this,
            [this](double value) { m_editor.edit([value](IntegrationSettings& s) { s.rotctldPark = value; }); });
    connect(m_rotctldTolerance, &DecimalSpinBox::valueChanged, this,
            [this](double value) { m_editor.edit([value](IntegrationSettings& s) { s.rotctldTolerance = value; }); });
    connect(server.start, &QPushButton::clicked, this, [this] { m_editor.integrations.startRotctld(m_editor.client); });
    connect(m_stopRotctld, &QPushButton::clicked, this, [this] { m_editor.integrations.stopRotctld(); });
    return box;
}

void IntegrationRotctldSection::refreshRotctld()
{
    const RotctldServer& server = m_editor.integrations.rotctldServer();
    QString status = server.message();
    if (server.running()) {
        const int count = server.clientCount();
        // "1 client" stays a sentence of its own: without a translator (English) a plural
        // form would read "1 clients".
        const QString clients = count == 0   ? tr("no clients")
                                : count == 1 ? tr("1 client")
                                             : tr("%n clients", nullptr, count);
        //: %1 is the server's own status, %2 how many clients are connected.
        status = tr("%1 · %2").arg(status, clients);
    }
    IntegrationEditor::setStatus(m_stopRotctld, m_rotctldStatus, status, server.running(),
                                 tr("The rotctld server is not running."));
}

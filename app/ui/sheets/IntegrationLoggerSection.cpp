#include "app/ui/sheets/IntegrationLoggerSection.h"

#include "app/integrations/StationIntegrations.h"
#include "app/ui/sheets/IntegrationEditor.h"
#include "app/ui/sheets/SheetParts.h"
#include "core/client/KeltoClient.h"
#include "core/integrations/LoggerKind.h"
#include "core/integrations/LoggerTransport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace {

QString listenHelp()
{
    return QCoreApplication::translate("IntegrationLoggerSection",
                                       "Listen on 127.0.0.1 for local software, or this computer’s LAN address for a "
                                       "remote logger. N1MM rotor: 12050; radio data: 12060; Win-Test: 9871; keyboard "
                                       "UDP: 61111.");
}

QString n3fjpHelp()
{
    return QCoreApplication::translate("IntegrationLoggerSection", "Connect to the N3FJP API (normally port 1100).");
}

} // namespace

IntegrationLoggerSection::IntegrationLoggerSection(IntegrationEditor& editor, QWidget* parent)
    : QWidget(parent)
    , m_editor(editor)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(buildLogger());
    refreshLogger();
    connect(&m_editor.integrations, &StationIntegrations::enabledChanged, this,
            [this](bool enabled) { m_enabled->setChecked(enabled); });
    LoggerTransport& transport = m_editor.integrations.transport();
    connect(&transport, &LoggerTransport::messageChanged, this, &IntegrationLoggerSection::refreshLogger);
    connect(&transport, &LoggerTransport::runningChanged, this, &IntegrationLoggerSection::refreshLogger);
}

IntegrationLoggerSection::~IntegrationLoggerSection() = default;

void IntegrationLoggerSection::showSettings()
{
    const IntegrationSettings& s = m_editor.integrations.settings();
    m_editor.filling = true;
    const QSignalBlocker quietKind(m_kind);
    m_kind->setCurrentIndex(std::max(0, m_kind->findData(rawValue(s.kind))));
    m_listenHelp->setText(s.kind == LoggerKind::n3fjp ? n3fjpHelp() : listenHelp());
    IntegrationEditor::setText(m_host, s.host);
    IntegrationEditor::setText(m_port, s.port);
    IntegrationEditor::setText(m_station, s.station);
    m_editor.filling = false;
}

void IntegrationLoggerSection::showRotors(const QList<SheetParts::Choice>& rotors)
{
    const IntegrationSettings& s = m_editor.integrations.settings();
    m_editor.filling = true;
    SheetParts::setChoices(m_rotorA, rotors, s.rotorA);
    SheetParts::setChoices(m_rotorB, rotors, s.rotorB);
    m_editor.filling = false;
}

QWidget* IntegrationLoggerSection::buildLogger()
{
    QVBoxLayout* layout = nullptr;
    QWidget* box = IntegrationEditor::section(this, layout, tr("Logger and automatic controls"));

    m_enabled = SheetParts::checkBox(tr("Enable logger commands and automatic band selection"),
                                     tr("Send the rotor turns, band selections and key bindings of this server’s "
                                        "inputs. Events are listed either way."),
                                     box);
    m_enabled->setChecked(m_editor.integrations.enabled());

    m_kind = IntegrationEditor::picker(tr("Logger"), tr("The logger program, or key tokens over UDP."), box);
    // Logger names are program names and the stored value, shown as they are.
    for (const LoggerKind kind : allLoggerKinds) {
        m_kind->addItem(loggerKindLabel(kind), rawValue(kind));
    }
    m_host = IntegrationEditor::field(tr("Logger host"), tr("The address to listen on, or the N3FJP computer."), box);
    m_port = IntegrationEditor::field(tr("Logger port"), tr("The UDP port to listen on, or the N3FJP API port."), box);
    m_station =
        IntegrationEditor::field(tr("Station name filter (optional)"),
                                 tr("Only messages from this N1MM or Win-Test station; blank for every station."), box);
    m_listenHelp = SheetParts::note(listenHelp(), box);

    auto* form = new QFormLayout;
    form->addRow(m_enabled);
    form->addRow(tr("Logger"), m_kind);
    form->addRow(tr("Host"), m_host);
    form->addRow(tr("Port"), m_port);
    form->addRow(tr("Station name filter (optional)"), m_station);
    form->addRow(m_listenHelp);

    const IntegrationEditor::InputControls logger =
        IntegrationEditor::inputControls(tr("Start logger"), tr("Stop logger"), tr("Logger status"),
                                         tr("Store these settings and start the logger input."), box);
    m_stopLogger = logger.stop;
    m_loggerStatus = logger.status;

    m_rotorA = IntegrationEditor::picker(tr("Radio A rotor"), tr("The rotor that radio A’s rotor commands turn."), box);
    m_rotorB = IntegrationEditor::picker(tr("Radio B rotor"), tr("The rotor that radio B’s rotor commands turn."), box);
    auto* rotors = new QFormLayout;
    rotors->addRow(tr("Radio A rotor"), m_rotorA);
    rotors->addRow(tr("Radio B rotor"), m_rotorB);

    layout->addLayout(form);
    layout->addLayout(logger.row);
    layout->addWidget(SheetParts::note(tr("Rotor and antenna Enable controls also apply. No commands are replayed "
                                          "after reconnecting. Configure N1MM radio and rotor broadcasts to this "
                                          "listener’s port."),
                                       box));
    layout->addLayout(rotors);

    connect(m_enabled, &QCheckBox::toggled, &m_editor.integrations, &StationIntegrations::setEnabled);
    connect(m_kind, &QComboBox::currentIndexChanged, this, [this] {
        const LoggerKind kind = loggerKind(SheetParts::value(m_kind)).value_or(LoggerKind::n1mm);
        m_listenHelp->setText(kind == LoggerKind::n3fjp ? n3fjpHelp() : listenHelp());
        m_editor.edit([kind](IntegrationSettings& s) { s.kind = kind; });
    });
    connect(m_host, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_editor.edit([&](IntegrationSettings& s) { s.host = text; }); });
    connect(m_port, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_editor.edit([&](IntegrationSettings& s) { s.port = text; }); });
    connect(m_station, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_editor.edit([&](IntegrationSettings& s) { s.station = text; }); });
    connect(m_rotorA, &QComboBox::currentIndexChanged, this,
            [this] { m_editor.edit([this](IntegrationSettings& s) { s.rotorA = SheetParts::value(m_rotorA); }); });
    connect(m_rotorB, &QComboBox::currentIndexChanged, this,
            [this] { m_editor.edit([this](IntegrationSettings& s) { s.rotorB = SheetParts::value(m_rotorB); }); });
    connect(logger.start, &QPushButton::clicked, this, [this] { m_editor.integrations.start(m_editor.client); });
    connect(m_stopLogger, &QPushButton::clicked, this, &IntegrationLoggerSection::stopLogger);
    return box;
}

void IntegrationLoggerSection::stopLogger()
{
    m_editor.integrations.stopLogger();
}

void IntegrationLoggerSection::refreshLogger()
{
    const LoggerTransport& transport = m_editor.integrations.transport();
    IntegrationEditor::setStatus(m_stopLogger, m_loggerStatus, transport.message(), transport.running(),
                                 tr("The logger input is not running."));
}

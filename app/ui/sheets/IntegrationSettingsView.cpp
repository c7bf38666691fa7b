#include "app/ui/sheets/IntegrationSettingsView.h"

#include "app/integrations/RotctldServer.h"
#include "app/integrations/StationIntegrations.h"
#include "app/integrations/keyboard/NativeKeyboard.h"
#include "app/ui/style/PlainText.h"
#include "core/client/KeltoClient.h"
#include "core/integrations/LoggerKind.h"
#include "core/integrations/LoggerTransport.h"
#include "core/integrations/PhidgetEncoder.h"
#include "core/protocol/FixedText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {

// The vendor's set-up notes for its USB driver and library on Linux.
const QString encoderSetupUrl = u"https://www.phidgets.com/docs/"_s;

const QString listenHelp = u"Listen on 127.0.0.1 for local software, or this computer’s LAN address for a remote "
                           u"logger. N1MM rotor: 12050; radio data: 12060; Win-Test: 9871; keyboard UDP: 61111."_s;
const QString n3fjpHelp = u"Connect to the N3FJP API (normally port 1100)."_s;

const QList<SheetParts::Choice> radioChoices{
    {u"Manual"_s, QString::number(IntegrationSettings::manual)},
    {u"Radio A"_s, QString::number(IntegrationSettings::radioA)},
    {u"Radio B"_s, QString::number(IntegrationSettings::radioB)},
    {u"Focused radio"_s, QString::number(IntegrationSettings::focusedRadio)},
};

QLineEdit* field(const QString& name, const QString& toolTip, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setAccessibleName(name);
    edit->setToolTip(toolTip);
    return edit;
}

QComboBox* picker(const QString& name, const QString& toolTip, QWidget* parent)
{
    auto* box = new QComboBox(parent);
    box->setAccessibleName(name);
    // On Linux a picker's accessible name is its current choice ("Manual"); the description
    // says what it is for.
    box->setAccessibleDescription(name);
    box->setToolTip(toolTip);
    return box;
}

// Writes a field only when its text differs, so the cursor of a field being typed in stays.
void setText(QLineEdit* edit, const QString& text)
{
    if (edit->text() != text) {
        edit->setText(text);
    }
}

// A status line with the stop button beside it, enabled while the input runs.
void setStatus(QPushButton* stop, QLabel* status, const QString& message, bool running, const QString& stoppedWhy)
{
    status->setText(message);
    // The label is named for what it is; a screen reader reads what it says from here.
    status->setAccessibleDescription(message);
    stop->setEnabled(running);
    stop->setToolTip(running ? u"Stop this input."_s : stoppedWhy);
}

// The start and stop buttons of one input ("logger", "keyboard", "encoder") with its status
// line beside them.
struct InputControls {
    QPushButton* start = nullptr;
    QPushButton* stop = nullptr;
    QLabel* status = nullptr;
    QHBoxLayout* row = nullptr;
};

InputControls inputControls(const QString& input, const QString& startHelp, QWidget* parent)
{
    InputControls controls;
    controls.start = SheetParts::button(u"Start "_s + input, u"Store these settings and "_s + startHelp, parent);
    controls.stop = SheetParts::button(u"Stop "_s + input, QString(), parent);
    controls.status = PlainText::label({}, parent);
    controls.status->setAccessibleName(input.at(0).toUpper() + input.mid(1) + u" status"_s);
    controls.status->setWordWrap(true);
    controls.row = new QHBoxLayout;
    controls.row->addWidget(controls.start);
    controls.row->addWidget(controls.stop);
    controls.row->addWidget(controls.status, 1);
    return controls;
}

QWidget* section(QWidget* parent, QVBoxLayout*& layout, const QString& title)
{
    auto* box = new QWidget(parent);
    layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 12);
    layout->addWidget(SheetParts::title(title, box));
    return box;
}

} // namespace

IntegrationSettingsView::IntegrationSettingsView(StationIntegrations& integrations, KeltoClient& client,
                                                 QWidget* parent)
    : QDialog(parent)
    , m_integrations(integrations)
    , m_client(client)
{
    setWindowTitle(u"Integrations"_s);
    setWindowModality(Qt::WindowModal);
    m_eventsTimer.setSingleShot(true);
    m_eventsTimer.setInterval(16);
    connect(&m_eventsTimer, &QTimer::timeout, this, &IntegrationSettingsView::refreshEvents);
    // Fits inside the default 960 × 870 window; everything scrolls inside.
    resize(760, 800);

    auto* content = new QWidget;
    auto* sections = new QVBoxLayout(content);
    sections->addWidget(buildLogger());
    sections->addWidget(buildDevices());
    sections->addWidget(buildEvents());
    sections->addWidget(buildKeyboard());
    sections->addWidget(buildEncoder());
    sections->addWidget(buildRotctld());
    sections->addStretch(1);
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(content);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);

    QPushButton* close = SheetParts::button(u"Close"_s, u"Store these settings for this server and close."_s, this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scroll, 1);
    layout->addLayout(buttons);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    m_devices = deviceChoices();
    showSettings();
    refreshLogger();
    refreshKeyboard();
    refreshEncoder();
    m_events->setPlainText(m_integrations.eventLines().join(u'\n'));
    refreshEvents();
    refreshRotctld();

    connect(&m_integrations, &StationIntegrations::settingsChanged, this, [this] {
        if (!m_editing) {
            showSettings();
        }
    });
    connect(&m_integrations, &StationIntegrations::enabledChanged, this, [this](bool enabled) {
        m_enabled->setChecked(enabled);
        refreshEncoder();
    });
    connect(&m_integrations, &StationIntegrations::eventRecorded, this, [this](const QString& line) {
        m_pendingEvents.append(line);
        if (!m_eventsTimer.isActive()) {
            m_eventsTimer.start();
        }
    });
    LoggerTransport& transport = m_integrations.transport();
    connect(&transport, &LoggerTransport::messageChanged, this, &IntegrationSettingsView::refreshLogger);
    connect(&transport, &LoggerTransport::runningChanged, this, &IntegrationSettingsView::refreshLogger);
    LoggerTransport& keys = m_integrations.keyboardTransport();
    connect(&keys, &LoggerTransport::messageChanged, this, &IntegrationSettingsView::refreshKeyboard);
    connect(&keys, &LoggerTransport::runningChanged, this, &IntegrationSettingsView::refreshKeyboard);
    PhidgetEncoder& encoder = m_integrations.encoder();
    connect(&encoder, &PhidgetEncoder::messageChanged, this, &IntegrationSettingsView::refreshEncoder);
    // A new preview, or a start or stop, shows the preview afresh.
    const auto previewMoved = [this] {
        m_previewApplied = false;
        refreshEncoder();
    };
    connect(&encoder, &PhidgetEncoder::runningChanged, this, previewMoved);
    connect(&m_integrations, &StationIntegrations::encoderHeadingChanged, this, previewMoved);
    connect(&m_integrations, &StationIntegrations::encoderSelectionChanged, this, previewMoved);
    connect(&m_integrations, &StationIntegrations::encoderApplied, this, [this] {
        m_previewApplied = true;
        refreshEncoder();
    });
    connect(&m_client, &KeltoClient::connectedChanged, this, &IntegrationSettingsView::refreshEncoder);
    RotctldServer& rotctld = m_integrations.rotctldServer();
    connect(&rotctld, &RotctldServer::messageChanged, this, &IntegrationSettingsView::refreshRotctld);
    connect(&rotctld, &RotctldServer::runningChanged, this, &IntegrationSettingsView::refreshRotctld);
    connect(&rotctld, &RotctldServer::clientCountChanged, this, &IntegrationSettingsView::refreshRotctld);
    connect(&m_client, &KeltoClient::stationChanged, this, &IntegrationSettingsView::stationChanged);
}

IntegrationSettingsView::~IntegrationSettingsView() = default;

void IntegrationSettingsView::done(int result)
{
    m_integrations.save();
    QDialog::done(result);
}

// ---- Sections ----

QWidget* IntegrationSettingsView::buildLogger()
{
    QVBoxLayout* layout = nullptr;
    QWidget* box = section(this, layout, u"Logger and automatic controls"_s);

    m_enabled = SheetParts::checkBox(u"Enable logger commands and automatic band selection"_s,
                                     u"Send the rotor turns, band selections and key bindings of this server’s inputs. "
                                     u"Events are listed either way."_s,
                                     box);
    m_enabled->setChecked(m_integrations.enabled());

    m_kind = picker(u"Logger"_s, u"The logger program, or key tokens over UDP."_s, box);
    for (const LoggerKind kind : allLoggerKinds) {
        m_kind->addItem(rawValue(kind), rawValue(kind));
    }
    m_host = field(u"Logger host"_s, u"The address to listen on, or the N3FJP computer."_s, box);
    m_port = field(u"Logger port"_s, u"The UDP port to listen on, or the N3FJP API port."_s, box);
    m_station = field(u"Station name filter (optional)"_s,
                      u"Only messages from this N1MM or Win-Test station; blank for every station."_s, box);
    m_listenHelp = SheetParts::note(listenHelp, box);

    auto* form = new QFormLayout;
    form->addRow(m_enabled);
    form->addRow(u"Logger"_s, m_kind);
    form->addRow(u"Host"_s, m_host);
    form->addRow(u"Port"_s, m_port);
    form->addRow(u"Station name filter (optional)"_s, m_station);
    form->addRow(m_listenHelp);

    const InputControls logger = inputControls(u"logger"_s, u"start the logger input."_s, box);
    m_stopLogger = logger.stop;
    m_loggerStatus = logger.status;

    m_rotorA = picker(u"Radio A rotor"_s, u"The rotor that radio A’s rotor commands turn."_s, box);
    m_rotorB = picker(u"Radio B rotor"_s, u"The rotor that radio B’s rotor commands turn."_s, box);
    auto* rotors = new QFormLayout;
    rotors->addRow(u"Radio A rotor"_s, m_rotorA);
    rotors->addRow(u"Radio B rotor"_s, m_rotorB);

    layout->addLayout(form);
    layout->addLayout(logger.row);
    layout->addWidget(SheetParts::note(u"Rotor and antenna Enable controls also apply. No commands are replayed after "
                                       u"reconnecting. Configure N1MM radio and rotor broadcasts to this listener’s "
                                       u"port."_s,
                                       box));
    layout->addLayout(rotors);

    connect(m_enabled, &QCheckBox::toggled, &m_integrations, &StationIntegrations::setEnabled);
    connect(m_kind, &QComboBox::currentIndexChanged, this, [this] {
        const LoggerKind kind = loggerKind(SheetParts::value(m_kind)).value_or(LoggerKind::n1mm);
        m_listenHelp->setText(kind == LoggerKind::n3fjp ? n3fjpHelp : listenHelp);
        edit([kind](IntegrationSettings& s) { s.kind = kind; });
    });
    connect(m_host, &QLineEdit::textEdited, this,
            [this](const QString& text) { edit([&](IntegrationSettings& s) { s.host = text; }); });
    connect(m_port, &QLineEdit::textEdited, this,
            [this](const QString& text) { edit([&](IntegrationSettings& s) { s.port = text; }); });
    connect(m_station, &QLineEdit::textEdited, this,
            [this](const QString& text) { edit([&](IntegrationSettings& s) { s.station = text; }); });
    connect(m_rotorA, &QComboBox::currentIndexChanged, this,
            [this] { edit([this](IntegrationSettings& s) { s.rotorA = SheetParts::value(m_rotorA); }); });
    connect(m_rotorB, &QComboBox::currentIndexChanged, this,
            [this] { edit([this](IntegrationSettings& s) { s.rotorB = SheetParts::value(m_rotorB); }); });
    connect(logger.start, &QPushButton::clicked, this, [this] { m_integrations.start(m_client); });
    connect(m_stopLogger, &QPushButton::clicked, this, &IntegrationSettingsView::stopLogger);
    return box;
}

QWidget* IntegrationSettingsView::buildDevices()
{
    QWidget* box = section(this, m_radioSection, u"Frequency-driven devices"_s);
    m_radioSection->addWidget(
        SheetParts::note(u"A selected OFF remains off. Existing in-range selections are retained; locked outputs are "
                         u"skipped. Focused radio follows logger focus and prevents competing A/B updates on a shared "
                         u"switch."_s,
                         box));
    return box;
}

QWidget* IntegrationSettingsView::buildEvents()
{
    QVBoxLayout* layout = nullptr;
    QWidget* box = section(this, layout, u"Received integration events"_s);
    m_noEvents = SheetParts::note(u"No events received"_s, box);
    m_events = new QPlainTextEdit(box);
    m_events->setReadOnly(true);
    m_events->setAccessibleName(u"Received integration events"_s);
    m_events->setToolTip(u"The logger events and key tokens this server’s inputs received, oldest first (the last "_s +
                         QLocale().toString(StationIntegrations::maxEventHistory) + u")."_s);
    m_events->setMinimumHeight(120);
    m_events->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_events->setMaximumBlockCount(StationIntegrations::maxEventHistory);
    layout->addWidget(m_noEvents);
    layout->addWidget(m_events);
    return box;
}

QWidget* IntegrationSettingsView::buildKeyboard()
{
    QWidget* box = section(this, m_bindingSection, u"Keyboard shortcuts and UDP keys"_s);
    m_bindingSection->addWidget(SheetParts::note(u"Key tokens also work while the main app window is focused, outside "
                                                 u"text fields. Examples: CTRL R, SHIFT S, Escape."_s,
                                                 box));

    const bool permitted = NativeKeyboard::globalPermitted();
    m_globalKeys = SheetParts::checkBox(u"Global keyboard shortcuts"_s,
                                        permitted ? u"Also take key tokens typed in other programs."_s
                                                  : u"Global shortcuts are not available in this session."_s,
                                        box);
    m_bindingSection->addWidget(m_globalKeys);
    m_bindingSection->addWidget(SheetParts::note(
        permitted ? u"Global shortcuts need no extra permission on this desktop, only a Control, Alt, or Super "
                    u"modifier (CTRL, ALT, CMD in tokens). They apply to the selected server tab. Restart keyboard "
                    u"listening after changing this switch."_s
                  : u"Global shortcuts are not available in this session: this desktop does not let programs watch "
                    u"keys typed elsewhere. Keys in the main window and UDP key tokens still work."_s,
        box));

    m_keyboardPort = field(u"Local keyboard UDP port"_s,
                           u"Key tokens sent to 127.0.0.1 on this port fire the "
                           u"bindings below."_s,
                           box);
    auto* form = new QFormLayout;
    form->addRow(u"Local keyboard UDP port"_s, m_keyboardPort);
    m_bindingSection->addLayout(form);

    const InputControls keyboard = inputControls(u"keyboard"_s, u"start listening for keys and UDP key tokens."_s, box);
    m_stopKeyboard = keyboard.stop;
    m_keyboardStatus = keyboard.status;
    m_bindingSection->addLayout(keyboard.row);

    QPushButton* add = SheetParts::button(u"Add key binding"_s, u"Add a key token and what it does."_s, box);
    auto* addRow = new QHBoxLayout;
    addRow->addWidget(add);
    addRow->addStretch(1);
    m_bindingSection->addLayout(addRow);

    connect(m_globalKeys, &QCheckBox::toggled, this,
            [this](bool on) { edit([on](IntegrationSettings& s) { s.globalKeys = on; }); });
    connect(m_keyboardPort, &QLineEdit::textEdited, this,
            [this](const QString& text) { edit([&](IntegrationSettings& s) { s.keyboardPort = text; }); });
    connect(keyboard.start, &QPushButton::clicked, this, [this] { m_integrations.startKeyboard(m_client); });
    connect(m_stopKeyboard, &QPushButton::clicked, this, [this] { m_integrations.stopKeyboard(); });
    connect(add, &QPushButton::clicked, this, &IntegrationSettingsView::addBinding);
    return box;
}

QWidget* IntegrationSettingsView::buildEncoder()
{
    QVBoxLayout* layout = nullptr;
    QWidget* box = section(this, layout, u"Phidget encoder / eKnob"_s);

    m_encoderSerial = field(u"Device serial number"_s, u"The serial number printed on the encoder device."_s, box);
    m_encoderChannel = new QSpinBox(box);
    m_encoderChannel->setRange(0, 15);
    m_encoderChannel->setPrefix(u"Encoder channel "_s);
    m_encoderChannel->setAccessibleName(u"Encoder channel"_s);
    m_encoderChannel->setToolTip(u"The device channel of the encoder."_s);
    m_buttonChannel = new QSpinBox(box);
    m_buttonChannel->setRange(-1, 15);
    m_buttonChannel->setPrefix(u"Button channel "_s);
    m_buttonChannel->setAccessibleName(u"Button channel"_s);
    m_buttonChannel->setToolTip(u"The digital input of the encoder’s button; −1 for none."_s);
    m_encoderStep = new QDoubleSpinBox(box);
    m_encoderStep->setRange(-360.0, 360.0);
    m_encoderStep->setDecimals(2);
    m_encoderStep->setAccessibleName(u"Degrees/count"_s);
    m_encoderStep->setToolTip(u"Degrees per encoder count when turning a rotor; negative reverses the direction."_s);
    m_encoderTarget = picker(u"Target"_s,
                             u"What the encoder turns (R: rotor) or chooses among (P: a rotor’s presets, S: switch "
                             u"positions, K: stack output, T: tuner positions)."_s,
                             box);
    auto* channels = new QHBoxLayout;
    channels->addWidget(m_encoderChannel);
    channels->addWidget(m_buttonChannel);
    channels->addStretch(1);
    auto* form = new QFormLayout;
    form->addRow(u"Device serial number"_s, m_encoderSerial);
    form->addRow(u"Channels"_s, channels);
    form->addRow(u"Degrees/count"_s, m_encoderStep);
    form->addRow(u"Target"_s, m_encoderTarget);

    const InputControls encoder = inputControls(u"encoder"_s, u"start reading the encoder."_s, box);
    m_stopEncoder = encoder.stop;
    m_encoderStatus = encoder.status;
    m_apply = SheetParts::button(u"Apply"_s, QString(), box);
    encoder.row->insertWidget(2, m_apply);
    m_encoderPreview = PlainText::label({}, box);
    m_encoderPreview->setAccessibleName(u"Encoder preview"_s);
    QFont bold = m_encoderPreview->font();
    bold.setBold(true);
    m_encoderPreview->setFont(bold);

    auto* link = new QLabel(u"<a href=\""_s + encoderSetupUrl + u"\">Phidget USB driver and setup</a>"_s, box);
    PlainText::markOwnRichText(link);
    link->setOpenExternalLinks(true);
    link->setTextInteractionFlags(Qt::TextBrowserInteraction);
    link->setAccessibleName(u"Phidget USB driver and setup"_s);
    link->setToolTip(encoderSetupUrl);

    layout->addLayout(form);
    layout->addLayout(encoder.row);
    layout->addWidget(m_encoderPreview);
    layout->addWidget(SheetParts::note(u"Turning previews a heading or selection. Press the encoder button or Apply to "
                                       u"send it. A button channel of −1 disables button input; use a negative step "
                                       u"to reverse direction. Enable controls still applies."_s,
                                       box));
    layout->addWidget(link);

    connect(m_encoderSerial, &QLineEdit::textEdited, this,
            [this](const QString& text) { edit([&](IntegrationSettings& s) { s.encoderSerial = text; }); });
    connect(m_encoderChannel, &QSpinBox::valueChanged, this,
            [this](int value) { edit([value](IntegrationSettings& s) { s.encoderChannel = value; }); });
    connect(m_buttonChannel, &QSpinBox::valueChanged, this,
            [this](int value) { edit([value](IntegrationSettings& s) { s.encoderButton = value; }); });
    connect(m_encoderStep, &QDoubleSpinBox::valueChanged, this,
            [this](double value) { edit([value](IntegrationSettings& s) { s.encoderStep = value; }); });
    connect(m_encoderTarget, &QComboBox::currentIndexChanged, this, [this] {
        edit([this](IntegrationSettings& s) { s.encoderTarget = SheetParts::value(m_encoderTarget); });
        refreshEncoder();
    });
    connect(encoder.start, &QPushButton::clicked, this, [this] { m_integrations.startEncoder(m_client); });
    connect(m_stopEncoder, &QPushButton::clicked, this, [this] { m_integrations.encoder().stop(); });
    connect(m_apply, &QPushButton::clicked, this, [this] { m_integrations.applyEncoder(m_client); });
    return box;
}

QWidget* IntegrationSettingsView::buildRotctld()
{
    QVBoxLayout* layout = nullptr;
    QWidget* box = section(this, layout, u"rotctld server"_s);

    m_rotctldHost = field(u"rotctld host"_s,
                          u"The address to listen on: 127.0.0.1 for programs on this computer, or this computer’s LAN "
                          u"address for programs elsewhere."_s,
                          box);
    m_rotctldPort = field(u"rotctld port"_s, u"The TCP port rotctld clients connect to; rotctld’s own is 4533."_s, box);
    m_rotctldRotor = picker(u"rotctld rotor"_s, u"The rotor that rotctld clients read, turn and stop."_s, box);
    m_rotctldPark = new QDoubleSpinBox(box);
    m_rotctldPark->setRange(0.0, 360.0);
    m_rotctldPark->setDecimals(1);
    m_rotctldPark->setSuffix(u"°"_s);
    m_rotctldPark->setAccessibleName(u"Park heading"_s);
    m_rotctldPark->setToolTip(u"Where a rotctld client’s park command turns the rotor."_s);
    m_rotctldTolerance = new QDoubleSpinBox(box);
    m_rotctldTolerance->setRange(0.0, RotctldServer::maxAimTolerance);
    m_rotctldTolerance->setDecimals(1);
    m_rotctldTolerance->setSingleStep(0.5);
    m_rotctldTolerance->setSuffix(u"°"_s);
    m_rotctldTolerance->setAccessibleName(u"Re-aim tolerance"_s);
    m_rotctldTolerance->setToolTip(
        u"A tracker’s target this close to the turn under way, or to the heading of an "
        u"idle rotor, turns nothing; farther targets turn the rotor at most once a second."_s);
    auto* form = new QFormLayout;
    form->addRow(u"Host"_s, m_rotctldHost);
    form->addRow(u"Port"_s, m_rotctldPort);
    form->addRow(u"Rotor"_s, m_rotctldRotor);
    form->addRow(u"Park heading"_s, m_rotctldPark);
    form->addRow(u"Re-aim tolerance"_s, m_rotctldTolerance);

    const InputControls server = inputControls(u"rotctld server"_s, u"serve rotctld clients from this tab."_s, box);
    m_stopRotctld = server.stop;
    m_rotctldStatus = server.status;

    layout->addWidget(
        SheetParts::note(u"Satellite trackers, loggers and dashboards that speak the rotctld protocol steer the chosen "
                         u"rotor through this tab, for example rotctl -m 2 -r 127.0.0.1:4533. Their commands pass the "
                         u"same Enable control and heading checks as this window and are logged with the client’s "
                         u"address. A LAN address lets any computer on the network turn the rotor."_s,
                         box));
    layout->addLayout(form);
    layout->addLayout(server.row);

    connect(m_rotctldHost, &QLineEdit::textEdited, this,
            [this](const QString& text) { edit([&](IntegrationSettings& s) { s.rotctldHost = text; }); });
    connect(m_rotctldPort, &QLineEdit::textEdited, this,
            [this](const QString& text) { edit([&](IntegrationSettings& s) { s.rotctldPort = text; }); });
    connect(m_rotctldRotor, &QComboBox::currentIndexChanged, this,
            [this] { edit([this](IntegrationSettings& s) { s.rotctldRotor = SheetParts::value(m_rotctldRotor); }); });
    connect(m_rotctldPark, &QDoubleSpinBox::valueChanged, this,
            [this](double value) { edit([value](IntegrationSettings& s) { s.rotctldPark = value; }); });
    connect(m_rotctldTolerance, &QDoubleSpinBox::valueChanged, this,
            [this](double value) { edit([value](IntegrationSettings& s) { s.rotctldTolerance = value; }); });
    connect(server.start, &QPushButton::clicked, this, [this] { m_integrations.startRotctld(m_client); });
    connect(m_stopRotctld, &QPushButton::clicked, this, [this] { m_integrations.stopRotctld(); });
    return box;
}

// ---- Editing ----

void IntegrationSettingsView::edit(const std::function<void(IntegrationSettings&)>& change)
{
    if (m_filling) {
        return;
    }
    IntegrationSettings settings = m_integrations.settings();
    change(settings);
    m_editing = true;
    m_integrations.setSettings(std::move(settings));
    m_editing = false;
}

void IntegrationSettingsView::editBinding(const QUuid& id, const std::function<void(KeyBinding&)>& change)
{
    edit([&](IntegrationSettings& s) {
        for (KeyBinding& binding : s.keyCommands) {
            if (binding.id == id) {
                change(binding);
            }
        }
    });
}

void IntegrationSettingsView::addBinding()
{
    KeyBinding binding;
    binding.rotor = m_devices.isEmpty() ? QString() : m_devices.first().value;
    edit([&](IntegrationSettings& s) { s.keyCommands.append(binding); });
    rebuildBindings();
    if (!m_bindingRows.isEmpty()) {
        m_bindingRows.last().key->setFocus();
    }
}

void IntegrationSettingsView::removeBinding(const QUuid& id)
{
    edit([&](IntegrationSettings& s) {
        s.keyCommands.removeIf([&](const KeyBinding& binding) { return binding.id == id; });
    });
    rebuildBindings();
}

void IntegrationSettingsView::stopLogger()
{
    m_integrations.stopLogger();
}

// ---- Showing the record ----

void IntegrationSettingsView::showSettings()
{
    const IntegrationSettings& s = m_integrations.settings();
    m_filling = true;
    const QSignalBlocker quietKind(m_kind);
    m_kind->setCurrentIndex(std::max(0, m_kind->findData(rawValue(s.kind))));
    m_listenHelp->setText(s.kind == LoggerKind::n3fjp ? n3fjpHelp : listenHelp);
    setText(m_host, s.host);
    setText(m_port, s.port);
    setText(m_station, s.station);
    m_globalKeys->setChecked(s.globalKeys);
    setText(m_keyboardPort, s.keyboardPort);
    setText(m_encoderSerial, s.encoderSerial);
    m_encoderChannel->setValue(s.encoderChannel);
    m_buttonChannel->setValue(s.encoderButton);
    m_encoderStep->setValue(s.encoderStep);
    setText(m_rotctldHost, s.rotctldHost);
    setText(m_rotctldPort, s.rotctldPort);
    m_rotctldPark->setValue(s.rotctldPark);
    m_rotctldTolerance->setValue(s.rotctldTolerance);
    m_filling = false;
    showDeviceChoices();
}

void IntegrationSettingsView::stationChanged()
{
    // Reports arrive many times a second; the pickers change only with the station's devices.
    QList<SheetParts::Choice> devices = deviceChoices();
    const bool same =
        std::equal(devices.cbegin(), devices.cend(), m_devices.cbegin(), m_devices.cend(),
                   [](const SheetParts::Choice& a, const SheetParts::Choice& b) { return a.value == b.value; });
    if (!same) {
        m_devices = std::move(devices);
        showDeviceChoices();
    }
}

void IntegrationSettingsView::showDeviceChoices()
{
    const IntegrationSettings& s = m_integrations.settings();
    m_filling = true;
    QList<SheetParts::Choice> rotors{{u"None"_s, QString()}};
    for (const QString& name : m_client.station().rotors.keys()) {
        rotors.append({name, name});
    }
    SheetParts::setChoices(m_rotorA, rotors, s.rotorA);
    SheetParts::setChoices(m_rotorB, rotors, s.rotorB);
    SheetParts::setChoices(m_rotctldRotor, rotors, s.rotctldRotor);
    SheetParts::setChoices(m_encoderTarget, encoderTargets(), s.encoderTarget);
    m_filling = false;
    rebuildRadioRows();
    rebuildBindings();
    refreshEncoder();
}

void IntegrationSettingsView::rebuildRadioRows()
{
    if (m_radioBox) {
        m_radioBox->hide();
        m_radioBox->deleteLater();
    }
    m_radioBox = new QWidget;
    int rows = 0;
    auto* form = new QFormLayout(m_radioBox);
    form->setContentsMargins(0, 0, 0, 0);
    const IntegrationSettings& s = m_integrations.settings();
    const StationState& station = m_client.station();
    const auto addRow = [&](const QString& prefix, const QString& kind, const QString& name, int assignment) {
        const QString label = kind + name;
        QComboBox* box = picker(u"Radio for "_s + label,
                                u"Which radio’s frequency selects the band position of "_s + name + u"."_s, m_radioBox);
        m_filling = true;
        SheetParts::setChoices(box, radioChoices, QString::number(assignment));
        m_filling = false;
        auto* caption = PlainText::label(label, m_radioBox);
        caption->setTextFormat(Qt::PlainText);
        form->addRow(caption, box);
        ++rows;
        connect(box, &QComboBox::currentIndexChanged, this, [this, box, prefix, name] {
            const int radio = SheetParts::value(box).toInt();
            edit([&](IntegrationSettings& edited) {
                (prefix == u"S:"_s ? edited.switchRadios : edited.tunerRadios).insert(name, radio);
            });
        });
    };
    for (const QString& name : station.switches.keys()) {
        addRow(u"S:"_s, u"Switch: "_s, name, s.switchRadios.value(name, IntegrationSettings::manual));
    }
    for (const QString& name : station.tuners.keys()) {
        addRow(u"T:"_s, u"Tuner: "_s, name, s.tunerRadios.value(name, IntegrationSettings::manual));
    }
    if (rows == 0) {
        form->addRow(SheetParts::note(u"The station has reported no switches or tuners yet."_s, m_radioBox));
    }
    // Above the note.
    m_radioSection->insertWidget(1, m_radioBox);
}

void IntegrationSettingsView::rebuildBindings()
{
    if (m_bindingBox) {
        // The Remove button that led here may be among the old rows.
        m_bindingBox->hide();
        m_bindingBox->deleteLater();
    }
    m_bindingRows.clear();
    m_bindingBox = new QWidget;
    auto* grid = new QGridLayout(m_bindingBox);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setColumnStretch(0, 2);
    grid->setColumnStretch(1, 2);
    grid->setColumnStretch(4, 2);
    const QList<KeyBinding>& bindings = m_integrations.settings().keyCommands;
    if (bindings.isEmpty()) {
        grid->addWidget(SheetParts::note(u"No key bindings"_s, m_bindingBox), 0, 0, 1, 6);
    } else {
        int column = 0;
        for (const QString& heading : {u"Key token"_s, u"Device"_s, u"Action"_s, u"Heading"_s, u"Position"_s}) {
            grid->addWidget(PlainText::label(heading, m_bindingBox), 0, column++);
        }
    }
    QList<SheetParts::Choice> actions;
    for (const QString& action : KeyBinding::actions()) {
        actions.append({action, action});
    }

    m_filling = true;
    for (qsizetype i = 0; i < bindings.size(); ++i) {
        const KeyBinding& binding = bindings.at(i);
        const QString number = u" "_s + QString::number(i + 1);
        const int line = static_cast<int>(i) + 1;
        BindingRow row;
        row.key =
            field(u"Key token"_s + number, u"The key token that fires this binding, such as CTRL R."_s, m_bindingBox);
        row.key->setText(binding.key);
        row.device =
            picker(u"Device"_s + number, u"R: rotor, S: antenna switch, K: stack output, T: tuner."_s, m_bindingBox);
        SheetParts::setChoices(row.device, m_devices, binding.rotor);
        row.action = picker(u"Action"_s + number, u"What the binding does with its device."_s, m_bindingBox);
        SheetParts::setChoices(row.action, actions, binding.action);
        row.heading = new QDoubleSpinBox(m_bindingBox);
        row.heading->setRange(0.0, 360.0);
        row.heading->setDecimals(1);
        row.heading->setSuffix(u"°"_s);
        row.heading->setValue(binding.heading);
        row.heading->setAccessibleName(u"Heading"_s + number);
        row.heading->setToolTip(u"The heading a Rotate binding turns its rotor to."_s);
        row.position =
            picker(u"Position"_s + number, u"The switch or tuner position to select; Next and Previous step instead."_s,
                   m_bindingBox);
        row.position->setEditable(true);
        showPositions(row, binding.rotor, binding.position);
        QPushButton* remove = SheetParts::button(u"Remove"_s, u"Remove this key binding."_s, m_bindingBox);
        remove->setAccessibleName(u"Remove binding"_s + number);

        grid->addWidget(row.key, line, 0);
        grid->addWidget(row.device, line, 1);
        grid->addWidget(row.action, line, 2);
        grid->addWidget(row.heading, line, 3);
        grid->addWidget(row.position, line, 4);
        grid->addWidget(remove, line, 5);

        const QUuid id = binding.id;
        connect(row.key, &QLineEdit::textEdited, this,
                [this, id](const QString& text) { editBinding(id, [&](KeyBinding& b) { b.key = text; }); });
        connect(row.device, &QComboBox::currentIndexChanged, this, [this, id, row] {
            const QString device = SheetParts::value(row.device);
            editBinding(id, [&](KeyBinding& b) { b.rotor = device; });
            showPositions(row, device, row.position->currentText());
        });
        connect(row.action, &QComboBox::currentIndexChanged, this, [this, id, row] {
            const QString action = SheetParts::value(row.action);
            editBinding(id, [&](KeyBinding& b) { b.action = action; });
        });
        connect(row.heading, &QDoubleSpinBox::valueChanged, this,
                [this, id](double value) { editBinding(id, [&](KeyBinding& b) { b.heading = value; }); });
        connect(row.position, &QComboBox::editTextChanged, this,
                [this, id](const QString& text) { editBinding(id, [&](KeyBinding& b) { b.position = text; }); });
        connect(remove, &QPushButton::clicked, this, [this, id] { removeBinding(id); });
        m_bindingRows.append(row);
    }
    m_filling = false;
    // Below the start buttons, above "Add key binding".
    m_bindingSection->insertWidget(m_bindingSection->count() - 1, m_bindingBox);
}

void IntegrationSettingsView::showPositions(const BindingRow& row, const QString& device, const QString& position)
{
    const QSignalBlocker quiet(row.position);
    row.position->clear();
    row.position->addItems(positionsOf(device));
    row.position->setEditText(position);
}

// ---- Status ----

void IntegrationSettingsView::refreshLogger()
{
    const LoggerTransport& transport = m_integrations.transport();
    setStatus(m_stopLogger, m_loggerStatus, transport.message(), transport.running(),
              u"The logger input is not running."_s);
}

void IntegrationSettingsView::refreshKeyboard()
{
    const LoggerTransport& transport = m_integrations.keyboardTransport();
    setStatus(m_stopKeyboard, m_keyboardStatus, transport.message(), transport.running(),
              u"The keyboard input is not running."_s);
}

void IntegrationSettingsView::refreshEncoder()
{
    const PhidgetEncoder& encoder = m_integrations.encoder();
    setStatus(m_stopEncoder, m_encoderStatus, encoder.message(), encoder.running(), u"The encoder is not running."_s);

    const bool canSend = m_integrations.enabled() && m_client.connected();
    m_apply->setEnabled(canSend);
    m_apply->setToolTip(canSend ? u"Send the previewed heading or selection now."_s
                        : m_client.connected()
                            ? u"Turn on “Enable logger commands and automatic band selection” to send."_s
                            : u"Connect to the server to send."_s);

    const QString& target = m_integrations.settings().encoderTarget;
    QString preview;
    if (encoder.running() && !m_previewApplied) {
        if (target.startsWith(u"R:"_s)) {
            preview = fixedText(m_integrations.encoderHeading(), 1) + u"°"_s;
        } else if (!target.startsWith(u"K:"_s)) {
            preview = m_integrations.encoderSelection();
        }
    }
    m_encoderPreview->setText(preview.isEmpty() ? QString() : u"Preview: "_s + preview);
    m_encoderPreview->setVisible(!preview.isEmpty());
}

void IntegrationSettingsView::refreshRotctld()
{
    const RotctldServer& server = m_integrations.rotctldServer();
    QString status = server.message();
    if (server.running()) {
        const int count = server.clientCount();
        status += u" · "_s + (count == 0   ? u"no clients"_s
                              : count == 1 ? u"1 client"_s
                                           : QString::number(count) + u" clients"_s);
    }
    setStatus(m_stopRotctld, m_rotctldStatus, status, server.running(), u"The rotctld server is not running."_s);
}

void IntegrationSettingsView::refreshEvents()
{
    if (!m_pendingEvents.isEmpty()) {
        m_events->appendPlainText(m_pendingEvents.join(u'\n'));
        m_pendingEvents.clear();
        m_events->verticalScrollBar()->setValue(m_events->verticalScrollBar()->maximum());
    }
    const bool none = m_integrations.eventLines().isEmpty();
    m_noEvents->setVisible(none);
    m_events->setVisible(!none);
}

// ---- Choices ----

QList<SheetParts::Choice> IntegrationSettingsView::deviceChoices() const
{
    const StationState& station = m_client.station();
    QList<SheetParts::Choice> choices;
    const auto add = [&](const QString& prefix, const QStringList& names) {
        for (const QString& name : names) {
            choices.append({prefix + name, prefix + name});
        }
    };
    add(u"R:"_s, station.rotors.keys());
    add(u"S:"_s, station.switches.keys());
    add(u"K:"_s, station.stacks.keys());
    add(u"T:"_s, station.tuners.keys());
    return choices;
}

QList<SheetParts::Choice> IntegrationSettingsView::encoderTargets() const
{
    QList<SheetParts::Choice> targets{{u"None"_s, QString()}};
    for (const SheetParts::Choice& device : m_devices) {
        targets.append(device);
        // A rotor can also be turned through its heading presets.
        if (device.value.startsWith(u"R:"_s)) {
            const QString presets = u"P:"_s + device.value.mid(2);
            targets.append({presets, presets});
        }
    }
    return targets;
}

QStringList IntegrationSettingsView::positionsOf(const QString& device) const
{
    const StationState& station = m_client.station();
    const QString name = device.mid(2);
    if (device.startsWith(u"S:"_s)) {
        return station.switches.value(name).positions;
    }
    if (device.startsWith(u"T:"_s)) {
        QStringList names;
        for (const SwitchPosition& position : station.tuners.value(name).positions) {
            names.append(position.name);
        }
        return names;
    }
    return {};
}

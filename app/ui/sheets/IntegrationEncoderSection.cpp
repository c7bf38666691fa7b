#include "app/ui/sheets/IntegrationEncoderSection.h"

#include "app/integrations/StationIntegrations.h"
#include "app/ui/sheets/IntegrationEditor.h"
#include "app/ui/sheets/SheetParts.h"
#include "app/ui/style/PlainText.h"
#include "core/client/KeltoClient.h"
#include "core/integrations/PhidgetEncoder.h"
#include "core/protocol/FixedText.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace {

// The vendor's set-up notes for its USB driver and library on Linux.
const QString encoderSetupUrl = u"https://www.phidgets.com/docs/"_s;

} // namespace

IntegrationEncoderSection::IntegrationEncoderSection(IntegrationEditor& editor, QWidget* parent)
    : QWidget(parent)
    , m_editor(editor)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(buildEncoder());
    refreshEncoder();
    connect(&m_editor.integrations, &StationIntegrations::enabledChanged, this,
            &IntegrationEncoderSection::refreshEncoder);
    PhidgetEncoder& encoder = m_editor.integrations.encoder();
    connect(&encoder, &PhidgetEncoder::messageChanged, this, &IntegrationEncoderSection::refreshEncoder);
    // A new preview, or a start or stop, shows the preview afresh.
    const auto previewMoved = [this] {
        m_previewApplied = false;
        refreshEncoder();
    };
    connect(&encoder, &PhidgetEncoder::runningChanged, this, previewMoved);
    connect(&m_editor.integrations, &StationIntegrations::encoderHeadingChanged, this, previewMoved);
    connect(&m_editor.integrations, &StationIntegrations::encoderSelectionChanged, this, previewMoved);
    connect(&m_editor.integrations, &StationIntegrations::encoderApplied, this, [this] {
        m_previewApplied = true;
        refreshEncoder();
    });
    connect(&m_editor.client, &KeltoClient::connectedChanged, this, &IntegrationEncoderSection::refreshEncoder);
}

IntegrationEncoderSection::~IntegrationEncoderSection() = default;

void IntegrationEncoderSection::showSettings()
{
    const IntegrationSettings& s = m_editor.integrations.settings();
    m_editor.filling = true;
    IntegrationEditor::setText(m_encoderSerial, s.encoderSerial);
    m_encoderChannel->setValue(s.encoderChannel);
    m_buttonChannel->setValue(s.encoderButton);
    m_encoderStep->setValue(s.encoderStep);
    m_editor.filling = false;
}

void IntegrationEncoderSection::showDevices(const QList<SheetParts::Choice>& devices)
{
    m_devices = devices;
    m_editor.filling = true;
    SheetParts::setChoices(m_encoderTarget, encoderTargets(), m_editor.integrations.settings().encoderTarget);
    m_editor.filling = false;
    refreshEncoder();
}

QWidget* IntegrationEncoderSection::buildEncoder()
{
    QVBoxLayout* layout = nullptr;
    QWidget* box = IntegrationEditor::section(this, layout, u"Phidget encoder / eKnob"_s);

    m_encoderSerial =
        IntegrationEditor::field(u"Device serial number"_s, u"The serial number printed on the encoder device."_s, box);
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
    m_encoderTarget = IntegrationEditor::picker(
        u"Target"_s,
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

    const IntegrationEditor::InputControls encoder =
        IntegrationEditor::inputControls(u"encoder"_s, u"start reading the encoder."_s, box);
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
            [this](const QString& text) { m_editor.edit([&](IntegrationSettings& s) { s.encoderSerial = text; }); });
    connect(m_encoderChannel, &QSpinBox::valueChanged, this,
            [this](int value) { m_editor.edit([value](IntegrationSettings& s) { s.encoderChannel = value; }); });
    connect(m_buttonChannel, &QSpinBox::valueChanged, this,
            [this](int value) { m_editor.edit([value](IntegrationSettings& s) { s.encoderButton = value; }); });
    connect(m_encoderStep, &QDoubleSpinBox::valueChanged, this,
            [this](double value) { m_editor.edit([value](IntegrationSettings& s) { s.encoderStep = value; }); });
    connect(m_encoderTarget, &QComboBox::currentIndexChanged, this, [this] {
        m_editor.edit([this](IntegrationSettings& s) { s.encoderTarget = SheetParts::value(m_encoderTarget); });
        refreshEncoder();
    });
    connect(encoder.start, &QPushButton::clicked, this,
            [this] { m_editor.integrations.startEncoder(m_editor.client); });
    connect(m_stopEncoder, &QPushButton::clicked, this, [this] { m_editor.integrations.encoder().stop(); });
    connect(m_apply, &QPushButton::clicked, this, [this] { m_editor.integrations.applyEncoder(m_editor.client); });
    return box;
}

void IntegrationEncoderSection::refreshEncoder()
{
    const PhidgetEncoder& encoder = m_editor.integrations.encoder();
    IntegrationEditor::setStatus(m_stopEncoder, m_encoderStatus, encoder.message(), encoder.running(),
                                 u"The encoder is not running."_s);

    const bool canSend = m_editor.integrations.enabled() && m_editor.client.connected();
    m_apply->setEnabled(canSend);
    m_apply->setToolTip(canSend ? u"Send the previewed heading or selection now."_s
                        : m_editor.client.connected()
                            ? u"Turn on “Enable logger commands and automatic band selection” to send."_s
                            : u"Connect to the server to send."_s);

    const QString& target = m_editor.integrations.settings().encoderTarget;
    QString preview;
    if (encoder.running() && !m_previewApplied) {
        if (target.startsWith(u"R:"_s)) {
            preview = fixedText(m_editor.integrations.encoderHeading(), 1) + u"°"_s;
        } else if (!target.startsWith(u"K:"_s)) {
            preview = m_editor.integrations.encoderSelection();
        }
    }
    m_encoderPreview->setText(preview.isEmpty() ? QString() : u"Preview: "_s + preview);
    m_encoderPreview->setVisible(!preview.isEmpty());
}

QList<SheetParts::Choice> IntegrationEncoderSection::encoderTargets() const
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

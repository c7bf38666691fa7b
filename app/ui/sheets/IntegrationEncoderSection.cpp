#include "app/ui/sheets/IntegrationEncoderSection.h"

#include "app/integrations/StationIntegrations.h"
#include "app/ui/sheets/IntegrationEditor.h"
#include "app/ui/sheets/SheetParts.h"
#include "app/ui/style/DecimalSpinBox.h"
#include "app/ui/style/LocaleText.h"
#include "app/ui/style/PlainText.h"
#include "core/client/KeltoClient.h"
#include "core/integrations/PhidgetEncoder.h"

#include <QComboBox>
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
    QWidget* box = IntegrationEditor::section(this, layout, tr("Phidget encoder / eKnob"));

    m_encoderSerial = IntegrationEditor::field(tr("Device serial number"),
                                               tr("The serial number printed on the encoder device."), box);
    m_encoderChannel = new QSpinBox(box);
    m_encoderChannel->setRange(0, 15);
    //: Prefix of the number in the spin box, followed by the channel number.
    m_encoderChannel->setPrefix(tr("Encoder channel "));
    m_encoderChannel->setAccessibleName(tr("Encoder channel"));
    m_encoderChannel->setToolTip(tr("The device channel of the encoder."));
    m_buttonChannel = new QSpinBox(box);
    m_buttonChannel->setRange(-1, 15);
    //: Prefix of the number in the spin box, followed by the channel number.
    m_buttonChannel->setPrefix(tr("Button channel "));
    m_buttonChannel->setAccessibleName(tr("Button channel"));
    m_buttonChannel->setToolTip(tr("The digital input of the encoder’s button; −1 for none."));
    m_encoderStep = new DecimalSpinBox(box);
    m_encoderStep->setRange(-360.0, 360.0);
    m_encoderStep->setDecimals(2);
    m_encoderStep->setAccessibleName(tr("Degrees/count"));
    m_encoderStep->setToolTip(tr("Degrees per encoder count when turning a rotor; negative reverses the direction."));
    // The R:, P:, S:, K: and T: prefixes are the device keys the record stores, not translated.
    m_encoderTarget = IntegrationEditor::picker(
        tr("Target"),
        tr("What the encoder turns (R: rotor) or chooses among (P: a rotor’s presets, S: switch positions, K: stack "
           "output, T: tuner positions)."),
        box);
    auto* channels = new QHBoxLayout;
    channels->addWidget(m_encoderChannel);
    channels->addWidget(m_buttonChannel);
    channels->addStretch(1);
    auto* form = new QFormLayout;
    form->addRow(tr("Device serial number"), m_encoderSerial);
    form->addRow(tr("Channels"), channels);
    form->addRow(tr("Degrees/count"), m_encoderStep);
    form->addRow(tr("Target"), m_encoderTarget);

    const IntegrationEditor::InputControls encoder =
        IntegrationEditor::inputControls(tr("Start encoder"), tr("Stop encoder"), tr("Encoder status"),
                                         tr("Store these settings and start reading the encoder."), box);
    m_stopEncoder = encoder.stop;
    m_encoderStatus = encoder.status;
    m_apply = SheetParts::button(tr("Apply"), QString(), box);
    encoder.row->insertWidget(2, m_apply);
    m_encoderPreview = PlainText::label({}, box);
    m_encoderPreview->setAccessibleName(tr("Encoder preview"));
    QFont bold = m_encoderPreview->font();
    bold.setBold(true);
    m_encoderPreview->setFont(bold);

    const QString linkText = tr("Phidget USB driver and setup");
    auto* link = new QLabel(u"<a href=\"%1\">%2</a>"_s.arg(encoderSetupUrl, linkText.toHtmlEscaped()), box);
    PlainText::markOwnRichText(link);
    link->setOpenExternalLinks(true);
    link->setTextInteractionFlags(Qt::TextBrowserInteraction);
    link->setAccessibleName(linkText);
    link->setToolTip(encoderSetupUrl);

    layout->addLayout(form);
    layout->addLayout(encoder.row);
    layout->addWidget(m_encoderPreview);
    layout->addWidget(SheetParts::note(tr("Turning previews a heading or selection. Press the encoder button or Apply "
                                          "to send it. A button channel of −1 disables button input; use a negative "
                                          "step to reverse direction. Enable controls still applies."),
                                       box));
    layout->addWidget(link);

    connect(m_encoderSerial, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_editor.edit([&](IntegrationSettings& s) { s.encoderSerial = text; }); });
    connect(m_encoderChannel, &QSpinBox::valueChanged, this,
            [this](int value) { m_editor.edit([value](IntegrationSettings& s) { s.encoderChannel = value; }); });
    connect(m_buttonChannel, &QSpinBox::valueChanged, this,
            [this](int value) { m_editor.edit([value](IntegrationSettings& s) { s.encoderButton = value; }); });
    connect(m_encoderStep, &DecimalSpinBox::valueChanged, this,
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
                                 tr("The encoder is not running."));

    const bool canSend = m_editor.integrations.enabled() && m_editor.client.connected();
    m_apply->setEnabled(canSend);
    m_apply->setToolTip(canSend ? tr("Send the previewed heading or selection now.")
                        : m_editor.client.connected()
                            ? tr("Turn on “Enable logger commands and automatic band selection” to send.")
                            : tr("Connect to the server to send."));

    const QString& target = m_editor.integrations.settings().encoderTarget;
    QString preview;
    if (encoder.running() && !m_previewApplied) {
        if (target.startsWith(u"R:"_s)) {
            preview = LocaleText::degrees(m_editor.integrations.encoderHeading(), 1);
        } else if (!target.startsWith(u"K:"_s)) {
            preview = m_editor.integrations.encoderSelection();
        }
    }
    m_encoderPreview->setText(preview.isEmpty() ? QString() : tr("Preview: %1").arg(preview));
    m_encoderPreview->setVisible(!preview.isEmpty());
}

QList<SheetParts::Choice> IntegrationEncoderSection::encoderTargets() const
{
    QList<SheetParts::Choice> targets{{tr("None"), QString()}};
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

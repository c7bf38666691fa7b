#include "app/ui/sheets/IntegrationSettingsView.h"

#include "app/integrations/StationIntegrations.h"
#include "app/ui/sheets/IntegrationDevicesSection.h"
#include "app/ui/sheets/IntegrationEncoderSection.h"
#include "app/ui/sheets/IntegrationEventsSection.h"
#include "app/ui/sheets/IntegrationKeysSection.h"
#include "app/ui/sheets/IntegrationLoggerSection.h"
#include "app/ui/sheets/IntegrationRotctldSection.h"
#include "app/ui/sheets/IntegrationWsjtxSection.h"
#include "core/client/KeltoClient.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

IntegrationSettingsView::IntegrationSettingsView(StationIntegrations& integrations, KeltoClient& client,
                                                 QWidget* parent)
    : QDialog(parent)
    , m_editor(integrations, client)
    , m_logger(new IntegrationLoggerSection(m_editor))
    , m_radios(new IntegrationDevicesSection(m_editor))
    , m_events(new IntegrationEventsSection(m_editor))
    , m_keys(new IntegrationKeysSection(m_editor))
    , m_encoder(new IntegrationEncoderSection(m_editor))
    , m_rotctld(new IntegrationRotctldSection(m_editor))
    , m_wsjtx(new IntegrationWsjtxSection(m_editor))
{
    setWindowTitle(tr("Integrations"));
    setWindowModality(Qt::WindowModal);
    // Fits inside the default 960 × 870 window; everything scrolls inside.
    resize(760, 800);

    auto* content = new QWidget;
    auto* sections = new QVBoxLayout(content);
    for (QWidget* section :
         std::initializer_list<QWidget*>{m_logger, m_radios, m_events, m_keys, m_encoder, m_rotctld, m_wsjtx}) {
        sections->addWidget(section);
    }
    sections->addStretch(1);
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(content);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);

    QPushButton* close = SheetParts::button(tr("Close"), tr("Store these settings for this server and close."), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scroll, 1);
    layout->addLayout(buttons);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    m_devices = deviceChoices();
    showSettings();

    connect(&integrations, &StationIntegrations::settingsChanged, this, [this] {
        if (!m_editor.editing) {
            showSettings();
        }
    });
    connect(&client, &KeltoClient::stationChanged, this, &IntegrationSettingsView::stationChanged);
}

IntegrationSettingsView::~IntegrationSettingsView() = default;

void IntegrationSettingsView::done(int result)
{
    m_editor.integrations.save();
    QDialog::done(result);
}

void IntegrationSettingsView::showSettings()
{
    m_logger->showSettings();
    m_keys->showSettings();
    m_encoder->showSettings();
    m_rotctld->showSettings();
    m_wsjtx->showSettings();
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
    QList<SheetParts::Choice> rotors{{tr("None"), QString()}};
    for (const QString& name : m_editor.client.station().rotors.keys()) {
        rotors.append({name, name});
    }
    m_logger->showRotors(rotors);
    m_rotctld->showRotors(rotors);
    m_wsjtx->showRotors(rotors);
    m_encoder->showDevices(m_devices);
    m_radios->showDevices();
    m_keys->showDevices(m_devices);
}

QList<SheetParts::Choice> IntegrationSettingsView::deviceChoices() const
{
    const StationState& station = m_editor.client.station();
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

#include "app/ui/station/StationView.h"

#include "app/integrations/StationIntegrations.h"
#include "app/map/Maidenhead.h"
#include "app/map/NominatimPlaceSearch.h"
#include "app/map/PointAtTargets.h"
#include "app/profiles/HeadingPreset.h"
#include "app/profiles/ProfileManager.h"
#include "app/profiles/ServerProfiles.h"
#include "app/profiles/SettingsKeys.h"
#include "app/profiles/SettingsNotifications.h"
#include "app/profiles/StationPresentation.h"
#include "app/profiles/UuidText.h"
#include "app/ui/map/WorldMapWindow.h"
#include "app/ui/profiles/Alert.h"
#include "app/ui/profiles/ProfileManagerDialog.h"
#include "app/ui/rotor/RotorCard.h"
#include "app/ui/routing/StackCard.h"
#include "app/ui/routing/SwitchCard.h"
#include "app/ui/routing/TunerCard.h"
#include "app/ui/sheets/IntegrationSettingsView.h"
#include "app/ui/sheets/LayoutEditorDialog.h"
#include "app/ui/shell/ServerLoginView.h"
#include "app/ui/station/StatusDot.h"
#include "app/ui/style/FlowLayout.h"
#include "app/ui/style/Icons.h"
#include "app/ui/style/PlainText.h"
#include "app/ui/style/StationColors.h"
#include "core/client/KeltoClient.h"
#include "core/client/SettingsStore.h"
#include "core/integrations/PhidgetEncoder.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <QSet>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {

// Card keys, never shown.
const QString rotorPrefix = u"Rotor: "_s;
const QString switchPrefix = u"Switch: "_s;
const QString tunerPrefix = u"Tuner: "_s;
const QString stackPrefix = u"Stack: "_s;

QLabel* sectionTitle(const QString& text)
{
    auto* label = PlainText::label(text);
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() * 1.25);
    font.setBold(true);
    label->setFont(font);
    return label;
}

QLabel* secondaryLabel(const QString& text = {})
{
    auto* label = PlainText::label(text);
    label->setForegroundRole(QPalette::PlaceholderText);
    return label;
}

// A coloured text that still greys out when its control is disabled.
void setTextColor(QWidget* widget, const QColor& color)
{
    QPalette palette = widget->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::WindowText, color);
        palette.setColor(group, QPalette::ButtonText, color);
    }
    widget->setPalette(palette);
}

// Keeps a tooltip that says why a control is off, and the help text while it is on.
void setEnabledWithReason(QWidget* widget, bool enabled, const QString& help, const QString& reason)
{
    widget->setEnabled(enabled);
    widget->setToolTip(enabled ? help : reason);
}

} // namespace

QKeySequence StationView::stopAllShortcut()
{
    return QKeySequence(Qt::Key_F12);
}

StationView::StationView(KeltoClient& client, ServerProfiles& profiles, SettingsStore& defaults,
                         SessionCallbacks callbacks, QWidget* parent)
    : QWidget(parent)
    , m_client(client)
    , m_profiles(profiles)
    , m_defaults(defaults)
    , m_callbacks(std::move(callbacks))
    , m_integrations(new StationIntegrations(defaults, KeltoClient::systemClock(), this))
    , m_presentation(new StationPresentation(defaults, this))
    , m_refreshTimer(new QTimer(this))
    , m_places(new NominatimPlaceSearch(defaults, this))
    , m_pointAtTargets(new PointAtTargets(this))
{
    m_integrations->setPointAtTargets(m_pointAtTargets);
    m_refreshTimer->setSingleShot(true);
    m_refreshTimer->setInterval(refreshDelayMs);
    connect(m_refreshTimer, &QTimer::timeout, this, &StationView::refresh);

    // The header first: Tab follows the order widgets are made in, and it reads top down.
    QWidget* header = buildHeader();
    auto* content = new QWidget;
    auto* contentLayout = new QVBoxLayout(content);
    contentLayout->setContentsMargins(18, 8, 18, 18);
    contentLayout->setSpacing(14);
    contentLayout->addWidget(buildRotorSection());
    contentLayout->addWidget(buildRoutingSection());
    contentLayout->addStretch(1);

    auto* scroll = new QScrollArea;
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(content);
    // Its cards and controls take the focus; the area itself is only a frame to scroll.
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->setAccessibleName(tr("Rotors and antenna routing"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(header);
    layout->addWidget(scroll, 1);

    bindClient();
    bindIntegrations();
    connect(&m_profiles, &ServerProfiles::itemsChanged, this, [this] {
        reconcileSelection();
        rebuildServerMenu();
    });

    restoreSelection();
    rebuildServerMenu();
    endpointChanged();
    authenticationChanged();
    refresh();
}

StationView::~StationView() = default;

QWidget* StationView::buildHeader()
{
    auto* header = new QWidget;
    header->setBackgroundRole(QPalette::Base);
    auto* layout = new QVBoxLayout(header);
    layout->setContentsMargins(18, 14, 18, 10);
    layout->setSpacing(6);

    auto* titleRow = new QHBoxLayout;
    titleRow->setSpacing(10);
    auto* icon = PlainText::label();
    icon->setPixmap(Icons::application().pixmap(32, 32));
    // The program's name stays as it is in every language.
    icon->setAccessibleName(u"Xalto Station Control"_s);
    auto* title = sectionTitle(u"Xalto Station Control"_s);
    QFont titleFont = title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.15);
    title->setFont(titleFont);
    const QString version = QCoreApplication::applicationVersion();
    auto* versionLabel = secondaryLabel(version.isEmpty() ? tr("Development") : version);
    titleRow->addWidget(icon);
    titleRow->addWidget(title);
    titleRow->addWidget(versionLabel, 0, Qt::AlignBaseline);
    titleRow->addStretch(1);

    m_serverButton = new QToolButton;
    m_serverButton->setPopupMode(QToolButton::InstantPopup);
    m_serverButton->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_serverButton->setIcon(Icons::icon(u"server"_s));
    m_serverMenu = new QMenu(m_serverButton);
    m_serverMenu->setTitle(tr("Servers"));
    m_serverMenu->setAccessibleName(tr("Servers"));
    m_serverButton->setMenu(m_serverMenu);
    m_serverButton->setToolTip(tr("Choose the saved server this tab shows."));

    m_connectButton = new QPushButton(tr("Connect"));
    m_connectButton->setDefault(false);
    m_connectButton->setMinimumWidth(m_connectButton->fontMetrics().horizontalAdvance(tr("Disconnect")) + 32);
    connect(m_connectButton, &QPushButton::clicked, this, &StationView::connectOrDisconnect);

    auto* integrationsButton = new QPushButton(Icons::icon(u"link"_s), tr("Integrations"));
    integrationsButton->setAccessibleName(tr("Integrations"));
    integrationsButton->setToolTip(tr("Loggers, keys and the rotary encoder for this server."));
    connect(integrationsButton, &QPushButton::clicked, this, &StationView::openIntegrations);

    auto* layoutButton = new QPushButton(Icons::icon(u"sliders"_s), tr("Layout"));
    layoutButton->setAccessibleName(tr("Layout"));
    layoutButton->setToolTip(tr("Which cards show, in what order, on which bands."));
    connect(layoutButton, &QPushButton::clicked, this, &StationView::openLayout);

    auto* logButton = new QPushButton(Icons::icon(u"log"_s), tr("Log"));
    logButton->setAccessibleName(tr("Log"));
    logButton->setToolTip(tr("Open the connection and command log of every tab."));
    connect(logButton, &QPushButton::clicked, this, &StationView::logRequested);

    auto* worldButton = new QPushButton(Icons::icon(u"globe"_s), tr("World map"));
    worldButton->setAccessibleName(tr("World map"));
    worldButton->setToolTip(tr("The world round this tab's towers, with every located rotor's beam."));
    connect(worldButton, &QPushButton::clicked, this, &StationView::openWorldMap);

    m_additionalButton = new QPushButton(Icons::icon(u"plus"_s), tr("Additional Server"));
    m_additionalButton->setAccessibleName(tr("Additional Server"));
    connect(m_additionalButton, &QPushButton::clicked, this, [this] {
        if (m_callbacks.newSession) {
            m_callbacks.newSession();
        }
    });

    auto* controlsRow = new QHBoxLayout;
    controlsRow->setSpacing(8);
    controlsRow->addWidget(m_serverButton);
    controlsRow->addWidget(m_connectButton);
    controlsRow->addStretch(1);
    controlsRow->addWidget(integrationsButton);
    controlsRow->addWidget(layoutButton);
    controlsRow->addWidget(logButton);
    controlsRow->addWidget(worldButton);
    controlsRow->addWidget(m_additionalButton);

    auto* note =
        secondaryLabel(tr("Controls reset on disconnect. Turn commands are never replayed. Closing the app does "
                          "not stop a moving antenna."));
    note->setWordWrap(true);

    auto* statusRow = new QHBoxLayout;
    statusRow->setSpacing(8);
    m_statusDot = new StatusDot;
    m_message = PlainText::label();
    m_message->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_message->setWordWrap(true);
    m_notice = PlainText::label();
    m_notice->setWordWrap(true);
    m_notice->hide();
    statusRow->addWidget(m_statusDot, 0, Qt::AlignVCenter);
    statusRow->addWidget(m_message, 1);
    statusRow->addWidget(m_notice, 1);

    // In the fixed header, so scrolling to the antennas never hides them.
    m_enableControl = new QCheckBox(tr("Enable control"));
    m_enableControl->setAccessibleName(tr("Enable control"));
    connect(m_enableControl, &QCheckBox::toggled, this, [this](bool on) { m_client.setControlsEnabled(on); });
    m_stopAll = new QPushButton(Icons::icon(u"stop"_s), tr("STOP ALL"));
    m_stopAll->setAccessibleName(tr("STOP ALL"));
    m_stopAll->setAutoDefault(false);
    QFont bold = m_stopAll->font();
    bold.setBold(true);
    m_stopAll->setFont(bold);
    // A key no text field takes, so it works wherever the focus is in the window.
    m_stopAll->setShortcut(stopAllShortcut());
    connect(m_stopAll, &QPushButton::clicked, this, [this] { m_client.stopAll(); });
    statusRow->addWidget(m_enableControl, 0, Qt::AlignVCenter);
    statusRow->addWidget(m_stopAll, 0, Qt::AlignVCenter);

    layout->addLayout(titleRow);
    layout->addWidget(note);
    layout->addLayout(controlsRow);
    layout->addLayout(statusRow);

    auto* line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    auto* wrapper = new QWidget;
    auto* wrapperLayout = new QVBoxLayout(wrapper);
    wrapperLayout->setContentsMargins(0, 0, 0, 0);
    wrapperLayout->setSpacing(0);
    wrapperLayout->addWidget(header);
    wrapperLayout->addWidget(line);
    return wrapper;
}

QWidget* StationView::buildRotorSection()
{
    auto* section = new QWidget;
    auto* layout = new QVBoxLayout(section);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);

    auto* top = new QHBoxLayout;
    top->setSpacing(10);
    m_rotorCount = secondaryLabel();
    m_rotorCaption = secondaryLabel();
    top->addWidget(sectionTitle(tr("Rotors")));
    top->addWidget(m_rotorCount, 0, Qt::AlignBaseline);
    top->addWidget(m_rotorCaption, 1, Qt::AlignBaseline);

    m_rotorEmpty = secondaryLabel();
    m_rotorEmpty->setAlignment(Qt::AlignCenter);
    m_rotorEmpty->setMinimumHeight(60);
    auto* cards = new QWidget;
    m_rotorCards = new FlowLayout(cards);

    layout->addLayout(top);
    layout->addWidget(m_rotorEmpty);
    layout->addWidget(cards);
    return section;
}

QWidget* StationView::buildRoutingSection()
{
    auto* section = new QWidget;
    m_routingSection = section;
    auto* layout = new QVBoxLayout(section);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);

    auto* top = new QHBoxLayout;
    m_enableAntennas = new QCheckBox(tr("Enable antenna controls"));
    m_enableAntennas->setAccessibleName(tr("Enable antenna controls"));
    connect(m_enableAntennas, &QCheckBox::toggled, this, [this](bool on) { m_client.setSwitchControlsEnabled(on); });
    top->addWidget(sectionTitle(tr("Antenna routing")));
    top->addStretch(1);
    top->addWidget(m_enableAntennas);

    m_routingEmpty = secondaryLabel();
    m_routingEmpty->setAlignment(Qt::AlignCenter);
    m_routingEmpty->setMinimumHeight(40);
    auto* cards = new QWidget;
    m_routingCards = new FlowLayout(cards);

    layout->addLayout(top);
    layout->addWidget(m_routingEmpty);
    layout->addWidget(cards);
    return section;
}

void StationView::bindClient()
{
    // Everything the view shows is refreshed together, once per frame at most.
    for (auto signal : {&KeltoClient::stationChanged, &KeltoClient::nowChanged, &KeltoClient::connectedChanged,
                        &KeltoClient::connectingChanged, &KeltoClient::messageChanged,
                        &KeltoClient::controlsEnabledChanged, &KeltoClient::switchControlsEnabledChanged,
                        &KeltoClient::rotorLockRequestsChanged, &KeltoClient::receivedServerPresetsChanged,
                        &KeltoClient::connectionKindChanged, &KeltoClient::credentialNoticeChanged}) {
        connect(&m_client, signal, this, &StationView::scheduleRefresh);
    }
    connect(&m_client, &KeltoClient::endpointChanged, this, &StationView::endpointChanged);
    connect(&m_client, &KeltoClient::authenticationRequestChanged, this, &StationView::authenticationChanged);
    connect(&m_client, &KeltoClient::connectedChanged, this, [this] {
        if (!m_client.connected()) {
            m_integrations->reset();
        }
    });
}

void StationView::bindIntegrations()
{
    // A preview shows until the encoder's own button (or "Apply") sends it, or the encoder stops.
    auto previewMoved = [this] {
        m_encoderApplied = false;
        showEncoderPreview();
    };
    connect(m_integrations, &StationIntegrations::encoderHeadingChanged, this, previewMoved);
    connect(m_integrations, &StationIntegrations::encoderSelectionChanged, this, previewMoved);
    connect(&m_integrations->encoder(), &PhidgetEncoder::runningChanged, this, previewMoved);
    connect(m_integrations, &StationIntegrations::encoderApplied, this, [this] {
        m_encoderApplied = true;
        showEncoderPreview();
    });
    connect(m_integrations, &StationIntegrations::settingsChanged, this, &StationView::showEncoderPreview);

    connect(m_integrations, &StationIntegrations::frequenciesChanged, this, &StationView::scheduleRefresh);
    connect(m_presentation, &StationPresentation::settingsChanged, this, &StationView::scheduleRefresh);

    SettingsNotifications& notifications = SettingsNotifications::instance();
    connect(
        &notifications, &SettingsNotifications::settingsWillImport, this,
        [this] {
            m_client.disconnectFromStation();
            m_integrations->stopInputs();
        },
        Qt::DirectConnection);
    connect(
        &notifications, &SettingsNotifications::settingsDidImport, this,
        [this] {
            const QString endpoint = m_client.endpoint();
            m_integrations->load(QString());
            m_integrations->load(endpoint);
            m_integrations->serveRotctld(m_client);
            m_presentation->load(QString());
            m_presentation->load(endpoint);
            for (CardFrame* card : std::as_const(m_cards)) {
                if (auto* rotor = qobject_cast<RotorCard*>(card)) {
                    rotor->reloadPresets();
                }
            }
            refreshLocations();
            if (m_callbacks.restoreSelection) {
                reconcileSelection();
            }
            scheduleRefresh();
        },
        Qt::DirectConnection);
}

void StationView::restoreSelection()
{
    if (m_selectedID.isEmpty()) {
        if (!m_callbacks.initialProfileID.isEmpty()) {
            m_selectedID = m_callbacks.initialProfileID;
        } else if (m_callbacks.restoreSelection) {
            m_selectedID = m_defaults.text(SettingsKeys::selectedServerProfileID).value_or(QString());
            m_host = m_defaults.text(SettingsKeys::serverHost).value_or(QString());
            m_port = m_defaults.text(SettingsKeys::serverPort).value_or(QString());
        }
    }
    if (!m_selectedID.isEmpty() || m_profiles.items().isEmpty()) {
        reconcileSelection();
        return;
    }
    const QString key = m_host.toLower() + u':' + m_port;
    for (const ServerProfile& profile : m_profiles.items()) {
        if (profile.endpoint() == key) {
            selectProfile(profile);
            return;
        }
    }
    reconcileSelection();
}

std::optional<ServerProfile> StationView::selectedProfile() const
{
    if (m_selectedID.isEmpty()) {
        return std::nullopt;
    }
    for (const ServerProfile& profile : m_profiles.items()) {
        if (UuidText::text(profile.id) == m_selectedID) {
            return profile;
        }
    }
    return std::nullopt;
}

void StationView::selectProfile(const ServerProfile& profile)
{
    const QString id = UuidText::text(profile.id);
    if (m_selectedID != id) {
        clearStation();
    }
    applySelection(profile);
    if (m_callbacks.restoreSelection) {
        m_defaults.setText(SettingsKeys::selectedServerProfileID, id);
    }
    rebuildServerMenu();
}

void StationView::applySelection(const ServerProfile& profile)
{
    m_selectedID = UuidText::text(profile.id);
    m_host = profile.host;
    m_port = profile.port;
    m_client.loadOfflineStation(profile.endpoint(), profile.kind());
    if (m_callbacks.selectedProfileChanged) {
        m_callbacks.selectedProfileChanged(m_selectedID);
    }
    if (m_callbacks.selectedName) {
        m_callbacks.selectedName(profile.name);
    }
    refreshLocations();
    scheduleRefresh();
}

void StationView::clearStation()
{
    // A tab that never showed a station has nothing to clear, and its log stays quiet.
    if (m_client.connected() || m_client.connecting() || !m_client.endpoint().isEmpty() ||
        !m_client.station().isEmpty()) {
        m_client.clearStation();
    }
}

void StationView::reconcileSelection()
{
    if (const std::optional<ServerProfile> profile = selectedProfile()) {
        const bool active = m_client.connected() || m_client.connecting();
        if (active &&
            (profile->host != m_host || profile->port != m_port || profile->kind() != m_client.connectionKind())) {
            m_client.clearStation();
        }
        applySelection(*profile);
        return;
    }
    m_selectedID.clear();
    m_host.clear();
    m_port.clear();
    if (m_callbacks.selectedProfileChanged) {
        m_callbacks.selectedProfileChanged(QString());
    }
    clearStation();
    if (m_callbacks.restoreSelection) {
        m_defaults.setText(SettingsKeys::selectedServerProfileID, QString());
        m_defaults.setText(SettingsKeys::serverHost, QString());
        m_defaults.setText(SettingsKeys::serverPort, QString());
    }
    refreshLocations();
    scheduleRefresh();
}

void StationView::rebuildServerMenu()
{
    m_serverMenu->clear();
    const QList<ServerProfile>& profiles = m_profiles.items();
    for (const ServerProfile& profile : profiles) {
        QAction* action = m_serverMenu->addAction(PlainText::mnemonicSafe(profile.name));
        action->setCheckable(true);
        action->setChecked(UuidText::text(profile.id) == m_selectedID);
        action->setToolTip(profile.endpoint());
        connect(action, &QAction::triggered, this, [this, id = profile.id] {
            if (const std::optional<ServerProfile> chosen = m_profiles.profile(id)) {
                selectProfile(*chosen);
            }
        });
    }
    if (!profiles.isEmpty()) {
        m_serverMenu->addSeparator();
    }
    m_serverMenu->addAction(tr("Manage servers…"), this, &StationView::manageServers);
    QString label;
    if (profiles.isEmpty()) {
        label = tr("Configure Server");
    } else {
        const std::optional<ServerProfile> selected = selectedProfile();
        label = tr("SERVER: %1").arg(selected ? selected->name : tr("Select server"));
    }
    m_serverButton->setText(PlainText::mnemonicSafe(label));
    m_serverButton->setAccessibleName(label);
}

void StationView::connectOrDisconnect()
{
    if (m_client.connected() || m_client.connecting()) {
        m_client.disconnectFromStation();
        return;
    }
    const std::optional<ServerProfile> profile = selectedProfile();
    if (!profile && m_host.isEmpty()) {
        offerProfileEditor();
        return;
    }
    if (m_callbacks.connectServer) {
        // Without a profile the one rotor is named after the controller model, in every language.
        m_callbacks.connectServer(m_host, m_port, profile ? profile->kind() : ConnectionKind::ovVarnex,
                                  profile ? profile->name : u"KT-90"_s);
    }
}

void StationView::setForeground(bool foreground)
{
    m_integrations->setForeground(foreground);
}

void StationView::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (m_stale) {
        refresh();
    }
}

void StationView::changeEvent(QEvent* event)
{
    // Colours chosen for the old palette (the red stop, the orange notice) are chosen again.
    if (event->type() == QEvent::PaletteChange) {
        scheduleRefresh();
    }
    QWidget::changeEvent(event);
}

void StationView::scheduleRefresh()
{
    m_stale = true;
    if (!m_refreshTimer->isActive()) {
        m_refreshTimer->start();
    }
}

void StationView::refresh()
{
    m_refreshTimer->stop();
    // A hidden tab keeps its state and catches up when it is shown.
    if (!isVisible() && testAttribute(Qt::WA_WState_Created)) {
        m_stale = true;
        return;
    }
    m_stale = false;
    refreshHeader();
    syncCards();
    refreshSections();
    for (CardFrame* card : std::as_const(m_cards)) {
        if (!card->isHidden()) {
            if (auto* rotor = qobject_cast<RotorCard*>(card)) {
                rotor->refresh();
            } else if (auto* device = qobject_cast<SwitchCard*>(card)) {
                device->refresh();
            } else if (auto* stack = qobject_cast<StackCard*>(card)) {
                stack->refresh();
            } else if (auto* tuner = qobject_cast<TunerCard*>(card)) {
                tuner->refresh();
            }
        }
    }
    // After the cards: their refresh may have made controls (presets, positions).
    orderTabs();
}

void StationView::refreshHeader()
{
    const bool connected = m_client.connected();
    const bool connecting = m_client.connecting();
    m_connectButton->setText(connected ? tr("Disconnect") : connecting ? tr("Cancel") : tr("Connect"));
    m_connectButton->setAccessibleName(m_connectButton->text());
    m_connectButton->setToolTip(connected    ? tr("Close the connection to this server.")
                                : connecting ? tr("Stop connecting to this server.")
                                             : tr("Connect to the selected server."));

    const bool canAdd = m_callbacks.canAddSession && m_callbacks.canAddSession();
    setEnabledWithReason(m_additionalButton, canAdd, tr("Connect to another server in a separate tab (up to 10)."),
                         tr("Ten server tabs are open: close one to add another."));

    m_statusDot->setLit(connected);
    m_message->setText(m_client.message());
    const std::optional<QString>& notice = m_client.credentialNotice();
    m_notice->setVisible(notice.has_value());
    if (notice) {
        m_notice->setText(*notice);
        setTextColor(m_notice, StationColors::orange(palette()));
    }

    const QSignalBlocker blockControl(m_enableControl);
    m_enableControl->setChecked(m_client.controlsEnabled());
    m_enableControl->setToolTip(tr("Allow the rotor controls of this tab to send commands."));
    const QSignalBlocker blockAntennas(m_enableAntennas);
    m_enableAntennas->setChecked(m_client.switchControlsEnabled());
    m_enableAntennas->setToolTip(tr("Allow the switch, stack and tuner controls of this tab to send commands."));

    const auto& rotors = m_client.station().rotors;
    const bool canStopAny =
        std::any_of(rotors.cbegin(), rotors.cend(), [this](const Rotor& rotor) { return m_client.canStop(rotor); });
    const QString key = stopAllShortcut().toString(QKeySequence::NativeText);
    setEnabledWithReason(m_stopAll, canStopAny, tr("Stop every rotor of this server. (%1)").arg(key),
                         tr("No rotor can be stopped: connect and switch on Enable control."));
    setTextColor(m_stopAll, StationColors::red(palette()));
}

void StationView::refreshSections()
{
    const StationState& station = m_client.station();
    int visibleRotors = 0;
    for (auto it = m_cards.cbegin(); it != m_cards.cend(); ++it) {
        if (it.key().startsWith(rotorPrefix) && !it.value()->isHidden()) {
            ++visibleRotors;
        }
    }
    //: Rotor cards shown on this tab
    m_rotorCount->setText(tr("%n visible", nullptr, visibleRotors));
    //: Rotors the server reported
    m_rotorCaption->setText(tr("%n discovered · live headings from the server", nullptr, int(station.rotors.size())));

    const bool empty = station.isEmpty();
    QString rotorEmpty;
    if (station.rotors.isEmpty()) {
        rotorEmpty = m_client.connected() ? tr("Waiting for rotors…") : tr("Connect once to load this server’s rotors");
    }
    m_rotorEmpty->setText(rotorEmpty);
    m_rotorEmpty->setVisible(!rotorEmpty.isEmpty());

    const bool noRouting = station.switches.isEmpty() && station.stacks.isEmpty() && station.tuners.isEmpty();
    m_routingEmpty->setText(empty && !m_client.connected() ? tr("Connect once to load this server’s antenna routing")
                                                           : tr("No switches, stack outputs or tuners reported"));
    m_routingEmpty->setVisible(noRouting);
    // A KT-90 or a rotctld drives one rotor and has no antenna routing at all.
    m_routingSection->setVisible(m_client.connectionKind() == ConnectionKind::ovVarnex);
}

void StationView::syncCards()
{
    const StationState& station = m_client.station();
    QStringList keys;
    for (auto it = station.rotors.cbegin(); it != station.rotors.cend(); ++it) {
        keys.append(rotorPrefix + it.key());
    }
    for (auto it = station.switches.cbegin(); it != station.switches.cend(); ++it) {
        keys.append(switchPrefix + it.key());
    }
    for (auto it = station.stacks.cbegin(); it != station.stacks.cend(); ++it) {
        keys.append(stackPrefix + it.key());
    }
    for (auto it = station.tuners.cbegin(); it != station.tuners.cend(); ++it) {
        keys.append(tunerPrefix + it.key());
    }
    std::stable_sort(keys.begin(), keys.end(),
                     [this](const QString& a, const QString& b) { return m_presentation->before(a, b); });

    // Devices the station no longer has lose their cards.
    const QSet<QString> present(keys.cbegin(), keys.cend());
    for (auto it = m_cards.begin(); it != m_cards.end();) {
        if (!present.contains(it.key())) {
            it.value()->hide();
            it.value()->deleteLater();
            it = m_cards.erase(it);
        } else {
            ++it;
        }
    }

    const int width = static_cast<int>(m_presentation->settings().cardWidth);
    const QColor accent = m_presentation->color();
    int rotorIndex = 0;
    int routingIndex = 0;
    // Laid out once at the end, not once for every card shown: with hundreds of cards a layout
    // pass each would cost the square of their number.
    m_rotorCards->setEnabled(false);
    m_routingCards->setEnabled(false);
    int createdCards = 0;
    bool cardsToCome = false;
    for (const QString& key : std::as_const(keys)) {
        CardFrame* card = m_cards.value(key);
        if (!card) {
            // A server may add hundreds of devices in one go: their cards come a few a frame, so
            // the window keeps answering while they are made.
            if (createdCards == cardsPerRefresh) {
                cardsToCome = true;
                continue;
            }
            card = createCard(key);
            m_cards.insert(key, card);
            ++createdCards;
        }
        FlowLayout* flow = key.startsWith(rotorPrefix) ? m_rotorCards : m_routingCards;
        int& index = key.startsWith(rotorPrefix) ? rotorIndex : routingIndex;
        if (flow->indexOf(card) != index) {
            flow->insertWidget(index, card);
        }
        ++index;
        if (card->width() != width || card->minimumWidth() != width) {
            card->setFixedWidth(width);
        }
        card->setAccent(accent);
        card->setVisible(m_presentation->visible(key, m_integrations->frequencies()));
    }
    for (FlowLayout* flow : {m_rotorCards, m_routingCards}) {
        // A disabled layout notes no changes, so it is told that everything may have moved.
        flow->setEnabled(true);
        flow->invalidate();
        flow->activate();
    }
    if (createdCards > 0) {
        showEncoderPreview();
    }
    if (cardsToCome) {
        scheduleRefresh();
    }
}

void StationView::orderTabs()
{
    // Cards are made after the sections: without this, Tab would reach them last of all. Qt
    // orders focusable widgets only, so each card's controls are chained in their own order.
    QHash<const QWidget*, QList<QWidget*>> controls;
    QSet<const QWidget*> cards;
    for (const CardFrame* card : std::as_const(m_cards)) {
        cards.insert(card);
    }
    for (QWidget* widget = nextInFocusChain(); widget && widget != this; widget = widget->nextInFocusChain()) {
        if (!(widget->focusPolicy() & Qt::TabFocus)) {
            continue;
        }
        for (const QWidget* parent = widget->parentWidget(); parent && parent != this;
             parent = parent->parentWidget()) {
            if (cards.contains(parent)) {
                controls[parent].append(widget);
                break;
            }
        }
    }
    QList<QPointer<QWidget>> order{m_stopAll};
    for (FlowLayout* flow : {m_rotorCards, m_routingCards}) {
        if (flow == m_routingCards) {
            order.append(m_enableAntennas);
        }
        for (int i = 0; i < flow->count(); ++i) {
            for (QWidget* control : controls.value(flow->itemAt(i)->widget())) {
                order.append(control);
            }
        }
    }
    // Cards add controls of their own as the station changes (presets, positions): the order is
    // checked on every refresh and made again only when it changed.
    if (order == m_tabOrder) {
        return;
    }
    for (qsizetype i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(order.at(i - 1), order.at(i));
    }
    m_tabOrder = order;
}

CardFrame* StationView::createCard(const QString& key)
{
    if (key.startsWith(rotorPrefix)) {
        auto* card = new RotorCard(m_client, m_defaults, key.mid(rotorPrefix.size()));
        card->setSite(site());
        card->setEndpoint(m_client.endpoint());
        card->setMapServices(m_tiles, m_places);
        card->setPointAtServices(m_countries, m_pointAtTargets);
        return card;
    }
    // Named for assistive tools, which list the cards as groups.
    CardFrame* card = nullptr;
    if (key.startsWith(switchPrefix)) {
        card = new SwitchCard(m_client, key.mid(switchPrefix.size()));
        //: Antenna switch card, named for assistive tools
        card->setAccessibleName(tr("Switch %1").arg(key.mid(switchPrefix.size())));
    } else if (key.startsWith(stackPrefix)) {
        card = new StackCard(m_client, key.mid(stackPrefix.size()));
        //: Antenna stack card, named for assistive tools
        card->setAccessibleName(tr("Stack %1").arg(key.mid(stackPrefix.size())));
    } else {
        card = new TunerCard(m_client, key.mid(tunerPrefix.size()));
        card->setAccessibleName(tr("Tuner %1").arg(key.mid(tunerPrefix.size())));
    }
    return card;
}

void StationView::showEncoderPreview()
{
    const bool showing = m_integrations->encoder().running() && !m_encoderApplied;
    const QString& target = m_integrations->settings().encoderTarget;
    const QString& selection = m_integrations->encoderSelection();
    for (auto it = m_cards.cbegin(); it != m_cards.cend(); ++it) {
        if (auto* rotor = qobject_cast<RotorCard*>(it.value())) {
            std::optional<double> heading;
            if (showing && target == u"R:"_s + rotor->rotorName()) {
                heading = m_integrations->encoderHeading();
            } else if (showing && target == u"P:"_s + rotor->rotorName()) {
                for (const HeadingPreset& preset :
                     HeadingPreset::stored(m_defaults, m_client.endpoint(), rotor->rotorName())) {
                    if (preset.name == selection) {
                        heading = preset.degrees;
                        break;
                    }
                }
            }
            rotor->setEncoderPreview(heading);
        } else if (auto* device = qobject_cast<SwitchCard*>(it.value())) {
            const bool targeted = showing && !selection.isEmpty() && target == u"S:"_s + device->deviceName();
            device->setEncoderPreview(targeted ? std::optional<QString>(selection) : std::nullopt);
        } else if (auto* tuner = qobject_cast<TunerCard*>(it.value())) {
            const bool targeted = showing && !selection.isEmpty() && target == u"T:"_s + tuner->deviceName();
            tuner->setEncoderPreview(targeted ? std::optional<QString>(selection) : std::nullopt);
        }
    }
}

void StationView::manageServers()
{
    if (m_profileSheet) {
        m_profileSheet->raise();
        return;
    }
    // One editing session per opening: the sheet starts from the saved profiles. A live or
    // connecting tab keeps its server when another profile is saved.
    auto* manager = new ProfileManager(m_profiles, *m_places, [this](const ServerProfile& profile) {
        if ((m_client.connected() || m_client.connecting()) && UuidText::text(profile.id) != m_selectedID) {
            rebuildServerMenu();
            return false;
        }
        selectProfile(profile);
        return true;
    });
    // The tab's own server opens for editing.
    if (const std::optional<ServerProfile> current = selectedProfile()) {
        manager->select(*current);
    }
    auto* dialog = new ProfileManagerDialog(*manager, this);
    manager->setParent(dialog);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    // "OK" hides the sheet without a close Qt would delete it on; the next opening needs a new one.
    connect(dialog, &QDialog::finished, dialog, &QObject::deleteLater);
    m_profileSheet = dialog;
    dialog->open();
}

void StationView::offerProfileEditor()
{
    const bool none = m_profiles.items().isEmpty();
    Alert::open(this, QMessageBox::Information, none ? tr("No server yet") : tr("No server chosen"),
                none ? tr("There is no server to connect to yet. Add one in the server editor.")
                     : tr("This tab has no server. Choose one in the server menu, or add one in the server editor."),
                {{tr("Cancel"), QMessageBox::RejectRole, {}},
                 {tr("Add server…"), QMessageBox::AcceptRole, [self = QPointer(this)] {
                      if (self) {
                          self->manageServers();
                      }
                  }}});
}

void StationView::openIntegrations()
{
    if (m_integrationsSheet) {
        m_integrationsSheet->raise();
        return;
    }
    m_integrationsSheet = new IntegrationSettingsView(*m_integrations, m_client, this);
    m_integrationsSheet->setAttribute(Qt::WA_DeleteOnClose);
    m_integrationsSheet->open();
}

void StationView::openLayout()
{
    if (m_layoutSheet) {
        m_layoutSheet->raise();
        return;
    }
    m_layoutSheet = new LayoutEditorDialog(*m_presentation, m_cards.keys(), this);
    m_layoutSheet->setAttribute(Qt::WA_DeleteOnClose);
    m_layoutSheet->open();
}

void StationView::endpointChanged()
{
    const QString endpoint = m_client.endpoint();
    m_integrations->load(endpoint);
    m_integrations->serveRotctld(m_client);
    m_presentation->load(endpoint);
    for (CardFrame* card : std::as_const(m_cards)) {
        if (auto* rotor = qobject_cast<RotorCard*>(card)) {
            rotor->setEndpoint(endpoint);
        }
    }
    refreshLocations();
    scheduleRefresh();
}

RotorCard::Site StationView::site() const
{
    const std::optional<ServerProfile> profile = selectedProfile();
    if (!profile) {
        return {};
    }
    return {profile->address.value_or(QString()), profile->latitude, profile->longitude};
}

void StationView::refreshLocations()
{
    const RotorCard::Site here = site();
    for (CardFrame* card : std::as_const(m_cards)) {
        if (auto* rotor = qobject_cast<RotorCard*>(card)) {
            rotor->setSite(here);
            rotor->reloadLocation();
        }
    }
    if (m_worldMap) {
        m_worldMap->setSite(here);
    }
}

WorldMapWindow* StationView::worldMapWindow() const
{
    return m_worldMap;
}

void StationView::openWorldMap()
{
    if (!m_worldMap) {
        m_worldMap = new WorldMapWindow(m_client, m_defaults, this);
        m_worldMap->setSite(site());
        // A click picks the rotor's "Point at" target as a locator; turning stays the operator's.
        connect(m_worldMap, &WorldMapWindow::pointChosen, this,
                [this](const QString& rotor, double latitude, double longitude) {
                    m_pointAtTargets->setText(rotor, Maidenhead::locator(latitude, longitude, 6));
                });
    }
    m_worldMap->show();
    m_worldMap->raise();
    m_worldMap->activateWindow();
}

void StationView::setTileLoader(TileLoader* tiles)
{
    m_tiles = tiles;
    for (CardFrame* card : std::as_const(m_cards)) {
        if (auto* rotor = qobject_cast<RotorCard*>(card)) {
            rotor->setMapServices(m_tiles, m_places);
        }
    }
}

void StationView::setCountryData(CountryData* countries)
{
    m_countries = countries;
    for (CardFrame* card : std::as_const(m_cards)) {
        if (auto* rotor = qobject_cast<RotorCard*>(card)) {
            rotor->setPointAtServices(m_countries, m_pointAtTargets);
        }
    }
}

void StationView::authenticationChanged()
{
    const std::optional<AuthenticationRequest>& request = m_client.authenticationRequest();
    if (!request) {
        if (m_login) {
            m_login->dismiss();
        }
        return;
    }
    if (m_login && m_login->isVisible()) {
        m_login->setRequest(*request);
        return;
    }
    m_login = new ServerLoginView(m_client, *request, this);
    m_login->setAttribute(Qt::WA_DeleteOnClose);
    m_login->open();
}

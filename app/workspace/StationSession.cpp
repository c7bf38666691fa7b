#include "app/workspace/StationSession.h"

#include "app/profiles/RotorMechanicsEntry.h"
#include "app/profiles/SettingsKeys.h"
#include "app/profiles/SettingsNotifications.h"
#include "core/client/KeltoClient.h"
#include "core/client/RotorWatchdog.h"
#include "core/client/SettingsStore.h"

StationSession::StationSession(const QString& name, CredentialStore* credentialStore, SettingsStore& defaults,
                               const Clock& clock, QObject* parent)
    : QObject(parent)
    , m_id(QUuid::createUuid())
    , m_defaults(defaults)
    , m_client(new KeltoClient(credentialStore, defaults, clock, this))
    , m_watchdog(new RotorWatchdog(*m_client, this))
    , m_name(name)
{
    // The station's rotors arrive after the connect, and a saved sheet or an import changes
    // the stored mechanics: either way the client is handed them again.
    connect(m_client, &KeltoClient::stationChanged, this, [this] {
        if (m_client->endpoint() != m_mechanicsEndpoint || m_client->station().rotors.keys() != m_mechanicsRotors) {
            loadMechanics();
        }
    });
    connect(m_client, &KeltoClient::endpointChanged, this, &StationSession::loadMechanics);
    SettingsNotifications& notifications = SettingsNotifications::instance();
    connect(&notifications, &SettingsNotifications::settingsDidImport, this, &StationSession::loadMechanics);
    connect(&notifications, &SettingsNotifications::rotorMechanicsSaved, this, &StationSession::loadMechanics);
}

StationSession::~StationSession() = default;

void StationSession::loadMechanics()
{
    m_mechanicsEndpoint = m_client->endpoint();
    m_mechanicsRotors = m_client->station().rotors.keys();
    const QString stored = m_defaults.text(SettingsKeys::rotorMechanics).value_or(QString());
    m_client->setRotorMechanics(RotorMechanicsEntry::forRotors(stored, m_mechanicsEndpoint, m_mechanicsRotors));
}

void StationSession::setProfileID(const QString& profileID)
{
    if (m_profileID != profileID) {
        m_profileID = profileID;
        Q_EMIT profileIDChanged();
    }
}

void StationSession::setName(const QString& name)
{
    if (m_name != name) {
        m_name = name;
        Q_EMIT nameChanged();
    }
}

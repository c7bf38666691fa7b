#include "app/workspace/StationSession.h"

#include "core/client/KeltoClient.h"

StationSession::StationSession(const QString& name, CredentialStore* credentialStore, SettingsStore& defaults,
                               const Clock& clock, QObject* parent)
    : QObject(parent)
    , m_id(QUuid::createUuid())
    , m_client(new KeltoClient(credentialStore, defaults, clock, this))
    , m_name(name)
{}

StationSession::~StationSession() = default;

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

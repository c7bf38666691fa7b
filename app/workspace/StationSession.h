#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QUuid>

class Clock;
class CredentialStore;
class KeltoClient;
class RotorWatchdog;
class SettingsStore;

// One server tab: its own client for as long as the tab is open, the profile it shows and its
// title. The id lives only as long as the tab and is never saved. It hands the client the stored
// mechanics of the station's rotors and runs the rotor watchdog over it.
class StationSession final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StationSession)

    Q_PROPERTY(QString name READ name WRITE setName NOTIFY nameChanged)
    Q_PROPERTY(QString profileID READ profileID WRITE setProfileID NOTIFY profileIDChanged)

public:
    // The client is created with `credentialStore` (may be null), `defaults` and `clock`, all of
    // which must outlive the tab.
    StationSession(const QString& name, CredentialStore* credentialStore, SettingsStore& defaults, const Clock& clock,
                   QObject* parent = nullptr);
    ~StationSession() override;

    const QUuid& id() const { return m_id; }
    KeltoClient& client() const { return *m_client; }
    RotorWatchdog& watchdog() const { return *m_watchdog; }

    // Upper-case identifier text of the tab's server profile; empty when none.
    const QString& profileID() const { return m_profileID; }
    void setProfileID(const QString& profileID);

    const QString& name() const { return m_name; }
    void setName(const QString& name);

Q_SIGNALS:
    void nameChanged();
    void profileIDChanged();

private:
    // Reads the stored mechanics of the rotors the station has now.
    void loadMechanics();

    const QUuid m_id;
    SettingsStore& m_defaults;
    KeltoClient* m_client;
    RotorWatchdog* m_watchdog;
    // The endpoint and rotor names the mechanics were last read for.
    QString m_mechanicsEndpoint;
    QStringList m_mechanicsRotors;
    QString m_profileID;
    QString m_name;
};

#pragma once

#include "app/workspace/SessionCallbacks.h"
#include "core/client/KeltoClient.h"
#include "core/protocol/ConnectionKind.h"

#include <QHash>
#include <QList>
#include <QMetaObject>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QUuid>

#include <optional>

class Clock;
class CredentialStore;
class ServerProfiles;
class SettingsStore;
class StationSession;

// The open server tabs of the application window, in display order: never empty, at most
// `maxSessions`. Owns the one profile store, merges the logs of every tab's client, keeps one
// server from being open in two tabs, and remembers which profiles were connected so the same
// tabs come back at the next launch. Lives on the main thread.
//
// The connect member is `connectSession`: a member named `connect` would hide QObject's static
// functions in this class.
class StationWorkspace final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StationWorkspace)

public:
    static constexpr int maxSessions = 10;
    // The newest merged lines kept in memory, as for each tab's own log.
    static constexpr qsizetype maxLogLines = KeltoClient::maxLogLines;

    // Loads the profiles from `defaults` and restores the tabs of the last run, disconnected.
    // Every tab's client gets `credentialStore` (may be null: no saved logins), `defaults` and
    // `clock`; all three must outlive the workspace.
    explicit StationWorkspace(SettingsStore& defaults, CredentialStore* credentialStore = nullptr,
                              const Clock& clock = KeltoClient::systemClock(), QObject* parent = nullptr);
    ~StationWorkspace() override;

    const QList<StationSession*>& sessions() const { return m_sessions; }
    // The open tab with this id, or null.
    StationSession* session(const QUuid& id) const;
    const std::optional<QUuid>& selected() const { return m_selected; }
    // Selects an open tab; other ids are ignored.
    void select(const QUuid& id);

    // The newest `maxLogLines` of every tab's log lines, oldest first, each as the client's
    // time, " [" + label + "] " and its text; the label is the tab's profile name and endpoint
    // ("Contest station 127.0.0.1:4001") as far as they are known.
    const QStringList& log() const { return m_log; }

    // The message of the "Server already open" alert, while one is due.
    const std::optional<QString>& duplicateConnection() const { return m_duplicateConnection; }
    // The alert's "OK".
    void clearDuplicateConnection();

    ServerProfiles& profiles() const { return *m_profiles; }
    SettingsStore& defaults() const { return m_defaults; }
    // Tab id to the profile identifier the tab has connected with.
    const QHash<QUuid, QString>& remembered() const { return m_remembered; }

    bool canAddSession() const { return m_sessions.size() < maxSessions; }
    // Opens an empty tab named "Server " + the new count and selects it; nothing at the limit.
    void add();
    // Connects the tab's client, unless another active tab already holds that server: then the
    // requesting tab is closed (the first tab only has its station cleared), the other tab is
    // selected and `duplicateConnection` explains why.
    void connectSession(StationSession* session, const QString& host, const QString& port, ConnectionKind kind,
                        const QString& rotorName);
    // Connects every tab that shows a saved profile, as its Connect button would: restored
    // tabs never connect by themselves, only when the operator asks at start.
    void connectAll();
    // Closes a tab other than the first; the last tab is never closed.
    void close(StationSession* session);
    // The orderly end of every connection, in tab order.
    void disconnectAll();

    // What the tab's station view calls back.
    SessionCallbacks callbacks(StationSession* session);

    // Remembers the tab's profile as connected and saves the restoration list.
    void rememberConnected(StationSession* session);
    // Writes the remembered profiles of the open tabs, in tab order, as the restoration list.
    void saveRestoration();

    // The text that tells the workspace two requests reach the same server. Unlike the endpoint
    // key it drops one trailing dot of a host name, and a serial device is one server whatever
    // its baud rate.
    static QString addressKey(const QString& host, const QString& port, ConnectionKind kind);

Q_SIGNALS:
    void sessionsChanged();
    void selectedChanged();
    void logChanged();
    // The lines just appended to `log` (at most `maxLogLines`), for views that append rather
    // than redraw; lines beyond the bound have already left the front of `log`.
    void logAppended(const QStringList& lines);
    void duplicateConnectionChanged();
    // Something a tab strip shows changed: a tab's title or whether its client is connected.
    void changed();

private:
    StationSession* createSession(const QString& name);
    void restore();
    void observe(StationSession* session);
    void takeLog(StationSession* session);
    QString logLabel(const StationSession* session) const;
    void connectedChanged(StationSession* session);
    void rename(StationSession* session, const QString& name);
    void setSelected(std::optional<QUuid> id);
    void setDuplicateConnection(std::optional<QString> message);
    bool isOpen(const StationSession* session) const;

    SettingsStore& m_defaults;
    CredentialStore* m_credentialStore;
    const Clock& m_clock;
    ServerProfiles* m_profiles;

    QList<StationSession*> m_sessions;
    std::optional<QUuid> m_selected;
    QStringList m_log;
    std::optional<QString> m_duplicateConnection;

    QHash<QUuid, QString> m_remembered;
    QHash<QUuid, QString> m_connectionKeys;
    QHash<QUuid, QMetaObject::Connection> m_stateSubscriptions;
    QHash<QUuid, QMetaObject::Connection> m_subscriptions;
    // How many of each client's log lines have been merged, counted from its first line ever.
    QHash<QUuid, qint64> m_logTaken;
};

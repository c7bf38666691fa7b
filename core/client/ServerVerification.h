#pragma once

#include "core/client/MemorySettingsStore.h"
#include "core/client/ServerVerificationError.h"
#include "core/model/Instant.h"
#include "core/protocol/ConnectionKind.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>
#include <optional>

class Clock;
class KeltoClient;

// A one-shot check that a server or controller answers, as the profile editor runs it before
// saving: a separate client without a credential store connects, and the check succeeds once
// it is live or the server asks for a login, or fails with the client's message or after
// 3 seconds. The temporary client always ends with "Disconnected".
//
// The check keeps its own in-memory settings, so a brief check never replaces the offline
// snapshot a real connection stored for the same server.
class ServerVerification final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ServerVerification)

public:
    static constexpr double deadlineSeconds = 3.0;
    static constexpr int pollMilliseconds = 100;

    ServerVerification(QString host, QString port, ConnectionKind kind, const Clock& clock, QObject* parent = nullptr);
    ~ServerVerification() override;

    // Starts the check once; `finished` follows, unless the check is cancelled first.
    void start();
    // Stops a running check at once; `cancelled` follows and `finished` never comes.
    void cancel();
    bool running() const { return m_running; }

Q_SIGNALS:
    // Nothing on success.
    void finished(const std::optional<ServerVerificationError>& error);
    void cancelled();

private:
    void poll();
    void stopClient();

    QString m_host;
    QString m_port;
    ConnectionKind m_kind;
    const Clock& m_clock;
    MemorySettingsStore m_defaults;
    std::unique_ptr<KeltoClient> m_client;
    QTimer m_timer;
    Instant m_deadline;
    bool m_running = false;
    bool m_started = false;
};

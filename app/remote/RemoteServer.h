#pragma once

#include "app/remote/PairedDevice.h"
#include "app/remote/PairingCode.h"
#include "app/remote/RemoteSettings.h"
#include "core/model/Instant.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QHash>
#include <QHostAddress>
#include <QJsonObject>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QTimer>
#include <QUuid>

#include <functional>
#include <map>
#include <memory>

class Clock;
struct HttpRequest;
class QTcpServer;
class QTcpSocket;
class QWebSocket;
class QWebSocketServer;
class RemoteDevices;
class SettingsStore;
class StationWorkspace;
class KeltoClient;

// The remote page for phones and tablets on the station's network: one HTTP port that serves
// the page, takes pairing requests and hands WebSocket upgrades of paired devices over to the
// WebSocket server; state goes out over those sockets and commands come back. One server for
// the whole program, showing every tab. Lives on the main thread.
//
// Every peer is hostile until paired: request heads and bodies are bounded, a request that is
// not for the page, the pairing or a paired device's socket gets a status line and nothing
// else, and a paired device is bounded in connections, message size, commands per second and
// the bytes it leaves unread. Commands run through the tab client's guarded commands, labelled
// with the device's name.
class RemoteServer final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RemoteServer)

public:
    static constexpr int maxConnections = 16;
    static constexpr qint64 maxMessageBytes = 4096;
    static constexpr int commandsPerSecond = 20;
    // A page pings every 20 seconds; three missed pings end the connection.
    static constexpr double idleSeconds = 60.0;
    static constexpr qint64 maxUnsentBytes = 256 * 1024;
    static constexpr int pushIntervalMs = 100;
    // Request heads, pairing bodies, requests waiting for their head, and how long they may take.
    static constexpr qsizetype maxHeadBytes = 8192;
    static constexpr qsizetype maxBodyBytes = 1024;
    static constexpr int maxPendingRequests = 32;
    static constexpr double requestSeconds = 10.0;
    // Pairing attempts of all devices together.
    static constexpr int pairingAttemptsPerMinute = 10;

    // The workspace, the store and the clock must outlive the server. Starts at once when the
    // stored settings say it is on.
    RemoteServer(StationWorkspace& workspace, SettingsStore& defaults, const Clock& clock, QObject* parent = nullptr);
    ~RemoteServer() override;

    const RemoteSettings& settings() const { return m_settings; }
    // Saves the settings and listens, or stops, accordingly. Port 0 takes any free port (tests).
    void setSettings(const RemoteSettings& settings);

    bool running() const;
    // "Off", "Listening on …" or why it cannot listen.
    const QString& message() const { return m_message; }
    quint16 serverPort() const;
    // What to open on the phone: "http://address:port/"; empty while stopped.
    QString url() const;

    const QString& pairingCode();
    Instant pairingExpires() const { return m_code.expires(); }
    RemoteDevices& devices() const { return *m_devices; }
    // Devices with an open page, by id.
    QSet<QUuid> connectedDevices() const;
    int connectionCount() const { return static_cast<int>(m_peers.size()); }

    // The once-a-second rules: pairing code expiry, slow requests and idle pages. Driven by the
    // server's timer; public so the rules can be driven with a manual clock.
    void tick();

Q_SIGNALS:
    void stateChanged();
    void pairingCodeChanged();
    void connectionsChanged();

private:
    struct Pending {
        Instant since;
    };
    struct Peer {
        QWebSocket* socket = nullptr;
        QPointer<QTcpSocket> transport;
        QUuid device;
        Instant lastPing;
        Instant windowStart;
        int windowCount = 0;
        QByteArray lastState;
        QElapsedTimer sentAt;
    };

    void start();
    void stop();
    void setMessage(const QString& message);

    void acceptTcp();
    void readRequest(QTcpSocket* socket);
    void forget(QTcpSocket* socket);
    void answer(QTcpSocket* socket, QByteArrayView status, QByteArrayView type = {}, const QByteArray& body = {},
                const QByteArray& extraHeaders = {});
    bool hostAllowed(const HttpRequest& request) const;
    QByteArray origin() const;
    void pair(QTcpSocket* socket, const QByteArray& body);
    void upgrade(QTcpSocket* socket, const HttpRequest& request);

    void acceptWebSocket();
    void receive(QWebSocket* socket, const QString& message);
    void execute(Peer& peer, const PairedDevice& device, const QJsonObject& command);
    void send(Peer& peer, const QByteArray& message);
    void notify(Peer& peer, const QString& text);
    void drop(QWebSocket* socket);
    void dropDevice(const QUuid& id);

    void observeSessions();
    void stateDirty();
    void push();

    StationWorkspace& m_workspace;
    SettingsStore& m_defaults;
    const Clock& m_clock;
    RemoteSettings m_settings;
    PairingCode m_code;
    RemoteDevices* m_devices;
    QString m_message;
    QTcpServer* m_tcp = nullptr;
    QWebSocketServer* m_webSockets = nullptr;
    QHostAddress m_address;
    std::map<QTcpSocket*, Pending> m_pending;
    // Upgrades handed to the WebSocket server, by the peer's address and port, until it is done
    // with the handshake.
    struct Handover {
        QUuid device;
        QPointer<QTcpSocket> transport;
        Instant since;
    };
    // Ends the upgrades on their way to the WebSocket server that `which` picks.
    void abortHandovers(const std::function<bool(const Handover&)>& which);
    QHash<QString, Handover> m_handovers;
    std::map<QWebSocket*, std::unique_ptr<Peer>> m_peers;
    QSet<QUuid> m_observed;
    QTimer m_tick;
    QTimer m_push;
    QString m_lastCode;
    Instant m_pairingWindowStart;
    int m_pairingAttempts = 0;
};

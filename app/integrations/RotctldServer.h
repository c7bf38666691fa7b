#pragma once

#include "core/model/Instant.h"
#include "core/protocol/RotctldFramer.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <map>
#include <memory>
#include <optional>

class KeltoClient;
class QTcpServer;
class QTcpSocket;
class QTimer;
struct RotctldRequest;

// Serves rotctld clients (satellite trackers, loggers, dashboards) for one tab: their commands
// act on one rotor of the tab's client through the same guarded commands as the window, and
// write the same log lines with the client's address beside them. A refused command is
// answered with an error report and moves nothing. Lives on the main thread.
//
// Every peer is treated as hostile: lines are bounded, a peer is read a little per turn of the
// event loop, answers it leaves unread are bounded, and peers beyond `maxClients` are closed at
// once. Breaking a bound costs that peer its connection, never the listener.
//
// Trackers re-aim: they repeat "set position" every cycle while the rotor is away from the
// target, and follow a moving target. A target within `aimTolerance` of the turn under way (of
// the heading when the rotor is idle) is already being served and sends nothing; a new one is
// sent at most once per `reaimInterval` per rotor, the latest target winning, and answered at
// once either way. The window's rule against a new turn while the heading changes does not hold
// for these clients; every other guard does.
class RotctldServer final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RotctldServer)
    Q_PROPERTY(QString message READ message NOTIFY messageChanged)
    Q_PROPERTY(bool running READ running NOTIFY runningChanged)
    Q_PROPERTY(int clientCount READ clientCount NOTIFY clientCountChanged)

public:
    static constexpr int maxClients = 64;
    // Answers a peer has not taken yet; a peer that sends without reading passes this soon.
    static constexpr qint64 maxUnsentBytes = 65536;
    // Bytes taken from one peer per read, and command lines run for one peer per turn of the
    // event loop: a flooding peer waits its turn like every other.
    static constexpr qint64 readBytes = 4096;
    static constexpr int linesPerTurn = 32;
    // At most one turn per rotor in this many milliseconds, however fast targets come.
    static constexpr int reaimInterval = 1000;
    static constexpr double defaultAimTolerance = 1.0;
    static constexpr double maxAimTolerance = 10.0;

    explicit RotctldServer(QObject* parent = nullptr);
    ~RotctldServer() override;

    // "Stopped", "Listening on " + host + ":" + port, "Port in use", or why it could not listen.
    const QString& message() const { return m_message; }
    bool running() const { return m_running; }
    int clientCount() const { return static_cast<int>(m_peers.size()); }
    // The port listened on, 0 while stopped.
    quint16 serverPort() const;

    // Listens on `host` (an address, or "localhost") and `port` for the commands of `client`,
    // which must outlive the server or be given again. Always stops first.
    void start(KeltoClient& client, const QString& host, const QString& port);
    void stop();
    // Whether the server listens as `start` with these arguments would make it.
    bool serves(const KeltoClient& client, const QString& host, const QString& port) const;

    // The rotor the commands act on (none when empty) and where "park" turns it; both may change
    // while listening.
    void setRotor(const QString& name) { m_rotor = name; }
    const QString& rotor() const { return m_rotor; }
    void setParkHeading(double degrees) { m_parkHeading = degrees; }
    double parkHeading() const { return m_parkHeading; }
    // Degrees within which a target counts as the one under way; clamped to 0...`maxAimTolerance`,
    // the default for a value that is not a number.
    void setAimTolerance(double degrees);
    double aimTolerance() const { return m_aimTolerance; }

Q_SIGNALS:
    void messageChanged(const QString& message);
    void runningChanged(bool running);
    void clientCountChanged(int count);

private:
    struct Peer {
        QTcpSocket* socket = nullptr;
        RotctldFramer framer;
        // Lines read but not run yet; never more than one read holds.
        QList<QByteArray> lines;
        // Shown beside the log lines of its commands.
        QString label;
        bool scheduled = false;
        // The peer closed: its last lines still run, then it goes.
        bool closed = false;
    };

    void accept();
    // Runs a peer's next lines, reading more once they are done, and comes back on the next
    // turn of the event loop while work is left.
    void schedule(QTcpSocket* socket);
    void serve(QTcpSocket* socket);
    void closed(QTcpSocket* socket);
    // Cuts the bytes into the peer's lines; a line past the bound drops the peer (false).
    bool frame(Peer& peer, const QByteArray& bytes);
    // A peer that broke a bound: cut off at once.
    void drop(QTcpSocket* socket);
    // A peer that is done: its answers go out, then the socket closes.
    void release(QTcpSocket* socket);
    // The turns of one rotor asked for by this server's peers.
    struct Aim {
        // The last target sent, and when by the client's clock.
        std::optional<double> target;
        Instant sentAt;
        // The latest target waiting for the interval to pass, and who asked for it.
        std::optional<double> pending;
        QString pendingLabel;
        // Runs while the interval since the last turn has not passed.
        QTimer* interval = nullptr;
    };

    QByteArray execute(const RotctldRequest& request, const QString& label);
    // Turns the rotor toward `azimuth` as described above; the report code of the answer.
    int aim(double azimuth, const QString& label);
    // Sends a turn whose guard passed; false when the client could not send it.
    bool sendTurn(const QString& rotor, double azimuth, const QString& label);
    void intervalPassed(const QString& rotor);
    Aim& aimOf(const QString& rotor);
    void clearAims();
    QByteArray getPosition(const RotctldRequest& request) const;
    void setMessage(const QString& message);
    void setRunning(bool running);

    QTcpServer* m_server = nullptr;
    QPointer<KeltoClient> m_client;
    QString m_host;
    QString m_port;
    QString m_message;
    bool m_running = false;
    QString m_rotor;
    double m_parkHeading = 0.0;
    double m_aimTolerance = defaultAimTolerance;
    std::map<QString, Aim> m_aims;
    std::map<QTcpSocket*, std::unique_ptr<Peer>> m_peers;
};

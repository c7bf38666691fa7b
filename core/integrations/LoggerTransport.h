#pragma once

#include "core/integrations/LoggerEvent.h"
#include "core/integrations/LoggerKind.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QHash>
#include <QHostAddress>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QUuid>

#include <chrono>
#include <optional>
#include <utility>

class QTcpSocket;
class QUdpSocket;

// Receives logger messages and hands each parsed event to its owner: UDP datagrams for N1MM,
// Win-Test and keyboard input, or the N3FJP API stream as a TCP client. Lives on the main
// thread; every socket callback carries the generation of the start that installed it and
// does nothing once `stop()` has renewed it.
class LoggerTransport final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LoggerTransport)
    Q_PROPERTY(QString message READ message NOTIFY messageChanged)
    Q_PROPERTY(bool running READ running NOTIFY runningChanged)

public:
    // Remote UDP peers served at once; datagrams from further senders are dropped.
    static constexpr int maxFlows = 32;
    // Unframed N3FJP bytes held at most.
    static constexpr qsizetype maxPendingBytes = 65536;
    // Bytes taken from the stream per read.
    static constexpr qsizetype maxReadBytes = 8192;
    // Datagrams handled in one turn of the event loop.
    static constexpr int datagramsPerTurn = 64;
    static constexpr std::chrono::milliseconds defaultStartTimeout{3000};
    // A peer silent this long gives up its flow when a new sender needs one, so that key
    // senders that open a fresh socket per message do not lock the input after 32 messages.
    static constexpr std::chrono::milliseconds defaultFlowIdleTimeout{60000};

    // Sent once per N3FJP connection: updates on, then the current band, mode and frequency.
    static QByteArray subscriptionRequest();

    explicit LoggerTransport(QObject* parent = nullptr);
    ~LoggerTransport() override;

    QString message() const { return m_message; }
    bool running() const { return m_running; }
    // Open UDP flows, or 1 while the N3FJP connection exists.
    int connectionCount() const;
    // N3FJP bytes received but not yet cut into a frame.
    qsizetype pendingBytes() const { return m_pending.size(); }

    void setStartTimeout(std::chrono::milliseconds timeout) { m_startTimeout = timeout; }
    void setFlowIdleTimeout(std::chrono::milliseconds timeout) { m_flowIdleTimeout = timeout; }

    // `host` is the local address to listen on (UDP) or the logger's host (N3FJP); `station`
    // filters N1MM and Win-Test messages. Always stops first.
    void start(LoggerKind kind, const QString& host, const QString& port, const QString& station);
    void stop();

Q_SIGNALS:
    // One per parsed event, in the parser's order.
    void eventReceived(const LoggerEvent& event);
    void messageChanged(const QString& message);
    void runningChanged(bool running);

private:
    using Peer = std::pair<QHostAddress, quint16>;

    void stopWith(const QString& message);
    void teardown(bool destroying);
    void setMessage(const QString& message);
    void setRunning(bool running);

    void listen(const QHostAddress& address, const QString& host, quint16 port);
    void lookUpAndListen(const QString& host, quint16 port);
    void readDatagrams(const QPointer<QUdpSocket>& socket, QUuid generation);
    bool admit(const QHostAddress& address, quint16 port);

    void connectLogger(const QString& host, quint16 port);
    bool readStream(const QPointer<QTcpSocket>& socket, QUuid generation);
    bool takeChunk(const QByteArray& chunk, QUuid generation);
    void closeStream(const QPointer<QTcpSocket>& socket, QUuid generation);

    // The guard of every socket callback: the transport still exists and was not restarted.
    static bool isCurrent(const QPointer<LoggerTransport>& self, QUuid generation);
    // False when the owner stopped or restarted the transport, or destroyed it, meanwhile.
    bool deliver(const QList<LoggerEvent>& events, QUuid generation);

    QUuid m_token = QUuid::createUuid();
    LoggerKind m_kind = LoggerKind::n1mm;
    QString m_station;
    QString m_message;
    bool m_running = false;

    QPointer<QUdpSocket> m_listener;
    int m_lookupId = -1;
    // Last activity of each remote peer, in milliseconds of `m_clock`.
    QHash<Peer, qint64> m_flows;
    QElapsedTimer m_clock;

    QPointer<QTcpSocket> m_stream;
    bool m_streamReady = false;
    QByteArray m_pending;
    // Where the next search for a frame end starts: earlier bytes were searched already.
    qsizetype m_frameSearchFrom = 0;

    std::chrono::milliseconds m_startTimeout = defaultStartTimeout;
    std::chrono::milliseconds m_flowIdleTimeout = defaultFlowIdleTimeout;
};

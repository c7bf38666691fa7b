#pragma once

#include "core/integrations/WsjtxMessage.h"

#include <QHostAddress>
#include <QObject>
#include <QString>

class QUdpSocket;

// Listens for WSJT-X's UDP messages (JTDX and similar programs send the same) and hands on each
// Status message. Every datagram may be hostile: oversized and malformed ones are dropped and
// counted, and a flood is read a bounded number at a time so the event loop keeps turning.
class WsjtxListener final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WsjtxListener)

public:
    static constexpr quint16 defaultPort = 2237;
    // Datagrams read before control goes back to the event loop.
    static constexpr int datagramsPerTurn = 32;

    explicit WsjtxListener(QObject* parent = nullptr);
    ~WsjtxListener() override;

    // Binds to the address and port; a multicast group address (IPv4 224.0.0.0/4 or IPv6 ff00::/8)
    // binds to any address of its family and joins the group. False with `errorString` on failure.
    bool listen(const QHostAddress& address, quint16 port = defaultPort);
    void stop();
    bool listening() const;
    quint16 port() const;
    const QString& errorString() const { return m_error; }
    // Datagrams dropped since listening began: too large, or not a message that reads.
    quint64 dropped() const { return m_dropped; }

Q_SIGNALS:
    // A Status message from the program with this id.
    void status(const WsjtxMessage::Status& status, const QString& id);
    void droppedChanged(quint64 dropped);

private:
    void readPending();

    QUdpSocket* m_socket = nullptr;
    QString m_error;
    quint64 m_dropped = 0;
    bool m_scheduled = false;
};

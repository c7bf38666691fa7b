#include "app/integrations/WsjtxListener.h"

#include <QNetworkDatagram>
#include <QPointer>
#include <QUdpSocket>

WsjtxListener::WsjtxListener(QObject* parent)
    : QObject(parent)
{}

WsjtxListener::~WsjtxListener() = default;

bool WsjtxListener::listen(const QHostAddress& address, quint16 port)
{
    stop();
    m_socket = new QUdpSocket(this);
    const bool multicast = address.isMulticast();
    // Several programs may follow the same multicast group on one machine.
    const QHostAddress bound = !multicast ? address
                               : address.protocol() == QAbstractSocket::IPv6Protocol
                                   ? QHostAddress(QHostAddress::AnyIPv6)
                                   : QHostAddress(QHostAddress::AnyIPv4);
    const QUdpSocket::BindMode mode =
        multicast ? QUdpSocket::ShareAddress | QUdpSocket::ReuseAddressHint : QUdpSocket::DefaultForPlatform;
    if (!m_socket->bind(bound, port, mode) || (multicast && !m_socket->joinMulticastGroup(address))) {
        m_error = m_socket->errorString();
        stop();
        return false;
    }
    m_error.clear();
    m_dropped = 0;
    connect(m_socket, &QUdpSocket::readyRead, this, [this] {
        // The socket reports the datagrams still waiting each turn; while the next batch is
        // already queued, this turn has had its share.
        if (!m_scheduled) {
            readPending();
        }
    });
    return true;
}

void WsjtxListener::stop()
{
    if (m_socket) {
        m_socket->disconnect(this);
        m_socket->close();
        m_socket->deleteLater();
        m_socket = nullptr;
    }
}

bool WsjtxListener::listening() const
{
    return m_socket && m_socket->state() == QAbstractSocket::BoundState;
}

quint16 WsjtxListener::port() const
{
    return m_socket ? m_socket->localPort() : 0;
}

void WsjtxListener::readPending()
{
    m_scheduled = false;
    const quint64 droppedBefore = m_dropped;
    for (int read = 0; read < datagramsPerTurn && m_socket && m_socket->hasPendingDatagrams(); ++read) {
        if (m_socket->pendingDatagramSize() > WsjtxMessage::maxDatagramBytes) {
            // Discarded unread: reading it would mean holding what the sender chose.
            m_socket->readDatagram(nullptr, 0);
            ++m_dropped;
            continue;
        }
        const QNetworkDatagram datagram = m_socket->receiveDatagram(WsjtxMessage::maxDatagramBytes);
        const ProtocolResult<WsjtxMessage> message = WsjtxMessage::parse(datagram.data());
        if (!message) {
            ++m_dropped;
            continue;
        }
        if (message->status) {
            const QPointer<WsjtxListener> alive(this);
            Q_EMIT status(*message->status, message->id);
            // A receiver may stop or delete the listener.
            if (!alive) {
                return;
            }
        }
    }
    if (m_dropped != droppedBefore) {
        Q_EMIT droppedChanged(m_dropped);
    }
    // The rest on a later turn.
    if (m_socket && m_socket->hasPendingDatagrams() && !m_scheduled) {
        m_scheduled = true;
        // Posted, so it queues behind whatever else is waiting.
        QMetaObject::invokeMethod(this, &WsjtxListener::readPending, Qt::QueuedConnection);
    }
}

#include "core/integrations/LoggerTransport.h"

#include "core/integrations/LoggerProtocol.h"
#include "core/protocol/PortNumber.h"

#include <QCoreApplication>
#include <QHostInfo>
#include <QNetworkDatagram>
#include <QTcpSocket>
#include <QTimer>
#include <QUdpSocket>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {

// Functions rather than constants: a translation is only known once the program has started.
QString stoppedMessage()
{
    return QCoreApplication::translate("LoggerTransport", "Stopped");
}

QString startingMessage()
{
    return QCoreApplication::translate("LoggerTransport", "Starting…");
}
constexpr QByteArrayView frameEnd("</CMD>");

// A listener bound to every address sees IPv4 senders as IPv4-mapped IPv6; one peer must
// stay one flow however it is written.
QHostAddress canonical(const QHostAddress& address)
{
    bool isIPv4 = false;
    const quint32 ipv4 = address.toIPv4Address(&isIPv4);
    return isIPv4 ? QHostAddress(ipv4) : address;
}

} // namespace

QByteArray LoggerTransport::subscriptionRequest()
{
    return "<CMD><SETUPDATESTATE><VALUE>TRUE</VALUE></CMD>\r\n<CMD><READBMF></CMD>\r\n"_ba;
}

LoggerTransport::LoggerTransport(QObject* parent)
    : QObject(parent)
    , m_message(stoppedMessage())
{
    m_clock.start();
}

LoggerTransport::~LoggerTransport()
{
    teardown(true);
}

int LoggerTransport::connectionCount() const
{
    if (m_stream) {
        return 1;
    }
    return static_cast<int>(m_flows.size());
}

void LoggerTransport::start(LoggerKind kind, const QString& host, const QString& port, const QString& station)
{
    stop();
    const auto portNumber = parsePortNumber(port);
    if (!portNumber || host.isEmpty()) {
        setMessage(tr("Enter a valid host and port."));
        return;
    }
    m_kind = kind;
    m_station = station;
    setRunning(true);
    setMessage(startingMessage());

    if (kind == LoggerKind::n3fjp) {
        connectLogger(host, *portNumber);
        return;
    }
    const QHostAddress address(host);
    if (address.isNull()) {
        lookUpAndListen(host, *portNumber);
    } else {
        listen(address, host, *portNumber);
    }
}

void LoggerTransport::stop()
{
    stopWith(stoppedMessage());
}

void LoggerTransport::stopWith(const QString& message)
{
    teardown(false);
    setRunning(false);
    setMessage(message);
}

void LoggerTransport::teardown(bool destroying)
{
    // A new generation first: whatever is still queued from the old one now does nothing.
    m_token = QUuid::createUuid();
    if (m_lookupId >= 0) {
        QHostInfo::abortHostLookup(m_lookupId);
        m_lookupId = -1;
    }
    // Sockets may be torn down from inside their own signals, so they are deleted later; when
    // the transport itself goes, they must not be deleted with it as its children.
    const auto release = [destroying, this](QAbstractSocket* socket) {
        socket->disconnect(this);
        socket->abort();
        if (destroying) {
            socket->setParent(nullptr);
        }
        socket->deleteLater();
    };
    if (m_listener) {
        release(m_listener);
        m_listener = nullptr;
    }
    if (m_stream) {
        release(m_stream);
        m_stream = nullptr;
    }
    m_flows.clear();
    m_streamReady = false;
    m_pending.clear();
    m_frameSearchFrom = 0;
}

void LoggerTransport::setMessage(const QString& message)
{
    if (m_message == message) {
        return;
    }
    m_message = message;
    Q_EMIT messageChanged(m_message);
}

void LoggerTransport::setRunning(bool running)
{
    if (m_running == running) {
        return;
    }
    m_running = running;
    Q_EMIT runningChanged(m_running);
}

bool LoggerTransport::isCurrent(const QPointer<LoggerTransport>& self, QUuid generation)
{
    return self && self->m_token == generation;
}

bool LoggerTransport::deliver(const QList<LoggerEvent>& events, QUuid generation)
{
    const QPointer<LoggerTransport> self(this);
    for (const LoggerEvent& event : events) {
        Q_EMIT eventReceived(event);
        if (!isCurrent(self, generation)) {
            return false;
        }
    }
    return true;
}

// UDP input: one listening socket, datagrams sorted into per-peer flows.

void LoggerTransport::lookUpAndListen(const QString& host, quint16 port)
{
    const QPointer<LoggerTransport> self(this);
    const QUuid generation = m_token;
    m_lookupId = QHostInfo::lookupHost(host, this, [self, generation, host, port](const QHostInfo& info) {
        if (!isCurrent(self, generation)) {
            return;
        }
        self->m_lookupId = -1;
        const QList<QHostAddress> addresses = info.addresses();
        if (info.error() != QHostInfo::NoError || addresses.isEmpty()) {
            self->stopWith(info.errorString());
            return;
        }
        // Loggers send over IPv4; prefer it when the name has both.
        const auto ipv4 = std::find_if(addresses.cbegin(), addresses.cend(), [](const QHostAddress& address) {
            return address.protocol() == QAbstractSocket::IPv4Protocol;
        });
        self->listen(ipv4 != addresses.cend() ? *ipv4 : addresses.first(), host, port);
    });
}

void LoggerTransport::listen(const QHostAddress& address, const QString& host, quint16 port)
{
    auto* socket = new QUdpSocket(this);
    if (!socket->bind(address, port)) {
        const QString error = socket->errorString();
        delete socket;
        stopWith(error);
        return;
    }
    m_listener = socket;

    const QPointer<LoggerTransport> self(this);
    const QPointer<QUdpSocket> guardedSocket(socket);
    const QUuid generation = m_token;
    connect(socket, &QUdpSocket::readyRead, this, [self, guardedSocket, generation] {
        if (isCurrent(self, generation) && guardedSocket) {
            self->readDatagrams(guardedSocket, generation);
        }
    });
    connect(socket, &QAbstractSocket::errorOccurred, this, [self, guardedSocket, generation] {
        if (!isCurrent(self, generation) || !guardedSocket) {
            return;
        }
        // A failed read loses one datagram; only a socket that is no longer bound has failed.
        if (guardedSocket->state() != QAbstractSocket::BoundState) {
            self->stopWith(guardedSocket->errorString());
        }
    });
    setMessage(tr("Listening on %1:%2").arg(host, QString::number(port)));
}

void LoggerTransport::readDatagrams(const QPointer<QUdpSocket>& socket, QUuid generation)
{
    for (int taken = 0; socket && socket->hasPendingDatagrams(); ++taken) {
        if (taken == datagramsPerTurn) {
            // A flood on the port must not keep the main thread from everything else; the
            // socket signals again for what is left once this turn of the event loop is over.
            return;
        }
        // One byte over the parser's limit is enough to know a datagram is too long.
        const QNetworkDatagram datagram = socket->receiveDatagram(LoggerProtocol::maxMessageBytes + 1);
        if (!datagram.isValid()) {
            return;
        }
        if (!admit(datagram.senderAddress(), static_cast<quint16>(datagram.senderPort()))) {
            continue;
        }
        if (!deliver(LoggerProtocol::parse(datagram.data(), m_kind, m_station), generation)) {
            return;
        }
    }
}

bool LoggerTransport::admit(const QHostAddress& address, quint16 port)
{
    const Peer peer{canonical(address), port};
    const qint64 now = m_clock.elapsed();
    if (const auto flow = m_flows.find(peer); flow != m_flows.end()) {
        *flow = now;
        return true;
    }
    if (m_flows.size() >= maxFlows) {
        const qint64 idle = m_flowIdleTimeout.count();
        m_flows.removeIf([now, idle](QHash<Peer, qint64>::iterator flow) { return now - flow.value() >= idle; });
        if (m_flows.size() >= maxFlows) {
            return false;
        }
    }
    m_flows.insert(peer, now);
    return true;
}

// N3FJP input: a TCP client whose stream is cut into frames at each "</CMD>".

void LoggerTransport::connectLogger(const QString& host, quint16 port)
{
    auto* socket = new QTcpSocket(this);
    // Qt reads no further ahead than one read, so a flooding peer cannot grow memory here.
    socket->setReadBufferSize(maxReadBytes);
    m_stream = socket;

    const QPointer<LoggerTransport> self(this);
    const QPointer<QTcpSocket> guardedSocket(socket);
    const QUuid generation = m_token;
    const auto live = [self, guardedSocket, generation] {
        return isCurrent(self, generation) && guardedSocket && self->m_stream == guardedSocket;
    };

    connect(socket, &QAbstractSocket::connected, this, [self, guardedSocket, generation, live] {
        if (!live()) {
            return;
        }
        self->m_streamReady = true;
        self->setMessage(tr("Connected to N3FJP"));
        guardedSocket->write(subscriptionRequest());
        self->readStream(guardedSocket, generation);
    });
    connect(socket, &QTcpSocket::readyRead, this, [self, guardedSocket, generation, live] {
        if (live() && self->m_streamReady) {
            self->readStream(guardedSocket, generation);
        }
    });
    connect(socket, &QAbstractSocket::errorOccurred, this, [self, guardedSocket, generation, live] {
        if (!live()) {
            return;
        }
        if (self->m_streamReady) {
            self->closeStream(guardedSocket, generation);
        } else {
            self->stopWith(guardedSocket->errorString());
        }
    });
    connect(socket, &QAbstractSocket::disconnected, this, [self, guardedSocket, generation, live] {
        if (live()) {
            self->closeStream(guardedSocket, generation);
        }
    });

    socket->connectToHost(host, port);
    QTimer::singleShot(m_startTimeout, this, [self, generation] {
        if (isCurrent(self, generation) && self->m_message == startingMessage()) {
            self->stopWith(tr("Logger connection timed out."));
        }
    });
}

bool LoggerTransport::readStream(const QPointer<QTcpSocket>& socket, QUuid generation)
{
    while (socket && socket->bytesAvailable() > 0) {
        const QByteArray chunk = socket->read(maxReadBytes);
        if (chunk.isEmpty()) {
            break;
        }
        if (!takeChunk(chunk, generation)) {
            return false;
        }
    }
    return true;
}

bool LoggerTransport::takeChunk(const QByteArray& chunk, QUuid generation)
{
    m_pending.append(chunk);
    if (m_pending.size() > maxPendingBytes) {
        stopWith(tr("Logger frame too large."));
        return false;
    }
    while (true) {
        const qsizetype endAt = m_pending.indexOf(frameEnd, m_frameSearchFrom);
        if (endAt < 0) {
            m_frameSearchFrom = std::max<qsizetype>(0, m_pending.size() - (frameEnd.size() - 1));
            return true;
        }
        const qsizetype frameSize = endAt + frameEnd.size();
        const QByteArray frame = m_pending.first(frameSize);
        m_pending.remove(0, frameSize);
        m_frameSearchFrom = 0;
        if (!deliver(LoggerProtocol::parse(frame, LoggerKind::n3fjp, m_station), generation)) {
            return false;
        }
    }
}

void LoggerTransport::closeStream(const QPointer<QTcpSocket>& socket, QUuid generation)
{
    // Frames that arrived just before the close still count.
    if (!readStream(socket, generation)) {
        return;
    }
    stopWith(tr("Logger disconnected."));
}

#include "app/integrations/RotctldServer.h"

#include "core/client/KeltoClient.h"
#include "core/protocol/PortNumber.h"
#include "core/protocol/RotctldProtocol.h"
#include "core/protocol/RotctldRequest.h"

#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace {

// A peer that quits or closes gets this long to take the answers still on their way.
constexpr int quitGraceMilliseconds = 5000;
// Enough for every client of a busy station connecting at the same moment.
constexpr int listenBacklog = 256;

std::optional<QHostAddress> listenAddress(const QString& host)
{
    const QString text = host.trimmed();
    if (text.compare(u"localhost"_s, Qt::CaseInsensitive) == 0) {
        return QHostAddress(QHostAddress::LocalHost);
    }
    const QHostAddress address(text);
    return address.isNull() ? std::nullopt : std::optional<QHostAddress>(address);
}

// The peer as the log shows it; a listener on every address sees IPv4 peers as mapped IPv6.
QString peerText(const QTcpSocket& socket)
{
    bool v4 = false;
    const quint32 address = socket.peerAddress().toIPv4Address(&v4);
    const QString host = v4 ? QHostAddress(address).toString() : u"["_s + socket.peerAddress().toString() + u']';
    return host + u':' + QString::number(socket.peerPort());
}

bool within(double value, double lowest, double highest)
{
    return value >= lowest && value <= highest;
}

} // namespace

RotctldServer::RotctldServer(QObject* parent)
    : QObject(parent)
    , m_message(u"Stopped"_s)
{}

RotctldServer::~RotctldServer()
{
    // No signal of a peer may reach a half-destroyed server.
    for (const auto& [socket, peer] : m_peers) {
        socket->disconnect(this);
        socket->abort();
    }
}

quint16 RotctldServer::serverPort() const
{
    return m_server ? m_server->serverPort() : 0;
}

bool RotctldServer::serves(const KeltoClient& client, const QString& host, const QString& port) const
{
    return m_running && m_client == &client && m_host == host && m_port == port;
}

void RotctldServer::start(KeltoClient& client, const QString& host, const QString& port)
{
    stop();
    const std::optional<quint16> portNumber = parsePortNumber(port);
    const std::optional<QHostAddress> address = listenAddress(host);
    if (!portNumber || !address) {
        setMessage(u"Enter a valid host and port."_s);
        return;
    }
    m_client = &client;
    m_host = host;
    m_port = port;
    m_server = new QTcpServer(this);
    m_server->setListenBacklogSize(listenBacklog);
    if (!m_server->listen(*address, *portNumber)) {
        const bool inUse = m_server->serverError() == QAbstractSocket::AddressInUseError;
        const QString why = m_server->errorString();
        delete m_server;
        m_server = nullptr;
        setMessage(inUse ? u"Port in use"_s : why);
        return;
    }
    connect(m_server, &QTcpServer::newConnection, this, &RotctldServer::accept);
    setRunning(true);
    setMessage(u"Listening on "_s + host.trimmed() + u':' + QString::number(*portNumber));
}

void RotctldServer::stop()
{
    const bool hadPeers = !m_peers.empty();
    for (const auto& [socket, peer] : m_peers) {
        socket->disconnect(this);
        socket->abort();
        socket->deleteLater();
    }
    m_peers.clear();
    if (m_server) {
        m_server->close();
        m_server->deleteLater();
        m_server = nullptr;
    }
    m_client.clear();
    m_host.clear();
    m_port.clear();
    setRunning(false);
    setMessage(u"Stopped"_s);
    if (hadPeers) {
        Q_EMIT clientCountChanged(0);
    }
}

void RotctldServer::setMessage(const QString& message)
{
    if (message != m_message) {
        m_message = message;
        Q_EMIT messageChanged(m_message);
    }
}

void RotctldServer::setRunning(bool running)
{
    if (running != m_running) {
        m_running = running;
        Q_EMIT runningChanged(m_running);
    }
}

// ---- Peers ----

void RotctldServer::accept()
{
    while (m_server && m_server->hasPendingConnections()) {
        QTcpSocket* socket = m_server->nextPendingConnection();
        if (clientCount() >= maxClients) {
            // Refused at once and cleanly: the peer sees its connection closed, not a hang.
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            socket->disconnectFromHost();
            continue;
        }
        socket->setReadBufferSize(readBytes);
        auto peer = std::make_unique<Peer>();
        peer->socket = socket;
        peer->label = u"rotctld client "_s + peerText(*socket);
        m_peers.emplace(socket, std::move(peer));
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { schedule(socket); });
        connect(socket, &QTcpSocket::stateChanged, this, [this, socket](QAbstractSocket::SocketState state) {
            if (state == QAbstractSocket::ClosingState || state == QAbstractSocket::UnconnectedState) {
                closed(socket);
            }
        });
        Q_EMIT clientCountChanged(clientCount());
    }
}

void RotctldServer::schedule(QTcpSocket* socket)
{
    const auto found = m_peers.find(socket);
    if (found == m_peers.end() || found->second->scheduled) {
        return;
    }
    found->second->scheduled = true;
    const QPointer<QTcpSocket> guard(socket);
    QTimer::singleShot(0, this, [this, guard] {
        if (guard) {
            serve(guard);
        }
    });
}

void RotctldServer::closed(QTcpSocket* socket)
{
    const auto found = m_peers.find(socket);
    if (found == m_peers.end() || found->second->closed) {
        return;
    }
    Peer& peer = *found->second;
    peer.closed = true;
    // Taken now, while the socket still holds them; the read buffer bounds how much it is.
    if (socket->bytesAvailable() > 0 && !frame(peer, socket->readAll())) {
        return;
    }
    // Its last lines still run, in turn with the other peers. A socket here closes both ways when
    // the peer closes its side, so a peer that does so right after its last line ("printf 'S\n' |
    // nc") may miss the answers.
    schedule(socket);
}

void RotctldServer::serve(QTcpSocket* socket)
{
    const auto found = m_peers.find(socket);
    if (found == m_peers.end()) {
        return;
    }
    Peer& peer = *found->second;
    peer.scheduled = false;
    const QPointer<QTcpSocket> guard(socket);
    bool read = false;
    for (int run = 0; run < linesPerTurn;) {
        if (peer.lines.isEmpty()) {
            if (read || peer.closed || socket->bytesAvailable() <= 0) {
                break;
            }
            read = true;
            if (!frame(peer, socket->read(readBytes))) {
                return;
            }
            continue;
        }
        const RotctldRequest request = RotctldRequest::parse(peer.lines.takeFirst());
        ++run;
        if (request.command == RotctldRequest::Command::quit) {
            release(socket);
            return;
        }
        const QByteArray answer = execute(request, peer.label);
        // A command's log line or a failed send could have led anywhere, this server's end
        // included.
        if (!guard || m_peers.find(socket) == m_peers.end()) {
            return;
        }
        if (socket->state() != QAbstractSocket::UnconnectedState) {
            socket->write(answer);
            if (socket->bytesToWrite() > maxUnsentBytes) {
                drop(socket);
                return;
            }
        }
    }
    if (!peer.lines.isEmpty() || (!peer.closed && socket->bytesAvailable() > 0)) {
        schedule(socket);
    } else if (peer.closed) {
        release(socket);
    }
}

void RotctldServer::release(QTcpSocket* socket)
{
    const auto found = m_peers.find(socket);
    if (found == m_peers.end()) {
        return;
    }
    m_peers.erase(found);
    socket->disconnect(this);
    if (socket->state() == QAbstractSocket::UnconnectedState) {
        socket->deleteLater();
    } else {
        // Answers still on their way go out first; a peer that takes none gets a grace period.
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        QTimer::singleShot(quitGraceMilliseconds, socket, &QTcpSocket::abort);
        if (socket->state() == QAbstractSocket::ConnectedState) {
            socket->disconnectFromHost();
        }
    }
    Q_EMIT clientCountChanged(clientCount());
}

bool RotctldServer::frame(Peer& peer, const QByteArray& bytes)
{
    ProtocolResult<QList<QByteArray>> lines = peer.framer.append(bytes);
    if (!lines) {
        drop(peer.socket);
        return false;
    }
    peer.lines += std::move(lines).value();
    return true;
}

void RotctldServer::drop(QTcpSocket* socket)
{
    const auto found = m_peers.find(socket);
    if (found == m_peers.end()) {
        return;
    }
    m_peers.erase(found);
    socket->disconnect(this);
    socket->abort();
    socket->deleteLater();
    Q_EMIT clientCountChanged(clientCount());
}

// ---- Commands ----

QByteArray RotctldServer::execute(const RotctldRequest& request, const QString& label)
{
    using Command = RotctldRequest::Command;
    using namespace RotctldProtocol;
    switch (request.command) {
    case Command::none:
    case Command::quit:
        return {};
    case Command::unknown:
        return answer(request, notImplemented);
    case Command::dumpState:
        return answer(request, ok, state());
    case Command::getInfo:
        return answer(
            request, ok,
            info((m_rotor.isEmpty() ? u"Xalto Station Control"_s : u"Xalto Station Control: "_s + m_rotor).toUtf8()));
    default:
        break;
    }
    if (!request.wellFormed) {
        return answer(request, invalidParameter);
    }
    if (request.command == Command::getPosition) {
        return getPosition(request);
    }
    if (request.command == Command::setPosition &&
        (!within(request.azimuth, minAzimuth, maxAzimuth) || !within(request.elevation, minElevation, maxElevation))) {
        return answer(request, invalidParameter);
    }
    if (request.command == Command::move && request.direction != moveLeft && request.direction != moveRight) {
        return answer(request, invalidParameter);
    }
    if (!m_client || m_rotor.isEmpty()) {
        return answer(request, notAvailable);
    }

    // The window's own commands, guards and log lines; only the label tells them apart.
    KeltoClient& client = *m_client;
    const KeltoClient::CommandOrigin origin(client, label);
    bool accepted = false;
    switch (request.command) {
    case Command::setPosition:
        accepted = client.turn(m_rotor, request.azimuth);
        break;
    case Command::park:
        accepted = client.turn(m_rotor, m_parkHeading);
        break;
    case Command::stop:
        accepted = client.stop(m_rotor);
        break;
    case Command::move:
        // The speed has no counterpart: a jog moves by the station's own step.
        accepted = client.jog(m_rotor, request.direction == moveRight);
        break;
    default:
        break;
    }
    return answer(request, accepted ? ok : rejected);
}

QByteArray RotctldServer::getPosition(const RotctldRequest& request) const
{
    using namespace RotctldProtocol;
    // Only a live link has a heading worth steering by; the last known station is not one.
    if (!m_client || !m_client->connected()) {
        return answer(request, notAvailable);
    }
    const StationState& station = m_client->station();
    const auto rotor = station.rotors.constFind(m_rotor);
    if (rotor == station.rotors.cend() || !rotor->heading) {
        return answer(request, notAvailable);
    }
    return answer(request, ok, position(*rotor->heading, 0.0));
}

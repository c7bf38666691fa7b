#include "app/integrations/RotctldServer.h"

#include "core/client/Clock.h"
#include "core/client/KeltoClient.h"
#include "core/protocol/PortNumber.h"
#include "core/protocol/RotctldProtocol.h"
#include "core/protocol/RotctldRequest.h"

#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

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

// The report that tells a peer which rule held.
int refusalCode(KeltoClient::TurnRefusal refusal)
{
    using Refusal = KeltoClient::TurnRefusal;
    switch (refusal) {
    case Refusal::none:
        return RotctldProtocol::ok;
    case Refusal::controlOff:
    case Refusal::headingChanging:
        return RotctldProtocol::rejected;
    case Refusal::headingStale:
        return RotctldProtocol::timedOut;
    case Refusal::noJog:
        return RotctldProtocol::notImplemented;
    // What a rotator answers for a position past its own limits.
    case Refusal::outsideLimits:
        return RotctldProtocol::invalidParameter;
    case Refusal::notConnected:
    case Refusal::rotorMissing:
    case Refusal::rotorUnavailable:
        break;
    }
    return RotctldProtocol::notAvailable;
}

} // namespace

RotctldServer::RotctldServer(QObject* parent)
    : QObject(parent)
    , m_message(tr("Stopped"))
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
        setMessage(tr("Enter a valid host and port."));
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
        setMessage(inUse ? tr("Port in use") : why);
        return;
    }
    connect(m_server, &QTcpServer::newConnection, this, &RotctldServer::accept);
    setRunning(true);
    setMessage(tr("Listening on %1:%2").arg(host.trimmed(), QString::number(*portNumber)));
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
    clearAims();
    m_client.clear();
    m_host.clear();
    m_port.clear();
    setRunning(false);
    setMessage(tr("Stopped"));
    if (hadPeers) {
        Q_EMIT clientCountChanged(0);
    }
}

void RotctldServer::setAimTolerance(double degrees)
{
    m_aimTolerance = std::isnan(degrees) ? defaultAimTolerance : std::clamp(degrees, 0.0, maxAimTolerance);
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
        //: Who sent a command, shown after it in the connection log; %1 is the client's address and port.
        peer->label = tr("rotctld client %1").arg(peerText(*socket));
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
        // A reply on the rotctld wire: the program's name stays untranslated.
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
    switch (request.command) {
    case Command::setPosition:
        return answer(request, aim(request.azimuth, label));
    case Command::park:
        return answer(request, aim(m_parkHeading, label));
    case Command::stop: {
        // A stop outranks every target still waiting, and ends the turn under way.
        if (const auto found = m_aims.find(m_rotor); found != m_aims.end()) {
            found->second.pending.reset();
            found->second.target.reset();
        }
        const KeltoClient::CommandOrigin origin(client, label);
        return answer(request, client.stop(m_rotor) ? ok : rejected);
    }
    case Command::move: {
        const KeltoClient::TurnRefusal refusal = client.jogRefusal(m_rotor);
        const KeltoClient::CommandOrigin origin(client, label);
        // The speed has no counterpart: a jog moves by the station's own step.
        const bool accepted = client.jog(m_rotor, request.direction == moveRight, KeltoClient::TurnRules::tracker);
        return answer(request, accepted                                    ? ok
                               : refusal == KeltoClient::TurnRefusal::none ? rejected
                                                                           : refusalCode(refusal));
    }
    default:
        break;
    }
    return answer(request, rejected);
}

int RotctldServer::aim(double azimuth, const QString& label)
{
    using namespace RotctldProtocol;
    KeltoClient& client = *m_client;
    const KeltoClient::TurnRefusal refusal = client.turnRefusal(m_rotor, azimuth, KeltoClient::TurnRules::tracker);
    if (refusal != KeltoClient::TurnRefusal::none) {
        // The guarded turn refuses again and logs the rule that held.
        const KeltoClient::CommandOrigin origin(client, label);
        client.turn(m_rotor, azimuth, KeltoClient::TurnRules::tracker);
        return refusalCode(refusal);
    }
    const Rotor rotor = client.station().rotors.value(m_rotor);
    const Instant at = client.clock().now();
    Aim& aim = aimOf(m_rotor);
    // A turn just sent shows in the station's reports within the time a heading counts as
    // changing; until then, and while the rotor moves, it is the turn under way.
    const bool moving = rotor.status == u"3"_s || rotor.status == u"4"_s || rotor.headingChanging(at);
    const bool underWay = aim.target && (moving || at - aim.sentAt < Rotor::headingChangeSeconds);
    const std::optional<double> reference = underWay ? aim.target : rotor.heading;
    if (reference && std::fabs(azimuth - *reference) <= m_aimTolerance) {
        // The latest target is the one already served.
        aim.pending.reset();
        return ok;
    }
    if (aim.interval->isActive()) {
        aim.pending = azimuth;
        aim.pendingLabel = label;
        return ok;
    }
    return sendTurn(m_rotor, azimuth, label) ? ok : rejected;
}

bool RotctldServer::sendTurn(const QString& rotor, double azimuth, const QString& label)
{
    bool sent = false;
    {
        const KeltoClient::CommandOrigin origin(*m_client, label);
        sent = m_client->turn(rotor, azimuth, KeltoClient::TurnRules::tracker);
    }
    // The log line or a failed send could have led anywhere, this server's end included.
    if (sent && m_client) {
        Aim& aim = aimOf(rotor);
        aim.target = azimuth;
        aim.sentAt = m_client->clock().now();
        aim.pending.reset();
        aim.interval->start();
    }
    return sent;
}

void RotctldServer::intervalPassed(const QString& rotor)
{
    const auto found = m_aims.find(rotor);
    if (found == m_aims.end()) {
        return;
    }
    if (rotor != m_rotor || !m_client) {
        // A rotor no longer served: its record and any target still waiting go.
        found->second.interval->deleteLater();
        m_aims.erase(found);
        return;
    }
    const std::optional<double> pending = std::exchange(found->second.pending, std::nullopt);
    if (pending) {
        // Checked again now: the peer's answer went out when it asked.
        const QString label = found->second.pendingLabel;
        sendTurn(rotor, *pending, label);
    }
}

RotctldServer::Aim& RotctldServer::aimOf(const QString& rotor)
{
    auto found = m_aims.find(rotor);
    if (found == m_aims.end()) {
        found = m_aims.emplace(rotor, Aim{}).first;
        auto* interval = new QTimer(this);
        interval->setSingleShot(true);
        // A coarse timer may fire 5% early: the station would see two turns within a second.
        interval->setTimerType(Qt::PreciseTimer);
        interval->setInterval(reaimInterval);
        connect(interval, &QTimer::timeout, this, [this, rotor] { intervalPassed(rotor); });
        found->second.interval = interval;
    }
    return found->second;
}

void RotctldServer::clearAims()
{
    for (auto& [rotor, aim] : m_aims) {
        aim.interval->stop();
        aim.interval->deleteLater();
    }
    m_aims.clear();
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

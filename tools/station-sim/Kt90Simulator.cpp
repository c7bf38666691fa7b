#include "tools/station-sim/Kt90Simulator.h"

#include "tools/station-sim/PseudoTerminal.h"

#include <QNetworkDatagram>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUdpSocket>

#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr qsizetype maxPendingCommand = 65'536;
constexpr int motionInterval = 50;

} // namespace

Kt90Simulator::Kt90Simulator(QObject* parent)
    : Kt90Simulator(Options{}, parent)
{}

Kt90Simulator::Kt90Simulator(const Options& options, QObject* parent)
    : QObject(parent)
    , m_options(options)
    , m_rotor(options.heading)
{
    m_motionClock.start();
    m_motionTimer.setInterval(motionInterval);
    connect(&m_motionTimer, &QTimer::timeout, this, &Kt90Simulator::tickMotion);
    m_motionTimer.start();
}

Kt90Simulator::~Kt90Simulator()
{
    for (const auto& [socket, pending] : m_streams) {
        QObject::disconnect(socket, nullptr, this, nullptr);
        socket->abort();
    }
}

bool Kt90Simulator::listenTcp(quint16 port, const QHostAddress& address)
{
    if (!m_server) {
        m_server = new QTcpServer(this);
        connect(m_server, &QTcpServer::newConnection, this, &Kt90Simulator::onNewConnection);
    }
    if (!m_server->listen(address, port)) {
        m_error = m_server->errorString();
        return false;
    }
    return true;
}

bool Kt90Simulator::bindUdp(quint16 port, const QHostAddress& address)
{
    if (!m_udp) {
        m_udp = new QUdpSocket(this);
        connect(m_udp, &QUdpSocket::readyRead, this, &Kt90Simulator::readDatagrams);
    }
    if (!m_udp->bind(address, port, QAbstractSocket::ShareAddress | QAbstractSocket::ReuseAddressHint)) {
        m_error = m_udp->errorString();
        return false;
    }
    return true;
}

bool Kt90Simulator::openPty()
{
    if (!m_pty) {
        m_pty = new PseudoTerminal(this);
        connect(m_pty, &PseudoTerminal::dataReceived, this,
                [this](const QByteArray& data) { readStream(m_ptyPending, data, nullptr); });
    }
    if (!m_pty->open()) {
        m_error = m_pty->errorString();
        return false;
    }
    return true;
}

quint16 Kt90Simulator::tcpPort() const
{
    return m_server ? m_server->serverPort() : 0;
}

quint16 Kt90Simulator::udpPort() const
{
    return m_udp ? m_udp->localPort() : 0;
}

QString Kt90Simulator::devicePath() const
{
    return m_pty ? m_pty->devicePath() : QString();
}

void Kt90Simulator::onNewConnection()
{
    while (QTcpSocket* socket = m_server->nextPendingConnection()) {
        m_streams.emplace(socket, QByteArray());
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] {
            const auto found = m_streams.find(socket);
            if (found != m_streams.end()) {
                readStream(found->second, socket->readAll(), socket);
            }
        });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            m_streams.erase(socket);
            socket->deleteLater();
        });
    }
}

void Kt90Simulator::readStream(QByteArray& pending, const QByteArray& data, QTcpSocket* socket)
{
    pending += data;
    QByteArray replies;
    qsizetype end = 0;
    while ((end = pending.indexOf(';')) >= 0) {
        const QByteArray command = pending.left(end + 1);
        pending.remove(0, end + 1);
        record(command);
        replies += execute(command.chopped(1));
    }
    if (pending.size() > maxPendingCommand) {
        pending.clear();
        if (socket) {
            socket->disconnectFromHost();
            return;
        }
    }
    if (m_silent || replies.isEmpty()) {
        return;
    }
    if (socket) {
        socket->write(replies);
    } else if (m_pty) {
        m_pty->write(replies);
    }
}

void Kt90Simulator::readDatagrams()
{
    while (m_udp->hasPendingDatagrams()) {
        const QNetworkDatagram datagram = m_udp->receiveDatagram();
        if (!datagram.isValid()) {
            continue;
        }
        const Peer peer{datagram.senderAddress(), static_cast<quint16>(datagram.senderPort())};
        if (!m_udpPeers.contains(peer)) {
            m_udpPeers.append(peer);
        }
        const QByteArray data = datagram.data();
        record(data);
        QList<QByteArray> commands = data.split(';');
        // What follows the last ";" is not a command.
        commands.removeLast();
        QByteArray replies;
        for (const QByteArray& command : std::as_const(commands)) {
            replies += execute(command);
        }
        if (!m_silent && !replies.isEmpty()) {
            m_udp->writeDatagram(replies, peer.address, peer.port);
        }
    }
}

QByteArray Kt90Simulator::execute(const QByteArray& command)
{
    const QByteArray text = command.trimmed();
    if (text.isEmpty()) {
        m_rotor.stop();
    } else if (text == "AI2") {
        const double heading = m_rotor.heading();
        const QString value = m_options.decimalHeadings ? QString::number(heading, 'f', 1)
                                                        : QString::asprintf("%03d", int(std::lround(heading)));
        return "AI2" + value.toLatin1() + ';';
    } else if (text.startsWith("AP2")) {
        bool ok = false;
        const double degrees = text.mid(3).toDouble(&ok);
        if (ok && std::isfinite(degrees) && degrees >= 0.0 && degrees <= 360.0) {
            m_storedTarget = degrees;
            // The carriage return is the controller's "execute".
            if (command.contains('\r')) {
                m_rotor.turnTo(degrees);
            }
        }
    } else if (text == "AM2") {
        if (m_storedTarget) {
            m_rotor.turnTo(*m_storedTarget);
        }
    }
    return {};
}

void Kt90Simulator::sendRaw(const QByteArray& bytes)
{
    for (const auto& [socket, pending] : m_streams) {
        socket->write(bytes);
    }
    if (m_udp) {
        for (const Peer& peer : std::as_const(m_udpPeers)) {
            m_udp->writeDatagram(bytes, peer.address, peer.port);
        }
    }
    if (m_pty) {
        m_pty->write(bytes);
    }
}

void Kt90Simulator::record(const QByteArray& bytes)
{
    m_received.append(bytes);
    Q_EMIT recorded(bytes);
}

void Kt90Simulator::tickMotion()
{
    m_rotor.advance(static_cast<double>(m_motionClock.restart()) / 1000.0, m_options.turnRate);
}

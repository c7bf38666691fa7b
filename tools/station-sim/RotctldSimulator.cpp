#include "tools/station-sim/RotctldSimulator.h"

#include "core/protocol/RotctldFramer.h"
#include "core/protocol/RotctldProtocol.h"
#include "core/protocol/RotctldRequest.h"

#include <QTcpServer>
#include <QTcpSocket>

namespace {

constexpr int motionInterval = 50;

} // namespace

RotctldSimulator::RotctldSimulator(QObject* parent)
    : RotctldSimulator(Options{}, parent)
{}

RotctldSimulator::RotctldSimulator(const Options& options, QObject* parent)
    : QObject(parent)
    , m_options(options)
    , m_rotor(options.heading)
{
    m_motionClock.start();
    m_motionTimer.setInterval(motionInterval);
    connect(&m_motionTimer, &QTimer::timeout, this, &RotctldSimulator::tickMotion);
    m_motionTimer.start();
}

RotctldSimulator::~RotctldSimulator()
{
    for (const auto& [socket, pending] : m_streams) {
        QObject::disconnect(socket, nullptr, this, nullptr);
        socket->abort();
    }
}

bool RotctldSimulator::listen(quint16 port, const QHostAddress& address)
{
    if (!m_server) {
        m_server = new QTcpServer(this);
        connect(m_server, &QTcpServer::newConnection, this, &RotctldSimulator::onNewConnection);
    }
    return m_server->listen(address, port);
}

quint16 RotctldSimulator::serverPort() const
{
    return m_server ? m_server->serverPort() : 0;
}

QString RotctldSimulator::errorString() const
{
    return m_server ? m_server->errorString() : QString();
}

void RotctldSimulator::onNewConnection()
{
    while (QTcpSocket* socket = m_server->nextPendingConnection()) {
        m_streams.emplace(socket, QByteArray());
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { readStream(socket); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            m_streams.erase(socket);
            socket->deleteLater();
        });
    }
}

void RotctldSimulator::readStream(QTcpSocket* socket)
{
    const auto found = m_streams.find(socket);
    if (found == m_streams.end()) {
        return;
    }
    QByteArray& pending = found->second;
    pending += socket->readAll();
    QByteArray answers;
    bool quit = false;
    qsizetype end = 0;
    while (!quit && (end = pending.indexOf('\n')) >= 0) {
        const QByteArray line = pending.left(end + 1);
        pending.remove(0, end + 1);
        m_received.append(line);
        Q_EMIT recorded(line);
        answers += execute(line.chopped(1), quit);
    }
    if (pending.size() > RotctldFramer::maxLineBytes) {
        pending.clear();
        quit = true;
    }
    if (!m_silent && !answers.isEmpty()) {
        socket->write(answers);
    }
    if (quit) {
        socket->disconnectFromHost();
    }
}

QByteArray RotctldSimulator::execute(const QByteArray& line, bool& quit)
{
    using Command = RotctldRequest::Command;
    using namespace RotctldProtocol;
    const RotctldRequest request = RotctldRequest::parse(line);
    if (request.command == Command::none) {
        return {};
    }
    if (request.command == Command::quit) {
        quit = true;
        return {};
    }
    if (request.command == Command::unknown) {
        return answer(request, notImplemented);
    }
    if (!request.wellFormed) {
        return answer(request, invalidParameter);
    }
    if (m_errorCode != 0) {
        return answer(request, m_errorCode);
    }
    switch (request.command) {
    case Command::getPosition:
        return answer(request, ok, position(m_rotor.heading(), 0.0));
    case Command::setPosition:
        if (request.azimuth < minAzimuth || request.azimuth > maxAzimuth || request.elevation < minElevation ||
            request.elevation > maxElevation) {
            return answer(request, invalidParameter);
        }
        m_rotor.turnTo(request.azimuth);
        return answer(request, ok);
    case Command::stop:
        m_rotor.stop();
        return answer(request, ok);
    case Command::park:
        m_rotor.turnTo(0.0);
        return answer(request, ok);
    case Command::move:
        if (request.direction != moveLeft && request.direction != moveRight) {
            return answer(request, invalidParameter);
        }
        m_rotor.turnBy(request.direction == moveRight ? m_options.jogStep : -m_options.jogStep);
        return answer(request, ok);
    case Command::getInfo:
        return answer(request, ok, info("Xalto station simulator"));
    case Command::dumpState:
        return answer(request, ok, state());
    default:
        return answer(request, notImplemented);
    }
}

void RotctldSimulator::sendRaw(const QByteArray& bytes)
{
    for (const auto& [socket, pending] : m_streams) {
        socket->write(bytes);
    }
}

void RotctldSimulator::tickMotion()
{
    m_rotor.advance(static_cast<double>(m_motionClock.restart()) / 1000.0, m_options.turnRate);
}

#include "core/client/KeltoClient.h"

#include "core/client/Clock.h"
#include "core/client/CredentialStore.h"
#include "core/client/LocalTimeText.h"
#include "core/client/SerialPort.h"
#include "core/client/ServerVerification.h"
#include "core/client/SettingsStore.h"
#include "core/client/SystemClock.h"
#include "core/protocol/FixedText.h"
#include "core/protocol/OVVProtocol.h"
#include "core/protocol/PortNumber.h"
#include "core/protocol/RotctldProtocol.h"
#include "core/protocol/ServerEvent.h"
#include "core/protocol/StationFootprint.h"
#include "core/protocol/TerminalProtocol.h"

#include <QCoreApplication>
#include <QLocale>
#include <QPointer>
#include <QTcpSocket>
#include <QTimer>
#include <QUdpSocket>
#include <QtConcurrent/QtConcurrentRun>

#include <cmath>
#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace {

// Functions rather than constants: a translation is only known once the program has started.
QString disconnectedMessage()
{
    return QCoreApplication::translate("KeltoClient", "Disconnected");
}

QString liveMessage()
{
    return QCoreApplication::translate("KeltoClient", "Connected · live station data");
}

// Settings key, not translated.
const QString snapshotKeyPrefix = u"stationSnapshot:"_s;

bool holdsWhiteSpace(const QString& text)
{
    return std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.isSpace(); });
}

// The kinds that reach one rotator, polled for its heading, rather than a station server.
bool isTerminalKind(ConnectionKind kind)
{
    return kind != ConnectionKind::ovVarnex;
}

// A rotctld reports a rotator past north in its overlap as more than 360 or less than 0
// degrees; the rotor shown here points the same way within the circle.
double withinCircle(double azimuth)
{
    if (azimuth >= 0.0 && azimuth <= 360.0) {
        return azimuth;
    }
    const double heading = std::fmod(azimuth, 360.0);
    return heading < 0.0 ? heading + 360.0 : heading;
}

// Errors the socket reports before the connection is up that mean the server cannot be
// reached at all, as opposed to a connection that failed.
bool isUnavailable(QAbstractSocket::SocketError error)
{
    switch (error) {
    case QAbstractSocket::ConnectionRefusedError:
    case QAbstractSocket::HostNotFoundError:
    case QAbstractSocket::NetworkError:
        return true;
    default:
        return false;
    }
}

} // namespace

KeltoClient::KeltoClient(CredentialStore* credentialStore, SettingsStore& defaults, const Clock& clock, QObject* parent)
    : QObject(parent)
    , m_clock(clock)
    , m_credentialStore(credentialStore)
    , m_defaults(defaults)
    , m_message(disconnectedMessage())
    , m_now(clock.now())
    , m_terminalName(u"KT-90"_s)
    , m_generation(QUuid::createUuid())
    , m_lastReceived(m_now)
    , m_started(m_now)
    , m_lastPing(m_now)
{}

KeltoClient::~KeltoClient()
{
    // A tab closed while live keeps its last station; nothing is announced any more.
    saveSnapshot();
    finishSnapshots();
    m_generation = QUuid::createUuid();
    if (m_serial) {
        m_serial->cancel();
        m_serial.reset();
    }
    if (m_socket) {
        m_socket->disconnect(this);
        m_socket->abort();
    }
}

const Clock& KeltoClient::systemClock()
{
    static const SystemClock clock;
    return clock;
}

ServerVerification* KeltoClient::verifyServer(const QString& host, const QString& port, ConnectionKind kind,
                                              QObject* parent, const Clock& clock)
{
    auto* verification = new ServerVerification(host, port, kind, clock, parent);
    verification->start();
    return verification;
}

// ---- Published state ----

void KeltoClient::setControlsEnabled(bool enabled)
{
    publish(m_controlsEnabled, enabled, &KeltoClient::controlsEnabledChanged);
}

void KeltoClient::setSwitchControlsEnabled(bool enabled)
{
    publish(m_switchControlsEnabled, enabled, &KeltoClient::switchControlsEnabledChanged);
}

void KeltoClient::setStation(StationState station)
{
    m_station = std::move(station);
    // A station given whole (empty, or a snapshot) is measured at the next check.
    m_stationGrowth = stationRecheckBytes;
    Q_EMIT stationChanged();
}

void KeltoClient::setReceivedServerPresets(bool value)
{
    publish(m_receivedServerPresets, value, &KeltoClient::receivedServerPresetsChanged);
}

void KeltoClient::setEndpoint(const QString& endpoint)
{
    publish(m_endpoint, endpoint, &KeltoClient::endpointChanged);
}

void KeltoClient::setConnected(bool value)
{
    publish(m_connected, value, &KeltoClient::connectedChanged);
}

void KeltoClient::setConnecting(bool value)
{
    publish(m_connecting, value, &KeltoClient::connectingChanged);
}

void KeltoClient::setMessage(const QString& message)
{
    publish(m_message, message, &KeltoClient::messageChanged);
}

void KeltoClient::setNow(Instant at)
{
    publish(m_now, at, &KeltoClient::nowChanged);
}

void KeltoClient::setConnectionKind(ConnectionKind kind)
{
    publish(m_connectionKind, kind, &KeltoClient::connectionKindChanged);
}

void KeltoClient::setAuthenticationRequest(std::optional<AuthenticationRequest> request)
{
    publish(m_authenticationRequest, std::move(request), &KeltoClient::authenticationRequestChanged);
}

void KeltoClient::setCredentialNotice(std::optional<QString> notice)
{
    publish(m_credentialNotice, std::move(notice), &KeltoClient::credentialNoticeChanged);
}

void KeltoClient::setRotorLockRequests(QMap<QString, bool> requests)
{
    publish(m_rotorLockRequests, std::move(requests), &KeltoClient::rotorLockRequestsChanged);
}

// ---- Lifecycle ----

void KeltoClient::connectTo(const QString& host, const QString& port, const QString& user, const QString& password,
                            ConnectionKind kind, const QString& rotorName, UdpLocalPort udpLocalPort)
{
    // A connection starts with its own lines: the tear-down is logged only when it ends one.
    end(disconnectedMessage(), active() ? Logged::yes : Logged::no);

    setConnectionKind(kind);
    // The rotor's name on the station, like a server's device name: not translated.
    const QString fallbackName = kind == ConnectionKind::hamlibRotctld ? u"rotctld"_s : u"KT-90"_s;
    m_terminalName = OVVProtocol::validField(rotorName) ? rotorName : fallbackName;
    m_terminalPending = TerminalFramer{};
    m_rotctldReplies = RotctldReplyReader{};
    m_rotctldAzimuth.reset();

    if (kind == ConnectionKind::kt90Serial) {
        connectSerial(host, port);
        return;
    }

    const QString trimmedHost = host.trimmed();
    const std::optional<quint16> portNumber = parsePortNumber(port);
    if (trimmedHost.isEmpty() || holdsWhiteSpace(trimmedHost) || !portNumber) {
        setMessage(tr("Enter a hostname and a port from 1 to 65535."));
        return;
    }

    const QString portText = QString::number(*portNumber);
    setEndpoint(trimmedHost.toLower() + u':' + portText);
    m_targetHost = trimmedHost;
    m_targetPort = portText;
    setCredentialNotice(std::nullopt);
    m_user = user;
    m_password = password;
    setReceivedServerPresets(false);
    m_requestedInitialPresets = false;
    setStation(StationState{});
    m_decoder = LineDecoder{};

    setConnecting(true);
    setMessage(tr("Connecting to %1:%2…").arg(trimmedHost, portText));
    const Instant at = m_clock.now();
    m_started = at;
    m_lastReceived = at;
    m_lastPing = at;

    const QUuid token = m_generation;
    openSocket(trimmedHost, *portNumber, udpLocalPort);
    // A UDP socket that cannot be bound ends the attempt before it starts.
    if (m_generation == token) {
        startTimer();
    }
}

void KeltoClient::disconnectFromStation()
{
    end(disconnectedMessage());
}

void KeltoClient::openSocket(const QString& host, quint16 port, UdpLocalPort udpLocalPort)
{
    const bool udp = m_connectionKind == ConnectionKind::kt90UDP;
    QAbstractSocket* socket = nullptr;
    if (udp) {
        // The profile's local port or, by default, the controller's own, shared so that another
        // program on this host can bind it as well.
        auto* udpSocket = new QUdpSocket(this);
        if (!udpSocket->bind(QHostAddress(QHostAddress::AnyIPv4), udpLocalPort.value_or(port),
                             QAbstractSocket::ShareAddress | QAbstractSocket::ReuseAddressHint)) {
            const QString description = udpSocket->errorString();
            delete udpSocket;
            end(tr("Connection failed: %1").arg(description));
            return;
        }
        socket = udpSocket;
    } else {
        socket = new QTcpSocket(this);
        // Bounds what one connection can make the client hold between reads.
        socket->setReadBufferSize(maxReadBytes);
    }
    m_socket = socket;

    const QUuid token = m_generation;
    const QPointer<KeltoClient> self(this);
    connect(socket, &QAbstractSocket::connected, this, [self, token, host, port] {
        if (self && self->m_generation == token) {
            self->transportReady(host, port);
        }
    });
    connect(socket, &QAbstractSocket::errorOccurred, this, [self, token](QAbstractSocket::SocketError error) {
        if (self && self->m_generation == token) {
            self->transportError(error);
        }
    });
    if (udp) {
        connect(socket, &QIODevice::readyRead, this, [self, token] {
            if (self && self->m_generation == token) {
                self->readDatagrams(token);
            }
        });
    } else {
        connect(socket, &QAbstractSocket::disconnected, this, [self, token] {
            if (self && self->m_generation == token) {
                self->transportError(QAbstractSocket::RemoteHostClosedError);
            }
        });
        connect(socket, &QIODevice::readyRead, this, [self, token] {
            if (self && self->m_generation == token) {
                self->readAvailable(token);
            }
        });
    }
    // A UDP socket is connected at once, before this returns, for an address given as digits.
    socket->connectToHost(host, port);
}

void KeltoClient::startTimer()
{
    m_timer = new QTimer(this);
    m_timer->setInterval(1000);
    const QUuid token = m_generation;
    const QPointer<KeltoClient> self(this);
    connect(m_timer, &QTimer::timeout, this, [self, token] {
        if (self && self->m_generation == token) {
            self->tick();
        }
    });
    m_timer->start();
}

void KeltoClient::transportReady(const QString& host, quint16 port)
{
    m_tcpReady = true;
    setMessage(m_connectionKind == ConnectionKind::hamlibRotctld ? tr("Checking rotctld…")
               : isTerminalKind(m_connectionKind)                ? tr("Checking KT-90 terminal…")
                                                                 : tr("Checking OV Varnex server…"));
    note((m_connectionKind == ConnectionKind::kt90UDP ? tr("UDP ready to %1:%2") : tr("TCP connected to %1:%2"))
             .arg(host, QString::number(port)));
    if (isTerminalKind(m_connectionKind)) {
        queryHeading();
    }
    // Reads are armed by the socket itself: every readyRead carries this connection's token.
}

void KeltoClient::transportError(QAbstractSocket::SocketError error)
{
    const QString description = m_socket ? m_socket->errorString() : QString();
    if (!m_tcpReady) {
        end((isUnavailable(error) ? tr("Connection unavailable: %1") : tr("Connection failed: %1")).arg(description));
        return;
    }
    if (m_connectionKind == ConnectionKind::kt90UDP) {
        // Once ready, a UDP socket reports only failed writes here; `send` and `readDatagrams`
        // end the connection with their own messages.
        return;
    }
    if (error == QAbstractSocket::RemoteHostClosedError) {
        // Whatever the server sent before it closed is still processed.
        const QUuid token = m_generation;
        readAvailable(token, ReadAll::yes);
        if (m_generation == token) {
            end(m_connectionKind == ConnectionKind::hamlibRotctld ? tr("rotctld closed the connection.")
                                                                  : tr("Server closed the connection."));
        }
        return;
    }
    end(tr("Connection lost: %1").arg(description));
}

void KeltoClient::readAvailable(const QUuid& token, ReadAll all)
{
    for (int reads = 0; m_generation == token && m_socket && m_socket->bytesAvailable() > 0; ++reads) {
        if (all == ReadAll::no && reads == readsPerTurn) {
            // A flooding server must not keep the main thread from everything else. The socket
            // signals again only for new bytes, so the rest is taken up on the next turn.
            const QPointer<KeltoClient> self(this);
            QTimer::singleShot(0, this, [self, token] {
                if (self && self->m_generation == token) {
                    self->readAvailable(token);
                }
            });
            return;
        }
        const QByteArray chunk = m_socket->read(maxReadBytes);
        if (chunk.isEmpty()) {
            return;
        }
        const Instant at = m_clock.now();
        m_lastReceived = at;
        setNow(at);
        if (m_connectionKind == ConnectionKind::kt90Terminal) {
            receiveTerminal(chunk);
        } else if (m_connectionKind == ConnectionKind::hamlibRotctld) {
            receiveRotctld(chunk);
        } else {
            receiveLines(chunk);
        }
    }
}

void KeltoClient::receiveLines(const QByteArray& chunk)
{
    const ProtocolResult<QStringList> lines = m_decoder.append(chunk);
    if (!lines) {
        end(lines.failure().description());
        return;
    }
    const QUuid token = m_generation;
    for (const QString& line : *lines) {
        process(ServerEvent::parse(line));
        if (m_generation != token) {
            return;
        }
        applyLineRules(line);
    }
}

// Signal levels and switch position details ride on report lines the parser reads only in part.
void KeltoClient::applyLineRules(const QString& line)
{
    const QList<QStringView> fields = QStringView(line).split(OVVProtocol::us);
    if (fields.size() >= 5 && (fields[0] == u"POINT"_s || fields[0] == u"SWITCHUPDATE"_s)) {
        const QString device = fields[1].toString();
        const std::optional<int> rssi = OVVProtocol::integer(fields[4]);
        if (rssi && (m_station.rotors.contains(device) || m_station.switches.contains(device))) {
            applyToStation(ServerEvent{ServerEvent::Signal{device, *rssi}});
        }
        return;
    }
    if (fields.size() >= 4 && fields[0] == u"SWITCHADD"_s) {
        const std::optional<int> displayType = OVVProtocol::integer(fields[1]);
        const QString name = fields[2].split(OVVProtocol::gs).first().toString();
        if (!displayType || !m_station.switches.contains(name)) {
            return;
        }
        QList<SwitchPosition> positions;
        for (qsizetype i = 3; i < fields.size(); ++i) {
            if (std::optional<SwitchPosition> position = SwitchPosition::fromWire(fields[i], *displayType)) {
                positions.append(std::move(*position));
            }
        }
        applyToStation(ServerEvent{ServerEvent::SwitchMetadata{name, positions}});
    }
}

void KeltoClient::readDatagrams(const QUuid& token)
{
    // Larger than the size rule allows, so that an oversized datagram is seen as one. Reading a
    // connected UDP socket also collects its pending error (an unreachable port) and re-arms its
    // notifier, which a readiness without a datagram would otherwise leave switched off.
    QByteArray buffer(TerminalProtocol::maxDatagramBytes + 1, Qt::Uninitialized);
    for (int taken = 0; m_generation == token && m_socket; ++taken) {
        if (taken == datagramsPerTurn) {
            // A peer that floods the port must not keep the main thread from everything else.
            // The notifier, re-armed by these reads, signals again for the rest.
            return;
        }
        const qint64 count = m_socket->read(buffer.data(), buffer.size());
        if (count < 0) {
            end(tr("UDP connection lost: %1").arg(m_socket->errorString()));
            return;
        }
        if (count == 0) {
            // Nothing more for now, or an empty datagram; either way the next one signals anew.
            return;
        }
        receiveDatagram(QByteArrayView(buffer.constData(), count));
    }
}

// A datagram holds whole replies only: it must end with ";", and each of its parts is read on
// its own. Anything else leaves the connection as it was, the time of the last receipt included,
// so the time limits also catch a controller that answers only with garbage.
void KeltoClient::receiveDatagram(QByteArrayView datagram)
{
    const QUuid token = m_generation;
    for (const double heading : TerminalProtocol::datagramHeadings(datagram)) {
        const Instant at = m_clock.now();
        m_lastReceived = at;
        setNow(at);
        terminalHeading(heading);
        if (m_generation != token) {
            return;
        }
    }
}

void KeltoClient::terminalHeading(double heading)
{
    process(ServerEvent{ServerEvent::Point{m_terminalName, heading, u"0"_s}});
}

void KeltoClient::receiveTerminal(const QByteArray& data)
{
    const ProtocolResult<QList<double>> headings = m_terminalPending.append(data);
    if (!headings) {
        end(headings.failure().description());
        return;
    }
    const QUuid token = m_generation;
    for (const double heading : *headings) {
        terminalHeading(heading);
        if (m_generation != token) {
            return;
        }
    }
}

void KeltoClient::queryHeading()
{
    if (m_connectionKind != ConnectionKind::hamlibRotctld) {
        send(TerminalProtocol::query());
        return;
    }
    if (!m_rotctldReplies.awaitsPosition()) {
        sendRotctld(RotctldProtocol::positionQuery(), RotctldReplyReader::Expect::position);
    }
}

bool KeltoClient::sendRotctld(const QByteArray& command, RotctldReplyReader::Expect answer)
{
    if (m_rotctldReplies.waiting() >= RotctldReplyReader::maxWaiting) {
        endLater(tr("rotctld stopped answering: %n commands are waiting for an answer.", nullptr,
                    static_cast<int>(RotctldReplyReader::maxWaiting)));
        return false;
    }
    m_rotctldReplies.expect(answer);
    send(command);
    return true;
}

void KeltoClient::receiveRotctld(const QByteArray& data)
{
    const ProtocolResult<QList<RotctldReplyReader::Reply>> replies = m_rotctldReplies.append(data);
    if (!replies) {
        end(replies.failure().description());
        return;
    }
    const QUuid token = m_generation;
    for (const RotctldReplyReader::Reply& reply : *replies) {
        if (reply.code != RotctldProtocol::ok) {
            // "RPRT" is rotctld's own keyword, kept as the reply showed it.
            end(tr("rotctld reported an error: %1 (RPRT %2).")
                    .arg(RotctldProtocol::reportText(reply.code), QString::number(reply.code)));
            return;
        }
        if (reply.azimuth) {
            m_rotctldAzimuth = *reply.azimuth;
            terminalHeading(withinCircle(*reply.azimuth));
            if (m_generation != token) {
                return;
            }
        }
    }
}

void KeltoClient::connectSerial(const QString& path, const QString& baud)
{
    // The endpoint keys the saved login and snapshot: not translated.
    setEndpoint(u"serial:"_s + path + u'@' + baud);
    setStation(StationState{});
    setReceivedServerPresets(false);
    m_requestedInitialPresets = false;
    const Instant at = m_clock.now();
    m_started = at;
    m_lastReceived = at;
    m_lastPing = at;
    setConnecting(true);
    setMessage(tr("Checking KT-90 serial port…"));

    // Unreadable text becomes 0, which the port refuses with its own message.
    const int baudRate = OVVProtocol::integer(baud).value_or(0);

    // The handlers run on the port's thread. The client is a safe target for the hop: the port
    // is dropped, and its thread joined, before the client goes away, and posted calls die with
    // the client. The token and the weak pointer are checked on the main thread only.
    const QUuid token = m_generation;
    const QPointer<KeltoClient> self(this);
    KeltoClient* const target = this;
    auto receive = [target, self, token](const QByteArray& bytes) {
        QMetaObject::invokeMethod(
            target,
            [self, token, bytes] {
                if (self && self->m_generation == token) {
                    const Instant received = self->m_clock.now();
                    self->m_lastReceived = received;
                    self->setNow(received);
                    self->receiveTerminal(bytes);
                }
            },
            Qt::QueuedConnection);
    };
    auto failure = [target, self, token](const QString& text) {
        QMetaObject::invokeMethod(
            target,
            [self, token, text] {
                if (self && self->m_generation == token) {
                    self->end(text);
                }
            },
            Qt::QueuedConnection);
    };

    ProtocolResult<std::shared_ptr<SerialPort>> opened =
        SerialPort::open(path, baudRate, std::move(receive), std::move(failure));
    if (!opened) {
        end(opened.failure().description());
        return;
    }
    m_serial = std::move(opened).value();
    m_tcpReady = true;
    note(tr("Opened serial port %1 at %2 baud").arg(path, baud));
    send(TerminalProtocol::query());
    startTimer();
}

void KeltoClient::tick()
{
    const Instant at = m_clock.now();
    setNow(at);
    // The server has answered; the wait is for the keyring, which the user can cancel.
    if (m_connecting && !m_readingLogin && at - m_started > 10.0) {
        end(tr("No compatible server or device response within 10 seconds. Check the server address, port, LAN or "
               "VPN."));
        return;
    }
    if (isTerminalKind(m_connectionKind) && m_tcpReady) {
        queryHeading();
    }
    if (!m_connected) {
        return;
    }
    if ((!m_lastSnapshot || at - *m_lastSnapshot >= 5.0) && m_snapshots.isEmpty()) {
        saveSnapshot();
    }
    if (at - m_lastReceived > 20.0) {
        end(tr("No server data for 20 seconds. Reconnect to refresh the station."));
        return;
    }
    if (isTerminalKind(m_connectionKind)) {
        return;
    }
    if (at - m_lastPing >= 5.0) {
        m_lastPing = at;
        send(QByteArray(1, '\0'));
    }
}

void KeltoClient::send(const QByteArray& data)
{
    if (!m_tcpReady) {
        return;
    }
    if (m_serial) {
        m_serial->send(data);
        return;
    }
    if (!m_socket) {
        return;
    }
    if (m_socket->write(data) != data.size()) {
        endLater(tr("Send failed: %1").arg(m_socket->errorString()));
        return;
    }
    if (m_socket->bytesToWrite() > maxUnsentBytes) {
        endLater(tr("Send failed: the server stopped reading; more than %1 KiB of commands are waiting.")
                     .arg(maxUnsentBytes / 1024));
    }
}

void KeltoClient::endLater(const QString& message)
{
    // Reported after the command that sent it has finished, as a write completion would be.
    const QUuid token = m_generation;
    const QPointer<KeltoClient> self(this);
    QTimer::singleShot(0, this, [self, token, message] {
        if (self && self->m_generation == token) {
            self->end(message);
        }
    });
}

bool KeltoClient::active() const
{
    return m_connected || m_connecting || m_socket || m_serial;
}

void KeltoClient::end(const QString& message, Logged logged)
{
    saveSnapshot();
    setAuthenticationRequest(std::nullopt);
    m_awaitingAcceptance = false;
    m_readingLogin = false;
    // The notice speaks of the connection that is ending.
    setCredentialNotice(std::nullopt);

    m_generation = QUuid::createUuid();

    if (m_serial) {
        m_serial->cancel();
        m_serial.reset();
    }
    if (m_socket) {
        m_socket->disconnect(this);
        m_socket->abort();
        // Later: the socket signal that led here may still be running on it.
        m_socket->deleteLater();
        m_socket = nullptr;
    }
    if (m_timer) {
        m_timer->stop();
        m_timer->deleteLater();
        m_timer = nullptr;
    }
    m_tcpReady = false;

    setRotorLockRequests({});
    setConnected(false);
    setConnecting(false);
    setControlsEnabled(false);
    setSwitchControlsEnabled(false);

    m_user.clear();
    m_password.clear();

    setNow(m_clock.now());
    setMessage(message);
    if (logged == Logged::yes) {
        note(message);
    }
}

void KeltoClient::note(const QString& text)
{
    // The stamp shows whole seconds: formatting it once a second keeps a busy log cheap.
    const double second = std::floor(m_clock.now().secondsSinceReference());
    if (m_logStampSecond != second) {
        m_logStampSecond = second;
        m_logStamp = localTimeText(Instant(second));
    }
    const QString line =
        m_logStamp + u"  "_s + text + (m_commandOrigin.isEmpty() ? QString() : u" ("_s + m_commandOrigin + u')');
    m_log.append(line);
    if (m_log.size() > maxLogLines) {
        // Cheap: a list gives up its front without moving the rest.
        m_log.removeFirst();
        ++m_logDropped;
    }
    Q_EMIT lineLogged(line);
    Q_EMIT logChanged();
}

// ---- Dispatch ----

void KeltoClient::process(const ServerEvent& event)
{
    if (const auto* add = event.as<ServerEvent::Add>()) {
        goLive();
        acceptedAuthentication();
        if (m_connectionKind == ConnectionKind::ovVarnex && !m_requestedInitialPresets) {
            m_requestedInitialPresets = true;
            refreshPresets();
        }
        if (applyToStation(event)) {
            note(tr("Discovered %1").arg(add->name));
        }
        return;
    }
    if (event.as<ServerEvent::Locations>()) {
        goLive();
        setReceivedServerPresets(true);
        commonStep(event);
        return;
    }
    if (event.as<ServerEvent::Turvix>() || event.as<ServerEvent::Point>() || event.as<ServerEvent::SwitchAdded>() ||
        event.as<ServerEvent::SwitchUpdated>() || event.as<ServerEvent::StackAdded>() ||
        event.as<ServerEvent::StackUpdated>()) {
        goLive();
        commonStep(event);
        return;
    }
    if (event.as<ServerEvent::SwitchLocks>() || event.as<ServerEvent::StackRemoved>() ||
        event.as<ServerEvent::SwitchRemoved>()) {
        commonStep(event);
        return;
    }
    if (const auto* remove = event.as<ServerEvent::Remove>()) {
        if (m_rotorLockRequests.contains(remove->name)) {
            QMap<QString, bool> requests = m_rotorLockRequests;
            requests.remove(remove->name);
            setRotorLockRequests(std::move(requests));
        }
        if (applyToStation(event)) {
            note(tr("Removed %1").arg(remove->name));
        }
        return;
    }
    if (const auto* challenge = event.as<ServerEvent::Challenge>()) {
        answerChallenge(challenge->text);
        return;
    }
    if (event.as<ServerEvent::UserRequired>()) {
        loginRequired();
        return;
    }
    if (event.as<ServerEvent::Rejected>()) {
        loginRejected();
        return;
    }
    if (event.as<ServerEvent::Full>()) {
        end(tr("Server connection limit reached."));
        return;
    }
    if (event.as<ServerEvent::Closed>()) {
        end(tr("Server requested disconnection."));
        return;
    }
    // Signal, SwitchMetadata and Unknown: signal levels and position details come from the
    // line rules, anything else is dropped.
}

void KeltoClient::goLive()
{
    setConnected(true);
    setConnecting(false);
    setMessage(liveMessage());
}

void KeltoClient::commonStep(const ServerEvent& event)
{
    acceptedAuthentication();
    // Only once live: a preset request before that would be refused and never repeated.
    if (m_connected && m_connectionKind == ConnectionKind::ovVarnex && !m_requestedInitialPresets) {
        m_requestedInitialPresets = true;
        refreshPresets();
    }
    // A lock or removal report before any station data does not make the link live.
    if (applyToStation(event) && m_connected) {
        setMessage(liveMessage());
    }
}

bool KeltoClient::applyToStation(const ServerEvent& event)
{
    m_station.apply(event, m_clock.now());
    Q_EMIT stationChanged();
    if (StationFootprint::devices(m_station) > maxStationDevices) {
        end(tr("The station reports more than %1 devices; the connection was ended.").arg(maxStationDevices));
        return false;
    }
    // Walking the whole station for every line would let a flood of small lines cost as much as
    // the station is large; the bound on what lines could add says when a walk is due.
    m_stationGrowth += StationFootprint::growth(event);
    if (m_stationGrowth >= stationRecheckBytes) {
        m_stationGrowth = 0;
        if (StationFootprint::of(m_station) > maxStationBytes) {
            end(tr("The station's data exceeds %1 MiB; the connection was ended.").arg(maxStationBytes >> 20));
            return false;
        }
    }
    return true;
}

// ---- Logins ----

void KeltoClient::loginRequired()
{
    if (m_user.isEmpty() && m_credentialStore) {
        if (m_readingLogin) {
            return;
        }
        // The keyring may first ask the user to unlock it; the header's Cancel ends the wait.
        m_readingLogin = true;
        setMessage(tr("Reading the saved login…"));
        const QUuid token = m_generation;
        const QPointer<KeltoClient> self(this);
        m_credentialStore->load(m_endpoint, this, [self, token](const CredentialStore::LoadResult& loaded) {
            if (self && self->m_generation == token && self->m_readingLogin) {
                self->savedLoginRead(loaded);
            }
        });
        return;
    }
    sendLogin();
}

void KeltoClient::savedLoginRead(const CredentialStore::LoadResult& loaded)
{
    m_readingLogin = false;
    if (std::holds_alternative<KeychainError>(loaded)) {
        const QString explanation =
            tr("Saved login could not be read from the system keychain. Enter your server credentials.");
        end(explanation);
        setAuthenticationRequest(AuthenticationRequest::make(m_endpoint, QString(), explanation));
        return;
    }
    if (const auto& stored = std::get<std::optional<ServerCredentials>>(loaded)) {
        m_user = stored->username;
        m_password = stored->password;
    }
    sendLogin();
}

void KeltoClient::sendLogin()
{
    if (!m_user.isEmpty()) {
        setMessage(tr("Authenticating…"));
        const ProtocolResult<QByteArray> command = OVVProtocol::username(m_user);
        if (!command) {
            end(command.failure().description());
            return;
        }
        send(*command);
        return;
    }
    const QString explanation = tr("This server requires a username and password.");
    end(explanation);
    setAuthenticationRequest(AuthenticationRequest::make(m_endpoint, QString(), explanation));
}

void KeltoClient::answerChallenge(const QString& challenge)
{
    m_awaitingAcceptance = true;
    const ProtocolResult<QByteArray> answer = OVVProtocol::authentication(m_user, m_password, challenge);
    if (!answer) {
        end(answer.failure().description());
        return;
    }
    send(*answer);
}

void KeltoClient::loginRejected()
{
    const QString refused = m_user;
    const QString explanation = tr("Server rejected the username or password. Please try again.");
    end(explanation);
    setAuthenticationRequest(AuthenticationRequest::make(m_endpoint, refused, explanation));
}

void KeltoClient::acceptedAuthentication()
{
    if (!m_awaitingAcceptance) {
        return;
    }
    m_awaitingAcceptance = false;
    if (m_credentialStore) {
        // The station goes on at once; the keychain answers whenever it can.
        const QUuid token = m_generation;
        const QPointer<KeltoClient> self(this);
        m_credentialStore->save(m_endpoint, ServerCredentials{m_user, m_password}, this,
                                [self, token](const std::optional<KeychainError>& failure) {
                                    if (self && failure) {
                                        self->loginNotSaved(*failure, self->m_generation == token);
                                    }
                                });
    }
    m_user.clear();
    m_password.clear();
}

void KeltoClient::loginNotSaved(const KeychainError& failure, bool sameConnection)
{
    const QString notice = tr("Connected, but the login could not be saved in the system keychain. "
                              "You may be asked again next time.");
    note(notice + u' ' + failure.description());
    if (sameConnection) {
        setCredentialNotice(notice);
    }
}

void KeltoClient::submitCredentials(const QString& username, const QString& password)
{
    if (!m_authenticationRequest || username.isEmpty()) {
        return;
    }
    // Copies: the connect rewrites the fields they are read from.
    const QString host = m_targetHost;
    const QString port = m_targetPort;
    connectTo(host, port, username, password, ConnectionKind::ovVarnex, u"KT-90"_s, std::nullopt);
}

void KeltoClient::cancelAuthentication()
{
    if (m_authenticationRequest) {
        end(disconnectedMessage());
    }
}

// ---- Guards and commands ----

QString KeltoClient::refusalText(TurnRefusal refusal)
{
    switch (refusal) {
    case TurnRefusal::none:
        break;
    case TurnRefusal::notConnected:
        return tr("not connected to the station");
    case TurnRefusal::controlOff:
        return tr("control is off");
    case TurnRefusal::rotorMissing:
        return tr("rotor not on the station");
    case TurnRefusal::headingStale:
        return tr("heading is stale");
    case TurnRefusal::headingChanging:
        return tr("heading is changing");
    case TurnRefusal::rotorUnavailable:
        return tr("rotor does not accept a turn");
    case TurnRefusal::noJog:
        return tr("controller has no jog command");
    case TurnRefusal::outsideLimits:
        return tr("heading is outside the rotor's limits");
    }
    return {};
}

KeltoClient::TurnRefusal KeltoClient::turnRefusal(const Rotor& rotor, TurnRules rules) const
{
    const Instant at = m_clock.now();
    const bool tracker = rules == TurnRules::tracker;
    if (!m_connected) {
        return TurnRefusal::notConnected;
    }
    if (!m_controlsEnabled) {
        return TurnRefusal::controlOff;
    }
    if (!rotor.fresh(at)) {
        return TurnRefusal::headingStale;
    }
    if (!tracker && rotor.headingChanging(at)) {
        return TurnRefusal::headingChanging;
    }
    if (!(tracker ? rotor.controllable() : rotor.acceptsTurn())) {
        return TurnRefusal::rotorUnavailable;
    }
    return TurnRefusal::none;
}

KeltoClient::TurnRefusal KeltoClient::turnRefusal(const QString& name, TurnRules rules) const
{
    const auto rotor = m_station.rotors.constFind(name);
    if (rotor == m_station.rotors.cend()) {
        // A missing rotor of a lost link is a matter of the link.
        return m_connected ? TurnRefusal::rotorMissing : TurnRefusal::notConnected;
    }
    return turnRefusal(*rotor, rules);
}

KeltoClient::TurnRefusal KeltoClient::turnRefusal(const QString& name, double heading, TurnRules rules) const
{
    const TurnRefusal refusal = turnRefusal(name, rules);
    if (refusal != TurnRefusal::none) {
        return refusal;
    }
    const RotorMechanics::Decision decision =
        RotorMechanics::plan(rotorMechanics(name), name, numbering(), controllerHeading(name), heading);
    return decision.send ? TurnRefusal::none : TurnRefusal::outsideLimits;
}

void KeltoClient::setRotorMechanics(const QMap<QString, RotorMechanics>& mechanics)
{
    publish(m_mechanics, mechanics, &KeltoClient::rotorMechanicsChanged);
}

RotorMechanics::Numbering KeltoClient::numbering() const
{
    // KT-90 frames carry three digits 000–360 and the station server takes 0–360 with one
    // decimal, so neither can be told an overlap or south-stop number: their controller owns
    // the route, and only the limits, the sector and two-way apply.
    return m_connectionKind == ConnectionKind::hamlibRotctld ? RotorMechanics::Numbering::range
                                                             : RotorMechanics::Numbering::bearing;
}

std::optional<double> KeltoClient::controllerHeading(const QString& name) const
{
    const auto rotor = m_station.rotors.constFind(name);
    if (rotor == m_station.rotors.cend() || !rotor->heading) {
        return std::nullopt;
    }
    if (m_connectionKind == ConnectionKind::hamlibRotctld && m_rotctldAzimuth) {
        return m_rotctldAzimuth;
    }
    return rotor->heading;
}

KeltoClient::TurnRefusal KeltoClient::jogRefusal(const QString& name) const
{
    const TurnRefusal refusal = turnRefusal(name);
    return refusal == TurnRefusal::none && m_connectionKind != ConnectionKind::ovVarnex ? TurnRefusal::noJog : refusal;
}

bool KeltoClient::canStop(const Rotor& rotor) const
{
    return m_connected && m_controlsEnabled && rotor.controllable();
}

bool KeltoClient::canRequestRotorLock(const Rotor& rotor) const
{
    return m_connectionKind == ConnectionKind::ovVarnex && m_connected && m_controlsEnabled && rotor.controllable() &&
           rotor.fresh(m_clock.now());
}

bool KeltoClient::canSetStack(const StackOutput& stack) const
{
    return m_connected && m_switchControlsEnabled && stack.status == u"0"_s && stack.fresh(m_clock.now());
}

bool KeltoClient::canSelectSwitch(const AntennaSwitch& antennaSwitch, const QString& position) const
{
    return m_connected && m_switchControlsEnabled && antennaSwitch.accepts(position, m_clock.now());
}

bool KeltoClient::canControlTuner(const TurvixTuner& tuner) const
{
    return m_connected && m_switchControlsEnabled && (tuner.status == u"0"_s || tuner.status == u"9"_s) &&
           tuner.fresh(m_clock.now());
}

bool KeltoClient::sendCommand(const ProtocolResult<QByteArray>& command)
{
    if (!command) {
        note(command.failure().description());
        return false;
    }
    // Turn and stop are all a rotctld is sent; each is answered by a report.
    if (m_connectionKind == ConnectionKind::hamlibRotctld) {
        return sendRotctld(*command, RotctldReplyReader::Expect::report);
    }
    send(*command);
    return true;
}

bool KeltoClient::turn(const QString& name, double heading, TurnRules rules)
{
    const TurnRefusal refusal = turnRefusal(name, rules);
    if (refusal != TurnRefusal::none) {
        if (rules == TurnRules::window) {
            note(tr("Turn blocked: control is disabled or heading is stale."));
        } else {
            //: %1 is one of the reasons a command is refused, such as "control is off".
            note(tr("Turn blocked: %1.").arg(refusalText(refusal)));
        }
        return false;
    }
    // The station and KT-90 wires carry 0–360 only: any other number goes to the command's own
    // check, which refuses it with its usual sentence.
    const bool onWire = std::isfinite(heading) && heading >= 0.0 && heading <= 360.0;
    const RotorMechanics::Decision decision =
        numbering() == RotorMechanics::Numbering::bearing && !onWire
            ? RotorMechanics::Decision{heading, {}}
            : RotorMechanics::plan(rotorMechanics(name), name, numbering(), controllerHeading(name), heading);
    if (!decision.send) {
        note(decision.refusal);
        return false;
    }
    const double number = *decision.send;
    const ProtocolResult<QByteArray> command =
        m_connectionKind == ConnectionKind::ovVarnex        ? OVVProtocol::turn(name, number)
        : m_connectionKind == ConnectionKind::kt90UDP       ? TerminalProtocol::udpTurn(number)
        : m_connectionKind == ConnectionKind::hamlibRotctld ? RotctldProtocol::setPosition(number)
                                                            : TerminalProtocol::turn(number);
    if (!sendCommand(command)) {
        return false;
    }
    // The number sent differs from the heading asked for on a two-way antenna or in an overlap.
    const bool same = std::fabs(number - heading) < 0.05;
    note(same ? tr("Turn requested: %1 → %2°").arg(name, fixedText(number, 1))
              : tr("Turn requested: %1 → %2° (for %3°)").arg(name, fixedText(number, 1), fixedText(heading, 1)));
    Q_EMIT turnSent(name, number);
    return true;
}

bool KeltoClient::park(const QString& name, TurnRules rules)
{
    return turn(name, rotorMechanics(name).park, rules);
}

bool KeltoClient::stop(const QString& name)
{
    const auto rotor = m_station.rotors.constFind(name);
    if (rotor == m_station.rotors.cend() || !canStop(*rotor)) {
        return false;
    }
    const ProtocolResult<QByteArray> command = m_connectionKind == ConnectionKind::ovVarnex ? OVVProtocol::stop(name)
                                               : m_connectionKind == ConnectionKind::hamlibRotctld
                                                   ? ProtocolResult<QByteArray>(RotctldProtocol::stop())
                                                   : ProtocolResult<QByteArray>(TerminalProtocol::stop());
    if (!sendCommand(command)) {
        return false;
    }
    note(tr("Stop requested: %1").arg(name));
    Q_EMIT stopSent(name);
    return true;
}

void KeltoClient::stopAll()
{
    // QMap keeps its keys in ascending order.
    const QStringList names = m_station.rotors.keys();
    for (const QString& name : names) {
        stop(name);
    }
}

bool KeltoClient::jog(const QString& name, bool clockwise, TurnRules rules)
{
    const TurnRefusal refusal = jogRefusal(name);
    if (refusal != TurnRefusal::none) {
        if (rules == TurnRules::window) {
            note(tr("Jog blocked: control disabled, stale or moving."));
        } else {
            //: %1 is one of the reasons a command is refused, such as "control is off".
            note(tr("Jog blocked: %1.").arg(refusalText(refusal)));
        }
        return false;
    }
    if (const std::optional<QString> limited =
            RotorMechanics::jogRefusal(rotorMechanics(name), name, numbering(), controllerHeading(name), clockwise)) {
        note(*limited);
        return false;
    }
    if (!sendCommand(OVVProtocol::jog(name, clockwise))) {
        return false;
    }
    note((clockwise ? tr("Jog requested: %1 CW") : tr("Jog requested: %1 CCW")).arg(name));
    Q_EMIT jogSent(name);
    return true;
}

void KeltoClient::turnToPreset(const QString& name, const QString& preset)
{
    const auto rotor = m_station.rotors.constFind(name);
    if (rotor == m_station.rotors.cend() || !canTurn(*rotor) || !m_station.locations.contains(preset)) {
        note(tr("Preset turn blocked: controls disabled, stale heading, or unknown preset."));
        return;
    }
    // The server does not say where its presets point, so a rotor with limits cannot be checked.
    if (rotorMechanics(name).limit != RotorMechanics::Limit::none) {
        note(tr("Preset turn blocked: %1 has limits and the server does not say where “%2” points.").arg(name, preset));
        return;
    }
    if (sendCommand(OVVProtocol::preset(name, preset))) {
        note(tr("Preset turn requested: %1 → %2").arg(name, preset));
    }
}

void KeltoClient::refreshPresets()
{
    if (!m_connected || m_connectionKind != ConnectionKind::ovVarnex) {
        return;
    }
    send(OVVProtocol::getLocations());
    note(tr("Requested server presets"));
}

void KeltoClient::requestRotorLock(const QString& name, bool locked)
{
    const auto rotor = m_station.rotors.constFind(name);
    const bool allowed = m_connectionKind == ConnectionKind::ovVarnex && rotor != m_station.rotors.cend() &&
                         m_connected && (locked ? canRequestRotorLock(*rotor) : m_rotorLockRequests.contains(name));
    if (!allowed) {
        note(tr("Rotor lock request blocked: control is disabled or rotor is unavailable."));
        return;
    }
    const ProtocolResult<QByteArray> command = OVVProtocol::rotorLock(name, locked);
    if (!command) {
        note(command.failure().description());
        return;
    }
    QMap<QString, bool> requests = m_rotorLockRequests;
    requests.insert(name, locked);
    setRotorLockRequests(std::move(requests));
    send(*command);
    note((locked ? tr("Lock requested: %1. Server does not confirm ownership; other clients at the same IP share the "
                      "lock.")
                 : tr("Unlock requested: %1. Server does not confirm ownership; other clients at the same IP share "
                      "the lock."))
             .arg(name));
}

void KeltoClient::setStack(const QString& name, bool enabled)
{
    const auto stack = m_station.stacks.constFind(name);
    if (stack == m_station.stacks.cend() || !canSetStack(*stack)) {
        note(tr("Stack command blocked: controls disabled or unavailable status."));
        return;
    }
    if (sendCommand(OVVProtocol::setStack(name, enabled))) {
        note((enabled ? tr("Stack requested: %1 on") : tr("Stack requested: %1 off")).arg(name));
    }
}

void KeltoClient::selectSwitch(const QString& name, const QString& position, std::optional<bool> enabled)
{
    const auto antennaSwitch = m_station.switches.constFind(name);
    if (antennaSwitch == m_station.switches.cend() || !canSelectSwitch(*antennaSwitch, position) ||
        enabled.has_value() != (antennaSwitch->displayType == 4)) {
        note(tr("Switch blocked: controls disabled, stale status, locked position, or incompatible command."));
        return;
    }
    if (sendCommand(OVVProtocol::selectSwitch(name, position, enabled))) {
        const QString sentence = !enabled   ? tr("Switch requested: %1 → %2")
                                 : *enabled ? tr("Switch requested: %1 → %2 on")
                                            : tr("Switch requested: %1 → %2 off");
        note(sentence.arg(name, position));
    }
}

void KeltoClient::selectTuner(const QString& name, const QString& position)
{
    const auto tuner = m_station.tuners.constFind(name);
    if (tuner == m_station.tuners.cend() || !canControlTuner(*tuner) ||
        std::none_of(tuner->positions.cbegin(), tuner->positions.cend(),
                     [&](const SwitchPosition& candidate) { return candidate.name == position; })) {
        return;
    }
    if (sendCommand(OVVProtocol::turvixPosition(name, position))) {
        note(tr("Tuner position requested: %1 → %2").arg(name, position));
    }
}

void KeltoClient::adjustTuner(const QString& name, const QString& rotor, std::optional<bool> clockwise)
{
    const auto tuner = m_station.tuners.constFind(name);
    if (tuner == m_station.tuners.cend() || !canControlTuner(*tuner) || !tuner->rotors.contains(rotor)) {
        return;
    }
    const ProtocolResult<QByteArray> command =
        clockwise ? OVVProtocol::turvixJog(name, rotor, *clockwise) : OVVProtocol::turvixCalibrate(name, rotor);
    if (sendCommand(command)) {
        note((clockwise ? tr("Tuner adjustment requested: %1 / %2") : tr("Tuner calibration requested: %1 / %2"))
                 .arg(name, rotor));
    }
}

KeltoClient::CommandOrigin::CommandOrigin(KeltoClient& client, const QString& label)
    : m_client(&client)
    , m_previous(std::exchange(client.m_commandOrigin, label))
{}

KeltoClient::CommandOrigin::~CommandOrigin()
{
    if (m_client) {
        m_client->m_commandOrigin = m_previous;
    }
}

// ---- Offline snapshot ----

void KeltoClient::saveSnapshot()
{
    if (!m_connected || m_endpoint.isEmpty()) {
        return;
    }
    // The copy shares the station's data until the main thread changes it, so taking it is
    // cheap and the worker reads a station that no longer moves.
    auto* watcher = new QFutureWatcher<std::optional<QByteArray>>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, &KeltoClient::storeFinishedSnapshots);
    m_snapshots.append(PendingSnapshot{snapshotKeyPrefix + m_endpoint, watcher});
    watcher->setFuture(QtConcurrent::run([station = m_station] { return station.encoded(); }));
}

void KeltoClient::storeFinishedSnapshots()
{
    // In the order asked for, so a late older save never overwrites a newer one.
    while (!m_snapshots.isEmpty() && m_snapshots.first().encoded->future().isFinished()) {
        const PendingSnapshot done = m_snapshots.takeFirst();
        if (const std::optional<QByteArray> encoded = done.encoded->future().result()) {
            m_defaults.setData(done.key, *encoded);
            m_lastSnapshot = m_clock.now();
        }
        done.encoded->deleteLater();
    }
}

void KeltoClient::finishSnapshots()
{
    for (const PendingSnapshot& pending : std::as_const(m_snapshots)) {
        pending.encoded->future().waitForFinished();
    }
    storeFinishedSnapshots();
}

void KeltoClient::loadOfflineStation(const QString& endpoint, ConnectionKind kind)
{
    if (m_connected || m_connecting) {
        return;
    }
    setEndpoint(endpoint);
    setConnectionKind(kind);
    // The last save of this endpoint may still be on its way.
    finishSnapshots();
    std::optional<StationState> stored;
    if (const std::optional<QByteArray> data = m_defaults.data(snapshotKeyPrefix + endpoint)) {
        stored = StationState::decoded(*data);
    }
    setStation(stored.value_or(StationState{}));
    setControlsEnabled(false);
    setSwitchControlsEnabled(false);
    setNow(m_clock.now());
    setMessage(stored ? tr("Disconnected · last known station") : disconnectedMessage());
}

void KeltoClient::clearStation()
{
    end(disconnectedMessage());
    setStation(StationState{});
    setEndpoint(QString());
    setReceivedServerPresets(false);
}

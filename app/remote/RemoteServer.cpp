#include "app/remote/RemoteServer.h"

#include "app/remote/HttpRequest.h"
#include "app/remote/RemoteDevices.h"
#include "app/remote/RemoteState.h"
#include "app/ui/rotor/RotorCardState.h"
#include "app/workspace/StationSession.h"
#include "app/workspace/StationWorkspace.h"
#include "core/client/Clock.h"
#include "core/client/KeltoClient.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslKey>
#include <QSslServer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QWebSocket>
#include <QWebSocketServer>

#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr QByteArrayView cookieName = "xalto_remote";

QString peerKey(const QHostAddress& address, quint16 port)
{
    return address.toString() + u'|' + QString::number(port);
}

QByteArray json(const QJsonObject& object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

// The page may run no script but its own and talk to nothing but this server.
constexpr QByteArrayView pageHeaders =
    "Content-Security-Policy: default-src 'none'; script-src 'unsafe-inline'; style-src 'unsafe-inline'; "
    "img-src data:; connect-src 'self'; base-uri 'none'; form-action 'none'; frame-ancestors 'none'\r\n"
    "Referrer-Policy: no-referrer\r\n";

// The page's own texts, translated as the desktop speaks; the page shows English for any it is
// not given. The keys are the page's English texts, so the two lists must agree.
constexpr const char* pageTexts[] = {
    QT_TRANSLATE_NOOP("RemotePage", "Offline"),
    QT_TRANSLATE_NOOP("RemotePage", "STOP ALL"),
    QT_TRANSLATE_NOOP("RemotePage", "Pair this device"),
    QT_TRANSLATE_NOOP("RemotePage",
                      "Open Remote access in the Window menu on the desktop and type the six-digit code it shows."),
    QT_TRANSLATE_NOOP("RemotePage", "Pairing code"),
    QT_TRANSLATE_NOOP("RemotePage", "Name of this device"),
    QT_TRANSLATE_NOOP("RemotePage", "Pair"),
    QT_TRANSLATE_NOOP("RemotePage", "Phone"),
    //: Compass letters on the phone's dial
    QT_TRANSLATE_NOOP("RemotePage", "N"),
    QT_TRANSLATE_NOOP("RemotePage", "E"),
    QT_TRANSLATE_NOOP("RemotePage", "S"),
    QT_TRANSLATE_NOOP("RemotePage", "W"),
    QT_TRANSLATE_NOOP("RemotePage", "Target °"),
    QT_TRANSLATE_NOOP("RemotePage", "Target heading for %1"),
    QT_TRANSLATE_NOOP("RemotePage", "Heading %1"),
    QT_TRANSLATE_NOOP("RemotePage", "Rotate"),
    QT_TRANSLATE_NOOP("RemotePage", "Stop"),
    QT_TRANSLATE_NOOP("RemotePage", "Local presets"),
    QT_TRANSLATE_NOOP("RemotePage", "Server presets"),
    QT_TRANSLATE_NOOP("RemotePage", "Stack: %1"),
    //: The page's link state: "Live · Control" or "Live · Watch", %1 the device's role
    QT_TRANSLATE_NOOP("RemotePage", "Live · %1"),
    //: A paired device's role: it may command
    QT_TRANSLATE_NOOP("RemotePage", "Control"),
    //: A paired device's role: it may only watch
    QT_TRANSLATE_NOOP("RemotePage", "Watch"),
    QT_TRANSLATE_NOOP("RemotePage",
                      "This device may only watch: the operator can give it the Control role on the desktop."),
    QT_TRANSLATE_NOOP("RemotePage", "Pairing failed."),
    QT_TRANSLATE_NOOP("RemotePage", "The desktop cannot be reached."),
};

// The served page with its texts in the desktop's language, as a JSON block the page reads.
// "<" is escaped so no translation can end the block.
QByteArray withTexts(QByteArray page)
{
    QJsonObject texts;
    for (const char* text : pageTexts) {
        const QString english = QString::fromUtf8(text);
        if (const QString translated = QCoreApplication::translate("RemotePage", text); translated != english) {
            texts.insert(english, translated);
        }
    }
    texts.insert(u"__lang"_s, QLocale().bcp47Name());
    QByteArray block = QJsonDocument(texts).toJson(QJsonDocument::Compact);
    block.replace('<', "\\u003c");
    page.replace(R"(<script id="texts" type="application/json">{}</script>)",
                 R"(<script id="texts" type="application/json">)" + block + "</script>");
    return page;
}
} // namespace

RemoteServer::RemoteServer(StationWorkspace& workspace, SettingsStore& defaults, const Clock& clock, QObject* parent)
    : QObject(parent)
    , m_workspace(workspace)
    , m_defaults(defaults)
    , m_clock(clock)
    , m_settings(RemoteSettings::load(defaults))
    , m_code(clock)
    , m_devices(new RemoteDevices(defaults, clock, this))
    , m_message(tr("Off"))
{
    m_tick.setInterval(1000);
    connect(&m_tick, &QTimer::timeout, this, &RemoteServer::tick);
    m_push.setSingleShot(true);
    connect(&m_push, &QTimer::timeout, this, &RemoteServer::push);
    connect(m_devices, &RemoteDevices::revoked, this, &RemoteServer::dropDevice);
    connect(m_devices, &RemoteDevices::devicesChanged, this, &RemoteServer::stateDirty);
    connect(&m_workspace, &StationWorkspace::sessionsChanged, this, &RemoteServer::observeSessions);
    connect(&m_workspace, &StationWorkspace::changed, this, &RemoteServer::stateDirty);
    observeSessions();
    m_lastCode = m_code.current();
    if (m_settings.enabled) {
        start();
    }
}

RemoteServer::~RemoteServer()
{
    stop();
}

void RemoteServer::setSettings(const RemoteSettings& settings)
{
    const bool restart = settings != m_settings || !running();
    m_settings = settings;
    m_settings.save(m_defaults);
    if (!restart) {
        return;
    }
    stop();
    if (m_settings.enabled) {
        start();
    }
}

bool RemoteServer::running() const
{
    return m_tcp && m_tcp->isListening();
}

quint16 RemoteServer::serverPort() const
{
    return running() ? m_tcp->serverPort() : 0;
}

QString RemoteServer::url() const
{
    if (!running()) {
        return {};
    }
    const QString host = m_address.protocol() == QAbstractSocket::IPv6Protocol ? u'[' + m_address.toString() + u']'
                                                                               : m_address.toString();
    return (m_settings.tls() ? u"https://"_s : u"http://"_s) + host + u':' + QString::number(serverPort()) + u'/';
}

const QString& RemoteServer::pairingCode()
{
    const QString& code = m_code.current();
    if (code != m_lastCode) {
        m_lastCode = code;
        Q_EMIT pairingCodeChanged();
    }
    return code;
}

QSet<QUuid> RemoteServer::connectedDevices() const
{
    QSet<QUuid> ids;
    for (const auto& [socket, peer] : m_peers) {
        ids.insert(peer->device);
    }
    return ids;
}

namespace {

// The certificate chain and key of the settings, or why they cannot be used.
std::optional<QSslConfiguration> tlsConfiguration(const RemoteSettings& settings, QString& why)
{
    const QList<QSslCertificate> chain = QSslCertificate::fromPath(settings.certificate, QSsl::Pem);
    if (chain.isEmpty()) {
        why = QCoreApplication::translate("RemoteServer", "No PEM certificate in %1").arg(settings.certificate);
        return std::nullopt;
    }
    QFile file(settings.privateKey);
    // A key file is a few kilobytes; a bigger one is not a key.
    if (!file.open(QIODevice::ReadOnly) || file.size() > 64 * 1024) {
        why = QCoreApplication::translate("RemoteServer", "Cannot read the private key %1").arg(settings.privateKey);
        return std::nullopt;
    }
    const QByteArray pem = file.readAll();
    QSslKey key;
    for (const QSsl::KeyAlgorithm algorithm : {QSsl::Rsa, QSsl::Ec, QSsl::Dsa}) {
        key = QSslKey(pem, algorithm, QSsl::Pem);
        if (!key.isNull()) {
            break;
        }
    }
    if (key.isNull()) {
        why = QCoreApplication::translate("RemoteServer", "No unencrypted PEM private key in %1")
                  .arg(settings.privateKey);
        return std::nullopt;
    }
    QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
    configuration.setLocalCertificateChain(chain);
    configuration.setPrivateKey(key);
    configuration.setPeerVerifyMode(QSslSocket::VerifyNone);
    return configuration;
}

} // namespace

void RemoteServer::start()
{
    m_address = QHostAddress(m_settings.address);
    if (m_address.isNull()) {
        setMessage(tr("Not an address of this computer: %1").arg(m_settings.address));
        return;
    }
    if (m_settings.tls()) {
        QString why;
        const std::optional<QSslConfiguration> configuration = tlsConfiguration(m_settings, why);
        if (!configuration) {
            setMessage(why);
            return;
        }
        auto* server = new QSslServer(this);
        server->setSslConfiguration(*configuration);
        server->setHandshakeTimeout(static_cast<int>(requestSeconds * 1000));
        m_tcp = server;
    } else {
        m_tcp = new QTcpServer(this);
    }
    m_tcp->setMaxPendingConnections(maxPendingRequests);
    // Over TLS a connection is pending once its handshake is done.
    connect(m_tcp, &QTcpServer::pendingConnectionAvailable, this, &RemoteServer::acceptTcp);
    // The server name the WebSocket handshake carries: protocol, never shown, not translated.
    m_webSockets = new QWebSocketServer(u"Xalto Station Control"_s, QWebSocketServer::NonSecureMode, this);
    m_webSockets->setMaxPendingConnections(maxConnections);
    connect(m_webSockets, &QWebSocketServer::newConnection, this, &RemoteServer::acceptWebSocket);
    if (!m_tcp->listen(m_address, m_settings.port)) {
        setMessage(m_tcp->serverError() == QAbstractSocket::AddressInUseError
                       ? tr("Port %1 is in use.").arg(m_settings.port)
                       : tr("Cannot listen: %1").arg(m_tcp->errorString()));
        delete m_tcp;
        m_tcp = nullptr;
        delete m_webSockets;
        m_webSockets = nullptr;
        return;
    }
    m_code.renew();
    pairingCode();
    m_tick.start();
    setMessage(m_settings.tls() ? tr("Listening on %1 (TLS)").arg(url()) : tr("Listening on %1").arg(url()));
}

void RemoteServer::stop()
{
    m_tick.stop();
    m_push.stop();
    while (!m_peers.empty()) {
        drop(m_peers.begin()->first);
    }
    while (!m_pending.empty()) {
        QTcpSocket* socket = m_pending.begin()->first;
        forget(socket);
        socket->abort();
    }
    abortHandovers([](const Handover&) { return true; });
    delete m_tcp;
    m_tcp = nullptr;
    delete m_webSockets;
    m_webSockets = nullptr;
    setMessage(tr("Off"));
}

void RemoteServer::setMessage(const QString& message)
{
    m_message = message;
    Q_EMIT stateChanged();
}

void RemoteServer::tick()
{
    pairingCode();
    const Instant now = m_clock.now();
    QList<QTcpSocket*> slow;
    for (const auto& [socket, pending] : m_pending) {
        if (now - pending.since >= requestSeconds) {
            slow.append(socket);
        }
    }
    for (QTcpSocket* socket : slow) {
        forget(socket);
        socket->abort();
    }
    QList<QWebSocket*> idle;
    for (const auto& [socket, peer] : m_peers) {
        if (now - peer->lastPing >= idleSeconds) {
            idle.append(socket);
        }
    }
    for (QWebSocket* socket : idle) {
        drop(socket);
    }
    // A handshake the WebSocket server refused leaves its socket with us.
    abortHandovers([&](const Handover& handover) { return now - handover.since >= requestSeconds; });
}

void RemoteServer::acceptTcp()
{
    while (QTcpSocket* socket = m_tcp->nextPendingConnection()) {
        if (static_cast<int>(m_pending.size()) >= maxPendingRequests) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        m_pending[socket] = Pending{m_clock.now()};
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { readRequest(socket); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            forget(socket);
            socket->deleteLater();
        });
        readRequest(socket);
    }
}

void RemoteServer::forget(QTcpSocket* socket)
{
    if (m_pending.erase(socket) > 0) {
        disconnect(socket, nullptr, this, nullptr);
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }
}

void RemoteServer::answer(QTcpSocket* socket, QByteArrayView status, QByteArrayView type, const QByteArray& body,
                          const QByteArray& extraHeaders)
{
    forget(socket);
    QByteArray response = "HTTP/1.1 " + status.toByteArray() + "\r\n";
    if (!type.isEmpty()) {
        response += "Content-Type: " + type.toByteArray() + "\r\n";
    }
    response += "Content-Length: " + QByteArray::number(body.size()) +
                "\r\nCache-Control: no-store\r\nX-Content-Type-Options: nosniff\r\nConnection: close\r\n" +
                extraHeaders + "\r\n" + body;
    socket->write(response);
    socket->disconnectFromHost();
    if (socket->state() == QAbstractSocket::UnconnectedState) {
        socket->deleteLater();
        return;
    }
    // A peer that never takes the answer would keep the socket closing for ever.
    QTimer::singleShot(static_cast<int>(requestSeconds * 1000), socket, [socket] { socket->abort(); });
}

QByteArray RemoteServer::origin() const
{
    QString text = url();
    text.chop(1);
    return text.toUtf8();
}

bool RemoteServer::hostAllowed(const HttpRequest& request) const
{
    const std::optional<QByteArray> host = request.header("host");
    if (!host) {
        return false;
    }
    const QByteArray expected = origin().mid(origin().indexOf("//") + 2);
    if (*host == expected) {
        return true;
    }
    // A name that no DNS answer can move elsewhere is as good as the loopback address itself.
    return m_address.isLoopback() && *host == "localhost:" + QByteArray::number(serverPort());
}

void RemoteServer::readRequest(QTcpSocket* socket)
{
    if (!m_pending.contains(socket)) {
        return;
    }
    const QByteArray peeked = socket->peek(maxHeadBytes + maxBodyBytes + 4);
    const qsizetype end = peeked.indexOf("\r\n\r\n");
    if (end < 0 ? peeked.size() > maxHeadBytes : end > maxHeadBytes) {
        answer(socket, "431 Request Header Fields Too Large");
        return;
    }
    if (end < 0) {
        return;
    }
    const std::optional<HttpRequest> request = HttpRequest::parse(QByteArrayView(peeked).first(end));
    if (!request) {
        answer(socket, "400 Bad Request");
        return;
    }
    if (!hostAllowed(*request)) {
        answer(socket, "403 Forbidden");
        return;
    }
    if (request->target == "/ws") {
        upgrade(socket, *request);
        return;
    }
    if (request->target == "/" && (request->method == "GET" || request->method == "HEAD")) {
        QFile page(u":/xalto/remote/remote.html"_s);
        page.open(QIODevice::ReadOnly);
        const QByteArray body = withTexts(page.readAll());
        answer(socket, "200 OK", "text/html; charset=utf-8", request->method == "GET" ? body : QByteArray(),
               pageHeaders.toByteArray());
        return;
    }
    if (request->target == "/pair" && request->method == "POST") {
        // Only the page itself may pair: another site's form cannot.
        if (request->header("origin") != origin()) {
            answer(socket, "403 Forbidden");
            return;
        }
        bool ok = false;
        const qsizetype length = request->header("content-length").value_or(QByteArray()).toLongLong(&ok);
        if (!ok || length < 0 || length > maxBodyBytes) {
            answer(socket, "413 Content Too Large");
            return;
        }
        if (peeked.size() < end + 4 + length) {
            return;
        }
        pair(socket, peeked.mid(end + 4, length));
        return;
    }
    answer(socket, "404 Not Found");
}

void RemoteServer::pair(QTcpSocket* socket, const QByteArray& body)
{
    // Five tries per code alone would let a fast guesser through in minutes; attempts are
    // counted per minute for everyone, which makes it months.
    const Instant now = m_clock.now();
    if (now - m_pairingWindowStart >= 60.0 || now < m_pairingWindowStart) {
        m_pairingWindowStart = now;
        m_pairingAttempts = 0;
    }
    if (++m_pairingAttempts > pairingAttemptsPerMinute) {
        answer(socket, "429 Too Many Requests", "application/json",
               json({{u"error"_s, tr("Too many tries. Wait a minute, then type the code shown on the desktop.")}}));
        return;
    }
    const QJsonObject request = QJsonDocument::fromJson(body).object();
    const PairingCode::Outcome outcome = m_code.check(request.value(u"code"_s).toString());
    pairingCode();
    if (outcome != PairingCode::Outcome::accepted) {
        const QString why = outcome == PairingCode::Outcome::expired
                                ? tr("That code has expired. Type the new code shown on the desktop.")
                                : tr("Wrong code. Type the code shown in Remote access on the desktop.");
        answer(socket, "403 Forbidden", "application/json", json({{u"error"_s, why}}));
        return;
    }
    const QString token = m_devices->pair(request.value(u"name"_s).toString());
    // HttpOnly: no script on the page can read it; Strict: no other site can send it.
    const QByteArray cookie = "Set-Cookie: " + cookieName.toByteArray() + '=' + token.toLatin1() +
                              "; Path=/; Max-Age=31536000; HttpOnly; SameSite=Strict" +
                              (m_settings.tls() ? "; Secure\r\n" : "\r\n");
    answer(socket, "200 OK", "application/json", json({{u"paired"_s, true}}), cookie);
}

void RemoteServer::upgrade(QTcpSocket* socket, const HttpRequest& request)
{
    if (request.method != "GET" || !request.headerHasToken("upgrade", "websocket")) {
        answer(socket, "400 Bad Request");
        return;
    }
    if (request.header("origin") != origin()) {
        answer(socket, "403 Forbidden");
        return;
    }
    const std::optional<PairedDevice> device =
        m_devices->byToken(QString::fromLatin1(request.cookie(cookieName).value_or(QByteArray())));
    if (!device) {
        answer(socket, "401 Unauthorized");
        return;
    }
    if (static_cast<int>(m_peers.size() + m_handovers.size()) >= maxConnections) {
        answer(socket, "503 Service Unavailable");
        return;
    }
    // The WebSocket server reads the same request again for its handshake.
    m_pending.erase(socket);
    disconnect(socket, nullptr, this, nullptr);
    // The socket becomes the WebSocket's, which deletes it; the listening socket must not.
    socket->setParent(nullptr);
    m_handovers.insert(peerKey(socket->peerAddress(), socket->peerPort()), {device->id, socket, m_clock.now()});
    m_webSockets->handleConnection(socket);
}

void RemoteServer::acceptWebSocket()
{
    while (QWebSocket* socket = m_webSockets->nextPendingConnection()) {
        const Handover handover = m_handovers.take(peerKey(socket->peerAddress(), socket->peerPort()));
        const std::optional<PairedDevice> device = m_devices->device(handover.device);
        if (!device) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        socket->setParent(this);
        socket->setMaxAllowedIncomingMessageSize(maxMessageBytes);
        socket->setMaxAllowedIncomingFrameSize(maxMessageBytes);
        auto peer = std::make_unique<Peer>();
        peer->socket = socket;
        peer->transport = handover.transport;
        peer->device = device->id;
        peer->lastPing = m_clock.now();
        peer->windowStart = peer->lastPing;
        connect(socket, &QWebSocket::textMessageReceived, this,
                [this, socket](const QString& message) { receive(socket, message); });
        connect(socket, &QWebSocket::binaryMessageReceived, this, [this, socket] { drop(socket); });
        connect(socket, &QWebSocket::disconnected, this, [this, socket] { drop(socket); });
        m_peers.emplace(socket, std::move(peer));
        m_devices->touch(device->id);
        Q_EMIT connectionsChanged();
        stateDirty();
    }
}

void RemoteServer::drop(QWebSocket* socket)
{
    const auto found = m_peers.find(socket);
    if (found == m_peers.end()) {
        return;
    }
    const QUuid device = found->second->device;
    m_peers.erase(found);
    disconnect(socket, nullptr, this, nullptr);
    socket->abort();
    socket->deleteLater();
    m_devices->touch(device);
    Q_EMIT connectionsChanged();
}

void RemoteServer::abortHandovers(const std::function<bool(const Handover&)>& which)
{
    for (auto it = m_handovers.begin(); it != m_handovers.end();) {
        if (which(*it)) {
            if (it->transport) {
                it->transport->abort();
                it->transport->deleteLater();
            }
            it = m_handovers.erase(it);
        } else {
            ++it;
        }
    }
}

void RemoteServer::dropDevice(const QUuid& id)
{
    QList<QWebSocket*> sockets;
    for (const auto& [socket, peer] : m_peers) {
        if (peer->device == id) {
            sockets.append(socket);
        }
    }
    for (QWebSocket* socket : sockets) {
        drop(socket);
    }
    abortHandovers([&](const Handover& handover) { return handover.device == id; });
}

void RemoteServer::receive(QWebSocket* socket, const QString& message)
{
    const auto found = m_peers.find(socket);
    if (found == m_peers.end()) {
        return;
    }
    Peer& peer = *found->second;
    const std::optional<PairedDevice> device = m_devices->device(peer.device);
    if (!device) {
        drop(socket);
        return;
    }
    const Instant now = m_clock.now();
    if (now - peer.windowStart >= 1.0 || now < peer.windowStart) {
        peer.windowStart = now;
        peer.windowCount = 0;
    }
    if (++peer.windowCount > commandsPerSecond) {
        notify(peer, tr("Too many commands: this one was dropped."));
        return;
    }
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(message.toUtf8(), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        notify(peer, tr("The page sent a message the desktop does not understand."));
        return;
    }
    execute(peer, *device, document.object());
}

void RemoteServer::execute(Peer& peer, const PairedDevice& device, const QJsonObject& command)
{
    const QString type = command.value(u"type"_s).toString();
    if (type == u"ping"_s) {
        peer.lastPing = m_clock.now();
        send(peer, json({{u"type"_s, u"pong"_s}}));
        return;
    }
    static const QStringList commands{u"turn"_s, u"stop"_s, u"stopAll"_s, u"preset"_s, u"switch"_s, u"stack"_s};
    if (!commands.contains(type)) {
        notify(peer, tr("The page sent a message the desktop does not understand."));
        return;
    }
    if (device.role != PairedDevice::Role::control) {
        notify(peer, RemoteState::watchOnlyReason());
        return;
    }
    //: Who sent a command, shown in the log after it: "(remote: Shack tablet)"
    const QString label = tr("remote: %1").arg(device.name);
    if (type == u"stopAll"_s) {
        for (StationSession* session : m_workspace.sessions()) {
            const KeltoClient::CommandOrigin origin(session->client(), label);
            session->client().stopAll();
        }
        return;
    }
    StationSession* session = m_workspace.session(QUuid::fromString(command.value(u"tab"_s).toString()));
    if (!session) {
        notify(peer, tr("That tab is no longer open on the desktop."));
        return;
    }
    KeltoClient& client = session->client();
    const KeltoClient::CommandOrigin origin(client, label);
    const QString name = command.value(u"name"_s).toString();
    if (type == u"turn"_s) {
        const QJsonValue heading = command.value(u"heading"_s);
        const std::optional<double> target = RotorCardState::targetHeading(
            heading.isDouble() ? QString::number(heading.toDouble(), 'g', 17) : heading.toString());
        if (!target) {
            notify(peer, tr("Enter a target heading from 0 to 360."));
        } else if (!client.turn(name, *target)) {
            notify(peer, tr("The desktop refused to turn %1.").arg(name));
        }
    } else if (type == u"stop"_s) {
        if (!client.stop(name)) {
            notify(peer, tr("The desktop refused to stop %1.").arg(name));
        }
    } else if (type == u"preset"_s) {
        client.turnToPreset(name, command.value(u"preset"_s).toString());
    } else if (type == u"switch"_s) {
        const QJsonValue enabled = command.value(u"enabled"_s);
        client.selectSwitch(name, command.value(u"position"_s).toString(),
                            enabled.isBool() ? std::optional<bool>(enabled.toBool()) : std::nullopt);
    } else if (type == u"stack"_s) {
        client.setStack(name, command.value(u"enabled"_s).toBool());
    }
}

void RemoteServer::send(Peer& peer, const QByteArray& message)
{
    // A page that stops reading keeps nothing of ours for long.
    if (!peer.transport || peer.transport->bytesToWrite() > maxUnsentBytes) {
        QMetaObject::invokeMethod(
            this,
            [this, socket = QPointer<QWebSocket>(peer.socket)] {
                if (socket) {
                    drop(socket);
                }
            },
            Qt::QueuedConnection);
        return;
    }
    peer.socket->sendTextMessage(QString::fromUtf8(message));
}

// Shown by the page as text, in the desktop's language.
void RemoteServer::notify(Peer& peer, const QString& text)
{
    send(peer, json({{u"type"_s, u"notice"_s}, {u"text"_s, text}}));
}

void RemoteServer::observeSessions()
{
    for (StationSession* session : m_workspace.sessions()) {
        if (m_observed.contains(session->id())) {
            continue;
        }
        m_observed.insert(session->id());
        KeltoClient* client = &session->client();
        for (const auto signal :
             {&KeltoClient::stationChanged, &KeltoClient::connectedChanged, &KeltoClient::connectingChanged,
              &KeltoClient::messageChanged, &KeltoClient::nowChanged, &KeltoClient::controlsEnabledChanged,
              &KeltoClient::switchControlsEnabledChanged, &KeltoClient::receivedServerPresetsChanged,
              &KeltoClient::endpointChanged}) {
            connect(client, signal, this, &RemoteServer::stateDirty);
        }
        connect(session, &StationSession::nameChanged, this, &RemoteServer::stateDirty);
    }
    stateDirty();
}

void RemoteServer::stateDirty()
{
    // On the next turn of the event loop, so a burst of changes goes out as one; a page served
    // less than `pushIntervalMs` ago waits for the rest of it.
    if (!m_peers.empty() && !m_push.isActive()) {
        m_push.start(0);
    }
}

void RemoteServer::push()
{
    std::optional<QJsonArray> watch;
    std::optional<QJsonArray> control;
    int wait = 0;
    QList<Peer*> peers;
    for (const auto& [socket, peer] : m_peers) {
        peers.append(peer.get());
    }
    for (Peer* peer : peers) {
        const std::optional<PairedDevice> device = m_devices->device(peer->device);
        if (!device) {
            continue;
        }
        if (peer->sentAt.isValid() && peer->sentAt.elapsed() < pushIntervalMs) {
            wait = std::max(wait, static_cast<int>(pushIntervalMs - peer->sentAt.elapsed()));
            continue;
        }
        std::optional<QJsonArray>& tabs = device->role == PairedDevice::Role::control ? control : watch;
        if (!tabs) {
            tabs = RemoteState::tabs(m_workspace, device->role);
        }
        const QByteArray message = json({{u"type"_s, u"state"_s},
                                         {u"device"_s, device->name},
                                         {u"role"_s, PairedDevice::roleText(device->role)},
                                         {u"tabs"_s, *tabs}});
        if (message == peer->lastState) {
            continue;
        }
        peer->lastState = message;
        peer->sentAt.start();
        send(*peer, message);
    }
    if (wait > 0) {
        m_push.start(wait);
    }
}

#include "app/remote/RemoteDevices.h"
#include "app/remote/RemoteServer.h"
#include "app/workspace/StationSession.h"
#include "app/workspace/StationWorkspace.h"
#include "core/protocol/OVVProtocol.h"
#include "tests/core/client/ClientTestSupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTranslator>
#include <QWebSocket>

#include <memory>

using namespace ClientTest;

namespace {

// A workspace whose first tab is live on the simulator, and the remote server serving it.
struct Rig {
    ManualClock clock;
    MemorySettingsStore defaults;
    StationSimulator simulator;
    std::unique_ptr<StationWorkspace> workspace;
    // Goes before the workspace it serves.
    std::unique_ptr<RemoteServer> server;
    QNetworkAccessManager http;

    KeltoClient& client() const { return workspace->sessions().first()->client(); }
    QString origin() const { return server->url().chopped(1); }

    Rig()
    {
        // The test's own throw-away certificate.
        QObject::connect(&http, &QNetworkAccessManager::sslErrors, &http,
                         [](QNetworkReply* reply, const QList<QSslError>&) { reply->ignoreSslErrors(); });
    }
    QString tab() const { return workspace->sessions().first()->id().toString(QUuid::WithoutBraces); }

    void open(bool controls = true)
    {
        QVERIFY(simulator.listen());
        workspace = std::make_unique<StationWorkspace>(defaults, nullptr, clock);
        workspace->connectSession(workspace->sessions().first(), u"127.0.0.1"_s, portOf(simulator),
                                  ConnectionKind::ovVarnex, u"KT-90"_s);
        QTRY_VERIFY(client().connected());
        for (const QString& name : simulator.rotorNames()) {
            QTRY_VERIFY(client().station().rotors.value(name).updated.has_value());
        }
        client().setControlsEnabled(controls);
        client().setSwitchControlsEnabled(controls);
        server = std::make_unique<RemoteServer>(*workspace, defaults, clock);
        RemoteSettings settings;
        settings.enabled = true;
        settings.port = 0;
        server->setSettings(settings);
        QVERIFY2(server->running(), qPrintable(server->message()));
        simulator.clearReceived();
    }

    // The pairing request of the page; the answer's status and headers.
    QNetworkReply* postPair(const QString& code, const QString& name = u"Phone"_s)
    {
        QNetworkRequest request(QUrl(origin() + u"/pair"_s));
        request.setHeader(QNetworkRequest::ContentTypeHeader, u"application/json"_s);
        request.setRawHeader("Origin", origin().toUtf8());
        QNetworkReply* reply = http.post(
            request, QJsonDocument(QJsonObject{{u"code"_s, code}, {u"name"_s, name}}).toJson(QJsonDocument::Compact));
        [&] { QTRY_VERIFY(reply->isFinished()); }();
        return reply;
    }

    // Pairs a device and returns its token.
    QString pair(PairedDevice::Role role = PairedDevice::Role::watch, const QString& name = u"Phone"_s)
    {
        std::unique_ptr<QNetworkReply> reply(postPair(server->pairingCode(), name));
        const QByteArray cookie = reply->rawHeader("Set-Cookie");
        const QByteArray token = cookie.mid(cookie.indexOf('=') + 1, 64);
        const std::optional<PairedDevice> device = server->devices().byToken(QString::fromLatin1(token));
        if (device) {
            server->devices().setRole(device->id, role);
        }
        return device ? QString::fromLatin1(token) : QString();
    }

    std::unique_ptr<QWebSocket> socket(const QString& token, const QString& fromOrigin = {}) const
    {
        auto socket = std::make_unique<QWebSocket>(fromOrigin.isNull() ? origin() : fromOrigin);
        const bool tls = server->settings().tls();
        if (tls) {
            QObject::connect(socket.get(), &QWebSocket::sslErrors, socket.get(),
                             [raw = socket.get()] { raw->ignoreSslErrors(); });
        }
        QNetworkRequest request(QUrl((tls ? u"wss://127.0.0.1:"_s : u"ws://127.0.0.1:"_s) +
                                     QString::number(server->serverPort()) + u"/ws"_s));
        if (!token.isEmpty()) {
            request.setRawHeader("Cookie", "xalto_remote=" + token.toLatin1());
        }
        socket->open(request);
        return socket;
    }

    // Everything the station got since the last check, then a marker sent now.
    void expectStationGot(QList<QByteArray> commands)
    {
        client().refreshPresets();
        commands.append("GET_LOCATIONS\r\n");
        QTRY_COMPARE(commandRecords(simulator), commands);
        simulator.clearReceived();
    }

    // The whole answer to raw request bytes, once the server closed.
    QByteArray raw(const QByteArray& request) const
    {
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, server->serverPort());
        socket.write(request);
        QByteArray answer;
        [&] {
            QTRY_VERIFY_WITH_TIMEOUT((answer += socket.readAll(), socket.state() == QAbstractSocket::UnconnectedState),
                                     5000);
        }();
        return answer + socket.readAll();
    }
};

// Collects the page's messages of one type.
struct Inbox {
    QList<QJsonObject> messages;
    explicit Inbox(QWebSocket& socket)
    {
        QObject::connect(&socket, &QWebSocket::textMessageReceived, &socket, [this](const QString& text) {
            messages.append(QJsonDocument::fromJson(text.toUtf8()).object());
        });
    }
    QList<QJsonObject> of(const QString& type) const
    {
        QList<QJsonObject> found;
        for (const QJsonObject& message : messages) {
            if (message.value(u"type"_s).toString() == type) {
                found.append(message);
            }
        }
        return found;
    }
};

QJsonObject firstRotor(const QJsonObject& state)
{
    return state.value(u"tabs"_s).toArray().first().toObject().value(u"rotors"_s).toArray().first().toObject();
}

} // namespace

class TestRemoteServer final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void pairedWatchDevice_seesTheStationAndKeepsOnlyAHash()
    {
        Rig rig;
        CLIENT_TEST_CHECK(rig.open());
        std::unique_ptr<QNetworkReply> reply(rig.postPair(rig.server->pairingCode(), u"Tower\u0007 phone"_s));
        QCOMPARE(reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), 200);
        const QByteArray cookie = reply->rawHeader("Set-Cookie");
        QVERIFY(cookie.contains("; HttpOnly") && cookie.contains("; SameSite=Strict"));
        const QString token = QString::fromLatin1(cookie.mid(cookie.indexOf('=') + 1, 64));
        QCOMPARE(rig.server->devices().devices().size(), qsizetype(1));
        const PairedDevice device = rig.server->devices().devices().first();
        QCOMPARE(device.name, u"Tower phone"_s);
        QCOMPARE(device.role, PairedDevice::Role::watch);
        for (const QString& key : rig.defaults.keys()) {
            QVERIFY(!rig.defaults.data(key).value_or(QByteArray()).contains(token.toLatin1()));
        }

        const auto socket = rig.socket(token);
        Inbox inbox(*socket);
        QTRY_VERIFY(!inbox.of(u"state"_s).isEmpty());
        const QJsonObject state = inbox.of(u"state"_s).last();
        QCOMPARE(state.value(u"role"_s).toString(), u"Watch"_s);
        const QJsonObject rotor = firstRotor(state);
        QCOMPARE(rotor.value(u"name"_s).toString(), u"Rotor 1"_s);
        QVERIFY(rotor.value(u"heading"_s).toString().endsWith(u"°"_s));
        QCOMPARE(rotor.value(u"rotate"_s).toObject().value(u"why"_s).toString(),
                 u"This device may only watch: the operator can give it the Control role on the desktop."_s);
        QCOMPARE(rig.server->connectedDevices(), QSet<QUuid>{device.id});
    }

    void refusedRequests_getAStatusAndNothingElse_data()
    {
        QTest::addColumn<QString>("token");
        QTest::addColumn<QString>("host");
        QTest::addColumn<QString>("origin");
        QTest::addColumn<QByteArray>("status");
        // "@" stands for the paired token, "!" for a revoked one, "=" for the right value.
        QTest::newRow("no token") << QString() << u"="_s << u"="_s << QByteArray("401 Unauthorized");
        QTest::newRow("wrong token") << QString(64, u'a') << u"="_s << u"="_s << QByteArray("401 Unauthorized");
        QTest::newRow("revoked token") << u"!"_s << u"="_s << u"="_s << QByteArray("401 Unauthorized");
        QTest::newRow("wrong origin") << u"@"_s << u"="_s << u"http://evil.example"_s << QByteArray("403 Forbidden");
        QTest::newRow("no origin") << u"@"_s << u"="_s << QString() << QByteArray("403 Forbidden");
        QTest::newRow("wrong host") << u"@"_s << u"rebound.example:8473"_s << u"="_s << QByteArray("403 Forbidden");
    }
    void refusedRequests_getAStatusAndNothingElse()
    {
        QFETCH(QString, token);
        QFETCH(QString, host);
        QFETCH(QString, origin);
        QFETCH(QByteArray, status);
        Rig rig;
        CLIENT_TEST_CHECK(rig.open());
        const QString paired = rig.pair(PairedDevice::Role::control);
        QVERIFY(!paired.isEmpty());
        if (token == u"@"_s) {
            token = paired;
        } else if (token == u"!"_s) {
            token = rig.pair(PairedDevice::Role::control);
            rig.server->devices().revoke(rig.server->devices().byToken(token)->id);
        }
        const QString ourHost = rig.origin().mid(qsizetype(7));
        QByteArray request = "GET /ws HTTP/1.1\r\nHost: " + (host == u"="_s ? ourHost : host).toUtf8() +
                             "\r\nUpgrade: websocket\r\nConnection: Upgrade\r\nSec-WebSocket-Version: 13\r\n"
                             "Sec-WebSocket-Key: dGhlIHNhbXBsZSBub25jZQ==\r\n";
        if (!origin.isNull()) {
            request += "Origin: " + (origin == u"="_s ? rig.origin() : origin).toUtf8() + "\r\n";
        }
        if (!token.isEmpty()) {
            request += "Cookie: xalto_remote=" + token.toLatin1() + "\r\n";
        }
        const QByteArray answer = rig.raw(request + "\r\n");
        QVERIFY2(answer.startsWith("HTTP/1.1 " + status + "\r\n"), answer.constData());
        QVERIFY(answer.endsWith("Content-Length: 0\r\nCache-Control: no-store\r\nX-Content-Type-Options: "
                                "nosniff\r\nConnection: close\r\n\r\n"));

        // Qt's own client is refused the same way and never sees the station.
        if (host == u"="_s) {
            const auto socket = rig.socket(token, origin == u"="_s ? QString() : origin.isNull() ? u""_s : origin);
            QSignalSpy errors(socket.get(), qOverload<QAbstractSocket::SocketError>(&QWebSocket::error));
            QTRY_VERIFY(!errors.isEmpty());
            QVERIFY(socket->state() != QAbstractSocket::ConnectedState);
        }
        QCOMPARE(rig.server->connectionCount(), 0);
        rig.expectStationGot({});
    }

    // The page's own texts come in the desktop's language, as a data block no translation can
    // break out of.
    void page_carriesItsTextsInTheDesktopsLanguage()
    {
        class StandIn final : public QTranslator {
        public:
            bool isEmpty() const override { return false; }
            QString translate(const char* context, const char* source, const char*, int) const override
            {
                return qstrcmp(context, "RemotePage") == 0 && qstrcmp(source, "Rotate") == 0
                           ? u"Drehen</script><img src=x>"_s
                           : QString();
            }
        } translator;
        QCoreApplication::installTranslator(&translator);
        Rig rig;
        CLIENT_TEST_CHECK(rig.open());
        const QByteArray host = rig.origin().mid(7).toUtf8();
        const QByteArray page = rig.raw("GET / HTTP/1.1\r\nHost: " + host + "\r\n\r\n");
        QCoreApplication::removeTranslator(&translator);
        const QByteArray rotate = "\"Rotate\":\"Drehen\\u003c/script>\\u003cimg src=x>\"";
        QVERIFY2(page.contains(rotate), page.constData());
        QVERIFY(page.contains("\"__lang\":\""));
        // The texts block and the page's script, nothing more.
        QCOMPARE(page.count("</script>"), 2);
        QVERIFY(!page.contains("<img"));
    }

    void pageAndPairing_refuseForeignHostsAndOrigins()
    {
        Rig rig;
        CLIENT_TEST_CHECK(rig.open());
        const QByteArray host = rig.origin().mid(7).toUtf8();
        const QByteArray page = rig.raw("GET / HTTP/1.1\r\nHost: " + host + "\r\n\r\n");
        QVERIFY(page.startsWith("HTTP/1.1 200 OK\r\n"));
        QVERIFY(page.contains("Content-Security-Policy: default-src 'none';"));
        QVERIFY(page.contains("STOP ALL"));
        QVERIFY(rig.raw("GET / HTTP/1.1\r\nHost: rebound.example\r\n\r\n").startsWith("HTTP/1.1 403 Forbidden\r\n"));
        QVERIFY(rig.raw("GET /etc/passwd HTTP/1.1\r\nHost: " + host + "\r\n\r\n").startsWith("HTTP/1.1 404"));
        QVERIFY(rig.raw("GET / HTTP/1.1\r\nHost: " + host + "\r\nX: " + QByteArray(9000, 'x') + "\r\n\r\n")
                    .startsWith("HTTP/1.1 431"));
        const QByteArray body = "{\"code\":\"" + rig.server->pairingCode().toUtf8() + "\"}";
        QVERIFY(rig.raw("POST /pair HTTP/1.1\r\nHost: " + host + "\r\nOrigin: http://evil.example\r\nContent-Length: " +
                        QByteArray::number(body.size()) + "\r\n\r\n" + body)
                    .startsWith("HTTP/1.1 403 Forbidden\r\n"));
        QVERIFY(rig.server->devices().devices().isEmpty());
    }

    void pairingCodes_expireAndAreReplacedAfterFiveWrongTries()
    {
        Rig rig;
        CLIENT_TEST_CHECK(rig.open());
        const QString first = rig.server->pairingCode();
        QSignalSpy renewed(rig.server.get(), &RemoteServer::pairingCodeChanged);
        for (int i = 0; i < 5; ++i) {
            const QString wrong = QString::asprintf("%06d", (first.toInt() + 1 + i) % 1'000'000);
            std::unique_ptr<QNetworkReply> reply(rig.postPair(wrong));
            QCOMPARE(reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), 403);
            QVERIFY(reply->rawHeader("Set-Cookie").isEmpty());
        }
        QCOMPARE(renewed.size(), 1);
        QVERIFY(rig.server->pairingCode() != first);
        std::unique_ptr<QNetworkReply> late(rig.postPair(first));
        QCOMPARE(late->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), 403);

        const QString second = rig.server->pairingCode();
        rig.clock.advance(PairingCode::validSeconds);
        std::unique_ptr<QNetworkReply> expired(rig.postPair(second));
        QCOMPARE(expired->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), 403);
        QVERIFY(expired->readAll().contains("expired"));
        QVERIFY(rig.server->devices().devices().isEmpty());

        std::unique_ptr<QNetworkReply> fresh(rig.postPair(rig.server->pairingCode()));
        QCOMPARE(fresh->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), 200);
        QCOMPARE(rig.server->devices().devices().size(), qsizetype(1));

        // A guesser gets a minute's worth of tries, then not even the right code goes through.
        rig.clock.advance(60);
        for (int i = 0; i < RemoteServer::pairingAttemptsPerMinute; ++i) {
            std::unique_ptr<QNetworkReply> wrong(rig.postPair(u"not a code"_s));
            QCOMPARE(wrong->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), 403);
        }
        std::unique_ptr<QNetworkReply> throttled(rig.postPair(rig.server->pairingCode()));
        QCOMPARE(throttled->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), 429);
        QCOMPARE(rig.server->devices().devices().size(), qsizetype(1));
    }

    void refusedCommands_sayWhyAndReachNothing_data()
    {
        QTest::addColumn<PairedDevice::Role>("role");
        QTest::addColumn<bool>("controls");
        QTest::addColumn<QString>("notice");
        QTest::newRow("watch only") << PairedDevice::Role::watch << true
                                    << u"This device may only watch: the operator can give it the Control role on "
                                       "the desktop."_s;
        QTest::newRow("control off on the desktop")
            << PairedDevice::Role::control << false << u"The desktop refused to turn Rotor 1."_s;
    }
    void refusedCommands_sayWhyAndReachNothing()
    {
        QFETCH(PairedDevice::Role, role);
        QFETCH(bool, controls);
        QFETCH(QString, notice);
        Rig rig;
        CLIENT_TEST_CHECK(rig.open(controls));
        const auto socket = rig.socket(rig.pair(role, u"Shack tablet"_s));
        Inbox inbox(*socket);
        QTRY_VERIFY(!inbox.of(u"state"_s).isEmpty());
        if (!controls) {
            QCOMPARE(firstRotor(inbox.of(u"state"_s).last()).value(u"rotate"_s).toObject().value(u"why"_s).toString(),
                     u"Control is off on the desktop for this tab."_s);
        }
        socket->sendTextMessage(QString::fromUtf8(QJsonDocument(QJsonObject{{u"type"_s, u"turn"_s},
                                                                            {u"tab"_s, rig.tab()},
                                                                            {u"name"_s, u"Rotor 1"_s},
                                                                            {u"heading"_s, u"123"_s}})
                                                      .toJson(QJsonDocument::Compact)));
        QTRY_VERIFY(!inbox.of(u"notice"_s).isEmpty());
        QCOMPARE(inbox.of(u"notice"_s).first().value(u"text"_s).toString(), notice);
        // The desktop's guard refused it and logged so, with the device's name.
        QCOMPARE(lastLogText(rig.client()).endsWith(u" (remote: Shack tablet)"_s), !controls);
        rig.expectStationGot({});
    }

    void controlCommands_reachTheStationAsTheWindowSendsThem_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("turn") << u"turn"_s;
        QTest::newRow("server preset") << u"preset"_s;
        QTest::newRow("switch position") << u"switch"_s;
        QTest::newRow("stack output") << u"stack"_s;
    }
    void controlCommands_reachTheStationAsTheWindowSendsThem()
    {
        QFETCH(QString, kind);
        Rig rig;
        CLIENT_TEST_CHECK(rig.open());
        QTRY_VERIFY(rig.client().receivedServerPresets());
        const auto socket = rig.socket(rig.pair(PairedDevice::Role::control));
        Inbox inbox(*socket);
        QTRY_VERIFY(!inbox.of(u"state"_s).isEmpty());
        const QJsonObject tab = inbox.of(u"state"_s).last().value(u"tabs"_s).toArray().first().toObject();
        QJsonObject command{{u"type"_s, kind}, {u"tab"_s, rig.tab()}};
        QByteArray expected;
        if (kind == u"turn"_s) {
            command.insert(u"name"_s, u"Rotor 2"_s);
            command.insert(u"heading"_s, 200.5);
            expected = *OVVProtocol::turn(u"Rotor 2", 200.5);
        } else if (kind == u"preset"_s) {
            QVERIFY(firstRotor(inbox.of(u"state"_s).last()).value(u"serverPresets"_s).toArray().contains(u"Europe"_s));
            command.insert(u"name"_s, u"Rotor 1"_s);
            command.insert(u"preset"_s, u"Europe"_s);
            expected = *OVVProtocol::preset(u"Rotor 1", u"Europe");
        } else if (kind == u"switch"_s) {
            // What the page sends for the first position it offers.
            for (const QJsonValue& item : tab.value(u"switches"_s).toArray()) {
                for (const QJsonValue& position : item.toObject().value(u"positions"_s).toArray()) {
                    const QJsonObject p = position.toObject();
                    if (expected.isEmpty() && p.value(u"enabled"_s).toBool() &&
                        p.value(u"mark"_s).toString() == u"unselected"_s) {
                        const QString name = item.toObject().value(u"name"_s).toString();
                        command.insert(u"name"_s, name);
                        command.insert(u"position"_s, p.value(u"name"_s));
                        std::optional<bool> send;
                        if (p.contains(u"send"_s)) {
                            command.insert(u"enabled"_s, p.value(u"send"_s));
                            send = p.value(u"send"_s).toBool();
                        }
                        expected = *OVVProtocol::selectSwitch(name, p.value(u"name"_s).toString(), send);
                    }
                }
            }
        } else {
            const QJsonObject stack = tab.value(u"stacks"_s).toArray().first().toObject();
            QVERIFY(stack.value(u"enabled"_s).toBool());
            command.insert(u"name"_s, stack.value(u"name"_s));
            command.insert(u"enabled"_s, stack.value(u"turnOn"_s));
            expected = *OVVProtocol::setStack(stack.value(u"name"_s).toString(), stack.value(u"turnOn"_s).toBool());
        }
        QVERIFY(!expected.isEmpty());
        socket->sendTextMessage(QString::fromUtf8(QJsonDocument(command).toJson(QJsonDocument::Compact)));
        QTRY_VERIFY(lastLogText(rig.client()).endsWith(u"(remote: Phone)"_s));
        if (kind == u"turn"_s) {
            QCOMPARE(lastLogText(rig.client()), u"Turn requested: Rotor 2 → 200.5° (remote: Phone)"_s);
        }
        rig.expectStationGot({expected});
    }

    void revokedMidSession_isCutOffAtOnce()
    {
        Rig rig;
        CLIENT_TEST_CHECK(rig.open());
        const QString token = rig.pair(PairedDevice::Role::control);
        const auto socket = rig.socket(token);
        QTRY_COMPARE(socket->state(), QAbstractSocket::ConnectedState);
        QTRY_COMPARE(rig.server->connectionCount(), 1);
        rig.server->devices().revoke(rig.server->devices().byToken(token)->id);
        QCOMPARE(rig.server->connectionCount(), 0);
        socket->sendTextMessage(u"{\"type\":\"stopAll\"}"_s);
        QTRY_COMPARE(socket->state(), QAbstractSocket::UnconnectedState);
        rig.expectStationGot({});
    }

    void hostileMessages_areRefusedAndReachNothing_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("repeat");
        QTest::addColumn<bool>("dropped");
        QTest::addColumn<QString>("notice");
        const QString turn = u"{\"type\":\"turn\",\"tab\":\"%1\",\"name\":\"Rotor 1\",\"heading\":\"400\"}"_s;
        QTest::newRow("oversized") << u"{\"type\":\"ping\",\"pad\":\""_s + QString(5000, u'x') + u"\"}"_s << 1 << true
                                   << QString();
        QTest::newRow("malformed") << u"{\"type\":"_s << 1 << false
                                   << u"The page sent a message the desktop does not understand."_s;
        QTest::newRow("unknown") << u"{\"type\":\"shutdown\"}"_s << 1 << false
                                 << u"The page sent a message the desktop does not understand."_s;
        QTest::newRow("heading out of range") << turn << 1 << false << u"Enter a target heading from 0 to 360."_s;
        QTest::newRow("flood") << u"{\"type\":\"stop\",\"tab\":\"%1\",\"name\":\"Rotor 1\"}"_s << 200 << false
                               << u"Too many commands: this one was dropped."_s;
    }
    void hostileMessages_areRefusedAndReachNothing()
    {
        QFETCH(QString, message);
        QFETCH(int, repeat);
        QFETCH(bool, dropped);
        QFETCH(QString, notice);
        Rig rig;
        CLIENT_TEST_CHECK(rig.open());
        const auto socket = rig.socket(rig.pair(PairedDevice::Role::control));
        Inbox inbox(*socket);
        QTRY_VERIFY(!inbox.of(u"state"_s).isEmpty());
        for (int i = 0; i < repeat; ++i) {
            socket->sendTextMessage(message.contains(u"%1"_s) ? message.arg(rig.tab()) : message);
        }
        if (dropped) {
            QTRY_COMPARE(socket->state(), QAbstractSocket::UnconnectedState);
            QCOMPARE(rig.server->connectionCount(), 0);
            rig.expectStationGot({});
            return;
        }
        QTRY_VERIFY(!inbox.of(u"notice"_s).isEmpty());
        QCOMPARE(inbox.of(u"notice"_s).last().value(u"text"_s).toString(), notice);
        if (repeat > 1) {
            // The clock stands still: one second's worth went through, the rest was dropped.
            QTRY_COMPARE(inbox.of(u"notice"_s).size(), repeat - RemoteServer::commandsPerSecond);
            const QList<QByteArray> stops(RemoteServer::commandsPerSecond, *OVVProtocol::stop(u"Rotor 1"_s));
            rig.expectStationGot(stops);
        } else {
            rig.expectStationGot({});
        }
        QCOMPARE(socket->state(), QAbstractSocket::ConnectedState);
    }

    void idleAndSurplusConnections_areClosed()
    {
        Rig rig;
        CLIENT_TEST_CHECK(rig.open());
        const QString token = rig.pair();
        std::vector<std::unique_ptr<QWebSocket>> sockets;
        for (int i = 0; i < RemoteServer::maxConnections; ++i) {
            sockets.push_back(rig.socket(token));
        }
        QTRY_COMPARE(rig.server->connectionCount(), RemoteServer::maxConnections);
        const auto surplus = rig.socket(token);
        QSignalSpy refused(surplus.get(), qOverload<QAbstractSocket::SocketError>(&QWebSocket::error));
        QTRY_VERIFY(!refused.isEmpty());

        rig.clock.advance(RemoteServer::idleSeconds - 1);
        Inbox first(*sockets.front());
        sockets.front()->sendTextMessage(u"{\"type\":\"ping\"}"_s);
        QTRY_VERIFY(!first.of(u"pong"_s).isEmpty());
        rig.clock.advance(1);
        rig.server->tick();
        QTRY_COMPARE(rig.server->connectionCount(), 1);
        QTRY_COMPARE(sockets.front()->state(), QAbstractSocket::ConnectedState);
        QTRY_COMPARE(sockets.back()->state(), QAbstractSocket::UnconnectedState);
    }

    void neverReadingClient_isDroppedAndOthersAreStillServed()
    {
        Rig rig;
        CLIENT_TEST_CHECK(rig.open());
        const QString token = rig.pair(PairedDevice::Role::control);
        QTcpSocket hostile;
        hostile.setReadBufferSize(1024);
        hostile.connectToHost(QHostAddress::LocalHost, rig.server->serverPort());
        QVERIFY(hostile.waitForConnected(5000));
        hostile.write("GET /ws HTTP/1.1\r\nHost: " + rig.origin().mid(7).toUtf8() +
                      "\r\nOrigin: " + rig.origin().toUtf8() +
                      "\r\nUpgrade: websocket\r\nConnection: Upgrade\r\nSec-WebSocket-Version: 13\r\n"
                      "Sec-WebSocket-Key: dGhlIHNhbXBsZSBub25jZQ==\r\nCookie: xalto_remote=" +
                      token.toLatin1() + "\r\n\r\n");
        QTRY_COMPARE(rig.server->connectionCount(), 1);
        const auto neighbour = rig.socket(token);
        QTRY_COMPARE(rig.server->connectionCount(), 2);

        // Masked text frames of a malformed message, each answered with a notice never read.
        const QByteArray payload = "x";
        QByteArray frame;
        frame.append(char(0x81)).append(char(0x80 | payload.size()));
        const QByteArray mask("\x01\x02\x03\x04", 4);
        frame.append(mask);
        for (qsizetype i = 0; i < payload.size(); ++i) {
            frame.append(char(payload.at(i) ^ mask.at(i % 4)));
        }
        const QByteArray burst = frame.repeated(20'000);
        for (int round = 0; round < 200 && rig.server->connectionCount() == 2; ++round) {
            hostile.write(burst);
            QTest::qWait(20);
        }
        QTRY_COMPARE(rig.server->connectionCount(), 1);
        neighbour->sendTextMessage(u"{\"type\":\"stopAll\"}"_s);
        QTRY_VERIFY(lastLogText(rig.client()).startsWith(u"Stop requested: Rotor 2"_s));
        rig.expectStationGot({*OVVProtocol::stop(u"Rotor 1"_s), *OVVProtocol::stop(u"Rotor 2"_s)});
    }

    void tls_servesThePageAndTheSocketEncryptedOnly()
    {
        const QString openssl = QStandardPaths::findExecutable(u"openssl"_s);
        if (openssl.isEmpty()) {
            QSKIP("openssl is not installed (scripts/setup installs it)");
        }
        QTemporaryDir dir;
        QProcess make;
        make.start(openssl,
                   {u"req"_s, u"-x509"_s, u"-newkey"_s, u"ec"_s, u"-pkeyopt"_s, u"ec_paramgen_curve:prime256v1"_s,
                    u"-nodes"_s, u"-days"_s, u"1"_s, u"-subj"_s, u"/CN=127.0.0.1"_s, u"-keyout"_s,
                    dir.filePath(u"key.pem"_s), u"-out"_s, dir.filePath(u"cert.pem"_s)});
        QVERIFY(make.waitForFinished(30000) && make.exitCode() == 0);

        Rig rig;
        CLIENT_TEST_CHECK(rig.open());
        RemoteSettings settings = rig.server->settings();
        settings.certificate = dir.filePath(u"cert.pem"_s);
        settings.privateKey = dir.filePath(u"key.pem"_s);
        rig.server->setSettings(settings);
        QVERIFY2(rig.server->running(), qPrintable(rig.server->message()));
        QVERIFY(rig.origin().startsWith(u"https://127.0.0.1:"_s));

        std::unique_ptr<QNetworkReply> reply(rig.postPair(rig.server->pairingCode()));
        QCOMPARE(reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), 200);
        QVERIFY(reply->rawHeader("Set-Cookie").endsWith("; HttpOnly; SameSite=Strict; Secure"));
        const QString token = QString::fromLatin1(reply->rawHeader("Set-Cookie").mid(13, 64));
        const auto socket = rig.socket(token);
        Inbox inbox(*socket);
        QTRY_VERIFY(!inbox.of(u"state"_s).isEmpty());
        QCOMPARE(firstRotor(inbox.of(u"state"_s).last()).value(u"name"_s).toString(), u"Rotor 1"_s);

        // Plain text on the TLS port gets no HTTP answer at all.
        const QByteArray plain = rig.raw("GET / HTTP/1.1\r\nHost: " + rig.origin().mid(8).toUtf8() + "\r\n\r\n");
        QVERIFY(!plain.contains("HTTP/1.1"));

        settings.privateKey = dir.filePath(u"missing.pem"_s);
        rig.server->setSettings(settings);
        QVERIFY(!rig.server->running());
        QVERIFY(rig.server->message().startsWith(u"Cannot read the private key"_s));
    }
};

QTEST_GUILESS_MAIN(TestRemoteServer)
#include "tst_remoteserver.moc"

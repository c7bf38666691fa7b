#pragma once

#include "core/client/AuthenticationRequest.h"
#include "core/client/CredentialStore.h"
#include "core/model/Instant.h"
#include "core/model/StationState.h"
#include "core/protocol/ConnectionKind.h"
#include "core/protocol/LineDecoder.h"
#include "core/protocol/ProtocolFailure.h"
#include "core/protocol/RotctldReplyReader.h"
#include "core/protocol/TerminalProtocol.h"

#include <QAbstractSocket>
#include <QByteArray>
#include <QByteArrayView>
#include <QFutureWatcher>
#include <QList>
#include <QMap>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QUuid>

#include <functional>
#include <memory>
#include <optional>

class Clock;
class ServerEvent;
class SerialPort;
class ServerVerification;
class SettingsStore;
class QTimer;

// The one object that owns a connection to one station: it runs the connect sequence, watches
// the link once a second, turns received lines into station updates, answers logins, guards
// every control command and keeps the offline snapshot. Lives on the main thread.
//
// Every callback of a connection (socket signals, the timer, deferred send failures) captures
// the generation token current when it was armed and returns at once when it has changed;
// `end` renews the token before it cancels anything, so nothing of an old connection can reach
// a new one.
//
// The connect and disconnect members are named `connectTo` and `disconnectFromStation`: a
// member called `connect` or `disconnect` would hide QObject's static functions in this class.
class KeltoClient final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(KeltoClient)

    Q_PROPERTY(bool connected READ connected NOTIFY connectedChanged)
    Q_PROPERTY(bool connecting READ connecting NOTIFY connectingChanged)
    Q_PROPERTY(QString message READ message NOTIFY messageChanged)
    Q_PROPERTY(QString endpoint READ endpoint NOTIFY endpointChanged)
    Q_PROPERTY(QStringList log READ log NOTIFY logChanged)
    Q_PROPERTY(bool receivedServerPresets READ receivedServerPresets NOTIFY receivedServerPresetsChanged)
    Q_PROPERTY(bool controlsEnabled READ controlsEnabled WRITE setControlsEnabled NOTIFY controlsEnabledChanged)
    Q_PROPERTY(bool switchControlsEnabled READ switchControlsEnabled WRITE setSwitchControlsEnabled NOTIFY
                   switchControlsEnabledChanged)

public:
    // The local port of a KT-90 UDP terminal, when it differs from the remote one.
    using UdpLocalPort = std::optional<quint16>;

    // At most this many bytes are taken from the socket per read, and this many reads per turn
    // of the event loop: what one turn costs stays small under a flood.
    static constexpr qint64 maxReadBytes = 16384;
    static constexpr int readsPerTurn = 1;
    // KT-90 UDP datagrams handled in one turn of the event loop.
    static constexpr int datagramsPerTurn = 64;
    // The newest log lines kept in memory, about a contest weekend of normal traffic; older
    // lines leave from the front.
    static constexpr qsizetype maxLogLines = 10000;
    // Bytes written to a connection but not yet taken by the peer. A peer that stops reading
    // while it keeps sending would otherwise make every command pile up here.
    static constexpr qint64 maxUnsentBytes = 65536;
    // Rotors, switches, stack outputs and tuners together; no real station comes near.
    static constexpr qsizetype maxStationDevices = 1000;
    // What the station may cost to hold (by `StationFootprint`), checked again whenever the
    // lines since the last check could have added `stationRecheckBytes`.
    static constexpr qsizetype maxStationBytes = 4 << 20;
    static constexpr qsizetype stationRecheckBytes = 1 << 20;

    // `credentialStore` may be null: the client then never loads or saves a login. The store,
    // the settings and the clock must outlive the client.
    KeltoClient(CredentialStore* credentialStore, SettingsStore& defaults, const Clock& clock = systemClock(),
                QObject* parent = nullptr);
    ~KeltoClient() override;

    // A process-wide wall clock for clients that are not given one.
    static const Clock& systemClock();
    // The clock every time rule of this client reads.
    const Clock& clock() const { return m_clock; }

    // Starts the one-shot server check of the profile editor; the caller owns the result
    // (through `parent`) and may cancel it.
    static ServerVerification* verifyServer(const QString& host, const QString& port, ConnectionKind kind,
                                            QObject* parent, const Clock& clock = systemClock());

    // Published state.
    const StationState& station() const { return m_station; }
    bool receivedServerPresets() const { return m_receivedServerPresets; }
    const QString& endpoint() const { return m_endpoint; }
    bool connected() const { return m_connected; }
    bool connecting() const { return m_connecting; }
    const QString& message() const { return m_message; }
    Instant now() const { return m_now; }
    // The newest `maxLogLines` lines, oldest first.
    const QStringList& log() const { return m_log; }
    // Lines dropped from the front of `log` since the client was made: the first line of `log`
    // is line number `logDropped()` of the whole record.
    qint64 logDropped() const { return m_logDropped; }
    bool controlsEnabled() const { return m_controlsEnabled; }
    bool switchControlsEnabled() const { return m_switchControlsEnabled; }
    const QMap<QString, bool>& rotorLockRequests() const { return m_rotorLockRequests; }
    ConnectionKind connectionKind() const { return m_connectionKind; }
    const std::optional<AuthenticationRequest>& authenticationRequest() const { return m_authenticationRequest; }
    const std::optional<QString>& credentialNotice() const { return m_credentialNotice; }

    // The user's own switches: rotor controls, and switch, stack-output and tuner controls.
    void setControlsEnabled(bool enabled);
    void setSwitchControlsEnabled(bool enabled);

    // Lifecycle. The outcome of a connect is published in `message`, `connecting`, `connected`
    // and the log.
    void connectTo(const QString& host, const QString& port, const QString& user = {}, const QString& password = {},
                   ConnectionKind kind = ConnectionKind::ovVarnex, const QString& rotorName = QStringLiteral("KT-90"),
                   UdpLocalPort udpLocalPort = std::nullopt);
    // The user's disconnect.
    void disconnectFromStation();
    // The one-second heartbeat: the 10 and 20 second limits, the KT-90 poll, the snapshot and
    // the keep-alive. Driven by the client's timer; public so the time rules can be driven
    // with a manual clock.
    void tick();

    // Logins.
    void submitCredentials(const QString& username, const QString& password);
    void cancelAuthentication();

    // Why a turn would be refused, in the order the rules are checked; `none` when it would be sent.
    enum class TurnRefusal {
        none,
        notConnected,
        controlOff,
        rotorMissing,
        headingStale,
        headingChanging,
        rotorUnavailable,
        // A jog on a controller that has no jog command.
        noJog,
    };
    // The rules a turn is held to. The window's keep an operator who presses Rotate twice from
    // stacking turns: nothing new while the heading is changing, nothing while the rotor reports
    // turning. A tracker re-aims a turning rotor by design, so for its turns neither holds (the
    // rotor need only be controllable), and its refused commands log which rule held rather than
    // the window's one line.
    enum class TurnRules { window, tracker };
    // A short lower-case phrase for logs and answers, "heading is stale".
    static QString refusalText(TurnRefusal refusal);

    // Guards, offered on their own so views grey out controls by the same rule.
    TurnRefusal turnRefusal(const Rotor& rotor, TurnRules rules = TurnRules::window) const;
    // The same for a rotor by name, `rotorMissing` when the station has none of that name.
    TurnRefusal turnRefusal(const QString& name, TurnRules rules = TurnRules::window) const;
    // A jog steps from where the rotor is, so the window's rules hold for every requester.
    TurnRefusal jogRefusal(const QString& name) const;
    bool canTurn(const Rotor& rotor) const { return turnRefusal(rotor) == TurnRefusal::none; }
    bool canStop(const Rotor& rotor) const;
    bool canRequestRotorLock(const Rotor& rotor) const;
    bool canSetStack(const StackOutput& stack) const;
    bool canSelectSwitch(const AntennaSwitch& antennaSwitch, const QString& position) const;
    bool canControlTuner(const TurvixTuner& tuner) const;

    // Commands. None fails to its caller: a refused command writes its "blocked" line (where
    // it has one), an accepted one its "requested" line. Turn, stop and jog also answer whether
    // they were accepted, for callers that owe someone an answer.
    bool turn(const QString& name, double heading, TurnRules rules = TurnRules::window);
    bool stop(const QString& name);
    // Every rotor, in ascending name order.
    void stopAll();
    // `rules` only chooses the blocked line: see `jogRefusal`.
    bool jog(const QString& name, bool clockwise, TurnRules rules = TurnRules::window);
    void turnToPreset(const QString& name, const QString& preset);
    void refreshPresets();
    void requestRotorLock(const QString& name, bool locked);
    void setStack(const QString& name, bool enabled);
    // `enabled` is given exactly for a multi-select switch (display type 4).
    void selectSwitch(const QString& name, const QString& position, std::optional<bool> enabled = std::nullopt);
    void selectTuner(const QString& name, const QString& position);
    // `clockwise` absent calibrates the tuner rotor; present, it moves it that way.
    void adjustTuner(const QString& name, const QString& rotor, std::optional<bool> clockwise = std::nullopt);

    // Labels the log lines written while it lives with where the commands came from, such as a
    // rotctld client on the network, so that the log tells them from the window's own.
    class CommandOrigin final {
    public:
        CommandOrigin(KeltoClient& client, const QString& label);
        ~CommandOrigin();
        Q_DISABLE_COPY_MOVE(CommandOrigin)

    private:
        QPointer<KeltoClient> m_client;
        QString m_previous;
    };

    // Offline snapshot.
    void loadOfflineStation(const QString& endpoint, ConnectionKind kind);
    void clearStation();
    // A snapshot is being encoded off the main thread and is not stored yet.
    bool savingSnapshot() const { return !m_snapshots.isEmpty(); }

Q_SIGNALS:
    void stationChanged();
    void receivedServerPresetsChanged();
    void endpointChanged();
    void connectedChanged();
    void connectingChanged();
    void messageChanged();
    void nowChanged();
    void logChanged();
    // The line just appended to the log, for merged logs.
    void lineLogged(const QString& line);
    void controlsEnabledChanged();
    void switchControlsEnabledChanged();
    void rotorLockRequestsChanged();
    void connectionKindChanged();
    void authenticationRequestChanged();
    void credentialNoticeChanged();

private:
    // The fuzz target of the receive path feeds bytes in without a transport.
    friend class KeltoClientProbe;

    // The single tear-down path; `Logged::no` for the quiet reset at the start of a connect.
    enum class Logged { no, yes };
    void end(const QString& message, Logged logged = Logged::yes);
    // A connection is open or being opened.
    bool active() const;
    void note(const QString& text);
    void send(const QByteArray& data);
    void process(const ServerEvent& event);

    void openSocket(const QString& host, quint16 port, UdpLocalPort udpLocalPort);
    void transportReady(const QString& host, quint16 port);
    void transportError(QAbstractSocket::SocketError error);
    enum class ReadAll { no, yes };
    // `ReadAll::yes` takes everything at once: the connection is about to end.
    void readAvailable(const QUuid& token, ReadAll all = ReadAll::no);
    void readDatagrams(const QUuid& token);
    void receiveLines(const QByteArray& chunk);
    void applyLineRules(const QString& line);
    void startTimer();

    // KT-90 controllers: the serial port, the stream framing of the TCP terminal and the serial
    // port, and the datagrams of the UDP terminal. Every heading becomes a position report of
    // the one rotor `m_terminalName`.
    void connectSerial(const QString& path, const QString& baud);
    void receiveTerminal(const QByteArray& data);
    void receiveDatagram(QByteArrayView datagram);
    void terminalHeading(double heading);
    // The heading query of the controller kinds; a rotctld is asked again only once it has
    // answered, so a slow rotator is not buried in queries.
    void queryHeading();
    // rotctld: the answers, read against the commands sent; the first error report ends the
    // connection.
    void receiveRotctld(const QByteArray& data);
    bool sendRotctld(const QByteArray& command, RotctldReplyReader::Expect answer);

    void goLive();
    void commonStep(const ServerEvent& event);
    // False when the station outgrew its bounds and the connection ended.
    bool applyToStation(const ServerEvent& event);

    void loginRequired();
    void savedLoginRead(const CredentialStore::LoadResult& loaded);
    // Sends the username, or asks for a login when there is none.
    void sendLogin();
    void answerChallenge(const QString& challenge);
    void loginRejected();
    // Saves the login the server just accepted, in the background.
    void acceptedAuthentication();
    // The save's failure: always logged, shown as the notice while its connection lasts.
    void loginNotSaved(const KeychainError& failure, bool sameConnection);

    // Encodes the station off the main thread and stores it when done, in the order saves
    // were asked for.
    void saveSnapshot();
    void storeFinishedSnapshots();
    // Waits for every save under way and stores it.
    void finishSnapshots();
    // Ends the connection once the command that led here has finished.
    void endLater(const QString& message);

    // Builds and sends a command whose guard passed, or logs why it could not be built.
    bool sendCommand(const ProtocolResult<QByteArray>& command);

    // Sets a published field and announces the change; nothing happens when the value is equal.
    template <typename T, typename U>
    void publish(T& field, U&& value, void (KeltoClient::*changed)())
    {
        if (field != value) {
            field = std::forward<U>(value);
            Q_EMIT(this->*changed)();
        }
    }

    void setStation(StationState station);
    void setReceivedServerPresets(bool value);
    void setEndpoint(const QString& endpoint);
    void setConnected(bool value);
    void setConnecting(bool value);
    void setMessage(const QString& message);
    void setNow(Instant at);
    void setConnectionKind(ConnectionKind kind);
    void setAuthenticationRequest(std::optional<AuthenticationRequest> request);
    void setCredentialNotice(std::optional<QString> notice);
    void setRotorLockRequests(QMap<QString, bool> requests);

    const Clock& m_clock;
    CredentialStore* m_credentialStore;
    SettingsStore& m_defaults;

    StationState m_station;
    bool m_receivedServerPresets = false;
    QString m_endpoint;
    bool m_connected = false;
    bool m_connecting = false;
    QString m_message;
    Instant m_now;
    QStringList m_log;
    qint64 m_logDropped = 0;
    std::optional<double> m_logStampSecond;
    QString m_logStamp;
    bool m_controlsEnabled = false;
    bool m_switchControlsEnabled = false;
    QMap<QString, bool> m_rotorLockRequests;
    ConnectionKind m_connectionKind = ConnectionKind::ovVarnex;
    std::optional<AuthenticationRequest> m_authenticationRequest;
    std::optional<QString> m_credentialNotice;

    QString m_terminalName;
    TerminalFramer m_terminalPending;
    RotctldReplyReader m_rotctldReplies;
    QString m_commandOrigin;
    bool m_tcpReady = false;
    QAbstractSocket* m_socket = nullptr;
    // Owned by the client alone: dropping it joins the port's thread, so no handler of the port
    // can run once the client is gone.
    std::shared_ptr<SerialPort> m_serial;
    QUuid m_generation;
    LineDecoder m_decoder;
    QTimer* m_timer = nullptr;
    Instant m_lastReceived;
    Instant m_started;
    Instant m_lastPing;
    QString m_user;
    QString m_password;
    QString m_targetHost;
    QString m_targetPort;
    bool m_awaitingAcceptance = false;
    // The saved login of this connection is being read.
    bool m_readingLogin = false;
    bool m_requestedInitialPresets = false;
    // Nothing until the first write: the distant past.
    std::optional<Instant> m_lastSnapshot;
    struct PendingSnapshot {
        QString key;
        // Owned here; its finished signal stores the snapshots whose turn has come.
        QFutureWatcher<std::optional<QByteArray>>* encoded = nullptr;
    };
    QList<PendingSnapshot> m_snapshots;
    // What the lines since the last footprint check could have added to the station.
    qsizetype m_stationGrowth = 0;
};

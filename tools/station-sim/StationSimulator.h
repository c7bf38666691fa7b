#pragma once

#include "tools/station-sim/SimulatedRotor.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QHash>
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <map>
#include <memory>
#include <optional>
#include <vector>

class QTcpServer;
class QTcpSocket;

// An OV Varnex station server for tests and manual trials, speaking the real wire format over
// real TCP so that a client cannot tell it from a station.
//
// The station: `rotors` rotators ("Rotor 1", ...), `switches` antenna switches ("Switch 1", ...;
// display types 1, 2, 3, 4 in turn: plain with a locked position, beams with bearing, width and
// bidirectional flag, bands with frequency ranges and a locked position, multi-select), one stack
// of outputs "Upper", "Middle", "Lower", one tuner "Tuner" with the rotors "Capacitor" and
// "Inductor", and named locations with headings. `rotorNames` renames the first rotors;
// `hostileNames` then renames devices and positions to names that look like markup.
//
// Behaviour:
// - Login (when `user` is set): "USER:", the user-name line, "PASS:" + a random challenge, then
//   exactly 32 raw bytes, checked against SHA-256(U, C, SHA-256(U, P)) computed here. A wrong
//   answer gets "INVALID USER/PASS" and the connection is closed, as the client opens a fresh
//   connection for every attempt anyway.
// - A client beyond `maxClients` gets "SERVER_FULL" and is closed; 0 refuses everyone.
// - Greeting: ADD, SWITCHADD, SWITCHLOCKS, STACKADD, TURVIXADD, then at once and every
//   `reportInterval` ms: POINT name heading status signal, SWITCHUPDATE name position status
//   signal, STACK, TURVIX. A change caused by a command is reported at once as well.
// - Rotors turn at `turnRate` degrees per second between end stops at 0 and 360, reporting
//   status "3" (clockwise) or "4" (counterclockwise) while turning and "0" when idle.
//   TURN name degrees | CW | CCW (a jog of `jogStep` degrees), STOP, TO_PRESET name location,
//   LOCK / UNLOCK (the lock belongs to the peer address: other addresses cannot turn, stop or
//   unlock the rotor), GET_LOCATIONS (answered by LOCATIONS in the server's own order).
// - SET_SWITCH name position [true|false]: locked or unknown positions are refused; on a
//   multi-select switch the flag adds or removes the position (no flag selects it alone); on
//   other switches "false" changes nothing. SET_STACK name true|false. SET_TURVIX name position,
//   TURVIXTURN name rotor CW|CCW, TURVIX_CAL name rotor (the rotor goes to 0).
// - Malformed, unknown or refused commands are ignored, as a server that owes no answer would.
// - Every received line is recorded as its exact bytes with CR LF, the login answer as one
//   32-byte record and each keep-alive NUL between lines as a one-byte record. A client whose
//   unfinished line passes 64 KiB is dropped.
// - Hostile servers for tests and benchmarks: an endless flood, an ADD/REMOVE loop, ever new
//   devices, a server that never reads.
// - Faults for tests: see `Fault`.
class StationSimulator final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StationSimulator)

public:
    struct Options {
        int rotors = 2;
        // Names for the first rotors in place of "Rotor 1", "Rotor 2", ...
        QStringList rotorNames;
        int switches = 4;
        // Stack outputs "Upper", "Middle", "Lower", then "Stack 4" and on.
        int stacks = 3;
        // Login is demanded when `user` is not empty.
        QString user;
        QString password;
        int maxClients = 10;
        double turnRate = 6.0;
        int reportInterval = 500;
        double jogStep = 10.0;
        int floodLines = 20'000;
        // Device, position, stack, tuner and location names that a careless view would read as
        // markup or mnemonics: "<img src=\"/dev/zero\">…", "<b>x</b>", "Yagi&Dipole", "&&", "a&",
        // a 300-character name. See `hostileNames()`.
        bool hostileNames = false;
    };

    // Unsent bytes per client below which an endless fault writes its next burst.
    static constexpr qint64 pumpBytes = 256 * 1024;

    enum class Fault {
        none,
        // Sends nothing at all from now on but keeps every connection.
        silence,
        // Closes every client now and each new one as soon as it connects.
        close,
        // Sends a line of more than 64 KiB to every live client now and to each new one.
        oversizedLine,
        // Sends a line holding byte 0x81 (undefined in Windows-1252), likewise.
        invalidText,
        // Sends `floodLines` state lines back to back, likewise.
        flood,
        // The hostile servers: each writes without end, as fast as a client takes the bytes,
        // while holding no more than `pumpBytes` unsent per client.
        // State lines.
        endlessFlood,
        // "ADD" and "REMOVE" of one rotor, again and again.
        addRemoveLoop,
        // "ADD" lines, each naming a rotor not named before.
        distinctAdds,
        // Reads nothing more from any client (the buffers on the way fill up), while it keeps
        // reporting as usual.
        neverRead,
    };
    Q_ENUM(Fault)

    explicit StationSimulator(QObject* parent = nullptr);
    explicit StationSimulator(const Options& options, QObject* parent = nullptr);
    ~StationSimulator() override;

    // Listens on 127.0.0.1 unless told otherwise; port 0 takes any free port.
    bool listen(quint16 port = 0, const QHostAddress& address = QHostAddress(QHostAddress::LocalHost));
    quint16 serverPort() const;
    QString errorString() const;
    const Options& options() const { return m_options; }

    // Every record received from any client, oldest first.
    QList<QByteArray> received() const { return m_received; }
    void clearReceived() { m_received.clear(); }

    void setFault(Fault fault);
    Fault fault() const { return m_fault; }
    // Written as given to every connected client, logged in or not, even while silent: with
    // `silence` set a test decides every byte a client gets.
    void sendRaw(const QByteArray& bytes);
    // Clients admitted (not refused as full) and still connected.
    int clientCount() const;

    // The names given in place of the usual ones with `Options::hostileNames`, keyed by the
    // usual name.
    static const QHash<QString, QString>& hostileNames();

    QStringList rotorNames() const;
    std::optional<double> rotorHeading(const QString& name) const;
    std::optional<double> rotorTarget(const QString& name) const;
    QString rotorStatus(const QString& name) const;
    bool rotorLocked(const QString& name) const;
    // Places a rotor at once, ending any turn.
    void setRotorHeading(const QString& name, double heading);
    // Locks a rotor for another station: every client is refused.
    void lockRotorElsewhere(const QString& name);
    // Reports REMOVE and stops reporting the rotor.
    void removeRotor(const QString& name);

    QStringList switchNames() const;
    int switchDisplayType(const QString& name) const;
    QStringList switchPositions(const QString& name) const;
    QSet<QString> switchLockedPositions(const QString& name) const;
    // For a multi-select switch the selected positions joined by ",".
    std::optional<QString> switchPosition(const QString& name) const;

    QStringList stackNames() const;
    std::optional<bool> stackSelected(const QString& name) const;

    QString tunerName() const;
    QString tunerPosition() const;
    QList<double> tunerHeadings() const;

    // Named locations in the server's order, with their headings.
    QStringList locations() const;
    std::optional<double> locationHeading(const QString& name) const;

    // Status codes reported instead of the simulated ones; an empty text restores them.
    void setRotorStatus(const QString& name, const QString& status);
    void setSwitchStatus(const QString& name, const QString& status);
    void setStackStatus(const QString& status);
    void setTunerStatus(const QString& status);

Q_SIGNALS:
    void clientConnected();
    void clientDisconnected();
    // One record, as appended to `received()`.
    void recorded(const QByteArray& bytes);

private:
    enum class Stage { user, answer, live };

    struct Client {
        QTcpSocket* socket = nullptr;
        QByteArray pending;
        Stage stage = Stage::live;
        QString user;
        QString challenge;
        bool welcomed = false;
        bool gone = false;
    };

    struct Rotor {
        QString name;
        SimulatedRotor motion;
        QString statusOverride;
        // Lock owner; a null address with `locked` set means another station.
        bool locked = false;
        QHostAddress lockOwner;
    };

    struct SwitchPositionItem {
        QString name;
        // The group-separated numbers that follow the name on the wire.
        QStringList details;
    };

    struct Switch {
        QString name;
        int displayType = 1;
        QList<SwitchPositionItem> positions;
        QSet<QString> locked;
        QStringList selected;
        QString statusOverride;
    };

    struct Stack {
        QString name;
        bool selected = false;
    };

    struct TunerPosition {
        QString name;
        double lower = 0.0;
        double upper = 0.0;
        QList<double> headings;
    };

    struct Tuner {
        QString name;
        QStringList rotors;
        QList<TunerPosition> positions;
        QString position;
        QList<double> headings;
        QString statusOverride;
    };

    struct Location {
        QString name;
        double heading = 0.0;
    };

    void buildStation();
    void onNewConnection();
    void admit(QTcpSocket* socket);
    void welcome(Client& client);
    void greet(Client& client);
    void onReadyRead(QTcpSocket* socket);
    void onDisconnected(QTcpSocket* socket);
    Client* clientFor(QTcpSocket* socket);
    void record(const QByteArray& bytes);
    void handleLine(Client& client, const QByteArray& raw);
    void handleAnswer(Client& client, const QByteArray& answer);
    void handleCommand(Client& client, const QStringList& fields);
    void handleTurn(const QHostAddress& peer, const QStringList& fields);
    void handleSwitch(const QStringList& fields);
    void handleTuner(const QStringList& fields);
    void applyFault(Client& client);
    // Tops up the unsent bytes of a client under an endless fault.
    void pump(Client& client);
    QByteArray hostileBurst();
    void useHostileNames();
    void setReading(Client& client, bool reading);
    void closeClient(Client& client);

    void tickMotion();
    void report();
    void sendToLive(const QByteArray& bytes);
    void sendTo(Client& client, const QByteArray& bytes);

    Rotor* findRotor(const QString& name);
    const Rotor* findRotor(const QString& name) const;
    Switch* findSwitch(const QString& name);
    const Switch* findSwitch(const QString& name) const;
    Stack* findStack(const QString& name);
    const Stack* findStack(const QString& name) const;

    QByteArray descriptionLines() const;
    QByteArray stateLines() const;
    QByteArray pointLine(const Rotor& rotor) const;
    QByteArray switchLine(const Switch& item) const;
    QByteArray stackLine() const;
    QByteArray tunerLine() const;
    QString rotorStatusOf(const Rotor& rotor) const;

    Options m_options;
    QTcpServer* m_server = nullptr;
    std::map<QTcpSocket*, std::unique_ptr<Client>> m_clients;
    QList<QByteArray> m_received;
    Fault m_fault = Fault::none;

    std::vector<Rotor> m_rotors;
    std::vector<Switch> m_switches;
    std::vector<Stack> m_stacks;
    QString m_stackStatusOverride;
    Tuner m_tuner;
    std::vector<Location> m_locations;

    // The next fresh name of `distinctAdds`.
    quint64 m_nextName = 0;

    QTimer m_motionTimer;
    QTimer m_reportTimer;
    QElapsedTimer m_motionClock;
};

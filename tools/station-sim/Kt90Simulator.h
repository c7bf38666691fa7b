#pragma once

#include "tools/station-sim/SimulatedRotor.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>

#include <map>
#include <optional>

class PseudoTerminal;
class QTcpServer;
class QTcpSocket;
class QUdpSocket;

// A KT-90 rotator controller for tests and manual trials, reachable as a TCP terminal, a UDP
// terminal and a pseudo-terminal standing in for its serial port, all driving one rotor.
//
// Every command ends with ";":
// - "AI2;" is answered with "AI2", the heading and ";": three digits ("AI2045;") or, with
//   `decimalHeadings`, one decimal ("AI2045.5;").
// - "AP2nnn" stores a target; followed by a carriage return ("AP2090" CR ";") it also starts the
//   turn. "AM2;" starts the turn to the stored target, so "AP2090;AM2;" turns as well.
// - An empty command (a lone ";") stops the rotor.
// - Anything else is ignored. The rotor turns at `turnRate` degrees per second between end stops
//   at 0 and 360.
// Streams (TCP, pseudo-terminal) are cut at ";" and each command is recorded with its ";"; a
// stream that sends 64 KiB without a ";" loses what it sent (TCP: the client is dropped). Each
// UDP datagram is recorded whole and answered with one datagram to its sender, holding the
// replies of all its commands; text after the last ";" is ignored.
//
// The UDP socket allows address sharing, so that a client can bind the same port on another
// local address, as it does when it talks to a real controller from its own port.
class Kt90Simulator final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Kt90Simulator)

public:
    struct Options {
        double heading = 180.0;
        double turnRate = 6.0;
        bool decimalHeadings = false;
    };

    explicit Kt90Simulator(QObject* parent = nullptr);
    explicit Kt90Simulator(const Options& options, QObject* parent = nullptr);
    ~Kt90Simulator() override;

    // Each terminal is optional; port 0 takes any free port.
    bool listenTcp(quint16 port = 0, const QHostAddress& address = QHostAddress(QHostAddress::LocalHost));
    bool bindUdp(quint16 port = 0, const QHostAddress& address = QHostAddress(QHostAddress::LocalHost));
    bool openPty();
    quint16 tcpPort() const;
    quint16 udpPort() const;
    QString devicePath() const;
    // The failure of the last listenTcp, bindUdp or openPty.
    QString errorString() const { return m_error; }

    double heading() const { return m_rotor.heading(); }
    std::optional<double> target() const { return m_rotor.target(); }
    bool turning() const { return m_rotor.turning(); }
    // Places the rotor at once, ending any turn.
    void setHeading(double heading) { m_rotor.place(heading); }

    // A silent controller still obeys commands but answers nothing.
    void setSilent(bool silent) { m_silent = silent; }
    bool silent() const { return m_silent; }
    // Written as given, even while silent, to every TCP client, to every UDP sender seen so far
    // and to the pseudo-terminal.
    void sendRaw(const QByteArray& bytes);
    int tcpClientCount() const { return static_cast<int>(m_streams.size()); }

    QList<QByteArray> received() const { return m_received; }
    void clearReceived() { m_received.clear(); }

Q_SIGNALS:
    void recorded(const QByteArray& bytes);

private:
    struct Peer {
        QHostAddress address;
        quint16 port = 0;
        bool operator==(const Peer&) const = default;
    };

    void onNewConnection();
    void readStream(QByteArray& pending, const QByteArray& data, QTcpSocket* socket);
    void readDatagrams();
    // The reply to one command without its ";", if it has one.
    QByteArray execute(const QByteArray& command);
    void record(const QByteArray& bytes);
    void tickMotion();

    Options m_options;
    SimulatedRotor m_rotor;
    std::optional<double> m_storedTarget;
    bool m_silent = false;
    QString m_error;

    QTcpServer* m_server = nullptr;
    std::map<QTcpSocket*, QByteArray> m_streams;
    QUdpSocket* m_udp = nullptr;
    QList<Peer> m_udpPeers;
    PseudoTerminal* m_pty = nullptr;
    QByteArray m_ptyPending;

    QList<QByteArray> m_received;
    QTimer m_motionTimer;
    QElapsedTimer m_motionClock;
};

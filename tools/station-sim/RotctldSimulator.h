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

class QTcpServer;
class QTcpSocket;

// A rotator behind a rotctld, for tests and manual trials: one rotor reached over TCP with the
// rotctld protocol, normal and extended answers alike.
//
// "p" answers the heading and elevation 0; "P az el" turns to az (0...360, elevation 0...90,
// anything else "RPRT -1"); "S" stops; "K" turns to 0; "M 8|16 speed" turns `jogStep` degrees
// left or right; "_" and "\dump_state" answer as rotctld does; "q" closes. Other commands get
// "RPRT -4", malformed ones "RPRT -1". Every line received is recorded with its line feed. The
// rotor turns at `turnRate` degrees per second between end stops at 0 and 360.
class RotctldSimulator final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RotctldSimulator)

public:
    struct Options {
        double heading = 180.0;
        double turnRate = 6.0;
        double jogStep = 10.0;
    };

    explicit RotctldSimulator(QObject* parent = nullptr);
    explicit RotctldSimulator(const Options& options, QObject* parent = nullptr);
    ~RotctldSimulator() override;

    // Port 0 takes any free port.
    bool listen(quint16 port = 0, const QHostAddress& address = QHostAddress(QHostAddress::LocalHost));
    quint16 serverPort() const;
    QString errorString() const;

    double heading() const { return m_rotor.heading(); }
    bool turning() const { return m_rotor.turning(); }
    // Places the rotor at once, ending any turn.
    void setHeading(double heading) { m_rotor.place(heading); }

    // Faults for tests: a nonzero code answers every command with "RPRT code"; a silent rotator
    // still obeys commands but answers nothing.
    void setErrorCode(int code) { m_errorCode = code; }
    void setSilent(bool silent) { m_silent = silent; }
    // Written as given to every client.
    void sendRaw(const QByteArray& bytes);
    int clientCount() const { return static_cast<int>(m_streams.size()); }

    QList<QByteArray> received() const { return m_received; }
    void clearReceived() { m_received.clear(); }

Q_SIGNALS:
    void recorded(const QByteArray& line);

private:
    void onNewConnection();
    void readStream(QTcpSocket* socket);
    // The answer to one line, or nothing; `quit` is set when the client asked to close.
    QByteArray execute(const QByteArray& line, bool& quit);
    void tickMotion();

    Options m_options;
    SimulatedRotor m_rotor;
    int m_errorCode = 0;
    bool m_silent = false;
    QTcpServer* m_server = nullptr;
    std::map<QTcpSocket*, QByteArray> m_streams;
    QList<QByteArray> m_received;
    QTimer m_motionTimer;
    QElapsedTimer m_motionClock;
};

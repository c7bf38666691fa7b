#pragma once

#include "core/model/Instant.h"

#include <QMap>
#include <QObject>
#include <QString>

class KeltoClient;
class QTimer;

// Watches the turns this program asked for and the rotors left alone. While a turn runs, a rotor
// whose heading changes by less than its stall threshold over its stall window, or that is
// still turning after its maximum turn time, is sent Stop once and the log says why. A rotor
// with an idle park time is parked once it has had no command for that long.
//
// Reads the time from the client's clock; `check` runs once a second and on every station
// change, and is public so that tests drive it with a manual clock.
class RotorWatchdog final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RotorWatchdog)

public:
    // The client must outlive the watchdog.
    explicit RotorWatchdog(KeltoClient& client, QObject* parent = nullptr);
    ~RotorWatchdog() override;

    void check();
    // The rotors with a turn being watched.
    QStringList watched() const { return m_watches.keys(); }

private:
    struct Watch {
        Instant started;
        // The last heading that counted as movement, and when it was seen.
        Instant anchorAt;
        double anchorHeading = 0;
        double target = 0;
    };

    void turnSent(const QString& name, double number);
    void commanded(const QString& name);
    void stopFor(const QString& name, const QString& why);
    void parkIdle();

    KeltoClient& m_client;
    QTimer* m_timer;
    QMap<QString, Watch> m_watches;
    // The last command to each rotor; rotors without one count from the connection.
    QMap<QString, Instant> m_lastCommand;
    Instant m_connectedAt;
};

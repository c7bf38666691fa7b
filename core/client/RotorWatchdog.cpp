#include "core/client/RotorWatchdog.h"

#include "core/client/Clock.h"
#include "core/client/KeltoClient.h"
#include "core/model/RotorMechanics.h"
#include "core/protocol/FixedText.h"

#include <QTimer>

#include <algorithm>
#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {

double apart(double a, double b)
{
    const double d = RotorMechanics::bearingOf(a - b);
    return std::min(d, 360.0 - d);
}

QString seconds(double value)
{
    return value == std::round(value) ? QString::number(static_cast<qint64>(value)) : fixedText(value, 1);
}

// A turn counts as arrived this close to its target: the KT-90 reports whole degrees.
double arrivalTolerance(const RotorMechanics& mechanics)
{
    return std::max(2.0, mechanics.stallDegrees);
}

} // namespace

RotorWatchdog::RotorWatchdog(KeltoClient& client, QObject* parent)
    : QObject(parent)
    , m_client(client)
    , m_timer(new QTimer(this))
    , m_connectedAt(client.clock().now())
{
    m_timer->setInterval(1000);
    connect(m_timer, &QTimer::timeout, this, &RotorWatchdog::check);
    m_timer->start();
    connect(&client, &KeltoClient::turnSent, this, &RotorWatchdog::turnSent);
    connect(&client, &KeltoClient::jogSent, this, &RotorWatchdog::commanded);
    connect(&client, &KeltoClient::stopSent, this, [this](const QString& name) {
        m_watches.remove(name);
        commanded(name);
    });
    connect(&client, &KeltoClient::stationChanged, this, &RotorWatchdog::check);
    connect(&client, &KeltoClient::connectedChanged, this, [this] {
        m_watches.clear();
        m_lastCommand.clear();
        m_connectedAt = m_client.clock().now();
    });
}

RotorWatchdog::~RotorWatchdog() = default;

void RotorWatchdog::turnSent(const QString& name, double number)
{
    commanded(name);
    const Instant now = m_client.clock().now();
    const std::optional<double> heading = m_client.station().rotors.value(name).heading;
    if (!m_client.rotorMechanics(name).stallWatchdog || !heading) {
        m_watches.remove(name);
        return;
    }
    // A tracker re-aims a turning rotor every second: a new target is a new turn for the time
    // limit, but the rotor must still show movement since it last did.
    const auto running = m_watches.constFind(name);
    if (running != m_watches.cend()) {
        m_watches.insert(name, Watch{now, running->anchorAt, running->anchorHeading, number});
        return;
    }
    m_watches.insert(name, Watch{now, now, *heading, number});
}

void RotorWatchdog::commanded(const QString& name)
{
    m_lastCommand.insert(name, m_client.clock().now());
}

void RotorWatchdog::check()
{
    const Instant now = m_client.clock().now();
    // Stopping writes to the log and may change the station: work from a copy of the names.
    const QStringList names = m_watches.keys();
    for (const QString& name : names) {
        const auto found = m_watches.find(name);
        if (found == m_watches.end()) {
            continue;
        }
        Watch& watch = *found;
        const RotorMechanics mechanics = m_client.rotorMechanics(name);
        const std::optional<double> heading = m_client.station().rotors.value(name).heading;
        if (!heading || !mechanics.stallWatchdog) {
            m_watches.erase(found);
            continue;
        }
        if (apart(*heading, watch.target) <= arrivalTolerance(mechanics)) {
            m_watches.erase(found);
            continue;
        }
        if (apart(*heading, watch.anchorHeading) >= mechanics.stallDegrees) {
            watch.anchorHeading = *heading;
            watch.anchorAt = now;
        }
        const QString at = fixedText(*heading, 1);
        if (now - watch.anchorAt >= mechanics.stallSeconds) {
            stopFor(name,
                    tr("%1 did not move for %2 s: stopped at %3°.").arg(name, seconds(mechanics.stallSeconds), at));
        } else if (now - watch.started >= mechanics.maxTurnSeconds) {
            stopFor(name, tr("%1 turned for %2 s without arriving: stopped at %3°.")
                              .arg(name, seconds(mechanics.maxTurnSeconds), at));
        }
    }
    parkIdle();
}

void RotorWatchdog::stopFor(const QString& name, const QString& why)
{
    // Once: the watch ends before the stop, whether or not the stop goes out.
    m_watches.remove(name);
    m_client.logNote(why);
    m_client.stop(name);
}

void RotorWatchdog::parkIdle()
{
    if (!m_client.connected()) {
        return;
    }
    const Instant now = m_client.clock().now();
    // Parking writes to the log and may end the connection: work from a copy of the names.
    const QStringList names = m_client.station().rotors.keys();
    for (const QString& name : names) {
        const std::optional<double> heading = m_client.station().rotors.value(name).heading;
        const RotorMechanics mechanics = m_client.rotorMechanics(name);
        if (mechanics.idleParkMinutes <= 0 || !heading || m_watches.contains(name)) {
            continue;
        }
        const Instant since = m_lastCommand.value(name, m_connectedAt);
        if (now - since < mechanics.idleParkMinutes * 60.0) {
            continue;
        }
        if (apart(*heading, mechanics.park) <= arrivalTolerance(mechanics)) {
            // Already parked: count the idle time afresh.
            m_lastCommand.insert(name, now);
            continue;
        }
        // Refused quietly: a rotor nobody may turn now is tried again on a later check.
        if (m_client.turnRefusal(name, mechanics.park, KeltoClient::TurnRules::window) !=
            KeltoClient::TurnRefusal::none) {
            continue;
        }
        m_client.logNote(tr("%1 had no command for %2 min: parking at %3°.")
                             .arg(name, QString::number(mechanics.idleParkMinutes), fixedText(mechanics.park, 1)));
        m_client.park(name);
        if (!m_client.connected()) {
            return;
        }
    }
}

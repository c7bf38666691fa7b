// Latency of a logger command: an N1MM rotor stop broadcast goes over loopback UDP to the
// integration controller, which has the client send "STOP" to a simulated station over TCP.
// Beside it, in the same run and the same event loop, a bare relay forwards each datagram from
// a UDP socket to a TCP connection: the floor that the sockets and the event loop set.
//
// One event is in flight at a time, the two paths take turns, and each time runs from just
// before the datagram is written until its bytes arrive at the far TCP end.

#include "app/integrations/IntegrationSettings.h"
#include "app/integrations/StationIntegrations.h"
#include "core/client/KeltoClient.h"
#include "core/client/MemorySettingsStore.h"
#include "core/integrations/LoggerTransport.h"
#include "tools/station-sim/StationSimulator.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QHostAddress>
#include <QNetworkDatagram>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QUdpSocket>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int warmUpEvents = 100;
constexpr int measuredEvents = 2000;
constexpr std::chrono::seconds budget{30};
constexpr double targetMicroseconds = 1000.0;

// The stop broadcast in the shape the logger really sends; a stop needs no fresh heading and no
// settled rotor, so it can be repeated as fast as it arrives.
const QByteArray stopDatagram = "<N1MMRotor><stop><rotor>Tower 1</rotor><freqband>21.0</freqband></stop></N1MMRotor>";
const QByteArray stopCommand = "STOP\x1f"
                               "Rotor 1\r\n";
const QString rotorName = u"Rotor 1"_s;

using SteadyClock = std::chrono::steady_clock;

class Deadline {
public:
    explicit Deadline(SteadyClock::duration span)
        : m_end(SteadyClock::now() + span)
    {}
    bool expired() const { return SteadyClock::now() >= m_end; }

private:
    SteadyClock::time_point m_end;
};

// Runs the event loop until `done` holds; false once the deadline passed. A ticking timer in
// `main` wakes the loop so that the deadline is seen even when nothing arrives.
bool waitUntil(const std::function<bool()>& done, const Deadline& deadline)
{
    while (!done()) {
        if (deadline.expired()) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

double microseconds(SteadyClock::duration span)
{
    return std::chrono::duration<double, std::micro>(span).count();
}

// One timed event: until the command bytes were handed to the TCP socket, and until they arrived.
struct Sample {
    double written = 0.0;
    double arrived = 0.0;
};

// The times of one event on its way; each path stamps them from its own handlers.
struct Trip {
    SteadyClock::time_point sent;
    std::optional<SteadyClock::time_point> written;
    std::optional<SteadyClock::time_point> arrived;

    void begin()
    {
        written.reset();
        arrived.reset();
        sent = SteadyClock::now();
    }

    std::optional<Sample> wait(const Deadline& deadline) const
    {
        if (!waitUntil([this] { return arrived.has_value(); }, deadline)) {
            return std::nullopt;
        }
        const SteadyClock::time_point handed = written.value_or(*arrived);
        return Sample{microseconds(handed - sent), microseconds(*arrived - sent)};
    }
};

quint16 freeUdpPort()
{
    QUdpSocket probe;
    probe.bind(QHostAddress::LocalHost, 0);
    return probe.localPort();
}

// The real pieces: the simulated station, a client with its controls on, and the integration
// controller listening for N1MM broadcasts with "Rotor 1" on radio 1.
class LoggerPath {
public:
    bool open(const Deadline& deadline)
    {
        if (!m_simulator.listen()) {
            std::fprintf(stderr, "simulator: %s\n", qPrintable(m_simulator.errorString()));
            return false;
        }
        m_client.connectTo(u"127.0.0.1"_s, QString::number(m_simulator.serverPort()));
        const bool live = waitUntil(
            [this] {
                const StationState& station = m_client.station();
                return m_client.connected() && station.rotors.contains(rotorName) &&
                       station.rotors.value(rotorName).updated.has_value();
            },
            deadline);
        if (!live) {
            std::fprintf(stderr, "client did not go live: %s\n", qPrintable(m_client.message()));
            return false;
        }
        m_client.setControlsEnabled(true);
        m_client.setSwitchControlsEnabled(true);

        m_port = freeUdpPort();
        IntegrationSettings settings;
        settings.kind = LoggerKind::n1mm;
        settings.host = u"127.0.0.1"_s;
        settings.port = QString::number(m_port);
        settings.rotorA = rotorName;
        m_integrations.load(m_client.endpoint());
        m_integrations.setSettings(settings);
        m_integrations.setEnabled(true);
        m_integrations.start(m_client);
        if (!waitUntil([this] { return m_integrations.transport().message().startsWith(u"Listening on "_s); },
                       deadline)) {
            std::fprintf(stderr, "logger input did not start: %s\n", qPrintable(m_integrations.transport().message()));
            return false;
        }

        // Connected after the controller's own route, so this runs once the controller has
        // handled the event and the client has written its command.
        QObject::connect(&m_integrations.transport(), &LoggerTransport::eventReceived, &m_simulator,
                         [this] { m_trip.written = SteadyClock::now(); });
        QObject::connect(&m_simulator, &StationSimulator::recorded, &m_simulator, [this](const QByteArray& bytes) {
            if (bytes == stopCommand) {
                m_trip.arrived = SteadyClock::now();
                ++m_stops;
            }
        });
        return true;
    }

    std::optional<Sample> measure(const Deadline& deadline)
    {
        m_trip.begin();
        if (m_sender.writeDatagram(stopDatagram, QHostAddress::LocalHost, m_port) != stopDatagram.size()) {
            std::fprintf(stderr, "logger datagram not sent: %s\n", qPrintable(m_sender.errorString()));
            return std::nullopt;
        }
        return m_trip.wait(deadline);
    }

    // Commands the simulator received: one per event, or the controller sent more than it was asked.
    int stops() const { return m_stops; }
    QString lastLogLine() const { return m_client.log().isEmpty() ? u"(empty)"_s : m_client.log().last(); }

private:
    // Declared so that the controller goes first and the stores last.
    MemorySettingsStore m_defaults;
    StationSimulator m_simulator;
    KeltoClient m_client{nullptr, m_defaults};
    StationIntegrations m_integrations{m_defaults};
    QUdpSocket m_sender;
    quint16 m_port = 0;
    Trip m_trip;
    int m_stops = 0;
};

// The floor: each datagram's bytes written unchanged to a TCP connection on the same loop, with
// the sockets' default options, as the client uses them.
class RelayPath {
public:
    bool open(const Deadline& deadline)
    {
        if (!m_server.listen(QHostAddress::LocalHost, 0) || !m_inbound.bind(QHostAddress::LocalHost, 0)) {
            std::fprintf(stderr, "relay sockets: %s %s\n", qPrintable(m_server.errorString()),
                         qPrintable(m_inbound.errorString()));
            return false;
        }
        m_out.connectToHost(QHostAddress::LocalHost, m_server.serverPort());
        if (!waitUntil(
                [this] { return m_out.state() == QAbstractSocket::ConnectedState && m_server.hasPendingConnections(); },
                deadline)) {
            std::fprintf(stderr, "relay did not connect: %s\n", qPrintable(m_out.errorString()));
            return false;
        }
        m_in = m_server.nextPendingConnection();

        QObject::connect(&m_inbound, &QUdpSocket::readyRead, &m_inbound, [this] {
            while (m_inbound.hasPendingDatagrams()) {
                const QNetworkDatagram datagram = m_inbound.receiveDatagram();
                m_out.write(datagram.data());
                m_trip.written = SteadyClock::now();
            }
        });
        QObject::connect(m_in, &QTcpSocket::readyRead, m_in, [this] {
            m_pending += m_in->readAll();
            if (m_pending.size() >= stopDatagram.size()) {
                if (m_pending.first(stopDatagram.size()) == stopDatagram) {
                    m_trip.arrived = SteadyClock::now();
                }
                m_pending.remove(0, stopDatagram.size());
            }
        });
        return true;
    }

    std::optional<Sample> measure(const Deadline& deadline)
    {
        m_trip.begin();
        if (m_sender.writeDatagram(stopDatagram, QHostAddress::LocalHost, m_inbound.localPort()) !=
            stopDatagram.size()) {
            std::fprintf(stderr, "relay datagram not sent: %s\n", qPrintable(m_sender.errorString()));
            return std::nullopt;
        }
        return m_trip.wait(deadline);
    }

private:
    QTcpServer m_server;
    QUdpSocket m_inbound;
    QTcpSocket m_out;
    QTcpSocket* m_in = nullptr;
    QUdpSocket m_sender;
    QByteArray m_pending;
    Trip m_trip;
};

struct Summary {
    double median = 0.0;
    double p99 = 0.0;
    double min = 0.0;
    double max = 0.0;
};

// Nearest-rank percentiles.
Summary summarize(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const auto rank = [&values](double fraction) {
        const auto index = static_cast<std::size_t>(std::ceil(fraction * static_cast<double>(values.size())));
        return values[std::max<std::size_t>(index, 1) - 1];
    };
    return Summary{rank(0.5), rank(0.99), values.front(), values.back()};
}

std::vector<double> column(const std::vector<Sample>& samples, double Sample::*field)
{
    std::vector<double> values;
    values.reserve(samples.size());
    for (const Sample& sample : samples) {
        values.push_back(sample.*field);
    }
    return values;
}

void printRow(const char* label, const Summary& summary)
{
    std::printf("%-46s median %8.1f us   p99 %8.1f us   (min %7.1f, max %8.1f)\n", label, summary.median, summary.p99,
                summary.min, summary.max);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    const Deadline deadline(budget);
    // Wakes the loop so that a lost event ends the run at the deadline.
    QTimer ticker;
    ticker.start(100);

    LoggerPath logger;
    RelayPath relay;
    if (!logger.open(deadline) || !relay.open(deadline)) {
        return 1;
    }

    std::vector<Sample> loggerSamples;
    std::vector<Sample> relaySamples;
    loggerSamples.reserve(measuredEvents);
    relaySamples.reserve(measuredEvents);
    for (int event = 0; event < warmUpEvents + measuredEvents; ++event) {
        // Each event starts on an idle loop, with the previous one's echoes handled.
        QCoreApplication::processEvents();
        const std::optional<Sample> viaLogger = logger.measure(deadline);
        if (!viaLogger) {
            std::fprintf(stderr,
                         "gave up after %lld s: logger event %d of %d did not reach the simulator (last client log "
                         "line: %s)\n",
                         static_cast<long long>(budget.count()), event + 1, warmUpEvents + measuredEvents,
                         qPrintable(logger.lastLogLine()));
            return 1;
        }
        QCoreApplication::processEvents();
        const std::optional<Sample> viaRelay = relay.measure(deadline);
        if (!viaRelay) {
            std::fprintf(stderr, "gave up after %lld s: relay event %d of %d did not arrive\n",
                         static_cast<long long>(budget.count()), event + 1, warmUpEvents + measuredEvents);
            return 1;
        }
        if (event >= warmUpEvents) {
            loggerSamples.push_back(*viaLogger);
            relaySamples.push_back(*viaRelay);
        }
    }

    // Echoes of the last event (or a duplicate command) have had their chance to arrive.
    QCoreApplication::processEvents();
    if (logger.stops() != warmUpEvents + measuredEvents) {
        std::fprintf(stderr, "the simulator received %d stop commands for %d events\n", logger.stops(),
                     warmUpEvents + measuredEvents);
        return 1;
    }

    const Summary loggerArrived = summarize(column(loggerSamples, &Sample::arrived));
    const Summary loggerWritten = summarize(column(loggerSamples, &Sample::written));
    const Summary relayArrived = summarize(column(relaySamples, &Sample::arrived));
    const Summary relayWritten = summarize(column(relaySamples, &Sample::written));

    std::printf("events: %d per path after %d warm-up, loopback, one in flight, paths alternating\n", measuredEvents,
                warmUpEvents);
    std::printf("event: N1MM rotor stop broadcast (%lld bytes) -> \"STOP\" for %s (%lld bytes)\n",
                static_cast<long long>(stopDatagram.size()), qPrintable(rotorName),
                static_cast<long long>(stopCommand.size()));
    printRow("logger -> simulator, datagram to bytes in:", loggerArrived);
    printRow("  of which datagram to command written:", loggerWritten);
    printRow("bare UDP -> TCP relay, datagram to bytes in:", relayArrived);
    printRow("  of which datagram to bytes written:", relayWritten);
    std::printf("%-46s median %8.2f      p99 %8.2f\n",
                "logger path / relay:", loggerArrived.median / relayArrived.median,
                loggerArrived.p99 / relayArrived.p99);
    std::printf("target median < %.0f us: %s\n", targetMicroseconds,
                loggerArrived.median < targetMicroseconds ? "met" : "not met");
    return 0;
}

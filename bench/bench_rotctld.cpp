// The tab's rotctld server under a crowd: 200 clients connect at once and ask for the position
// as fast as they get answers, while one client sends a megabyte without a line break and one
// sends commands without reading the answers. The station simulator and the crowd run on threads
// of their own, so the stalls measured are those of the main thread, where the window, the
// client and the server live. Before the crowd, a tracker sends a new target ten times a second:
// the turns the station gets per second.

#include "app/integrations/RotctldServer.h"
#include "bench/OnThread.h"
#include "bench/PeakMemory.h"
#include "core/client/KeltoClient.h"
#include "core/client/MemorySettingsStore.h"
#include "tools/station-sim/StationSimulator.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <map>
#include <memory>
#include <set>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int crowd = 200;
// Of the crowd, every tenth turns the rotor instead, as a tracker does: one target, which the
// station gets once.
constexpr int turnerEvery = 10;
constexpr int runSeconds = 10;
constexpr qint64 targetStallMilliseconds = 100;
constexpr int trackerSeconds = 10;
constexpr int trackerPeriodMilliseconds = 100;

int turnsReceived(OnThread<StationSimulator>& station)
{
    int turns = 0;
    station.run([&turns](StationSimulator* simulator) {
        const QList<QByteArray> received = simulator->received();
        turns = static_cast<int>(std::count_if(received.cbegin(), received.cend(),
                                               [](const QByteArray& r) { return r.startsWith("TURN"); }));
    });
    return turns;
}

// The clients: each asks again as soon as its answer is complete. The hostile two connect first.
// Lives on a thread of its own.
class Crowd {
public:
    explicit Crowd(quint16 port)
    {
        m_flooder.connectToHost(QHostAddress::LocalHost, port);
        QObject::connect(&m_flooder, &QTcpSocket::connected, &m_flooder,
                         [this] { m_flooder.write(QByteArray(1 << 20, 'x')); });
        // Reads a kilobyte, then nothing: answers pile up behind it.
        m_deaf.setReadBufferSize(1024);
        m_deaf.connectToHost(QHostAddress::LocalHost, port);
        QObject::connect(&m_deaf, &QTcpSocket::connected, &m_deaf,
                         [this] { m_deaf.write(QByteArray("\\dump_state\n").repeated(200'000)); });
        for (int i = 0; i < crowd; ++i) {
            auto* socket = new QTcpSocket;
            m_sockets.emplace_back(socket);
            const bool turner = i % turnerEvery == 0;
            const QByteArray command = turner ? "P 123 0\n" : "p\n";
            // A position is two lines, a report one.
            const int lines = turner ? 1 : 2;
            QObject::connect(socket, &QTcpSocket::connected, socket, [socket, command] { socket->write(command); });
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, command, lines] {
                QByteArray& pending = m_pending[socket];
                pending += socket->readAll();
                for (qsizetype end = nthLineEnd(pending, lines); end >= 0; end = nthLineEnd(pending, lines)) {
                    pending.remove(0, end + 1);
                    m_answered.insert(socket);
                    ++answers;
                    socket->write(command);
                }
            });
            socket->connectToHost(QHostAddress::LocalHost, port);
        }
    }

    // Served: connected and answered; refused: closed; hanging: neither.
    int servedCount() const
    {
        return static_cast<int>(std::count_if(m_sockets.cbegin(), m_sockets.cend(), [this](const auto& socket) {
            return socket->state() == QAbstractSocket::ConnectedState && m_answered.count(socket.get()) == 1;
        }));
    }
    int refusedCount() const
    {
        return static_cast<int>(std::count_if(m_sockets.cbegin(), m_sockets.cend(), [](const auto& socket) {
            return socket->state() == QAbstractSocket::UnconnectedState;
        }));
    }
    // A peer that reads nothing cannot see its end either: the deaf one reads now, for a while.
    bool hostileDropped()
    {
        m_deaf.setReadBufferSize(0);
        QElapsedTimer waited;
        waited.start();
        const auto gone = [this] {
            return m_flooder.state() == QAbstractSocket::UnconnectedState &&
                   m_deaf.state() == QAbstractSocket::UnconnectedState;
        };
        while (!gone() && waited.elapsed() < 3000) {
            m_deaf.readAll();
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        }
        return gone();
    }

    // Answers taken, positions and reports alike.
    std::atomic<qint64> answers = 0;

private:
    static qsizetype nthLineEnd(const QByteArray& bytes, int n)
    {
        qsizetype at = -1;
        for (int i = 0; i < n; ++i) {
            at = bytes.indexOf('\n', at + 1);
            if (at < 0) {
                return -1;
            }
        }
        return at;
    }

    std::vector<std::unique_ptr<QTcpSocket>> m_sockets;
    std::map<QTcpSocket*, QByteArray> m_pending;
    std::set<const QTcpSocket*> m_answered;
    QTcpSocket m_flooder;
    QTcpSocket m_deaf;
};

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);

    OnThread<StationSimulator> station(u"station"_s, [] {
        auto simulator = std::make_unique<StationSimulator>();
        simulator->listen();
        return simulator;
    });
    quint16 stationPort = 0;
    station.run([&](StationSimulator* simulator) { stationPort = simulator->serverPort(); });

    MemorySettingsStore defaults;
    KeltoClient client(nullptr, defaults);
    client.connectTo(u"127.0.0.1"_s, QString::number(stationPort));
    QElapsedTimer waiting;
    waiting.start();
    while (!client.station().rotors.value(u"Rotor 1"_s).heading && waiting.elapsed() < 10'000) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
    }
    if (!client.connected()) {
        std::fprintf(stderr, "the station simulator did not come up: %s\n", qPrintable(client.message()));
        return 1;
    }

    client.setControlsEnabled(true);
    qint64 logLines = 0;
    QObject::connect(&client, &KeltoClient::lineLogged, [&logLines] { ++logLines; });

    RotctldServer server;
    server.setRotor(u"Rotor 1"_s);
    quint16 port = 0;
    {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost);
        port = probe.serverPort();
    }
    server.start(client, u"127.0.0.1"_s, QString::number(port));
    if (!server.running()) {
        std::fprintf(stderr, "%s\n", qPrintable(server.message()));
        return 1;
    }
    // Targets 20° apart in turn, each one a re-aim: only the interval holds the turns back.
    station.run([](StationSimulator* simulator) { simulator->clearReceived(); });
    const qint64 logLinesBefore = logLines;
    QTcpSocket tracker;
    tracker.connectToHost(QHostAddress::LocalHost, port);
    int targets = 0;
    QTimer pace;
    pace.setTimerType(Qt::PreciseTimer);
    QObject::connect(&pace, &QTimer::timeout, [&] {
        tracker.readAll();
        tracker.write(targets++ % 2 == 0 ? "P 100 0\n" : "P 120 0\n");
    });
    pace.start(trackerPeriodMilliseconds);
    QTimer::singleShot(trackerSeconds * 1000, &application, &QCoreApplication::quit);
    QCoreApplication::exec();
    pace.stop();
    const int trackerTurns = turnsReceived(station);
    const qint64 trackerLogLines = logLines - logLinesBefore;
    const bool trackerMet = trackerTurns <= trackerSeconds + 1;
    std::printf("rotctld tracker, a new target every %d ms for %d s: %d targets, %d turns to the station "
                "(%.1f/s; target: at most 1/s), %lld log lines%s\n",
                trackerPeriodMilliseconds, trackerSeconds, targets, trackerTurns,
                static_cast<double>(trackerTurns) / trackerSeconds, static_cast<long long>(trackerLogLines),
                trackerMet ? "" : "  MISSED");
    tracker.abort();
    station.run([](StationSimulator* simulator) { simulator->clearReceived(); });

    int mostClients = 0;
    QObject::connect(&server, &RotctldServer::clientCountChanged,
                     [&](int count) { mostClients = std::max(mostClients, count); });

    // A 1 ms timer: any longer gap between its turns is time the window could not serve.
    qint64 longestStall = 0;
    qint64 turns = 0;
    QElapsedTimer sinceTurn;
    QTimer probe;
    probe.setTimerType(Qt::PreciseTimer);
    QObject::connect(&probe, &QTimer::timeout, [&] {
        longestStall = std::max(longestStall, sinceTurn.restart() - 1);
        ++turns;
    });
    sinceTurn.start();
    probe.start(1);

    OnThread<Crowd> peers(u"crowd"_s, [port] { return std::make_unique<Crowd>(port); });
    QTimer::singleShot(runSeconds * 1000, &application, &QCoreApplication::quit);
    QCoreApplication::exec();

    int served = 0;
    int refused = 0;
    bool hostileDropped = false;
    qint64 answers = 0;
    peers.run([&](Crowd* clients) {
        served = clients->servedCount();
        refused = clients->refusedCount();
        hostileDropped = clients->hostileDropped();
        answers = clients->answers;
    });
    const int hanging = crowd - served - refused;
    const bool met = longestStall < targetStallMilliseconds && hostileDropped && hanging == 0;
    std::printf("rotctld server, %d clients at once for %d s on loopback (target: longest stall under %lld ms): "
                "%d served, %d refused, %d neither, most at once %d; %lld answers (%lld/s); flooding and "
                "deaf clients %s; %d turns to the station; %lld log lines; main thread: longest stall %lld ms over "
                "%lld turns of a 1 ms timer; "
                "peak %.1f MiB%s\n",
                crowd, runSeconds, targetStallMilliseconds, served, refused, hanging, mostClients,
                static_cast<long long>(answers), static_cast<long long>(answers / runSeconds),
                hostileDropped ? "dropped" : "STILL CONNECTED", turnsReceived(station),
                static_cast<long long>(logLines - logLinesBefore - trackerLogLines),
                static_cast<long long>(longestStall), static_cast<long long>(turns),
                static_cast<double>(peakResidentBytes()) / (1 << 20), met ? "" : "  MISSED");
    return 0;
}

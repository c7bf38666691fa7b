// A real client against hostile station servers on loopback, without windows: for each kind of
// server, the peak resident size of the whole process and the longest stall of the client's
// event loop. The simulator runs on a thread of its own, so the stalls are the client's alone.
//
// Run without arguments, the program runs every case in a fresh process of its own (peak
// resident size only grows) and prints one line per case; with a case name it runs that one.
// Beside them it times the snapshot of the largest station the client's bounds let a server
// build, encoded as the client encodes it off the main thread.

#include "bench/OnThread.h"
#include "bench/PeakMemory.h"
#include "core/client/KeltoClient.h"
#include "core/client/MemorySettingsStore.h"
#include "core/client/QSettingsStore.h"
#include "core/protocol/StationFootprint.h"
#include "tools/station-sim/StationSimulator.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int caseSeconds = 20;
constexpr qint64 targetPeakBytes = 150LL << 20;
constexpr qint64 targetStallMilliseconds = 100;

struct Case {
    const char* name;
    StationSimulator::Fault fault;
    const char* description;
};

const Case cases[] = {
    {"flood", StationSimulator::Fault::endlessFlood, "state lines without end"},
    {"addRemove", StationSimulator::Fault::addRemoveLoop, "ADD and REMOVE of one rotor in a loop"},
    {"distinctAdds", StationSimulator::Fault::distinctAdds, "ADD lines of ever new rotors"},
    {"neverReads", StationSimulator::Fault::neverRead, "reads nothing, reports as usual"},
};

struct Outcome {
    qint64 peakBytes = 0;
    qint64 longestStallMs = 0;
    qint64 stationChanges = 0;
    qint64 logLines = 0;
    qint64 connects = 0;
    QString lastEnd;
};

Outcome runCase(const Case& hostile)
{
    // The simulator, on its own thread.
    OnThread<StationSimulator> server(u"hostile-server"_s, [fault = hostile.fault] {
        StationSimulator::Options options;
        options.reportInterval = 200;
        auto simulator = std::make_unique<StationSimulator>(options);
        simulator->listen();
        simulator->setFault(fault);
        return simulator;
    });
    quint16 port = 0;
    server.run([&port](StationSimulator* simulator) { port = simulator->serverPort(); });
    MemorySettingsStore defaults;
    KeltoClient client(nullptr, defaults);
    Outcome outcome;
    QObject::connect(&client, &KeltoClient::stationChanged, [&outcome] { ++outcome.stationChanges; });
    QObject::connect(&client, &KeltoClient::lineLogged, [&outcome] { ++outcome.logLines; });

    const auto connectClient = [&] {
        ++outcome.connects;
        client.connectTo(u"127.0.0.1"_s, QString::number(port));
    };
    // A server that ends up refused is tried again at once, as a user pressing Connect would.
    QObject::connect(&client, &KeltoClient::connectedChanged, [&] {
        if (!client.connected() && !client.connecting()) {
            QTimer::singleShot(0, [&] {
                outcome.lastEnd = client.message();
                connectClient();
            });
        }
    });
    connectClient();

    // Commands as a busy operator and a logger would send them, so that unread ones pile up.
    QTimer commands;
    if (hostile.fault == StationSimulator::Fault::neverRead) {
        QObject::connect(&commands, &QTimer::timeout, [&client] {
            for (int i = 0; i < 200; ++i) {
                client.refreshPresets();
            }
        });
        commands.start(1);
    }

    // A 1 ms timer: any longer gap between its turns is time the loop could not serve.
    QElapsedTimer sinceTurn;
    QTimer probe;
    probe.setTimerType(Qt::PreciseTimer);
    QObject::connect(&probe, &QTimer::timeout,
                     [&] { outcome.longestStallMs = std::max(outcome.longestStallMs, sinceTurn.restart() - 1); });
    QElapsedTimer running;
    running.start();
    sinceTurn.start();
    probe.start(1);
    QTimer::singleShot(caseSeconds * 1000, QCoreApplication::instance(), &QCoreApplication::quit);
    QCoreApplication::exec();
    outcome.peakBytes = peakResidentBytes();
    return outcome;
}

// The largest station a server can leave the client holding: the device bound, each a switch
// with a long position list, up to the footprint bound.
void timeLargestSnapshot()
{
    StationState station;
    for (int n = 0; StationFootprint::devices(station) < KeltoClient::maxStationDevices &&
                    StationFootprint::of(station) < KeltoClient::maxStationBytes;
         ++n) {
        AntennaSwitch item;
        item.name = u"Switch %1"_s.arg(n);
        item.displayType = 2;
        for (int p = 0; p < 64; ++p) {
            const QString name = u"Position %1 of switch %2"_s.arg(p).arg(n);
            item.positions.append(name);
            SwitchPosition position;
            position.name = name;
            position.bearing = p * 5.0;
            position.beamWidth = 60.0;
            item.metadata.append(position);
        }
        station.switches.insert(item.name, item);
    }
    QElapsedTimer timer;
    timer.start();
    const std::optional<QByteArray> encoded = station.encoded();
    const qint64 encodeMs = timer.elapsed();
    timer.restart();
    const StationState copy = station;
    const qint64 copyUs = timer.nsecsElapsed() / 1000;
    // The store the application uses writes its file at every change, on the main thread.
    const QTemporaryDir folder;
    QSettingsStore store(folder.filePath(u"settings.ini"_s));
    timer.restart();
    store.setData(u"stationSnapshot:hostile.example:4001"_s, encoded.value_or(QByteArray()));
    const qint64 storeMs = timer.elapsed();
    std::printf("%-13s %4lld devices, %4.1f MiB by footprint, %4.1f MiB encoded: encoded in %lld ms on a worker "
                "thread; on the main thread a shared copy in %lld us and the settings write in %lld ms\n",
                "snapshot", static_cast<long long>(StationFootprint::devices(copy)),
                static_cast<double>(StationFootprint::of(station)) / (1 << 20),
                encoded ? static_cast<double>(encoded->size()) / (1 << 20) : 0.0, static_cast<long long>(encodeMs),
                static_cast<long long>(copyUs), static_cast<long long>(storeMs));
}

int runAll(const QString& program)
{
    std::printf("Hostile station servers, %d s each, a real client on loopback (targets: peak under %lld MiB, "
                "longest stall under %lld ms)\n",
                caseSeconds, targetPeakBytes >> 20, targetStallMilliseconds);
    bool met = true;
    for (const Case& hostile : cases) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(program, {QString::fromLatin1(hostile.name)});
        if (!child.waitForFinished((caseSeconds + 30) * 1000) || child.exitCode() != 0) {
            std::printf("%-13s did not finish\n", hostile.name);
            met = false;
            continue;
        }
        const QByteArray line = child.readAllStandardOutput();
        std::fputs(line.constData(), stdout);
        met = met && !line.contains("MISSED");
    }
    timeLargestSnapshot();
    return met ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    if (argc < 2) {
        return runAll(QCoreApplication::applicationFilePath());
    }
    for (const Case& hostile : cases) {
        if (QString::fromLatin1(hostile.name) != QString::fromLocal8Bit(argv[1])) {
            continue;
        }
        const Outcome outcome = runCase(hostile);
        const bool met = outcome.peakBytes < targetPeakBytes && outcome.longestStallMs < targetStallMilliseconds;
        std::printf("%-13s peak %6.1f MiB, longest stall %4lld ms | %10lld station changes, %8lld log lines, "
                    "%5lld connects%s%s | %s%s\n",
                    hostile.name, static_cast<double>(outcome.peakBytes) / (1 << 20),
                    static_cast<long long>(outcome.longestStallMs), static_cast<long long>(outcome.stationChanges),
                    static_cast<long long>(outcome.logLines), static_cast<long long>(outcome.connects),
                    outcome.lastEnd.isEmpty() ? "" : ", last end: ", qPrintable(outcome.lastEnd), hostile.description,
                    met ? "" : "  MISSED");
        return 0;
    }
    std::fprintf(stderr, "unknown case %s\n", argv[1]);
    return 2;
}

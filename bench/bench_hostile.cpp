// A real client against hostile station servers on loopback: for each kind of server, the peak
// resident size of the whole process and the longest stall of the event loop, first with the
// client alone and then with the main window open on it (offscreen), where the station view must
// keep repainting. The simulator runs on a thread of its own, so the stalls are the client's.
//
// Run without arguments, the program runs every case in a fresh process of its own (peak
// resident size only grows) and prints one line per case; with a case name (and "window") it
// runs that one.
// Beside them it times the snapshot of the largest station the client's bounds let a server
// build, encoded as the client encodes it off the main thread.

#include "app/ui/shell/MainWindow.h"
#include "app/ui/station/StationView.h"
#include "app/ui/station/StationWorkspaceView.h"
#include "app/workspace/StationSession.h"
#include "app/workspace/StationWorkspace.h"
#include "bench/OnThread.h"
#include "bench/PeakMemory.h"
#include "core/client/KeltoClient.h"
#include "core/client/MemorySettingsStore.h"
#include "core/client/QSettingsStore.h"
#include "core/protocol/StationFootprint.h"
#include "tools/station-sim/StationSimulator.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <ctime>
#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int caseSeconds = 20;
constexpr qint64 targetPeakBytes = 150LL << 20;
constexpr qint64 targetStallMilliseconds = 100;
// With the window open the station view must also keep up with the screen.
constexpr qint64 targetWindowStallMilliseconds = 50;

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

qint64 threadCpuNs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return qint64(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

struct Outcome {
    qint64 peakBytes = 0;
    qint64 longestStallMs = 0;
    // The main thread's own CPU time in the longest turn: what the stall would be on an idle
    // machine, where a loaded one adds the time the thread waited for a core.
    qint64 longestBusyMs = 0;
    qint64 stationChanges = 0;
    qint64 logLines = 0;
    qint64 connects = 0;
    qint64 paints = 0;
    QString lastEnd;
};

// Counts the paints of the shown station view and its cards, the proof that the window still
// redraws under the flood.
class PaintCounter final : public QObject {
public:
    PaintCounter(const QWidget& view, qint64& paints)
        : m_view(view)
        , m_paints(paints)
    {}
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType()) {
            const auto* widget = static_cast<const QWidget*>(watched);
            if (widget == &m_view || m_view.isAncestorOf(widget)) {
                ++m_paints;
            }
        }
        return false;
    }

private:
    const QWidget& m_view;
    qint64& m_paints;
};

Outcome runCase(const Case& hostile, bool window)
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
    Outcome outcome;
    // Alone, the client is one of our own; with the window it is the first tab's.
    std::unique_ptr<KeltoClient> bare;
    std::unique_ptr<StationWorkspace> workspace;
    std::unique_ptr<MainWindow> mainWindow;
    std::unique_ptr<PaintCounter> paints;
    if (window) {
        workspace = std::make_unique<StationWorkspace>(defaults, nullptr);
        mainWindow = std::make_unique<MainWindow>(*workspace);
        mainWindow->show();
        paints = std::make_unique<PaintCounter>(*mainWindow->workspaceView().currentView(), outcome.paints);
        qApp->installEventFilter(paints.get());
    } else {
        bare = std::make_unique<KeltoClient>(nullptr, defaults);
    }
    KeltoClient& client = window ? workspace->sessions().first()->client() : *bare;
    QObject::connect(&client, &KeltoClient::stationChanged, [&outcome] { ++outcome.stationChanges; });
    QObject::connect(&client, &KeltoClient::lineLogged, [&outcome] { ++outcome.logLines; });

    const auto connectClient = [&] {
        ++outcome.connects;
        const QString portText = QString::number(port);
        if (window) {
            workspace->connectSession(workspace->sessions().first(), u"127.0.0.1"_s, portText, ConnectionKind::ovVarnex,
                                      u"Hostile"_s);
        } else {
            client.connectTo(u"127.0.0.1"_s, portText);
        }
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
    qint64 cpuAtTurn = threadCpuNs();
    QObject::connect(&probe, &QTimer::timeout, [&] {
        outcome.longestStallMs = std::max(outcome.longestStallMs, sinceTurn.restart() - 1);
        const qint64 cpu = threadCpuNs();
        outcome.longestBusyMs = std::max(outcome.longestBusyMs, (cpu - cpuAtTurn) / 1'000'000);
        cpuAtTurn = cpu;
    });
    QElapsedTimer running;
    running.start();
    sinceTurn.start();
    probe.start(1);
    QTimer::singleShot(caseSeconds * 1000, QCoreApplication::instance(), &QCoreApplication::quit);
    QCoreApplication::exec();
    outcome.peakBytes = peakResidentBytes();
    if (paints) {
        qApp->removeEventFilter(paints.get());
    }
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
    for (const bool window : {false, true}) {
        if (window) {
            std::printf("The same with the main window open on the client (longest stall under %lld ms, the station "
                        "view repainting):\n",
                        targetWindowStallMilliseconds);
        }
        for (const Case& hostile : cases) {
            QStringList arguments{QString::fromLatin1(hostile.name)};
            if (window) {
                arguments.append(u"window"_s);
            }
            QProcess child;
            child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            child.start(program, arguments);
            if (!child.waitForFinished((caseSeconds + 30) * 1000) || child.exitCode() != 0) {
                std::printf("%-13s did not finish\n", hostile.name);
                met = false;
                continue;
            }
            const QByteArray line = child.readAllStandardOutput();
            std::fputs(line.constData(), stdout);
            met = met && !line.contains("MISSED");
        }
    }
    timeLargestSnapshot();
    return met ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    // The window is drawn offscreen unless a display is asked for.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    if (argc < 2) {
        return runAll(QCoreApplication::applicationFilePath());
    }
    const bool window = argc > 2 && qstrcmp(argv[2], "window") == 0;
    for (const Case& hostile : cases) {
        if (QString::fromLatin1(hostile.name) != QString::fromLocal8Bit(argv[1])) {
            continue;
        }
        const Outcome outcome = runCase(hostile, window);
        const qint64 stallTarget = window ? targetWindowStallMilliseconds : targetStallMilliseconds;
        // The window must go on redrawing: at least a few paints a second over the run.
        const bool repainted = !window || outcome.paints >= caseSeconds * 5;
        const bool met = outcome.peakBytes < targetPeakBytes && outcome.longestStallMs < stallTarget && repainted;
        std::printf("%-13s peak %6.1f MiB, longest stall %4lld ms (%3lld ms busy) | %10lld station changes, %8lld log "
                    "lines, %5lld connects",
                    hostile.name, static_cast<double>(outcome.peakBytes) / (1 << 20),
                    static_cast<long long>(outcome.longestStallMs), static_cast<long long>(outcome.longestBusyMs),
                    static_cast<long long>(outcome.stationChanges), static_cast<long long>(outcome.logLines),
                    static_cast<long long>(outcome.connects));
        if (window) {
            std::printf(", %lld paints of the station view", static_cast<long long>(outcome.paints));
        }
        std::printf("%s%s | %s%s\n", outcome.lastEnd.isEmpty() ? "" : ", last end: ", qPrintable(outcome.lastEnd),
                    hostile.description, met ? "" : "  MISSED");
        return 0;
    }
    std::fprintf(stderr, "unknown case %s\n", argv[1]);
    return 2;
}

// The window under load: ten tabs, each connected to its own simulated station (8 rotors,
// 6 switches, 4 stack outputs, a tuner) reporting at the simulator's normal rate, one tab
// shown. Measures the main thread's CPU share over 30 s, the resident memory, and the time to
// apply one station update to the visible station view and paint it. Then the time from
// process start to the first painted main window, beside a bare Qt window, each started as a
// child process of this one.
//
// The simulators run as separate processes so their work is not counted on our main thread.

#include "app/ui/shell/MainWindow.h"
#include "app/ui/station/StationView.h"
#include "app/ui/station/StationWorkspaceView.h"
#include "app/workspace/StationSession.h"
#include "app/workspace/StationWorkspace.h"
#include "core/client/KeltoClient.h"
#include "core/client/MemorySettingsStore.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <memory>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int tabs = 10;
constexpr int measureSeconds = 30;
constexpr int updateSamples = 400;
constexpr int startupRuns = 7;

qint64 monotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return qint64(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

qint64 threadCpuNs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return qint64(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

// A field of /proc/self/status in KiB ("VmRSS", "VmHWM").
qint64 statusKiB(const QByteArray& field)
{
    QFile status(u"/proc/self/status"_s);
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(field + ':')) {
            return line.mid(field.size() + 1).trimmed().split(' ').first().toLongLong();
        }
    }
    return -1;
}

void spin(const std::function<bool()>& done, int milliseconds)
{
    QDeadlineTimer deadline(milliseconds);
    while (!done() && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(2);
    }
}

double percentile(std::vector<double> values, double p)
{
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    const auto index = static_cast<size_t>(p * double(values.size() - 1) + 0.5);
    return values[std::min(index, values.size() - 1)];
}

// Child mode: show a window, report the monotonic time of its first paint, and exit.
class FirstPaint final : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType() && static_cast<QWidget*>(watched)->isWindow()) {
            if (!reported) {
                reported = true;
                std::printf("%lld\n", static_cast<long long>(monotonicNs()));
                std::fflush(stdout);
                QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
            }
        }
        return false;
    }
    bool reported = false;
};

int startupChild(int argc, char** argv, bool bare)
{
    QApplication application(argc, argv);
    FirstPaint watcher;
    application.installEventFilter(&watcher);
    if (bare) {
        QWidget window;
        window.resize(960, 870);
        window.show();
        return QApplication::exec();
    }
    MemorySettingsStore defaults;
    StationWorkspace workspace(defaults, nullptr);
    MainWindow window(workspace);
    window.show();
    return QApplication::exec();
}

double startupMs(const QString& program, const QString& mode)
{
    QProcess child;
    const qint64 before = monotonicNs();
    child.start(program, {u"--startup"_s, mode});
    if (!child.waitForFinished(30000)) {
        return -1;
    }
    const qint64 painted = child.readAllStandardOutput().trimmed().toLongLong();
    return painted > 0 ? double(painted - before) / 1e6 : -1;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc == 3 && qstrcmp(argv[1], "--startup") == 0) {
        return startupChild(argc, argv, qstrcmp(argv[2], "bare") == 0);
    }
    QApplication application(argc, argv);
    const QString simulatorPath = QCoreApplication::applicationDirPath() + u"/../tools/station-sim/xalto-station-sim"_s;

    std::vector<std::unique_ptr<QProcess>> simulators;
    QStringList ports;
    const QRegularExpression announced(u"station on [^:]+:(\\d+)"_s);
    for (int i = 0; i < tabs; ++i) {
        auto process = std::make_unique<QProcess>();
        process->start(simulatorPath,
                       {u"--port"_s, u"0"_s, u"--rotors"_s, u"8"_s, u"--switches"_s, u"6"_s, u"--stacks"_s, u"4"_s});
        if (!process->waitForReadyRead(10000)) {
            std::fprintf(stderr, "The simulator %s did not start\n", qPrintable(simulatorPath));
            return 1;
        }
        const QRegularExpressionMatch match = announced.match(QString::fromUtf8(process->readAllStandardOutput()));
        if (!match.hasMatch()) {
            std::fprintf(stderr, "The simulator did not announce its port\n");
            return 1;
        }
        ports.append(match.captured(1));
        simulators.push_back(std::move(process));
    }

    MemorySettingsStore defaults;
    StationWorkspace workspace(defaults, nullptr);
    MainWindow window(workspace);
    window.show();
    for (int i = 1; i < tabs; ++i) {
        workspace.add();
    }
    for (int i = 0; i < tabs; ++i) {
        workspace.connectSession(workspace.sessions().at(i), u"127.0.0.1"_s, ports.at(i), ConnectionKind::ovVarnex,
                                 u"Station"_s);
    }
    workspace.select(workspace.sessions().first()->id());
    spin(
        [&] {
            return std::all_of(workspace.sessions().cbegin(), workspace.sessions().cend(), [](StationSession* s) {
                return s->client().connected() && s->client().station().rotors.size() == 8;
            });
        },
        20000);
    KeltoClient& shown = workspace.sessions().first()->client();
    shown.setControlsEnabled(true);
    shown.setSwitchControlsEnabled(true);
    spin([] { return false; }, 3000);

    // Main thread CPU over the measuring window, the event loop running as in real use.
    const qint64 cpuBefore = threadCpuNs();
    const qint64 wallBefore = monotonicNs();
    {
        // A plain event loop, sleeping between events as the application's does.
        QEventLoop loop;
        QTimer::singleShot(measureSeconds * 1000, &loop, &QEventLoop::quit);
        loop.exec();
    }
    const double cpuShare = double(threadCpuNs() - cpuBefore) / double(monotonicNs() - wallBefore) * 100.0;
    const qint64 rss = statusKiB("VmRSS");
    const qint64 peak = statusKiB("VmHWM");

    // One station update applied to the shown view and painted, right after it arrives.
    StationView* view = window.workspaceView().currentView();
    std::vector<double> applyUs;
    QObject::connect(&shown, &KeltoClient::stationChanged, view, [&] {
        if (applyUs.size() >= updateSamples) {
            return;
        }
        QElapsedTimer timer;
        timer.start();
        view->refresh();
        view->repaint();
        applyUs.push_back(double(timer.nsecsElapsed()) / 1000.0);
    });
    spin([&] { return applyUs.size() >= updateSamples; }, 120000);

    for (auto& process : simulators) {
        process->kill();
        process->waitForFinished(3000);
    }

    std::vector<double> appStart;
    std::vector<double> bareStart;
    for (int i = 0; i < startupRuns; ++i) {
        appStart.push_back(startupMs(QCoreApplication::applicationFilePath(), u"app"_s));
        bareStart.push_back(startupMs(QCoreApplication::applicationFilePath(), u"bare"_s));
    }

    std::printf("Window benchmark: %d tabs of 8 rotors, 6 switches, 4 stack outputs, 1 tuner; one tab shown\n", tabs);
    std::printf("  main thread CPU over %d s: %.2f%% of one core (target below 5%%)\n", measureSeconds, cpuShare);
    std::printf("  resident memory: %.1f MB now, %.1f MB peak (target below 250 MB)\n", double(rss) / 1024.0,
                double(peak) / 1024.0);
    std::printf("  apply one station update to the shown view and paint it (%zu samples): median %.0f us, p99 %.0f "
                "us\n",
                applyUs.size(), percentile(applyUs, 0.5), percentile(applyUs, 0.99));
    std::printf("  process start to first painted window (median of %d): main window %.0f ms, bare Qt window %.0f "
                "ms\n",
                startupRuns, percentile(appStart, 0.5), percentile(bareStart, 0.5));
    return 0;
}

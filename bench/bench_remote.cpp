// The remote page: how long a new heading takes from the desktop's client to the page in the
// system's Chromium (the browser's clock against this process's, both the system clock), and
// what 16 connected devices cost the main thread, where the window, the clients and the server
// live. The simulator and the devices run on threads of their own.

#include "app/remote/RemoteDevices.h"
#include "app/remote/RemoteServer.h"
#include "app/workspace/StationSession.h"
#include "app/workspace/StationWorkspace.h"
#include "bench/OnThread.h"
#include "core/client/MemorySettingsStore.h"
#include "core/client/SystemClock.h"
#include "tools/station-sim/StationSimulator.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QNetworkRequest>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTimer>
#include <QWebSocket>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <memory>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int devices = 16;
constexpr int changes = 200;
constexpr int measureSeconds = 10;

qint64 threadCpuNs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return qint64(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

qint64 residentKiB()
{
    QFile status(u"/proc/self/status"_s);
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').first().toLongLong();
        }
    }
    return -1;
}

// Runs the event loop, idle as in real use, until `done` or the time is up.
bool waitFor(const std::function<bool()>& done, int milliseconds)
{
    QElapsedTimer timer;
    timer.start();
    QEventLoop loop;
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done() || timer.elapsed() > milliseconds) {
            loop.quit();
        }
    });
    poll.start();
    loop.exec();
    return done();
}

void spin(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

double percentile(std::vector<double> values, double fraction)
{
    std::sort(values.begin(), values.end());
    return values.at(std::min(values.size() - 1, static_cast<size_t>(fraction * double(values.size()))));
}

// Pages that stay open, each with its own socket: the 16 devices. Lives on a thread of its own.
struct Devices {
    std::vector<std::unique_ptr<QWebSocket>> sockets;
    qint64 messages = 0;

    Devices(const QString& origin, quint16 port, const QString& token)
    {
        for (int i = 0; i < devices; ++i) {
            auto socket = std::make_unique<QWebSocket>(origin);
            QObject::connect(socket.get(), &QWebSocket::textMessageReceived, socket.get(),
                             [this](const QString&) { ++messages; });
            QNetworkRequest request(QUrl(u"ws://127.0.0.1:"_s + QString::number(port) + u"/ws"_s));
            request.setRawHeader("Cookie", "xalto_remote=" + token.toLatin1());
            socket->open(request);
            sockets.push_back(std::move(socket));
        }
    }
};

void latency(RemoteServer& server, KeltoClient& client, const QString& rotor, const std::function<void(double)>& place)
{
    const QString script = QStringLiteral(XALTO_BROWSER_DIR) + u"/remote-latency.mjs"_s;
    const QString node = QStandardPaths::findExecutable(u"node"_s);
    if (!QFileInfo(u"/usr/bin/chromium"_s).isExecutable() || node.isEmpty() ||
        !QFileInfo::exists(QStringLiteral(XALTO_BROWSER_DIR) + u"/node_modules/playwright-core"_s)) {
        std::printf("  change to page: skipped (Chromium, node or playwright-core missing; run scripts/setup)\n");
        return;
    }
    QProcess browser;
    browser.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    browser.start(node, {script, server.url(), server.pairingCode()});
    QByteArray output;
    if (!waitFor([&] { return (output += browser.readAllStandardOutput()).contains("READY\n"); }, 60000)) {
        std::printf("  change to page: the browser did not start\n");
        return;
    }
    // When the desktop's client first holds each heading, by this process's clock.
    QHash<QString, double> applied;
    QObject scope;
    QObject::connect(&client, &KeltoClient::stationChanged, &scope, [&] {
        const std::optional<double> heading = client.station().rotors.value(rotor).heading;
        if (heading) {
            const QString text = QString::number(*heading, 'f', 1) + u"°"_s;
            if (!applied.contains(text)) {
                applied.insert(text, double(QDateTime::currentMSecsSinceEpoch()));
            }
        }
    });
    for (int i = 0; i < changes; ++i) {
        // Whole and distinct headings, a change the page has not shown before.
        place(10.0 + i);
        spin(150 + int(QRandomGenerator::global()->bounded(100)));
    }
    spin(500);
    browser.write("DONE\n");
    waitFor([&] { return (output += browser.readAllStandardOutput()).contains("]]\n"); }, 20000);
    browser.waitForFinished(10000);
    const qsizetype at = output.indexOf("SEEN ");
    const QJsonArray seen = QJsonDocument::fromJson(output.mid(at + 5)).array();
    std::vector<double> delays;
    for (const QJsonValue& record : seen) {
        const QString text = record.toArray().at(0).toString();
        if (applied.contains(text)) {
            delays.push_back(record.toArray().at(1).toDouble() - applied.take(text));
        }
    }
    if (delays.empty()) {
        std::printf("  change to page: nothing seen\n");
        return;
    }
    std::printf("  change to page, %zu changes: median %.1f ms, p99 %.1f ms (target within 250 ms)\n", delays.size(),
                percentile(delays, 0.5), percentile(delays, 0.99));
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    std::printf("Remote page\n");

    OnThread<StationSimulator> simulator(u"simulator"_s, [] {
        StationSimulator::Options options;
        options.reportInterval = 100;
        auto made = std::make_unique<StationSimulator>(options);
        made->listen();
        return made;
    });
    quint16 stationPort = 0;
    QStringList rotors;
    simulator.run([&](StationSimulator* s) {
        stationPort = s->serverPort();
        rotors = s->rotorNames();
    });

    SystemClock clock;
    MemorySettingsStore defaults;
    StationWorkspace workspace(defaults, nullptr, clock);
    workspace.connectSession(workspace.sessions().first(), u"127.0.0.1"_s, QString::number(stationPort),
                             ConnectionKind::ovVarnex, u"KT-90"_s);
    KeltoClient& client = workspace.sessions().first()->client();
    if (!waitFor([&] { return client.connected() && client.station().rotors.size() == rotors.size(); }, 10000)) {
        std::printf("  the station did not connect\n");
        return 1;
    }
    RemoteServer server(workspace, defaults, clock);
    RemoteSettings settings;
    settings.enabled = true;
    settings.port = 0;
    server.setSettings(settings);

    latency(server, client, rotors.first(), [&](double heading) {
        simulator.run([&](StationSimulator* s) { s->setRotorHeading(rotors.first(), heading); });
    });

    // Every rotor turning end to end, so the state changes all the time.
    const auto keepTurning = [&] {
        client.setControlsEnabled(true);
        for (const QString& name : rotors) {
            client.turn(name, client.station().rotors.value(name).heading.value_or(0.0) < 180.0 ? 359.0 : 0.0);
        }
    };
    // A placed heading must settle before the guard lets it turn.
    spin(3500);
    keepTurning();
    const auto measure = [&](const char* label) {
        const qint64 before = threadCpuNs();
        QElapsedTimer wall;
        wall.start();
        spin(measureSeconds * 1000);
        const double share = double(threadCpuNs() - before) / double(wall.nsecsElapsed()) * 100.0;
        std::printf("  main thread CPU, %s: %.2f%% of one core\n", label, share);
        return share;
    };
    const qint64 memoryBefore = residentKiB();
    const double idle = measure("no device");
    const QString token = server.devices().pair(u"Bench"_s);
    OnThread<Devices> pages(
        u"devices"_s, [&] { return std::make_unique<Devices>(server.url().chopped(1), server.serverPort(), token); });
    waitFor([&] { return server.connectionCount() == devices; }, 10000);
    keepTurning();
    const double busy = measure("16 devices");
    qint64 messages = 0;
    pages.run([&](Devices* d) { messages = d->messages; });
    std::printf("  16 devices: %d connected, %lld state messages in %d s; extra CPU %.2f%% of one core, "
                "extra memory %lld KiB\n",
                server.connectionCount(), static_cast<long long>(messages), measureSeconds, busy - idle,
                static_cast<long long>(residentKiB() - memoryBefore));
    return 0;
}

// The tower map from tiles already held: the paint time of the map compass's 208 px round map,
// of a heading arriving at the whole map compass (needles and caption redrawn over the map),
// and of the location editor's 650 × 360 map (median and p99 over many repaints), then the memory
// held by decoded tiles after the editor's map is panned across 50 screens.
//
// No network: the tile addresses are no web address, so every tile fails at once, and each
// failure is answered with a generated tile handed to the loader as if it had arrived.

#include "app/map/TileLoader.h"
#include "app/profiles/RotorLocation.h"
#include "app/ui/map/TowerMap.h"
#include "app/ui/rotor/RotorMapCompass.h"
#include "core/client/MemorySettingsStore.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QPainter>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int paintSamples = 1000;
constexpr int screens = 50;
constexpr double latitude = 48.2082;
constexpr double longitude = 16.3738;

// A tile with some structure, so that scaling it costs what scaling real imagery costs.
QImage generatedTile(const TileLoader::TileKey& key)
{
    QImage image(256, 256, QImage::Format_RGB32);
    image.fill(QColor::fromHsv((key.x * 37 + key.y * 11) % 360, 60, 230));
    QPainter painter(&image);
    painter.setPen(QColor(90, 90, 90));
    for (int line = 16; line < 256; line += 32) {
        painter.drawLine(0, line, 255, line + 40);
        painter.drawLine(line, 0, line - 30, 255);
    }
    return image;
}

// Lets the loader's failures, and so the generated tiles, come in until none has come for a while.
void settle(TileLoader& loader)
{
    QElapsedTimer quiet;
    quiet.start();
    const QMetaObject::Connection arrivals =
        QObject::connect(&loader, &TileLoader::tileReady, &loader, [&quiet] { quiet.start(); });
    const QDeadlineTimer deadline(5000);
    while (quiet.elapsed() < 100 && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    QObject::disconnect(arrivals);
}

struct Figures {
    double median = 0.0;
    double p99 = 0.0;
};

Figures figures(std::vector<double>& micros)
{
    std::sort(micros.begin(), micros.end());
    return {micros[micros.size() / 2], micros[micros.size() * 99 / 100]};
}

Figures paintTimes(QWidget& widget)
{
    std::vector<double> micros;
    micros.reserve(paintSamples);
    for (int sample = 0; sample < paintSamples; ++sample) {
        QElapsedTimer timer;
        timer.start();
        widget.repaint();
        micros.push_back(double(timer.nsecsElapsed()) / 1000.0);
    }
    return figures(micros);
}

// A new heading each time, painted the way the window paints it: only what the heading changed.
Figures headingTimes(RotorMapCompass& compass)
{
    std::vector<double> micros;
    micros.reserve(paintSamples);
    for (int sample = 0; sample < paintSamples; ++sample) {
        QElapsedTimer timer;
        timer.start();
        compass.setHeading(std::fmod(sample * 1.7, 360.0));
        QCoreApplication::sendPostedEvents();
        micros.push_back(double(timer.nsecsElapsed()) / 1000.0);
    }
    return figures(micros);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QTemporaryDir cache;
    MemorySettingsStore settings;
    settings.setText(TileLoader::standardURLKey, u"generated:{z}/{x}/{y}"_s);
    TileLoader loader(settings, cache.path());
    QObject::connect(&loader, &TileLoader::tileFailed, &loader,
                     [&loader](const TileLoader::TileKey& key) { loader.insertTile(key, generatedTile(key)); });

    TowerMap compass(loader);
    compass.setRound(true);
    compass.setShowsAttribution(false);
    compass.resize(208, 208);
    compass.setRegion(latitude, longitude, 1500.0);
    compass.show();

    RotorMapCompass mapCompass(loader, u"Rotor 1"_s);
    mapCompass.setLocation(
        RotorLocation{u"127.0.0.1:4001"_s, u"Rotor 1"_s, QString(), latitude, longitude, 12.0, false, 1500.0});
    mapCompass.setTarget(40.0);
    mapCompass.setStale(false);
    mapCompass.show();

    TowerMap editor(loader);
    editor.setEditable(true);
    editor.resize(650, 360);
    editor.setRegion(latitude, longitude, 1500.0);
    editor.show();
    settle(loader);

    const Figures round = paintTimes(compass);
    const Figures turning = headingTimes(mapCompass);
    const Figures wide = paintTimes(editor);
    compass.hide();
    mapCompass.hide();

    // One screen east at a time: the tiles of each new screen arrive, the oldest are let go.
    const double screenMetres = editor.span() * editor.width() / std::min(editor.width(), editor.height());
    const double metresPerDegree = 2.0 * std::numbers::pi * 6378137.0 / 360.0;
    const double step = screenMetres / (metresPerDegree * std::cos(latitude * std::numbers::pi / 180.0));
    qint64 peak = 0;
    for (int screen = 1; screen <= screens; ++screen) {
        editor.setRegion(latitude, longitude + screen * step, editor.span());
        editor.repaint();
        settle(loader);
        peak = std::max(peak, loader.memoryBytes());
    }

    const double mib = 1024.0 * 1024.0;
    std::printf("Tower map benchmark (device pixel ratio %.1f), tiles held in memory\n", editor.devicePixelRatioF());
    std::printf("  paint, 208 px round map (%d samples): median %.0f us, p99 %.0f us\n", paintSamples, round.median,
                round.p99);
    std::printf("  paint, map compass, a new heading each time (%d samples): median %.0f us, p99 %.0f us\n",
                paintSamples, turning.median, turning.p99);
    std::printf("  paint, 650 x 360 map (%d samples): median %.0f us, p99 %.0f us\n", paintSamples, wide.median,
                wide.p99);
    std::printf("  decoded tiles after panning %d screens: %.1f MiB now, %.1f MiB at most (cap %.0f MiB)\n", screens,
                double(loader.memoryBytes()) / mib, double(peak) / mib, double(TileLoader::memoryCacheBytes) / mib);
    return peak <= TileLoader::memoryCacheBytes ? 0 : 1;
}

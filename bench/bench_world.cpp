// The world map at 600 × 600: a full redraw with land, distance rings, the grey line, three
// beams and a "Point at" station with both paths (every layer drawn again, median and p99), a
// repaint when only a heading moves, the minute's redraw of the night side, re-projecting the
// land for a new centre (median), and the memory the projected land and the cached layers hold.
// The device pixel ratio is the screen's: `make bench` runs it at 1 and under QT_SCALE_FACTOR=2.

#include "app/ui/map/WorldMap.h"
#include "core/client/Clock.h"
#include "core/world/LandData.h"
#include "core/world/ProjectedLand.h"

#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int paintSamples = 200;
constexpr int projectionSamples = 20;

class SteppingClock final : public Clock {
public:
    Instant now() const override { return m_now; }
    void advance(double seconds) { m_now = m_now + seconds; }

private:
    Instant m_now = Instant::fromDateTime(QDateTime(QDate(2025, 3, 20), QTime(17, 0), Qt::UTC));
};

struct Figures {
    double median = 0.0;
    double p99 = 0.0;
    // The median of this thread's processor time: on a busy machine the wall clock also counts
    // the time other programs had the processor.
    double cpuMedian = 0.0;
};

double threadMicros()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e6 + double(now.tv_nsec) / 1e3;
}

template <typename Step>
Figures measure(int samples, Step step)
{
    std::vector<double> micros;
    std::vector<double> cpu;
    micros.reserve(static_cast<std::size_t>(samples));
    cpu.reserve(static_cast<std::size_t>(samples));
    for (int sample = 0; sample < samples; ++sample) {
        QElapsedTimer timer;
        const double started = threadMicros();
        timer.start();
        step(sample);
        micros.push_back(double(timer.nsecsElapsed()) / 1000.0);
        cpu.push_back(threadMicros() - started);
    }
    std::sort(micros.begin(), micros.end());
    std::sort(cpu.begin(), cpu.end());
    return {micros[micros.size() / 2], micros[micros.size() * 99 / 100], cpu[cpu.size() / 2]};
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const LandData* land = WorldMap::land();
    if (!land) {
        std::printf("world map benchmark: %s\n", qPrintable(WorldMap::landError().value_or(QString())));
        return 1;
    }

    SteppingClock clock;
    WorldMap map(clock);
    map.resize(600, 600);
    map.setCentre(GeoPoint{48.2, 16.4});
    while (map.landPending()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    map.setRotors({{u"40 m Yagi"_s, QColor(0x00, 0x7c, 0x78), 52.0, std::nullopt, 60.0, false},
                   {u"20 m Yagi"_s, QColor(0x6a, 0x3d, 0xb8), 300.0, 320.0, 45.0, false},
                   {u"Vertical beam"_s, QColor(0x20, 0x80, 0x20), 170.0, std::nullopt, 90.0, true}});
    map.setPointAt(GeoPoint{-33.9, 151.2});
    map.show();
    QCoreApplication::processEvents();

    // Two palettes a shade apart: each change drops every cached layer, as a resize would.
    QPalette palettes[2] = {map.palette(), map.palette()};
    palettes[1].setColor(QPalette::Window, palettes[0].color(QPalette::Window).darker(101));
    const Figures full = measure(paintSamples, [&](int sample) {
        map.setPalette(palettes[sample % 2]);
        map.repaint();
    });
    const Figures heading = measure(paintSamples, [&](int sample) {
        QList<WorldMap::Rotor> rotors = map.rotors();
        rotors[0].heading = 52.0 + sample % 10;
        map.setRotors(rotors);
        map.repaint();
    });
    const Figures minute = measure(paintSamples, [&](int) {
        clock.advance(60.0);
        map.refreshSun();
        map.repaint();
    });

    const GeoPoint centres[] = {{48.2, 16.4}, {-36.85, 174.76}, {40.7, -74.0}, {0.0, -170.0}, {64.1, -21.9}};
    std::size_t landBytes = 0;
    const Figures reprojection = measure(projectionSamples, [&](int sample) {
        const GeoPoint centre = centres[sample % 5];
        const ProjectedLand projected(*land, AzimuthalProjection(centre));
        landBytes = std::max(landBytes, projected.memoryBytes());
    });

    const double ratio = map.devicePixelRatioF();
    const double layers = 2.0 * 600 * 600 * ratio * ratio * 4;
    const double mib = 1024.0 * 1024.0;
    std::printf("World map benchmark, 600 x 600, device pixel ratio %.1f (%zu land outlines, %zu points)\n", ratio,
                land->ringCount(), land->pointCount());
    std::printf("  full redraw: land, rings, grey line, three beams, short and long path (%d samples): median %.2f ms, "
                "p99 %.2f ms (processor %.2f ms)\n",
                paintSamples, full.median / 1000.0, full.p99 / 1000.0, full.cpuMedian / 1000.0);
    std::printf("  repaint, a heading moved (%d samples): median %.2f ms, p99 %.2f ms (processor %.2f ms)\n",
                paintSamples, heading.median / 1000.0, heading.p99 / 1000.0, heading.cpuMedian / 1000.0);
    std::printf("  repaint, the night side a minute on (%d samples): median %.2f ms, p99 %.2f ms (processor %.2f ms)\n",
                paintSamples, minute.median / 1000.0, minute.p99 / 1000.0, minute.cpuMedian / 1000.0);
    std::printf(
        "  re-projecting the land for a new centre (%d samples): median %.1f ms, p99 %.1f ms (processor %.1f ms)\n",
        projectionSamples, reprojection.median / 1000.0, reprojection.p99 / 1000.0, reprojection.cpuMedian / 1000.0);
    std::printf("  memory: projected land %.2f MiB at most, land outlines %.2f MiB, cached layers %.2f MiB\n",
                double(landBytes) / mib, double(land->pointCount() * sizeof(LandData::Point)) / mib, layers / mib);
    return 0;
}

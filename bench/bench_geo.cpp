// Pointing at a station: loading Debian's country file, placing every call of the contest call
// list, and one placement with both geodesics as the rotor card does it for each typed call.

#include "PeakMemory.h"
#include "core/geo/Beam.h"
#include "core/geo/CountryFileLoader.h"
#include "core/geo/StationLookup.h"

#include <QFile>
#include <QList>

#include <algorithm>
#include <chrono>
#include <cstdio>

namespace {

using Clock = std::chrono::steady_clock;

double microseconds(Clock::duration duration)
{
    return std::chrono::duration<double, std::micro>(duration).count();
}

struct Spread {
    double median = 0;
    double p99 = 0;
};

Spread spread(QList<double> samples)
{
    std::sort(samples.begin(), samples.end());
    const auto at = [&](double share) { return samples.at(static_cast<qsizetype>(share * (samples.size() - 1))); };
    return {at(0.5), at(0.99)};
}

// A station in Berlin (JO62qm), where the figures for a European operator come from.
constexpr double stationLatitude = 52.520833;
constexpr double stationLongitude = 13.375;

} // namespace

int main()
{
    const QString csvPath = CountryFileLoader::debianCountryCsv();
    const QString datPath = CountryFileLoader::debianCountryDat();
    const QString callsPath = CountryFileLoader::debianCallList();
    if (!QFile::exists(csvPath) || !QFile::exists(callsPath)) {
        std::printf("Point at a station: skipped, hamradio-files is not installed\n");
        return 0;
    }

    constexpr int loads = 20;
    QList<double> csvLoads;
    QList<double> datLoads;
    for (int i = 0; i < loads; ++i) {
        const Clock::time_point start = Clock::now();
        const ProtocolResult<CountryFile> csv = CountryFileLoader::loadCountryFile(csvPath);
        const Clock::time_point middle = Clock::now();
        const ProtocolResult<CountryFile> dat = CountryFileLoader::loadCountryFile(datPath);
        const Clock::time_point end = Clock::now();
        if (!csv.ok() || !dat.ok()) {
            std::printf("Point at a station: the country files do not load\n");
            return 1;
        }
        csvLoads.append(microseconds(middle - start) / 1000);
        datLoads.append(microseconds(end - middle) / 1000);
    }
    const ProtocolResult<CountryFile> countries = CountryFileLoader::loadCountryFile(csvPath);
    const ProtocolResult<CallList> calls = CountryFileLoader::loadCallList(callsPath);
    if (!countries.ok() || !calls.ok()) {
        std::printf("Point at a station: the files do not load\n");
        return 1;
    }

    // Every call once, timed as a whole.
    qsizetype resolved = 0;
    QList<QString> unresolved;
    const Clock::time_point start = Clock::now();
    for (const QString& call : calls->calls()) {
        const ProtocolResult<ResolvedPlace> place = StationLookup::resolve(call, &*countries);
        if (place.ok()) {
            ++resolved;
        } else if (unresolved.size() < 8) {
            unresolved.append(call);
        }
    }
    const double allMs = microseconds(Clock::now() - start) / 1000;

    // One placement with both geodesics, each timed alone, over every call of the list.
    QList<double> single;
    single.reserve(calls->calls().size());
    double checksum = 0;
    for (const QString& call : calls->calls()) {
        const Clock::time_point begin = Clock::now();
        const ProtocolResult<ResolvedPlace> place = StationLookup::resolve(call, &*countries);
        if (place.ok()) {
            if (const std::optional<Beam> beam =
                    Beam::between(stationLatitude, stationLongitude, place->latitude, place->longitude)) {
                checksum += beam->shortPath.bearing + beam->longPath.distanceMeters;
            }
        }
        single.append(microseconds(Clock::now() - begin));
    }
    const Spread csvLoad = spread(csvLoads);
    const Spread datLoad = spread(datLoads);
    const Spread one = spread(single);
    const qsizetype total = calls->calls().size();

    std::printf("Point at a station (country file release %s, %lld countries, %lld prefixes, %lld exact calls)\n",
                qPrintable(countries->version()), static_cast<long long>(countries->entities().size()),
                static_cast<long long>(countries->prefixCount()), static_cast<long long>(countries->exactCallCount()));
    std::printf("  load cty.csv (%d loads): median %.1f ms, p99 %.1f ms\n", loads, csvLoad.median, csvLoad.p99);
    std::printf("  load cty.dat (%d loads): median %.1f ms, p99 %.1f ms\n", loads, datLoad.median, datLoad.p99);
    std::printf("  resolve all %lld calls of MASTER.SCP: %.1f ms, %.2f us a call, %lld resolved (%.3f%%)\n",
                static_cast<long long>(total), allMs, allMs * 1000 / static_cast<double>(total),
                static_cast<long long>(resolved), 100.0 * static_cast<double>(resolved) / static_cast<double>(total));
    if (!unresolved.isEmpty()) {
        std::printf("  not placed, for example: %s\n", qPrintable(unresolved.join(u' ')));
    }
    std::printf("  one placement + short and long path (%lld samples): median %.2f us, p99 %.2f us\n",
                static_cast<long long>(single.size()), one.median, one.p99);
    std::printf("  peak memory: %.1f MiB (checksum %.0f)\n",
                static_cast<double>(peakResidentBytes()) / (1024.0 * 1024.0), checksum);
    return 0;
}

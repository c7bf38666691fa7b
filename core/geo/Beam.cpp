#include "core/geo/Beam.h"

#include <GeographicLib/Geodesic.hpp>
#include <GeographicLib/GeodesicLine.hpp>
#include <algorithm>
#include <cmath>

namespace {

double normalized(double degrees)
{
    const double wrapped = std::fmod(degrees, 360.0);
    return wrapped < 0 ? wrapped + 360.0 : wrapped;
}

bool validPosition(double latitude, double longitude)
{
    return std::isfinite(latitude) && std::isfinite(longitude) && std::abs(latitude) <= 90 &&
           std::abs(longitude) <= 540;
}

// The long path leaves the station the other way along the same geodesic. On an ellipsoid most
// geodesics do not close, so "the rest of the great circle" is measured along that backward
// geodesic until it comes round to the target's meridian. It reaches the meridian near the target,
// not through it, off by the geodesic's drift per turn that the flattening causes (up to about
// 135 km, 0.5% of the path, in 3,000 random pairs); that changes no heading and nothing an operator
// does with the distance. The equator and the meridians do close, and there the distance is
// exact: along the equator it is the rest of the equator, and along a meridian (where longitude
// cannot be followed) it is the rest of the meridian.
double longPathMeters(double latitude, double longitude, double azimuth, double shortMeters)
{
    using GeographicLib::GeodesicLine;
    const GeographicLib::Geodesic& earth = GeographicLib::Geodesic::WGS84();
    constexpr unsigned caps = GeodesicLine::STANDARD | GeodesicLine::DISTANCE_IN | GeodesicLine::LONG_UNROLL;
    const GeodesicLine back = earth.Line(latitude, longitude, azimuth + 180.0, caps);
    double unused = 0;
    double turn = 0;
    back.GenPosition(true, 360.0, caps, unused, unused, unused, turn, unused, unused, unused, unused);

    double sineEquatorial = 0;
    double cosineEquatorial = 0;
    back.EquatorialAzimuth(sineEquatorial, cosineEquatorial);
    const GeodesicLine forward = earth.Line(latitude, longitude, azimuth, caps);
    double shortLongitude = 0;
    forward.GenPosition(false, shortMeters, caps, unused, shortLongitude, unused, unused, unused, unused, unused,
                        unused);
    const double shortChange = shortLongitude - longitude;
    if (std::abs(sineEquatorial) < 1e-12 || std::abs(shortChange) < 1e-12) {
        return std::max(0.0, turn - shortMeters);
    }
    // The backward geodesic's longitude moves steadily the other way; find where it has moved by
    // the rest of the circle, by regula falsi (Illinois) between the station and a bit over a turn.
    const double wanted = shortChange - std::copysign(360.0, shortChange);
    const auto miss = [&](double meters) {
        double reached = 0;
        back.GenPosition(false, meters, caps, unused, reached, unused, unused, unused, unused, unused, unused);
        return (reached - longitude) - wanted;
    };
    double low = 0;
    double high = turn * 1.05;
    double lowMiss = miss(low);
    double highMiss = miss(high);
    if (lowMiss * highMiss > 0) {
        return std::max(0.0, turn - shortMeters);
    }
    double meters = low;
    int side = 0;
    for (int i = 0; i < 100; ++i) {
        meters = (low * highMiss - high * lowMiss) / (highMiss - lowMiss);
        const double here = miss(meters);
        if (std::abs(here) < 1e-11 || high - low < 1e-4) {
            break;
        }
        if ((here < 0) == (lowMiss < 0)) {
            low = meters;
            lowMiss = here;
            if (side == -1) {
                highMiss /= 2;
            }
            side = -1;
        } else {
            high = meters;
            highMiss = here;
            if (side == 1) {
                lowMiss /= 2;
            }
            side = 1;
        }
    }
    return meters;
}

} // namespace

std::optional<Beam> Beam::between(double stationLatitude, double stationLongitude, double targetLatitude,
                                  double targetLongitude)
{
    if (!validPosition(stationLatitude, stationLongitude) || !validPosition(targetLatitude, targetLongitude)) {
        return std::nullopt;
    }
    const GeographicLib::Geodesic& earth = GeographicLib::Geodesic::WGS84();
    double distance = 0;
    double azimuth = 0;
    double arrival = 0;
    earth.Inverse(stationLatitude, stationLongitude, targetLatitude, targetLongitude, distance, azimuth, arrival);

    const double turn = longPathMeters(stationLatitude, stationLongitude, azimuth, distance);

    double fromAntipode = 0;
    earth.Inverse(-stationLatitude, stationLongitude + 180.0, targetLatitude, targetLongitude, fromAntipode);

    Beam beam;
    beam.shortPath = {normalized(azimuth), distance};
    beam.longPath = {normalized(azimuth + 180.0), turn};
    beam.nearAntipode = fromAntipode < antipodeMeters;
    return beam;
}

std::optional<double> Beam::controllerHeading(double trueBearing, double northOffset)
{
    if (!std::isfinite(trueBearing) || !std::isfinite(northOffset)) {
        return std::nullopt;
    }
    return normalized(trueBearing - northOffset);
}

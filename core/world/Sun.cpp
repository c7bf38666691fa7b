#include "core/world/Sun.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double degree = std::numbers::pi / 180.0;
// The Julian day of the instants' reference, 2001-01-01 00:00 UTC.
constexpr double referenceJulianDay = 2451910.5;

double sinDegrees(double angle)
{
    return std::sin(angle * degree);
}

struct Vector {
    double x;
    double y;
    double z;
};

Vector unit(GeoPoint point)
{
    const double latitude = point.latitude * degree;
    const double longitude = point.longitude * degree;
    return {std::cos(latitude) * std::cos(longitude), std::cos(latitude) * std::sin(longitude), std::sin(latitude)};
}

} // namespace

GeoPoint Sun::subsolarPoint(Instant at)
{
    const double days = at.secondsSinceReference() / 86400.0;
    const double t = (referenceJulianDay + days - 2451545.0) / 36525.0; // Julian centuries since J2000

    const double meanLongitude = std::fmod(280.46646 + t * (36000.76983 + t * 0.0003032), 360.0);
    const double meanAnomaly = 357.52911 + t * (35999.05029 - 0.0001537 * t);
    const double eccentricity = 0.016708634 - t * (0.000042037 + 0.0000001267 * t);
    const double centre = sinDegrees(meanAnomaly) * (1.914602 - t * (0.004817 + 0.000014 * t)) +
                          sinDegrees(2 * meanAnomaly) * (0.019993 - 0.000101 * t) +
                          sinDegrees(3 * meanAnomaly) * 0.000289;
    const double node = 125.04 - 1934.136 * t;
    const double apparentLongitude = meanLongitude + centre - 0.00569 - 0.00478 * sinDegrees(node);
    const double meanObliquity = 23.0 + (26.0 + (21.448 - t * (46.815 + t * (0.00059 - t * 0.001813))) / 60.0) / 60.0;
    const double obliquity = meanObliquity + 0.00256 * std::cos(node * degree);
    const double declination = std::asin(sinDegrees(obliquity) * sinDegrees(apparentLongitude)) / degree;

    const double y = std::pow(std::tan(obliquity / 2.0 * degree), 2);
    const double equationOfTime =
        4.0 / degree *
        (y * sinDegrees(2 * meanLongitude) - 2 * eccentricity * sinDegrees(meanAnomaly) +
         4 * eccentricity * y * sinDegrees(meanAnomaly) * std::cos(2 * meanLongitude * degree) -
         0.5 * y * y * sinDegrees(4 * meanLongitude) -
         1.25 * eccentricity * eccentricity * sinDegrees(2 * meanAnomaly));

    // Minutes of the UTC day; the Sun crosses Greenwich at 12:00 less the equation of time.
    const double minutes = std::fmod(days, 1.0) * 1440.0;
    const double longitude = std::remainder((720.0 - minutes - equationOfTime) / 4.0, 360.0);
    return {declination, longitude};
}

double Sun::altitude(GeoPoint subsolar, GeoPoint place)
{
    const Vector s = unit(subsolar);
    const Vector p = unit(place);
    const double cosine = std::clamp(s.x * p.x + s.y * p.y + s.z * p.z, -1.0, 1.0);
    return 90.0 - std::acos(cosine) / degree;
}

std::vector<GeoPoint> Sun::terminator(GeoPoint subsolar, int count)
{
    // Two unit vectors at right angles to the Sun's direction span the terminator's circle.
    const Vector s = unit(subsolar);
    const Vector north{0.0, 0.0, 1.0};
    const Vector helper = std::abs(s.z) > 0.9 ? Vector{1.0, 0.0, 0.0} : north;
    Vector a{helper.y * s.z - helper.z * s.y, helper.z * s.x - helper.x * s.z, helper.x * s.y - helper.y * s.x};
    const double length = std::sqrt(a.x * a.x + a.y * a.y + a.z * a.z);
    a = {a.x / length, a.y / length, a.z / length};
    const Vector b{s.y * a.z - s.z * a.y, s.z * a.x - s.x * a.z, s.x * a.y - s.y * a.x};

    std::vector<GeoPoint> points;
    points.reserve(static_cast<std::size_t>(std::max(count, 0)));
    for (int i = 0; i < count; ++i) {
        const double angle = 2.0 * std::numbers::pi * i / count;
        const Vector p{a.x * std::cos(angle) + b.x * std::sin(angle), a.y * std::cos(angle) + b.y * std::sin(angle),
                       a.z * std::cos(angle) + b.z * std::sin(angle)};
        points.push_back({std::atan2(p.z, std::hypot(p.x, p.y)) / degree, std::atan2(p.y, p.x) / degree});
    }
    return points;
}

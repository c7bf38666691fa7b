#include "core/world/AzimuthalProjection.h"

#include <GeographicLib/Geodesic.hpp>
#include <GeographicLib/GeodesicLine.hpp>
#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace {

constexpr double degree = std::numbers::pi / 180.0;
// Halving a segment this often brings any step that still jumps under a millimetre: what is
// left is a crossing of the antipode (or of the short cut line round it on the ellipsoid).
constexpr int maximumDepth = 30;

} // namespace

// A point of a line with where it falls on the plane, and its direction from the Earth's
// centre, through which great-circle midpoints are found.
struct AzimuthalProjection::Vertex {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
    Point plane;
};

AzimuthalProjection::AzimuthalProjection(GeoPoint centre)
    : m_centre(centre)
    , m_projection(GeographicLib::Geodesic::WGS84())
{
    double rim = 0.0;
    GeographicLib::Geodesic::WGS84().Inverse(centre.latitude, centre.longitude, -centre.latitude,
                                             centre.longitude + 180.0, rim);
    m_rim = rim;
}

AzimuthalProjection::Point AzimuthalProjection::project(GeoPoint point) const
{
    Point result;
    m_projection.Forward(m_centre.latitude, m_centre.longitude, point.latitude, point.longitude, result.x, result.y);
    return result;
}

std::optional<GeoPoint> AzimuthalProjection::place(Point point) const
{
    if (!(distance(point) <= m_rim)) {
        return std::nullopt;
    }
    GeoPoint result;
    m_projection.Reverse(m_centre.latitude, m_centre.longitude, point.x, point.y, result.latitude, result.longitude);
    return result;
}

double AzimuthalProjection::bearing(Point point)
{
    const double angle = std::atan2(point.x, point.y) / degree;
    return angle < 0.0 ? angle + 360.0 : angle;
}

double AzimuthalProjection::distance(Point point)
{
    return std::hypot(point.x, point.y);
}

AzimuthalProjection::Vertex AzimuthalProjection::vertex(GeoPoint point) const
{
    const double latitude = point.latitude * degree;
    const double longitude = point.longitude * degree;
    Vertex v{
        std::cos(latitude) * std::cos(longitude), std::cos(latitude) * std::sin(longitude), std::sin(latitude), {}};
    v.plane = project(point);
    return v;
}

AzimuthalProjection::Vertex AzimuthalProjection::vertex(double x, double y, double z) const
{
    const double norm = std::sqrt(x * x + y * y + z * z);
    x /= norm;
    y /= norm;
    z /= norm;
    Vertex v{x, y, z, {}};
    v.plane = project({std::atan2(z, std::hypot(x, y)) / degree, std::atan2(y, x) / degree});
    return v;
}

void AzimuthalProjection::densify(const Vertex& from, const Vertex& to, int depth,
                                  std::vector<std::vector<Point>>& parts) const
{
    const double step = std::hypot(to.plane.x - from.plane.x, to.plane.y - from.plane.y);
    if (step <= maximumStep()) {
        parts.back().push_back(to.plane);
        return;
    }
    const double x = from.x + to.x;
    const double y = from.y + to.y;
    const double z = from.z + to.z;
    if (depth >= maximumDepth || x * x + y * y + z * z < 1e-20) {
        parts.emplace_back(1, to.plane);
        return;
    }
    const Vertex middle = vertex(x, y, z);
    densify(from, middle, depth + 1, parts);
    densify(middle, to, depth + 1, parts);
}

std::vector<std::vector<AzimuthalProjection::Point>>
AzimuthalProjection::projectLine(std::span<const GeoPoint> points) const
{
    std::vector<std::vector<Point>> parts;
    if (points.empty()) {
        return parts;
    }
    Vertex previous = vertex(points.front());
    parts.emplace_back(1, previous.plane);
    for (std::size_t i = 1; i < points.size(); ++i) {
        const Vertex next = vertex(points[i]);
        densify(previous, next, 0, parts);
        previous = next;
    }
    return parts;
}

void AzimuthalProjection::appendRimArc(std::vector<Point>& points, Point from, Point to) const
{
    const double start = bearing(from);
    const double sweep = std::remainder(bearing(to) - start, 360.0);
    const int steps = std::max(1, static_cast<int>(std::ceil(std::abs(sweep) * degree * m_rim / maximumStep())));
    for (int i = 0; i <= steps; ++i) {
        const double angle = (start + sweep * i / steps) * degree;
        points.push_back({m_rim * std::sin(angle), m_rim * std::cos(angle)});
    }
}

AzimuthalProjection::Ring AzimuthalProjection::projectRing(std::span<const GeoPoint> points) const
{
    Ring ring;
    if (points.size() < 3) {
        return ring;
    }
    std::vector<GeoPoint> closed(points.begin(), points.end());
    closed.push_back(points.front());
    std::vector<std::vector<Point>> parts = projectLine(closed);
    if (parts.size() > 1) {
        // The first part starts where the last one ends: they are one piece of the outline.
        std::vector<Point>& last = parts.back();
        last.insert(last.end(), parts.front().begin() + 1, parts.front().end());
        parts.front() = std::move(last);
        parts.pop_back();
        ring.splits = static_cast<int>(parts.size());
        for (std::size_t i = 0; i < parts.size(); ++i) {
            ring.points.insert(ring.points.end(), parts[i].begin(), parts[i].end());
            appendRimArc(ring.points, parts[i].back(), parts[(i + 1) % parts.size()].front());
        }
    } else {
        ring.points = std::move(parts.front());
        ring.points.pop_back();
    }

    // Whatever way the rim arcs went, the outline either winds round the centre or not. If it
    // does, one of its sides holds the centre and the other the antipode; the land is the
    // smaller side, and the side round the centre has the area of the caps under each step.
    double turn = 0.0;
    double area = 0.0;
    const double earthRadius = m_rim / std::numbers::pi;
    for (std::size_t i = 0; i < ring.points.size(); ++i) {
        const Point a = ring.points[i];
        const Point b = ring.points[(i + 1) % ring.points.size()];
        const double angle = std::remainder(std::atan2(b.x, b.y) - std::atan2(a.x, a.y), 2.0 * std::numbers::pi);
        turn += angle;
        area += angle * (1.0 - std::cos((distance(a) + distance(b)) / 2.0 / earthRadius));
    }
    const bool winds = std::abs(turn) > std::numbers::pi;
    ring.holdsAntipode = winds && std::abs(area) > 2.0 * std::numbers::pi;
    return ring;
}

AzimuthalProjection::Path AzimuthalProjection::path(GeoPoint station, bool longWay) const
{
    const GeographicLib::Geodesic& earth = GeographicLib::Geodesic::WGS84();
    Path result;
    double unused = 0.0;
    earth.Inverse(m_centre.latitude, m_centre.longitude, station.latitude, station.longitude, result.length,
                  result.bearing, unused);
    if (longWay) {
        // Geodesics on the ellipsoid do not close: the one leaving straight backwards misses the
        // station by up to a few hundred kilometres. Find the one that reaches it by Newton's
        // method on its bearing and length, measured as the miss seen from the station.
        double bearing = result.bearing + 180.0;
        double length = 2.0 * m_rim - result.length;
        const GeographicLib::AzimuthalEquidistant around(earth);
        const auto miss = [&](double b, double s) {
            GeoPoint end;
            earth.Direct(m_centre.latitude, m_centre.longitude, b, s, end.latitude, end.longitude);
            double x = 0.0;
            double y = 0.0;
            around.Forward(station.latitude, station.longitude, end.latitude, end.longitude, x, y);
            return std::array<double, 2>{x, y};
        };
        for (int i = 0; i < 8; ++i) {
            const std::array<double, 2> f = miss(bearing, length);
            if (std::hypot(f[0], f[1]) < 1.0) {
                break;
            }
            const std::array<double, 2> fb = miss(bearing + 1e-4, length);
            const std::array<double, 2> fs = miss(bearing, length + 10.0);
            const double a = (fb[0] - f[0]) / 1e-4;
            const double c = (fb[1] - f[1]) / 1e-4;
            const double b = (fs[0] - f[0]) / 10.0;
            const double d = (fs[1] - f[1]) / 10.0;
            const double determinant = a * d - b * c;
            if (std::abs(determinant) < 1e-12) {
                break;
            }
            bearing -= (d * f[0] - b * f[1]) / determinant;
            length -= (a * f[1] - c * f[0]) / determinant;
        }
        result.bearing = bearing;
        result.length = length;
    }
    result.bearing = std::fmod(std::fmod(result.bearing, 360.0) + 360.0, 360.0);
    result.parts = geodesicFromCentre(result.bearing, result.length);
    return result;
}

std::vector<std::vector<AzimuthalProjection::Point>> AzimuthalProjection::geodesicFromCentre(double bearingDegrees,
                                                                                             double length) const
{
    const GeographicLib::GeodesicLine line =
        GeographicLib::Geodesic::WGS84().Line(m_centre.latitude, m_centre.longitude, bearingDegrees);
    const auto at = [&](double s) {
        GeoPoint point;
        line.Position(s, point.latitude, point.longitude);
        return project(point);
    };
    std::vector<std::vector<Point>> parts{{Point{}}};
    // Near the antipode a short way along the line sweeps far round the rim: halve the steps
    // there, as for outlines, and split only where the line crosses over.
    const auto walk = [&](auto& self, double from, Point a, double to, Point b, int depth) -> void {
        if (std::hypot(b.x - a.x, b.y - a.y) <= maximumStep()) {
            parts.back().push_back(b);
        } else if (depth >= maximumDepth) {
            parts.emplace_back(1, b);
        } else {
            const double middle = (from + to) / 2.0;
            const Point m = at(middle);
            self(self, from, a, middle, m, depth + 1);
            self(self, middle, m, to, b, depth + 1);
        }
    };
    const int steps = std::clamp(static_cast<int>(std::ceil(length / maximumStep())), 1, 10'000);
    Point previous;
    for (int i = 1; i <= steps; ++i) {
        const Point next = at(length * i / steps);
        walk(walk, length * (i - 1) / steps, previous, length * i / steps, next, 0);
        previous = next;
    }
    std::vector<std::vector<Point>> drawn;
    for (const std::vector<Point>& part : parts) {
        std::vector<std::vector<Point>> pieces = awayFromRim(part);
        drawn.insert(drawn.end(), std::make_move_iterator(pieces.begin()), std::make_move_iterator(pieces.end()));
    }
    return drawn;
}

std::vector<std::vector<AzimuthalProjection::Point>>
AzimuthalProjection::awayFromRim(const std::vector<Point>& line) const
{
    // Within this of the rim every point is the antipode, seen from some side.
    const double edge = m_rim * (1.0 - 0.003);
    std::vector<std::vector<Point>> pieces(1);
    for (std::size_t i = 0; i < line.size(); ++i) {
        const bool along = i > 0 && distance(line[i - 1]) > edge && distance(line[i]) > edge;
        if (along && pieces.back().size() > 1) {
            pieces.emplace_back();
        }
        if (along) {
            pieces.back().assign(1, line[i]);
        } else {
            pieces.back().push_back(line[i]);
        }
    }
    std::erase_if(pieces, [](const std::vector<Point>& piece) { return piece.size() < 2; });
    return pieces;
}

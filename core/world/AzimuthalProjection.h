#pragma once

#include "core/world/GeoPoint.h"

#include <GeographicLib/AzimuthalEquidistant.hpp>
#include <optional>
#include <span>
#include <vector>

// The world as seen from a tower: azimuthal equidistant on WGS84, centred on the tower, north
// up. A point's direction from the centre on the plane is its true bearing from the tower and
// its distance from the centre is its geodesic distance, so the antipode lies all round the rim.
// Lines are drawn between their points along great circles, and a line passing the antipode
// leaves the plane at one side of the rim and comes back at the other: it is split there
// instead of being drawn as a chord across the map.
class AzimuthalProjection final {
public:
    // Metres east (x) and north (y) of the centre on the plane.
    struct Point {
        double x = 0.0;
        double y = 0.0;
    };
    // A closed outline on the plane; where it passed the antipode it follows the rim instead.
    struct Ring {
        std::vector<Point> points;
        // How often it passed the antipode.
        int splits = 0;
        // Whether the region it bounds (the smaller of its two sides on the globe) holds the
        // antipode, so on the plane it lies between the outline and the rim.
        bool holdsAntipode = false;
    };

    explicit AzimuthalProjection(GeoPoint centre);

    GeoPoint centre() const { return m_centre; }
    // Metres from the centre to its antipode: the radius of the rim.
    double rimDistance() const { return m_rim; }
    // Longest step between consecutive points of a projected line.
    double maximumStep() const { return m_rim / 150.0; }

    Point project(GeoPoint point) const;
    // The place at a point on the plane; nothing beyond the rim.
    std::optional<GeoPoint> place(Point point) const;
    // Degrees clockwise from north, 0 up to 360.
    static double bearing(Point point);
    static double distance(Point point);

    // An open line through the points, in parts split where it passes the antipode.
    std::vector<std::vector<Point>> projectLine(std::span<const GeoPoint> points) const;
    // A closed outline (the last point joins the first).
    Ring projectRing(std::span<const GeoPoint> points) const;
    // The geodesic from the centre to a station, the short way (a straight line from the
    // centre) or the long way round: out the other way, round the rim near the antipode and
    // back in to the station, in parts split where it crosses over.
    struct Path {
        double bearing = 0.0; // degrees at the tower
        double length = 0.0;  // metres
        std::vector<std::vector<Point>> parts;
    };
    Path path(GeoPoint station, bool longWay) const;
    // The geodesic leaving the centre at `bearing` for `length` metres, in parts.
    std::vector<std::vector<Point>> geodesicFromCentre(double bearing, double length) const;
    // A drawn line without its stretches along the rim: a line passing close by the antipode
    // sweeps round the rim there, which is right for a filled outline but noise in a stroke.
    std::vector<std::vector<Point>> awayFromRim(const std::vector<Point>& line) const;

private:
    struct Vertex;
    void densify(const Vertex& from, const Vertex& to, int depth, std::vector<std::vector<Point>>& parts) const;
    Vertex vertex(GeoPoint point) const;
    Vertex vertex(double x, double y, double z) const;
    void appendRimArc(std::vector<Point>& points, Point from, Point to) const;

    GeoPoint m_centre;
    double m_rim = 0.0;
    GeographicLib::AzimuthalEquidistant m_projection;
};

#pragma once

#include <optional>

// The headings and distances from a station to a target on the WGS84 ellipsoid, both ways round.
// Pure; degrees, east-positive longitudes, bearings clockwise from true north in 0...360.
class Beam final {
public:
    struct Path {
        double bearing = 0;
        double distanceMeters = 0;

        bool operator==(const Path&) const = default;
    };

    // Within this distance of the station's antipode every bearing is nearly as short as any
    // other, so the short path's bearing means little.
    static constexpr double antipodeMeters = 200'000;

    Path shortPath;
    Path longPath;
    bool nearAntipode = false;

    // The paths from the station to the target; nothing for a non-finite or out-of-range
    // coordinate.
    static std::optional<Beam> between(double stationLatitude, double stationLongitude, double targetLatitude,
                                       double targetLongitude);

    // The heading to send a controller for a true bearing, given the tower's north offset (the
    // true bearing of controller heading 0, as RotorLocation::trueBearing adds it), in 0...360;
    // nothing for non-finite input.
    static std::optional<double> controllerHeading(double trueBearing, double northOffset);

    bool operator==(const Beam&) const = default;
};

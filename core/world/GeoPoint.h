#pragma once

// A place on the Earth in degrees: latitude north positive, longitude east positive.
struct GeoPoint {
    double latitude = 0.0;
    double longitude = 0.0;

    bool operator==(const GeoPoint&) const = default;
};

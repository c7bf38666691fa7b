#pragma once

#include "core/model/Instant.h"
#include "core/world/GeoPoint.h"

#include <vector>

// Where the Sun stands: the low-precision solar position of the astronomical almanacs (mean
// longitude, equation of centre, nutation in longitude, obliquity and the equation of time),
// good to about 0.01° in the years around now. The grey line is the great circle 90° from the
// subsolar point, the day/night boundary without refraction, on a round Earth.
class Sun final {
public:
    Sun() = delete;

    // The point where the Sun is overhead at `at` (UTC).
    static GeoPoint subsolarPoint(Instant at);
    // Degrees of the Sun above the horizon at `place` (negative below).
    static double altitude(GeoPoint subsolar, GeoPoint place);
    static bool isNight(GeoPoint subsolar, GeoPoint place) { return altitude(subsolar, place) < 0.0; }
    // `count` points round the terminator, in order.
    static std::vector<GeoPoint> terminator(GeoPoint subsolar, int count = 360);
};

#pragma once

#include <QPointF>

// The Web-Mercator tile scheme of slippy maps: where a coordinate falls among the tiles of a
// zoom level, and which level shows a given span of ground across a given number of pixels.
// Pure functions; angles in degrees, distances in metres.
class TileMath final {
public:
    TileMath() = delete;

    static constexpr int tileSize = 256;
    // The highest level the standard tile server offers.
    static constexpr int maximumZoom = 19;
    // Mercator stops here; nothing north or south of it has tiles.
    static constexpr double maximumLatitude = 85.0511287798;
    // Metres per pixel at level 0 on the equator.
    static constexpr double equatorMetresPerPixel = 156543.03392804097;

    // The coordinate's position in tile units at `zoom` (whole part: the tile's x and y).
    static QPointF tilePosition(double latitude, double longitude, int zoom);
    // The coordinate at a position in tile units; the inverse of `tilePosition`.
    static QPointF coordinate(QPointF tilePosition, int zoom);

    // The fractional level at which `spanMetres` of ground at `latitude` fills `devicePixels`.
    static double fractionalZoom(double latitude, double spanMetres, double devicePixels);
    // The whole level to draw for a fractional one: the next level up, so tiles are scaled down
    // (never blurred up), capped at `maximum`, never below 0.
    static int drawnZoom(double fractionalZoom, int maximum = maximumZoom);
    // How much the drawn level's tiles are scaled to show the fractional level.
    static double scale(double fractionalZoom, int drawnZoom);
};

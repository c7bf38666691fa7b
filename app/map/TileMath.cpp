#include "app/map/TileMath.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

double radians(double degrees)
{
    return degrees * std::numbers::pi / 180.0;
}

} // namespace

QPointF TileMath::tilePosition(double latitude, double longitude, int zoom)
{
    const double tiles = std::ldexp(1.0, zoom);
    const double phi = radians(std::clamp(latitude, -maximumLatitude, maximumLatitude));
    const double x = (longitude + 180.0) / 360.0 * tiles;
    const double y = (1.0 - std::asinh(std::tan(phi)) / std::numbers::pi) / 2.0 * tiles;
    return {x, y};
}

QPointF TileMath::coordinate(QPointF position, int zoom)
{
    const double tiles = std::ldexp(1.0, zoom);
    const double longitude = position.x() / tiles * 360.0 - 180.0;
    const double latitude =
        std::atan(std::sinh(std::numbers::pi * (1.0 - 2.0 * position.y() / tiles))) * 180.0 / std::numbers::pi;
    return {latitude, longitude};
}

double TileMath::fractionalZoom(double latitude, double spanMetres, double devicePixels)
{
    const double cosine = std::cos(radians(std::clamp(latitude, -maximumLatitude, maximumLatitude)));
    return std::log2(equatorMetresPerPixel * cosine * devicePixels / spanMetres);
}

int TileMath::drawnZoom(double fractionalZoom, int maximum)
{
    if (!std::isfinite(fractionalZoom)) {
        return 0;
    }
    return std::clamp(static_cast<int>(std::ceil(fractionalZoom - 1e-9)), 0, maximum);
}

double TileMath::scale(double fractionalZoom, int drawnZoom)
{
    return std::exp2(fractionalZoom - drawnZoom);
}

#pragma once

#include <QColor>
#include <QImage>
#include <QPalette>
#include <QPointF>

#include <cmath>
#include <numbers>

// Sampling drawn widgets: a light and a dark test palette, and colour checks with a tolerance,
// since antialiasing and scaling never give the exact colour.
namespace PixelTest {

inline QPalette testPalette(bool dark)
{
    QPalette palette;
    palette.setColor(QPalette::Window, dark ? QColor(0x24, 0x24, 0x24) : QColor(0xf2, 0xf2, 0xf2));
    palette.setColor(QPalette::WindowText, dark ? QColor(0xee, 0xee, 0xee) : QColor(0x10, 0x10, 0x10));
    palette.setColor(QPalette::PlaceholderText, dark ? QColor(0x9a, 0x8c, 0xb4) : QColor(0x8c, 0x70, 0x60));
    return palette;
}

inline bool near(const QColor& a, const QColor& b, int tolerance = 40)
{
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

// Whether a pixel within one logical point of `at` has about that colour: thin needles are
// antialiased, and their axis need not fall on a pixel centre.
inline bool nearAround(const QImage& image, QPointF at, const QColor& color)
{
    const double ratio = image.devicePixelRatio();
    for (double dx = -1; dx <= 1; dx += 0.5) {
        for (double dy = -1; dy <= 1; dy += 0.5) {
            const QPoint pixel = ((at + QPointF(dx, dy)) * ratio).toPoint();
            if (image.rect().contains(pixel) && near(image.pixelColor(pixel), color)) {
                return true;
            }
        }
    }
    return false;
}

// The point `radius` out from `centre` toward `bearing` (clockwise from north, up).
inline QPointF toward(QPointF centre, double bearing, double radius)
{
    const double angle = bearing * std::numbers::pi / 180.0;
    return {centre.x() + radius * std::sin(angle), centre.y() - radius * std::cos(angle)};
}

} // namespace PixelTest

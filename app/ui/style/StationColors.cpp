#include "app/ui/style/StationColors.h"

bool StationColors::isDark(const QPalette& palette)
{
    return palette.color(QPalette::Window).lightnessF() < 0.5;
}

QColor StationColors::teal(const QPalette& palette)
{
    return isDark(palette) ? QColor(0x3c, 0xc8, 0xbe) : QColor(0x00, 0x7c, 0x78);
}

QColor StationColors::orange(const QPalette& palette)
{
    return isDark(palette) ? QColor(0xff, 0xa6, 0x4d) : QColor(0xb8, 0x55, 0x00);
}

QColor StationColors::red(const QPalette& palette)
{
    return isDark(palette) ? QColor(0xff, 0x6b, 0x6b) : QColor(0xc0, 0x1c, 0x28);
}

QColor StationColors::success(const QPalette& palette)
{
    return isDark(palette) ? QColor(0x57, 0xd1, 0x6a) : QColor(0x1d, 0x8a, 0x36);
}

QColor StationColors::secondary(const QPalette& palette)
{
    return palette.color(QPalette::PlaceholderText);
}

QColor StationColors::faded(QColor color, double alpha)
{
    color.setAlphaF(static_cast<float>(alpha));
    return color;
}

#pragma once

#include <QColor>
#include <QPalette>

// The few colours the views give meaning to (teal for live and selected, orange for warnings
// and stale data, red for stop), each in a light and a dark variant chosen by the lightness of
// the palette's window colour, so both themes read well. Everything else is the palette's.
class StationColors final {
public:
    StationColors() = delete;

    static bool isDark(const QPalette& palette);

    static QColor teal(const QPalette& palette);
    static QColor orange(const QPalette& palette);
    static QColor red(const QPalette& palette);
    // The status dot of a connected server.
    static QColor success(const QPalette& palette);
    // Secondary text and marks: stale needles, unselected sectors, the dot while disconnected.
    static QColor secondary(const QPalette& palette);
    // `color` at `alpha` (0...1), for fills under text and faint marks.
    static QColor faded(QColor color, double alpha);
};

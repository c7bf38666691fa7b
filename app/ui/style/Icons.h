#pragma once

#include <QColor>
#include <QIcon>
#include <QString>

// The program's monochrome SVG icons, drawn at the size asked for and tinted from the palette
// of the moment (button text, or the disabled text colour), so they follow light and dark
// themes and stay sharp on any screen.
class Icons final {
public:
    Icons() = delete;

    // One of the icons under :/xalto, by file name without ".svg" ("lock", "stop", ...).
    static QIcon icon(const QString& name);
    // The same icon in a fixed colour, for marks that carry meaning (a teal checkmark).
    static QIcon icon(const QString& name, const QColor& color);
    // The application's own icon, in its own colours.
    static QIcon application();
};

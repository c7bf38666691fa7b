#pragma once

#include <QString>

#include <optional>

// One position button of a switch or tuner card: what it shows, whether it may be pressed, and
// what pressing it asks for.
struct PositionState {
    enum class Mark { unselected, selected, locked };

    QString name;
    Mark mark = Mark::unselected;
    bool enabled = false;
    QString toolTip;
    // Multi-select switches only: the flag to send, the opposite of what the button shows.
    std::optional<bool> sendEnabled;
    // Positions drawn on a directional dial: the bearing, the wedge drawn for it, and whether
    // the antenna also radiates backwards.
    std::optional<double> bearing;
    double sectorWidth = 0.0;
    bool bidirectional = false;

    bool operator==(const PositionState&) const = default;
};

#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>

#include <optional>

// One position button of a switch or tuner card: what it shows, whether it may be pressed, and
// what pressing it asks for.
struct PositionState {
    enum class Mark { unselected, selected, locked };

    QString name;
    Mark mark = Mark::unselected;
    // What the server reports, whatever the mark: a locked position can still be where the beam
    // points, and the dial shows that.
    bool selected = false;
    bool enabled = false;
    QString toolTip;
    // Multi-select switches only: the flag to send, the opposite of what the button shows.
    std::optional<bool> sendEnabled;
    // Positions drawn on a directional dial: the bearing, the wedge drawn for it, and whether
    // the antenna also radiates backwards.
    std::optional<double> bearing;
    double sectorWidth = 0.0;
    bool bidirectional = false;
    // The position the rotary encoder has turned to but not yet sent.
    bool previewed = false;

    bool operator==(const PositionState&) const = default;

    // Marks the position named `previewed`, if any, and says so in its tooltip.
    static void markPreview(QList<PositionState>& positions, const std::optional<QString>& previewed)
    {
        if (!previewed) {
            return;
        }
        for (PositionState& position : positions) {
            if (position.name == *previewed) {
                position.previewed = true;
                position.toolTip +=
                    u'\n' + QCoreApplication::translate("PositionState", "Encoder preview: press the "
                                                                         "encoder button or Apply to send it.");
            }
        }
    }
};

#pragma once

#include "app/ui/routing/PositionState.h"
#include "app/ui/routing/Tone.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

#include <functional>

struct AntennaSwitch;
struct RoutingContext;

// What a switch card shows for one antenna switch at the client's current time.
struct SwitchCardState {
    Q_DECLARE_TR_FUNCTIONS(SwitchCardState)

public:
    QString title;
    QString reported;
    Tone reportedTone = Tone::plain;
    // Empty unless the live report carries a status other than ready.
    QString serverStatus;
    // Empty for the display types an operator may use; then `positions` is empty.
    QString unsupported;
    // Display type 2: positions with a bearing go on the dial.
    bool directional = false;
    QList<PositionState> positions;

    // A position drawn without a beam width gets this wedge, wide enough to see and point at.
    static constexpr double defaultSectorWidth = 30.0;

    // `canSelect` is the client's guard for one position of this switch.
    static SwitchCardState of(const AntennaSwitch& antennaSwitch, const RoutingContext& context,
                              const std::function<bool(const QString&)>& canSelect);

    bool operator==(const SwitchCardState&) const = default;
};

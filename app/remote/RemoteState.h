#pragma once

#include "app/remote/PairedDevice.h"

#include <QJsonArray>
#include <QString>

class StationWorkspace;

// What the remote page shows of every tab, as JSON: names, connection state, rotors, switches
// and stack outputs, with each control's availability and, when it is off, why. The texts and
// guards are the desktop cards' own (RotorCardState and the routing card states); a device in
// the Watch role sees every control off for that reason.
class RemoteState final {
public:
    static QJsonArray tabs(const StationWorkspace& workspace, PairedDevice::Role role);

    static QString watchOnlyReason();
    // Shown for rotor, switch and stack controls while the tab's own switch is off.
    static QString controlOffReason();
};

#include "core/integrations/BandAutomation.h"

#include <algorithm>
#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace BandAutomation {

namespace {

bool isOff(const QString& position)
{
    return position.toUpper() == u"OFF"_s;
}

} // namespace

std::optional<QString> selection(const AntennaSwitch& device, double frequencyMHz, Instant at)
{
    if (device.displayType != 3 || !std::isfinite(frequencyMHz) || frequencyMHz <= 0.0) {
        return std::nullopt;
    }
    if (device.status != u"0"_s || !device.fresh(at)) {
        return std::nullopt;
    }
    // An operator who switched the antennas off means it.
    if (!device.position || isOff(*device.position)) {
        return std::nullopt;
    }
    const auto current = std::find_if(device.metadata.cbegin(), device.metadata.cend(),
                                      [&](const SwitchPosition& item) { return item.name == *device.position; });
    if (current != device.metadata.cend() && current->contains(frequencyMHz)) {
        return std::nullopt;
    }
    for (const SwitchPosition& item : device.metadata) {
        if (item.contains(frequencyMHz) && device.positions.contains(item.name) &&
            !device.lockedPositions.contains(item.name)) {
            return item.name;
        }
    }
    return std::nullopt;
}

std::optional<QString> tunerSelection(const TurvixTuner& tuner, double frequencyMHz)
{
    if (!std::isfinite(frequencyMHz) || isOff(tuner.position)) {
        return std::nullopt;
    }
    const bool currentHolds =
        std::any_of(tuner.positions.cbegin(), tuner.positions.cend(), [&](const SwitchPosition& item) {
            return item.name == tuner.position && item.contains(frequencyMHz);
        });
    if (currentHolds) {
        return std::nullopt;
    }
    for (const SwitchPosition& item : tuner.positions) {
        if (item.contains(frequencyMHz)) {
            return item.name;
        }
    }
    return std::nullopt;
}

} // namespace BandAutomation

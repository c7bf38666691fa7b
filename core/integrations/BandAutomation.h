#pragma once

#include "core/model/AntennaSwitch.h"
#include "core/model/Instant.h"
#include "core/model/TurvixTuner.h"

#include <QString>

#include <optional>

// Which position the radio's frequency calls for. Pure: the caller passes the time, and the
// client's own guards and the de-duplication of repeated reports stay with the caller.
namespace BandAutomation {

// The position to select on a frequency-range switch (display type 3), or nothing when the
// switch should stay as it is: not ready, stale, set to OFF, already on a position whose range
// holds the frequency, or no unlocked listed position covers it.
std::optional<QString> selection(const AntennaSwitch& device, double frequencyMHz, Instant at);

// The same choice for a tuner's band positions. The tuner's readiness is the client's
// `canControlTuner` and is not checked here.
std::optional<QString> tunerSelection(const TurvixTuner& tuner, double frequencyMHz);

} // namespace BandAutomation

// A stored station snapshot: decoded, written and decoded again gives the same station, and
// writing it again gives the same bytes.
#include "FuzzSupport.h"
#include "core/model/StationState.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::optional<StationState> station = StationState::decoded(Fuzz::bytes(data, size));
    Fuzz::roundTrip(station, &StationState::encoded, &StationState::decoded);
    if (station) {
        FUZZ_CHECK(StationState::decoded(*station->encoded())->encoded() == station->encoded());
    }
    return 0;
}

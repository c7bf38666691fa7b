// A stored device layout: decoded, written and decoded again gives the same layout.
#include "FuzzSupport.h"
#include "app/profiles/PresentationSettings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Fuzz::roundTrip(PresentationSettings::decoded(Fuzz::bytes(data, size)), &PresentationSettings::encoded,
                    &PresentationSettings::decoded);
    return 0;
}

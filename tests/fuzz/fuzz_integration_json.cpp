// A stored integration record: decoded, written and decoded again gives the same record.
#include "FuzzSupport.h"
#include "app/integrations/IntegrationSettings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Fuzz::roundTrip(IntegrationSettings::decoded(Fuzz::bytes(data, size)), &IntegrationSettings::encoded,
                    &IntegrationSettings::decoded);
    return 0;
}

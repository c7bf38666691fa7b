// The stored server profile list: decoded, written and decoded again gives the same list.
#include "FuzzSupport.h"
#include "app/profiles/ServerProfiles.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Fuzz::roundTrip(ServerProfiles::decode(Fuzz::bytes(data, size)), &ServerProfiles::encode, &ServerProfiles::decode);
    return 0;
}

// The stored tower locations: decoded, written and decoded again gives the same locations.
#include "FuzzSupport.h"
#include "app/profiles/RotorLocation.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QList<RotorLocation> locations = RotorLocation::decode(QString::fromUtf8(Fuzz::bytes(data, size)));
    for (const RotorLocation& location : locations) {
        FUZZ_CHECK(location.valid());
    }
    const std::optional<QString> encoded = RotorLocation::encode(locations);
    FUZZ_CHECK(encoded.has_value());
    FUZZ_CHECK(RotorLocation::decode(*encoded) == locations);
    return 0;
}

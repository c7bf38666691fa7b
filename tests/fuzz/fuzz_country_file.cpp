// Country files chosen by the user: either form, any bytes. A file that parses places calls with
// positions on the globe and zones within range.
#include "FuzzSupport.h"
#include "core/geo/CountryFile.h"
#include "core/geo/StationLookup.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const ProtocolResult<CountryFile> file = CountryFile::parse(Fuzz::bytes(data, size));
    if (!file.ok()) {
        FUZZ_CHECK(!file.failure().description().isEmpty());
        return 0;
    }
    FUZZ_CHECK(!file->entities().isEmpty());
    for (const QString& call : {QStringLiteral("W1AW"), QStringLiteral("VE3/W1AW"), QStringLiteral("JA1ABC/4"),
                                QStringLiteral("DL1ABC/P"), QStringLiteral("UA9XX")}) {
        const ProtocolResult<ResolvedPlace> place = StationLookup::resolve(call, &*file);
        if (place.ok()) {
            FUZZ_CHECK(std::abs(place->latitude) <= 90 && std::abs(place->longitude) <= 180);
            FUZZ_CHECK(place->cqZone >= 1 && place->cqZone <= 40 && place->ituZone >= 1 && place->ituZone <= 90);
        }
    }
    return 0;
}

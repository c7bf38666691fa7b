// The stored heading presets: decoded, written and decoded again gives the same presets.
#include "FuzzSupport.h"
#include "app/profiles/HeadingPreset.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QList<HeadingPreset> presets = HeadingPreset::decode(QString::fromUtf8(Fuzz::bytes(data, size)));
    for (const HeadingPreset& preset : presets) {
        FUZZ_CHECK(preset.valid());
    }
    FUZZ_CHECK(HeadingPreset::decode(HeadingPreset::encode(presets)) == presets);
    return 0;
}

// The settings file a user imports: read and validated, written and read again gives the same
// configuration.
#include "FuzzSupport.h"
#include "app/profiles/SettingsBackup.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const ProtocolResult<SettingsBackup> backup = SettingsBackup::read(Fuzz::bytes(data, size));
    if (!backup) {
        return 0;
    }
    FUZZ_CHECK(!backup->validate().has_value());
    const ProtocolResult<QByteArray> encoded = backup->encoded();
    FUZZ_CHECK(encoded.ok());
    const ProtocolResult<SettingsBackup> again = SettingsBackup::read(*encoded);
    FUZZ_CHECK(again.ok() && *again == *backup);
    return 0;
}

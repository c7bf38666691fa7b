#pragma once

#include <QLatin1StringView>
#include <QString>

// The user-defaults keys of the saved configuration. Per-server entries are a prefix followed
// by the server's endpoint key.
namespace SettingsKeys {

inline constexpr QLatin1StringView serverProfiles{"serverProfiles"};
inline constexpr QLatin1StringView headingPresets{"headingPresetsV1"};
inline constexpr QLatin1StringView rotorLocations{"rotorLocationsV1"};
inline constexpr QLatin1StringView rotorMechanics{"rotorMechanicsV1"};
inline constexpr QLatin1StringView integrationsPrefix{"integrations:"};
inline constexpr QLatin1StringView presentationPrefix{"presentation:"};
inline constexpr QLatin1StringView stationSnapshotPrefix{"stationSnapshot:"};
inline constexpr QLatin1StringView selectedServerProfileID{"selectedServerProfileID"};
inline constexpr QLatin1StringView lastConnectedServerProfiles{"lastConnectedServerProfiles"};
// An older single-server setup, read by the first tab only.
inline constexpr QLatin1StringView serverHost{"serverHost"};
inline constexpr QLatin1StringView serverPort{"serverPort"};

inline QString integrations(const QString& endpoint)
{
    return QString(integrationsPrefix) + endpoint;
}
inline QString presentation(const QString& endpoint)
{
    return QString(presentationPrefix) + endpoint;
}
inline QString stationSnapshot(const QString& endpoint)
{
    return QString(stationSnapshotPrefix) + endpoint;
}

} // namespace SettingsKeys

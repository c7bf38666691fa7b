#pragma once

#include <QJsonObject>
#include <QString>

#include <optional>

// How one device's card appears in the station view. A device without an entry uses these
// defaults.
struct DevicePresentation {
    bool visible = true;
    // Comma-separated band names such as "20m, 40m"; empty means every band.
    QString bands;
    // Lower numbers come first.
    int order = 0;

    QJsonObject toJson() const;
    // Every key is required.
    static std::optional<DevicePresentation> fromJson(const QJsonObject& object);

    bool operator==(const DevicePresentation&) const = default;
};

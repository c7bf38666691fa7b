#pragma once

#include "core/model/Instant.h"

#include <QJsonObject>
#include <QString>
#include <QUuid>

#include <optional>

// A phone or tablet paired with the remote page. The token it holds is kept here only as its
// SHA-256 hash, so the settings file cannot be used to take its place.
struct PairedDevice {
    enum class Role { watch, control };

    QUuid id;
    QString name;
    Role role = Role::watch;
    // Lower-case hex of SHA-256 of the token text.
    QString tokenHash;
    Instant firstSeen;
    Instant lastSeen;

    // Device names are shown on the desktop and sent back to the page: short, one line.
    static constexpr qsizetype maxNameLength = 40;

    // "Watch" or "Control", as the settings file and the page spell it: never translated.
    static QString roleText(Role role);
    // The role in the operator's language, for the desktop's list of devices.
    static QString roleName(Role role);
    // The name typed on the phone, trimmed, control characters dropped and cut to the limit;
    // "Phone" (in the operator's language) when nothing is left.
    static QString cleanName(const QString& typed);
    static QString hashOf(const QString& token);

    QJsonObject toJson() const;
    static std::optional<PairedDevice> fromJson(const QJsonObject& object);

    bool operator==(const PairedDevice&) const = default;
};

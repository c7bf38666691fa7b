#pragma once

#include "core/model/Instant.h"

#include <QJsonObject>
#include <QString>

#include <optional>

// One antenna rotator as the station server reports it.
struct Rotor {
    QString name;
    std::optional<double> heading;
    QString status;
    std::optional<Instant> updated;
    std::optional<Instant> lastHeadingChange;

    // A report is current for less than this many seconds after it was applied.
    static constexpr double freshSeconds = 8.0;
    // A heading counts as changing for less than this many seconds after a move.
    static constexpr double headingChangeSeconds = 3.0;

    bool fresh(Instant at) const;
    bool headingChanging(Instant at) const;
    bool controllable() const;
    bool acceptsTurn() const;
    QString statusText() const;
    QString displayStatus(Instant at) const;

    QJsonObject toJson() const;
    static std::optional<Rotor> fromJson(const QJsonObject& object);

    bool operator==(const Rotor&) const = default;
};

// True when `updated` is present and less than `Rotor::freshSeconds` before `at`. Shared by
// every device record.
bool isFresh(const std::optional<Instant>& updated, Instant at);

#pragma once

#include "core/model/Instant.h"

#include <QJsonObject>
#include <QString>

#include <optional>

// One stack output.
struct StackOutput {
    QString name;
    bool selected = false;
    QString status;
    std::optional<Instant> updated;

    bool fresh(Instant at) const;

    QJsonObject toJson() const;
    static std::optional<StackOutput> fromJson(const QJsonObject& object);

    bool operator==(const StackOutput&) const = default;
};

#pragma once

#include "core/model/Instant.h"
#include "core/model/SwitchPosition.h"

#include <QJsonObject>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include <optional>

// One antenna switch. Display types 1 to 4 are operable: 2 carries bearings, 3 frequency
// ranges, 4 allows several positions at once (`position` then holds them joined by ",").
struct AntennaSwitch {
    QString name;
    QStringList positions;
    QList<SwitchPosition> metadata;
    int displayType = 0;
    QSet<QString> lockedPositions;
    std::optional<QString> position;
    QString status;
    std::optional<Instant> updated;

    bool fresh(Instant at) const;
    bool operable() const { return displayType >= 1 && displayType <= 4; }
    bool accepts(const QString& positionName, Instant at) const;
    bool selected(const QString& positionName) const;

    QJsonObject toJson() const;
    static std::optional<AntennaSwitch> fromJson(const QJsonObject& object);

    bool operator==(const AntennaSwitch&) const = default;
};

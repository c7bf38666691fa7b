#pragma once

#include "core/model/Instant.h"
#include "core/model/SwitchPosition.h"

#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// One remote antenna tuner.
struct TurvixTuner {
    QString name;
    QStringList rotors;
    QList<SwitchPosition> positions;
    QList<double> headings;
    QString position;
    QString status;
    QString rssi;
    std::optional<Instant> updated;

    bool fresh(Instant at) const;
    bool controllable(Instant at) const;

    QJsonObject toJson() const;
    static std::optional<TurvixTuner> fromJson(const QJsonObject& object);

    bool operator==(const TurvixTuner&) const = default;
};

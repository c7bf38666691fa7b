#pragma once

#include "core/model/AntennaSwitch.h"
#include "core/model/Instant.h"
#include "core/model/Rotor.h"
#include "core/model/StackOutput.h"
#include "core/model/TurvixTuner.h"

#include <QByteArray>
#include <QJsonObject>
#include <QMap>
#include <QString>
#include <QStringList>

#include <optional>

class ServerEvent;

// The client's picture of one station. Maps are keyed by device name, which always equals the
// record's `name`; ordered maps keep every listing in ascending name order.
struct StationState {
    QMap<QString, int> signals;
    QMap<QString, TurvixTuner> tuners;
    QStringList locations;
    QMap<QString, StackOutput> stacks;
    QMap<QString, Rotor> rotors;
    QMap<QString, AntennaSwitch> switches;

    // The single place where server events change the model. Defined beside the event
    // grammar, since it is the receiving half of the protocol.
    void apply(const ServerEvent& event, Instant at);

    bool isEmpty() const;

    QJsonObject toJson() const;
    static std::optional<StationState> fromJson(const QJsonObject& object);

    // The snapshot form; nothing when a value cannot be written (a non-finite number).
    std::optional<QByteArray> encoded() const;
    static std::optional<StationState> decoded(const QByteArray& bytes);

    bool operator==(const StationState&) const = default;
};

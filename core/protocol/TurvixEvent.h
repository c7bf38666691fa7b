#pragma once

#include "core/model/SwitchPosition.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>
#include <variant>

// One tuner line from the station server.
class TurvixEvent final {
public:
    // "TURVIXADD": the tuner's rotors and its band positions, each with a frequency range.
    struct Added {
        QString name;
        QStringList rotors;
        QList<SwitchPosition> positions;
        bool operator==(const Added&) const = default;
    };
    // "TURVIXREMOVE".
    struct Removed {
        QString name;
        bool operator==(const Removed&) const = default;
    };
    // "TURVIX": a state report with 1 to 16 headings.
    struct Updated {
        QString name;
        QString status;
        QString rssi;
        QString position;
        QList<double> headings;
        bool operator==(const Updated&) const = default;
    };

    using Value = std::variant<Added, Removed, Updated>;
    Value value;

    // The tuner event held by a line already split at the unit separator; nothing when the
    // line is not a well-formed tuner line.
    static std::optional<TurvixEvent> parse(const QList<QStringView>& fields);

    template <typename T>
    const T* as() const
    {
        return std::get_if<T>(&value);
    }

    bool operator==(const TurvixEvent&) const = default;
};

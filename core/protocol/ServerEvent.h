#pragma once

#include "core/model/SwitchPosition.h"
#include "core/protocol/TurvixEvent.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <variant>

// One line received from the station server. Parsing never fails: anything malformed is
// `Unknown`, which changes nothing.
class ServerEvent final {
public:
    // Not produced by `parse`: the client derives it from the signal field of a report.
    struct Signal {
        QString device;
        int rssi = 0;
        bool operator==(const Signal&) const = default;
    };
    struct Turvix {
        TurvixEvent event;
        bool operator==(const Turvix&) const = default;
    };
    // Not produced by `parse`: the client derives it from the position items of "SWITCHADD".
    struct SwitchMetadata {
        QString name;
        QList<SwitchPosition> positions;
        bool operator==(const SwitchMetadata&) const = default;
    };
    // Unique, sorted ascending.
    struct Locations {
        QStringList names;
        bool operator==(const Locations&) const = default;
    };
    struct Challenge {
        QString text;
        bool operator==(const Challenge&) const = default;
    };
    struct Add {
        QString name;
        bool operator==(const Add&) const = default;
    };
    struct Remove {
        QString name;
        bool operator==(const Remove&) const = default;
    };
    // The heading as received: finite, not wrapped into 0...360.
    struct Point {
        QString name;
        double heading = 0.0;
        QString status;
        bool operator==(const Point&) const = default;
    };
    struct SwitchAdded {
        QString name;
        QStringList positions;
        int displayType = 0;
        bool operator==(const SwitchAdded&) const = default;
    };
    struct SwitchLocks {
        QString name;
        QStringList positions;
        bool operator==(const SwitchLocks&) const = default;
    };
    // For a multi-select switch `position` holds the selected positions joined by ",".
    struct SwitchUpdated {
        QString name;
        QString position;
        QString status;
        bool operator==(const SwitchUpdated&) const = default;
    };
    struct StackAdded {
        QStringList names;
        bool operator==(const StackAdded&) const = default;
    };
    struct StackRemoved {
        QStringList names;
        bool operator==(const StackRemoved&) const = default;
    };
    struct StackUpdated {
        QStringList names;
        QList<bool> selected;
        QString status;
        bool operator==(const StackUpdated&) const = default;
    };
    struct SwitchRemoved {
        QString name;
        bool operator==(const SwitchRemoved&) const = default;
    };
    struct UserRequired {
        bool operator==(const UserRequired&) const = default;
    };
    struct Rejected {
        bool operator==(const Rejected&) const = default;
    };
    struct Full {
        bool operator==(const Full&) const = default;
    };
    struct Closed {
        bool operator==(const Closed&) const = default;
    };
    struct Unknown {
        bool operator==(const Unknown&) const = default;
    };

    using Value = std::variant<Signal, Turvix, SwitchMetadata, Locations, Challenge, Add, Remove, Point, SwitchAdded,
                               SwitchLocks, SwitchUpdated, StackAdded, StackRemoved, StackUpdated, SwitchRemoved,
                               UserRequired, Rejected, Full, Closed, Unknown>;
    Value value;

    // One line without its line end.
    static ServerEvent parse(QStringView line);

    template <typename T>
    const T* as() const
    {
        return std::get_if<T>(&value);
    }

    bool operator==(const ServerEvent&) const = default;
};

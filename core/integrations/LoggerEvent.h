#pragma once

#include <QDebug>
#include <QMetaType>
#include <QString>

#include <optional>
#include <variant>

// One event from a logger or a key input. Radio numbers are 1 or 2 where a logger names them.
struct LoggerEvent {
    // Radio `radio` is on `mhz` megahertz.
    struct Frequency {
        int radio = 1;
        double mhz = 0.0;
        bool operator==(const Frequency&) const = default;
    };
    // The logger's focus moved to this radio.
    struct Focus {
        int radio = 1;
        bool operator==(const Focus&) const = default;
    };
    // Turn the rotor of this radio; no radio when the logger did not say which.
    struct Turn {
        std::optional<int> radio;
        double degrees = 0.0;
        bool operator==(const Turn&) const = default;
    };
    // Stop the rotor of this radio; no radio when the logger did not say which.
    struct Stop {
        std::optional<int> radio;
        bool operator==(const Stop&) const = default;
    };
    // A key token from the keyboard UDP input or a key press.
    struct Key {
        QString token;
        bool operator==(const Key&) const = default;
    };

    std::variant<Frequency, Focus, Turn, Stop, Key> value;

    static LoggerEvent frequency(int radio, double mhz) { return {Frequency{radio, mhz}}; }
    static LoggerEvent focus(int radio) { return {Focus{radio}}; }
    static LoggerEvent turn(std::optional<int> radio, double degrees) { return {Turn{radio, degrees}}; }
    static LoggerEvent stop(std::optional<int> radio) { return {Stop{radio}}; }
    static LoggerEvent key(QString token) { return {Key{std::move(token)}}; }

    template <typename Case>
    const Case* as() const
    {
        return std::get_if<Case>(&value);
    }

    bool operator==(const LoggerEvent&) const = default;
};

// For logs and test failure messages only; the user-facing description belongs to the controller.
QDebug operator<<(QDebug debug, const LoggerEvent& event);

Q_DECLARE_METATYPE(LoggerEvent)

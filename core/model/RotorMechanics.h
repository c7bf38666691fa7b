#pragma once

#include <QJsonObject>
#include <QString>

#include <optional>

// What one rotator may be sent and how it moves: soft limits or a forbidden sector, the range
// its controller counts in, a two-way antenna, the park heading and the watchdog's settings.
// The default record is a plain 0–360 rotator with no limits: what every rotor was before these
// settings existed.
//
// Limits are controller numbers in the rotor's own range (−90…+90 on a south-stop rotor,
// 0…450 on an overlap rotor). A forbidden sector is a bearing arc from `sectorFrom` clockwise
// to `sectorTo`; a turn may pass through it but never end inside it.
struct RotorMechanics {
    enum class Limit { none, limits, forbiddenSector };
    enum class Range { full, southStop, overlap };
    // How the number sent is chosen. `bearing`: the wire carries 0–360 and the server or the
    // controller owns the route (OV Varnex, KT-90 frames), so only limits, sector and two-way
    // apply. `range`: this program sends a number inside the rotor's range (rotctld).
    enum class Numbering { bearing, range };

    Limit limit = Limit::none;
    double low = 0;
    double high = 360;
    double sectorFrom = 0;
    double sectorTo = 0;
    Range range = Range::full;
    // The upper end of an overlap range.
    double overlapEnd = 450;
    bool twoWay = false;
    double park = 0;
    // Park after this many minutes without a command; 0 is off.
    int idleParkMinutes = 0;
    bool stallWatchdog = true;
    double stallDegrees = 1;
    double stallSeconds = 10;
    double maxTurnSeconds = 120;

    // A jog moves by the station's own step, unknown here; this is the step assumed when
    // checking that a jog stays inside the limits.
    static constexpr double jogAllowance = 10;

    // The controller numbers of the range.
    double rangeLow() const;
    double rangeHigh() const;

    // Every number finite and within its bounds, limits inside the range and low below high.
    bool valid() const;

    // "0–180°", "forbidden 150–250°", or empty when there is no limit.
    QString limitText() const;
    // "0–360°", "−180…+180° (south stop)", "0–450° (overlap)".
    QString rangeText() const;

    // Whether a bearing (any number, taken modulo 360) may be the end of a turn under the
    // limits, with the range `numbering` applies; `number` is the controller number sent.
    bool allows(double number, Numbering numbering) const;
    // The bearing 0…360 of a controller number.
    static double bearingOf(double number);

    struct Decision {
        // The number to send, or nothing with `refusal` saying why.
        std::optional<double> send;
        QString refusal;
    };
    // The one rule every turn passes: the number to send for a turn of `rotor` from the
    // controller's `current` number to the requested heading, or the sentence that refuses it.
    // Two-way: the nearer of B and B+180 that is allowed. `range` numbering: the equivalent
    // number nearest the current one inside the range, so the route never crosses the stop.
    static Decision plan(const RotorMechanics& mechanics, const QString& rotor, Numbering numbering,
                         std::optional<double> current, double requested);
    // The sentence that refuses a jog of `jogAllowance` from `current`, or nothing.
    static std::optional<QString> jogRefusal(const RotorMechanics& mechanics, const QString& rotor, Numbering numbering,
                                             std::optional<double> current, bool clockwise);

    QJsonObject toJson() const;
    // Missing keys keep their defaults, so an older record loads; a key of the wrong type or a
    // record that is not `valid` gives nothing.
    static std::optional<RotorMechanics> fromJson(const QJsonObject& object);

    bool operator==(const RotorMechanics&) const = default;
};

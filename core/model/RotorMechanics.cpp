#include "core/model/RotorMechanics.h"

#include "core/model/Json.h"
#include "core/protocol/FixedText.h"

#include <QCoreApplication>
#include <QList>

#include <cmath>
#include <limits>

using namespace Qt::Literals::StringLiterals;

namespace {

// Room for the rounding of numbers that went through text and back.
constexpr double slack = 1e-9;

bool finiteWithin(double value, double lower, double upper)
{
    return std::isfinite(value) && value >= lower && value <= upper;
}

// A whole number without decimals, any other with one.
QString compact(double value)
{
    return value == std::round(value) ? QString::number(static_cast<qint64>(value)) : fixedText(value, 1);
}

QString degrees(double value)
{
    return fixedText(value == 0.0 ? 0.0 : value, 1) + u"°"_s;
}

double circularDistance(double a, double b)
{
    const double d = RotorMechanics::bearingOf(a - b);
    return std::min(d, 360.0 - d);
}

const QList<std::pair<RotorMechanics::Limit, QString>>& limitNames()
{
    static const QList<std::pair<RotorMechanics::Limit, QString>> names{
        {RotorMechanics::Limit::none, u"none"_s},
        {RotorMechanics::Limit::limits, u"limits"_s},
        {RotorMechanics::Limit::forbiddenSector, u"forbiddenSector"_s},
    };
    return names;
}

const QList<std::pair<RotorMechanics::Range, QString>>& rangeNames()
{
    static const QList<std::pair<RotorMechanics::Range, QString>> names{
        {RotorMechanics::Range::full, u"full"_s},
        {RotorMechanics::Range::southStop, u"southStop"_s},
        {RotorMechanics::Range::overlap, u"overlap"_s},
    };
    return names;
}

template <typename E>
QString nameOf(const QList<std::pair<E, QString>>& names, E value)
{
    for (const auto& [entry, name] : names) {
        if (entry == value) {
            return name;
        }
    }
    return {};
}

// A missing key keeps the default; a present one must have the right type.
template <typename T>
bool readPresent(const QJsonObject& object, const QString& key, T& out)
{
    const QJsonValue value = object.value(key);
    return value.isUndefined() || Json::read(value, out);
}

template <typename E>
bool readEnum(const QJsonObject& object, const QString& key, const QList<std::pair<E, QString>>& names, E& out)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined()) {
        return true;
    }
    for (const auto& [entry, name] : names) {
        if (value.isString() && value.toString() == name) {
            out = entry;
            return true;
        }
    }
    return false;
}

} // namespace

double RotorMechanics::rangeLow() const
{
    return range == Range::southStop ? -180.0 : 0.0;
}

double RotorMechanics::rangeHigh() const
{
    switch (range) {
    case Range::full:
        return 360.0;
    case Range::southStop:
        return 180.0;
    case Range::overlap:
        return overlapEnd;
    }
    return 360.0;
}

bool RotorMechanics::valid() const
{
    if (!finiteWithin(overlapEnd, 360.0 + slack, 540.0) || !finiteWithin(park, 0, 360) || idleParkMinutes < 0 ||
        idleParkMinutes > 1440 || !finiteWithin(stallDegrees, 0.1, 90) || !finiteWithin(stallSeconds, 1, 600) ||
        !finiteWithin(maxTurnSeconds, 1, 3600) || !finiteWithin(sectorFrom, 0, 360) ||
        !finiteWithin(sectorTo, 0, 360) || !std::isfinite(low) || !std::isfinite(high)) {
        return false;
    }
    return limit != Limit::limits || (low >= rangeLow() && high <= rangeHigh() && low < high);
}

QString RotorMechanics::limitText() const
{
    switch (limit) {
    case Limit::none:
        return {};
    case Limit::limits:
        return compact(low) + u"–"_s + compact(high) + u"°"_s;
    case Limit::forbiddenSector:
        return compact(sectorFrom) + u"–"_s + compact(sectorTo) + u"°"_s;
    }
    return {};
}

QString RotorMechanics::rangeText() const
{
    switch (range) {
    case Range::full:
        return u"0–360°"_s;
    case Range::southStop:
        return QCoreApplication::translate("RotorMechanics", "-180…+180° (south stop)");
    case Range::overlap:
        return QCoreApplication::translate("RotorMechanics", "0–%1° (overlap)").arg(compact(overlapEnd));
    }
    return {};
}

double RotorMechanics::bearingOf(double number)
{
    const double bearing = std::fmod(number, 360.0);
    return bearing < 0.0 ? bearing + 360.0 : bearing;
}

bool RotorMechanics::allows(double number, Numbering numbering) const
{
    if (!std::isfinite(number)) {
        return false;
    }
    if (numbering == Numbering::range && (number < rangeLow() - slack || number > rangeHigh() + slack)) {
        return false;
    }
    switch (limit) {
    case Limit::none:
        return true;
    case Limit::limits: {
        if (numbering == Numbering::range) {
            return number >= low - slack && number <= high + slack;
        }
        // The wire carries a bearing: any number of the limits that points the same way will do.
        const double turns = std::ceil((low - number - slack) / 360.0);
        return number + 360.0 * turns <= high + slack;
    }
    case Limit::forbiddenSector: {
        const double span = bearingOf(sectorTo - sectorFrom);
        const double into = bearingOf(bearingOf(number) - sectorFrom);
        return !(span > 0.0 && into > slack && into < span - slack);
    }
    }
    return true;
}

RotorMechanics::Decision RotorMechanics::plan(const RotorMechanics& mechanics, const QString& rotor,
                                              Numbering numbering, std::optional<double> current, double requested)
{
    if (!std::isfinite(requested)) {
        return {std::nullopt,
                QCoreApplication::translate("RotorMechanics", "Turn blocked: the heading is not a number.")};
    }
    const double wanted = requested >= 0.0 && requested <= 360.0 ? requested : bearingOf(requested);
    QList<double> bearings{wanted};
    if (mechanics.twoWay) {
        bearings.append(bearingOf(wanted + 180.0));
    }

    // A plain flag and number: the optional trips GCC's maybe-uninitialized check here.
    const bool known = current.has_value() && std::isfinite(current.value_or(0.0));
    double from = current.value_or(0.0);
    const double lowest = mechanics.rangeLow();
    const double highest = mechanics.rangeHigh();
    if (known && numbering == Numbering::range && (from < lowest || from > highest)) {
        // A controller that reports outside the range set here: the same bearing inside it.
        from = lowest + bearingOf(from - lowest);
    }

    std::optional<double> best;
    double bestDistance = std::numeric_limits<double>::infinity();
    for (const double bearing : bearings) {
        QList<double> numbers;
        if (numbering == Numbering::bearing) {
            numbers.append(bearing);
        } else {
            for (double number = lowest + bearingOf(bearing - lowest); number <= highest + slack; number += 360.0) {
                numbers.append(number);
            }
            if (bearing == 360.0 && lowest + 360.0 > highest + slack) {
                numbers.append(lowest);
            }
        }
        for (const double number : numbers) {
            if (!mechanics.allows(number, numbering)) {
                continue;
            }
            const double distance = !known                          ? 0.0
                                    : numbering == Numbering::range ? std::fabs(number - from)
                                                                    : circularDistance(number, from);
            if (distance < bestDistance - slack) {
                best = number;
                bestDistance = distance;
            }
        }
    }
    if (best) {
        return {*best == 0.0 ? 0.0 : *best, {}};
    }
    switch (mechanics.limit) {
    case Limit::forbiddenSector:
        return {std::nullopt,
                QCoreApplication::translate("RotorMechanics", "Turn blocked: %1 is inside %2's forbidden sector %3.")
                    .arg(degrees(wanted), rotor, mechanics.limitText())};
    case Limit::limits:
        return {std::nullopt,
                QCoreApplication::translate("RotorMechanics", "Turn blocked: %1 is outside %2's limits %3.")
                    .arg(degrees(wanted), rotor, mechanics.limitText())};
    case Limit::none:
        break;
    }
    return {std::nullopt, QCoreApplication::translate("RotorMechanics", "Turn blocked: %1 is outside %2's range %3.")
                              .arg(degrees(wanted), rotor, mechanics.rangeText())};
}

std::optional<QString> RotorMechanics::jogRefusal(const RotorMechanics& mechanics, const QString& rotor,
                                                  Numbering numbering, std::optional<double> current, bool clockwise)
{
    if (!current || !std::isfinite(*current)) {
        return std::nullopt;
    }
    const double step = clockwise ? jogAllowance : -jogAllowance;
    const double next = numbering == Numbering::bearing ? bearingOf(*current + step) : *current + step;
    // A rotor already outside its limits may be jogged anywhere, or it could never be brought back.
    if (mechanics.allows(next, numbering) || !mechanics.allows(*current, numbering)) {
        return std::nullopt;
    }
    // Whole sentences, one per way and limit, so a translator can order each freely.
    const QString from = degrees(*current);
    switch (mechanics.limit) {
    case Limit::forbiddenSector:
        return clockwise
                   ? QCoreApplication::translate(
                         "RotorMechanics", "Jog blocked: a CW step from %1 would end inside %2's forbidden sector %3.")
                         .arg(from, rotor, mechanics.limitText())
                   : QCoreApplication::translate(
                         "RotorMechanics", "Jog blocked: a CCW step from %1 would end inside %2's forbidden sector %3.")
                         .arg(from, rotor, mechanics.limitText());
    case Limit::limits:
        return clockwise ? QCoreApplication::translate("RotorMechanics",
                                                       "Jog blocked: a CW step from %1 would leave %2's limits %3.")
                               .arg(from, rotor, mechanics.limitText())
                         : QCoreApplication::translate("RotorMechanics",
                                                       "Jog blocked: a CCW step from %1 would leave %2's limits %3.")
                               .arg(from, rotor, mechanics.limitText());
    case Limit::none:
        break;
    }
    return clockwise
               ? QCoreApplication::translate("RotorMechanics", "Jog blocked: a CW step from %1 would cross %2's stop.")
                     .arg(from, rotor)
               : QCoreApplication::translate("RotorMechanics", "Jog blocked: a CCW step from %1 would cross %2's stop.")
                     .arg(from, rotor);
}

QJsonObject RotorMechanics::toJson() const
{
    return {
        {u"limit"_s, nameOf(limitNames(), limit)},
        {u"low"_s, low},
        {u"high"_s, high},
        {u"sectorFrom"_s, sectorFrom},
        {u"sectorTo"_s, sectorTo},
        {u"range"_s, nameOf(rangeNames(), range)},
        {u"overlapEnd"_s, overlapEnd},
        {u"twoWay"_s, twoWay},
        {u"park"_s, park},
        {u"idleParkMinutes"_s, idleParkMinutes},
        {u"stallWatchdog"_s, stallWatchdog},
        {u"stallDegrees"_s, stallDegrees},
        {u"stallSeconds"_s, stallSeconds},
        {u"maxTurnSeconds"_s, maxTurnSeconds},
    };
}

std::optional<RotorMechanics> RotorMechanics::fromJson(const QJsonObject& object)
{
    RotorMechanics mechanics;
    if (!readEnum(object, u"limit"_s, limitNames(), mechanics.limit) || !readPresent(object, u"low"_s, mechanics.low) ||
        !readPresent(object, u"high"_s, mechanics.high) ||
        !readPresent(object, u"sectorFrom"_s, mechanics.sectorFrom) ||
        !readPresent(object, u"sectorTo"_s, mechanics.sectorTo) ||
        !readEnum(object, u"range"_s, rangeNames(), mechanics.range) ||
        !readPresent(object, u"overlapEnd"_s, mechanics.overlapEnd) ||
        !readPresent(object, u"twoWay"_s, mechanics.twoWay) || !readPresent(object, u"park"_s, mechanics.park) ||
        !readPresent(object, u"idleParkMinutes"_s, mechanics.idleParkMinutes) ||
        !readPresent(object, u"stallWatchdog"_s, mechanics.stallWatchdog) ||
        !readPresent(object, u"stallDegrees"_s, mechanics.stallDegrees) ||
        !readPresent(object, u"stallSeconds"_s, mechanics.stallSeconds) ||
        !readPresent(object, u"maxTurnSeconds"_s, mechanics.maxTurnSeconds) || !mechanics.valid()) {
        return std::nullopt;
    }
    return mechanics;
}

#include "core/protocol/TurvixEvent.h"

#include "core/protocol/OVVProtocol.h"

#include <QSet>

#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr qsizetype maxRotors = 16;
constexpr qsizetype maxPositions = 128;
constexpr qsizetype maxHeadings = 16;

// Every name valid and none twice.
bool distinctValidNames(const QList<QStringView>& names)
{
    QSet<QStringView> seen;
    seen.reserve(names.size());
    for (const QStringView name : names) {
        if (!OVVProtocol::validField(name) || seen.contains(name)) {
            return false;
        }
        seen.insert(name);
    }
    return true;
}

std::optional<TurvixEvent> parseAdded(const QList<QStringView>& fields)
{
    if (fields.size() != 6) {
        return std::nullopt;
    }
    const QList<QStringView> rotors = fields.at(2).split(OVVProtocol::gs);
    if (rotors.size() > maxRotors || !distinctValidNames(rotors)) {
        return std::nullopt;
    }
    const QList<QStringView> names = fields.at(3).split(OVVProtocol::gs);
    const QList<QStringView> lowers = fields.at(4).split(OVVProtocol::gs);
    const QList<QStringView> uppers = fields.at(5).split(OVVProtocol::gs);
    if (names.size() != lowers.size() || names.size() != uppers.size() || names.size() > maxPositions ||
        !distinctValidNames(names)) {
        return std::nullopt;
    }

    TurvixEvent::Added added;
    added.name = fields.at(1).toString();
    added.rotors.reserve(rotors.size());
    for (const QStringView rotor : rotors) {
        added.rotors.append(rotor.toString());
    }
    added.positions.reserve(names.size());
    for (qsizetype i = 0; i < names.size(); ++i) {
        QString item = names.at(i).toString();
        item += OVVProtocol::gs;
        item += lowers.at(i);
        item += OVVProtocol::gs;
        item += uppers.at(i);
        std::optional<SwitchPosition> position = SwitchPosition::fromWire(item, 3);
        if (!position || !position->lowerMHz) {
            return std::nullopt;
        }
        added.positions.append(std::move(*position));
    }
    return TurvixEvent{std::move(added)};
}

std::optional<TurvixEvent> parseUpdated(const QList<QStringView>& fields)
{
    if (fields.size() < 5 + 1 || fields.size() > 5 + maxHeadings) {
        return std::nullopt;
    }
    TurvixEvent::Updated updated;
    updated.headings.reserve(fields.size() - 5);
    for (qsizetype i = 5; i < fields.size(); ++i) {
        const std::optional<double> heading = OVVProtocol::decimal(fields.at(i));
        if (!heading || !std::isfinite(*heading)) {
            return std::nullopt;
        }
        updated.headings.append(*heading);
    }
    updated.name = fields.at(1).toString();
    updated.status = fields.at(2).toString();
    updated.rssi = fields.at(3).toString();
    updated.position = fields.at(4).toString();
    return TurvixEvent{std::move(updated)};
}

} // namespace

std::optional<TurvixEvent> TurvixEvent::parse(const QList<QStringView>& fields)
{
    if (fields.size() < 2 || !OVVProtocol::validField(fields.at(1))) {
        return std::nullopt;
    }
    const QStringView keyword = fields.first();
    if (keyword == u"TURVIX") {
        return parseUpdated(fields);
    }
    if (keyword == u"TURVIXADD") {
        return parseAdded(fields);
    }
    if (keyword == u"TURVIXREMOVE") {
        return TurvixEvent{Removed{fields.at(1).toString()}};
    }
    return std::nullopt;
}

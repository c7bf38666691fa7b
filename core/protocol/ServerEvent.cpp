#include "core/protocol/ServerEvent.h"

#include "core/protocol/OVVProtocol.h"

#include <QSet>

#include <algorithm>
#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr qsizetype maxStackNames = 4;

ServerEvent event(ServerEvent::Value value)
{
    return ServerEvent{std::move(value)};
}

ServerEvent unknown()
{
    return event(ServerEvent::Unknown{});
}

QList<QStringView> splitFields(QStringView line)
{
    QList<QStringView> fields;
    fields.reserve(8);
    const QChar* const data = line.data();
    qsizetype start = 0;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (data[i] == OVVProtocol::us) {
            fields.append(line.sliced(start, i - start));
            start = i + 1;
        }
    }
    fields.append(line.sliced(start));
    return fields;
}

// The text up to its first group separator.
QStringView itemName(QStringView item)
{
    const qsizetype separator = item.indexOf(OVVProtocol::gs);
    return separator < 0 ? item : item.first(separator);
}

// Orders by Unicode scalar value; plain UTF-16 order would put characters beyond U+FFFF
// before those from U+E000 on.
bool scalarLess(const QString& left, const QString& right)
{
    const qsizetype common = std::min(left.size(), right.size());
    for (qsizetype i = 0; i < common; ++i) {
        char16_t a = left.at(i).unicode();
        char16_t b = right.at(i).unicode();
        if (a != b) {
            const auto rank = [](char16_t unit) -> char32_t {
                return QChar::isSurrogate(unit) ? char32_t(unit) + 0x10000 : char32_t(unit);
            };
            return a >= 0xD800 && b >= 0xD800 ? rank(a) < rank(b) : a < b;
        }
    }
    return left.size() < right.size();
}

ServerEvent parseLocations(const QList<QStringView>& fields)
{
    // Duplicates are canonically equivalent texts; the first spelling the server sent is kept,
    // since that is the one it knows when the location is sent back.
    struct Entry {
        QString normalized;
        QString original;
    };
    QList<Entry> entries;
    for (qsizetype i = 1; i < fields.size(); ++i) {
        const QStringView name = fields.at(i);
        if (name.isEmpty()) {
            continue;
        }
        if (!OVVProtocol::validField(name)) {
            return unknown();
        }
        const QString original = name.toString();
        entries.append({original.normalized(QString::NormalizationForm_C), original});
    }
    std::stable_sort(entries.begin(), entries.end(),
                     [](const Entry& a, const Entry& b) { return scalarLess(a.normalized, b.normalized); });
    ServerEvent::Locations locations;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (i == 0 || entries.at(i).normalized != entries.at(i - 1).normalized) {
            locations.names.append(entries.at(i).original);
        }
    }
    return event(std::move(locations));
}

// Stack output names joined by ",": 1 to 4, each valid.
std::optional<QStringList> stackNames(QStringView field)
{
    const QList<QStringView> parts = field.split(u',');
    if (parts.size() > maxStackNames) {
        return std::nullopt;
    }
    QStringList names;
    names.reserve(parts.size());
    for (const QStringView part : parts) {
        if (!OVVProtocol::validField(part)) {
            return std::nullopt;
        }
        names.append(part.toString());
    }
    return names;
}

ServerEvent parseStack(const QList<QStringView>& fields)
{
    if (fields.size() < 8) {
        return unknown();
    }
    std::optional<QStringList> names = stackNames(fields.at(1));
    if (!names) {
        return unknown();
    }
    ServerEvent::StackUpdated updated;
    updated.selected.reserve(names->size());
    for (qsizetype i = 0; i < names->size(); ++i) {
        const QStringView flag = fields.at(2 + i);
        if (flag == u"true") {
            updated.selected.append(true);
        } else if (flag == u"false") {
            updated.selected.append(false);
        } else {
            return unknown();
        }
    }
    updated.names = std::move(*names);
    updated.status = fields.at(6).toString();
    return event(std::move(updated));
}

ServerEvent parsePoint(const QList<QStringView>& fields)
{
    if (fields.size() < 3) {
        return unknown();
    }
    const std::optional<double> heading = OVVProtocol::decimal(fields.at(2));
    if (!heading || !std::isfinite(*heading)) {
        return unknown();
    }
    QString status = fields.size() > 3 ? fields.at(3).toString() : u"2"_s;
    return event(ServerEvent::Point{fields.at(1).toString(), *heading, std::move(status)});
}

ServerEvent parseSwitchAdded(const QList<QStringView>& fields)
{
    if (fields.size() < 4) {
        return unknown();
    }
    const std::optional<int> displayType = OVVProtocol::integer(fields.at(1));
    const QStringView name = itemName(fields.at(2));
    if (!displayType || !OVVProtocol::validField(name)) {
        return unknown();
    }
    ServerEvent::SwitchAdded added;
    added.positions.reserve(fields.size() - 3);
    // A set, not a list search: one line may carry thousands of positions.
    QSet<QStringView> seen;
    seen.reserve(fields.size() - 3);
    for (qsizetype i = 3; i < fields.size(); ++i) {
        const QStringView position = itemName(fields.at(i));
        if (!OVVProtocol::validField(position) || seen.contains(position)) {
            return unknown();
        }
        seen.insert(position);
        added.positions.append(position.toString());
    }
    added.name = name.toString();
    added.displayType = *displayType;
    return event(std::move(added));
}

ServerEvent parseSwitchLocks(const QList<QStringView>& fields)
{
    ServerEvent::SwitchLocks locks;
    for (qsizetype i = 2; i < fields.size(); ++i) {
        const QStringView position = fields.at(i);
        if (position.isEmpty()) {
            continue;
        }
        if (!OVVProtocol::validField(position)) {
            return unknown();
        }
        locks.positions.append(position.toString());
    }
    locks.name = fields.at(1).toString();
    return event(std::move(locks));
}

} // namespace

ServerEvent ServerEvent::parse(QStringView line)
{
    if (line.startsWith(u"USER:")) {
        return event(UserRequired{});
    }
    if (line.startsWith(u"PASS:")) {
        return event(Challenge{line.sliced(5).toString()});
    }
    if (line == u"INVALID USER/PASS") {
        return event(Rejected{});
    }
    if (line.startsWith(u"SERVER_FULL")) {
        return event(Full{});
    }
    if (line.startsWith(u"CLOSE")) {
        return event(Closed{});
    }

    const QList<QStringView> fields = splitFields(line);
    const QStringView keyword = fields.first();
    if (keyword == u"LOCATIONS") {
        return parseLocations(fields);
    }
    if (fields.size() < 2 || !OVVProtocol::validField(fields.at(1))) {
        return unknown();
    }
    // Only the tuner keywords start with "TURVIX"; other lines skip the tuner grammar.
    if (keyword.startsWith(u"TURVIX")) {
        if (std::optional<TurvixEvent> tuner = TurvixEvent::parse(fields)) {
            return event(Turvix{std::move(*tuner)});
        }
        return unknown();
    }

    if (keyword == u"POINT") {
        return parsePoint(fields);
    }
    if (keyword == u"SWITCHUPDATE") {
        if (fields.size() < 4) {
            return unknown();
        }
        return event(SwitchUpdated{fields.at(1).toString(), fields.at(2).toString(), fields.at(3).toString()});
    }
    if (keyword == u"STACK") {
        return parseStack(fields);
    }
    if (keyword == u"ADD") {
        return event(Add{fields.at(1).toString()});
    }
    if (keyword == u"REMOVE") {
        return event(Remove{fields.at(1).toString()});
    }
    if (keyword == u"SWITCHADD") {
        return parseSwitchAdded(fields);
    }
    if (keyword == u"SWITCHLOCKS") {
        return parseSwitchLocks(fields);
    }
    if (keyword == u"STACKADD" || keyword == u"STACKREMOVE") {
        std::optional<QStringList> names = stackNames(fields.at(1));
        if (!names) {
            return unknown();
        }
        if (keyword == u"STACKADD") {
            return event(StackAdded{std::move(*names)});
        }
        return event(StackRemoved{std::move(*names)});
    }
    if (keyword == u"SWITCHREMOVE") {
        return event(SwitchRemoved{fields.at(1).toString()});
    }
    return unknown();
}

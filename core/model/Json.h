#pragma once

#include "core/model/Instant.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QMap>
#include <QString>
#include <QStringList>

#include <optional>

// Helpers for the keyed JSON encodings of stored records. Readers return false when a key is
// missing or holds a value of the wrong type; readers of optional fields accept a missing key
// (or null) as "absent". Writers leave absent optionals out.
namespace Json {

// A value of the given type, or false when it holds another type.
bool read(const QJsonValue& value, QString& out);
bool read(const QJsonValue& value, double& out);
bool read(const QJsonValue& value, int& out);
bool read(const QJsonValue& value, bool& out);
bool read(const QJsonValue& value, Instant& out);
bool read(const QJsonValue& value, QStringList& out);
bool read(const QJsonValue& value, QJsonObject& out);
bool read(const QJsonValue& value, QJsonArray& out);

// The value under one of a record's own keys. Only for the fixed keys of a record: see
// `readNamed` for objects keyed by names.
template <typename T>
bool read(const QJsonObject& object, const QString& key, T& out)
{
    return read(object.value(key), out);
}

template <typename T>
bool readOptional(const QJsonObject& object, const QString& key, std::optional<T>& out)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined() || value.isNull()) {
        out.reset();
        return true;
    }
    T decoded{};
    if (!read(value, decoded)) {
        return false;
    }
    out = std::move(decoded);
    return true;
}

// One entry of a name-keyed object: a record through its `fromJson`, anything else through `read`.
template <typename T>
std::optional<T> decodeEntry(const QJsonValue& value)
{
    if constexpr (requires { T::fromJson(QJsonObject()); }) {
        return value.isObject() ? T::fromJson(value.toObject()) : std::nullopt;
    } else {
        T decoded{};
        return read(value, decoded) ? std::optional<T>(std::move(decoded)) : std::nullopt;
    }
}

// Objects keyed by names that come from users, servers or files (device names, endpoint keys)
// are walked, never searched: Qt 6.4.2 can miss such a key in an object parsed from text (for
// example "SÃO PAULO BEAM 12"), so `value`, `contains` and `remove` fail and `insert` adds the
// key a second time. Iteration always yields every key with its value.
//
// Reads the object under `key` into `out`, entry by entry; `decode(name, value)` gives the
// entry, or nothing when it is malformed, which fails the whole read and leaves `out` as it was.
template <typename T, typename Decode>
bool readNamed(const QJsonObject& parent, const QString& key, QMap<QString, T>& out, Decode decode)
{
    QJsonObject object;
    if (!read(parent, key, object)) {
        return false;
    }
    QMap<QString, T> entries;
    for (auto it = object.constBegin(); it != object.constEnd(); ++it) {
        std::optional<T> entry = decode(it.key(), it.value());
        if (!entry) {
            return false;
        }
        entries.insert(it.key(), std::move(*entry));
    }
    out = std::move(entries);
    return true;
}

template <typename T>
bool readNamed(const QJsonObject& parent, const QString& key, QMap<QString, T>& out)
{
    return readNamed(parent, key, out, [](const QString&, const QJsonValue& value) { return decodeEntry<T>(value); });
}

// The object of a name-keyed map. Its distinct keys go into a fresh object, where Qt finds the
// keys it stored itself, so no name is written twice. Never add names to an object read from text.
template <typename T>
QJsonObject namedObject(const QMap<QString, T>& map)
{
    QJsonObject object;
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
        if constexpr (requires { it.value().toJson(); }) {
            object.insert(it.key(), it.value().toJson());
        } else {
            object.insert(it.key(), it.value());
        }
    }
    return object;
}

QJsonValue toJson(Instant instant);
QJsonValue toJson(const QStringList& list);

template <typename T>
void writeOptional(QJsonObject& object, const QString& key, const std::optional<T>& value)
{
    if (value) {
        if constexpr (std::is_same_v<T, Instant> || std::is_same_v<T, QStringList>) {
            object.insert(key, toJson(*value));
        } else {
            object.insert(key, *value);
        }
    }
}

// False when the value holds a non-finite number anywhere; such a value cannot be written.
bool isWritable(const QJsonValue& value);

// The object as JSON text, or nothing when it holds a non-finite number.
std::optional<QByteArray> encode(const QJsonObject& object, QJsonDocument::JsonFormat format = QJsonDocument::Compact);

// The object held by JSON text, or nothing when the text is not a JSON object.
std::optional<QJsonObject> decodeObject(const QByteArray& bytes);

} // namespace Json

#pragma once

#include "core/model/Instant.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <QStringList>

#include <optional>

// Helpers for the keyed JSON encodings of stored records. Readers return false when a key is
// missing or holds a value of the wrong type; readers of optional fields accept a missing key
// (or null) as "absent". Writers leave absent optionals out.
namespace Json {

bool read(const QJsonObject& object, const QString& key, QString& out);
bool read(const QJsonObject& object, const QString& key, double& out);
bool read(const QJsonObject& object, const QString& key, int& out);
bool read(const QJsonObject& object, const QString& key, bool& out);
bool read(const QJsonObject& object, const QString& key, Instant& out);
bool read(const QJsonObject& object, const QString& key, QStringList& out);
bool read(const QJsonObject& object, const QString& key, QJsonObject& out);
bool read(const QJsonObject& object, const QString& key, QJsonArray& out);

template <typename T>
bool readOptional(const QJsonObject& object, const QString& key, std::optional<T>& out)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined() || value.isNull()) {
        out.reset();
        return true;
    }
    T decoded{};
    if (!read(object, key, decoded)) {
        return false;
    }
    out = std::move(decoded);
    return true;
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

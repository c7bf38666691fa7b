#include "core/model/Json.h"

#include <cmath>
#include <limits>

namespace Json {

bool read(const QJsonValue& value, QString& out)
{
    if (!value.isString()) {
        return false;
    }
    out = value.toString();
    return true;
}

bool read(const QJsonValue& value, double& out)
{
    if (!value.isDouble()) {
        return false;
    }
    out = value.toDouble();
    return true;
}

bool read(const QJsonValue& value, int& out)
{
    if (!value.isDouble()) {
        return false;
    }
    const double number = value.toDouble();
    if (number != std::trunc(number) || number < std::numeric_limits<int>::min() ||
        number > std::numeric_limits<int>::max()) {
        return false;
    }
    out = static_cast<int>(number);
    return true;
}

bool read(const QJsonValue& value, bool& out)
{
    if (!value.isBool()) {
        return false;
    }
    out = value.toBool();
    return true;
}

bool read(const QJsonValue& value, Instant& out)
{
    double seconds = 0;
    if (!read(value, seconds)) {
        return false;
    }
    out = Instant(seconds);
    return true;
}

bool read(const QJsonValue& value, QStringList& out)
{
    if (!value.isArray()) {
        return false;
    }
    QStringList list;
    const QJsonArray array = value.toArray();
    list.reserve(array.size());
    for (const QJsonValue& item : array) {
        if (!item.isString()) {
            return false;
        }
        list.append(item.toString());
    }
    out = std::move(list);
    return true;
}

bool read(const QJsonValue& value, QJsonObject& out)
{
    if (!value.isObject()) {
        return false;
    }
    out = value.toObject();
    return true;
}

bool read(const QJsonValue& value, QJsonArray& out)
{
    if (!value.isArray()) {
        return false;
    }
    out = value.toArray();
    return true;
}

QJsonValue toJson(Instant instant)
{
    return instant.secondsSinceReference();
}

QJsonValue toJson(const QStringList& list)
{
    return QJsonArray::fromStringList(list);
}

bool isWritable(const QJsonValue& value)
{
    switch (value.type()) {
    case QJsonValue::Double:
        return std::isfinite(value.toDouble());
    case QJsonValue::Array: {
        const QJsonArray array = value.toArray();
        for (const QJsonValue& item : array) {
            if (!isWritable(item)) {
                return false;
            }
        }
        return true;
    }
    case QJsonValue::Object: {
        const QJsonObject object = value.toObject();
        for (auto it = object.begin(); it != object.end(); ++it) {
            if (!isWritable(it.value())) {
                return false;
            }
        }
        return true;
    }
    default:
        return true;
    }
}

std::optional<QByteArray> encode(const QJsonObject& object, QJsonDocument::JsonFormat format)
{
    if (!isWritable(object)) {
        return std::nullopt;
    }
    return QJsonDocument(object).toJson(format);
}

std::optional<QJsonObject> decodeObject(const QByteArray& bytes)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        return std::nullopt;
    }
    return document.object();
}

} // namespace Json

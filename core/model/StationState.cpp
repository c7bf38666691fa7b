#include "core/model/StationState.h"

#include "core/model/Json.h"

using namespace Qt::Literals::StringLiterals;

namespace {

template <typename Record>
QJsonObject mapToJson(const QMap<QString, Record>& map)
{
    QJsonObject object;
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
        object.insert(it.key(), it.value().toJson());
    }
    return object;
}

template <typename Record>
bool mapFromJson(const QJsonObject& parent, const QString& key, QMap<QString, Record>& out)
{
    QJsonObject object;
    if (!Json::read(parent, key, object)) {
        return false;
    }
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (!it.value().isObject()) {
            return false;
        }
        std::optional<Record> record = Record::fromJson(it.value().toObject());
        // The map key is the device's identity; a record filed under another name is corrupt.
        if (!record || record->name != it.key()) {
            return false;
        }
        out.insert(it.key(), std::move(*record));
    }
    return true;
}

} // namespace

bool StationState::isEmpty() const
{
    return signals.isEmpty() && tuners.isEmpty() && locations.isEmpty() && stacks.isEmpty() && rotors.isEmpty() &&
           switches.isEmpty();
}

QJsonObject StationState::toJson() const
{
    QJsonObject signalObject;
    for (auto it = signals.cbegin(); it != signals.cend(); ++it) {
        signalObject.insert(it.key(), it.value());
    }
    return QJsonObject{
        {u"signals"_s, signalObject},
        {u"tuners"_s, mapToJson(tuners)},
        {u"locations"_s, QJsonArray::fromStringList(locations)},
        {u"stacks"_s, mapToJson(stacks)},
        {u"rotors"_s, mapToJson(rotors)},
        {u"switches"_s, mapToJson(switches)},
    };
}

std::optional<StationState> StationState::fromJson(const QJsonObject& object)
{
    StationState state;
    QJsonObject signalObject;
    if (!Json::read(object, u"signals"_s, signalObject) || !Json::read(object, u"locations"_s, state.locations) ||
        !mapFromJson(object, u"tuners"_s, state.tuners) || !mapFromJson(object, u"stacks"_s, state.stacks) ||
        !mapFromJson(object, u"rotors"_s, state.rotors) || !mapFromJson(object, u"switches"_s, state.switches)) {
        return std::nullopt;
    }
    for (auto it = signalObject.begin(); it != signalObject.end(); ++it) {
        int value = 0;
        if (!Json::read(signalObject, it.key(), value)) {
            return std::nullopt;
        }
        state.signals.insert(it.key(), value);
    }
    return state;
}

std::optional<QByteArray> StationState::encoded() const
{
    return Json::encode(toJson());
}

std::optional<StationState> StationState::decoded(const QByteArray& bytes)
{
    const std::optional<QJsonObject> object = Json::decodeObject(bytes);
    if (!object) {
        return std::nullopt;
    }
    return fromJson(*object);
}

#include "core/model/StationState.h"

#include "core/model/Json.h"

using namespace Qt::Literals::StringLiterals;

namespace {

template <typename Record>
bool readDevices(const QJsonObject& parent, const QString& key, QMap<QString, Record>& out)
{
    return Json::readNamed(parent, key, out, [](const QString& name, const QJsonValue& value) {
        std::optional<Record> record = Json::decodeEntry<Record>(value);
        // The map key is the device's identity; a record filed under another name is corrupt.
        return record && record->name == name ? record : std::nullopt;
    });
}

} // namespace

bool StationState::isEmpty() const
{
    return signals.isEmpty() && tuners.isEmpty() && locations.isEmpty() && stacks.isEmpty() && rotors.isEmpty() &&
           switches.isEmpty();
}

QJsonObject StationState::toJson() const
{
    return QJsonObject{
        {u"signals"_s, Json::namedObject(signals)},
        {u"tuners"_s, Json::namedObject(tuners)},
        {u"locations"_s, QJsonArray::fromStringList(locations)},
        {u"stacks"_s, Json::namedObject(stacks)},
        {u"rotors"_s, Json::namedObject(rotors)},
        {u"switches"_s, Json::namedObject(switches)},
    };
}

std::optional<StationState> StationState::fromJson(const QJsonObject& object)
{
    StationState state;
    if (!Json::readNamed(object, u"signals"_s, state.signals) || !Json::read(object, u"locations"_s, state.locations) ||
        !readDevices(object, u"tuners"_s, state.tuners) || !readDevices(object, u"stacks"_s, state.stacks) ||
        !readDevices(object, u"rotors"_s, state.rotors) || !readDevices(object, u"switches"_s, state.switches)) {
        return std::nullopt;
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

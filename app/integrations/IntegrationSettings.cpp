#include "app/integrations/IntegrationSettings.h"

#include "core/model/Json.h"

#include <QJsonArray>

using namespace Qt::Literals::StringLiterals;

namespace {

bool readBindings(const QJsonObject& object, QList<KeyBinding>& out)
{
    QJsonArray array;
    if (!Json::read(object, u"keyCommands"_s, array)) {
        return false;
    }
    QList<KeyBinding> bindings;
    bindings.reserve(array.size());
    for (const QJsonValue& value : array) {
        std::optional<KeyBinding> binding = value.isObject() ? KeyBinding::fromJson(value.toObject()) : std::nullopt;
        if (!binding) {
            return false;
        }
        bindings.append(std::move(*binding));
    }
    out = std::move(bindings);
    return true;
}

// A key that older records lack: its default stays when it is missing, but a value of the
// wrong type fails the record like any other.
template <typename T>
bool readAdded(const QJsonObject& object, const QString& key, T& out)
{
    return !object.contains(key) || Json::read(object, key, out);
}

} // namespace

QJsonObject IntegrationSettings::toJson() const
{
    QJsonArray bindings;
    for (const KeyBinding& binding : keyCommands) {
        bindings.append(binding.toJson());
    }
    return {
        {u"kind"_s, rawValue(kind)},
        {u"host"_s, host},
        {u"port"_s, port},
        {u"station"_s, station},
        {u"rotorA"_s, rotorA},
        {u"rotorB"_s, rotorB},
        {u"switchRadios"_s, Json::namedObject(switchRadios)},
        {u"tunerRadios"_s, Json::namedObject(tunerRadios)},
        {u"keyCommands"_s, bindings},
        {u"keyboardPort"_s, keyboardPort},
        {u"globalKeys"_s, globalKeys},
        {u"encoderSerial"_s, encoderSerial},
        {u"encoderChannel"_s, encoderChannel},
        {u"encoderButton"_s, encoderButton},
        {u"encoderTarget"_s, encoderTarget},
        {u"encoderStep"_s, encoderStep},
        {u"rotctldEnabled"_s, rotctldEnabled},
        {u"rotctldHost"_s, rotctldHost},
        {u"rotctldPort"_s, rotctldPort},
        {u"rotctldRotor"_s, rotctldRotor},
        {u"rotctldPark"_s, rotctldPark},
        {u"rotctldTolerance"_s, rotctldTolerance},
        {u"wsjtxHost"_s, wsjtxHost},
        {u"wsjtxPort"_s, wsjtxPort},
        {u"wsjtxRotor"_s, wsjtxRotor},
    };
}

std::optional<IntegrationSettings> IntegrationSettings::fromJson(const QJsonObject& object)
{
    IntegrationSettings settings;
    QString kindText;
    if (!Json::read(object, u"kind"_s, kindText)) {
        return std::nullopt;
    }
    const std::optional<LoggerKind> kind = loggerKind(kindText);
    if (!kind) {
        return std::nullopt;
    }
    settings.kind = *kind;
    const bool complete =
        Json::read(object, u"host"_s, settings.host) && Json::read(object, u"port"_s, settings.port) &&
        Json::read(object, u"station"_s, settings.station) && Json::read(object, u"rotorA"_s, settings.rotorA) &&
        Json::read(object, u"rotorB"_s, settings.rotorB) &&
        Json::readNamed(object, u"switchRadios"_s, settings.switchRadios) &&
        Json::readNamed(object, u"tunerRadios"_s, settings.tunerRadios) && readBindings(object, settings.keyCommands) &&
        Json::read(object, u"keyboardPort"_s, settings.keyboardPort) &&
        Json::read(object, u"globalKeys"_s, settings.globalKeys) &&
        Json::read(object, u"encoderSerial"_s, settings.encoderSerial) &&
        Json::read(object, u"encoderChannel"_s, settings.encoderChannel) &&
        Json::read(object, u"encoderButton"_s, settings.encoderButton) &&
        Json::read(object, u"encoderTarget"_s, settings.encoderTarget) &&
        Json::read(object, u"encoderStep"_s, settings.encoderStep) &&
        readAdded(object, u"rotctldEnabled"_s, settings.rotctldEnabled) &&
        readAdded(object, u"rotctldHost"_s, settings.rotctldHost) &&
        readAdded(object, u"rotctldPort"_s, settings.rotctldPort) &&
        readAdded(object, u"rotctldRotor"_s, settings.rotctldRotor) &&
        readAdded(object, u"rotctldPark"_s, settings.rotctldPark) &&
        readAdded(object, u"rotctldTolerance"_s, settings.rotctldTolerance) &&
        readAdded(object, u"wsjtxHost"_s, settings.wsjtxHost) &&
        readAdded(object, u"wsjtxPort"_s, settings.wsjtxPort) &&
        readAdded(object, u"wsjtxRotor"_s, settings.wsjtxRotor);
    if (!complete) {
        return std::nullopt;
    }
    return settings;
}

std::optional<QByteArray> IntegrationSettings::encoded() const
{
    return Json::encode(toJson());
}

std::optional<IntegrationSettings> IntegrationSettings::decoded(const QByteArray& bytes)
{
    const std::optional<QJsonObject> object = Json::decodeObject(bytes);
    return object ? fromJson(*object) : std::nullopt;
}

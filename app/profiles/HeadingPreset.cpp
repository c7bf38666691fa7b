#include "app/profiles/HeadingPreset.h"

#include "app/profiles/SettingsKeys.h"
#include "app/profiles/UuidText.h"
#include "core/client/SettingsStore.h"
#include "core/model/Json.h"
#include "core/protocol/OVVProtocol.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QSet>

#include <cmath>

using namespace Qt::Literals::StringLiterals;

ProtocolResult<HeadingPreset> HeadingPreset::make(const QString& endpoint, const QString& rotor, const QString& name,
                                                  double degrees)
{
    HeadingPreset preset{QUuid::createUuid(), endpoint, rotor, name.trimmed(), degrees};
    if (!preset.valid()) {
        return ProtocolFailure::invalid(QCoreApplication::translate(
            "HeadingPreset", "Give the preset a name and a heading from 0 to 360 degrees."));
    }
    return preset;
}

bool HeadingPreset::valid() const
{
    return OVVProtocol::validField(endpoint) && OVVProtocol::validField(rotor) && OVVProtocol::validField(name) &&
           std::isfinite(degrees) && degrees >= 0 && degrees <= 360;
}

QList<HeadingPreset> HeadingPreset::decode(const QString& text)
{
    const QJsonDocument document = QJsonDocument::fromJson(text.toUtf8());
    if (!document.isArray()) {
        return {};
    }
    const std::optional<QList<HeadingPreset>> stored = fromJsonArray(document.array());
    if (!stored) {
        return {};
    }
    QList<HeadingPreset> presets;
    QSet<QUuid> seen;
    for (const HeadingPreset& preset : *stored) {
        if (preset.valid() && !seen.contains(preset.id)) {
            seen.insert(preset.id);
            presets.append(preset);
        }
    }
    return presets;
}

QString HeadingPreset::encode(const QList<HeadingPreset>& presets)
{
    QList<HeadingPreset> kept;
    for (const HeadingPreset& preset : presets) {
        if (preset.valid()) {
            kept.append(preset);
        }
    }
    const QJsonArray array = toJsonArray(kept);
    if (!Json::isWritable(array)) {
        return u"[]"_s;
    }
    return QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Compact));
}

QList<HeadingPreset> HeadingPreset::stored(const SettingsStore& defaults, const QString& endpoint, const QString& rotor)
{
    QList<HeadingPreset> presets = decode(defaults.text(SettingsKeys::headingPresets).value_or(u"[]"_s));
    presets.removeIf([&](const HeadingPreset& preset) { return preset.endpoint != endpoint || preset.rotor != rotor; });
    return presets;
}

QJsonObject HeadingPreset::toJson() const
{
    return {
        {u"id"_s, UuidText::text(id)}, {u"endpoint"_s, endpoint}, {u"rotor"_s, rotor}, {u"name"_s, name},
        {u"degrees"_s, degrees},
    };
}

std::optional<HeadingPreset> HeadingPreset::fromJson(const QJsonObject& object)
{
    HeadingPreset preset;
    QString idText;
    if (!Json::read(object, u"id"_s, idText) || !Json::read(object, u"endpoint"_s, preset.endpoint) ||
        !Json::read(object, u"rotor"_s, preset.rotor) || !Json::read(object, u"name"_s, preset.name) ||
        !Json::read(object, u"degrees"_s, preset.degrees)) {
        return std::nullopt;
    }
    const std::optional<QUuid> id = UuidText::parse(idText);
    if (!id) {
        return std::nullopt;
    }
    preset.id = *id;
    return preset;
}

std::optional<QList<HeadingPreset>> HeadingPreset::fromJsonArray(const QJsonArray& array)
{
    QList<HeadingPreset> presets;
    presets.reserve(array.size());
    for (const QJsonValue& value : array) {
        std::optional<HeadingPreset> preset = value.isObject() ? fromJson(value.toObject()) : std::nullopt;
        if (!preset) {
            return std::nullopt;
        }
        presets.append(std::move(*preset));
    }
    return presets;
}

QJsonArray HeadingPreset::toJsonArray(const QList<HeadingPreset>& presets)
{
    QJsonArray array;
    for (const HeadingPreset& preset : presets) {
        array.append(preset.toJson());
    }
    return array;
}

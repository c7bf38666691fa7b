#include "app/profiles/PresentationSettings.h"

#include "core/model/Json.h"
#include "core/protocol/OVVProtocol.h"

#include <cmath>

using namespace Qt::Literals::StringLiterals;

bool PresentationSettings::validFor(QStringView endpoint) const
{
    return OVVProtocol::validField(endpoint) && radio >= 1 && radio <= 3 && std::isfinite(cardWidth) &&
           cardWidth >= minimumCardWidth && cardWidth <= maximumCardWidth;
}

QJsonObject PresentationSettings::toJson() const
{
    QJsonObject deviceObject;
    for (auto it = devices.cbegin(); it != devices.cend(); ++it) {
        deviceObject.insert(it.key(), it.value().toJson());
    }
    return {
        {u"devices"_s, deviceObject}, {u"filterByBand"_s, filterByBand},
        {u"radio"_s, radio},          {u"cardWidth"_s, cardWidth},
        {u"accent"_s, accent},
    };
}

std::optional<PresentationSettings> PresentationSettings::fromJson(const QJsonObject& object)
{
    PresentationSettings settings;
    QJsonObject deviceObject;
    if (!Json::read(object, u"devices"_s, deviceObject) ||
        !Json::read(object, u"filterByBand"_s, settings.filterByBand) ||
        !Json::read(object, u"radio"_s, settings.radio) || !Json::read(object, u"cardWidth"_s, settings.cardWidth) ||
        !Json::read(object, u"accent"_s, settings.accent)) {
        return std::nullopt;
    }
    for (auto it = deviceObject.begin(); it != deviceObject.end(); ++it) {
        const std::optional<DevicePresentation> device =
            it.value().isObject() ? DevicePresentation::fromJson(it.value().toObject()) : std::nullopt;
        if (!device) {
            return std::nullopt;
        }
        settings.devices.insert(it.key(), *device);
    }
    return settings;
}

std::optional<QByteArray> PresentationSettings::encoded() const
{
    return Json::encode(toJson());
}

std::optional<PresentationSettings> PresentationSettings::decoded(const QByteArray& data)
{
    const std::optional<QJsonObject> object = Json::decodeObject(data);
    if (!object) {
        return std::nullopt;
    }
    return fromJson(*object);
}

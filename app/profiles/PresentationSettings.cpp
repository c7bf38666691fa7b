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
    return {
        {u"devices"_s, Json::namedObject(devices)},
        {u"filterByBand"_s, filterByBand},
        {u"radio"_s, radio},
        {u"cardWidth"_s, cardWidth},
        {u"accent"_s, accent},
    };
}

std::optional<PresentationSettings> PresentationSettings::fromJson(const QJsonObject& object)
{
    PresentationSettings settings;
    if (!Json::readNamed(object, u"devices"_s, settings.devices) ||
        !Json::read(object, u"filterByBand"_s, settings.filterByBand) ||
        !Json::read(object, u"radio"_s, settings.radio) || !Json::read(object, u"cardWidth"_s, settings.cardWidth) ||
        !Json::read(object, u"accent"_s, settings.accent)) {
        return std::nullopt;
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

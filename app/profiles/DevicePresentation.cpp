#include "app/profiles/DevicePresentation.h"

#include "core/model/Json.h"

using namespace Qt::Literals::StringLiterals;

QJsonObject DevicePresentation::toJson() const
{
    return {{u"visible"_s, visible}, {u"bands"_s, bands}, {u"order"_s, order}};
}

std::optional<DevicePresentation> DevicePresentation::fromJson(const QJsonObject& object)
{
    DevicePresentation device;
    if (!Json::read(object, u"visible"_s, device.visible) || !Json::read(object, u"bands"_s, device.bands) ||
        !Json::read(object, u"order"_s, device.order)) {
        return std::nullopt;
    }
    return device;
}

#include "core/model/SwitchPosition.h"

#include "core/model/Json.h"
#include "core/protocol/OVVProtocol.h"

#include <cmath>

using namespace Qt::Literals::StringLiterals;

bool SwitchPosition::contains(double frequencyMHz) const
{
    // A stored range with lower above upper simply contains nothing.
    return std::isfinite(frequencyMHz) && lowerMHz && upperMHz && *lowerMHz <= frequencyMHz &&
           frequencyMHz <= *upperMHz;
}

std::optional<SwitchPosition> SwitchPosition::fromWire(QStringView wire, int displayType)
{
    const QList<QStringView> parts = wire.split(OVVProtocol::gs);
    if (parts.isEmpty() || !OVVProtocol::validField(parts.first())) {
        return std::nullopt;
    }
    const auto number = [&parts](qsizetype index) -> std::optional<double> {
        if (index >= parts.size()) {
            return std::nullopt;
        }
        // Plain decimal text only: QString's own conversion would also take surrounding blanks.
        const std::optional<double> value = OVVProtocol::decimal(parts.at(index));
        if (!value || !std::isfinite(*value)) {
            return std::nullopt;
        }
        return value;
    };

    SwitchPosition position;
    position.name = parts.first().toString();
    if (displayType == 3) {
        const auto lower = number(1);
        const auto upper = number(2);
        if (lower && upper && 0 <= *lower && *lower <= *upper) {
            position.lowerMHz = lower;
            position.upperMHz = upper;
        }
    } else if (displayType == 2) {
        const auto bearing = number(1);
        const auto width = number(2);
        const auto inCircle = [](double value) { return 0 <= value && value <= 360; };
        if (bearing && width && inCircle(*bearing) && inCircle(*width)) {
            position.bearing = bearing;
            position.beamWidth = width;
        }
        position.bidirectional = parts.size() >= 4 && parts.at(3) == u"true"_s;
    }
    return position;
}

QJsonObject SwitchPosition::toJson() const
{
    QJsonObject object{{u"name"_s, name}, {u"bidirectional"_s, bidirectional}};
    Json::writeOptional(object, u"lowerMHz"_s, lowerMHz);
    Json::writeOptional(object, u"upperMHz"_s, upperMHz);
    Json::writeOptional(object, u"bearing"_s, bearing);
    Json::writeOptional(object, u"beamWidth"_s, beamWidth);
    return object;
}

std::optional<SwitchPosition> SwitchPosition::fromJson(const QJsonObject& object)
{
    SwitchPosition position;
    if (!Json::read(object, u"name"_s, position.name) ||
        !Json::read(object, u"bidirectional"_s, position.bidirectional) ||
        !Json::readOptional(object, u"lowerMHz"_s, position.lowerMHz) ||
        !Json::readOptional(object, u"upperMHz"_s, position.upperMHz) ||
        !Json::readOptional(object, u"bearing"_s, position.bearing) ||
        !Json::readOptional(object, u"beamWidth"_s, position.beamWidth)) {
        return std::nullopt;
    }
    return position;
}

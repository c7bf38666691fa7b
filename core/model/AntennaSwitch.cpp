#include "core/model/AntennaSwitch.h"

#include "core/model/Json.h"
#include "core/model/Rotor.h"

#include <QJsonArray>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

bool AntennaSwitch::fresh(Instant at) const
{
    return isFresh(updated, at);
}

bool AntennaSwitch::accepts(const QString& positionName, Instant at) const
{
    return operable() && status == u"0"_s && fresh(at) && positions.contains(positionName) &&
           !lockedPositions.contains(positionName);
}

bool AntennaSwitch::selected(const QString& positionName) const
{
    if (!position) {
        return false;
    }
    if (displayType == 4) {
        return position->split(u',').contains(positionName);
    }
    return *position == positionName;
}

QJsonObject AntennaSwitch::toJson() const
{
    QJsonArray metadataArray;
    for (const SwitchPosition& item : metadata) {
        metadataArray.append(item.toJson());
    }
    QStringList locked(lockedPositions.begin(), lockedPositions.end());
    std::sort(locked.begin(), locked.end());

    QJsonObject object{
        {u"name"_s, name},
        {u"positions"_s, QJsonArray::fromStringList(positions)},
        {u"metadata"_s, metadataArray},
        {u"displayType"_s, displayType},
        {u"lockedPositions"_s, QJsonArray::fromStringList(locked)},
        {u"status"_s, status},
    };
    Json::writeOptional(object, u"position"_s, position);
    Json::writeOptional(object, u"updated"_s, updated);
    return object;
}

std::optional<AntennaSwitch> AntennaSwitch::fromJson(const QJsonObject& object)
{
    AntennaSwitch result;
    QJsonArray metadataArray;
    QStringList locked;
    if (!Json::read(object, u"name"_s, result.name) || !Json::read(object, u"positions"_s, result.positions) ||
        !Json::read(object, u"metadata"_s, metadataArray) ||
        !Json::read(object, u"displayType"_s, result.displayType) ||
        !Json::read(object, u"lockedPositions"_s, locked) || !Json::read(object, u"status"_s, result.status) ||
        !Json::readOptional(object, u"position"_s, result.position) ||
        !Json::readOptional(object, u"updated"_s, result.updated)) {
        return std::nullopt;
    }
    for (const QJsonValue& item : metadataArray) {
        std::optional<SwitchPosition> position = SwitchPosition::fromJson(item.toObject());
        if (!item.isObject() || !position) {
            return std::nullopt;
        }
        result.metadata.append(std::move(*position));
    }
    result.lockedPositions = QSet<QString>(locked.begin(), locked.end());
    return result;
}

#include "core/model/TurvixTuner.h"

#include "core/model/Json.h"
#include "core/model/Rotor.h"

#include <QJsonArray>

using namespace Qt::Literals::StringLiterals;

bool TurvixTuner::fresh(Instant at) const
{
    return isFresh(updated, at);
}

bool TurvixTuner::controllable(Instant at) const
{
    return (status == u"0"_s || status == u"9"_s) && fresh(at);
}

QJsonObject TurvixTuner::toJson() const
{
    QJsonArray positionArray;
    for (const SwitchPosition& item : positions) {
        positionArray.append(item.toJson());
    }
    QJsonArray headingArray;
    for (double heading : headings) {
        headingArray.append(heading);
    }
    QJsonObject object{
        {u"name"_s, name},
        {u"rotors"_s, QJsonArray::fromStringList(rotors)},
        {u"positions"_s, positionArray},
        {u"headings"_s, headingArray},
        {u"position"_s, position},
        {u"status"_s, status},
        {u"rssi"_s, rssi},
    };
    Json::writeOptional(object, u"updated"_s, updated);
    return object;
}

std::optional<TurvixTuner> TurvixTuner::fromJson(const QJsonObject& object)
{
    TurvixTuner tuner;
    QJsonArray positionArray;
    QJsonArray headingArray;
    if (!Json::read(object, u"name"_s, tuner.name) || !Json::read(object, u"rotors"_s, tuner.rotors) ||
        !Json::read(object, u"positions"_s, positionArray) || !Json::read(object, u"headings"_s, headingArray) ||
        !Json::read(object, u"position"_s, tuner.position) || !Json::read(object, u"status"_s, tuner.status) ||
        !Json::read(object, u"rssi"_s, tuner.rssi) || !Json::readOptional(object, u"updated"_s, tuner.updated)) {
        return std::nullopt;
    }
    for (const QJsonValue& item : positionArray) {
        std::optional<SwitchPosition> position = SwitchPosition::fromJson(item.toObject());
        if (!item.isObject() || !position) {
            return std::nullopt;
        }
        tuner.positions.append(std::move(*position));
    }
    for (const QJsonValue& item : headingArray) {
        if (!item.isDouble()) {
            return std::nullopt;
        }
        tuner.headings.append(item.toDouble());
    }
    return tuner;
}

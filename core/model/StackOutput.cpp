#include "core/model/StackOutput.h"

#include "core/model/Json.h"
#include "core/model/Rotor.h"

using namespace Qt::Literals::StringLiterals;

bool StackOutput::fresh(Instant at) const
{
    return isFresh(updated, at);
}

QJsonObject StackOutput::toJson() const
{
    QJsonObject object{{u"name"_s, name}, {u"selected"_s, selected}, {u"status"_s, status}};
    Json::writeOptional(object, u"updated"_s, updated);
    return object;
}

std::optional<StackOutput> StackOutput::fromJson(const QJsonObject& object)
{
    StackOutput output;
    if (!Json::read(object, u"name"_s, output.name) || !Json::read(object, u"selected"_s, output.selected) ||
        !Json::read(object, u"status"_s, output.status) || !Json::readOptional(object, u"updated"_s, output.updated)) {
        return std::nullopt;
    }
    return output;
}

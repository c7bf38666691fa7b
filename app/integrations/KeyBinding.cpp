#include "app/integrations/KeyBinding.h"

#include "app/profiles/UuidText.h"
#include "core/model/Json.h"

using namespace Qt::Literals::StringLiterals;

QStringList KeyBinding::actions()
{
    return {u"Stop"_s,           u"Rotate"_s, u"CW"_s,   u"CCW"_s,      u"Park"_s,  u"Turn short path"_s,
            u"Turn long path"_s, u"Select"_s, u"Next"_s, u"Previous"_s, u"Toggle"_s};
}

QJsonObject KeyBinding::toJson() const
{
    return {
        {u"id"_s, UuidText::text(id)}, {u"key"_s, key},         {u"rotor"_s, rotor},
        {u"action"_s, action},         {u"heading"_s, heading}, {u"position"_s, position},
    };
}

std::optional<KeyBinding> KeyBinding::fromJson(const QJsonObject& object)
{
    KeyBinding binding;
    QString idText;
    if (!Json::read(object, u"id"_s, idText) || !Json::read(object, u"key"_s, binding.key) ||
        !Json::read(object, u"rotor"_s, binding.rotor) || !Json::read(object, u"action"_s, binding.action) ||
        !Json::read(object, u"heading"_s, binding.heading) || !Json::read(object, u"position"_s, binding.position)) {
        return std::nullopt;
    }
    const std::optional<QUuid> id = UuidText::parse(idText);
    if (!id) {
        return std::nullopt;
    }
    binding.id = *id;
    return binding;
}

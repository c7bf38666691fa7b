#include "app/integrations/KeyBinding.h"

#include "core/model/Json.h"

using namespace Qt::Literals::StringLiterals;

namespace {

// QUuid::fromString also takes braces and turns rubbish into the null id, so the stored form is
// checked first.
std::optional<QUuid> parseId(QStringView text)
{
    if (text.size() != 36) {
        return std::nullopt;
    }
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t unit = text.at(i).unicode();
        const bool hyphen = i == 8 || i == 13 || i == 18 || i == 23;
        const bool hex =
            (unit >= u'0' && unit <= u'9') || (unit >= u'a' && unit <= u'f') || (unit >= u'A' && unit <= u'F');
        if (hyphen ? unit != u'-' : !hex) {
            return std::nullopt;
        }
    }
    return QUuid::fromString(text);
}

} // namespace

QStringList KeyBinding::actions()
{
    return {u"Stop"_s, u"Rotate"_s, u"CW"_s, u"CCW"_s, u"Select"_s, u"Next"_s, u"Previous"_s, u"Toggle"_s};
}

QJsonObject KeyBinding::toJson() const
{
    return {
        {u"id"_s, id.toString(QUuid::WithoutBraces).toUpper()},
        {u"key"_s, key},
        {u"rotor"_s, rotor},
        {u"action"_s, action},
        {u"heading"_s, heading},
        {u"position"_s, position},
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
    const std::optional<QUuid> id = parseId(idText);
    if (!id) {
        return std::nullopt;
    }
    binding.id = *id;
    return binding;
}

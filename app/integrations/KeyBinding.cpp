#include "app/integrations/KeyBinding.h"

#include "app/profiles/UuidText.h"
#include "core/model/Json.h"

#include <QCoreApplication>

using namespace Qt::Literals::StringLiterals;

namespace {

// The stored action names, which are also the English labels; the stored value never changes.
constexpr const char* actionNames[] = {
    QT_TRANSLATE_NOOP("KeyBinding", "Stop"),
    //: Key action: turn the rotor to the binding's heading.
    QT_TRANSLATE_NOOP("KeyBinding", "Rotate"),
    //: Key action: jog the rotor clockwise.
    QT_TRANSLATE_NOOP("KeyBinding", "CW"),
    //: Key action: jog the rotor counterclockwise.
    QT_TRANSLATE_NOOP("KeyBinding", "CCW"),
    //: Key action, a verb: turn the rotor to its park heading.
    QT_TRANSLATE_NOOP("KeyBinding", "Park"),
    QT_TRANSLATE_NOOP("KeyBinding", "Turn short path"),
    QT_TRANSLATE_NOOP("KeyBinding", "Turn long path"),
    //: Key action: select the binding's switch or tuner position.
    QT_TRANSLATE_NOOP("KeyBinding", "Select"),
    //: Key action: step to the next switch position.
    QT_TRANSLATE_NOOP("KeyBinding", "Next"),
    //: Key action: step to the previous switch position.
    QT_TRANSLATE_NOOP("KeyBinding", "Previous"),
    //: Key action: turn a stack output on or off.
    QT_TRANSLATE_NOOP("KeyBinding", "Toggle"),
};

} // namespace

QStringList KeyBinding::actions()
{
    QStringList names;
    for (const char* name : actionNames) {
        names.append(QString::fromLatin1(name));
    }
    return names;
}

QString KeyBinding::actionLabel(const QString& action)
{
    for (const char* name : actionNames) {
        if (action == QLatin1StringView(name)) {
            return QCoreApplication::translate("KeyBinding", name);
        }
    }
    // A name this version does not know is shown as it was stored.
    return action;
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

#include "app/remote/PairedDevice.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QJsonValue>

#include <cmath>

using namespace Qt::Literals::StringLiterals;

QString PairedDevice::roleText(Role role)
{
    return role == Role::control ? u"Control"_s : u"Watch"_s;
}

QString PairedDevice::roleName(Role role)
{
    if (role == Role::control) {
        //: Role of a paired phone: it may turn rotors and switch antennas
        return QCoreApplication::translate("PairedDevice", "Control");
    }
    //: Role of a paired phone: it may only look
    return QCoreApplication::translate("PairedDevice", "Watch");
}

QString PairedDevice::cleanName(const QString& typed)
{
    QString name;
    for (const QChar c : typed) {
        if (c.category() != QChar::Other_Control && c.category() != QChar::Other_Format && c != u'\u2028' &&
            c != u'\u2029') {
            name.append(c);
        }
    }
    name = name.simplified();
    if (name.size() > maxNameLength) {
        name.truncate(maxNameLength);
        // A lone high surrogate left at the cut would be broken text.
        if (name.back().isHighSurrogate()) {
            name.chop(1);
        }
        name = name.trimmed();
    }
    // Becomes the device's saved name, so it is kept in the language it was paired in.
    return name.isEmpty() ? QCoreApplication::translate("PairedDevice", "Phone") : name;
}

QString PairedDevice::hashOf(const QString& token)
{
    return QString::fromLatin1(QCryptographicHash::hash(token.toUtf8(), QCryptographicHash::Sha256).toHex());
}

QJsonObject PairedDevice::toJson() const
{
    return QJsonObject{
        {u"id"_s, id.toString(QUuid::WithoutBraces).toUpper()},
        {u"name"_s, name},
        {u"role"_s, roleText(role)},
        {u"tokenHash"_s, tokenHash},
        {u"firstSeen"_s, firstSeen.secondsSinceReference()},
        {u"lastSeen"_s, lastSeen.secondsSinceReference()},
    };
}

std::optional<PairedDevice> PairedDevice::fromJson(const QJsonObject& object)
{
    PairedDevice device;
    for (auto it = object.begin(); it != object.end(); ++it) {
        const QString key = it.key();
        const QJsonValue value = it.value();
        if (key == u"id"_s) {
            device.id = QUuid::fromString(value.toString());
        } else if (key == u"name"_s) {
            device.name = value.toString();
        } else if (key == u"role"_s) {
            if (value.toString() == u"Control"_s) {
                device.role = Role::control;
            } else if (value.toString() != u"Watch"_s) {
                return std::nullopt;
            }
        } else if (key == u"tokenHash"_s) {
            device.tokenHash = value.toString();
        } else if (key == u"firstSeen"_s && value.isDouble()) {
            device.firstSeen = Instant(value.toDouble());
        } else if (key == u"lastSeen"_s && value.isDouble()) {
            device.lastSeen = Instant(value.toDouble());
        }
    }
    if (device.id.isNull() || device.tokenHash.size() != 64 || device.name != cleanName(device.name)) {
        return std::nullopt;
    }
    return device;
}

#include "core/model/Rotor.h"

#include "core/model/Json.h"

#include <QCoreApplication>

using namespace Qt::Literals::StringLiterals;

bool isFresh(const std::optional<Instant>& updated, Instant at)
{
    return updated && at - *updated < Rotor::freshSeconds;
}

bool Rotor::fresh(Instant at) const
{
    return isFresh(updated, at);
}

bool Rotor::headingChanging(Instant at) const
{
    return lastHeadingChange && at - *lastHeadingChange < headingChangeSeconds;
}

bool Rotor::controllable() const
{
    static const QStringList codes{u"0"_s, u"2"_s, u"3"_s, u"4"_s, u"8"_s, u"9"_s};
    return codes.contains(status);
}

bool Rotor::acceptsTurn() const
{
    static const QStringList codes{u"0"_s, u"2"_s, u"8"_s, u"9"_s};
    return codes.contains(status);
}

QString Rotor::statusText() const
{
    if (status.isEmpty()) {
        return QCoreApplication::translate("Rotor", "Awaiting heading");
    }
    if (status.size() == 1) {
        switch (status.at(0).unicode()) {
        case u'0':
        case u'9':
            return QCoreApplication::translate("Rotor", "Ready");
        case u'1':
            return QCoreApplication::translate("Rotor", "Offline");
        case u'2':
            return QCoreApplication::translate("Rotor", "Stopped");
        case u'3':
            return QCoreApplication::translate("Rotor", "Turning clockwise");
        case u'4':
            return QCoreApplication::translate("Rotor", "Turning counterclockwise");
        case u'5':
            return QCoreApplication::translate("Rotor", "Not responding");
        case u'6':
            return QCoreApplication::translate("Rotor", "Read only");
        case u'7':
            return QCoreApplication::translate("Rotor", "Fixed antenna");
        case u'8':
            return QCoreApplication::translate("Rotor", "Cloned antenna");
        default:
            break;
        }
    }
    // An unknown status code from the server is shown as it came.
    return QCoreApplication::translate("Rotor", "Status %1").arg(status);
}

QString Rotor::displayStatus(Instant at) const
{
    const bool mayShowChange = status == u"0"_s || status == u"8"_s || status == u"9"_s;
    if (mayShowChange && headingChanging(at)) {
        return QCoreApplication::translate("Rotor", "Heading changing");
    }
    return statusText();
}

QJsonObject Rotor::toJson() const
{
    QJsonObject object{{u"name"_s, name}, {u"status"_s, status}};
    Json::writeOptional(object, u"heading"_s, heading);
    Json::writeOptional(object, u"updated"_s, updated);
    Json::writeOptional(object, u"lastHeadingChange"_s, lastHeadingChange);
    return object;
}

std::optional<Rotor> Rotor::fromJson(const QJsonObject& object)
{
    Rotor rotor;
    if (!Json::read(object, u"name"_s, rotor.name) || !Json::read(object, u"status"_s, rotor.status) ||
        !Json::readOptional(object, u"heading"_s, rotor.heading) ||
        !Json::readOptional(object, u"updated"_s, rotor.updated) ||
        !Json::readOptional(object, u"lastHeadingChange"_s, rotor.lastHeadingChange)) {
        return std::nullopt;
    }
    return rotor;
}

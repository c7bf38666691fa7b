#include "app/profiles/ServerProfile.h"

#include "app/profiles/UuidText.h"
#include "core/model/Json.h"

#include <algorithm>
#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {

struct DecimalText {
    bool negative = false;
    quint64 magnitude = 0;
};

// An optional sign and at least one ASCII digit, nothing else; nothing when the magnitude
// does not fit in 63 bits.
std::optional<DecimalText> decimalText(QStringView text)
{
    DecimalText result;
    qsizetype index = 0;
    if (!text.isEmpty() && (text.front() == u'+' || text.front() == u'-')) {
        result.negative = text.front() == u'-';
        index = 1;
    }
    if (index == text.size()) {
        return std::nullopt;
    }
    constexpr quint64 limit = quint64(1) << 63;
    for (; index < text.size(); ++index) {
        const char16_t unit = text.at(index).unicode();
        if (unit < u'0' || unit > u'9') {
            return std::nullopt;
        }
        result.magnitude = result.magnitude * 10 + (unit - u'0');
        if (result.magnitude >= limit) {
            return std::nullopt;
        }
    }
    return result;
}

} // namespace

QString ServerProfile::endpointKey(ConnectionKind kind, const QString& host, const QString& port)
{
    if (kind == ConnectionKind::kt90Serial) {
        return u"serial:"_s + host + u'@' + port;
    }
    const std::optional<quint16> number = portNumber(port);
    return host.trimmed().toLower() + u':' + (number ? QString::number(*number) : port);
}

std::optional<quint16> ServerProfile::portNumber(QStringView text)
{
    const std::optional<DecimalText> decimal = decimalText(text);
    if (!decimal || decimal->magnitude > 65535 || (decimal->negative && decimal->magnitude != 0)) {
        return std::nullopt;
    }
    return static_cast<quint16>(decimal->magnitude);
}

bool ServerProfile::validPort(ConnectionKind kind, QStringView port)
{
    if (kind == ConnectionKind::kt90Serial) {
        const std::optional<DecimalText> decimal = decimalText(port);
        return decimal && !decimal->negative &&
               std::ranges::find(baudRates, static_cast<qint64>(decimal->magnitude)) != baudRates.end();
    }
    const std::optional<quint16> number = portNumber(port);
    return number && *number != 0;
}

bool ServerProfile::validSite(double latitude, double longitude)
{
    return std::isfinite(latitude) && std::isfinite(longitude) && latitude >= -85 && latitude <= 85 &&
           longitude >= -180 && longitude <= 180;
}

bool ServerProfile::valid() const
{
    const bool hostHasSpace = std::ranges::any_of(host, [](QChar c) { return c.isSpace(); });
    const bool siteValid = (!latitude && !longitude) || (latitude && longitude && validSite(*latitude, *longitude));
    return !name.trimmed().isEmpty() && !host.isEmpty() && !hostHasSpace && validPort(kind(), port) && siteValid;
}

QJsonObject ServerProfile::toJson() const
{
    QJsonObject object{
        {u"id"_s, UuidText::text(id)},
        {u"name"_s, name},
        {u"host"_s, host},
        {u"port"_s, port},
    };
    if (connectionKind) {
        object.insert(u"connectionKind"_s, ConnectionKinds::text(*connectionKind));
    }
    Json::writeOptional(object, u"address"_s, address);
    Json::writeOptional(object, u"latitude"_s, latitude);
    Json::writeOptional(object, u"longitude"_s, longitude);
    return object;
}

std::optional<ServerProfile> ServerProfile::fromJson(const QJsonObject& object)
{
    ServerProfile profile;
    QString idText;
    std::optional<QString> kindText;
    if (!Json::read(object, u"id"_s, idText) || !Json::read(object, u"name"_s, profile.name) ||
        !Json::read(object, u"host"_s, profile.host) || !Json::read(object, u"port"_s, profile.port) ||
        !Json::readOptional(object, u"connectionKind"_s, kindText) ||
        !Json::readOptional(object, u"address"_s, profile.address) ||
        !Json::readOptional(object, u"latitude"_s, profile.latitude) ||
        !Json::readOptional(object, u"longitude"_s, profile.longitude)) {
        return std::nullopt;
    }
    const std::optional<QUuid> id = UuidText::parse(idText);
    if (!id) {
        return std::nullopt;
    }
    profile.id = *id;
    if (kindText) {
        profile.connectionKind = ConnectionKinds::fromText(*kindText);
        if (!profile.connectionKind) {
            return std::nullopt;
        }
    }
    return profile;
}

QJsonArray ServerProfile::toJsonArray(const QList<ServerProfile>& profiles)
{
    QJsonArray array;
    for (const ServerProfile& profile : profiles) {
        array.append(profile.toJson());
    }
    return array;
}

std::optional<QList<ServerProfile>> ServerProfile::fromJsonArray(const QJsonArray& array)
{
    QList<ServerProfile> profiles;
    profiles.reserve(array.size());
    for (const QJsonValue& value : array) {
        if (!value.isObject()) {
            return std::nullopt;
        }
        std::optional<ServerProfile> profile = fromJson(value.toObject());
        if (!profile) {
            return std::nullopt;
        }
        profiles.append(std::move(*profile));
    }
    return profiles;
}

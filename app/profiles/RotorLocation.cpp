#include "app/profiles/RotorLocation.h"

#include "app/profiles/CanonicalText.h"
#include "core/model/Json.h"
#include "core/protocol/OVVProtocol.h"

#include <QJsonDocument>

#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {

bool within(double value, double lower, double upper)
{
    return std::isfinite(value) && value >= lower && value <= upper;
}

} // namespace

bool RotorLocation::valid() const
{
    return OVVProtocol::validField(endpoint) && OVVProtocol::validField(rotor) && within(latitude, -85, 85) &&
           within(longitude, -180, 180) && within(northOffset, -180, 180) && within(spanMeters, 100, 10'000) &&
           within(beamwidth, 1, 360);
}

bool RotorLocation::matches(const QString& otherEndpoint, const QString& otherRotor) const
{
    return CanonicalText::equal(endpoint, otherEndpoint) && CanonicalText::equal(rotor, otherRotor);
}

std::optional<double> RotorLocation::trueBearing(double heading) const
{
    if (!std::isfinite(heading) || !std::isfinite(northOffset)) {
        return std::nullopt;
    }
    const double bearing = std::fmod(heading + northOffset, 360.0);
    return bearing < 0 ? bearing + 360.0 : bearing;
}

QList<RotorLocation> RotorLocation::decode(const QString& text)
{
    const QJsonDocument document = QJsonDocument::fromJson(text.toUtf8());
    if (!document.isArray()) {
        return {};
    }
    const std::optional<QList<RotorLocation>> stored = fromJsonArray(document.array());
    if (!stored) {
        return {};
    }
    QList<RotorLocation> locations;
    for (const RotorLocation& location : *stored) {
        if (location.valid()) {
            locations.append(location);
        }
    }
    return locations;
}

std::optional<QString> RotorLocation::encode(const QList<RotorLocation>& locations)
{
    const QJsonArray array = toJsonArray(locations);
    if (!Json::isWritable(array)) {
        return std::nullopt;
    }
    return QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Compact));
}

std::optional<RotorLocation> RotorLocation::effective(const QString& endpoint, const QString& rotor,
                                                      const QString& saved, const QString& siteLabel,
                                                      std::optional<double> siteLatitude,
                                                      std::optional<double> siteLongitude)
{
    const QList<RotorLocation> locations = decode(saved);
    for (const RotorLocation& location : locations) {
        if (location.matches(endpoint, rotor)) {
            return location;
        }
    }
    if (!siteLatitude || !siteLongitude) {
        return std::nullopt;
    }
    const RotorLocation site{endpoint, rotor, siteLabel, *siteLatitude, *siteLongitude, 0, true, siteSpanMeters};
    if (!site.valid()) {
        return std::nullopt;
    }
    return site;
}

QString RotorLocation::saving(const std::optional<RotorLocation>& location, const QString& endpoint,
                              const QString& rotor, const QString& in)
{
    if (location && (!location->valid() || !location->matches(endpoint, rotor))) {
        return in;
    }
    QList<RotorLocation> locations = decode(in);
    locations.removeIf([&](const RotorLocation& saved) { return saved.matches(endpoint, rotor); });
    if (location) {
        locations.append(*location);
    }
    return encode(locations).value_or(in);
}

QJsonObject RotorLocation::toJson() const
{
    return {
        {u"endpoint"_s, endpoint},   {u"rotor"_s, rotor},           {u"label"_s, label},
        {u"latitude"_s, latitude},   {u"longitude"_s, longitude},   {u"northOffset"_s, northOffset},
        {u"satellite"_s, satellite}, {u"spanMeters"_s, spanMeters}, {u"beamwidth"_s, beamwidth},
        {u"world"_s, world},
    };
}

std::optional<RotorLocation> RotorLocation::fromJson(const QJsonObject& object)
{
    RotorLocation location;
    if (!Json::read(object, u"endpoint"_s, location.endpoint) || !Json::read(object, u"rotor"_s, location.rotor) ||
        !Json::read(object, u"label"_s, location.label) || !Json::read(object, u"latitude"_s, location.latitude) ||
        !Json::read(object, u"longitude"_s, location.longitude) ||
        !Json::read(object, u"northOffset"_s, location.northOffset) ||
        !Json::read(object, u"satellite"_s, location.satellite) ||
        !Json::read(object, u"spanMeters"_s, location.spanMeters)) {
        return std::nullopt;
    }
    // Optional: older records have none.
    if (object.contains(u"beamwidth"_s) && !Json::read(object, u"beamwidth"_s, location.beamwidth)) {
        return std::nullopt;
    }
    if (object.contains(u"world"_s) && !Json::read(object, u"world"_s, location.world)) {
        return std::nullopt;
    }
    return location;
}

std::optional<QList<RotorLocation>> RotorLocation::fromJsonArray(const QJsonArray& array)
{
    QList<RotorLocation> locations;
    locations.reserve(array.size());
    for (const QJsonValue& value : array) {
        std::optional<RotorLocation> location = value.isObject() ? fromJson(value.toObject()) : std::nullopt;
        if (!location) {
            return std::nullopt;
        }
        locations.append(std::move(*location));
    }
    return locations;
}

QJsonArray RotorLocation::toJsonArray(const QList<RotorLocation>& locations)
{
    QJsonArray array;
    for (const RotorLocation& location : locations) {
        array.append(location.toJson());
    }
    return array;
}

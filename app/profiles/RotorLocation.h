#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QString>

#include <optional>

// Where one rotator of one server stands on the map, and how its controller heading relates to
// true north. All locations of all servers share one stored JSON text.
struct RotorLocation {
    QString endpoint;
    QString rotor;
    QString label;
    double latitude = 0;
    double longitude = 0;
    double northOffset = 0;
    bool satellite = false;
    double spanMeters = 0;
    // The antenna's beam, degrees wide, as the world map draws it; records stored before it
    // existed load with the default.
    double beamwidth = defaultBeamwidth;
    // The card shows the whole world round the tower instead of the map; older records have
    // none and show the map.
    bool world = false;

    static constexpr double defaultBeamwidth = 60;
    // The map area drawn for a tower taken from a server's site rather than placed by the user.
    static constexpr double siteSpanMeters = 600;

    // Endpoint and rotor are valid fields; latitude within -85...85, longitude and north offset
    // within -180...180, span within 100...10,000 metres, beamwidth within 1...360, all finite.
    bool valid() const;

    // Whether this is the location of that rotator of that server.
    bool matches(const QString& otherEndpoint, const QString& otherRotor) const;

    // The controller heading plus the north offset, brought into 0...360; nothing for a
    // non-finite heading or offset.
    std::optional<double> trueBearing(double heading) const;

    // The valid locations of the stored text; damaged text gives an empty list.
    static QList<RotorLocation> decode(const QString& text);
    // The list as stored text; nothing when it cannot be written.
    static std::optional<QString> encode(const QList<RotorLocation>& locations);

    // The location to draw for one rotator: the saved one, or else one at the server's site
    // when both coordinates are given and make a valid location.
    static std::optional<RotorLocation> effective(const QString& endpoint, const QString& rotor, const QString& saved,
                                                  const QString& siteLabel, std::optional<double> siteLatitude,
                                                  std::optional<double> siteLongitude);

    // The stored text after setting (or, with nothing, clearing) one rotator's location. A
    // location that is invalid or belongs to another rotator leaves the text unchanged.
    static QString saving(const std::optional<RotorLocation>& location, const QString& endpoint, const QString& rotor,
                          const QString& in);

    QJsonObject toJson() const;
    static std::optional<RotorLocation> fromJson(const QJsonObject& object);
    // Every element must decode, or nothing is returned; nothing is filtered.
    static std::optional<QList<RotorLocation>> fromJsonArray(const QJsonArray& array);
    static QJsonArray toJsonArray(const QList<RotorLocation>& locations);

    bool operator==(const RotorLocation&) const = default;
};

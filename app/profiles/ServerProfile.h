#pragma once

#include "core/protocol/ConnectionKind.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringView>
#include <QUuid>

#include <array>
#include <optional>

// One saved way of reaching a station. For the network kinds `host` and `port` are the address
// and port; for the serial kind they are the device path and the baud rate. `port` is kept
// exactly as typed.
struct ServerProfile {
    QUuid id;
    QString name;
    QString host;
    QString port;
    std::optional<ConnectionKind> connectionKind;
    std::optional<QString> address;
    std::optional<double> latitude;
    std::optional<double> longitude;

    static constexpr std::array<int, 6> baudRates{4800, 9600, 19200, 38400, 57600, 115200};

    // A profile without a kind is an OV Varnex server.
    ConnectionKind kind() const { return connectionKind.value_or(ConnectionKind::ovVarnex); }

    // The text identifying this server in every per-server setting.
    QString endpoint() const { return endpointKey(kind(), host, port); }

    // The endpoint key of any connection target: "serial:" + path + "@" + baud untouched for the
    // serial kind; otherwise the trimmed lower-case host, ":" and the port, normalised to plain
    // decimal when it reads as a 16-bit number.
    static QString endpointKey(ConnectionKind kind, const QString& host, const QString& port);

    // A decimal unsigned 16-bit number with an optional "+" ("-0" counts as 0); no blanks.
    static std::optional<quint16> portNumber(QStringView text);
    // 1 to 65535 for the network kinds, one of `baudRates` for the serial kind.
    static bool validPort(ConnectionKind kind, QStringView port);
    // Finite, latitude within -85...85 and longitude within -180...180, bounds included.
    static bool validSite(double latitude, double longitude);

    // The rules the editor and the settings import share: a name that is not blank, a host
    // without white space, a usable port, and either no site or a valid one.
    bool valid() const;

    QJsonObject toJson() const;
    static std::optional<ServerProfile> fromJson(const QJsonObject& object);

    // A whole list, or nothing when any element fails to decode.
    static QJsonArray toJsonArray(const QList<ServerProfile>& profiles);
    static std::optional<QList<ServerProfile>> fromJsonArray(const QJsonArray& array);

    bool operator==(const ServerProfile&) const = default;
};

#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// A saved server login. Its JSON form holds exactly "username" and "password".
struct ServerCredentials {
    QString username;
    QString password;

    QByteArray toJson() const;
    static std::optional<ServerCredentials> fromJson(const QByteArray& bytes);

    bool operator==(const ServerCredentials&) const = default;
};

#pragma once

#include <QMetaType>
#include <QString>
#include <QUuid>

// A login the user must type: published by the client when the server demands one it cannot
// answer, or refuses the one it was given. Each request has its own id, so a sheet can tell a
// repeated demand from the one it already shows.
struct AuthenticationRequest {
    QUuid id;
    QString endpoint;
    // Empty, or the name the server just refused.
    QString username;
    QString explanation;

    static AuthenticationRequest make(const QString& endpoint, const QString& username, const QString& explanation);

    bool operator==(const AuthenticationRequest&) const = default;
};

Q_DECLARE_METATYPE(AuthenticationRequest)

#pragma once

#include <QMetaType>
#include <QString>

// Why a server check failed.
struct ServerVerificationError {
    QString reason;

    QString description() const { return QStringLiteral("Server could not be verified. ") + reason; }

    bool operator==(const ServerVerificationError&) const = default;
};

Q_DECLARE_METATYPE(ServerVerificationError)

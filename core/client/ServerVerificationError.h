#pragma once

#include <QCoreApplication>
#include <QMetaType>
#include <QString>

// Why a server check failed.
struct ServerVerificationError {
    QString reason;

    QString description() const
    {
        //: %1 is the reason, a whole sentence of its own.
        return QCoreApplication::translate("ServerVerificationError", "Server could not be verified. %1").arg(reason);
    }

    bool operator==(const ServerVerificationError&) const = default;
};

Q_DECLARE_METATYPE(ServerVerificationError)

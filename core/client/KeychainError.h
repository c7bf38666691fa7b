#pragma once

#include <QCoreApplication>
#include <QString>

// A failure of the platform keychain, with its status number.
struct KeychainError {
    qint32 status = 0;

    QString description() const
    {
        return QCoreApplication::translate("KeychainError", "Keychain error (%1).").arg(status);
    }

    bool operator==(const KeychainError&) const = default;
};

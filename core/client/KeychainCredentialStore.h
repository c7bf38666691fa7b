#pragma once

#include "core/client/CredentialStore.h"

// Server logins in the platform keychain (the Secret Service on Linux): one item per endpoint,
// the endpoint as account, the JSON form of the login as its secret. Every call returns at
// once; the keychain's answer arrives through `done`.
class KeychainCredentialStore final : public CredentialStore {
public:
    static inline const QString service = QStringLiteral("org.tessera.KeltoMac.server-login");

    explicit KeychainCredentialStore(QString serviceName = service);

    void load(const QString& endpoint, QObject* context, Loaded done) override;
    void save(const QString& endpoint, const ServerCredentials& credentials, QObject* context, Saved done) override;
    // For tests and for the user's own clean-up; the client never deletes a login. A missing
    // item is no failure.
    void remove(const QString& endpoint, QObject* context, Saved done);

private:
    QString m_service;
};

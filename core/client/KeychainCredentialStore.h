#pragma once

#include "core/client/CredentialStore.h"

// Server logins in the platform keychain (the Secret Service on Linux): one item per endpoint,
// the endpoint as account, the JSON form of the login as its secret.
class KeychainCredentialStore final : public CredentialStore {
public:
    static inline const QString service = QStringLiteral("org.tessera.KeltoMac.server-login");

    explicit KeychainCredentialStore(QString serviceName = service);

    // Keychain jobs are asynchronous; these wait for them in a local event loop, because the
    // client's login steps need the answer before they go on.
    LoadResult load(const QString& endpoint) override;
    std::optional<KeychainError> save(const QString& endpoint, const ServerCredentials& credentials) override;
    // For tests and for the user's own clean-up; the client never deletes a login.
    std::optional<KeychainError> remove(const QString& endpoint);

private:
    QString m_service;
};

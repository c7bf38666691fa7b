#pragma once

#include "core/client/KeychainError.h"
#include "core/client/ServerCredentials.h"

#include <QString>

#include <optional>
#include <variant>

// Where accepted server logins are kept, one per endpoint. An interface so the client can run
// without a keychain (the profile editor's server check) and tests can swap it.
class CredentialStore {
public:
    // The stored login, nothing when none is stored, or the failure that prevented reading.
    using LoadResult = std::variant<std::optional<ServerCredentials>, KeychainError>;

    virtual ~CredentialStore() = default;

    virtual LoadResult load(const QString& endpoint) = 0;
    // Nothing on success.
    virtual std::optional<KeychainError> save(const QString& endpoint, const ServerCredentials& credentials) = 0;
};

#pragma once

#include "core/client/KeychainError.h"
#include "core/client/ServerCredentials.h"

#include <QString>

#include <functional>
#include <optional>
#include <variant>

class QObject;

// Where accepted server logins are kept, one per endpoint. An interface so the client can run
// without a keychain (the profile editor's server check) and tests can swap it.
//
// Both calls only start the work: a keyring may first ask the user something (to create or
// unlock it), and the window must keep working meanwhile. `done` runs later from the event
// loop, never inside the call, and not at all once `context` is gone.
class CredentialStore {
public:
    // The stored login, nothing when none is stored, or the failure that prevented reading.
    using LoadResult = std::variant<std::optional<ServerCredentials>, KeychainError>;
    using Loaded = std::function<void(const LoadResult&)>;
    // Nothing on success.
    using Saved = std::function<void(const std::optional<KeychainError>&)>;

    virtual ~CredentialStore() = default;

    virtual void load(const QString& endpoint, QObject* context, Loaded done) = 0;
    virtual void save(const QString& endpoint, const ServerCredentials& credentials, QObject* context, Saved done) = 0;
};

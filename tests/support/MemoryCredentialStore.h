#pragma once

#include "core/client/CredentialStore.h"

#include <QMap>

#include <functional>

// A login store in memory that can be told to fail, so tests reach the unreadable-login and
// unsaved-login paths without a keychain.
class MemoryCredentialStore final : public CredentialStore {
public:
    LoadResult load(const QString& endpoint) override
    {
        ++loads;
        if (whileAnswering) {
            whileAnswering();
        }
        if (failLoads) {
            return KeychainError{-25293};
        }
        const auto found = entries.constFind(endpoint);
        if (found == entries.cend()) {
            return std::optional<ServerCredentials>();
        }
        return std::optional<ServerCredentials>(*found);
    }

    std::optional<KeychainError> save(const QString& endpoint, const ServerCredentials& credentials) override
    {
        ++saves;
        if (whileAnswering) {
            whileAnswering();
        }
        if (failSaves) {
            return KeychainError{-25299};
        }
        entries.insert(endpoint, credentials);
        return std::nullopt;
    }

    // Runs inside every load and save, where the keychain store waits for its answer in an
    // event loop.
    std::function<void()> whileAnswering;
    QMap<QString, ServerCredentials> entries;
    bool failLoads = false;
    bool failSaves = false;
    int loads = 0;
    int saves = 0;
};

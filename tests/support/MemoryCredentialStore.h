#pragma once

#include "core/client/CredentialStore.h"

#include <QList>
#include <QMap>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <functional>

// A login store in memory that can be told to fail, so tests reach the unreadable-login and
// unsaved-login paths without a keychain. Answers come in a later turn of the event loop, as a
// keychain's do; with `holdAnswers` they wait until `releaseAnswers`, like a keyring that is
// asking the user something.
class MemoryCredentialStore final : public CredentialStore {
public:
    void load(const QString& endpoint, QObject* context, Loaded done) override
    {
        ++loads;
        LoadResult result = std::optional<ServerCredentials>();
        if (failLoads) {
            result = KeychainError{-25293};
        } else if (const auto found = entries.constFind(endpoint); found != entries.cend()) {
            result = std::optional<ServerCredentials>(*found);
        }
        answer(context, [done = std::move(done), result] { done(result); });
    }

    void save(const QString& endpoint, const ServerCredentials& credentials, QObject* context, Saved done) override
    {
        ++saves;
        const bool failed = failSaves;
        if (!failed) {
            entries.insert(endpoint, credentials);
        }
        answer(context, [done = std::move(done), failed] {
            done(failed ? std::optional(KeychainError{-25299}) : std::nullopt);
        });
    }

    // Gives every held answer, in the order asked.
    void releaseAnswers()
    {
        for (const auto& [context, run] : std::exchange(held, {})) {
            if (context) {
                run();
            }
        }
    }

    QMap<QString, ServerCredentials> entries;
    bool failLoads = false;
    bool failSaves = false;
    bool holdAnswers = false;
    int loads = 0;
    int saves = 0;
    QList<std::pair<QPointer<QObject>, std::function<void()>>> held;

private:
    void answer(QObject* context, std::function<void()> run)
    {
        if (holdAnswers) {
            held.append({QPointer<QObject>(context), std::move(run)});
            return;
        }
        QTimer::singleShot(0, context, std::move(run));
    }
};

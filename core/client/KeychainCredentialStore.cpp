#include "core/client/KeychainCredentialStore.h"

#include <QEventLoop>
#include <qt6keychain/keychain.h>

namespace {

// Runs a job to completion and gives its status: 0 for success, else the keychain's error code.
qint32 runJob(QKeychain::Job& job)
{
    job.setAutoDelete(false);
    QEventLoop loop;
    QObject::connect(&job, &QKeychain::Job::finished, &loop, &QEventLoop::quit);
    job.start();
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    return static_cast<qint32>(job.error());
}

} // namespace

KeychainCredentialStore::KeychainCredentialStore(QString serviceName)
    : m_service(std::move(serviceName))
{}

CredentialStore::LoadResult KeychainCredentialStore::load(const QString& endpoint)
{
    QKeychain::ReadPasswordJob job(m_service);
    job.setKey(endpoint);
    const qint32 status = runJob(job);
    if (status == QKeychain::EntryNotFound) {
        return std::optional<ServerCredentials>();
    }
    if (status != QKeychain::NoError) {
        return KeychainError{status};
    }
    std::optional<ServerCredentials> credentials = ServerCredentials::fromJson(job.binaryData());
    if (!credentials) {
        // An item that is not a login reads as a failure, never as "no login".
        return KeychainError{0};
    }
    return credentials;
}

std::optional<KeychainError> KeychainCredentialStore::save(const QString& endpoint,
                                                           const ServerCredentials& credentials)
{
    QKeychain::WritePasswordJob job(m_service);
    job.setKey(endpoint);
    job.setBinaryData(credentials.toJson());
    const qint32 status = runJob(job);
    if (status != QKeychain::NoError) {
        return KeychainError{status};
    }
    return std::nullopt;
}

std::optional<KeychainError> KeychainCredentialStore::remove(const QString& endpoint)
{
    QKeychain::DeletePasswordJob job(m_service);
    job.setKey(endpoint);
    const qint32 status = runJob(job);
    if (status != QKeychain::NoError && status != QKeychain::EntryNotFound) {
        return KeychainError{status};
    }
    return std::nullopt;
}

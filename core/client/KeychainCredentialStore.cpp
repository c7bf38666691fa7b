#include "core/client/KeychainCredentialStore.h"

#include <QEventLoop>
#include <QTimer>
#include <qt6keychain/keychain.h>

namespace {

// A keyring that never answers (say, an unlock prompt nobody sees) must not hold the client
// for ever; a minute leaves time to answer a real prompt.
constexpr int answerTimeoutMilliseconds = 60'000;

// Runs a job to completion and gives its status: 0 for success, else the keychain's error code.
// When the wait is cut short (the time-out, or the application quitting meanwhile) the job is
// left to finish and delete itself, and the call fails rather than reporting an unfinished
// save as done.
template <typename JobType>
std::pair<qint32, QByteArray> runJob(JobType* job)
{
    job->setAutoDelete(false);
    bool finished = false;
    QEventLoop loop;
    QObject::connect(job, &QKeychain::Job::finished, &loop, [&finished, &loop] {
        finished = true;
        loop.quit();
    });
    job->start();
    if (!finished) {
        QTimer::singleShot(answerTimeoutMilliseconds, &loop, &QEventLoop::quit);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    if (!finished) {
        QObject::disconnect(job, nullptr, &loop, nullptr);
        QObject::connect(job, &QKeychain::Job::finished, job, &QObject::deleteLater);
        return {QKeychain::OtherError, {}};
    }
    QByteArray data;
    if constexpr (std::is_same_v<JobType, QKeychain::ReadPasswordJob>) {
        data = job->binaryData();
    }
    const auto status = static_cast<qint32>(job->error());
    delete job;
    return {status, data};
}

} // namespace

KeychainCredentialStore::KeychainCredentialStore(QString serviceName)
    : m_service(std::move(serviceName))
{}

CredentialStore::LoadResult KeychainCredentialStore::load(const QString& endpoint)
{
    auto* job = new QKeychain::ReadPasswordJob(m_service);
    job->setKey(endpoint);
    const auto [status, data] = runJob(job);
    if (status == QKeychain::EntryNotFound) {
        return std::optional<ServerCredentials>();
    }
    if (status != QKeychain::NoError) {
        return KeychainError{status};
    }
    std::optional<ServerCredentials> credentials = ServerCredentials::fromJson(data);
    if (!credentials) {
        // An item that is not a login reads as a failure, never as "no login".
        return KeychainError{0};
    }
    return credentials;
}

std::optional<KeychainError> KeychainCredentialStore::save(const QString& endpoint,
                                                           const ServerCredentials& credentials)
{
    auto* job = new QKeychain::WritePasswordJob(m_service);
    job->setKey(endpoint);
    job->setBinaryData(credentials.toJson());
    const qint32 status = runJob(job).first;
    if (status != QKeychain::NoError) {
        return KeychainError{status};
    }
    return std::nullopt;
}

std::optional<KeychainError> KeychainCredentialStore::remove(const QString& endpoint)
{
    auto* job = new QKeychain::DeletePasswordJob(m_service);
    job->setKey(endpoint);
    const qint32 status = runJob(job).first;
    if (status != QKeychain::NoError && status != QKeychain::EntryNotFound) {
        return KeychainError{status};
    }
    return std::nullopt;
}

#include "core/client/KeychainCredentialStore.h"

#include <QMetaObject>
#include <QObject>
#include <QPointer>
#include <qt6keychain/keychain.h>

namespace {

// Starts a job and hands its status (0 for success, else the keychain's error code) and data
// to `done` in a later turn of the event loop: a job may finish inside `start()`, and callers
// are promised never to be called back from within their own call. The job deletes itself.
void runJob(QKeychain::Job* job, QObject* context, std::function<void(qint32, const QByteArray&)> done)
{
    QObject::connect(job, &QKeychain::Job::finished, job,
                     [context = QPointer<QObject>(context), done = std::move(done)](QKeychain::Job* finished) {
                         if (!context) {
                             return;
                         }
                         QByteArray data;
                         if (auto* read = qobject_cast<QKeychain::ReadPasswordJob*>(finished)) {
                             data = read->binaryData();
                         }
                         const auto status = static_cast<qint32>(finished->error());
                         QMetaObject::invokeMethod(
                             context.data(), [done, status, data] { done(status, data); }, Qt::QueuedConnection);
                     });
    job->start();
}

} // namespace

KeychainCredentialStore::KeychainCredentialStore(QString serviceName)
    : m_service(std::move(serviceName))
{}

void KeychainCredentialStore::load(const QString& endpoint, QObject* context, Loaded done)
{
    auto* job = new QKeychain::ReadPasswordJob(m_service);
    job->setKey(endpoint);
    runJob(job, context, [done = std::move(done)](qint32 status, const QByteArray& data) {
        if (status == QKeychain::EntryNotFound) {
            done(std::optional<ServerCredentials>());
            return;
        }
        if (status != QKeychain::NoError) {
            done(KeychainError{status});
            return;
        }
        const std::optional<ServerCredentials> credentials = ServerCredentials::fromJson(data);
        // An item that is not a login reads as a failure, never as "no login".
        done(credentials ? LoadResult(credentials) : LoadResult(KeychainError{0}));
    });
}

void KeychainCredentialStore::save(const QString& endpoint, const ServerCredentials& credentials, QObject* context,
                                   Saved done)
{
    auto* job = new QKeychain::WritePasswordJob(m_service);
    job->setKey(endpoint);
    job->setBinaryData(credentials.toJson());
    runJob(job, context, [done = std::move(done)](qint32 status, const QByteArray&) {
        done(status == QKeychain::NoError ? std::nullopt : std::optional(KeychainError{status}));
    });
}

void KeychainCredentialStore::remove(const QString& endpoint, QObject* context, Saved done)
{
    auto* job = new QKeychain::DeletePasswordJob(m_service);
    job->setKey(endpoint);
    runJob(job, context, [done = std::move(done)](qint32 status, const QByteArray&) {
        const bool removed = status == QKeychain::NoError || status == QKeychain::EntryNotFound;
        done(removed ? std::nullopt : std::optional(KeychainError{status}));
    });
}

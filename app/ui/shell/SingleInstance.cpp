#include "app/ui/shell/SingleInstance.h"

#include <QCryptographicHash>
#include <QLocalServer>
#include <QLocalSocket>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int answerMs = 1000;
const QByteArray activate = "activate\n";

} // namespace

SingleInstance::SingleInstance(const QString& scope, QObject* parent)
    : QObject(parent)
    , m_name(u"xalto-"_s +
             QString::fromLatin1(QCryptographicHash::hash(scope.toUtf8(), QCryptographicHash::Sha256).toHex().left(24)))
{}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::notifyRunning()
{
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(answerMs)) {
        return false;
    }
    socket.write(activate);
    return socket.waitForBytesWritten(answerMs);
}

bool SingleInstance::listen()
{
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    // A socket left behind by a crashed instance would keep every later start from listening.
    if (!m_server->listen(m_name)) {
        QLocalServer::removeServer(m_name);
        if (!m_server->listen(m_name)) {
            return false;
        }
    }
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* peer = m_server->nextPendingConnection()) {
            connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
            connect(peer, &QLocalSocket::readyRead, this, [this, peer] {
                // Only the one short request is read; anything more is dropped with the peer.
                const QByteArray request = peer->read(activate.size());
                peer->disconnectFromServer();
                if (request == activate) {
                    Q_EMIT activationRequested();
                }
            });
        }
    });
    return true;
}

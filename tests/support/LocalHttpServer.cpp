#include "tests/support/LocalHttpServer.h"

#include <QHostAddress>
#include <QPointer>
#include <QTcpSocket>
#include <QTimer>

using namespace Qt::Literals::StringLiterals;

namespace {

QByteArray reasonPhrase(int status)
{
    switch (status) {
    case 200:
        return "OK";
    case 304:
        return "Not Modified";
    case 403:
        return "Forbidden";
    case 404:
        return "Not Found";
    case 429:
        return "Too Many Requests";
    case 500:
        return "Internal Server Error";
    case 503:
        return "Service Unavailable";
    default:
        return "Status";
    }
}

} // namespace

LocalHttpServer::LocalHttpServer(QObject* parent)
    : QObject(parent)
{
    m_started.start();
    connect(&m_server, &QTcpServer::newConnection, this, &LocalHttpServer::accept);
}

LocalHttpServer::~LocalHttpServer()
{
    m_server.close();
}

bool LocalHttpServer::listen()
{
    return m_server.listen(QHostAddress(QHostAddress::LocalHost));
}

QUrl LocalHttpServer::url(const QString& path) const
{
    return QUrl(u"http://127.0.0.1:%1%2"_s.arg(port()).arg(path));
}

void LocalHttpServer::setRoute(const QString& path, const Route& route)
{
    m_routes.insert(path, route);
}

void LocalHttpServer::accept()
{
    while (QTcpSocket* socket = m_server.nextPendingConnection()) {
        socket->setParent(this);
        m_pending.insert(socket, QByteArray());
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { read(socket); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            m_pending.remove(socket);
            socket->deleteLater();
        });
    }
}

void LocalHttpServer::read(QTcpSocket* socket)
{
    const auto pending = m_pending.find(socket);
    if (pending == m_pending.end()) {
        return;
    }
    pending->append(socket->readAll());
    const qsizetype end = pending->indexOf("\r\n\r\n");
    if (end < 0) {
        return;
    }
    const QList<QByteArray> lines = pending->left(end).split('\n');
    m_pending.erase(pending);

    Request request;
    request.arrivalMs = m_started.elapsed();
    const QList<QByteArray> requestLine = lines.value(0).trimmed().split(' ');
    request.method = requestLine.value(0);
    const QUrl target(QString::fromLatin1(requestLine.value(1)));
    request.path = target.path();
    request.query = QUrlQuery(target);
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const qsizetype colon = lines.at(i).indexOf(':');
        if (colon > 0) {
            request.headers.insert(lines.at(i).left(colon).trimmed().toLower(), lines.at(i).mid(colon + 1).trimmed());
        }
    }
    m_requests.append(request);

    const Route route = m_routes.value(request.path, Route{404, QByteArray(), "text/plain", {}, 0, false});
    Q_EMIT requestReceived();
    if (route.silent) {
        return;
    }
    if (route.delayMs > 0) {
        QTimer::singleShot(route.delayMs, socket, [this, socket, route] { answer(socket, route); });
    } else {
        answer(socket, route);
    }
}

void LocalHttpServer::answer(QTcpSocket* socket, const Route& route)
{
    QByteArray head = "HTTP/1.1 " + QByteArray::number(route.status) + ' ' + reasonPhrase(route.status) + "\r\n";
    head += "Content-Type: " + route.contentType + "\r\n";
    head += "Content-Length: " + QByteArray::number(route.body.size()) + "\r\n";
    for (const auto& [name, value] : route.headers) {
        head += name + ": " + value + "\r\n";
    }
    head += "Connection: close\r\n\r\n";
    socket->write(head + route.body);
    socket->disconnectFromHost();
}

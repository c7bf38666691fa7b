#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QHash>
#include <QList>
#include <QMap>
#include <QObject>
#include <QString>
#include <QTcpServer>
#include <QUrl>
#include <QUrlQuery>

#include <utility>

class QTcpSocket;

// A small HTTP/1.1 server on 127.0.0.1 for the tests of map tiles and place search: each path
// answers as its route says (status, body, headers, a delay, or never), every request is logged
// with its headers and arrival time, and every answer closes the connection.
class LocalHttpServer final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LocalHttpServer)

public:
    struct Route {
        int status = 200;
        QByteArray body;
        QByteArray contentType = "application/json";
        // More header lines, such as Cache-Control.
        QList<std::pair<QByteArray, QByteArray>> headers;
        int delayMs = 0;
        // The request is read and logged, and no answer ever comes.
        bool silent = false;
    };

    struct Request {
        QByteArray method;
        QString path;
        QUrlQuery query;
        // Header names in lower case.
        QMap<QByteArray, QByteArray> headers;
        // Milliseconds since the server was made, on a monotonic clock.
        qint64 arrivalMs = 0;
    };

    explicit LocalHttpServer(QObject* parent = nullptr);
    ~LocalHttpServer() override;

    // Listens on a free loopback port.
    bool listen();
    QString errorString() const { return m_server.errorString(); }
    quint16 port() const { return m_server.serverPort(); }
    // "http://127.0.0.1:<port>" + path.
    QUrl url(const QString& path) const;

    // Paths without a route answer 404.
    void setRoute(const QString& path, const Route& route);
    const QList<Request>& requests() const { return m_requests; }

Q_SIGNALS:
    void requestReceived();

private:
    void accept();
    void read(QTcpSocket* socket);
    void answer(QTcpSocket* socket, const Route& route);

    QTcpServer m_server;
    QElapsedTimer m_started;
    QHash<QString, Route> m_routes;
    QList<Request> m_requests;
    QHash<QTcpSocket*, QByteArray> m_pending;
};

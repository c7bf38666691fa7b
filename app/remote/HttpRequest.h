#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QPair>

#include <optional>

// The head of one HTTP/1.1 request as the remote page's server reads it: the request line and
// the header fields, names in lower case. Nothing else of HTTP is understood.
struct HttpRequest {
    QByteArray method;
    QByteArray target;
    QList<QPair<QByteArray, QByteArray>> headers;

    // At most this many header fields; a browser sends about twenty.
    static constexpr qsizetype maxHeaders = 64;

    // The value of the first field of that name (lower case), or nothing.
    std::optional<QByteArray> header(QByteArrayView name) const;
    // Whether the field holds `token` in its comma-separated list, ignoring case.
    bool headerHasToken(QByteArrayView name, QByteArrayView token) const;
    // The value of one cookie from the Cookie fields, or nothing.
    std::optional<QByteArray> cookie(QByteArrayView name) const;

    // `head` is the text before the blank line. Nothing when it is not a well-formed request.
    static std::optional<HttpRequest> parse(QByteArrayView head);
};

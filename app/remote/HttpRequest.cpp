#include "app/remote/HttpRequest.h"

namespace {

bool isToken(QByteArrayView text)
{
    if (text.isEmpty()) {
        return false;
    }
    for (const char c : text) {
        const bool allowed = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                             QByteArrayView("!#$%&'*+-.^_`|~").contains(c);
        if (!allowed) {
            return false;
        }
    }
    return true;
}

bool isFieldValue(QByteArrayView text)
{
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte < 0x20 && c != '\t') || byte == 0x7f) {
            return false;
        }
    }
    return true;
}

} // namespace

std::optional<QByteArray> HttpRequest::header(QByteArrayView name) const
{
    for (const auto& [key, value] : headers) {
        if (key == name) {
            return value;
        }
    }
    return std::nullopt;
}

bool HttpRequest::headerHasToken(QByteArrayView name, QByteArrayView token) const
{
    const std::optional<QByteArray> value = header(name);
    if (!value) {
        return false;
    }
    for (const QByteArray& part : value->split(',')) {
        if (part.trimmed().compare(token, Qt::CaseInsensitive) == 0) {
            return true;
        }
    }
    return false;
}

std::optional<QByteArray> HttpRequest::cookie(QByteArrayView name) const
{
    for (const auto& [key, value] : headers) {
        if (key != "cookie") {
            continue;
        }
        for (const QByteArray& pair : value.split(';')) {
            const QByteArray trimmed = pair.trimmed();
            const qsizetype equals = trimmed.indexOf('=');
            if (equals > 0 && QByteArrayView(trimmed).first(equals) == name) {
                return trimmed.mid(equals + 1);
            }
        }
    }
    return std::nullopt;
}

std::optional<HttpRequest> HttpRequest::parse(QByteArrayView head)
{
    const QList<QByteArray> lines = head.toByteArray().split('\n');
    if (lines.isEmpty()) {
        return std::nullopt;
    }
    HttpRequest request;
    const QList<QByteArray> start = lines.first().chopped(lines.first().endsWith('\r') ? 1 : 0).split(' ');
    if (start.size() != 3 || !isToken(start.at(0)) || !start.at(1).startsWith('/') ||
        (start.at(2) != "HTTP/1.1" && start.at(2) != "HTTP/1.0") || !isFieldValue(start.at(1))) {
        return std::nullopt;
    }
    request.method = start.at(0);
    request.target = start.at(1);
    if (lines.size() - 1 > maxHeaders) {
        return std::nullopt;
    }
    for (qsizetype i = 1; i < lines.size(); ++i) {
        QByteArray line = lines.at(i);
        if (line.endsWith('\r')) {
            line.chop(1);
        }
        const qsizetype colon = line.indexOf(':');
        if (colon <= 0 || !isToken(QByteArrayView(line).first(colon))) {
            return std::nullopt;
        }
        const QByteArray value = line.mid(colon + 1).trimmed();
        if (!isFieldValue(value)) {
            return std::nullopt;
        }
        request.headers.append({line.first(colon).toLower(), value});
    }
    return request;
}

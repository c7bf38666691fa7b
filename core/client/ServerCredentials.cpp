#include "core/client/ServerCredentials.h"

#include "core/model/Json.h"

using namespace Qt::Literals::StringLiterals;

QByteArray ServerCredentials::toJson() const
{
    return QJsonDocument(QJsonObject{{u"username"_s, username}, {u"password"_s, password}})
        .toJson(QJsonDocument::Compact);
}

std::optional<ServerCredentials> ServerCredentials::fromJson(const QByteArray& bytes)
{
    const std::optional<QJsonObject> object = Json::decodeObject(bytes);
    ServerCredentials credentials;
    if (!object || !Json::read(*object, u"username"_s, credentials.username) ||
        !Json::read(*object, u"password"_s, credentials.password)) {
        return std::nullopt;
    }
    return credentials;
}

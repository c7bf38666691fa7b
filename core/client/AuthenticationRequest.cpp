#include "core/client/AuthenticationRequest.h"

AuthenticationRequest AuthenticationRequest::make(const QString& endpoint, const QString& username,
                                                  const QString& explanation)
{
    return AuthenticationRequest{QUuid::createUuid(), endpoint, username, explanation};
}

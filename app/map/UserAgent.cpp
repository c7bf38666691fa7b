#include "app/map/UserAgent.h"

QByteArray UserAgent::value()
{
    // One token without spaces, as HTTP's product grammar wants it.
    return QByteArrayLiteral("XaltoStationControl/" XALTO_VERSION " (+https://xalto.invalid/station-control)");
}

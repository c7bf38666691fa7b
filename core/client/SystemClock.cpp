#include "core/client/SystemClock.h"

#include <QDateTime>

Instant SystemClock::now() const
{
    return Instant::fromDateTime(QDateTime::currentDateTimeUtc());
}

#include "core/model/Instant.h"

#include <QTimeZone>

namespace {

const QDateTime& reference()
{
    static const QDateTime value(QDate(2001, 1, 1), QTime(0, 0), QTimeZone::utc());
    return value;
}

} // namespace

Instant Instant::fromDateTime(const QDateTime& dateTime)
{
    return Instant(static_cast<double>(reference().msecsTo(dateTime)) / 1000.0);
}

QDateTime Instant::toDateTime() const
{
    return reference().addMSecs(static_cast<qint64>(m_seconds * 1000.0)).toLocalTime();
}

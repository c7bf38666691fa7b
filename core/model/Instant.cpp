#include "core/model/Instant.h"

#include <QTimeZone>

#include <algorithm>
#include <cmath>

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
    // Stored instants come from files; keep the conversion defined for any number they hold.
    // About 292,000 years either way is far beyond any date QDateTime is asked to show.
    constexpr double limit = 9.0e18;
    const double msecs = std::isnan(m_seconds) ? 0.0 : std::clamp(m_seconds * 1000.0, -limit, limit);
    return reference().addMSecs(static_cast<qint64>(msecs)).toLocalTime();
}

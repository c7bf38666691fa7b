#pragma once

#include <QDateTime>

#include <compare>

// A point in time as seconds since 2001-01-01 00:00:00 UTC: the form stored in snapshots and
// settings, and the one every time rule of the station model takes as `at`.
class Instant final {
public:
    constexpr Instant() = default;
    constexpr explicit Instant(double secondsSinceReference)
        : m_seconds(secondsSinceReference)
    {}

    static Instant fromDateTime(const QDateTime& dateTime);
    QDateTime toDateTime() const;

    constexpr double secondsSinceReference() const { return m_seconds; }

    // Seconds from `earlier` to this instant.
    constexpr double operator-(Instant earlier) const { return m_seconds - earlier.m_seconds; }
    constexpr Instant operator+(double seconds) const { return Instant(m_seconds + seconds); }
    constexpr Instant operator-(double seconds) const { return Instant(m_seconds - seconds); }

    constexpr auto operator<=>(const Instant&) const = default;

private:
    double m_seconds = 0.0;
};

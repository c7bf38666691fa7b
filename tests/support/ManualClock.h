#pragma once

#include "core/client/Clock.h"

// A clock that moves only when a test moves it.
class ManualClock final : public Clock {
public:
    explicit ManualClock(Instant start = Instant(800'000'000.0))
        : m_now(start)
    {}

    Instant now() const override { return m_now; }
    void set(Instant at) { m_now = at; }
    void advance(double seconds) { m_now = m_now + seconds; }

private:
    Instant m_now;
};

#pragma once

#include "core/client/Clock.h"

// The wall clock.
class SystemClock final : public Clock {
public:
    Instant now() const override;
};

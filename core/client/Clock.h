#pragma once

#include "core/model/Instant.h"

// Where controllers read the time, so tests can move it instead of sleeping through the
// 3, 8, 10 and 20 second rules.
class Clock {
public:
    virtual ~Clock() = default;
    virtual Instant now() const = 0;
};

#pragma once

#include "core/model/Instant.h"

#include <QString>

class Clock;

// The six digits the desktop shows and a phone types to pair. A code lives `validSeconds`;
// after `maxWrongTries` wrong guesses it is replaced, so guessing it takes on average far
// longer than it lives. Digits come from the system's cryptographic generator.
class PairingCode final {
public:
    static constexpr double validSeconds = 300.0;
    static constexpr int maxWrongTries = 5;

    enum class Outcome { accepted, wrong, expired };

    // The clock must outlive the code.
    explicit PairingCode(const Clock& clock);

    // The code now, renewed first when it expired.
    const QString& current();
    Instant expires() const { return m_expires; }
    // Replaces an expired code; true when it did.
    bool renewIfExpired();
    void renew();

    // A correct code is used up: the next phone needs a new one.
    Outcome check(const QString& typed);

private:
    const Clock& m_clock;
    QString m_code;
    Instant m_expires;
    int m_wrongTries = 0;
};

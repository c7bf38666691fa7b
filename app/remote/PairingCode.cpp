#include "app/remote/PairingCode.h"

#include "core/client/Clock.h"

#include <QRandomGenerator>

PairingCode::PairingCode(const Clock& clock)
    : m_clock(clock)
{
    renew();
}

const QString& PairingCode::current()
{
    renewIfExpired();
    return m_code;
}

bool PairingCode::renewIfExpired()
{
    if (m_clock.now() < m_expires) {
        return false;
    }
    renew();
    return true;
}

void PairingCode::renew()
{
    // bounded() rejects the biased tail of the range, so every code is equally likely.
    const quint32 value = QRandomGenerator::system()->bounded(1'000'000U);
    m_code = QString::asprintf("%06u", value);
    m_expires = m_clock.now() + validSeconds;
    m_wrongTries = 0;
}

PairingCode::Outcome PairingCode::check(const QString& typed)
{
    if (renewIfExpired()) {
        return Outcome::expired;
    }
    if (typed.trimmed() == m_code) {
        renew();
        return Outcome::accepted;
    }
    if (++m_wrongTries >= maxWrongTries) {
        renew();
    }
    return Outcome::wrong;
}

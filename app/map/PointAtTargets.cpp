#include "app/map/PointAtTargets.h"

#include "core/client/KeltoClient.h"

using namespace Qt::Literals::StringLiterals;

PointAtTargets::PointAtTargets(QObject* parent)
    : QObject(parent)
{}

PointAtTargets::~PointAtTargets() = default;

void PointAtTargets::setText(const QString& rotor, const QString& text)
{
    const QString kept = text.left(maxLength);
    if (m_texts.value(rotor) == kept) {
        return;
    }
    if (kept.isEmpty()) {
        m_texts.remove(rotor);
    } else {
        m_texts.insert(rotor, kept);
    }
    Q_EMIT textChanged(rotor);
}

void PointAtTargets::setTurnsOnNewCall(const QString& rotor, bool on)
{
    if (on == turnsOnNewCall(rotor)) {
        return;
    }
    if (on) {
        m_turnsOnNewCall.insert(rotor);
    } else {
        m_turnsOnNewCall.remove(rotor);
    }
    Q_EMIT turnsOnNewCallChanged(rotor);
}

void PointAtTargets::setAim(const QString& rotor, const Aim& aim)
{
    if (aim.name.isEmpty()) {
        m_aims.remove(rotor);
    } else {
        m_aims.insert(rotor, aim);
    }
}

bool PointAtTargets::turn(KeltoClient& client, const QString& rotor, const Aim& aim, bool longPath)
{
    const std::optional<double> heading = longPath ? aim.longHeading : aim.shortHeading;
    if (!heading || aim.name.isEmpty()) {
        return false;
    }
    const KeltoClient::CommandOrigin origin(client,
                                            (longPath ? tr("long path to %1") : tr("short path to %1")).arg(aim.name));
    return client.turn(rotor, *heading);
}

#include "tools/station-sim/SimulatedRotor.h"

#include <algorithm>
#include <cmath>

namespace {

double clampHeading(double degrees)
{
    return std::isfinite(degrees) ? std::clamp(degrees, 0.0, 360.0) : 0.0;
}

} // namespace

SimulatedRotor::SimulatedRotor(double heading)
    : m_heading(clampHeading(heading))
{}

bool SimulatedRotor::turnTo(double target)
{
    const double clamped = clampHeading(target);
    if (clamped == m_heading) {
        m_target.reset();
        return false;
    }
    m_target = clamped;
    return true;
}

void SimulatedRotor::place(double heading)
{
    m_heading = clampHeading(heading);
    m_target.reset();
}

bool SimulatedRotor::advance(double seconds, double rate)
{
    if (!m_target) {
        return false;
    }
    const double step = std::max(0.0, seconds * rate);
    const double remaining = *m_target - m_heading;
    if (std::abs(remaining) <= step) {
        m_heading = *m_target;
        m_target.reset();
        return true;
    }
    m_heading += remaining > 0 ? step : -step;
    return false;
}

#pragma once

#include <optional>

// The motion of one simulated rotator. Like most real rotators it has an end stop at north:
// headings stay within 0...360 and a turn never crosses the stop, so the direction of a turn is
// simply whether the target lies above or below the current heading.
class SimulatedRotor final {
public:
    explicit SimulatedRotor(double heading = 0.0);

    double heading() const { return m_heading; }
    std::optional<double> target() const { return m_target; }
    bool turning() const { return m_target.has_value(); }
    // Meaningful only while turning.
    bool clockwise() const { return m_target && *m_target > m_heading; }

    // Starts a turn; the target is clamped to the end stops. False when already there.
    bool turnTo(double target);
    // Starts a turn by a number of degrees (negative: counterclockwise).
    bool turnBy(double degrees) { return turnTo(m_heading + degrees); }
    void stop() { m_target.reset(); }
    // Places the rotor at once and ends any turn.
    void place(double heading);

    // Moves toward the target at `rate` degrees per second; true when the turn ended in this step.
    bool advance(double seconds, double rate);

private:
    double m_heading;
    std::optional<double> m_target;
};

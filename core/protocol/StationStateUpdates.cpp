#include "core/model/StationState.h"
#include "core/protocol/Overloaded.h"
#include "core/protocol/ServerEvent.h"

#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {

// A reported move of at least this many degrees marks the heading as changing.
constexpr double headingChangeDegrees = 0.25;

// Get or create: a device first named by a report starts as a record with only its name.
template <typename Record>
Record& record(QMap<QString, Record>& map, const QString& name)
{
    auto it = map.find(name);
    if (it == map.end()) {
        Record fresh;
        fresh.name = name;
        it = map.insert(name, std::move(fresh));
    }
    return it.value();
}

// The shorter arc between two headings, whatever turns either has made.
double circularDistance(double from, double to)
{
    const double d = std::fabs(std::fmod(to - from, 360.0));
    return std::min(d, 360.0 - d);
}

void applyPoint(Rotor& rotor, const ServerEvent::Point& point, Instant at)
{
    // The first report after a silence is not a move: the antenna may have turned unseen.
    if (rotor.heading && rotor.updated && at - *rotor.updated < Rotor::freshSeconds &&
        circularDistance(*rotor.heading, point.heading) >= headingChangeDegrees) {
        rotor.lastHeadingChange = at;
    }
    rotor.heading = point.heading;
    rotor.status = point.status;
    rotor.updated = at;
}

void applyTurvix(StationState& state, const TurvixEvent& event, Instant at)
{
    std::visit(Overloaded{
                   [&](const TurvixEvent::Added& added) {
                       TurvixTuner& tuner = record(state.tuners, added.name);
                       tuner.rotors = added.rotors;
                       tuner.positions = added.positions;
                   },
                   [&](const TurvixEvent::Removed& removed) { state.tuners.remove(removed.name); },
                   [&](const TurvixEvent::Updated& updated) {
                       TurvixTuner& tuner = record(state.tuners, updated.name);
                       tuner.status = updated.status;
                       tuner.rssi = updated.rssi;
                       tuner.position = updated.position;
                       tuner.headings = updated.headings;
                       tuner.updated = at;
                   },
               },
               event.value);
}

} // namespace

void StationState::apply(const ServerEvent& event, Instant at)
{
    std::visit(Overloaded{
                   [&](const ServerEvent::Signal& signal) { signals.insert(signal.device, signal.rssi); },
                   [&](const ServerEvent::Turvix& turvix) { applyTurvix(*this, turvix.event, at); },
                   [&](const ServerEvent::SwitchMetadata& metadata) {
                       record(switches, metadata.name).metadata = metadata.positions;
                   },
                   [&](const ServerEvent::Locations& list) { locations = list.names; },
                   [&](const ServerEvent::Add& add) { record(rotors, add.name); },
                   [&](const ServerEvent::Remove& remove) { rotors.remove(remove.name); },
                   [&](const ServerEvent::Point& point) { applyPoint(record(rotors, point.name), point, at); },
                   [&](const ServerEvent::SwitchAdded& added) {
                       AntennaSwitch& antennaSwitch = record(switches, added.name);
                       antennaSwitch.positions = added.positions;
                       antennaSwitch.displayType = added.displayType;
                   },
                   [&](const ServerEvent::SwitchLocks& locks) {
                       // "OFF" is the switch's no-antenna position, which cannot be locked.
                       QSet<QString> locked;
                       for (const QString& position : locks.positions) {
                           if (position.toUpper() != u"OFF"_s) {
                               locked.insert(position);
                           }
                       }
                       record(switches, locks.name).lockedPositions = std::move(locked);
                   },
                   [&](const ServerEvent::SwitchUpdated& updated) {
                       AntennaSwitch& antennaSwitch = record(switches, updated.name);
                       antennaSwitch.position = updated.position;
                       antennaSwitch.status = updated.status;
                       antennaSwitch.updated = at;
                   },
                   [&](const ServerEvent::StackAdded& added) {
                       for (const QString& name : added.names) {
                           record(stacks, name);
                       }
                   },
                   [&](const ServerEvent::StackRemoved& removed) {
                       for (const QString& name : removed.names) {
                           stacks.remove(name);
                       }
                   },
                   [&](const ServerEvent::StackUpdated& updated) {
                       if (updated.names.isEmpty() || updated.names.size() != updated.selected.size()) {
                           return;
                       }
                       for (qsizetype i = 0; i < updated.names.size(); ++i) {
                           StackOutput& output = record(stacks, updated.names.at(i));
                           output.selected = updated.selected.at(i);
                           output.status = updated.status;
                           output.updated = at;
                       }
                   },
                   [&](const ServerEvent::SwitchRemoved& removed) { switches.remove(removed.name); },
                   [](const auto&) {},
               },
               event.value);
}

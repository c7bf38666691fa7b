#include "core/protocol/StationFootprint.h"

#include "core/model/StationState.h"
#include "core/protocol/Overloaded.h"
#include "core/protocol/ServerEvent.h"

#include <numeric>

namespace {

// A map or set node: its links and allocation header, besides key and value.
constexpr qsizetype nodeBytes = 48;
// A string's allocation header and its place in a list.
constexpr qsizetype textBytes = 40;

// An empty string shares one static block and costs nothing of its own.
qsizetype text(const QString& value)
{
    return value.isEmpty() ? 0 : textBytes + 2 * value.size();
}

template <typename List, typename Cost>
qsizetype sum(const List& list, Cost cost)
{
    return std::accumulate(list.cbegin(), list.cend(), qsizetype(0),
                           [&](qsizetype total, const auto& item) { return total + cost(item); });
}

qsizetype texts(const QStringList& list)
{
    return sum(list, text);
}

qsizetype positions(const QList<SwitchPosition>& list)
{
    return sum(list,
               [](const SwitchPosition& position) { return qsizetype(sizeof(SwitchPosition)) + text(position.name); });
}

// A record filed under its name: the node, the record and the name twice (key and field).
template <typename Record>
qsizetype record(const QString& name)
{
    return nodeBytes + qsizetype(sizeof(Record)) + 2 * text(name);
}

qsizetype rotor(const Rotor& rotor)
{
    return record<Rotor>(rotor.name) + text(rotor.status);
}

qsizetype antennaSwitch(const AntennaSwitch& item)
{
    return record<AntennaSwitch>(item.name) + texts(item.positions) + positions(item.metadata) +
           sum(item.lockedPositions, [](const QString& name) { return nodeBytes + text(name); }) +
           text(item.position.value_or(QString())) + text(item.status);
}

qsizetype stack(const StackOutput& output)
{
    return record<StackOutput>(output.name) + text(output.status);
}

qsizetype tuner(const TurvixTuner& tuner)
{
    return record<TurvixTuner>(tuner.name) + texts(tuner.rotors) + positions(tuner.positions) +
           qsizetype(sizeof(double)) * tuner.headings.size() + text(tuner.position) + text(tuner.status) +
           text(tuner.rssi);
}

qsizetype turvixGrowth(const TurvixEvent& event)
{
    return std::visit(Overloaded{
                          [](const TurvixEvent::Added& added) {
                              return record<TurvixTuner>(added.name) + texts(added.rotors) + positions(added.positions);
                          },
                          [](const TurvixEvent::Removed&) { return qsizetype(0); },
                          [](const TurvixEvent::Updated& updated) {
                              return record<TurvixTuner>(updated.name) + text(updated.status) + text(updated.rssi) +
                                     text(updated.position) + qsizetype(sizeof(double)) * updated.headings.size();
                          },
                      },
                      event.value);
}

} // namespace

qsizetype StationFootprint::of(const StationState& station)
{
    qsizetype total = texts(station.locations);
    for (auto it = station.signals.cbegin(); it != station.signals.cend(); ++it) {
        total += nodeBytes + text(it.key());
    }
    total += sum(station.rotors, rotor);
    total += sum(station.switches, antennaSwitch);
    total += sum(station.stacks, stack);
    total += sum(station.tuners, tuner);
    return total;
}

qsizetype StationFootprint::growth(const ServerEvent& event)
{
    // Replacing a list can add at most the new list; creating a record adds a fresh one.
    return std::visit(
        Overloaded{
            [](const ServerEvent::Signal& signal) { return nodeBytes + text(signal.device); },
            [](const ServerEvent::Turvix& turvix) { return turvixGrowth(turvix.event); },
            [](const ServerEvent::SwitchMetadata& metadata) {
                return record<AntennaSwitch>(metadata.name) + positions(metadata.positions);
            },
            [](const ServerEvent::Locations& list) { return texts(list.names); },
            [](const ServerEvent::Add& add) { return record<Rotor>(add.name); },
            [](const ServerEvent::Point& point) { return record<Rotor>(point.name) + text(point.status); },
            [](const ServerEvent::SwitchAdded& added) {
                return record<AntennaSwitch>(added.name) + texts(added.positions);
            },
            [](const ServerEvent::SwitchLocks& locks) {
                return record<AntennaSwitch>(locks.name) +
                       sum(locks.positions, [](const QString& name) { return nodeBytes + text(name); });
            },
            [](const ServerEvent::SwitchUpdated& updated) {
                return record<AntennaSwitch>(updated.name) + text(updated.position) + text(updated.status);
            },
            [](const ServerEvent::StackAdded& added) {
                return sum(added.names, [](const QString& name) { return record<StackOutput>(name); });
            },
            [](const ServerEvent::StackUpdated& updated) {
                return sum(updated.names,
                           [&](const QString& name) { return record<StackOutput>(name) + text(updated.status); });
            },
            [](const auto&) { return qsizetype(0); },
        },
        event.value);
}

qsizetype StationFootprint::devices(const StationState& station)
{
    return station.rotors.size() + station.switches.size() + station.stacks.size() + station.tuners.size();
}

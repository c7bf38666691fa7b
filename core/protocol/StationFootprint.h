#pragma once

#include <QtGlobal>

class ServerEvent;
struct StationState;

// Roughly what a station costs to hold, in bytes of the heap: names and every list entry
// count, so that a server sending long position lists or many signal levels is measured as
// well as one sending many devices. An estimate, not an account: it only has to grow with
// what a server can make the client keep.
namespace StationFootprint {

// The whole station; walks every record.
qsizetype of(const StationState& station);

// At most what applying `event` can add to any station. Costs no more than reading the event,
// so it can run for every line; `of` is needed only now and then.
qsizetype growth(const ServerEvent& event);

// Rotors, switches, stack outputs and tuners together.
qsizetype devices(const StationState& station);

} // namespace StationFootprint

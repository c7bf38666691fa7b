// Tuner lines: TURVIXADD, TURVIXREMOVE and TURVIX reports, one line per input, applied to a
// tuner the earlier lines of a connection may already have built.
#include "FuzzSupport.h"
#include "core/model/StationState.h"
#include "core/protocol/OVVProtocol.h"
#include "core/protocol/ServerEvent.h"
#include "core/protocol/TurvixEvent.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::optional<QString> text = OVVProtocol::decodeText(Fuzz::bytes(data, size));
    if (!text) {
        return 0;
    }
    StationState station;
    station.apply(ServerEvent::parse(u"TURVIXADD\x1fTuner\x1f"
                                     "C\x1dL\x1f"
                                     "40m\x1d"
                                     "20m\x1f"
                                     "7\x1d"
                                     "14\x1f"
                                     "7.3\x1d"
                                     "14.35"),
                  Instant(1.0));
    for (const QStringView line : QStringView(*text).split(u'\n')) {
        const QList<QStringView> fields = line.split(OVVProtocol::us);
        const std::optional<TurvixEvent> event = TurvixEvent::parse(fields);
        // The line grammar and the tuner grammar agree on what a tuner line is.
        const ServerEvent parsed = ServerEvent::parse(line);
        FUZZ_CHECK(event.has_value() == (parsed.as<ServerEvent::Turvix>() != nullptr));
        if (!event) {
            continue;
        }
        FUZZ_CHECK(parsed.as<ServerEvent::Turvix>()->event == *event);
        if (const auto* updated = event->as<TurvixEvent::Updated>()) {
            FUZZ_CHECK(!updated->headings.isEmpty() && updated->headings.size() <= 16);
        }
        station.apply(parsed, Instant(2.0));
    }
    if (const std::optional<QByteArray> encoded = station.encoded()) {
        FUZZ_CHECK(StationState::decoded(*encoded) == std::optional(station));
    }
    return 0;
}

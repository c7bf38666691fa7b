// The station server's byte stream: line framing, message parsing and state updates, with the
// state kept across lines as a connection keeps it.
#include "FuzzSupport.h"
#include "core/model/StationState.h"
#include "core/protocol/LineDecoder.h"
#include "core/protocol/ServerEvent.h"
#include "core/protocol/StationFootprint.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    LineDecoder decoder;
    StationState station;
    Instant at(800'000'000.0);
    bool failed = false;
    Fuzz::pieces(Fuzz::bytes(data, size), [&](QByteArrayView chunk) {
        if (failed) {
            return;
        }
        const ProtocolResult<QStringList> lines = decoder.append(chunk);
        FUZZ_CHECK(decoder.pending().size() <= LineDecoder::maxLineBytes + 1);
        if (!lines) {
            failed = true;
            return;
        }
        for (const QString& line : *lines) {
            const ServerEvent event = ServerEvent::parse(line);
            // The client bounds a station by this estimate: no event may add more than it says.
            const qsizetype before = StationFootprint::of(station);
            station.apply(event, at);
            FUZZ_CHECK(StationFootprint::of(station) - before <= StationFootprint::growth(event));
            at = at + 0.75;
        }
    });
    // Whatever the stream built is what the snapshot keeps.
    if (const std::optional<QByteArray> encoded = station.encoded()) {
        FUZZ_CHECK(StationState::decoded(*encoded) == std::optional(station));
    }
    return 0;
}

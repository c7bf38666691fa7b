// The KT-90 inputs: the byte stream of a TCP terminal or serial port cut into reads as the
// input says, and the same bytes as UDP datagrams.
#include "FuzzSupport.h"
#include "core/protocol/TerminalProtocol.h"

#include <cmath>

namespace {

bool validHeading(double heading)
{
    return std::isfinite(heading) && heading >= 0.0 && heading <= 360.0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray input = Fuzz::bytes(data, size);

    TerminalFramer framer;
    QList<double> streamed;
    QByteArray received;
    bool failed = false;
    Fuzz::pieces(input, [&](QByteArrayView chunk) {
        if (failed) {
            return;
        }
        received += chunk;
        const ProtocolResult<QList<double>> headings = framer.append(chunk);
        if (!headings) {
            // Only a reply left unfinished past the limit ends a stream, however large a read.
            FUZZ_CHECK(received.size() - received.lastIndexOf(';') - 1 > TerminalFramer::maxPendingBytes);
            failed = true;
            return;
        }
        FUZZ_CHECK(framer.pending().size() <= TerminalFramer::maxPendingBytes && !framer.pending().contains(';'));
        streamed += *headings;
    });
    for (const double heading : std::as_const(streamed)) {
        FUZZ_CHECK(validHeading(heading));
    }

    // However a stream is cut, it yields the headings of the stream read whole.
    if (!failed) {
        TerminalFramer whole;
        QByteArray joined;
        Fuzz::pieces(input, [&](QByteArrayView chunk) { joined += chunk; });
        const ProtocolResult<QList<double>> all = whole.append(joined);
        FUZZ_CHECK(!all || *all == streamed);
    }

    Fuzz::pieces(input, [](QByteArrayView datagram) {
        const QList<double> headings = TerminalProtocol::datagramHeadings(datagram);
        FUZZ_CHECK(datagram.size() <= TerminalProtocol::maxDatagramBytes || headings.isEmpty());
        for (const double heading : headings) {
            FUZZ_CHECK(validHeading(heading));
        }
    });
    return 0;
}

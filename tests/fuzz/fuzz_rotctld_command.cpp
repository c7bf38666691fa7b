// What a rotctld client sends the tab's server: the byte stream cut into reads as the input
// says, each line read as a command and answered in its form.
#include "FuzzSupport.h"
#include "core/protocol/RotctldFramer.h"
#include "core/protocol/RotctldProtocol.h"
#include "core/protocol/RotctldRequest.h"

#include <cmath>

namespace {

void answerEveryWay(const QByteArray& line)
{
    const RotctldRequest request = RotctldRequest::parse(line);
    if (request.command == RotctldRequest::Command::setPosition && request.wellFormed) {
        FUZZ_CHECK(std::isfinite(request.azimuth) && std::isfinite(request.elevation));
    }
    for (const int code : {RotctldProtocol::ok, RotctldProtocol::rejected}) {
        const QByteArray answer = RotctldProtocol::answer(request, code, RotctldProtocol::position(1.5, 0.0));
        // Every answer is whole and ends with its report, or, in the normal form, with its values.
        FUZZ_CHECK(answer.endsWith('\n'));
        if (code != RotctldProtocol::ok || request.separator) {
            FUZZ_CHECK(answer.endsWith("RPRT " + QByteArray::number(code) + '\n'));
        }
        // A separator other than the line end keeps the answer on one line, whatever was echoed.
        if (request.separator && *request.separator != '\n') {
            FUZZ_CHECK(answer.count('\n') == 1);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray input = Fuzz::bytes(data, size);

    RotctldFramer framer;
    QList<QByteArray> lines;
    QByteArray received;
    bool failed = false;
    Fuzz::pieces(input, [&](QByteArrayView chunk) {
        if (failed) {
            return;
        }
        received += chunk;
        const ProtocolResult<QList<QByteArray>> read = framer.append(chunk);
        if (!read) {
            failed = true;
            return;
        }
        for (const QByteArray& line : *read) {
            FUZZ_CHECK(line.size() <= RotctldFramer::maxLineBytes && !line.contains('\n'));
        }
        FUZZ_CHECK(framer.pending().size() <= RotctldFramer::maxLineBytes + 1 && !framer.pending().contains('\n'));
        lines += *read;
    });
    for (const QByteArray& line : std::as_const(lines)) {
        answerEveryWay(line);
    }

    // However the stream is cut, it gives the lines of the stream read whole.
    if (!failed) {
        RotctldFramer whole;
        const ProtocolResult<QList<QByteArray>> all = whole.append(received);
        FUZZ_CHECK(all && *all == lines);
    }
    return 0;
}

// What a rotctld answers the client: the first byte says which commands were sent (a bit per
// command, one for a position query), the rest is the answer stream, cut into reads as the
// input says.
#include "FuzzSupport.h"
#include "core/protocol/RotctldReplyReader.h"

#include <cmath>

using Expect = RotctldReplyReader::Expect;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) {
        return 0;
    }
    QList<Expect> asked;
    for (int bit = 0; bit < 8; ++bit) {
        asked.append((data[0] >> bit) & 1 ? Expect::position : Expect::report);
    }
    const QByteArray input = Fuzz::bytes(data + 1, size - 1);

    const auto read = [&](const auto& feed) {
        RotctldReplyReader reader;
        for (const Expect what : asked) {
            reader.expect(what);
        }
        QList<RotctldReplyReader::Reply> replies;
        bool failed = false;
        feed([&](QByteArrayView chunk) {
            if (failed) {
                return;
            }
            const auto result = reader.append(chunk);
            if (!result) {
                failed = true;
                return;
            }
            replies += *result;
            FUZZ_CHECK(reader.waiting() == asked.size() - replies.size());
        });
        return std::pair(replies, failed);
    };

    const auto [replies, failed] = read([&](const auto& take) { Fuzz::pieces(input, take); });
    // Answers come in the order asked, each as what was asked for.
    FUZZ_CHECK(replies.size() <= asked.size());
    for (qsizetype i = 0; i < replies.size(); ++i) {
        const RotctldReplyReader::Reply& reply = replies.at(i);
        FUZZ_CHECK(reply.to == asked.at(i));
        FUZZ_CHECK(!reply.azimuth ||
                   (reply.to == Expect::position && reply.code == 0 && std::isfinite(*reply.azimuth)));
        FUZZ_CHECK(reply.azimuth || reply.code != 0 || reply.to == Expect::report);
    }

    // However the stream is cut, it reads as the stream read whole.
    if (!failed) {
        QByteArray joined;
        Fuzz::pieces(input, [&](QByteArrayView chunk) { joined += chunk; });
        const auto [whole, wholeFailed] = read([&](const auto& take) { take(QByteArrayView(joined)); });
        FUZZ_CHECK(!wholeFailed && whole == replies);
    }
    return 0;
}

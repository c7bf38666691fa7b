#pragma once

#include <QByteArray>
#include <QCoreApplication>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <optional>

// What every fuzz target shares. A target defines LLVMFuzzerTestOneInput; it is linked either
// with libFuzzer (`make fuzz`) or with the plain replay driver that `make test` runs over the
// committed inputs.
namespace Fuzz {

inline QByteArray bytes(const std::uint8_t* data, std::size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

// A property failed: abort, so that libFuzzer keeps the input and the replay fails.
[[noreturn]] inline void fail(const char* property, const char* file, int line)
{
    std::fprintf(stderr, "%s:%d: property failed: %s\n", file, line, property);
    std::abort();
}

// Objects with timers, sockets or worker threads need an application object.
inline void application()
{
    static int argc = 1;
    static char name[] = "xalto-fuzz";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
}

// Splits an input into pieces whose lengths the input itself chooses, as reads and datagrams
// would cut a stream: each piece is preceded by one length byte b, for 2 b² + 1 bytes (3 to
// 130,051), so that small reads and reads past every limit are both a byte away.
template <typename Take>
void pieces(QByteArrayView input, Take take)
{
    while (!input.isEmpty()) {
        const qsizetype b = static_cast<unsigned char>(input.front());
        const auto length = std::min<qsizetype>(2 * b * b + 1, input.size() - 1);
        take(input.sliced(1, length));
        input = input.sliced(1 + length);
    }
}

} // namespace Fuzz

#define FUZZ_CHECK(property)                                                                                           \
    do {                                                                                                               \
        if (!(property)) {                                                                                             \
            Fuzz::fail(#property, __FILE__, __LINE__);                                                                 \
        }                                                                                                              \
    } while (false)

namespace Fuzz {

// A stored form read back: a value that was decoded is written, and decoding that gives the
// same value; any difference is data lost on the way.
template <typename Value, typename Encode, typename Decode>
void roundTrip(const std::optional<Value>& decoded, Encode encode, Decode decode)
{
    if (!decoded) {
        return;
    }
    const auto encoded = std::invoke(encode, *decoded);
    FUZZ_CHECK(encoded.has_value());
    FUZZ_CHECK(std::invoke(decode, *encoded) == decoded);
}

} // namespace Fuzz

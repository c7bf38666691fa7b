#include "core/protocol/FixedText.h"

#include <array>
#include <charconv>

QString fixedText(double value, int decimals)
{
    // Wide enough for the largest double written in full.
    std::array<char, 400> buffer{};
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed, decimals);
    if (result.ec != std::errc{}) {
        return QString::number(value, 'f', decimals);
    }
    return QString::fromLatin1(buffer.data(), result.ptr - buffer.data());
}

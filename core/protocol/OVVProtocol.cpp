#include "core/protocol/OVVProtocol.h"

#include <array>

using namespace Qt::Literals::StringLiterals;

namespace OVVProtocol {

namespace {

// Code points of the bytes 0x80 to 0x9F; zero marks the five undefined bytes.
constexpr std::array<char16_t, 32> highControlRange{
    0x20AC, 0x0000, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x0000, 0x017D, 0x0000, 0x0000, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x0000, 0x017E, 0x0178,
};

std::optional<char> encodeUnit(char16_t unit)
{
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) {
        return static_cast<char>(unit);
    }
    for (std::size_t i = 0; i < highControlRange.size(); ++i) {
        if (highControlRange[i] != 0 && highControlRange[i] == unit) {
            return static_cast<char>(0x80 + i);
        }
    }
    return std::nullopt;
}

} // namespace

bool validField(QStringView text)
{
    if (text.isEmpty()) {
        return false;
    }
    qsizetype utf8Bytes = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t unit = text.at(i).unicode();
        if (unit < 32 || unit == 127) {
            return false;
        }
        if (unit < 0x80) {
            utf8Bytes += 1;
        } else if (unit < 0x800) {
            utf8Bytes += 2;
        } else if (QChar::isHighSurrogate(unit) && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            utf8Bytes += 4;
            ++i;
        } else {
            utf8Bytes += 3;
        }
        if (utf8Bytes > maxFieldBytes) {
            return false;
        }
    }
    return true;
}

ProtocolResult<QByteArray> textData(QStringView text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar ch : text) {
        const std::optional<char> byte = encodeUnit(ch.unicode());
        if (!byte) {
            return ProtocolFailure::invalid(
                u"This server uses Windows text encoding; a character cannot be represented."_s);
        }
        bytes.append(*byte);
    }
    return bytes;
}

std::optional<QString> decodeText(const char* bytes, qsizetype size)
{
    QString text(size, Qt::Uninitialized);
    QChar* out = text.data();
    for (qsizetype i = 0; i < size; ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (byte >= 0x80 && byte < 0xA0) {
            const char16_t unit = highControlRange[byte - 0x80];
            if (unit == 0) {
                return std::nullopt;
            }
            out[i] = QChar(unit);
        } else {
            out[i] = QChar(char16_t(byte));
        }
    }
    return text;
}

} // namespace OVVProtocol

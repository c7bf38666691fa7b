#include "core/protocol/OVVProtocol.h"

#include <QCoreApplication>
#include <QVarLengthArray>

#include <array>
#include <charconv>

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
        } else if (QChar::isSurrogate(unit)) {
            // Not text at all (a JSON file can carry one as an escape): it would be stored or sent
            // as a replacement character, no longer the name that was checked.
            return false;
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
            return ProtocolFailure::invalid(QCoreApplication::translate(
                "OVVProtocol", "This server uses Windows text encoding; a character cannot be represented."));
        }
        bytes.append(*byte);
    }
    return bytes;
}

std::optional<QString> decodeText(const char* bytes, qsizetype size)
{
    // Latin-1 agrees with 1252 everywhere but 0x80 to 0x9F; the bulk conversion is vectorised,
    // and the rare bytes of that range are fixed afterwards.
    const auto* data = reinterpret_cast<const unsigned char*>(bytes);
    bool highControl = false;
    for (qsizetype i = 0; i < size; ++i) {
        highControl |= (data[i] & 0xE0) == 0x80;
    }
    QString text = QString::fromLatin1(bytes, size);
    if (highControl) {
        QChar* out = text.data();
        for (qsizetype i = 0; i < size; ++i) {
            if ((data[i] & 0xE0) == 0x80) {
                const char16_t unit = highControlRange[data[i] - 0x80];
                if (unit == 0) {
                    return std::nullopt;
                }
                out[i] = QChar(unit);
            }
        }
    }
    return text;
}

namespace {

// The text as ASCII for the number parsers; false when it holds anything else, which no
// number of the wire grammar does.
bool toAscii(QStringView text, QVarLengthArray<char, 64>& out)
{
    out.resize(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t unit = text.at(i).unicode();
        if (unit >= 0x80) {
            return false;
        }
        out[i] = static_cast<char>(unit);
    }
    return true;
}

// from_chars takes no leading plus sign; a number written with one is still a number.
const char* skipPlus(const char* begin, const char* end)
{
    if (end - begin >= 2 && *begin == '+' && begin[1] != '-' && begin[1] != '+') {
        return begin + 1;
    }
    return begin;
}

} // namespace

std::optional<double> decimal(QStringView text)
{
    QVarLengthArray<char, 64> ascii;
    if (text.isEmpty() || !toAscii(text, ascii)) {
        return std::nullopt;
    }
    const char* end = ascii.data() + ascii.size();
    double value = 0.0;
    const auto [ptr, error] = std::from_chars(skipPlus(ascii.data(), end), end, value);
    if (error != std::errc() || ptr != end) {
        return std::nullopt;
    }
    return value;
}

std::optional<int> integer(QStringView text)
{
    QVarLengthArray<char, 64> ascii;
    if (text.isEmpty() || !toAscii(text, ascii)) {
        return std::nullopt;
    }
    const char* end = ascii.data() + ascii.size();
    int value = 0;
    const auto [ptr, error] = std::from_chars(skipPlus(ascii.data(), end), end, value);
    if (error != std::errc() || ptr != end) {
        return std::nullopt;
    }
    return value;
}

} // namespace OVVProtocol

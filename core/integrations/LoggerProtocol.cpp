#include "core/integrations/LoggerProtocol.h"

#include "core/protocol/OVVProtocol.h"

#include <QStringDecoder>

#include <charconv>
#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace LoggerProtocol {

namespace {

// The text between the first "<name>" and the first "</name>" after it, trimmed. Loggers send
// flat elements, so a plain substring search is enough; a value holding "<" is a nested
// element and is not read.
std::optional<QStringView> tag(QStringView text, QStringView name)
{
    const QString open = QString(u'<').append(name).append(u'>');
    const QString close = u"</"_s.append(name).append(u'>');
    const qsizetype openAt = text.indexOf(open);
    if (openAt < 0) {
        return std::nullopt;
    }
    const qsizetype valueAt = openAt + open.size();
    const qsizetype closeAt = text.indexOf(close, valueAt);
    if (closeAt < 0) {
        return std::nullopt;
    }
    const QStringView value = text.sliced(valueAt, closeAt - valueAt).trimmed();
    if (value.contains(u'<')) {
        return std::nullopt;
    }
    return value;
}

// The whole text as ASCII with one optional leading "+", which `from_chars` does not take.
std::optional<QByteArray> numberText(QStringView text)
{
    if (text.startsWith(u'+')) {
        text = text.sliced(1);
        if (text.startsWith(u'+') || text.startsWith(u'-')) {
            return std::nullopt;
        }
    }
    if (text.isEmpty()) {
        return std::nullopt;
    }
    for (const QChar c : text) {
        if (c.unicode() > 127) {
            return std::nullopt;
        }
    }
    return text.toLatin1();
}

// Decimal integer with an optional sign; nothing unless the whole text is the number.
std::optional<int> integer(QStringView text)
{
    const auto ascii = numberText(text);
    if (!ascii) {
        return std::nullopt;
    }
    int value = 0;
    const char* end = ascii->constData() + ascii->size();
    const auto [last, error] = std::from_chars(ascii->constData(), end, value);
    if (error != std::errc{} || last != end) {
        return std::nullopt;
    }
    return value;
}

// Floating-point number; nothing unless the whole text is the number (no blanks either side).
std::optional<double> decimal(QStringView text)
{
    const auto ascii = numberText(text);
    if (!ascii) {
        return std::nullopt;
    }
    double value = 0.0;
    const char* end = ascii->constData() + ascii->size();
    const auto [last, error] = std::from_chars(ascii->constData(), end, value, std::chars_format::general);
    if (error != std::errc{} || last != end) {
        return std::nullopt;
    }
    return value;
}

std::optional<double> heading(QStringView text)
{
    const auto value = decimal(text);
    if (value && std::isfinite(*value) && 0.0 <= *value && *value <= 360.0) {
        return value;
    }
    return std::nullopt;
}

std::optional<double> positiveNumber(QStringView text)
{
    const auto value = decimal(text);
    if (value && std::isfinite(*value) && *value > 0.0) {
        return value;
    }
    return std::nullopt;
}

QList<QStringView> words(QStringView text)
{
    QList<QStringView> result;
    qsizetype start = -1;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        const bool space = i == text.size() || text.at(i).isSpace();
        if (space && start >= 0) {
            result.append(text.sliced(start, i - start));
            start = -1;
        } else if (!space && start < 0) {
            start = i;
        }
    }
    return result;
}

QList<LoggerEvent> n1mm(QStringView text, QStringView station)
{
    if (!station.isEmpty()) {
        const auto stationName = tag(text, u"StationName");
        if (!stationName || *stationName != station) {
            const auto other = tag(text, u"station");
            if (!other || *other != station) {
                return {};
            }
        }
    }

    std::optional<int> radio;
    auto radioText = tag(text, u"RadioNr");
    if (!radioText) {
        radioText = tag(text, u"radionr");
    }
    if (radioText) {
        // Radios 3 and 4 are the second station's pair; they drive the same two rotors.
        const auto number = integer(*radioText);
        if (!number || *number < 1 || *number > 4) {
            return {};
        }
        radio = *number % 2 == 0 ? 2 : 1;
    }

    QList<LoggerEvent> events;
    if (const auto focusText = tag(text, u"FocusRadioNr")) {
        const auto focus = integer(*focusText);
        if (focus && (*focus == 1 || *focus == 2)) {
            events.append(LoggerEvent::focus(*focus));
        }
    }

    if (text.contains(u"<N1MMRotor>")) {
        if (const auto aziText = tag(text, u"goazi")) {
            if (const auto degrees = heading(*aziText)) {
                events.append(LoggerEvent::turn(radio, *degrees));
            }
        }
        // The logger's stop broadcast nests the rotor's name and band inside <stop>, so the
        // element lookup cannot read it: the opening tag alone means stop.
        if (text.contains(u"<stop>") || text.contains(u"<stop/>") || text.contains(u"<stop />")) {
            events.append(LoggerEvent::stop(radio));
        }
    }

    if (text.contains(u"<RadioInfo>")) {
        auto frequencyText = tag(text, u"TXFreq");
        if (!frequencyText) {
            frequencyText = tag(text, u"Freq");
        }
        if (frequencyText) {
            // Reported in tens of hertz.
            if (const auto value = positiveNumber(*frequencyText)) {
                events.append(LoggerEvent::frequency(radio.value_or(1), *value / 100000.0));
            }
        }
    }
    return events;
}

QList<LoggerEvent> n3fjp(QStringView text)
{
    if (!text.contains(u"<READBMFRESPONSE>")) {
        return {};
    }
    const auto frequencyText = tag(text, u"FREQ");
    if (!frequencyText) {
        return {};
    }
    // Already in megahertz.
    const auto value = positiveNumber(*frequencyText);
    if (!value) {
        return {};
    }
    return {LoggerEvent::frequency(1, *value)};
}

QList<LoggerEvent> keyboard(QStringView text)
{
    const QStringView token = text.trimmed();
    if (!OVVProtocol::validField(token)) {
        return {};
    }
    return {LoggerEvent::key(token.toString())};
}

} // namespace

QList<LoggerEvent> parse(const QByteArray& message, LoggerKind kind, QStringView station)
{
    if (message.size() > maxMessageBytes) {
        return {};
    }
    if (kind == LoggerKind::winTest) {
        return winTest(message, station);
    }
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(message);
    if (decoder.hasError()) {
        return {};
    }
    // Refuses document types, entity declarations and comments before any search.
    if (text.contains(u"<!")) {
        return {};
    }
    switch (kind) {
    case LoggerKind::n1mm:
        return n1mm(text, station);
    case LoggerKind::n3fjp:
        return n3fjp(text);
    case LoggerKind::keyboard:
        return keyboard(text);
    case LoggerKind::winTest:
        break;
    }
    return {};
}

QList<LoggerEvent> winTest(const QByteArray& message, QStringView station)
{
    if (message.size() > maxMessageBytes) {
        return {};
    }
    QByteArrayView bytes(message);
    // Frames end with the checksum and then one NUL. The checksum always has its top bit set,
    // so a final zero byte can never be the checksum itself.
    if (!bytes.isEmpty() && bytes.back() == '\0') {
        bytes.chop(1);
    }
    if (bytes.size() < 3) {
        return {};
    }
    const QByteArrayView body = bytes.first(bytes.size() - 1);
    unsigned sum = 0;
    for (const char byte : body) {
        sum += static_cast<unsigned char>(byte);
    }
    if (static_cast<unsigned char>(bytes.back()) != ((sum % 256) | 0x80)) {
        return {};
    }
    const auto decoded = OVVProtocol::decodeText(body.data(), body.size());
    if (!decoded) {
        return {};
    }
    const QStringView text(*decoded);
    const QList<QStringView> pieces = text.split(u'"');
    if (pieces.size() < 5) {
        return {};
    }
    if (!station.isEmpty() && pieces.at(1) != station) {
        return {};
    }

    if (text.startsWith(u"SETAZIMUTH:")) {
        const QList<QStringView> all = words(text);
        const auto degrees = heading(all.last());
        if (!degrees) {
            return {};
        }
        return {LoggerEvent::turn(std::nullopt, *degrees)};
    }

    if (text.startsWith(u"STATUS:") && pieces.size() >= 9) {
        const QList<QStringView> fields = words(pieces.at(4));
        if (fields.size() < 5) {
            return {};
        }
        const auto index = integer(fields.at(0));
        if (!index || (*index != 0 && *index != 1)) {
            return {};
        }
        const QStringView frequencyText = *index == 0 ? fields.at(4) : pieces.at(8).trimmed();
        // Reported in hundreds of hertz.
        const auto value = positiveNumber(frequencyText);
        if (!value) {
            return {};
        }
        const int radio = *index + 1;
        return {LoggerEvent::focus(radio), LoggerEvent::frequency(radio, *value / 10000.0)};
    }
    return {};
}

} // namespace LoggerProtocol

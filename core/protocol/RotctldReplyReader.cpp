#include "core/protocol/RotctldReplyReader.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace {

std::optional<double> decimal(QByteArrayView text)
{
    text = text.trimmed();
    double value = 0.0;
    const char* const end = text.data() + text.size();
    const auto [ptr, error] = std::from_chars(text.data(), end, value);
    if (text.isEmpty() || error != std::errc() || ptr != end || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

// The number of a "RPRT n" line.
std::optional<int> report(QByteArrayView line)
{
    if (!line.startsWith("RPRT ")) {
        return std::nullopt;
    }
    const QByteArrayView digits = line.sliced(5).trimmed();
    int value = 0;
    const char* const end = digits.data() + digits.size();
    const auto [ptr, error] = std::from_chars(digits.data(), end, value);
    if (digits.isEmpty() || error != std::errc() || ptr != end) {
        return std::nullopt;
    }
    return value;
}

ProtocolFailure unreadable()
{
    return ProtocolFailure::invalid(
        QCoreApplication::translate("RotctldReplyReader", "rotctld sent an answer this program cannot read."));
}

} // namespace

void RotctldReplyReader::expect(Expect what)
{
    m_expected.push_back(what);
}

bool RotctldReplyReader::awaitsPosition() const
{
    return std::find(m_expected.cbegin(), m_expected.cend(), Expect::position) != m_expected.cend();
}

ProtocolResult<QList<RotctldReplyReader::Reply>> RotctldReplyReader::append(QByteArrayView chunk)
{
    const ProtocolResult<QList<QByteArray>> lines = m_framer.append(chunk);
    if (!lines) {
        return lines.failure();
    }
    QList<Reply> replies;
    for (const QByteArray& line : *lines) {
        if (m_expected.empty()) {
            return ProtocolFailure::invalid(
                QCoreApplication::translate("RotctldReplyReader", "rotctld sent an answer to no command."));
        }
        const Expect due = m_expected.front();
        const std::optional<int> code = report(line);
        if (due == Expect::report || (code && !m_azimuth)) {
            // A position query answers a report only when it failed.
            if (!code || (due == Expect::position && *code == 0)) {
                return unreadable();
            }
            replies.append(Reply{due, std::nullopt, *code});
            m_expected.pop_front();
            continue;
        }
        const std::optional<double> value = decimal(line);
        if (!value) {
            return unreadable();
        }
        if (!m_azimuth) {
            m_azimuth = value;
            continue;
        }
        // The elevation only has to read as a number: the rotor shown here turns in azimuth.
        replies.append(Reply{Expect::position, std::exchange(m_azimuth, std::nullopt), 0});
        m_expected.pop_front();
    }
    return replies;
}

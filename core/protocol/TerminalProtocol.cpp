#include "core/protocol/TerminalProtocol.h"

#include "core/protocol/OVVProtocol.h"

#include <QCoreApplication>
#include <QString>

#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace TerminalProtocol {

namespace {

// The nearest whole degree (halves away from zero), or the failure for a value outside 0...360.
ProtocolResult<int> wholeDegrees(double degrees)
{
    if (!std::isfinite(degrees) || degrees < 0.0 || degrees > 360.0) {
        return ProtocolFailure::invalid(
            QCoreApplication::translate("TerminalProtocol", "Enter a heading from 0 to 360."));
    }
    return static_cast<int>(std::round(degrees));
}

} // namespace

QByteArray query()
{
    return QByteArrayLiteral("AI2;");
}

QByteArray stop()
{
    return QByteArrayLiteral(";");
}

ProtocolResult<QByteArray> turn(double degrees)
{
    const ProtocolResult<int> whole = wholeDegrees(degrees);
    if (!whole) {
        return whole.failure();
    }
    return QString::asprintf("AP2%03d\r;", *whole).toUtf8();
}

ProtocolResult<QByteArray> udpTurn(double degrees)
{
    const ProtocolResult<int> whole = wholeDegrees(degrees);
    if (!whole) {
        return whole.failure();
    }
    return QString::asprintf("AP2%03d;AM2;", *whole).toUtf8();
}

std::optional<double> heading(QStringView reply)
{
    QStringView text = reply.trimmed();
    if (text.startsWith(u"AI2")) {
        text = text.sliced(3);
    }
    const std::optional<double> value = OVVProtocol::decimal(text);
    if (!value || !std::isfinite(*value) || *value < 0.0 || *value > 360.0) {
        return std::nullopt;
    }
    return value;
}

std::optional<double> heading(QByteArrayView reply)
{
    return heading(QString::fromUtf8(reply));
}

QList<double> datagramHeadings(QByteArrayView datagram)
{
    QList<double> headings;
    if (datagram.size() > maxDatagramBytes) {
        return headings;
    }
    const std::optional<QString> text = OVVProtocol::decodeText(datagram.data(), datagram.size());
    if (!text || !text->endsWith(u';')) {
        return headings;
    }
    for (const QStringView part : QStringView(*text).chopped(1).split(u';')) {
        if (const std::optional<double> value = heading(part)) {
            headings.append(*value);
        }
    }
    return headings;
}

} // namespace TerminalProtocol

ProtocolResult<QList<double>> TerminalFramer::append(QByteArrayView chunk)
{
    m_pending.append(chunk);
    QList<double> headings;
    qsizetype start = 0;
    // One pass, and one removal at the end: a chunk of nothing but ";" costs its length once.
    for (qsizetype separator = m_pending.indexOf(';'); separator >= 0; separator = m_pending.indexOf(';', start)) {
        const QByteArrayView frame = QByteArrayView(m_pending).sliced(start, separator - start);
        if (const std::optional<QString> text = OVVProtocol::decodeText(frame.data(), frame.size())) {
            if (const std::optional<double> value = TerminalProtocol::heading(QStringView(*text))) {
                headings.append(*value);
            }
        }
        start = separator + 1;
    }
    m_pending.remove(0, start);
    // Only the unfinished reply counts: a full read that also ends one left from the last read
    // is no reason to end a busy controller.
    if (m_pending.size() > maxPendingBytes) {
        return ProtocolFailure::invalid(
            QCoreApplication::translate("TerminalProtocol", "Terminal frame exceeds size limit."));
    }
    return headings;
}

#include "core/protocol/TerminalProtocol.h"

#include "core/protocol/OVVProtocol.h"

#include <QString>

#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace TerminalProtocol {

namespace {

// The nearest whole degree (halves away from zero), or the failure for a value outside 0...360.
ProtocolResult<int> wholeDegrees(double degrees)
{
    if (!std::isfinite(degrees) || degrees < 0.0 || degrees > 360.0) {
        return ProtocolFailure::invalid(u"Enter a heading from 0 to 360."_s);
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

} // namespace TerminalProtocol

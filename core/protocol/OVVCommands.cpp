#include "core/protocol/FixedText.h"
#include "core/protocol/OVVProtocol.h"

#include <QCryptographicHash>
#include <QString>

#include <cmath>
#include <initializer_list>

using namespace Qt::Literals::StringLiterals;

namespace OVVProtocol {

namespace {

// Fields joined by the unit separator and ended by CR LF, in Windows-1252.
ProtocolResult<QByteArray> line(std::initializer_list<QStringView> fields)
{
    QString text;
    bool first = true;
    for (const QStringView field : fields) {
        if (!first) {
            text += us;
        }
        text += field;
        first = false;
    }
    text += u"\r\n";
    return textData(text);
}

bool allValid(std::initializer_list<QStringView> fields)
{
    for (const QStringView field : fields) {
        if (!validField(field)) {
            return false;
        }
    }
    return true;
}

ProtocolFailure invalid(const char16_t* message)
{
    return ProtocolFailure::invalid(QString::fromUtf16(message));
}

// The heading with one decimal. Negative zero passes the range check, but its sign would
// reach the wire as "-0.0".
QString oneDecimal(double value)
{
    return fixedText(value == 0.0 ? 0.0 : value, 1);
}

QStringView flag(bool value)
{
    return value ? u"true" : u"false";
}

QStringView direction(bool clockwise)
{
    return clockwise ? u"CW" : u"CCW";
}

} // namespace

ProtocolResult<QByteArray> turn(QStringView name, double degrees)
{
    if (!validField(name) || !std::isfinite(degrees) || degrees < 0.0 || degrees > 360.0) {
        return invalid(u"Enter a heading between 0 and 360 degrees.");
    }
    return line({u"TURN", name, oneDecimal(degrees)});
}

ProtocolResult<QByteArray> stop(QStringView name)
{
    if (!validField(name)) {
        return invalid(u"Invalid rotator name.");
    }
    return line({u"STOP", name});
}

ProtocolResult<QByteArray> jog(QStringView name, bool clockwise)
{
    if (!validField(name)) {
        return invalid(u"Invalid rotor name.");
    }
    return line({u"TURN", name, direction(clockwise)});
}

ProtocolResult<QByteArray> preset(QStringView name, QStringView location)
{
    if (!allValid({name, location})) {
        return invalid(u"Invalid rotator or preset name.");
    }
    return line({u"TO_PRESET", name, location});
}

ProtocolResult<QByteArray> rotorLock(QStringView name, bool locked)
{
    if (!validField(name)) {
        return invalid(u"Invalid rotor name.");
    }
    return line({locked ? u"LOCK" : u"UNLOCK", name});
}

ProtocolResult<QByteArray> setStack(QStringView name, bool enabled)
{
    if (!validField(name)) {
        return invalid(u"Invalid stack name.");
    }
    return line({u"SET_STACK", name, flag(enabled)});
}

ProtocolResult<QByteArray> selectSwitch(QStringView name, QStringView position, std::optional<bool> enabled)
{
    if (!allValid({name, position})) {
        return invalid(u"Invalid switch or position name.");
    }
    if (enabled) {
        return line({u"SET_SWITCH", name, position, flag(*enabled)});
    }
    return line({u"SET_SWITCH", name, position});
}

ProtocolResult<QByteArray> turvixPosition(QStringView name, QStringView position)
{
    if (!allValid({name, position})) {
        return invalid(u"Invalid tuner position.");
    }
    return line({u"SET_TURVIX", name, position});
}

ProtocolResult<QByteArray> turvixJog(QStringView name, QStringView rotor, bool clockwise)
{
    if (!allValid({name, rotor})) {
        return invalid(u"Invalid tuner rotor.");
    }
    return line({u"TURVIXTURN", name, rotor, direction(clockwise)});
}

ProtocolResult<QByteArray> turvixCalibrate(QStringView name, QStringView rotor)
{
    if (!allValid({name, rotor})) {
        return invalid(u"Invalid tuner rotor.");
    }
    return line({u"TURVIX_CAL", name, rotor});
}

ProtocolResult<QByteArray> username(QStringView text)
{
    if (!validField(text)) {
        return invalid(u"Enter a valid username for this server.");
    }
    return line({text});
}

ProtocolResult<QByteArray> authentication(QStringView user, QStringView password, QStringView challenge)
{
    if (!validField(user)) {
        return invalid(u"A username is required.");
    }
    const ProtocolResult<QByteArray> userBytes = textData(user);
    if (!userBytes) {
        return userBytes.failure();
    }
    // The server hashes the password one byte per UTF-16 unit, keeping only the low byte.
    QByteArray passwordBytes;
    passwordBytes.reserve(password.size());
    for (const QChar unit : password) {
        passwordBytes.append(static_cast<char>(unit.unicode() & 0xFF));
    }
    const ProtocolResult<QByteArray> challengeBytes = textData(challenge);
    if (!challengeBytes) {
        return challengeBytes.failure();
    }

    QCryptographicHash inner(QCryptographicHash::Sha256);
    inner.addData(*userBytes);
    inner.addData(passwordBytes);

    QCryptographicHash outer(QCryptographicHash::Sha256);
    outer.addData(*userBytes);
    outer.addData(*challengeBytes);
    outer.addData(inner.result());
    return outer.result();
}

QByteArray getLocations()
{
    return QByteArrayLiteral("GET_LOCATIONS\r\n");
}

} // namespace OVVProtocol

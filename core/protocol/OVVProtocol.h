#pragma once

#include "core/protocol/ProtocolFailure.h"

#include <QByteArray>
#include <QChar>
#include <QString>
#include <QStringView>

#include <optional>

// The OV Varnex station-server wire format: separators, the field check every name passes,
// and the strict Windows-1252 text encoding both directions use.
namespace OVVProtocol {

// Separates the fields of one line, both directions.
inline constexpr QChar us{31};
// Separates the items inside one field.
inline constexpr QChar gs{29};

inline constexpr qsizetype maxFieldBytes = 512;

// Not empty, at most 512 bytes of UTF-8, no character below 32 and none equal to 127, and no
// unpaired surrogate.
bool validField(QStringView text);

// The text as Windows-1252 bytes, or the Windows-encoding failure for a character without a
// 1252 form. No lossy substitution.
ProtocolResult<QByteArray> textData(QStringView text);

// Strict Windows-1252 decoding: nothing for the five undefined bytes.
std::optional<QString> decodeText(const char* bytes, qsizetype size);
inline std::optional<QString> decodeText(const QByteArray& bytes)
{
    return decodeText(bytes.constData(), bytes.size());
}

// Numbers of the wire grammar: plain decimal text, no surrounding white space. `decimal`
// accepts an exponent and also yields non-finite values; callers that need a finite number
// check for it.
std::optional<double> decimal(QStringView text);
std::optional<int> integer(QStringView text);

// Commands to the station server: one line of unit-separated fields ended by CR LF, in
// Windows-1252. Each fails, before anything is built, with a user-facing sentence when an
// argument is not acceptable.

// "TURN" name degrees, the heading with one decimal ("%.1f"); degrees within 0...360.
ProtocolResult<QByteArray> turn(QStringView name, double degrees);
ProtocolResult<QByteArray> stop(QStringView name);
// "TURN" name "CW" or "CCW".
ProtocolResult<QByteArray> jog(QStringView name, bool clockwise);
// "TO_PRESET" name location: one of the server's named locations.
ProtocolResult<QByteArray> preset(QStringView name, QStringView location);
// "LOCK" or "UNLOCK" name.
ProtocolResult<QByteArray> rotorLock(QStringView name, bool locked);
ProtocolResult<QByteArray> setStack(QStringView name, bool enabled);
// `enabled` is given only for a multi-select switch: add or remove the position.
ProtocolResult<QByteArray> selectSwitch(QStringView name, QStringView position,
                                        std::optional<bool> enabled = std::nullopt);
ProtocolResult<QByteArray> turvixPosition(QStringView name, QStringView position);
ProtocolResult<QByteArray> turvixJog(QStringView name, QStringView rotor, bool clockwise);
ProtocolResult<QByteArray> turvixCalibrate(QStringView name, QStringView rotor);
// The answer to "USER:": the name alone.
ProtocolResult<QByteArray> username(QStringView text);
// The 32 raw bytes answering a "PASS:" challenge; no line end.
ProtocolResult<QByteArray> authentication(QStringView user, QStringView password, QStringView challenge);
// Asks for the server's named locations.
QByteArray getLocations();

} // namespace OVVProtocol

#pragma once

#include "core/protocol/ProtocolFailure.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QStringView>

#include <optional>

// The KT-90 controller's terminal language, in which ";" ends each command and each reply.
namespace TerminalProtocol {

// Asks the controller for its current heading: "AI2;".
QByteArray query();
// Stops rotation: ";".
QByteArray stop();

// "AP2" + the whole heading with at least three digits + CR + ";" (serial and TCP terminals).
// Fails with "Enter a heading from 0 to 360." outside 0...360 or for a non-finite value.
ProtocolResult<QByteArray> turn(double degrees);
// "AP2" + the three-digit heading + ";AM2;" (UDP terminal). Fails as `turn` does.
ProtocolResult<QByteArray> udpTurn(double degrees);

// The heading of one reply with its ";" already removed, or nothing when the reply is not a
// heading within 0...360.
std::optional<double> heading(QStringView reply);
// The same for the reply's raw bytes (UTF-8).
std::optional<double> heading(QByteArrayView reply);

} // namespace TerminalProtocol

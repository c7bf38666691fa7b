#pragma once

#include "core/protocol/ProtocolFailure.h"
#include "core/protocol/RotctldRequest.h"

#include <QByteArray>
#include <QList>
#include <QString>

// The rotctld network protocol, spoken by satellite trackers, loggers and dashboards that steer
// rotators: one command per line, answered by values one per line, or by "RPRT n" with n 0 for
// success or a negative error number. Both sides live here: the answers this program gives as a
// server and the commands it sends to a rotctld as a client.
namespace RotctldProtocol {

inline constexpr quint16 defaultPort = 4533;

// The error numbers of "RPRT", as the programs of that family number them.
inline constexpr int ok = 0;
inline constexpr int invalidParameter = -1;
inline constexpr int notImplemented = -4;
inline constexpr int timedOut = -5;
inline constexpr int rejected = -9;
inline constexpr int notAvailable = -11;

// The range this server announces and accepts: a rotor turns over the full circle; elevation
// is not driven, but a tracker's elevation within a quarter circle is taken and ignored.
inline constexpr double minAzimuth = 0.0;
inline constexpr double maxAzimuth = 360.0;
inline constexpr double minElevation = 0.0;
inline constexpr double maxElevation = 90.0;

// The directions of "move" that a jog can follow.
inline constexpr int moveLeft = 8;
inline constexpr int moveRight = 16;

// One value of an answer, as the normal form writes it and as the extended form does.
struct Value {
    QByteArray normal;
    QByteArray extended;
};

// The answer to `request` with the report `code` and, on success, `values`. The normal form is
// the values one per line, or "RPRT code" alone when there are none or the command failed; the
// extended form echoes the command, lists the values and ends with "RPRT code", its parts joined
// by the request's separator. Every answer ends with a line feed.
QByteArray answer(const RotctldRequest& request, int code, const QList<Value>& values = {});

// "Azimuth" and "Elevation", with two decimals.
QList<Value> position(double azimuth, double elevation);
// "Info": one line of text.
QList<Value> info(const QByteArray& text);
// What the network backend of those programs reads when it opens: the protocol version, the
// model, the ranges above and the rotator type (azimuth only).
QList<Value> state();

// The client side. "p": the position query.
QByteArray positionQuery();
// "P" with the azimuth and elevation 0. Fails with "Enter a heading from 0 to 360." outside
// 0...360 or for a non-finite value.
ProtocolResult<QByteArray> setPosition(double azimuth);
// "S".
QByteArray stop();

// What an error number means, for messages: a short lower-case phrase.
QString reportText(int code);

} // namespace RotctldProtocol

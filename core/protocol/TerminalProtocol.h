#pragma once

#include "core/protocol/ProtocolFailure.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
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

// Longer KT-90 UDP datagrams are ignored.
inline constexpr qsizetype maxDatagramBytes = 1024;

// The headings of one UDP datagram, in order. A datagram holds whole replies only: one that is
// too long, not Windows-1252 text or not ended by ";" yields none.
QList<double> datagramHeadings(QByteArrayView datagram);

} // namespace TerminalProtocol

// Cuts the byte stream of a KT-90 TCP terminal or serial port into replies at ";" and reads
// their headings. Holds the unfinished reply between chunks; one per connection.
class TerminalFramer final {
public:
    // More bytes than this without a ";" end the stream.
    static constexpr qsizetype maxPendingBytes = 65536;

    // The headings of the replies the chunk completes, in order; replies without a heading are
    // dropped. Fails when the bytes left without a ";" pass the limit.
    ProtocolResult<QList<double>> append(QByteArrayView chunk);

    // The bytes received since the last ";".
    const QByteArray& pending() const { return m_pending; }

private:
    QByteArray m_pending;
};

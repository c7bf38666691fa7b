#pragma once

#include "core/protocol/ProtocolFailure.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

// Cuts a rotctld byte stream, in either direction, into lines at line feeds; a carriage return
// before the line feed is dropped. Holds the unfinished line between chunks; one per connection.
class RotctldFramer final {
public:
    // No command or answer of the protocol comes near this; a longer line is a hostile or
    // broken peer, and the connection ends rather than hold it.
    static constexpr qsizetype maxLineBytes = 1024;

    // The lines the chunk completes, in order, without their line ends. Fails when a line,
    // finished or not, passes the limit; nothing of the chunk is returned then.
    ProtocolResult<QList<QByteArray>> append(QByteArrayView chunk);

    // The bytes received since the last line feed.
    const QByteArray& pending() const { return m_pending; }

private:
    QByteArray m_pending;
};

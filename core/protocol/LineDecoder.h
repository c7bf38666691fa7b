#pragma once

#include "core/protocol/ProtocolFailure.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QStringList>

// Cuts the byte stream of one server connection into lines. Holds the unfinished line between
// chunks; one decoder per connection.
class LineDecoder final {
public:
    // The longest unfinished line kept, NUL bytes not counted; it bounds what one connection
    // can make the client hold.
    static constexpr qsizetype maxLineBytes = 65536;

    // The lines the chunk completes, in arrival order, without their line ends. On failure no
    // line of the chunk is returned and `pending` stays as it was at the failing byte.
    ProtocolResult<QStringList> append(QByteArrayView chunk);

    // The bytes received since the last line end.
    const QByteArray& pending() const { return m_pending; }

private:
    QByteArray m_pending;
};

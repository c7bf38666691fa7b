#include "core/protocol/LineDecoder.h"

#include "core/protocol/OVVProtocol.h"

#include <QCoreApplication>

#include <cstring>

using namespace Qt::Literals::StringLiterals;

namespace {

ProtocolFailure encodingFailure()
{
    return ProtocolFailure::invalid(QCoreApplication::translate("LineDecoder", "Invalid server text encoding."));
}

ProtocolFailure sizeFailure()
{
    return ProtocolFailure::invalid(
        QCoreApplication::translate("LineDecoder", "Server message exceeds the size limit."));
}

// The line's bytes without the one carriage return directly before its line feed.
qsizetype withoutCarriageReturn(const char* bytes, qsizetype size)
{
    return size > 0 && bytes[size - 1] == '\r' ? size - 1 : size;
}

} // namespace

ProtocolResult<QStringList> LineDecoder::append(QByteArrayView chunk)
{
    QStringList lines;
    const char* cursor = chunk.data();
    const char* const end = cursor + chunk.size();

    while (cursor < end) {
        const auto* lineFeed = static_cast<const char*>(std::memchr(cursor, '\n', end - cursor));
        const char* const segmentEnd = lineFeed ? lineFeed : end;
        const qsizetype segmentSize = segmentEnd - cursor;
        const bool hasNul = std::memchr(cursor, '\0', segmentSize) != nullptr;

        if (lineFeed && m_pending.isEmpty() && !hasNul) {
            // The usual case: a whole line inside the chunk, decoded straight from it.
            if (segmentSize > maxLineBytes) {
                m_pending = QByteArray(cursor, maxLineBytes + 1);
                return sizeFailure();
            }
            const qsizetype size = withoutCarriageReturn(cursor, segmentSize);
            std::optional<QString> text = OVVProtocol::decodeText(cursor, size);
            if (!text) {
                m_pending = QByteArray(cursor, size);
                return encodingFailure();
            }
            lines.append(std::move(*text));
            cursor = lineFeed + 1;
            continue;
        }

        // A line split over chunks, or one holding NUL bytes, which are neither kept nor counted.
        for (const char* piece = cursor; piece < segmentEnd;) {
            const auto* nul = hasNul ? static_cast<const char*>(std::memchr(piece, '\0', segmentEnd - piece)) : nullptr;
            const char* const pieceEnd = nul ? nul : segmentEnd;
            const qsizetype room = maxLineBytes + 1 - m_pending.size();
            if (pieceEnd - piece >= room) {
                m_pending.append(piece, room);
                return sizeFailure();
            }
            m_pending.append(piece, pieceEnd - piece);
            piece = nul ? nul + 1 : segmentEnd;
        }
        if (!lineFeed) {
            break;
        }
        m_pending.truncate(withoutCarriageReturn(m_pending.constData(), m_pending.size()));
        std::optional<QString> text = OVVProtocol::decodeText(m_pending);
        if (!text) {
            return encodingFailure();
        }
        lines.append(std::move(*text));
        m_pending.truncate(0);
        cursor = lineFeed + 1;
    }
    return lines;
}

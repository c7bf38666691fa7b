#include "core/protocol/RotctldFramer.h"

#include <QCoreApplication>

using namespace Qt::Literals::StringLiterals;

ProtocolResult<QList<QByteArray>> RotctldFramer::append(QByteArrayView chunk)
{
    QList<QByteArray> lines;
    qsizetype start = 0;
    for (qsizetype lineFeed = chunk.indexOf('\n'); lineFeed >= 0; lineFeed = chunk.indexOf('\n', start)) {
        QByteArray line = m_pending + chunk.sliced(start, lineFeed - start).toByteArray();
        m_pending.clear();
        if (line.endsWith('\r')) {
            line.chop(1);
        }
        if (line.size() > maxLineBytes) {
            return ProtocolFailure::invalid(
                QCoreApplication::translate("RotctldFramer", "rotctld line exceeds %1 bytes.").arg(maxLineBytes));
        }
        lines.append(std::move(line));
        start = lineFeed + 1;
    }
    // Only what is kept is measured, so a flood of one huge read costs one copy of the limit.
    const QByteArrayView rest = chunk.sliced(start);
    if (m_pending.size() + rest.size() > maxLineBytes + 1) {
        m_pending.clear();
        return ProtocolFailure::invalid(
            QCoreApplication::translate("RotctldFramer", "rotctld line exceeds %1 bytes.").arg(maxLineBytes));
    }
    m_pending.append(rest);
    return lines;
}

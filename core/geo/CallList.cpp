#include "core/geo/CallList.h"

#include <QCoreApplication>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {

bool isCall(QByteArrayView line)
{
    return !line.isEmpty() && line.size() <= CallList::maxCallLength &&
           std::all_of(line.begin(), line.end(), [](char c) {
               return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '/';
           });
}

} // namespace

ProtocolResult<CallList> CallList::parse(const QByteArray& bytes)
{
    if (bytes.size() > maxBytes) {
        return ProtocolFailure::invalid(QCoreApplication::translate("CallList", "The call list is larger than %1 MiB.")
                                            .arg(maxBytes / (1024 * 1024)));
    }
    CallList list;
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0) {
            end = bytes.size();
        }
        const QByteArrayView line = QByteArrayView(bytes).sliced(start, end - start).trimmed();
        start = end + 1;
        if (line.startsWith('#') || !isCall(line)) {
            continue;
        }
        if (list.m_calls.size() >= maxCalls) {
            return ProtocolFailure::invalid(
                QCoreApplication::translate("CallList", "The call list holds more than %1 calls.").arg(maxCalls));
        }
        list.m_calls.append(QString::fromLatin1(line).toUpper());
    }
    std::sort(list.m_calls.begin(), list.m_calls.end());
    list.m_calls.erase(std::unique(list.m_calls.begin(), list.m_calls.end()), list.m_calls.end());
    return list;
}

QStringList CallList::completions(const QString& text, qsizetype limit) const
{
    const QString start = text.trimmed().toUpper();
    QStringList found;
    if (start.isEmpty()) {
        return found;
    }
    for (auto it = std::lower_bound(m_calls.cbegin(), m_calls.cend(), start);
         it != m_calls.cend() && it->startsWith(start) && found.size() < limit; ++it) {
        found.append(*it);
    }
    return found;
}

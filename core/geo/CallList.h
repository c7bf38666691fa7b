#pragma once

#include "core/protocol/ProtocolFailure.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// The calls of a contest call list (MASTER.SCP: one call a line, "#" starts a comment), sorted
// for completing what an operator types. Pure.
class CallList final {
public:
    // The real list holds about 85,000 calls in half a megabyte.
    static constexpr qsizetype maxBytes = 16 * 1024 * 1024;
    static constexpr qsizetype maxCalls = 1'000'000;
    static constexpr qsizetype maxCallLength = 20;

    // Lines that are not calls (wrong characters, too long) are skipped, as the published lists
    // carry the odd stray line; only a list too large to hold fails.
    static ProtocolResult<CallList> parse(const QByteArray& bytes);

    const QStringList& calls() const { return m_calls; }
    // Up to limit calls starting with the text, in any letter case, in sorted order.
    QStringList completions(const QString& text, qsizetype limit) const;

private:
    QStringList m_calls;
};

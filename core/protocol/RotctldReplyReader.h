#pragma once

#include "core/protocol/ProtocolFailure.h"
#include "core/protocol/RotctldFramer.h"

#include <QByteArrayView>
#include <QList>

#include <deque>
#include <optional>

// Reads the answers of a rotctld to the commands this client sent, in the order sent. In the
// normal form an answer does not say which command it belongs to: a position is two number
// lines, anything else "RPRT n", and a position query that failed answers "RPRT n" too. So the
// reader keeps what each command sent expects and takes the lines against that.
class RotctldReplyReader final {
public:
    enum class Expect { position, report };

    struct Reply {
        Expect to = Expect::report;
        // The azimuth of a position answer; absent when the query failed.
        std::optional<double> azimuth;
        // 0, or the error number of the report.
        int code = 0;

        bool operator==(const Reply&) const = default;
    };

    // A rotctld that lets this many commands wait is not answering.
    static constexpr qsizetype maxWaiting = 64;

    // A command was sent: its answer comes after those of the commands sent before.
    void expect(Expect what);
    qsizetype waiting() const { return static_cast<qsizetype>(m_expected.size()); }
    bool awaitsPosition() const;

    // The answers the chunk completes, in order. Fails on a line too long, a line where no answer
    // is due, or a line that does not read as the answer due; nothing of the chunk is returned
    // then.
    ProtocolResult<QList<Reply>> append(QByteArrayView chunk);

private:
    RotctldFramer m_framer;
    std::deque<Expect> m_expected;
    // The azimuth line of a position answer whose elevation line has not come yet.
    std::optional<double> m_azimuth;
};

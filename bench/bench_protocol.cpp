// Throughput of the receive path: a synthetic station stream cut into 64 KiB chunks goes
// through the line decoder, the message parser and the state update, as the client runs it.

#include "core/model/StationState.h"
#include "core/protocol/LineDecoder.h"
#include "core/protocol/OVVProtocol.h"
#include "core/protocol/ServerEvent.h"

#include <QByteArray>
#include <QList>
#include <QRandomGenerator>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <sys/resource.h>

namespace {

constexpr qsizetype chunkBytes = 64 * 1024;
constexpr int reportLines = 1'200'000;
constexpr int rounds = 3;
constexpr int rotorCount = 8;
constexpr int switchCount = 6;
constexpr int tunerCount = 2;
const char* const stackNames[] = {"Stack A", "Stack B", "Stack C", "Stack D"};

struct Stream {
    QByteArray bytes;
    qsizetype lines = 0;
};

void addLine(Stream& stream, const QByteArray& line)
{
    stream.bytes += line;
    stream.bytes += "\r\n";
    ++stream.lines;
}

QByteArray join(std::initializer_list<QByteArray> fields)
{
    QByteArray line;
    for (const QByteArray& field : fields) {
        if (!line.isEmpty()) {
            line += '\x1f';
        }
        line += field;
    }
    return line;
}

QByteArray number(double value)
{
    return QByteArray::number(value, 'f', 1);
}

// The announcements of a station with 8 rotors, 6 switches, 4 stack outputs and 2 tuners,
// followed by a realistic mix of reports: mostly rotor positions, then switches, stacks, tuners.
Stream makeStream()
{
    Stream stream;
    stream.bytes.reserve(48 * 1024 * 1024);
    QRandomGenerator random(2024);

    for (int r = 0; r < rotorCount; ++r) {
        addLine(stream, join({"ADD", "Rotor " + QByteArray::number(r + 1)}));
    }
    for (int s = 0; s < switchCount; ++s) {
        const int type = s % 4 + 1;
        QByteArray line = join({"SWITCHADD", QByteArray::number(type), "Switch " + QByteArray::number(s + 1)});
        for (int p = 0; p < 8; ++p) {
            QByteArray item = "Ant " + QByteArray::number(p + 1);
            if (type == 2) {
                item += '\x1d' + QByteArray::number(p * 45) + '\x1d' + "60" + '\x1d' + "false";
            } else if (type == 3) {
                item += '\x1d' + QByteArray::number(1.8 * (p + 1)) + '\x1d' + QByteArray::number(2.0 * (p + 1));
            }
            line += '\x1f' + item;
        }
        addLine(stream, line);
        addLine(stream, join({"SWITCHLOCKS", "Switch " + QByteArray::number(s + 1), "Ant 8", "OFF"}));
    }
    addLine(stream, join({"STACKADD", "Stack A,Stack B,Stack C,Stack D"}));
    for (int t = 0; t < tunerCount; ++t) {
        addLine(stream, join({"TURVIXADD", "Tuner " + QByteArray::number(t + 1),
                              "Elem 1\x1d"
                              "Elem 2\x1d"
                              "Elem 3",
                              "20m\x1d"
                              "15m\x1d"
                              "10m",
                              "14.0\x1d"
                              "21.0\x1d"
                              "28.0",
                              "14.35\x1d"
                              "21.45\x1d"
                              "29.7"}));
    }
    addLine(stream, join({"LOCATIONS", "Home", "Field Day", "Club"}));

    double headings[rotorCount] = {};
    while (stream.lines < reportLines) {
        const quint32 kind = random.bounded(100);
        if (kind < 70) {
            const int r = static_cast<int>(random.bounded(rotorCount));
            headings[r] = std::fmod(headings[r] + random.bounded(30) * 0.1, 360.0);
            addLine(stream, join({"POINT", "Rotor " + QByteArray::number(r + 1), number(headings[r]),
                                  QByteArray::number(random.bounded(3)),
                                  QByteArray::number(-50 - static_cast<int>(random.bounded(60)))}));
        } else if (kind < 85) {
            const int s = static_cast<int>(random.bounded(switchCount));
            addLine(stream, join({"SWITCHUPDATE", "Switch " + QByteArray::number(s + 1),
                                  "Ant " + QByteArray::number(random.bounded(8) + 1), "0",
                                  QByteArray::number(-50 - static_cast<int>(random.bounded(60)))}));
        } else if (kind < 95) {
            QByteArray names;
            QList<QByteArray> flags;
            for (const char* name : stackNames) {
                names += names.isEmpty() ? QByteArray(name) : "," + QByteArray(name);
                flags.append(random.bounded(2) ? "true" : "false");
            }
            addLine(stream, join({"STACK", names, flags[0], flags[1], flags[2], flags[3], "0", "0"}));
        } else {
            const int t = static_cast<int>(random.bounded(tunerCount));
            addLine(stream, join({"TURVIX", "Tuner " + QByteArray::number(t + 1), "0", "-67", "20m",
                                  number(random.bounded(3600) * 0.1), number(random.bounded(3600) * 0.1),
                                  number(random.bounded(3600) * 0.1)}));
        }
    }
    return stream;
}

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// The bare framing: only the line feeds are found, nothing is copied or decoded.
qsizetype baseline(const QByteArray& bytes, double& seconds)
{
    const auto start = Clock::now();
    qsizetype lines = 0;
    for (qsizetype offset = 0; offset < bytes.size(); offset += chunkBytes) {
        const char* cursor = bytes.constData() + offset;
        const char* const end = cursor + std::min(chunkBytes, bytes.size() - offset);
        while (const void* lineFeed = std::memchr(cursor, '\n', end - cursor)) {
            ++lines;
            cursor = static_cast<const char*>(lineFeed) + 1;
        }
    }
    seconds = secondsSince(start);
    return lines;
}

struct FullResult {
    qsizetype lines = 0;
    qsizetype unknown = 0;
    StationState state;
};

FullResult fullPath(const QByteArray& bytes, double& seconds)
{
    const auto start = Clock::now();
    FullResult result;
    LineDecoder decoder;
    Instant at(700'000'000.0);
    for (qsizetype offset = 0; offset < bytes.size(); offset += chunkBytes) {
        const ProtocolResult<QStringList> lines =
            decoder.append(QByteArrayView(bytes).sliced(offset, std::min(chunkBytes, bytes.size() - offset)));
        if (!lines) {
            std::fprintf(stderr, "decoder failed: %s\n", qPrintable(lines.failure().message));
            std::exit(1);
        }
        for (const QString& line : *lines) {
            const ServerEvent event = ServerEvent::parse(line);
            result.unknown += event.as<ServerEvent::Unknown>() != nullptr;
            result.state.apply(event, at);
            at = at + 0.001;
            ++result.lines;
        }
    }
    seconds = secondsSince(start);
    return result;
}

long peakKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace

// The worst single line a server can send: a switch announcement filling the 64 KiB line limit
// with short, distinct position names. Its cost must stay linear in the number of positions.
double largestSwitchLineMicroseconds(qsizetype& positions)
{
    QByteArray line = "SWITCHADD\x1f"
                      "1\x1f"
                      "Big";
    positions = 0;
    while (line.size() < 65536 - 8) {
        line += '\x1f' + QByteArray::number(positions++, 36);
    }
    const std::optional<QString> text = OVVProtocol::decodeText(line);
    double best = 1e9;
    for (int round = 0; round < rounds; ++round) {
        const auto start = std::chrono::steady_clock::now();
        const ServerEvent event = ServerEvent::parse(*text);
        const auto end = std::chrono::steady_clock::now();
        if (!event.as<ServerEvent::SwitchAdded>()) {
            return -1;
        }
        best = std::min(best, std::chrono::duration<double, std::micro>(end - start).count());
    }
    return best;
}

int main()
{
    const Stream stream = makeStream();
    std::printf("stream: %lld lines, %.1f MiB, %lld-byte chunks\n", static_cast<long long>(stream.lines),
                stream.bytes.size() / (1024.0 * 1024.0), static_cast<long long>(chunkBytes));

    double bestBaseline = 1e9;
    double bestFull = 1e9;
    FullResult last;
    for (int round = 0; round < rounds; ++round) {
        double seconds = 0;
        const qsizetype baselineLines = baseline(stream.bytes, seconds);
        bestBaseline = std::min(bestBaseline, seconds);
        last = fullPath(stream.bytes, seconds);
        bestFull = std::min(bestFull, seconds);
        if (baselineLines != stream.lines || last.lines != stream.lines) {
            std::fprintf(stderr, "line count mismatch\n");
            return 1;
        }
    }
    if (last.unknown != 0 || last.state.rotors.size() != rotorCount || last.state.switches.size() != switchCount ||
        last.state.stacks.size() != 4 || last.state.tuners.size() != tunerCount) {
        std::fprintf(stderr, "unexpected station: %lld unknown lines\n", static_cast<long long>(last.unknown));
        return 1;
    }

    const double fullRate = stream.lines / bestFull;
    const double baselineRate = stream.lines / bestBaseline;
    std::printf("full path (decode, parse, apply): %12.0f lines/s  (%.3f s, best of %d)\n", fullRate, bestFull, rounds);
    std::printf("baseline (line feeds only):       %12.0f lines/s  (%.3f s, best of %d)\n", baselineRate, bestBaseline,
                rounds);
    std::printf("full path / baseline:             %12.4f\n", fullRate / baselineRate);
    qsizetype positions = 0;
    const double largest = largestSwitchLineMicroseconds(positions);
    if (largest < 0) {
        std::fprintf(stderr, "the largest switch line was not parsed as a switch\n");
        return 1;
    }
    std::printf("largest SWITCHADD line (%lld positions): %9.0f us to parse\n", static_cast<long long>(positions),
                largest);
    std::printf("peak memory (ru_maxrss):          %12ld KiB\n", peakKiB());
    std::printf("target 1000000 lines/s: %s\n", fullRate >= 1'000'000 ? "met" : "MISSED");
    return 0;
}

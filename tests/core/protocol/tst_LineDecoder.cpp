#include "core/protocol/LineDecoder.h"
#include "core/protocol/OVVProtocol.h"

#include <QRandomGenerator>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

using Chunks = QList<QByteArray>;
using LinesPerChunk = QList<QStringList>;

namespace {

const QString sizeFailure = u"Server message exceeds the size limit."_s;
const QString encodingFailure = u"Invalid server text encoding."_s;

// The framing rules applied one byte at a time, as the decoder's behaviour is defined.
struct ReferenceDecoder {
    QByteArray pending;

    ProtocolResult<QStringList> append(const QByteArray& chunk)
    {
        QStringList lines;
        for (const char byte : chunk) {
            if (byte == '\0') {
                continue;
            }
            if (byte == '\n') {
                if (pending.endsWith('\r')) {
                    pending.chop(1);
                }
                const std::optional<QString> text = OVVProtocol::decodeText(pending);
                if (!text) {
                    return ProtocolFailure::invalid(encodingFailure);
                }
                lines.append(*text);
                pending.clear();
                continue;
            }
            pending.append(byte);
            if (pending.size() > LineDecoder::maxLineBytes) {
                return ProtocolFailure::invalid(sizeFailure);
            }
        }
        return lines;
    }
};

} // namespace

class LineDecoderTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void append_framesLines_data();
    void append_framesLines();
    void append_failsWithoutReturningLines_data();
    void append_failsWithoutReturningLines();
    void append_agreesWithByteWiseFramingForAnyChunking();
};

void LineDecoderTest::append_framesLines_data()
{
    QTest::addColumn<Chunks>("chunks");
    QTest::addColumn<LinesPerChunk>("lines");
    QTest::addColumn<QByteArray>("pending");
    QTest::newRow("line then partial") << Chunks{"A\r\nB", "\n"} << LinesPerChunk{{u"A"_s}, {u"B"_s}} << QByteArray();
    QTest::newRow("partial stays pending") << Chunks{"A\r\nB"} << LinesPerChunk{{u"A"_s}} << QByteArray("B");
    QTest::newRow("CR LF alone") << Chunks{"\r\n"} << LinesPerChunk{{QString()}} << QByteArray();
    QTest::newRow("LF LF") << Chunks{"\n\n"} << LinesPerChunk{{QString(), QString()}} << QByteArray();
    QTest::newRow("inner CR stays") << Chunks{"A\rB\n"} << LinesPerChunk{{u"A\rB"_s}} << QByteArray();
    QTest::newRow("lone CR ends nothing") << Chunks{"A\rB"} << LinesPerChunk{{}} << QByteArray("A\rB");
    QTest::newRow("only one CR removed") << Chunks{"A\r\r\n"} << LinesPerChunk{{u"A\r"_s}} << QByteArray();
    QTest::newRow("CR and LF in two chunks") << Chunks{"A\r", "\n"} << LinesPerChunk{{}, {u"A"_s}} << QByteArray();
    QTest::newRow("NUL inside a line") << Chunks{QByteArray("A\0B\n", 4)} << LinesPerChunk{{u"AB"_s}} << QByteArray();
    QTest::newRow("NUL between lines") << Chunks{QByteArray("X\n\0Y\n", 5)} << LinesPerChunk{{u"X"_s, u"Y"_s}}
                                       << QByteArray();
    QTest::newRow("NUL between CR and LF")
        << Chunks{QByteArray("A\r\0\n", 4)} << LinesPerChunk{{u"A"_s}} << QByteArray();
    QTest::newRow("NUL pending") << Chunks{QByteArray("A\0", 2)} << LinesPerChunk{{}} << QByteArray("A");
    QTest::newRow("line over three chunks")
        << Chunks{"PO", "INT\x1fN", "orth\r\n"} << LinesPerChunk{{}, {}, {u"POINT\x1fNorth"_s}} << QByteArray();
    QTest::newRow("empty chunk") << Chunks{"A", ""} << LinesPerChunk{{}, {}} << QByteArray("A");
    QTest::newRow("e-acute") << Chunks{"Caf\xe9\n"} << LinesPerChunk{{u"Café"_s}} << QByteArray();
    QTest::newRow("euro") << Chunks{"\x80\n"} << LinesPerChunk{{u"€"_s}} << QByteArray();
    const QByteArray longest(LineDecoder::maxLineBytes, 'x');
    QTest::newRow("line of exactly the limit")
        << Chunks{longest + "\n"} << LinesPerChunk{{QString::fromLatin1(longest)}} << QByteArray();
    QTest::newRow("limit reached over chunks") << Chunks{longest.first(40000), longest.sliced(40000), "\n"}
                                               << LinesPerChunk{{}, {}, {QString::fromLatin1(longest)}} << QByteArray();
    QTest::newRow("NUL bytes not counted") << Chunks{QByteArray(10, '\0') + longest + QByteArray(10, '\0') + "\n"}
                                           << LinesPerChunk{{QString::fromLatin1(longest)}} << QByteArray();
}

void LineDecoderTest::append_framesLines()
{
    QFETCH(Chunks, chunks);
    QFETCH(LinesPerChunk, lines);
    QFETCH(QByteArray, pending);
    LineDecoder decoder;
    for (qsizetype i = 0; i < chunks.size(); ++i) {
        const ProtocolResult<QStringList> result = decoder.append(chunks.at(i));
        QVERIFY(result);
        QCOMPARE(*result, lines.at(i));
    }
    QCOMPARE(decoder.pending(), pending);
}

void LineDecoderTest::append_failsWithoutReturningLines_data()
{
    QTest::addColumn<Chunks>("chunks");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QByteArray>("pending");
    const QByteArray longest(LineDecoder::maxLineBytes, 'x');
    QTest::newRow("one byte over the limit") << Chunks{longest + "y"} << sizeFailure << longest + "y";
    QTest::newRow("over the limit after a line") << Chunks{"A\n" + longest + "yz\n"} << sizeFailure << longest + "y";
    QTest::newRow("over the limit across chunks")
        << Chunks{longest.first(60000), QByteArray(10, '\0') + longest.sliced(60000) + "yz"} << sizeFailure
        << longest + "y";
    QTest::newRow("CR counts towards the limit") << Chunks{longest + "\r\n"} << sizeFailure << longest + "\r";
    for (const char byte : {'\x81', '\x8d', '\x8f', '\x90', '\x9d'}) {
        QTest::addRow("undefined byte %02x", int(static_cast<unsigned char>(byte)))
            << Chunks{"OK\nA" + QByteArray(1, byte) + "\r\nB\n"} << encodingFailure << "A" + QByteArray(1, byte);
    }
    QTest::newRow("undefined byte in a split line") << Chunks{"OK\nA\x81", "B\nC\n"} << encodingFailure
                                                    << QByteArray("A\x81"
                                                                  "B");
}

void LineDecoderTest::append_failsWithoutReturningLines()
{
    QFETCH(Chunks, chunks);
    QFETCH(QString, message);
    QFETCH(QByteArray, pending);
    LineDecoder decoder;
    for (qsizetype i = 0; i + 1 < chunks.size(); ++i) {
        QVERIFY(decoder.append(chunks.at(i)));
    }
    const ProtocolResult<QStringList> result = decoder.append(chunks.last());
    QVERIFY(!result);
    QCOMPARE(result.failure().message, message);
    QCOMPARE(decoder.pending(), pending);
}

void LineDecoderTest::append_agreesWithByteWiseFramingForAnyChunking()
{
    // Streams rich in the bytes the framer treats specially, cut at random points.
    const QByteArray alphabet("ab\r\n\0\x80\xe9\x1f", 8);
    QRandomGenerator random(7);
    for (int round = 0; round < 300; ++round) {
        QByteArray stream;
        const int length = static_cast<int>(random.bounded(400));
        for (int i = 0; i < length; ++i) {
            stream.append(alphabet.at(random.bounded(alphabet.size())));
        }
        if (round % 10 == 0) {
            stream.insert(random.bounded(stream.size() + 1), QByteArray(LineDecoder::maxLineBytes - 3, 'z'));
        }
        if (round % 7 == 0) {
            stream.insert(random.bounded(stream.size() + 1), '\x8f');
        }

        LineDecoder decoder;
        ReferenceDecoder reference;
        qsizetype offset = 0;
        while (offset < stream.size()) {
            const qsizetype size = std::min<qsizetype>(stream.size() - offset, random.bounded(1, 80000));
            const QByteArray chunk = stream.sliced(offset, size);
            offset += size;
            const ProtocolResult<QStringList> actual = decoder.append(chunk);
            const ProtocolResult<QStringList> expected = reference.append(chunk);
            QCOMPARE(actual.ok(), expected.ok());
            QCOMPARE(decoder.pending(), reference.pending);
            if (!expected) {
                QCOMPARE(actual.failure(), expected.failure());
                break;
            }
            QCOMPARE(*actual, *expected);
        }
    }
}

QTEST_GUILESS_MAIN(LineDecoderTest)
#include "tst_LineDecoder.moc"

#include "core/protocol/OVVProtocol.h"
#include "core/protocol/PortNumber.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

using OptionalDouble = std::optional<double>;
using OptionalInt = std::optional<int>;

namespace {

const QString windowsFailure = u"This server uses Windows text encoding; a character cannot be represented."_s;

} // namespace

class WireTextTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void validField_limitsBytesAndControlCharacters_data();
    void validField_limitsBytesAndControlCharacters();
    void textData_encodesWindows1252Strictly_data();
    void textData_encodesWindows1252Strictly();
    void decodeText_rejectsOnlyUndefinedBytes();
    void decimal_acceptsOnlyPlainNumberText_data();
    void decimal_acceptsOnlyPlainNumberText();
    void integer_acceptsOnlyPlainIntegerText_data();
    void integer_acceptsOnlyPlainIntegerText();
    void portNumber_acceptsDecimalOneTo65535_data();
    void portNumber_acceptsDecimalOneTo65535();
};

void WireTextTest::validField_limitsBytesAndControlCharacters_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::newRow("512 ASCII letters") << QString(512, u'a') << true;
    QTest::newRow("513 ASCII letters") << QString(513, u'a') << false;
    QTest::newRow("empty") << QString() << false;
    QTest::newRow("one blank") << u" "_s << true;
    QTest::newRow("171 e-acute, 342 bytes") << QString(171, u'é') << true;
    QTest::newRow("256 e-acute, 512 bytes") << QString(256, u'é') << true;
    QTest::newRow("257 e-acute, 514 bytes") << QString(257, u'é') << false;
    const QString emoji = u"\U0001F4E1"_s;
    QTest::newRow("128 four-byte characters") << emoji.repeated(128) << true;
    QTest::newRow("129 four-byte characters") << emoji.repeated(129) << false;
    QTest::newRow("170 euro signs, 510 bytes") << QString(170, u'€') << true;
    QTest::newRow("171 euro signs, 513 bytes") << QString(171, u'€') << false;
    for (const char16_t control : {u'\x1f', u'\x1d', u'\t', u'\n', u'\r', u'\x7f', u'\0'}) {
        QTest::addRow("holds character %d", int(control)) << u"North"_s + QChar(control) + u"East"_s << false;
    }
    QTest::newRow("C1 character") << u"A\u0085B"_s << true;
    QTest::newRow("unpaired high surrogate") << u"A"_s + QChar(0xD83D) + u"B"_s << false;
    QTest::newRow("unpaired low surrogate at the end") << u"A"_s + QChar(0xDCE1) << false;
}

void WireTextTest::validField_limitsBytesAndControlCharacters()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QCOMPARE(OVVProtocol::validField(text), valid);
}

void WireTextTest::textData_encodesWindows1252Strictly_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("ASCII") << u"TURN North"_s << QByteArray("TURN North");
    QTest::newRow("euro") << u"€"_s << QByteArray("\x80");
    QTest::newRow("e-acute") << u"é"_s << QByteArray("\xe9");
    QTest::newRow("y-diaeresis") << u"ÿ"_s << QByteArray("\xff");
    QTest::newRow("curly quotes and dash") << u"“–”"_s << QByteArray("\x93\x96\x94");
    QTest::newRow("Z-caron") << u"Ž"_s << QByteArray("\x8e");
    QTest::newRow("Greek alpha") << u"α"_s << QByteArray();
    QTest::newRow("U+0081, undefined in 1252") << u"\u0081"_s << QByteArray();
    QTest::newRow("U+0080, the byte's Latin-1 meaning") << u"\u0080"_s << QByteArray();
    QTest::newRow("outside the BMP") << u"A\U0001F4E1"_s << QByteArray();
}

void WireTextTest::textData_encodesWindows1252Strictly()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    const ProtocolResult<QByteArray> encoded = OVVProtocol::textData(text);
    if (bytes.isEmpty()) {
        QVERIFY(!encoded);
        QCOMPARE(encoded.failure().message, windowsFailure);
    } else {
        QVERIFY(encoded);
        QCOMPARE(*encoded, bytes);
        QCOMPARE(OVVProtocol::decodeText(bytes), std::optional<QString>(text));
    }
}

void WireTextTest::decodeText_rejectsOnlyUndefinedBytes()
{
    const QList<int> undefined{0x81, 0x8D, 0x8F, 0x90, 0x9D};
    for (int byte = 0; byte < 256; ++byte) {
        const QByteArray bytes = "x" + QByteArray(1, char(byte)) + "y";
        const std::optional<QString> text = OVVProtocol::decodeText(bytes);
        QVERIFY2(text.has_value() != undefined.contains(byte), qPrintable(QString::number(byte, 16)));
        if (text) {
            QCOMPARE(text->size(), 3);
            // Every defined byte comes back unchanged through the encoder.
            const ProtocolResult<QByteArray> encoded = OVVProtocol::textData(*text);
            QVERIFY(encoded);
            QCOMPARE(*encoded, bytes);
        }
    }
}

void WireTextTest::decimal_acceptsOnlyPlainNumberText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<OptionalDouble>("value");
    QTest::newRow("decimal") << u"123.5"_s << OptionalDouble(123.5);
    QTest::newRow("integer") << u"400"_s << OptionalDouble(400.0);
    QTest::newRow("negative") << u"-0.25"_s << OptionalDouble(-0.25);
    QTest::newRow("plus sign") << u"+7"_s << OptionalDouble(7.0);
    QTest::newRow("exponent") << u"1e2"_s << OptionalDouble(100.0);
    QTest::newRow("leading point") << u".5"_s << OptionalDouble(0.5);
    QTest::newRow("leading blank") << u" 1"_s << OptionalDouble();
    QTest::newRow("trailing blank") << u"1 "_s << OptionalDouble();
    QTest::newRow("comma") << u"1,5"_s << OptionalDouble();
    QTest::newRow("empty") << QString() << OptionalDouble();
    QTest::newRow("letters") << u"abc"_s << OptionalDouble();
    QTest::newRow("two signs") << u"+-1"_s << OptionalDouble();
    QTest::newRow("sign alone") << u"+"_s << OptionalDouble();
    QTest::newRow("Arabic-Indic digits") << u"\u0661\u0662"_s << OptionalDouble();
}

void WireTextTest::decimal_acceptsOnlyPlainNumberText()
{
    QFETCH(QString, text);
    QFETCH(OptionalDouble, value);
    QCOMPARE(OVVProtocol::decimal(text), value);
}

void WireTextTest::integer_acceptsOnlyPlainIntegerText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<OptionalInt>("value");
    QTest::newRow("digit") << u"3"_s << OptionalInt(3);
    QTest::newRow("negative") << u"-67"_s << OptionalInt(-67);
    QTest::newRow("plus sign") << u"+5"_s << OptionalInt(5);
    QTest::newRow("decimal") << u"3.0"_s << OptionalInt();
    QTest::newRow("blank") << u" 3"_s << OptionalInt();
    QTest::newRow("letter") << u"x"_s << OptionalInt();
    QTest::newRow("overflow") << u"99999999999"_s << OptionalInt();
    QTest::newRow("empty") << QString() << OptionalInt();
}

void WireTextTest::integer_acceptsOnlyPlainIntegerText()
{
    QFETCH(QString, text);
    QFETCH(OptionalInt, value);
    QCOMPARE(OVVProtocol::integer(text), value);
}

void WireTextTest::portNumber_acceptsDecimalOneTo65535_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<OptionalInt>("port");
    QTest::newRow("plain") << u"4001"_s << OptionalInt(4001);
    QTest::newRow("plus sign") << u"+4001"_s << OptionalInt(4001);
    QTest::newRow("leading zeros") << u"040123"_s << OptionalInt(40123);
    QTest::newRow("highest") << u"65535"_s << OptionalInt(65535);
    QTest::newRow("zero") << u"0"_s << OptionalInt();
    QTest::newRow("too high") << u"65536"_s << OptionalInt();
    QTest::newRow("blank inside") << u"40 01"_s << OptionalInt();
    QTest::newRow("trailing blank") << u"4001 "_s << OptionalInt();
    QTest::newRow("minus") << u"-1"_s << OptionalInt();
    QTest::newRow("plus alone") << u"+"_s << OptionalInt();
    QTest::newRow("letters") << u"port"_s << OptionalInt();
}

void WireTextTest::portNumber_acceptsDecimalOneTo65535()
{
    QFETCH(QString, text);
    QFETCH(OptionalInt, port);
    const std::optional<quint16> parsed = parsePortNumber(text);
    QCOMPARE(parsed ? OptionalInt(*parsed) : OptionalInt(), port);
}

QTEST_GUILESS_MAIN(WireTextTest)
#include "tst_WireText.moc"

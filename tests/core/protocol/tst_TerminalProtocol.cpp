#include "core/protocol/ConnectionKind.h"
#include "core/protocol/TerminalProtocol.h"

#include <QTest>

#include <limits>

using namespace Qt::Literals::StringLiterals;

using OptionalDouble = std::optional<double>;
using OptionalKind = std::optional<ConnectionKind>;

class TerminalProtocolTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void fixedMessages();
    void turnCommands_roundToWholeDegrees_data();
    void turnCommands_roundToWholeDegrees();
    void heading_readsOnlyHeadingsWithinTheCircle_data();
    void heading_readsOnlyHeadingsWithinTheCircle();
    void connectionKind_textsAreExactAndOrdered_data();
    void connectionKind_textsAreExactAndOrdered();
};

void TerminalProtocolTest::fixedMessages()
{
    QCOMPARE(TerminalProtocol::query(), QByteArray("AI2;"));
    QCOMPARE(TerminalProtocol::stop(), QByteArray(";"));
}

void TerminalProtocolTest::turnCommands_roundToWholeDegrees_data()
{
    QTest::addColumn<double>("degrees");
    QTest::addColumn<QByteArray>("terminal");
    QTest::addColumn<QByteArray>("udp");
    QTest::newRow("90") << 90.0 << QByteArray("AP2090\r;") << QByteArray("AP2090;AM2;");
    QTest::newRow("359.6 rounds up") << 359.6 << QByteArray("AP2360\r;") << QByteArray("AP2360;AM2;");
    QTest::newRow("0") << 0.0 << QByteArray("AP2000\r;") << QByteArray("AP2000;AM2;");
    QTest::newRow("0.4 rounds down") << 0.4 << QByteArray("AP2000\r;") << QByteArray("AP2000;AM2;");
    QTest::newRow("7.5 rounds away from zero") << 7.5 << QByteArray("AP2008\r;") << QByteArray("AP2008;AM2;");
    QTest::newRow("89.5") << 89.5 << QByteArray("AP2090\r;") << QByteArray("AP2090;AM2;");
    QTest::newRow("5 padded") << 5.0 << QByteArray("AP2005\r;") << QByteArray("AP2005;AM2;");
    QTest::newRow("360") << 360.0 << QByteArray("AP2360\r;") << QByteArray("AP2360;AM2;");
    QTest::newRow("360.2") << 360.2 << QByteArray() << QByteArray();
    QTest::newRow("-0.1") << -0.1 << QByteArray() << QByteArray();
    QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN() << QByteArray() << QByteArray();
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << QByteArray() << QByteArray();
}

void TerminalProtocolTest::turnCommands_roundToWholeDegrees()
{
    QFETCH(double, degrees);
    QFETCH(QByteArray, terminal);
    QFETCH(QByteArray, udp);
    const ProtocolResult<QByteArray> serial = TerminalProtocol::turn(degrees);
    const ProtocolResult<QByteArray> datagram = TerminalProtocol::udpTurn(degrees);
    if (terminal.isEmpty()) {
        QVERIFY(!serial);
        QVERIFY(!datagram);
        QCOMPARE(serial.failure().message, u"Enter a heading from 0 to 360."_s);
        QCOMPARE(datagram.failure().message, u"Enter a heading from 0 to 360."_s);
        return;
    }
    QVERIFY(serial);
    QVERIFY(datagram);
    QCOMPARE(*serial, terminal);
    QCOMPARE(*datagram, udp);
}

void TerminalProtocolTest::heading_readsOnlyHeadingsWithinTheCircle_data()
{
    QTest::addColumn<QString>("reply");
    QTest::addColumn<OptionalDouble>("heading");
    QTest::newRow("with prefix") << u"AI2123.4"_s << OptionalDouble(123.4);
    QTest::newRow("blanks around") << u"  123.4 \r\n"_s << OptionalDouble(123.4);
    QTest::newRow("line break before prefix") << u"\r\nAI2045"_s << OptionalDouble(45.0);
    QTest::newRow("whole number") << u"123"_s << OptionalDouble(123.0);
    QTest::newRow("0") << u"AI2000"_s << OptionalDouble(0.0);
    QTest::newRow("360") << u"360"_s << OptionalDouble(360.0);
    QTest::newRow("prefix alone") << u"AI2"_s << OptionalDouble();
    QTest::newRow("prefix and letters") << u"AI2abc"_s << OptionalDouble();
    QTest::newRow("blank after prefix") << u"AI2 123"_s << OptionalDouble();
    QTest::newRow("361") << u"361"_s << OptionalDouble();
    QTest::newRow("-1") << u"-1"_s << OptionalDouble();
    QTest::newRow("inf") << u"inf"_s << OptionalDouble();
    QTest::newRow("empty") << QString() << OptionalDouble();
}

void TerminalProtocolTest::heading_readsOnlyHeadingsWithinTheCircle()
{
    QFETCH(QString, reply);
    QFETCH(OptionalDouble, heading);
    QCOMPARE(TerminalProtocol::heading(QStringView(reply)), heading);
    QCOMPARE(TerminalProtocol::heading(QByteArrayView(reply.toUtf8())), heading);
}

void TerminalProtocolTest::connectionKind_textsAreExactAndOrdered_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<OptionalKind>("kind");
    QTest::newRow("server") << u"OV Varnex"_s << OptionalKind(ConnectionKind::ovVarnex);
    QTest::newRow("TCP terminal") << u"KT-90 TCP terminal"_s << OptionalKind(ConnectionKind::kt90Terminal);
    QTest::newRow("UDP terminal") << u"KT-90 UDP terminal"_s << OptionalKind(ConnectionKind::kt90UDP);
    QTest::newRow("serial") << u"KT-90 local serial"_s << OptionalKind(ConnectionKind::kt90Serial);
    QTest::newRow("rotctld") << u"Hamlib rotctld"_s << OptionalKind(ConnectionKind::hamlibRotctld);
    QTest::newRow("case name") << u"kt90UDP"_s << OptionalKind();
    QTest::newRow("other case") << u"ov varnex"_s << OptionalKind();
    QTest::newRow("trailing blank") << u"OV Varnex "_s << OptionalKind();
    QTest::newRow("empty") << QString() << OptionalKind();
}

void TerminalProtocolTest::connectionKind_textsAreExactAndOrdered()
{
    QFETCH(QString, text);
    QFETCH(OptionalKind, kind);
    QCOMPARE(ConnectionKinds::fromText(text), kind);
    if (kind) {
        QCOMPARE(ConnectionKinds::text(*kind), text);
    }
    QCOMPARE(ConnectionKinds::all(),
             (QList<ConnectionKind>{ConnectionKind::ovVarnex, ConnectionKind::kt90Terminal, ConnectionKind::kt90UDP,
                                    ConnectionKind::kt90Serial, ConnectionKind::hamlibRotctld}));
}

QTEST_GUILESS_MAIN(TerminalProtocolTest)
#include "tst_TerminalProtocol.moc"

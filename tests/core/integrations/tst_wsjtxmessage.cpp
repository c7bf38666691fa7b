#include "core/integrations/WsjtxMessage.h"

#include <QDataStream>
#include <QIODevice>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

struct Datagram {
    quint32 magic = WsjtxMessage::magic;
    quint32 schema = 3;
    quint32 type = WsjtxMessage::statusType;
    QByteArray dxCall = "JA1ABC";
    QByteArray dxGrid = "PM95";
    // The fields after the DX grid that newer senders add.
    bool trailing = true;
};

// A datagram written field by field as the network protocol describes it.
QByteArray write(const Datagram& d)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_5_4);
    out << d.magic << d.schema << d.type << QByteArray("WSJT-X");
    if (d.type != WsjtxMessage::statusType) {
        return bytes;
    }
    out << quint64(14'074'000) << QByteArray("FT8") << d.dxCall << QByteArray("-12") << QByteArray("FT8");
    out << true << false << true << qint32(1'500) << qint32(-20);
    out << QByteArray("DL1ABC") << QByteArray("JO62") << d.dxGrid;
    if (d.trailing) {
        out << false << QByteArray() << false << quint8(0) << quint32(20) << quint32(15) << QByteArray("Default")
            << QByteArray("JA1ABC DL1ABC JO62");
    }
    return bytes;
}

} // namespace

// Status datagrams as WSJT-X and JTDX send them are read; anything damaged fails as a whole.
class TestWsjtxMessage final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void status_givesDxCallGridAndFrequency_data()
    {
        QTest::addColumn<QByteArray>("datagram");
        QTest::addColumn<quint32>("schema");
        QTest::addColumn<QString>("dxGrid");
        QTest::newRow("schema 3 with every field") << write({}) << quint32(3) << u"PM95"_s;
        Datagram older;
        older.schema = 2;
        older.trailing = false;
        QTest::newRow("schema 2 ending at the DX grid") << write(older) << quint32(2) << u"PM95"_s;
        Datagram noGrid;
        noGrid.dxGrid = QByteArray();
        QTest::newRow("null DX grid") << write(noGrid) << quint32(3) << QString();
    }
    void status_givesDxCallGridAndFrequency()
    {
        QFETCH(QByteArray, datagram);
        QFETCH(quint32, schema);
        QFETCH(QString, dxGrid);
        const ProtocolResult<WsjtxMessage> message = WsjtxMessage::parse(datagram);
        QVERIFY2(message.ok(), message ? "" : qPrintable(message.failure().description()));
        QCOMPARE(message->schema, schema);
        QCOMPARE(message->id, u"WSJT-X"_s);
        QVERIFY(message->status);
        const WsjtxMessage::Status& status = *message->status;
        QCOMPARE(status.dialFrequency, quint64(14'074'000));
        QCOMPARE(status.mode, u"FT8"_s);
        QCOMPARE(status.dxCall, u"JA1ABC"_s);
        QCOMPARE(status.report, u"-12"_s);
        QVERIFY(status.txEnabled && !status.transmitting && status.decoding);
        QCOMPARE(status.rxDf, 1'500);
        QCOMPARE(status.txDf, -20);
        QCOMPARE(status.deCall, u"DL1ABC"_s);
        QCOMPARE(status.deGrid, u"JO62"_s);
        QCOMPARE(status.dxGrid, dxGrid);
    }

    void otherMessage_isReadWithoutStatus()
    {
        Datagram heartbeat;
        heartbeat.type = 0;
        const ProtocolResult<WsjtxMessage> message = WsjtxMessage::parse(write(heartbeat) + QByteArray(12, '\0'));
        QVERIFY(message.ok());
        QCOMPARE(message->type, quint32(0));
        QVERIFY(!message->status);
    }

    void damagedDatagram_fails_data()
    {
        QTest::addColumn<QByteArray>("datagram");
        QTest::addColumn<QString>("sentence");
        const QByteArray full = write({});
        Datagram wrongMagic;
        wrongMagic.magic = 0xdabccbad;
        QTest::newRow("wrong magic") << write(wrongMagic)
                                     << u"The WSJT-X datagram is damaged: it does not start with the magic number."_s;
        Datagram newSchema;
        newSchema.schema = 4;
        QTest::newRow("unknown schema") << write(newSchema)
                                        << u"The WSJT-X datagram is damaged: its schema 4 is not 2 or 3."_s;
        QTest::newRow("empty") << QByteArray() << u"The WSJT-X datagram is damaged: it ends before its magic number."_s;
        // Magic, schema, type, "WSJT-X", frequency, "FT8", then 4 bytes into the DX call's text.
        QTest::newRow("cut inside the DX call") << full.left(4 + 4 + 4 + 10 + 8 + 7 + 4 + 2)
                                                << u"The WSJT-X datagram is damaged: it ends inside its DX call."_s;
        Datagram older;
        older.trailing = false;
        QTest::newRow("cut before the DX grid")
            << write(older).chopped(8) << u"The WSJT-X datagram is damaged: it ends before its DX grid."_s;
        Datagram huge;
        huge.dxCall = QByteArray(2'000, 'W');
        QTest::newRow("overlong text") << write(huge)
                                       << u"The WSJT-X datagram is damaged: its DX call is 2000 bytes long."_s;
        QByteArray lying = full;
        lying.replace(lying.indexOf("JA1ABC") - 4, 4, QByteArray("\x7f\xff\xff\xff", 4));
        QTest::newRow("length far past the end")
            << lying << u"The WSJT-X datagram is damaged: its DX call is 2147483647 bytes long."_s;
        Datagram notUtf8;
        notUtf8.dxCall = QByteArray("JA1\xff\xfe", 5);
        QTest::newRow("not UTF-8") << write(notUtf8)
                                   << u"The WSJT-X datagram is damaged: its DX call is not UTF-8 text."_s;
        QTest::newRow("oversized datagram") << full + QByteArray(WsjtxMessage::maxDatagramBytes, '\0')
                                            << u"The WSJT-X datagram is damaged: it is %1 bytes long."_s.arg(
                                                   full.size() + WsjtxMessage::maxDatagramBytes);
    }
    void damagedDatagram_fails()
    {
        QFETCH(QByteArray, datagram);
        QFETCH(QString, sentence);
        const ProtocolResult<WsjtxMessage> message = WsjtxMessage::parse(datagram);
        QVERIFY(!message.ok());
        QCOMPARE(message.failure().description(), sentence);
    }
};

QTEST_APPLESS_MAIN(TestWsjtxMessage)
#include "tst_wsjtxmessage.moc"

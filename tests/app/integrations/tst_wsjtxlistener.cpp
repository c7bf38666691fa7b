#include "app/integrations/WsjtxListener.h"

#include <QDataStream>
#include <QSignalSpy>
#include <QTest>
#include <QUdpSocket>

using namespace Qt::Literals::StringLiterals;

Q_DECLARE_METATYPE(WsjtxMessage::Status)

namespace {

// A Status datagram written field by field as WSJT-X's network protocol describes it (schema 2).
QByteArray status(const QByteArray& dxCall, const QByteArray& dxGrid, quint64 dial = 14'074'000)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_5_4);
    out << WsjtxMessage::magic << quint32(2) << WsjtxMessage::statusType << QByteArray("WSJT-X");
    out << dial << QByteArray("FT8") << dxCall << QByteArray("-12") << QByteArray("FT8");
    out << true << false << true << qint32(1'500) << qint32(-20);
    out << QByteArray("DL1ABC") << QByteArray("JO62") << dxGrid;
    return bytes;
}

} // namespace

// The listener on loopback UDP: Status messages come through, anything else is dropped and
// counted, and a flood is read a bounded number per turn of the event loop.
class TestWsjtxListener final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void datagrams_passStatusDropTheRest_data()
    {
        QTest::addColumn<QByteArray>("datagram");
        QTest::addColumn<QString>("dxCall");
        QTest::addColumn<int>("dropped");
        QTest::newRow("status") << status("JA1ABC", "PM95") << u"JA1ABC"_s << 0;
        QByteArray badMagic = status("JA1ABC", "PM95");
        badMagic[0] = 0;
        QTest::newRow("wrong magic") << badMagic << QString() << 1;
        QTest::newRow("cut short") << status("JA1ABC", "PM95").left(30) << QString() << 1;
        QTest::newRow("oversized") << status("JA1ABC", "PM95").append(QByteArray(WsjtxMessage::maxDatagramBytes, 'x'))
                                   << QString() << 1;
        QTest::newRow("text") << QByteArray("JA1ABC PM95") << QString() << 1;
    }
    void datagrams_passStatusDropTheRest()
    {
        QFETCH(QByteArray, datagram);
        QFETCH(QString, dxCall);
        QFETCH(int, dropped);
        qRegisterMetaType<WsjtxMessage::Status>();
        WsjtxListener listener;
        QVERIFY2(listener.listen(QHostAddress::LocalHost, 0), qPrintable(listener.errorString()));
        QSignalSpy statuses(&listener, &WsjtxListener::status);
        QUdpSocket sender;
        QCOMPARE(sender.writeDatagram(datagram, QHostAddress::LocalHost, listener.port()), datagram.size());
        // A good datagram after it shows the bad one was read and passed over.
        const QByteArray after = status("W1AW", "FN31");
        sender.writeDatagram(after, QHostAddress::LocalHost, listener.port());
        QTRY_COMPARE(statuses.size(), dxCall.isEmpty() ? 1 : 2);
        QCOMPARE(statuses.first().first().value<WsjtxMessage::Status>().dxCall, dxCall.isEmpty() ? u"W1AW"_s : dxCall);
        QCOMPARE(listener.dropped(), quint64(dropped));
    }

    void flood_isReadInBoundedTurns()
    {
        WsjtxListener listener;
        QVERIFY(listener.listen(QHostAddress::LocalHost, 0));
        int largestBatch = 0;
        int batch = 0;
        int total = 0;
        bool marked = false;
        // A posted call runs before the next timer or socket notification, so it ends a batch.
        connect(&listener, &WsjtxListener::status, this, [&] {
            largestBatch = std::max(largestBatch, ++batch);
            ++total;
            if (!marked) {
                marked = true;
                QMetaObject::invokeMethod(
                    this,
                    [&] {
                        batch = 0;
                        marked = false;
                    },
                    Qt::QueuedConnection);
            }
        });
        QUdpSocket sender;
        // Within a loopback socket's default receive buffer.
        constexpr int sent = 100;
        for (int i = 0; i < sent; ++i) {
            sender.writeDatagram(status("JA" + QByteArray::number(i), "PM95"), QHostAddress::LocalHost,
                                 listener.port());
        }
        QTRY_COMPARE(total, sent);
        QVERIFY2(largestBatch > 1 && largestBatch <= WsjtxListener::datagramsPerTurn,
                 qPrintable(QString::number(largestBatch)));
    }

    void multicastGroup_isJoined()
    {
        WsjtxListener listener;
        if (!listener.listen(QHostAddress(u"239.255.0.1"_s), 0)) {
            QSKIP(qPrintable(u"no multicast here: "_s + listener.errorString()));
        }
        QVERIFY(listener.listening());
    }
};

QTEST_GUILESS_MAIN(TestWsjtxListener)
#include "tst_wsjtxlistener.moc"

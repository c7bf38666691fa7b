#include "core/protocol/RotctldProtocol.h"
#include "core/protocol/RotctldReplyReader.h"
#include "core/protocol/RotctldRequest.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

using Command = RotctldRequest::Command;
using Reply = RotctldReplyReader::Reply;
using Expect = RotctldReplyReader::Expect;

Q_DECLARE_METATYPE(RotctldRequest::Command)
Q_DECLARE_METATYPE(QList<RotctldReplyReader::Expect>)
Q_DECLARE_METATYPE(QList<RotctldReplyReader::Reply>)

// The commands as a server reads them and answers them in both forms, and the answers as a
// client reads them against what it asked.
class RotctldProtocolTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void request_readsBothFormsAndRefusesWhatDoesNotFit_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<Command>("command");
        QTest::addColumn<bool>("wellFormed");
        QTest::addColumn<QByteArray>("answered");
        QTest::newRow("long set, extended") << QByteArray("+\\set_pos  90.5\t10") << Command::setPosition << true
                                            << QByteArray("set_pos: 90.5 10\nRPRT 0\n");
        QTest::newRow("semicolon separator")
            << QByteArray(";\\stop") << Command::stop << true << QByteArray("stop:;RPRT 0\n");
        QTest::newRow("carriage return") << QByteArray("S\r") << Command::stop << true << QByteArray("RPRT 0\n");
        QTest::newRow("quit in capitals") << QByteArray("Q") << Command::quit << true << QByteArray("RPRT 0\n");
        QTest::newRow("extra word") << QByteArray("S now") << Command::stop << false << QByteArray("RPRT 0\n");
        QTest::newRow("comma decimal") << QByteArray("P 10,5 0") << Command::setPosition << false
                                       << QByteArray("RPRT 0\n");
        QTest::newRow("move speed not whole")
            << QByteArray("M 16 1.5") << Command::move << false << QByteArray("RPRT 0\n");
        QTest::newRow("letter glued on") << QByteArray("pp") << Command::unknown << false << QByteArray("RPRT 0\n");
        QTest::newRow("blank") << QByteArray(" \t") << Command::none << true << QByteArray("RPRT 0\n");
    }
    void request_readsBothFormsAndRefusesWhatDoesNotFit()
    {
        QFETCH(QByteArray, line);
        QFETCH(Command, command);
        QFETCH(bool, wellFormed);
        QFETCH(QByteArray, answered);
        const RotctldRequest request = RotctldRequest::parse(line);
        QCOMPARE(request.command, command);
        QCOMPARE(request.wellFormed, wellFormed);
        QCOMPARE(RotctldProtocol::answer(request, RotctldProtocol::ok), answered);
        if (command == Command::setPosition && wellFormed) {
            QCOMPARE(request.azimuth, 90.5);
            QCOMPARE(request.elevation, 10.0);
        }
    }

    void answer_normalFormListsValuesExtendedFormLabelsThem_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<int>("code");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("position, pipes") << QByteArray("|\\get_pos") << 0
                                         << QByteArray("get_pos:|Azimuth: 123.45|Elevation: 0.00|RPRT 0\n");
        QTest::newRow("failed position") << QByteArray("p") << -11 << QByteArray("RPRT -11\n");
        QTest::newRow("failed position, extended") << QByteArray("+p") << -11 << QByteArray("get_pos:\nRPRT -11\n");
    }
    void answer_normalFormListsValuesExtendedFormLabelsThem()
    {
        QFETCH(QByteArray, line);
        QFETCH(int, code);
        QFETCH(QByteArray, expected);
        QCOMPARE(RotctldProtocol::answer(RotctldRequest::parse(line), code, RotctldProtocol::position(123.45, 0.0)),
                 expected);
    }

    // What the network backend of the rotctl programs reads when it opens, in this order.
    void state_announcesAzimuthRotorOverTheFullCircle()
    {
        QCOMPARE(RotctldProtocol::answer(RotctldRequest::parse("\\dump_state"), 0, RotctldProtocol::state()),
                 QByteArray("1\n2\nmin_az=0.000000\nmax_az=360.000000\nmin_el=0.000000\nmax_el=90.000000\n"
                            "south_zero=0\nrot_type=Az\ndone\n"));
    }

    void replies_areReadAgainstWhatWasAsked_data()
    {
        QTest::addColumn<QList<Expect>>("asked");
        QTest::addColumn<QByteArrayList>("chunks");
        QTest::addColumn<QList<Reply>>("replies");
        QTest::addColumn<QString>("failure");
        const QList<Expect> pollThenTurn{Expect::position, Expect::report};
        QTest::newRow("position then report")
            << pollThenTurn << QByteArrayList{"12.50\n0.00\nRPRT 0\n"}
            << QList<Reply>{{Expect::position, 12.5, 0}, {Expect::report, std::nullopt, 0}} << QString();
        QTest::newRow("split anywhere, CR LF")
            << pollThenTurn << QByteArrayList{"-2", ".40\r\n0.0", "0\r\nRPRT -", "9\r\n"}
            << QList<Reply>{{Expect::position, -2.4, 0}, {Expect::report, std::nullopt, -9}} << QString();
        QTest::newRow("failed query") << pollThenTurn << QByteArrayList{"RPRT -5\n"}
                                      << QList<Reply>{{Expect::position, std::nullopt, -5}} << QString();
        QTest::newRow("success without a position") << pollThenTurn << QByteArrayList{"RPRT 0\n"} << QList<Reply>{}
                                                    << u"rotctld sent an answer this program cannot read."_s;
        QTest::newRow("text for a report") << QList<Expect>{Expect::report} << QByteArrayList{"OK\n"} << QList<Reply>{}
                                           << u"rotctld sent an answer this program cannot read."_s;
        QTest::newRow("nothing asked") << QList<Expect>{} << QByteArrayList{"RPRT 0\n"} << QList<Reply>{}
                                       << u"rotctld sent an answer to no command."_s;
        QTest::newRow("endless line") << pollThenTurn << QByteArrayList{QByteArray(600, '1'), QByteArray(600, '2')}
                                      << QList<Reply>{} << u"rotctld line exceeds 1024 bytes."_s;
    }
    void replies_areReadAgainstWhatWasAsked()
    {
        QFETCH(QList<Expect>, asked);
        QFETCH(QByteArrayList, chunks);
        QFETCH(QList<Reply>, replies);
        QFETCH(QString, failure);
        RotctldReplyReader reader;
        for (const Expect what : asked) {
            reader.expect(what);
        }
        QList<Reply> read;
        QString failed;
        for (const QByteArray& chunk : chunks) {
            const ProtocolResult<QList<Reply>> result = reader.append(chunk);
            if (!result) {
                failed = result.failure().description();
                break;
            }
            read += *result;
        }
        QCOMPARE(failed, failure);
        QCOMPARE(read, replies);
    }
};

QTEST_GUILESS_MAIN(RotctldProtocolTest)
#include "tst_RotctldProtocol.moc"

#include "LoggerTestSupport.h"
#include "core/integrations/AmateurBand.h"
#include "core/integrations/LoggerKind.h"
#include "core/integrations/LoggerProtocol.h"

#include <QTest>

#include <limits>

using namespace Qt::Literals::StringLiterals;

using Events = QList<LoggerEvent>;

namespace {

LoggerEvent frequency(int radio, double mhz)
{
    return LoggerEvent::frequency(radio, mhz);
}

QByteArray statusText(const QByteArray& station, const QByteArray& fields, const QByteArray& lastPiece)
{
    return "STATUS: \"" + station + "\" \"\" " + fields + " \"RUN\" \"\" " + lastPiece;
}

} // namespace

class TestLoggerProtocol final : public QObject {
    Q_OBJECT

    static void addColumns()
    {
        QTest::addColumn<QByteArray>("message");
        QTest::addColumn<QString>("station");
        QTest::addColumn<Events>("expected");
    }

    static void check(LoggerKind kind)
    {
        QFETCH(QByteArray, message);
        QFETCH(QString, station);
        QFETCH(Events, expected);
        QCOMPARE(LoggerProtocol::parse(message, kind, station), expected);
    }

private Q_SLOTS:
    void n1mm_data()
    {
        addColumns();
        const QString none;
        // Frequencies come in tens of hertz; radios 3 and 4 fold onto 1 and 2.
        QTest::newRow("radio 3, Freq") << n1mmRadioInfo("<RadioNr>3</RadioNr><Freq>1402500</Freq>") << none
                                       << Events{frequency(1, 1402500 / 100000.0)};
        QTest::newRow("TXFreq wins over Freq")
            << n1mmRadioInfo("<RadioNr>3</RadioNr><Freq>1402500</Freq><TXFreq>1403000</TXFreq>") << none
            << Events{frequency(1, 1403000 / 100000.0)};
        QTest::newRow("radio 4 is radio 2")
            << n1mmRadioInfo("<RadioNr>4</RadioNr><Freq>2100000</Freq>") << none << Events{frequency(2, 21.0)};
        QTest::newRow("lower-case radionr")
            << n1mmRadioInfo("<radionr>2</radionr><Freq>700000</Freq>") << none << Events{frequency(2, 7.0)};
        QTest::newRow("no radio number is radio 1")
            << n1mmRadioInfo("<Freq>350000</Freq>") << none << Events{frequency(1, 3.5)};
        QTest::newRow("focus first") << n1mmRadioInfo(
                                            "<Freq>2100000</Freq><FocusRadioNr>2</FocusRadioNr><RadioNr>2</RadioNr>")
                                     << none << Events{LoggerEvent::focus(2), frequency(2, 21.0)};
        QTest::newRow("focus 3 ignored")
            << n1mmRadioInfo("<RadioNr>1</RadioNr><FocusRadioNr>3</FocusRadioNr><Freq>2100000</Freq>") << none
            << Events{frequency(1, 21.0)};
        QTest::newRow("radio 5 drops all")
            << n1mmRadioInfo("<RadioNr>5</RadioNr><FocusRadioNr>1</FocusRadioNr><Freq>2100000</Freq>") << none
            << Events{};
        QTest::newRow("radio letter drops all")
            << n1mmRadioInfo("<RadioNr>A</RadioNr><FocusRadioNr>1</FocusRadioNr><Freq>2100000</Freq>") << none
            << Events{};
        QTest::newRow("zero frequency") << n1mmRadioInfo("<Freq>0</Freq>") << none << Events{};
        QTest::newRow("trailing characters") << n1mmRadioInfo("<Freq>1402500Hz</Freq>") << none << Events{};
        QTest::newRow("empty TXFreq does not fall back")
            << n1mmRadioInfo("<TXFreq></TXFreq><Freq>1402500</Freq>") << none << Events{};
        QTest::newRow("nested value unread") << n1mmRadioInfo("<Freq><v>1402500</v></Freq>") << none << Events{};
        QTest::newRow("no RadioInfo element") << QByteArray("<Freq>1402500</Freq>") << none << Events{};

        QTest::newRow("turn") << n1mmRotor("<rotor>Tower 1</rotor><goazi>123.5</goazi>") << none
                              << Events{LoggerEvent::turn(std::nullopt, 123.5)};
        QTest::newRow("turn, radio 2") << n1mmRotor("<goazi>360</goazi><RadioNr>2</RadioNr>") << none
                                       << Events{LoggerEvent::turn(2, 360.0)};
        QTest::newRow("turn 0") << n1mmRotor("<goazi>0</goazi>") << none
                                << Events{LoggerEvent::turn(std::nullopt, 0.0)};
        QTest::newRow("turn 361") << n1mmRotor("<goazi>361</goazi>") << none << Events{};
        QTest::newRow("turn without rotor message") << QByteArray("<goazi>90</goazi>") << none << Events{};
        QTest::newRow("empty stop") << n1mmRotor("<stop></stop>") << none << Events{LoggerEvent::stop(std::nullopt)};
        QTest::newRow("stop/") << n1mmRotor("<stop/>") << none << Events{LoggerEvent::stop(std::nullopt)};
        QTest::newRow("stop /") << n1mmRotor("<stop />") << none << Events{LoggerEvent::stop(std::nullopt)};
        QTest::newRow("nested stop") << n1mmNestedStop() << none << Events{LoggerEvent::stop(std::nullopt)};
        QTest::newRow("stop without rotor message") << QByteArray("<stop/>") << none << Events{};
        QTest::newRow("focus, turn, stop, frequency")
            << QByteArray("<RadioInfo><N1MMRotor><Freq>1400000</Freq><stop/><goazi>45</goazi><RadioNr>2</RadioNr>"
                          "<FocusRadioNr>1</FocusRadioNr></N1MMRotor></RadioInfo>")
            << none
            << Events{LoggerEvent::focus(1), LoggerEvent::turn(2, 45.0), LoggerEvent::stop(2), frequency(2, 14.0)};

        const QString filter = u"RUN"_s;
        QTest::newRow("StationName matches") << n1mmRadioInfo("<StationName>RUN</StationName><Freq>350000</Freq>")
                                             << filter << Events{frequency(1, 3.5)};
        QTest::newRow("station matches")
            << n1mmRotor("<StationName>MULT</StationName><station>RUN</station><goazi>10</goazi>") << filter
            << Events{LoggerEvent::turn(std::nullopt, 10.0)};
        QTest::newRow("StationName differs")
            << n1mmRadioInfo("<StationName>MULT</StationName><Freq>350000</Freq>") << filter << Events{};
        QTest::newRow("no station") << n1mmRadioInfo("<Freq>350000</Freq>") << filter << Events{};
        QTest::newRow("case matters") << n1mmRadioInfo("<StationName>run</StationName><Freq>350000</Freq>") << filter
                                      << Events{};

        QTest::newRow("document type") << "<!DOCTYPE x>" + n1mmRadioInfo("<Freq>350000</Freq>") << none << Events{};
        QTest::newRow("comment") << n1mmRadioInfo("<Freq>350000</Freq><!-- -->") << none << Events{};
        QTest::newRow("invalid UTF-8") << n1mmRadioInfo("<Freq>350000</Freq>\xff") << none << Events{};
        QTest::newRow("truncated UTF-8") << n1mmRadioInfo("<Freq>350000</Freq>\xc3") << none << Events{};

        const QByteArray message = n1mmRadioInfo("<Freq>350000</Freq>");
        QTest::newRow("8192 bytes") << message + QByteArray(8192 - message.size(), ' ') << none
                                    << Events{frequency(1, 3.5)};
        QTest::newRow("8193 bytes") << message + QByteArray(8193 - message.size(), ' ') << none << Events{};
    }
    void n1mm() { check(LoggerKind::n1mm); }

    void n3fjp_data()
    {
        addColumns();
        QTest::newRow("megahertz unscaled")
            << QByteArray("<CMD><READBMFRESPONSE><BAND>20</BAND><MODE>CW</MODE><FREQ>14.025</FREQ></CMD>") << QString()
            << Events{frequency(1, 14.025)};
        QTest::newRow("station filter unused")
            << QByteArray("<CMD><READBMFRESPONSE><FREQ> 7.01 </FREQ></CMD>") << u"RUN"_s << Events{frequency(1, 7.01)};
        QTest::newRow("other response") << QByteArray("<CMD><CALLTABEVENT><FREQ>14.025</FREQ></CMD>") << QString()
                                        << Events{};
        QTest::newRow("zero") << QByteArray("<CMD><READBMFRESPONSE><FREQ>0</FREQ></CMD>") << QString() << Events{};
        QTest::newRow("no FREQ") << QByteArray("<CMD><READBMFRESPONSE><BAND>20</BAND></CMD>") << QString() << Events{};
        QTest::newRow("entity declaration")
            << QByteArray("<!ENTITY f \"14\"><CMD><READBMFRESPONSE><FREQ>14.0</FREQ></CMD>") << QString() << Events{};
    }
    void n3fjp() { check(LoggerKind::n3fjp); }

    void winTest_data()
    {
        addColumns();
        // Frequencies come in hundreds of hertz; radio index 0 reads word 4, index 1 the last piece.
        const QByteArray radio1 = statusText("STN1", "0 1 0 1 140250", "143000");
        const QByteArray radio2 = statusText("STN1", "1 1 0 1 140250", " 143000\r\n");
        const Events radio1Events{LoggerEvent::focus(1), frequency(1, 140250 / 10000.0)};
        QTest::newRow("status, NUL after checksum") << winTestFrame(radio1) << QString() << radio1Events;
        QTest::newRow("status, no NUL") << winTestFrame(radio1, false) << QString() << radio1Events;
        QTest::newRow("status, radio index 1")
            << winTestFrame(radio2) << QString() << Events{LoggerEvent::focus(2), frequency(2, 143000 / 10000.0)};
        QTest::newRow("wrong checksum") << winTestFrame(radio1, true, false) << QString() << Events{};
        QTest::newRow("wrong checksum, no NUL") << winTestFrame(radio1, false, false) << QString() << Events{};
        QTest::newRow("only one NUL dropped") << winTestFrame(radio1) + '\0' << QString() << Events{};
        QTest::newRow("two bytes") << winTestFrame("A", false) << QString() << Events{};
        QTest::newRow("radio index 2") << winTestFrame(statusText("STN1", "2 1 0 1 140250", "143000")) << QString()
                                       << Events{};
        QTest::newRow("four words") << winTestFrame(statusText("STN1", "0 1 0 1", "143000")) << QString() << Events{};
        QTest::newRow("station matches") << winTestFrame(radio1) << u"STN1"_s << radio1Events;
        QTest::newRow("station differs") << winTestFrame(radio1) << u"STN2"_s << Events{};
        QTest::newRow("undefined 1252 byte")
            << winTestFrame(statusText("ST\x81", "0 1 0 1 140250", "0")) << QString() << Events{};

        QTest::newRow("azimuth") << winTestFrame("SETAZIMUTH: \"STN1\" \"\" 245.5") << QString()
                                 << Events{LoggerEvent::turn(std::nullopt, 245.5)};
        QTest::newRow("azimuth 361") << winTestFrame("SETAZIMUTH: \"STN1\" \"\" 361") << QString() << Events{};
        QTest::newRow("azimuth, too few quotes") << winTestFrame("SETAZIMUTH: \"STN1\" 245") << QString() << Events{};
        QTest::newRow("other message") << winTestFrame("RCVDPKT: \"STN1\" \"\" \"x\"") << QString() << Events{};
        // The "<!" refusal guards the element lookup, which Win-Test text does not go through.
        QTest::newRow("\"<!\" in Win-Test text") << winTestFrame("SETAZIMUTH: \"<!STN\" \"\" 10") << QString()
                                                 << Events{LoggerEvent::turn(std::nullopt, 10.0)};
    }
    void winTest() { check(LoggerKind::winTest); }

    void keyboard_data()
    {
        addColumns();
        QTest::newRow("trimmed") << QByteArray("  Ctrl+Alt+F1 \r\n") << u"RUN"_s
                                 << Events{LoggerEvent::key(u"Ctrl+Alt+F1"_s)};
        QTest::newRow("non-ASCII") << QByteArray("\xc3\xa9") << QString() << Events{LoggerEvent::key(u"\u00e9"_s)};
        QTest::newRow("tab inside") << QByteArray("F\t1") << QString() << Events{};
        QTest::newRow("blank") << QByteArray(" \r\n") << QString() << Events{};
        QTest::newRow("512 bytes") << QByteArray(512, 'k') << QString() << Events{LoggerEvent::key(QString(512, u'k'))};
        QTest::newRow("513 bytes") << QByteArray(513, 'k') << QString() << Events{};
        QTest::newRow("\"<!\"") << QByteArray("<!F1") << QString() << Events{};
    }
    void keyboard() { check(LoggerKind::keyboard); }

    void amateurBand_data()
    {
        QTest::addColumn<double>("mhz");
        QTest::addColumn<QString>("band");
        QTest::newRow("160m lower edge") << 1.8 << u"160m"_s;
        QTest::newRow("20m upper edge") << 14.35 << u"20m"_s;
        QTest::newRow("just above 20m") << 14.351 << QString();
        QTest::newRow("30m") << 10.125 << u"30m"_s;
        QTest::newRow("1.25m") << 223.5 << u"1.25m"_s;
        QTest::newRow("23cm upper edge") << 1300.0 << u"23cm"_s;
        QTest::newRow("zero") << 0.0 << QString();
        QTest::newRow("negative") << -14.1 << QString();
        QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN() << QString();
    }
    void amateurBand()
    {
        QFETCH(double, mhz);
        QFETCH(QString, band);
        QCOMPARE(AmateurBand::name(mhz).value_or(QString()), band);
    }

    void loggerKind_rawValuesRoundTripInPickerOrder()
    {
        const QStringList expected{u"N1MM"_s, u"N3FJP"_s, u"Win-Test"_s, u"Keyboard UDP"_s};
        QStringList labels;
        for (const LoggerKind kind : allLoggerKinds) {
            labels.append(rawValue(kind));
            QCOMPARE(loggerKind(rawValue(kind)), std::optional(kind));
        }
        QCOMPARE(labels, expected);
        QCOMPARE(loggerKind(u"n1mm"), std::nullopt);
    }
};

QTEST_GUILESS_MAIN(TestLoggerProtocol)
#include "tst_loggerprotocol.moc"

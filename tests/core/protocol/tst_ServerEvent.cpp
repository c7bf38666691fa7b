#include "core/protocol/ServerEvent.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

using SE = ServerEvent;

namespace {

const QString us = QString(QChar(31));
const QString gs = QString(QChar(29));

// Fields joined by the unit separator.
QString line(const QStringList& fields)
{
    return fields.join(us);
}

ServerEvent ev(ServerEvent::Value value)
{
    return ServerEvent{std::move(value)};
}

ServerEvent turvix(TurvixEvent::Value value)
{
    return ev(SE::Turvix{TurvixEvent{std::move(value)}});
}

const ServerEvent unknown = ev(SE::Unknown{});

SwitchPosition band(const QString& name, double lower, double upper)
{
    return SwitchPosition{name, lower, upper, {}, {}, false};
}

QStringList numbered(const QString& prefix, int count)
{
    QStringList names;
    for (int i = 1; i <= count; ++i) {
        names.append(prefix + QString::number(i));
    }
    return names;
}

// Enough of an event to see in a failure message which case and name came out.
QByteArray describe(const ServerEvent& event)
{
    QByteArray text = "case " + QByteArray::number(event.value.index());
    std::visit(
        [&text](const auto& payload) {
            if constexpr (requires { payload.name; }) {
                text += " name " + payload.name.toUtf8();
            }
        },
        event.value);
    return text;
}

} // namespace

class ServerEventTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void parse_sessionLines_data();
    void parse_sessionLines();
    void parse_deviceLines_data();
    void parse_deviceLines();
    void parse_tunerLines_data();
    void parse_tunerLines();
    void turvixParse_ignoresOtherKeywords();

private:
    static void columns();
    static void check();
};

void ServerEventTest::columns()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<ServerEvent>("expected");
}

void ServerEventTest::check()
{
    QFETCH(QString, text);
    QFETCH(ServerEvent, expected);
    const ServerEvent actual = ServerEvent::parse(text);
    QVERIFY2(actual == expected, describe(actual) + " instead of " + describe(expected));
}

void ServerEventTest::parse_sessionLines_data()
{
    columns();
    QTest::newRow("user prompt") << u"USER:"_s << ev(SE::UserRequired{});
    QTest::newRow("user prompt with text") << u"USER: name please"_s << ev(SE::UserRequired{});
    QTest::newRow("empty challenge") << u"PASS:"_s << ev(SE::Challenge{});
    QTest::newRow("blank starts the challenge") << u"PASS: 4F\x1f"
                                                   "2A"_s
                                                << ev(SE::Challenge{u" 4F\x1f"
                                                                    "2A"_s});
    QTest::newRow("rejected") << u"INVALID USER/PASS"_s << ev(SE::Rejected{});
    QTest::newRow("rejected with trailing blank") << u"INVALID USER/PASS "_s << unknown;
    QTest::newRow("full") << u"SERVER_FULL"_s << ev(SE::Full{});
    QTest::newRow("full with text") << u"SERVER_FULL try later"_s << ev(SE::Full{});
    QTest::newRow("close") << u"CLOSE"_s << ev(SE::Closed{});
    QTest::newRow("anything beginning CLOSE") << u"CLOSED by operator"_s << ev(SE::Closed{});
    QTest::newRow("lower-case close") << u"close"_s << unknown;
    QTest::newRow("no locations") << u"LOCATIONS"_s << ev(SE::Locations{});
    QTest::newRow("locations sorted and unique")
        << line({u"LOCATIONS"_s, u"B"_s, u"A"_s, QString(), u"B"_s}) << ev(SE::Locations{{u"A"_s, u"B"_s}});
    QTest::newRow("locations case-sensitive")
        << line({u"LOCATIONS"_s, u"b"_s, u"B"_s, u"a"_s}) << ev(SE::Locations{{u"B"_s, u"a"_s, u"b"_s}});
    QTest::newRow("locations canonically equal")
        << line({u"LOCATIONS"_s, u"Cafe\u0301"_s, u"Café"_s}) << ev(SE::Locations{{u"Cafe\u0301"_s}});
    QTest::newRow("locations by scalar value")
        << line({u"LOCATIONS"_s, u"\U0001F4E1"_s, u"\uFF21"_s}) << ev(SE::Locations{{u"\uFF21"_s, u"\U0001F4E1"_s}});
    QTest::newRow("location with tab") << line({u"LOCATIONS"_s, u"A"_s, u"B\tC"_s}) << unknown;
    QTest::newRow("empty line") << QString() << unknown;
    QTest::newRow("unknown keyword") << line({u"HELLO"_s, u"x"_s}) << unknown;
    QTest::newRow("keyword case matters") << line({u"add"_s, u"North"_s}) << unknown;
}

void ServerEventTest::parse_sessionLines()
{
    check();
}

void ServerEventTest::parse_deviceLines_data()
{
    columns();
    QTest::newRow("add") << line({u"ADD"_s, u"North"_s}) << ev(SE::Add{u"North"_s});
    QTest::newRow("add with extra field") << line({u"ADD"_s, u"North"_s, u"x"_s}) << ev(SE::Add{u"North"_s});
    QTest::newRow("add alone") << u"ADD"_s << unknown;
    QTest::newRow("add with empty name") << line({u"ADD"_s, QString()}) << unknown;
    QTest::newRow("add with name of 513 bytes") << line({u"ADD"_s, QString(513, u'n')}) << unknown;
    QTest::newRow("remove") << line({u"REMOVE"_s, u"North"_s}) << ev(SE::Remove{u"North"_s});

    QTest::newRow("point without status")
        << line({u"POINT"_s, u"North"_s, u"123.5"_s}) << ev(SE::Point{u"North"_s, 123.5, u"2"_s});
    QTest::newRow("point with status and signal")
        << line({u"POINT"_s, u"North"_s, u"0"_s, u"9"_s, u"-67"_s}) << ev(SE::Point{u"North"_s, 0.0, u"9"_s});
    QTest::newRow("point with empty status")
        << line({u"POINT"_s, u"North"_s, u"10"_s, QString()}) << ev(SE::Point{u"North"_s, 10.0, QString()});
    QTest::newRow("point beyond 360") << line({u"POINT"_s, u"North"_s, u"400"_s})
                                      << ev(SE::Point{u"North"_s, 400.0, u"2"_s});
    QTest::newRow("point heading inf") << line({u"POINT"_s, u"North"_s, u"inf"_s}) << unknown;
    QTest::newRow("point heading nan") << line({u"POINT"_s, u"North"_s, u"nan"_s}) << unknown;
    QTest::newRow("point heading abc") << line({u"POINT"_s, u"North"_s, u"abc"_s}) << unknown;
    QTest::newRow("point heading with blank") << line({u"POINT"_s, u"North"_s, u" 12"_s}) << unknown;
    QTest::newRow("point without heading") << line({u"POINT"_s, u"North"_s}) << unknown;

    QTest::newRow("stack add") << line({u"STACKADD"_s, u"A,B"_s}) << ev(SE::StackAdded{{u"A"_s, u"B"_s}});
    QTest::newRow("stack add four") << line({u"STACKADD"_s, u"A,B,C,D"_s})
                                    << ev(SE::StackAdded{{u"A"_s, u"B"_s, u"C"_s, u"D"_s}});
    QTest::newRow("stack add five") << line({u"STACKADD"_s, u"A,B,C,D,E"_s}) << unknown;
    QTest::newRow("stack add empty name") << line({u"STACKADD"_s, u"A,,B"_s}) << unknown;
    QTest::newRow("stack remove") << line({u"STACKREMOVE"_s, u"A"_s}) << ev(SE::StackRemoved{{u"A"_s}});
    const QStringList stack{u"STACK"_s, u"A,B"_s, u"true"_s, u"false"_s, u"no"_s, u"x"_s, u"0"_s, u"-1"_s};
    QTest::newRow("stack update") << line(stack) << ev(SE::StackUpdated{{u"A"_s, u"B"_s}, {true, false}, u"0"_s});
    QStringList badFirstFlags = stack;
    badFirstFlags[3] = u"no"_s;
    QTest::newRow("stack update bad flag read") << line(badFirstFlags) << unknown;
    QStringList upperCase = stack;
    upperCase[2] = u"TRUE"_s;
    QTest::newRow("stack update upper-case flag") << line(upperCase) << unknown;
    QTest::newRow("stack update 7 fields") << line(stack.first(7)) << unknown;
    QStringList five = stack;
    five[1] = u"A,B,C,D,E"_s;
    QTest::newRow("stack update five names") << line(five) << unknown;

    const QString type2 = u"2"_s;
    QTest::newRow("switch add") << line({u"SWITCHADD"_s, u"3"_s, u"Bands"_s + gs + u"x"_s,
                                         u"20m"_s + gs + u"14.0"_s + gs + u"14.35"_s, u"40m"_s})
                                << ev(SE::SwitchAdded{u"Bands"_s, {u"20m"_s, u"40m"_s}, 3});
    QTest::newRow("switch add negative type")
        << line({u"SWITCHADD"_s, u"-1"_s, u"S"_s, u"A"_s}) << ev(SE::SwitchAdded{u"S"_s, {u"A"_s}, -1});
    QTest::newRow("switch add type x") << line({u"SWITCHADD"_s, u"x"_s, u"S"_s, u"A"_s}) << unknown;
    QTest::newRow("switch add no positions") << line({u"SWITCHADD"_s, u"1"_s, u"S"_s}) << unknown;
    QTest::newRow("switch add position twice")
        << line({u"SWITCHADD"_s, type2, u"S"_s, u"A"_s + gs + u"10"_s, u"A"_s + gs + u"20"_s}) << unknown;
    QTest::newRow("switch add empty position") << line({u"SWITCHADD"_s, u"1"_s, u"S"_s, u"A"_s, QString()}) << unknown;
    QTest::newRow("switch add empty name") << line({u"SWITCHADD"_s, u"1"_s, gs + u"x"_s, u"A"_s}) << unknown;

    QTest::newRow("switch locks name only") << line({u"SWITCHLOCKS"_s, u"S"_s}) << ev(SE::SwitchLocks{u"S"_s, {}});
    QTest::newRow("switch locks drops empty") << line({u"SWITCHLOCKS"_s, u"S"_s, QString(), u"A"_s, u"OFF"_s})
                                              << ev(SE::SwitchLocks{u"S"_s, {u"A"_s, u"OFF"_s}});
    QTest::newRow("switch locks with tab") << line({u"SWITCHLOCKS"_s, u"S"_s, u"A\tB"_s}) << unknown;

    QTest::newRow("switch update") << line({u"SWITCHUPDATE"_s, u"S"_s, u"A,C"_s, u"0"_s, u"-60"_s})
                                   << ev(SE::SwitchUpdated{u"S"_s, u"A,C"_s, u"0"_s});
    QTest::newRow("switch update empty position")
        << line({u"SWITCHUPDATE"_s, u"S"_s, QString(), u"0"_s}) << ev(SE::SwitchUpdated{u"S"_s, QString(), u"0"_s});
    QTest::newRow("switch update 3 fields") << line({u"SWITCHUPDATE"_s, u"S"_s, u"A"_s}) << unknown;
    QTest::newRow("switch update empty name") << line({u"SWITCHUPDATE"_s, QString(), u"A"_s, u"0"_s}) << unknown;
    QTest::newRow("switch remove") << line({u"SWITCHREMOVE"_s, u"S"_s}) << ev(SE::SwitchRemoved{u"S"_s});
}

void ServerEventTest::parse_deviceLines()
{
    check();
}

void ServerEventTest::parse_tunerLines_data()
{
    columns();
    QTest::newRow("tuner update one heading")
        << line({u"TURVIX"_s, u"T"_s, u"0"_s, u"-70"_s, u"20m"_s, u"12.5"_s})
        << turvix(TurvixEvent::Updated{u"T"_s, u"0"_s, u"-70"_s, u"20m"_s, {12.5}});
    QStringList sixteen{u"TURVIX"_s, u"T"_s, u"9"_s, QString(), u"any\tthing"_s};
    QList<double> headings;
    for (int i = 0; i < 16; ++i) {
        sixteen.append(QString::number(i * 10));
        headings.append(i * 10);
    }
    QTest::newRow("tuner update 16 headings")
        << line(sixteen) << turvix(TurvixEvent::Updated{u"T"_s, u"9"_s, QString(), u"any\tthing"_s, headings});
    QTest::newRow("tuner update 17 headings") << line(sixteen + QStringList{u"1"_s}) << unknown;
    QTest::newRow("tuner update no heading") << line({u"TURVIX"_s, u"T"_s, u"0"_s, u"-70"_s, u"20m"_s}) << unknown;
    QTest::newRow("tuner update heading nan")
        << line({u"TURVIX"_s, u"T"_s, u"0"_s, u"-70"_s, u"20m"_s, u"1"_s, u"nan"_s}) << unknown;

    const QStringList add{u"TURVIXADD"_s,
                          u"T"_s,
                          u"E1"_s + gs + u"E2"_s,
                          u"20m"_s + gs + u"15m"_s,
                          u"14.0"_s + gs + u"21.0"_s,
                          u"14.35"_s + gs + u"21.45"_s};
    QTest::newRow("tuner add") << line(add)
                               << turvix(
                                      TurvixEvent::Added{u"T"_s,
                                                         {u"E1"_s, u"E2"_s},
                                                         {band(u"20m"_s, 14.0, 14.35), band(u"15m"_s, 21.0, 21.45)}});
    QStringList rotors16 = add;
    rotors16[2] = numbered(u"E"_s, 16).join(gs);
    QTest::newRow("tuner add 16 rotors") << line(rotors16)
                                         << turvix(TurvixEvent::Added{
                                                u"T"_s,
                                                numbered(u"E"_s, 16),
                                                {band(u"20m"_s, 14.0, 14.35), band(u"15m"_s, 21.0, 21.45)}});
    QStringList rotors17 = add;
    rotors17[2] = numbered(u"E"_s, 17).join(gs);
    QTest::newRow("tuner add 17 rotors") << line(rotors17) << unknown;
    QStringList sameRotor = add;
    sameRotor[2] = u"E1"_s + gs + u"E1"_s;
    QTest::newRow("tuner add rotor twice") << line(sameRotor) << unknown;
    QStringList unequal = add;
    unequal[5] = u"14.35"_s;
    QTest::newRow("tuner add unequal lists") << line(unequal) << unknown;
    QStringList reversed = add;
    reversed[4] = u"14.5"_s + gs + u"21.0"_s;
    QTest::newRow("tuner add lower above upper") << line(reversed) << unknown;
    QStringList notNumber = add;
    notNumber[4] = u"x"_s + gs + u"21.0"_s;
    QTest::newRow("tuner add bound not a number") << line(notNumber) << unknown;
    QStringList samePosition = add;
    samePosition[3] = u"20m"_s + gs + u"20m"_s;
    QTest::newRow("tuner add position twice") << line(samePosition) << unknown;
    QTest::newRow("tuner add 7 fields") << line(add + QStringList{u"x"_s}) << unknown;
    QTest::newRow("tuner add 5 fields") << line(add.first(5)) << unknown;
    QTest::newRow("tuner remove") << line({u"TURVIXREMOVE"_s, u"T"_s}) << turvix(TurvixEvent::Removed{u"T"_s});
    QTest::newRow("tuner remove empty name") << line({u"TURVIXREMOVE"_s, QString()}) << unknown;
    QTest::newRow("other tuner keyword") << line({u"TURVIXFOO"_s, u"T"_s}) << unknown;
}

void ServerEventTest::parse_tunerLines()
{
    check();
}

void ServerEventTest::turvixParse_ignoresOtherKeywords()
{
    QVERIFY(!TurvixEvent::parse({u"TURVIXREMOVE"}));
    QVERIFY(!TurvixEvent::parse({u"ADD", u"North"}));
    QVERIFY(!TurvixEvent::parse({u"turvixremove", u"T"}));
    QCOMPARE(TurvixEvent::parse({u"TURVIXREMOVE", u"T"}), std::optional(TurvixEvent{TurvixEvent::Removed{u"T"_s}}));
}

QTEST_GUILESS_MAIN(ServerEventTest)
#include "tst_ServerEvent.moc"

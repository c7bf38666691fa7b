#include "core/model/StationState.h"
#include "core/protocol/ServerEvent.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

using SE = ServerEvent;
using OptionalInstant = std::optional<Instant>;

namespace {

const Instant t0(800'000'000.0);
const QString us = QString(QChar(31));
const QString gs = QString(QChar(29));

// Parses and applies each line at the given time, as the client does.
void receive(StationState& state, const QStringList& fields, Instant at)
{
    state.apply(ServerEvent::parse(fields.join(us)), at);
}

StationState populated()
{
    StationState state;
    receive(state, {u"ADD"_s, u"North"_s}, t0);
    receive(state, {u"POINT"_s, u"North"_s, u"90"_s, u"0"_s}, t0);
    receive(state, {u"SWITCHADD"_s, u"1"_s, u"Bands"_s, u"A"_s, u"B"_s}, t0);
    receive(state, {u"SWITCHUPDATE"_s, u"Bands"_s, u"A"_s, u"0"_s}, t0);
    receive(state, {u"STACKADD"_s, u"Up,Down"_s}, t0);
    receive(state, {u"STACK"_s, u"Up,Down"_s, u"true"_s, u"false"_s, u"x"_s, u"x"_s, u"0"_s, u"x"_s}, t0);
    receive(state, {u"TURVIX"_s, u"T"_s, u"0"_s, u"-70"_s, u"20m"_s, u"10"_s}, t0);
    receive(state, {u"LOCATIONS"_s, u"Home"_s}, t0);
    return state;
}

} // namespace

class StationUpdatesTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void point_marksHeadingChangeOnlyForMovesWhileFresh_data();
    void point_marksHeadingChangeOnlyForMovesWhileFresh();
    void point_createsUnknownRotorWithoutChange();
    void add_keepsExistingRotor();
    void switchLocks_leaveOutOffInAnyCase();
    void switchUpdate_createsSwitchOfDisplayTypeZero();
    void switchAdd_keepsStateOfKnownSwitch();
    void stackUpdate_needsOneFlagPerName_data();
    void stackUpdate_needsOneFlagPerName();
    void stackAddAndRemove_keepOrDropOutputs();
    void tunerAdd_keepsReportedState();
    void removals_dropOnlyTheNamedDevice();
    void derivedEvents_setSignalsAndMetadata();
    void sessionEvents_changeNothing_data();
    void sessionEvents_changeNothing();
};

void StationUpdatesTest::point_marksHeadingChangeOnlyForMovesWhileFresh_data()
{
    QTest::addColumn<double>("previous");
    QTest::addColumn<double>("age");
    QTest::addColumn<double>("heading");
    QTest::addColumn<bool>("change");
    QTest::newRow("across north 359.9 to 0.2") << 359.9 << 1.0 << 0.2 << true;
    QTest::newRow("across north 0.2 to 359.9") << 0.2 << 1.0 << 359.9 << true;
    QTest::newRow("10.0 to 10.2") << 10.0 << 1.0 << 10.2 << false;
    QTest::newRow("exactly a quarter degree") << 10.0 << 1.0 << 10.25 << true;
    QTest::newRow("after 9 s of silence") << 10.0 << 9.0 << 200.0 << false;
    QTest::newRow("after exactly 8 s") << 10.0 << 8.0 << 200.0 << false;
    QTest::newRow("after 7.99 s") << 10.0 << 7.99 << 200.0 << true;
    QTest::newRow("725 against 5") << 5.0 << 1.0 << 725.0 << false;
    QTest::newRow("negative heading") << 0.0 << 1.0 << -90.0 << true;
    QTest::newRow("half circle") << 0.0 << 1.0 << 180.0 << true;
}

void StationUpdatesTest::point_marksHeadingChangeOnlyForMovesWhileFresh()
{
    QFETCH(double, previous);
    QFETCH(double, age);
    QFETCH(double, heading);
    QFETCH(bool, change);
    const Instant earlierChange = t0 - 100.0;
    StationState state;
    state.rotors.insert(u"R"_s, Rotor{u"R"_s, previous, u"0"_s, t0 - age, earlierChange});

    state.apply(ServerEvent{SE::Point{u"R"_s, heading, u"8"_s}}, t0);

    const Rotor& rotor = state.rotors.value(u"R"_s);
    QCOMPARE(rotor.lastHeadingChange, OptionalInstant(change ? t0 : earlierChange));
    QCOMPARE(rotor.heading, std::optional<double>(heading));
    QCOMPARE(rotor.status, u"8"_s);
    QCOMPARE(rotor.updated, OptionalInstant(t0));
}

void StationUpdatesTest::point_createsUnknownRotorWithoutChange()
{
    StationState state;
    receive(state, {u"POINT"_s, u"New"_s, u"725"_s}, t0);
    QCOMPARE(state.rotors.keys(), QStringList{u"New"_s});
    QVERIFY(state.rotors.value(u"New"_s) == (Rotor{u"New"_s, 725.0, u"2"_s, t0, {}}));

    // A rotor announced by name alone has no heading, so its first report is no change either.
    receive(state, {u"ADD"_s, u"Bare"_s}, t0);
    receive(state, {u"POINT"_s, u"Bare"_s, u"180"_s, u"0"_s}, t0 + 1.0);
    QCOMPARE(state.rotors.value(u"Bare"_s).lastHeadingChange, OptionalInstant());
}

void StationUpdatesTest::add_keepsExistingRotor()
{
    StationState state = populated();
    const Rotor before = state.rotors.value(u"North"_s);
    receive(state, {u"ADD"_s, u"North"_s}, t0 + 5.0);
    QVERIFY(state.rotors.value(u"North"_s) == before);
    receive(state, {u"ADD"_s, u"South"_s}, t0 + 5.0);
    QVERIFY(state.rotors.value(u"South"_s) == (Rotor{u"South"_s, {}, {}, {}, {}}));
}

void StationUpdatesTest::switchLocks_leaveOutOffInAnyCase()
{
    StationState state = populated();
    receive(state, {u"SWITCHLOCKS"_s, u"Bands"_s, u"A"_s, u"off"_s, u"Off"_s, u"OFF"_s, u"Offset"_s}, t0);
    QCOMPARE(state.switches.value(u"Bands"_s).lockedPositions, (QSet<QString>{u"A"_s, u"Offset"_s}));
    receive(state, {u"SWITCHLOCKS"_s, u"Bands"_s}, t0);
    QVERIFY(state.switches.value(u"Bands"_s).lockedPositions.isEmpty());
}

void StationUpdatesTest::switchUpdate_createsSwitchOfDisplayTypeZero()
{
    StationState state;
    receive(state, {u"SWITCHUPDATE"_s, u"New"_s, QString(), u"0"_s}, t0);
    const AntennaSwitch antennaSwitch = state.switches.value(u"New"_s);
    QCOMPARE(antennaSwitch.name, u"New"_s);
    QCOMPARE(antennaSwitch.displayType, 0);
    QVERIFY(antennaSwitch.positions.isEmpty());
    QCOMPARE(antennaSwitch.position, std::optional<QString>(QString()));
    QCOMPARE(antennaSwitch.status, u"0"_s);
    QCOMPARE(antennaSwitch.updated, OptionalInstant(t0));
    QVERIFY(!antennaSwitch.accepts(QString(), t0));
}

void StationUpdatesTest::switchAdd_keepsStateOfKnownSwitch()
{
    StationState state = populated();
    receive(state, {u"SWITCHLOCKS"_s, u"Bands"_s, u"B"_s}, t0);
    state.apply(ServerEvent{SE::SwitchMetadata{u"Bands"_s, {SwitchPosition{u"A"_s, 1.0, 2.0, {}, {}, false}}}}, t0);
    AntennaSwitch expected = state.switches.value(u"Bands"_s);

    receive(state, {u"SWITCHADD"_s, u"4"_s, u"Bands"_s, u"A"_s, u"C"_s}, t0 + 3.0);
    expected.positions = {u"A"_s, u"C"_s};
    expected.displayType = 4;
    QVERIFY(state.switches.value(u"Bands"_s) == expected);
}

void StationUpdatesTest::stackUpdate_needsOneFlagPerName_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QList<bool>>("selected");
    QTest::addColumn<bool>("applied");
    QTest::newRow("one flag per name") << QStringList{u"Up"_s, u"New"_s} << QList<bool>{false, true} << true;
    QTest::newRow("two names, three flags")
        << QStringList{u"Up"_s, u"New"_s} << QList<bool>{false, true, true} << false;
    QTest::newRow("two names, one flag") << QStringList{u"Up"_s, u"New"_s} << QList<bool>{false} << false;
    QTest::newRow("empty") << QStringList() << QList<bool>() << false;
}

void StationUpdatesTest::stackUpdate_needsOneFlagPerName()
{
    QFETCH(QStringList, names);
    QFETCH(QList<bool>, selected);
    QFETCH(bool, applied);
    StationState state = populated();
    const StationState before = state;
    state.apply(ServerEvent{SE::StackUpdated{names, selected, u"1"_s}}, t0 + 2.0);
    if (!applied) {
        QVERIFY(state == before);
        return;
    }
    QVERIFY(state.stacks.value(u"Up"_s) == (StackOutput{u"Up"_s, false, u"1"_s, t0 + 2.0}));
    QVERIFY(state.stacks.value(u"New"_s) == (StackOutput{u"New"_s, true, u"1"_s, t0 + 2.0}));
    QVERIFY(state.stacks.value(u"Down"_s) == before.stacks.value(u"Down"_s));
}

void StationUpdatesTest::stackAddAndRemove_keepOrDropOutputs()
{
    StationState state = populated();
    const StackOutput up = state.stacks.value(u"Up"_s);
    QVERIFY(up.selected);
    receive(state, {u"STACKADD"_s, u"Up,Side"_s}, t0 + 1.0);
    QVERIFY(state.stacks.value(u"Up"_s) == up);
    QVERIFY(state.stacks.value(u"Side"_s) == (StackOutput{u"Side"_s, false, QString(), {}}));
    receive(state, {u"STACKREMOVE"_s, u"Up,Gone"_s}, t0 + 1.0);
    QCOMPARE(state.stacks.keys(), (QStringList{u"Down"_s, u"Side"_s}));
}

void StationUpdatesTest::tunerAdd_keepsReportedState()
{
    StationState state = populated();
    const TurvixTuner reported = state.tuners.value(u"T"_s);
    QCOMPARE(reported.updated, OptionalInstant(t0));
    QCOMPARE(reported.headings, QList<double>{10.0});

    receive(state,
            {u"TURVIXADD"_s, u"T"_s, u"E1"_s, u"20m"_s + gs + u"15m"_s, u"14"_s + gs + u"21"_s,
             u"14.35"_s + gs + u"21.45"_s},
            t0 + 4.0);
    TurvixTuner expected = reported;
    expected.rotors = {u"E1"_s};
    expected.positions = {SwitchPosition{u"20m"_s, 14.0, 14.35, {}, {}, false},
                          SwitchPosition{u"15m"_s, 21.0, 21.45, {}, {}, false}};
    QVERIFY(state.tuners.value(u"T"_s) == expected);

    receive(state, {u"TURVIX"_s, u"U"_s, u"9"_s, u"-1"_s, u"15m"_s, u"1"_s, u"2"_s}, t0 + 5.0);
    const TurvixTuner created = state.tuners.value(u"U"_s);
    QVERIFY(created.rotors.isEmpty());
    QCOMPARE(created.headings, (QList<double>{1.0, 2.0}));
    QCOMPARE(created.updated, OptionalInstant(t0 + 5.0));
}

void StationUpdatesTest::removals_dropOnlyTheNamedDevice()
{
    StationState state = populated();
    receive(state, {u"ADD"_s, u"South"_s}, t0);
    receive(state, {u"REMOVE"_s, u"North"_s}, t0);
    receive(state, {u"REMOVE"_s, u"Nobody"_s}, t0);
    QCOMPARE(state.rotors.keys(), QStringList{u"South"_s});
    receive(state, {u"SWITCHREMOVE"_s, u"Bands"_s}, t0);
    QVERIFY(state.switches.isEmpty());
    receive(state, {u"TURVIXREMOVE"_s, u"T"_s}, t0);
    QVERIFY(state.tuners.isEmpty());
    QCOMPARE(state.stacks.size(), 2);
}

void StationUpdatesTest::derivedEvents_setSignalsAndMetadata()
{
    StationState state = populated();
    state.apply(ServerEvent{SE::Signal{u"North"_s, -67}}, t0);
    state.apply(ServerEvent{SE::Signal{u"North"_s, -50}}, t0);
    QCOMPARE(state.signals, (QMap<QString, int>{{u"North"_s, -50}}));

    const QList<SwitchPosition> metadata{SwitchPosition{u"A"_s, {}, {}, 10.0, 60.0, true}};
    state.apply(ServerEvent{SE::SwitchMetadata{u"Other"_s, metadata}}, t0);
    QCOMPARE(state.switches.value(u"Other"_s).metadata, metadata);
    QCOMPARE(state.switches.value(u"Other"_s).displayType, 0);

    receive(state, {u"LOCATIONS"_s, u"B"_s, u"A"_s}, t0);
    QCOMPARE(state.locations, (QStringList{u"A"_s, u"B"_s}));
}

void StationUpdatesTest::sessionEvents_changeNothing_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("user") << u"USER:"_s;
    QTest::newRow("challenge") << u"PASS:abc"_s;
    QTest::newRow("rejected") << u"INVALID USER/PASS"_s;
    QTest::newRow("full") << u"SERVER_FULL"_s;
    QTest::newRow("closed") << u"CLOSE"_s;
    QTest::newRow("malformed point") << (QStringList{u"POINT"_s, u"North"_s, u"abc"_s}.join(us));
}

void StationUpdatesTest::sessionEvents_changeNothing()
{
    QFETCH(QString, text);
    StationState state = populated();
    const StationState before = state;
    state.apply(ServerEvent::parse(text), t0 + 1.0);
    QVERIFY(state == before);
}

QTEST_GUILESS_MAIN(StationUpdatesTest)
#include "tst_StationUpdates.moc"

#include "core/model/AntennaSwitch.h"
#include "core/model/Rotor.h"
#include "core/model/StackOutput.h"
#include "core/model/SwitchPosition.h"
#include "core/model/TurvixTuner.h"

#include <QTest>
#include <QTimeZone>

#include <limits>

using namespace Qt::Literals::StringLiterals;

using OptionalPosition = std::optional<SwitchPosition>;
Q_DECLARE_METATYPE(OptionalPosition)

namespace {

const Instant now(800'000'000.0);
const QString gs = QString(QChar(29));

SwitchPosition position(const QString& name, std::optional<double> lower = {}, std::optional<double> upper = {},
                        std::optional<double> bearing = {}, std::optional<double> width = {},
                        bool bidirectional = false)
{
    return SwitchPosition{name, lower, upper, bearing, width, bidirectional};
}

} // namespace

class StationModelTest final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void freshness_endsAtEightSeconds_data();
    void freshness_endsAtEightSeconds();
    void headingChanging_endsAtThreeSeconds_data();
    void headingChanging_endsAtThreeSeconds();
    void rotorStatus_followsTheCodeTable_data();
    void rotorStatus_followsTheCodeTable();
    void displayStatus_showsChangeOnlyForReadyCodes_data();
    void displayStatus_showsChangeOnlyForReadyCodes();
    void switchAccepts_requiresOperableReadyFreshUnlockedPosition_data();
    void switchAccepts_requiresOperableReadyFreshUnlockedPosition();
    void switchSelected_splitsOnlyMultiSelectPositions_data();
    void switchSelected_splitsOnlyMultiSelectPositions();
    void tunerControllable_needsReadyStatusAndFreshReport_data();
    void tunerControllable_needsReadyStatusAndFreshReport();
    void contains_isInclusiveAndRejectsNonFinite_data();
    void contains_isInclusiveAndRejectsNonFinite();
    void wirePosition_readsNumbersByDisplayType_data();
    void wirePosition_readsNumbersByDisplayType();
    void instant_countsSecondsFromReferenceDate();
};

void StationModelTest::freshness_endsAtEightSeconds_data()
{
    QTest::addColumn<std::optional<double>>("age");
    QTest::addColumn<bool>("fresh");
    QTest::newRow("just applied") << std::optional<double>(0.0) << true;
    QTest::newRow("7.99 seconds old") << std::optional<double>(7.99) << true;
    QTest::newRow("exactly 8 seconds old") << std::optional<double>(8.0) << false;
    QTest::newRow("long silent") << std::optional<double>(3600.0) << false;
    QTest::newRow("never reported") << std::optional<double>() << false;
}

void StationModelTest::freshness_endsAtEightSeconds()
{
    QFETCH(std::optional<double>, age);
    QFETCH(bool, fresh);
    std::optional<Instant> updated;
    if (age) {
        updated = now - *age;
    }
    const Rotor rotor{u"R"_s, 10.0, u"0"_s, updated, {}};
    QCOMPARE(rotor.fresh(now), fresh);
    AntennaSwitch antennaSwitch;
    antennaSwitch.updated = updated;
    QCOMPARE(antennaSwitch.fresh(now), fresh);
    const StackOutput output{u"K"_s, true, u"0"_s, updated};
    QCOMPARE(output.fresh(now), fresh);
    TurvixTuner tuner;
    tuner.updated = updated;
    QCOMPARE(tuner.fresh(now), fresh);
}

void StationModelTest::headingChanging_endsAtThreeSeconds_data()
{
    QTest::addColumn<std::optional<double>>("sinceChange");
    QTest::addColumn<bool>("changing");
    QTest::newRow("2.99 seconds ago") << std::optional<double>(2.99) << true;
    QTest::newRow("exactly 3 seconds ago") << std::optional<double>(3.0) << false;
    QTest::newRow("never changed") << std::optional<double>() << false;
}

void StationModelTest::headingChanging_endsAtThreeSeconds()
{
    QFETCH(std::optional<double>, sinceChange);
    QFETCH(bool, changing);
    Rotor rotor{u"R"_s, 10.0, u"0"_s, now, {}};
    if (sinceChange) {
        rotor.lastHeadingChange = now - *sinceChange;
    }
    QCOMPARE(rotor.headingChanging(now), changing);
}

void StationModelTest::rotorStatus_followsTheCodeTable_data()
{
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("controllable");
    QTest::addColumn<bool>("acceptsTurn");
    QTest::newRow("0") << u"0"_s << u"Ready"_s << true << true;
    QTest::newRow("1") << u"1"_s << u"Offline"_s << false << false;
    QTest::newRow("2") << u"2"_s << u"Stopped"_s << true << true;
    QTest::newRow("3 may be stopped, not turned") << u"3"_s << u"Turning clockwise"_s << true << false;
    QTest::newRow("4") << u"4"_s << u"Turning counterclockwise"_s << true << false;
    QTest::newRow("5") << u"5"_s << u"Not responding"_s << false << false;
    QTest::newRow("6") << u"6"_s << u"Read only"_s << false << false;
    QTest::newRow("7") << u"7"_s << u"Fixed antenna"_s << false << false;
    QTest::newRow("8") << u"8"_s << u"Cloned antenna"_s << true << true;
    QTest::newRow("9 reads like 0") << u"9"_s << u"Ready"_s << true << true;
    QTest::newRow("empty") << QString() << u"Awaiting heading"_s << false << false;
    QTest::newRow("letter") << u"X"_s << u"Status X"_s << false << false;
    QTest::newRow("two digits") << u"10"_s << u"Status 10"_s << false << false;
    QTest::newRow("padded code") << u"0 "_s << u"Status 0 "_s << false << false;
}

void StationModelTest::rotorStatus_followsTheCodeTable()
{
    QFETCH(QString, status);
    QFETCH(QString, text);
    QFETCH(bool, controllable);
    QFETCH(bool, acceptsTurn);
    const Rotor rotor{u"R"_s, 10.0, status, now, {}};
    QCOMPARE(rotor.statusText(), text);
    QCOMPARE(rotor.controllable(), controllable);
    QCOMPARE(rotor.acceptsTurn(), acceptsTurn);
}

void StationModelTest::displayStatus_showsChangeOnlyForReadyCodes_data()
{
    QTest::addColumn<QString>("status");
    QTest::addColumn<double>("sinceChange");
    QTest::addColumn<QString>("display");
    QTest::newRow("stopped, changed 1 s ago") << u"2"_s << 1.0 << u"Stopped"_s;
    QTest::newRow("cloned, changed 1 s ago") << u"8"_s << 1.0 << u"Heading changing"_s;
    QTest::newRow("ready, changed 1 s ago") << u"0"_s << 1.0 << u"Heading changing"_s;
    QTest::newRow("9, changed 1 s ago") << u"9"_s << 1.0 << u"Heading changing"_s;
    QTest::newRow("ready, changed 3 s ago") << u"0"_s << 3.0 << u"Ready"_s;
    QTest::newRow("turning, changed 1 s ago") << u"3"_s << 1.0 << u"Turning clockwise"_s;
    QTest::newRow("offline, changed 1 s ago") << u"1"_s << 1.0 << u"Offline"_s;
}

void StationModelTest::displayStatus_showsChangeOnlyForReadyCodes()
{
    QFETCH(QString, status);
    QFETCH(double, sinceChange);
    QFETCH(QString, display);
    const Rotor rotor{u"R"_s, 10.0, status, now, now - sinceChange};
    QCOMPARE(rotor.displayStatus(now), display);
}

void StationModelTest::switchAccepts_requiresOperableReadyFreshUnlockedPosition_data()
{
    QTest::addColumn<int>("displayType");
    QTest::addColumn<QString>("status");
    QTest::addColumn<double>("age");
    QTest::addColumn<QString>("position");
    QTest::addColumn<bool>("accepts");
    QTest::newRow("type 1 ready") << 1 << u"0"_s << 1.0 << u"A"_s << true;
    QTest::newRow("type 4 ready") << 4 << u"0"_s << 7.9 << u"B"_s << true;
    QTest::newRow("type 0") << 0 << u"0"_s << 1.0 << u"A"_s << false;
    QTest::newRow("type 5") << 5 << u"0"_s << 1.0 << u"A"_s << false;
    QTest::newRow("status 1") << 1 << u"1"_s << 1.0 << u"A"_s << false;
    QTest::newRow("8 seconds old") << 1 << u"0"_s << 8.0 << u"A"_s << false;
    QTest::newRow("unlisted") << 1 << u"0"_s << 1.0 << u"Z"_s << false;
    QTest::newRow("locked though listed") << 1 << u"0"_s << 1.0 << u"L"_s << false;
}

void StationModelTest::switchAccepts_requiresOperableReadyFreshUnlockedPosition()
{
    QFETCH(int, displayType);
    QFETCH(QString, status);
    QFETCH(double, age);
    QFETCH(QString, position);
    QFETCH(bool, accepts);
    AntennaSwitch antennaSwitch;
    antennaSwitch.name = u"S"_s;
    antennaSwitch.positions = {u"A"_s, u"B"_s, u"L"_s};
    antennaSwitch.displayType = displayType;
    antennaSwitch.lockedPositions = {u"L"_s};
    antennaSwitch.status = status;
    antennaSwitch.updated = now - age;
    QCOMPARE(antennaSwitch.accepts(position, now), accepts);
}

void StationModelTest::switchSelected_splitsOnlyMultiSelectPositions_data()
{
    QTest::addColumn<int>("displayType");
    QTest::addColumn<std::optional<QString>>("selection");
    QTest::addColumn<QString>("position");
    QTest::addColumn<bool>("selected");
    const std::optional<QString> ac = u"A,C"_s;
    QTest::newRow("multi-select part") << 4 << ac << u"C"_s << true;
    QTest::newRow("multi-select whole text") << 4 << ac << u"A,C"_s << false;
    QTest::newRow("multi-select unlisted") << 4 << ac << u"B"_s << false;
    QTest::newRow("single whole text") << 1 << ac << u"A,C"_s << true;
    QTest::newRow("single part") << 1 << ac << u"C"_s << false;
    QTest::newRow("nothing selected") << 1 << std::optional<QString>() << u"A"_s << false;
    QTest::newRow("multi-select nothing") << 4 << std::optional<QString>() << u"A"_s << false;
}

void StationModelTest::switchSelected_splitsOnlyMultiSelectPositions()
{
    QFETCH(int, displayType);
    QFETCH(std::optional<QString>, selection);
    QFETCH(QString, position);
    QFETCH(bool, selected);
    AntennaSwitch antennaSwitch;
    antennaSwitch.displayType = displayType;
    antennaSwitch.position = selection;
    QCOMPARE(antennaSwitch.selected(position), selected);
}

void StationModelTest::tunerControllable_needsReadyStatusAndFreshReport_data()
{
    QTest::addColumn<QString>("status");
    QTest::addColumn<double>("age");
    QTest::addColumn<bool>("controllable");
    QTest::newRow("0 fresh") << u"0"_s << 1.0 << true;
    QTest::newRow("9 fresh") << u"9"_s << 7.99 << true;
    QTest::newRow("0 stale") << u"0"_s << 8.0 << false;
    QTest::newRow("1 fresh") << u"1"_s << 1.0 << false;
    QTest::newRow("empty fresh") << QString() << 1.0 << false;
}

void StationModelTest::tunerControllable_needsReadyStatusAndFreshReport()
{
    QFETCH(QString, status);
    QFETCH(double, age);
    QFETCH(bool, controllable);
    TurvixTuner tuner;
    tuner.status = status;
    tuner.updated = now - age;
    QCOMPARE(tuner.controllable(now), controllable);
}

void StationModelTest::contains_isInclusiveAndRejectsNonFinite_data()
{
    QTest::addColumn<SwitchPosition>("position");
    QTest::addColumn<double>("frequency");
    QTest::addColumn<bool>("contains");
    const SwitchPosition band = position(u"20m"_s, 14.0, 14.35);
    QTest::newRow("lower edge") << band << 14.0 << true;
    QTest::newRow("upper edge") << band << 14.35 << true;
    QTest::newRow("inside") << band << 14.2 << true;
    QTest::newRow("below") << band << 13.999 << false;
    QTest::newRow("above") << band << 14.351 << false;
    QTest::newRow("infinite") << band << std::numeric_limits<double>::infinity() << false;
    QTest::newRow("NaN") << band << std::numeric_limits<double>::quiet_NaN() << false;
    QTest::newRow("no range") << position(u"A"_s) << 14.0 << false;
    QTest::newRow("reversed stored range") << position(u"X"_s, 14.35, 14.0) << 14.2 << false;
}

void StationModelTest::contains_isInclusiveAndRejectsNonFinite()
{
    QFETCH(SwitchPosition, position);
    QFETCH(double, frequency);
    QFETCH(bool, contains);
    QCOMPARE(position.contains(frequency), contains);
}

void StationModelTest::wirePosition_readsNumbersByDisplayType_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("displayType");
    QTest::addColumn<OptionalPosition>("expected");
    QTest::newRow("range") << u"20m"_s + gs + u"14.0"_s + gs + u"14.35"_s << 3
                           << OptionalPosition(position(u"20m"_s, 14.0, 14.35));
    QTest::newRow("swapped range") << u"20m"_s + gs + u"14.35"_s + gs + u"14.0"_s << 3
                                   << OptionalPosition(position(u"20m"_s));
    QTest::newRow("negative lower") << u"B"_s + gs + u"-1"_s + gs + u"2"_s << 3 << OptionalPosition(position(u"B"_s));
    QTest::newRow("infinite upper") << u"B"_s + gs + u"1"_s + gs + u"inf"_s << 3 << OptionalPosition(position(u"B"_s));
    QTest::newRow("blank before number") << u"B"_s + gs + u" 1"_s + gs + u"2"_s << 3
                                         << OptionalPosition(position(u"B"_s));
    QTest::newRow("one bound") << u"B"_s + gs + u"1"_s << 3 << OptionalPosition(position(u"B"_s));
    QTest::newRow("range read as bearing") << u"20m"_s + gs + u"14.0"_s + gs + u"14.35"_s << 2
                                           << OptionalPosition(position(u"20m"_s, {}, {}, 14.0, 14.35));
    QTest::newRow("bidirectional") << u"North"_s + gs + u"10"_s + gs + u"60"_s + gs + u"true"_s << 2
                                   << OptionalPosition(position(u"North"_s, {}, {}, 10.0, 60.0, true));
    QTest::newRow("upper-case TRUE") << u"North"_s + gs + u"10"_s + gs + u"60"_s + gs + u"TRUE"_s << 2
                                     << OptionalPosition(position(u"North"_s, {}, {}, 10.0, 60.0, false));
    QTest::newRow("bearing 361") << u"N"_s + gs + u"361"_s + gs + u"60"_s + gs + u"true"_s << 2
                                 << OptionalPosition(position(u"N"_s, {}, {}, {}, {}, true));
    QTest::newRow("bearing 360 and width 0")
        << u"N"_s + gs + u"360"_s + gs + u"0"_s << 2 << OptionalPosition(position(u"N"_s, {}, {}, 360.0, 0.0));
    QTest::newRow("flag in third place") << u"N"_s + gs + u"10"_s + gs + u"true"_s << 2
                                         << OptionalPosition(position(u"N"_s));
    QTest::newRow("plain type ignores numbers")
        << u"A"_s + gs + u"14"_s + gs + u"15"_s << 1 << OptionalPosition(position(u"A"_s));
    QTest::newRow("name only") << u"A"_s << 3 << OptionalPosition(position(u"A"_s));
    QTest::newRow("empty name") << gs + u"14"_s + gs + u"15"_s << 3 << OptionalPosition();
    QTest::newRow("name with tab") << u"A\tB"_s << 1 << OptionalPosition();
    QTest::newRow("name of 513 bytes") << QString(513, u'x') << 1 << OptionalPosition();
}

void StationModelTest::wirePosition_readsNumbersByDisplayType()
{
    QFETCH(QString, item);
    QFETCH(int, displayType);
    QFETCH(OptionalPosition, expected);
    const OptionalPosition actual = SwitchPosition::fromWire(item, displayType);
    QCOMPARE(actual.has_value(), expected.has_value());
    if (expected) {
        QCOMPARE(actual->name, expected->name);
        QCOMPARE(actual->lowerMHz, expected->lowerMHz);
        QCOMPARE(actual->upperMHz, expected->upperMHz);
        QCOMPARE(actual->bearing, expected->bearing);
        QCOMPARE(actual->beamWidth, expected->beamWidth);
        QCOMPARE(actual->bidirectional, expected->bidirectional);
    }
}

void StationModelTest::instant_countsSecondsFromReferenceDate()
{
    const QDateTime reference(QDate(2001, 1, 1), QTime(0, 0), QTimeZone::utc());
    QCOMPARE(Instant::fromDateTime(reference), Instant(0.0));
    QCOMPARE(Instant::fromDateTime(reference.addSecs(86400).addMSecs(500)), Instant(86400.5));
    QCOMPARE(Instant(-3600.0).toDateTime(), reference.addSecs(-3600));
    QCOMPARE(Instant(86400.5) - Instant(400.25), 86000.25);
}

QTEST_GUILESS_MAIN(StationModelTest)
#include "tst_StationModel.moc"

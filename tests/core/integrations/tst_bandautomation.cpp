#include "core/integrations/BandAutomation.h"

#include <QTest>

#include <functional>
#include <limits>

using namespace Qt::Literals::StringLiterals;

namespace {

const Instant now(800'000'000.0);
constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();

SwitchPosition range(const QString& name, std::optional<double> lower, std::optional<double> upper)
{
    SwitchPosition position;
    position.name = name;
    position.lowerMHz = lower;
    position.upperMHz = upper;
    return position;
}

// A ready frequency-range switch on its low-band antenna. The two middle ranges overlap on 20 m.
AntennaSwitch lowBandSwitch()
{
    AntennaSwitch device;
    device.name = u"Main"_s;
    device.displayType = 3;
    device.status = u"0"_s;
    device.updated = now - 1.0;
    device.position = u"160-40"_s;
    device.positions = {u"OFF"_s, u"Bad"_s, u"160-40"_s, u"40-20"_s, u"20-10"_s, u"Beverage"_s};
    device.metadata = {range(u"Bad"_s, 30.0, 10.0), range(u"160-40"_s, 1.8, 7.3), range(u"40-20"_s, 7.0, 14.35),
                       range(u"20-10"_s, 14.0, 29.7), range(u"Beverage"_s, std::nullopt, std::nullopt)};
    return device;
}

TurvixTuner lowBandTuner()
{
    TurvixTuner tuner;
    tuner.name = u"Tuner"_s;
    tuner.status = u"0"_s;
    tuner.position = u"A"_s;
    tuner.positions = {range(u"A"_s, 1.8, 4.0), range(u"B"_s, 3.5, 7.3), range(u"C"_s, std::nullopt, std::nullopt)};
    return tuner;
}

using SwitchChange = std::function<void(AntennaSwitch&)>;
using TunerChange = std::function<void(TurvixTuner&)>;

} // namespace

class TestBandAutomation final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void switchSelection_data()
    {
        QTest::addColumn<SwitchChange>("change");
        QTest::addColumn<double>("mhz");
        QTest::addColumn<QString>("expected");
        const SwitchChange same = [](AntennaSwitch&) {};

        QTest::newRow("first covering entry wins") << same << 14.2 << u"40-20"_s;
        QTest::newRow("in-range selection kept") << same << 7.1 << QString();
        QTest::newRow("in-range kept over earlier entry")
            << SwitchChange([](AntennaSwitch& s) { s.position = u"20-10"_s; }) << 14.2 << QString();
        QTest::newRow("inclusive upper edge")
            << SwitchChange([](AntennaSwitch& s) { s.position = u"Beverage"_s; }) << 7.3 << u"160-40"_s;
        QTest::newRow("locked skipped") << SwitchChange([](AntennaSwitch& s) { s.lockedPositions = {u"40-20"_s}; })
                                        << 14.2 << u"20-10"_s;
        QTest::newRow("unlisted skipped")
            << SwitchChange([](AntennaSwitch& s) { s.positions.removeAll(u"40-20"_s); }) << 14.2 << u"20-10"_s;
        QTest::newRow("nothing covers") << same << 50.1 << QString();
        QTest::newRow("OFF") << SwitchChange([](AntennaSwitch& s) { s.position = u"OFF"_s; }) << 14.2 << QString();
        QTest::newRow("off") << SwitchChange([](AntennaSwitch& s) { s.position = u"oFf"_s; }) << 14.2 << QString();
        QTest::newRow("no position") << SwitchChange([](AntennaSwitch& s) { s.position.reset(); }) << 14.2 << QString();
        QTest::newRow("display type 1") << SwitchChange([](AntennaSwitch& s) { s.displayType = 1; }) << 14.2
                                        << QString();
        QTest::newRow("status 1") << SwitchChange([](AntennaSwitch& s) { s.status = u"1"_s; }) << 14.2 << QString();
        QTest::newRow("report 8 s old") << SwitchChange([](AntennaSwitch& s) { s.updated = now - 8.0; }) << 14.2
                                        << QString();
        QTest::newRow("report 7.9 s old")
            << SwitchChange([](AntennaSwitch& s) { s.updated = now - 7.9; }) << 14.2 << u"40-20"_s;
        QTest::newRow("report from the future")
            << SwitchChange([](AntennaSwitch& s) { s.updated = now + 5.0; }) << 14.2 << u"40-20"_s;
        QTest::newRow("never reported") << SwitchChange([](AntennaSwitch& s) { s.updated.reset(); }) << 14.2
                                        << QString();
        QTest::newRow("NaN") << same << notANumber << QString();
        QTest::newRow("infinite") << same << std::numeric_limits<double>::infinity() << QString();
        QTest::newRow("zero") << same << 0.0 << QString();
    }
    void switchSelection()
    {
        QFETCH(SwitchChange, change);
        QFETCH(double, mhz);
        QFETCH(QString, expected);
        AntennaSwitch device = lowBandSwitch();
        change(device);
        QCOMPARE(BandAutomation::selection(device, mhz, now).value_or(QString()), expected);
    }

    void tunerSelection_data()
    {
        QTest::addColumn<TunerChange>("change");
        QTest::addColumn<double>("mhz");
        QTest::addColumn<QString>("expected");
        const TunerChange same = [](TurvixTuner&) {};

        QTest::newRow("in-range kept") << same << 3.7 << QString();
        QTest::newRow("moves") << same << 7.0 << u"B"_s;
        QTest::newRow("from an unbounded position")
            << TunerChange([](TurvixTuner& t) { t.position = u"C"_s; }) << 2.0 << u"A"_s;
        QTest::newRow("any position of that name holds it")
            << TunerChange([](TurvixTuner& t) { t.positions.append(range(u"A"_s, 5.0, 5.5)); }) << 5.2 << QString();
        QTest::newRow("off") << TunerChange([](TurvixTuner& t) { t.position = u"Off"_s; }) << 7.0 << QString();
        QTest::newRow("nothing covers") << same << 50.0 << QString();
        QTest::newRow("NaN") << same << notANumber << QString();
    }
    void tunerSelection()
    {
        QFETCH(TunerChange, change);
        QFETCH(double, mhz);
        QFETCH(QString, expected);
        TurvixTuner tuner = lowBandTuner();
        change(tuner);
        QCOMPARE(BandAutomation::tunerSelection(tuner, mhz).value_or(QString()), expected);
    }
};

QTEST_GUILESS_MAIN(TestBandAutomation)
#include "tst_bandautomation.moc"

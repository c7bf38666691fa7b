#include "app/ui/routing/DirectionalSwitchView.h"
#include "app/ui/routing/RoutingContext.h"
#include "app/ui/routing/StackCard.h"
#include "app/ui/routing/StackCardState.h"
#include "app/ui/routing/SwitchCard.h"
#include "app/ui/routing/SwitchCardState.h"
#include "app/ui/routing/TunerCard.h"
#include "app/ui/routing/TunerCardState.h"
#include "app/ui/style/StationColors.h"
#include "core/model/AntennaSwitch.h"
#include "core/model/StackOutput.h"
#include "core/model/SwitchPosition.h"
#include "core/model/TurvixTuner.h"
#include "tests/core/client/ClientTestSupport.h"
#include "tests/support/ViewTestSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QtMath>

#include <functional>
#include <memory>
#include <optional>

using namespace ClientTest;

namespace {

const Instant at(1000.0);
const RoutingContext live{at, true, true};
const RoutingContext controlsOff{at, true, false};
const RoutingContext offline{at, false, true};

AntennaSwitch makeSwitch(int type, const QStringList& positions, const QString& position,
                         const QString& status = u"0"_s, double age = 1.0)
{
    AntennaSwitch result;
    result.name = u"Switch"_s;
    result.displayType = type;
    result.positions = positions;
    result.position = position;
    result.status = status;
    result.updated = at - age;
    return result;
}

StackOutput makeStack(const QString& name, bool selected, const QString& status, double age = 1.0)
{
    return StackOutput{name, selected, status, at - age};
}

TurvixTuner makeTuner(const QString& position, const QString& status, const QList<double>& headings,
                      std::optional<double> age = 1.0)
{
    TurvixTuner tuner;
    tuner.name = u"Tuner"_s;
    tuner.rotors = {u"Capacitor"_s, u"Inductor"_s};
    tuner.positions = {SwitchPosition{u"40m"_s, 7.0, 7.3, {}, {}, false},
                       SwitchPosition{u"20m"_s, 14.0, 14.35, {}, {}, false}};
    tuner.headings = headings;
    tuner.position = position;
    tuner.status = status;
    tuner.rssi = status.isEmpty() ? QString() : u"-68"_s;
    if (age) {
        tuner.updated = at - *age;
    }
    return tuner;
}

using Open = std::function<std::unique_ptr<QWidget>(Bench&)>;

// A card on the bench's client, refreshed on the signals the station view coalesces.
template <typename Card>
Open card(const QString& name)
{
    return [name](Bench& bench) {
        auto widget = std::make_unique<Card>(*bench.client, name);
        for (auto changed : {&KeltoClient::stationChanged, &KeltoClient::nowChanged, &KeltoClient::connectedChanged,
                             &KeltoClient::switchControlsEnabledChanged}) {
            QObject::connect(bench.client.get(), changed, widget.get(), &Card::refresh);
        }
        widget->resize(380, 560);
        widget->show();
        return std::unique_ptr<QWidget>(widget.release());
    };
}

void goLive(Bench& bench)
{
    bench.connectLive();
    bench.client->setSwitchControlsEnabled(true);
    bench.simulator->clearReceived();
}

// A label showing `text`, or a control of that name: what the card shows once the server agrees.
bool shows(const QWidget* root, const QString& text)
{
    const QLabel* label = ViewTest::labelWithText(root, text);
    return (label && label->isVisible()) || ViewTest::byName<QAbstractButton>(root, text) != nullptr;
}

bool near(const QColor& a, const QColor& b)
{
    return qAbs(a.red() - b.red()) + qAbs(a.green() - b.green()) + qAbs(a.blue() - b.blue()) <= 36;
}

} // namespace

// The antenna-routing cards: their rules without widgets, then real cards against the station
// simulator, clicked like an operator would, with the server's bytes checked exactly.
class TestRoutingCards final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QApplication::setStyle(u"Fusion"_s); }

    void switchState_data()
    {
        QTest::addColumn<AntennaSwitch>("device");
        QTest::addColumn<RoutingContext>("context");
        QTest::addColumn<bool>("allowed");
        QTest::addColumn<QString>("probe");
        QTest::addColumn<QString>("reported");
        QTest::addColumn<QString>("note");
        QTest::addColumn<PositionState::Mark>("mark");
        QTest::addColumn<std::optional<bool>>("send");
        QTest::addColumn<QString>("toolTip");
        using Mark = PositionState::Mark;
        const QStringList plain{u"OFF"_s, u"Dipole"_s, u"Loop"_s};
        AntennaSwitch locked = makeSwitch(1, plain, u"Loop"_s);
        locked.lockedPositions = {u"Loop"_s};
        AntennaSwitch beams = makeSwitch(2, {u"North"_s, u"East"_s}, u"East"_s);
        beams.metadata = {SwitchPosition{u"North"_s, {}, {}, 44.5, 0.0, true}};
        const std::optional<bool> none;

        QTest::newRow("selected, live") << makeSwitch(1, plain, u"Dipole"_s) << live << true << u"Dipole"_s
                                        << u"Reported: Dipole"_s << QString() << Mark::selected << none
                                        << u"Select Dipole"_s;
        QTest::newRow("lock beats selection")
            << locked << live << false << u"Loop"_s << u"Reported: Loop"_s << QString() << Mark::locked << none
            << u"Select Loop\nPosition is locked."_s;
        QTest::newRow("status 1, fresh") << makeSwitch(3, plain, u"OFF"_s, u"1"_s) << live << false << u"Dipole"_s
                                         << u"Reported: OFF"_s << u"Server status 1"_s << Mark::unselected << none
                                         << u"Select Dipole\nThe server reports status 1."_s;
        QTest::newRow("status 1, 8 s old")
            << makeSwitch(1, plain, u"OFF"_s, u"1"_s, 8.0) << live << false << u"OFF"_s << u"Reported: OFF"_s
            << QString() << Mark::selected << none << u"Select OFF\nNo fresh report from the server."_s;
        QTest::newRow("status 1, disconnected")
            << makeSwitch(1, plain, u"OFF"_s, u"1"_s) << offline << false << u"OFF"_s << u"Reported: OFF"_s << QString()
            << Mark::selected << none << u"Select OFF\nNot connected to the server."_s;
        QTest::newRow("antenna controls off")
            << makeSwitch(1, plain, QString()) << controlsOff << false << u"OFF"_s << u"Reported: —"_s << QString()
            << Mark::unselected << none << u"Select OFF\nEnable antenna controls first."_s;
        QTest::newRow("multi-select A,C: C sends false")
            << makeSwitch(4, {u"A"_s, u"C"_s, u"A,C"_s}, u"A,C"_s) << live << true << u"C"_s << u"Reported: A, C"_s
            << QString() << Mark::selected << std::optional<bool>(false) << u"Deselect C"_s;
        QTest::newRow("multi-select: A,C named position sends true")
            << makeSwitch(4, {u"A"_s, u"C"_s, u"A,C"_s}, u"A,C"_s) << live << true << u"A,C"_s << u"Reported: A, C"_s
            << QString() << Mark::unselected << std::optional<bool>(true) << u"Also select A,C"_s;
        QTest::newRow("bearing as printf's whole number")
            << beams << live << true << u"North"_s << u"Reported: East"_s << QString() << Mark::unselected << none
            << u"Select North at 44 degrees"_s;
        QTest::newRow("type 5 is read-only")
            << makeSwitch(5, plain, u"OFF"_s) << live << false << QString() << u"Reported: OFF"_s
            << u"Unsupported switch type 5"_s << Mark::unselected << none << QString();
    }
    void switchState()
    {
        QFETCH(AntennaSwitch, device);
        QFETCH(RoutingContext, context);
        QFETCH(bool, allowed);
        QFETCH(QString, probe);
        QFETCH(QString, note);

        const SwitchCardState state = SwitchCardState::of(device, context, [&](const QString&) { return allowed; });
        QTEST(state.reported, "reported");
        QCOMPARE(state.serverStatus + state.unsupported, note);
        QCOMPARE(state.reportedTone, context.live(device.fresh(at)) ? Tone::plain : Tone::orange);
        if (probe.isEmpty()) {
            QVERIFY(state.positions.isEmpty());
            return;
        }
        const auto position = std::find_if(state.positions.cbegin(), state.positions.cend(),
                                           [&](const PositionState& item) { return item.name == probe; });
        QVERIFY(position != state.positions.cend());
        QCOMPARE(position->enabled, allowed);
        QTEST(position->mark, "mark");
        QTEST(position->sendEnabled, "send");
        QTEST(position->toolTip, "toolTip");
        // Only a dial draws sectors; a position without a beam width gets the default wedge.
        QCOMPARE(position->sectorWidth, position->bearing ? SwitchCardState::defaultSectorWidth : 0.0);
    }

    void stackState_data()
    {
        QTest::addColumn<StackOutput>("stack");
        QTest::addColumn<RoutingContext>("context");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("toolTip");

        QTest::newRow("status 1, fresh") << makeStack(u"Middle"_s, false, u"1"_s) << live << u"Status 1"_s
                                         << u"Turn on"_s
                                         << u"Switch Middle into the stack.\nThe server reports status 1."_s;
        QTest::newRow("status 0, selected") << makeStack(u"Upper"_s, true, u"0"_s) << live << QString() << u"Turn off"_s
                                            << u"Switch Upper out of the stack."_s;
        QTest::newRow("8 s old") << makeStack(u"Upper"_s, true, u"0"_s, 8.0) << live << u"Stale"_s << u"Turn off"_s
                                 << u"Switch Upper out of the stack.\nNo fresh report from the server."_s;
        QTest::newRow("disconnected") << makeStack(u"Lower"_s, false, u"1"_s) << offline << u"Stale"_s << u"Turn on"_s
                                      << u"Switch Lower into the stack.\nNot connected to the server."_s;
    }
    void stackState()
    {
        QFETCH(StackOutput, stack);
        QFETCH(RoutingContext, context);
        QFETCH(QString, toolTip);

        const bool allowed = !toolTip.contains(u'\n');
        const StackCardState state = StackCardState::of(stack, context, allowed);
        QCOMPARE(state.title, u"Stack: "_s + stack.name);
        QTEST(state.status, "status");
        QTEST(state.action, "action");
        QCOMPARE(state.turnOn, !stack.selected);
        QCOMPARE(state.actionToolTip, toolTip);
    }

    void tunerState_data()
    {
        QTest::addColumn<TurvixTuner>("tuner");
        QTest::addColumn<QString>("report");
        QTest::addColumn<QString>("inductor");
        QTest::addColumn<PositionState::Mark>("mark20m");
        QTest::addColumn<QString>("toolTip");

        QTest::newRow("live, tie rounds to even")
            << makeTuner(u"20m"_s, u"0"_s, {120.0, 90.25}) << u"Reported: 20m · Status 0 · RSSI -68"_s << u"90.2°"_s
            << PositionState::Mark::selected << u"Turn Inductor clockwise"_s;
        QTest::newRow("awaiting first report")
            << makeTuner(QString(), QString(), {}, std::nullopt) << u"Reported: Awaiting position · Status — · RSSI —"_s
            << u"—"_s << PositionState::Mark::unselected
            << u"Turn Inductor clockwise\nNo fresh report from the server."_s;
        QTest::newRow("status 5") << makeTuner(u"40m"_s, u"5"_s, {10.0, 359.96})
                                  << u"Reported: 40m · Status 5 · RSSI -68"_s << u"360.0°"_s
                                  << PositionState::Mark::unselected
                                  << u"Turn Inductor clockwise\nThe server reports status 5."_s;
    }
    void tunerState()
    {
        QFETCH(TurvixTuner, tuner);
        QFETCH(QString, toolTip);

        const bool allowed = !toolTip.contains(u'\n');
        const TunerCardState state = TunerCardState::of(tuner, live, allowed);
        QCOMPARE(state.title, u"Turvix · Tuner"_s);
        QTEST(state.report, "report");
        QCOMPARE(state.rotors.size(), qsizetype(2));
        QTEST(state.rotors.at(1).heading, "inductor");
        QCOMPARE(state.rotors.at(1).enabled, allowed);
        QTEST(state.rotors.at(1).clockwiseToolTip, "toolTip");
        QCOMPARE(state.positions.size(), qsizetype(2));
        QTEST(state.positions.at(1).mark, "mark20m");
        QCOMPARE(state.positions.at(1).enabled, allowed);
    }

    void click_sendsCommandByteForByte_data()
    {
        QTest::addColumn<Open>("open");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QByteArray>("sent");
        QTest::addColumn<QString>("shown");

        QTest::newRow("plain switch") << card<SwitchCard>(u"Switch 1"_s) << u"Beverage"_s
                                      << QByteArray("SET_SWITCH\x1fSwitch 1\x1f"
                                                    "Beverage\r\n")
                                      << u"Reported: Beverage"_s;
        QTest::newRow("dial") << card<SwitchCard>(u"Switch 2"_s) << u"East Beam"_s
                              << QByteArray("SET_SWITCH\x1fSwitch 2\x1f"
                                            "East Beam\r\n")
                              << u"Reported: East Beam"_s;
        QTest::newRow("band switch") << card<SwitchCard>(u"Switch 3"_s) << u"40m"_s
                                     << QByteArray("SET_SWITCH\x1fSwitch 3\x1f"
                                                   "40m\r\n")
                                     << u"Reported: 40m"_s;
        QTest::newRow("multi-select adds")
            << card<SwitchCard>(u"Switch 4"_s) << u"RX 2"_s << QByteArray("SET_SWITCH\x1fSwitch 4\x1fRX 2\x1ftrue\r\n")
            << u"Reported: RX 1, RX 2, RX 3"_s;
        QTest::newRow("multi-select removes the selected") << card<SwitchCard>(u"Switch 4"_s) << u"RX 3"_s
                                                           << QByteArray("SET_SWITCH\x1fSwitch 4\x1fRX 3\x1f"
                                                                         "false\r\n")
                                                           << u"Reported: RX 1"_s;
        QTest::newRow("stack on") << card<StackCard>(u"Middle"_s) << u"Turn on Middle"_s
                                  << QByteArray("SET_STACK\x1fMiddle\x1ftrue\r\n") << u"Turn off Middle"_s;
        QTest::newRow("stack off") << card<StackCard>(u"Upper"_s) << u"Turn off Upper"_s
                                   << QByteArray("SET_STACK\x1fUpper\x1f"
                                                 "false\r\n")
                                   << u"Turn on Upper"_s;
        QTest::newRow("tuner position") << card<TunerCard>(u"Tuner"_s) << u"15m"_s
                                        << QByteArray("SET_TURVIX\x1fTuner\x1f"
                                                      "15m\r\n")
                                        << u"Reported: 15m · Status 0 · RSSI -68"_s;
        QTest::newRow("tuner rotor CCW") << card<TunerCard>(u"Tuner"_s) << u"CCW Capacitor"_s
                                         << QByteArray("TURVIXTURN\x1fTuner\x1f"
                                                       "Capacitor\x1f"
                                                       "CCW\r\n")
                                         << u"75.0°"_s;
        QTest::newRow("tuner rotor CW") << card<TunerCard>(u"Tuner"_s) << u"CW Inductor"_s
                                        << QByteArray("TURVIXTURN\x1fTuner\x1fInductor\x1f"
                                                      "CW\r\n")
                                        << u"145.0°"_s;
    }
    void click_sendsCommandByteForByte()
    {
        QFETCH(Open, open);
        QFETCH(QString, control);
        QFETCH(QByteArray, sent);
        QFETCH(QString, shown);
        Bench bench;
        CLIENT_TEST_CHECK(goLive(bench));
        const std::unique_ptr<QWidget> view = open(bench);

        const QPointer<QAbstractButton> button = ViewTest::byName<QAbstractButton>(view.get(), control);
        QVERIFY(button);
        QVERIFY(button->isVisible());
        QTest::mouseClick(button, Qt::LeftButton);
        QTRY_COMPARE(commandRecords(*bench.simulator), QList<QByteArray>{sent});
        QTRY_VERIFY(shows(view.get(), shown));
        // A status update keeps the very buttons, so focus and keyboard position survive it.
        QVERIFY(button);
    }

    void calibration_sendsOnlyAfterConfirming()
    {
        Bench bench;
        CLIENT_TEST_CHECK(goLive(bench));
        const std::unique_ptr<QWidget> view = card<TunerCard>(u"Tuner"_s)(bench);
        auto* calibrate = ViewTest::byName<QAbstractButton>(view.get(), u"Calibrate Inductor"_s);
        QVERIFY(calibrate);

        const auto answer = [&](const QString& choice) {
            QTest::mouseClick(calibrate, Qt::LeftButton);
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            QCOMPARE(box->text(), u"Calibrate tuner rotor?"_s);
            QCOMPARE(box->informativeText(), u"Run the server’s calibration for Inductor on Tuner."_s);
            QTest::mouseClick(ViewTest::byName<QAbstractButton>(box, choice), Qt::LeftButton);
        };
        CLIENT_TEST_CHECK(answer(u"Cancel"_s));
        bench.client->refreshPresets();
        QTRY_COMPARE(commandRecords(*bench.simulator), QList<QByteArray>{"GET_LOCATIONS\r\n"});

        CLIENT_TEST_CHECK(answer(u"Calibrate"_s));
        QTRY_COMPARE(commandRecords(*bench.simulator),
                     (QList<QByteArray>{"GET_LOCATIONS\r\n", "TURVIX_CAL\x1fTuner\x1fInductor\r\n"}));
        QTRY_VERIFY(ViewTest::labelWithText(view.get(), u"0.0°"_s));
    }

    void controls_disabledWithoutAntennaControlsOrConnection_data()
    {
        QTest::addColumn<Open>("open");
        QTest::addColumn<QString>("control");

        QTest::newRow("switch") << card<SwitchCard>(u"Switch 1"_s) << u"Beverage"_s;
        QTest::newRow("dial") << card<SwitchCard>(u"Switch 2"_s) << u"South Beam"_s;
        QTest::newRow("multi-select") << card<SwitchCard>(u"Switch 4"_s) << u"RX 2"_s;
        QTest::newRow("stack") << card<StackCard>(u"Middle"_s) << u"Turn on Middle"_s;
        QTest::newRow("tuner") << card<TunerCard>(u"Tuner"_s) << u"Calibrate Capacitor"_s;
    }
    // Every button of the card is pressed while refused; `control` is one that antenna controls
    // alone then enable.
    void controls_disabledWithoutAntennaControlsOrConnection()
    {
        QFETCH(Open, open);
        QFETCH(QString, control);
        Bench bench;
        CLIENT_TEST_CHECK(goLive(bench));
        bench.client->setSwitchControlsEnabled(false);
        const std::unique_ptr<QWidget> view = open(bench);
        const QList<QAbstractButton*> buttons = view->findChildren<QAbstractButton*>();
        const auto expectRefused = [&](const QString& reason) {
            for (QAbstractButton* button : buttons) {
                QVERIFY2(!button->isEnabled(), qPrintable(button->accessibleName()));
                QVERIFY2(button->toolTip().endsWith(reason), qPrintable(button->toolTip()));
                QTest::mouseClick(button, Qt::LeftButton);
            }
            QVERIFY(!QApplication::activeModalWidget());
        };

        CLIENT_TEST_CHECK(expectRefused(u"\nEnable antenna controls first."_s));
        bench.client->refreshPresets();
        QTRY_COMPARE(commandRecords(*bench.simulator), QList<QByteArray>{"GET_LOCATIONS\r\n"});

        bench.client->setSwitchControlsEnabled(true);
        auto* button = ViewTest::byName<QAbstractButton>(view.get(), control);
        QVERIFY(button && button->isEnabled());
        QVERIFY(!button->toolTip().contains(u'\n'));
        bench.client->disconnectFromStation();
        CLIENT_TEST_CHECK(expectRefused(u"\nNot connected to the server."_s));
    }

    void stackStatus_showsCodeWhenNotReady_andStaleWhenOld()
    {
        Bench bench;
        CLIENT_TEST_CHECK(goLive(bench));
        const std::unique_ptr<QWidget> view = card<StackCard>(u"Middle"_s)(bench);
        QVERIFY(!ViewTest::labelWithText(view.get(), u"Status 0"_s));

        bench.simulator->setStackStatus(u"1"_s);
        QTRY_VERIFY(shows(view.get(), u"Status 1"_s));
        QVERIFY(!ViewTest::byName<QAbstractButton>(view.get(), u"Turn on Middle"_s)->isEnabled());
        bench.simulator->setStackStatus(u"0"_s);
        QTRY_VERIFY(!shows(view.get(), u"Status 1"_s));

        bench.simulator->setFault(StationSimulator::Fault::silence);
        bench.clock.advance(8.0);
        bench.client->tick();
        QTRY_VERIFY(shows(view.get(), u"Stale"_s));
    }

    void dial_paintsSelectedSectorTeal_data()
    {
        QTest::addColumn<QPalette>("palette");
        QTest::newRow("light") << QPalette(QColor(0xef, 0xef, 0xef));
        QTest::newRow("dark") << QPalette(QColor(0x30, 0x30, 0x30));
    }
    void dial_paintsSelectedSectorTeal()
    {
        QFETCH(QPalette, palette);
        Bench bench;
        CLIENT_TEST_CHECK(goLive(bench));
        const std::unique_ptr<QWidget> view = card<SwitchCard>(u"Switch 2"_s)(bench);
        view->setPalette(palette);
        auto* dial = view->findChild<DirectionalSwitchView*>();
        QVERIFY(dial && dial->isVisible());
        const QColor teal = StationColors::teal(palette);

        // On each sector's rim, 20 degrees off its bearing, clear of the buttons.
        const auto expectTeal = [&](const QList<double>& tealAt, const QList<double>& plainAt) {
            const QImage image = dial->grab().toImage();
            const auto colourAt = [&](double bearing) {
                const double angle = qDegreesToRadians(bearing);
                const QPointF spot =
                    dial->centre() + DirectionalSwitchView::rimRadius * QPointF(std::sin(angle), -std::cos(angle));
                return image.pixelColor((spot * image.devicePixelRatio()).toPoint());
            };
            bool right = true;
            for (const double bearing : tealAt) {
                right = right && near(colourAt(bearing), teal);
            }
            for (const double bearing : plainAt) {
                right = right && !near(colourAt(bearing), teal);
            }
            if (!right) {
                image.save(QDir::temp().filePath(u"tst_routingcards_dial_"_s +
                                                 QString::fromLatin1(QTest::currentDataTag()) + u".png"_s));
            }
            QVERIFY2(right, "sector colours (image saved in the temporary folder)");
        };
        CLIENT_TEST_CHECK(expectTeal({20.0}, {110.0, 135.0, 200.0}));

        QTest::mouseClick(ViewTest::byName<QAbstractButton>(dial, u"East Beam"_s), Qt::LeftButton);
        QTRY_VERIFY(shows(view.get(), u"Reported: East Beam"_s));
        CLIENT_TEST_CHECK(expectTeal({110.0}, {20.0, 135.0, 200.0}));
    }

    // A locked position can still be where the beam points: the dial shows the selection, the
    // button its lock.
    void dial_selectedAndLocked_isDrawnSelected()
    {
        AntennaSwitch beams = makeSwitch(2, {u"North"_s, u"East"_s}, u"East"_s);
        beams.metadata = {SwitchPosition{u"North"_s, {}, {}, 0.0, 60.0, false},
                          SwitchPosition{u"East"_s, {}, {}, 90.0, 60.0, false}};
        beams.lockedPositions = {u"East"_s};
        const SwitchCardState state =
            SwitchCardState::of(beams, live, [&](const QString& name) { return beams.accepts(name, at); });
        QCOMPARE(state.positions.at(1).mark, PositionState::Mark::locked);

        DirectionalSwitchView dial;
        dial.setPositions(state.positions);
        dial.resize(dial.sizeHint());
        const QImage image = dial.grab().toImage();
        const auto colourAt = [&](double bearing) {
            const double angle = qDegreesToRadians(bearing);
            const QPointF spot =
                dial.centre() + DirectionalSwitchView::rimRadius * QPointF(std::sin(angle), -std::cos(angle));
            return image.pixelColor((spot * image.devicePixelRatio()).toPoint());
        };
        const QColor teal = StationColors::teal(dial.palette());
        QVERIFY(near(colourAt(110.0), teal));
        QVERIFY(!near(colourAt(20.0), teal));
        QVERIFY(!ViewTest::byName<QAbstractButton>(&dial, u"East"_s)->isEnabled());
    }

    void encoderPreview_marksOnlyThatPosition_data()
    {
        QTest::addColumn<Open>("open");
        QTest::addColumn<QString>("previewed");
        QTest::addColumn<QString>("other");
        QTest::newRow("switch") << card<SwitchCard>(u"Switch 1"_s) << u"Vertical"_s << u"Dipole"_s;
        QTest::newRow("dial") << card<SwitchCard>(u"Switch 2"_s) << u"East Beam"_s << u"North Beam"_s;
        QTest::newRow("tuner") << card<TunerCard>(u"Tuner"_s) << u"15m"_s << u"20m"_s;
    }
    void encoderPreview_marksOnlyThatPosition()
    {
        QFETCH(Open, open);
        QFETCH(QString, previewed);
        QFETCH(QString, other);
        Bench bench;
        CLIENT_TEST_CHECK(goLive(bench));
        const std::unique_ptr<QWidget> view = open(bench);
        const auto preview = [&](const std::optional<QString>& position) {
            if (auto* switchCard = qobject_cast<SwitchCard*>(view.get())) {
                switchCard->setEncoderPreview(position);
            } else {
                qobject_cast<TunerCard*>(view.get())->setEncoderPreview(position);
            }
        };
        const auto marked = [&](const QString& position) {
            const auto* button = ViewTest::byName<QAbstractButton>(view.get(), position);
            return button->font().bold() && button->accessibleDescription() == u"Encoder preview"_s &&
                   button->toolTip().contains(u"Encoder preview"_s);
        };

        preview(previewed);
        QVERIFY(marked(previewed));
        QVERIFY(!marked(other));
        // The next report from the server keeps the mark.
        QSignalSpy reports(bench.client.get(), &KeltoClient::stationChanged);
        QVERIFY(reports.wait());
        QVERIFY(marked(previewed));
        preview(std::nullopt);
        QVERIFY(!marked(previewed));
    }

    void cards_nameEveryControl_andFitTheNarrowestColumn_data()
    {
        QTest::addColumn<Open>("open");
        for (const QString& name : {u"Switch 1"_s, u"Switch 2"_s, u"Switch 3"_s, u"Switch 4"_s}) {
            QTest::newRow(qPrintable(name)) << card<SwitchCard>(name);
        }
        QTest::newRow("stack") << card<StackCard>(u"Upper"_s);
        QTest::newRow("tuner") << card<TunerCard>(u"Tuner"_s);
    }
    void cards_nameEveryControl_andFitTheNarrowestColumn()
    {
        QFETCH(Open, open);
        Bench bench;
        CLIENT_TEST_CHECK(goLive(bench));
        const std::unique_ptr<QWidget> view = open(bench);

        QCOMPARE(ViewTest::unnamedControls(view.get()), QStringList());
        const QList<QAbstractButton*> buttons = view->findChildren<QAbstractButton*>();
        QVERIFY(!buttons.isEmpty());
        for (const QAbstractButton* button : buttons) {
            QVERIFY2(!button->toolTip().isEmpty(), qPrintable(button->accessibleName()));
        }
        // Layouts give every label and button at least its minimum, so this means nothing clips.
        QVERIFY2(view->minimumSizeHint().width() <= 340, qPrintable(QString::number(view->minimumSizeHint().width())));
    }
};

QTEST_MAIN(TestRoutingCards)
#include "tst_routingcards.moc"

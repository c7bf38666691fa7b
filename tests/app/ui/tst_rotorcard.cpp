#include "app/profiles/HeadingPreset.h"
#include "app/profiles/RotorMechanicsEntry.h"
#include "app/profiles/SettingsKeys.h"
#include "app/ui/rotor/Compass.h"
#include "app/ui/rotor/PresetEditorDialog.h"
#include "app/ui/rotor/RotorCard.h"
#include "app/ui/rotor/RotorCardState.h"
#include "app/ui/sheets/RotorSettingsSheet.h"
#include "app/ui/style/StationColors.h"
#include "tests/core/client/ClientTestSupport.h"
#include "tests/support/ViewTestSupport.h"
#include "tools/station-sim/Kt90Simulator.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QScopeGuard>
#include <QTest>

#include <algorithm>
#include <functional>
#include <memory>

using namespace ClientTest;

namespace {

// What a card state must show, for the rules table.
struct Shown {
    QString status;
    bool teal = false;
    QString caption;
    QString heading;
    bool rotate = false;
    bool jog = false;
    QString lockNote;
};

using Action = std::function<void(RotorCard&)>;
using Setup = std::function<void(Bench&)>;

// What the station view does for its cards, without its coalescing.
void follow(KeltoClient& client, RotorCard& card)
{
    for (const auto changed : {&KeltoClient::stationChanged, &KeltoClient::nowChanged, &KeltoClient::connectedChanged,
                               &KeltoClient::controlsEnabledChanged, &KeltoClient::rotorLockRequestsChanged,
                               &KeltoClient::receivedServerPresetsChanged, &KeltoClient::connectionKindChanged}) {
        QObject::connect(&client, changed, &card, &RotorCard::refresh);
    }
}

void click(const QWidget* root, const QString& name)
{
    auto* button = ViewTest::byName<QAbstractButton>(root, name);
    QVERIFY2(button, qPrintable(u"no button "_s + name));
    QTest::mouseClick(button, Qt::LeftButton);
}

QLineEdit* targetField(const RotorCard& card)
{
    return ViewTest::byName<QLineEdit>(&card, u"Target heading for "_s + card.rotorName());
}

HeadingPreset preset(const QString& endpoint, const QString& rotor, const QString& name, double degrees)
{
    return HeadingPreset::make(endpoint, rotor, name, degrees).value();
}

QColor textColor(const QLabel* label)
{
    return label ? label->palette().color(QPalette::WindowText) : QColor();
}

// A simulated station, and a card for its "Rotor 1" that follows the client, shown offscreen in a
// window of its own, with presets stored beforehand for this rotor and for others.
struct CardBench {
    Bench bench;
    QList<HeadingPreset> others;
    QWidget window;
    RotorCard* card = nullptr;

    CardBench()
    {
        const QString endpoint = endpointOf(*bench.simulator);
        others = {preset(endpoint, u"Rotor 2"_s, u"Contest"_s, 10.0),
                  preset(u"10.0.0.9:4001"_s, u"Rotor 1"_s, u"Elsewhere"_s, 20.0)};
        bench.defaults.setText(
            SettingsKeys::headingPresets,
            HeadingPreset::encode({preset(endpoint, u"Rotor 1"_s, u"Contest"_s, 247.5), others[0],
                                   preset(endpoint, u"Rotor 1"_s, u"Short path"_s, 33.0), others[1]}));
        card = new RotorCard(*bench.client, bench.defaults, u"Rotor 1"_s, &window);
        card->setEndpoint(endpoint);
        follow(*bench.client, *card);
        // No layout: a card that changes its size hint has no window to resize offscreen.
        window.resize(380, 900);
        card->setGeometry(0, 0, 380, 900);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }

    // Live, every device fresh, rotor controls on, nothing received yet.
    void open()
    {
        bench.connectLive();
        bench.client->setControlsEnabled(true);
        bench.simulator->clearReceived();
    }
};

} // namespace

Q_DECLARE_METATYPE(Rotor)
Q_DECLARE_METATYPE(RotorCardState::Facts)
Q_DECLARE_METATYPE(Shown)

// The rotor card against a simulated station: what each control puts on the wire, when each is
// disabled and why, freshness on the manual clock, and edits that survive updates.
class TestRotorCard final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void userAction_sendsExactlyItsCommand_data()
    {
        QTest::addColumn<Action>("action");
        QTest::addColumn<QList<QByteArray>>("expected");
        const auto clicking = [](const QString& name) { return Action([=](RotorCard& card) { click(&card, name); }); };
        const auto rotor1 = [](const QString& command, const QString& argument = {}) {
            return argument.isEmpty() ? wireLine({command, u"Rotor 1"_s}) : wireLine({command, u"Rotor 1"_s, argument});
        };

        QTest::newRow("typed heading, Rotate") << Action([](RotorCard& card) {
            QTest::keyClicks(targetField(card), u"123.4"_s);
            click(&card, u"Rotate"_s);
        }) << QList{rotor1(u"TURN"_s, u"123.4"_s)};
        QTest::newRow("quick heading, Rotate") << Action([](RotorCard& card) {
            click(&card, u"E 90°"_s);
            QCOMPARE(targetField(card)->text(), u"90"_s);
            click(&card, u"Rotate"_s);
        }) << QList{rotor1(u"TURN"_s, u"90.0"_s)};
        QTest::newRow("local preset") << Action([](RotorCard& card) {
            click(&card, u"Contest"_s);
            QCOMPARE(targetField(card)->text(), u"247.5"_s);
        }) << QList{rotor1(u"TURN"_s, u"247.5"_s)};
        QTest::newRow("lock, then release") << Action([](RotorCard& card) {
            click(&card, u"Request lock"_s);
            QVERIFY(ViewTest::labelWithText(&card, u"Lock requested · unconfirmed"_s));
            click(&card, u"Release lock"_s);
            QVERIFY(ViewTest::labelWithText(&card, u"Release requested · unconfirmed"_s));
        }) << QList{rotor1(u"LOCK"_s), rotor1(u"UNLOCK"_s)};
        QTest::newRow("Stop") << clicking(u"Stop"_s) << QList{rotor1(u"STOP"_s)};
        QTest::newRow("Park") << clicking(u"Park Rotor 1"_s) << QList{rotor1(u"TURN"_s, u"0.0"_s)};
        QTest::newRow("CW") << clicking(u"CW"_s) << QList{rotor1(u"TURN"_s, u"CW"_s)};
        QTest::newRow("CCW") << clicking(u"CCW"_s) << QList{rotor1(u"TURN"_s, u"CCW"_s)};
        QTest::newRow("server preset") << clicking(u"Japan"_s) << QList{rotor1(u"TO_PRESET"_s, u"Japan"_s)};
        QTest::newRow("Refresh") << clicking(u"Refresh"_s) << QList<QByteArray>{"GET_LOCATIONS\r\n"};
    }
    void userAction_sendsExactlyItsCommand()
    {
        QFETCH(Action, action);
        QFETCH(QList<QByteArray>, expected);
        CardBench fixture;
        CLIENT_TEST_CHECK(fixture.open());

        CLIENT_TEST_CHECK(action(*fixture.card));
        QTRY_COMPARE(commandRecords(*fixture.bench.simulator), expected);
    }

    // Under a German locale the field takes the comma and the point alike, and a point is never
    // read as a thousands separator. Presets and headings read with the comma.
    void germanLocale_targetTakesCommaOrPoint_data()
    {
        QTest::addColumn<Action>("action");
        QTest::addColumn<QList<QByteArray>>("expected");
        const auto typed = [](const QString& text) {
            return Action([=](RotorCard& card) {
                QTest::keyClicks(targetField(card), text);
                click(&card, u"Rotate"_s);
            });
        };
        const QList rotate{wireLine({u"TURN"_s, u"Rotor 1"_s, u"123.4"_s})};
        QTest::newRow("comma") << typed(u"123,4"_s) << rotate;
        QTest::newRow("point") << typed(u"123.4"_s) << rotate;
        QTest::newRow("point, never a thousand")
            << typed(u"1.234"_s) << QList{wireLine({u"TURN"_s, u"Rotor 1"_s, u"1.2"_s})};
        QTest::newRow("comma, out of range") << typed(u"360,5"_s) << QList<QByteArray>();
        QTest::newRow("local preset") << Action([](RotorCard& card) {
            QVERIFY(ViewTest::byName<QAbstractButton>(&card, u"Contest"_s)->text().endsWith(u"247,5°"_s));
            click(&card, u"Contest"_s);
            QCOMPARE(targetField(card)->text(), u"247,5"_s);
        }) << QList{wireLine({u"TURN"_s, u"Rotor 1"_s, u"247.5"_s})};
    }
    void germanLocale_targetTakesCommaOrPoint()
    {
        QFETCH(Action, action);
        QFETCH(QList<QByteArray>, expected);
        const QLocale before;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const auto restore = qScopeGuard([&] { QLocale::setDefault(before); });
        CardBench fixture;
        CLIENT_TEST_CHECK(fixture.open());
        QTRY_VERIFY(ViewTest::byName<QLabel>(fixture.card, u"Heading of Rotor 1"_s)->text().contains(u','));

        CLIENT_TEST_CHECK(action(*fixture.card));
        QTRY_COMPARE(commandRecords(*fixture.bench.simulator), expected);
        // Nothing else arrives later.
        QTest::qWait(50);
        QCOMPARE(commandRecords(*fixture.bench.simulator), expected);
    }

    void blockedControl_isDisabledSaysWhyAndSendsNothing_data()
    {
        QTest::addColumn<Setup>("setup");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("reason");
        const Setup controlsOff = [](Bench& b) { b.client->setControlsEnabled(false); };
        const Setup disconnected = [](Bench& b) {
            b.client->disconnectFromStation();
            QTRY_VERIFY(!b.client->connected());
        };
        const Setup none = [](Bench&) {};
        const QString rotateOff = u"Enable control to rotate."_s;

        QTest::newRow("controls off, Rotate") << controlsOff << u"Rotate"_s << u"90"_s << rotateOff;
        QTest::newRow("controls off, CW") << controlsOff << u"CW"_s << QString() << rotateOff;
        QTest::newRow("controls off, Stop") << controlsOff << u"Stop"_s << QString() << u"Enable control to stop."_s;
        QTest::newRow("controls off, lock")
            << controlsOff << u"Request lock"_s << QString() << u"Enable control to lock."_s;
        QTest::newRow("controls off, local preset") << controlsOff << u"Contest"_s << QString() << rotateOff;
        QTest::newRow("controls off, server preset") << controlsOff << u"Japan"_s << QString() << rotateOff;
        QTest::newRow("disconnected, Rotate") << disconnected << u"Rotate"_s << u"90"_s << u"Not connected."_s;
        QTest::newRow("disconnected, Stop") << disconnected << u"Stop"_s << QString() << u"Not connected."_s;
        QTest::newRow("disconnected, Refresh") << disconnected << u"Refresh"_s << QString() << u"Not connected."_s;
        QTest::newRow("target 361") << none << u"Rotate"_s << u"361"_s << u"from 0 to 360"_s;
        QTest::newRow("target abc") << none << u"Rotate"_s << u"abc"_s << u"from 0 to 360"_s;
        QTest::newRow("rotor turning, Rotate") << Setup([](Bench& b) {
            b.simulator->setRotorStatus(u"Rotor 1"_s, u"3"_s);
            QTRY_COMPARE(b.client->station().rotors.value(u"Rotor 1"_s).status, u"3"_s);
        }) << u"Rotate"_s << u"90"_s << u"Turning clockwise"_s;
    }
    void blockedControl_isDisabledSaysWhyAndSendsNothing()
    {
        QFETCH(Setup, setup);
        QFETCH(QString, control);
        QFETCH(QString, target);
        QFETCH(QString, reason);
        CardBench fixture;
        CLIENT_TEST_CHECK(fixture.open());
        CLIENT_TEST_CHECK(setup(fixture.bench));
        QTest::keyClicks(targetField(*fixture.card), target);

        auto* button = ViewTest::byName<QAbstractButton>(fixture.card, control);
        QVERIFY(button);
        QVERIFY(!button->isEnabled());
        QVERIFY2(button->toolTip().contains(reason), qPrintable(button->toolTip()));
        const QStringList logBefore = logTexts(*fixture.bench.client);
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(logTexts(*fixture.bench.client), logBefore);
        if (fixture.bench.client->connected()) {
            fixture.bench.client->refreshPresets();
            QTRY_COMPARE(commandRecords(*fixture.bench.simulator), QList<QByteArray>{"GET_LOCATIONS\r\n"});
        }
    }

    void kt90Controller_turnsButHasNoJog()
    {
        ManualClock clock;
        MemorySettingsStore defaults;
        Kt90Simulator controller(Kt90Simulator::Options{180.0, 30.0, false});
        QVERIFY(controller.listenTcp());
        KeltoClient client(nullptr, defaults, clock);
        QWidget window;
        auto* card = new RotorCard(client, defaults, u"Tower"_s, &window);
        follow(client, *card);
        card->resize(380, 900);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        client.connectTo(u"127.0.0.1"_s, QString::number(controller.tcpPort()), {}, {}, ConnectionKind::kt90Terminal,
                         u"Tower"_s);
        QTRY_VERIFY(client.station().rotors.value(u"Tower"_s).heading.has_value());
        client.setControlsEnabled(true);
        QTest::keyClicks(targetField(*card), u"90"_s);

        for (const QString& jog : {u"CW"_s, u"CCW"_s}) {
            auto* button = ViewTest::byName<QAbstractButton>(card, jog);
            QVERIFY(button && !button->isEnabled());
            QVERIFY(button->toolTip().contains(u"Jog needs an OV Varnex server."_s));
            QTest::mouseClick(button, Qt::LeftButton);
        }
        click(card, u"Rotate"_s);
        QTRY_VERIFY(controller.received().contains("AP2090\r;"));
        QVERIFY(logTexts(client).contains(u"Turn requested: Tower → 90.0°"_s));
    }

    void reportNineSecondsOld_showsStaleInOrangeAndLastKnownHeading()
    {
        CardBench fixture;
        CLIENT_TEST_CHECK(fixture.open());
        RotorCard& card = *fixture.card;
        QTRY_VERIFY(ViewTest::labelWithText(&card, u"CURRENT HEADING"_s));
        QCOMPARE(textColor(ViewTest::labelWithText(&card, u"Ready"_s)), StationColors::teal(card.palette()));

        fixture.bench.simulator->setFault(StationSimulator::Fault::silence);
        fixture.bench.clock.advance(9.0);
        fixture.bench.client->tick();

        QTRY_VERIFY(ViewTest::labelWithText(&card, u"LAST KNOWN HEADING"_s));
        QCOMPARE(textColor(ViewTest::labelWithText(&card, u"Stale"_s)), StationColors::orange(card.palette()));
        QVERIFY(fixture.bench.client->connected());
        // Stopping needs no fresh heading; turning does.
        QVERIFY(ViewTest::byName<QAbstractButton>(&card, u"Stop"_s)->isEnabled());
        QTest::keyClicks(targetField(card), u"90"_s);
        QVERIFY(!ViewTest::byName<QAbstractButton>(&card, u"Rotate"_s)->isEnabled());
    }

    void typedTargetAndFocus_surviveFiftyRefreshes()
    {
        CardBench fixture;
        CLIENT_TEST_CHECK(fixture.open());
        RotorCard& card = *fixture.card;
        fixture.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&fixture.window));
        QLineEdit* target = targetField(card);
        QTest::mouseClick(target, Qt::LeftButton);
        QTest::keyClicks(target, u"12"_s);
        const QPointer<QAbstractButton> localPreset = ViewTest::byName<QAbstractButton>(&card, u"Contest"_s);
        const QPointer<QAbstractButton> serverPreset = ViewTest::byName<QAbstractButton>(&card, u"Japan"_s);
        QVERIFY(localPreset && serverPreset);

        // From now on every report comes from here.
        fixture.bench.simulator->setFault(StationSimulator::Fault::silence);
        for (int heading = 10; heading < 60; ++heading) {
            fixture.bench.clock.advance(0.1);
            fixture.bench.simulator->sendRaw(
                wireLine({u"POINT"_s, u"Rotor 1"_s, QString::number(heading), u"0"_s, u"5"_s}));
            QTRY_COMPARE(fixture.bench.client->station().rotors.value(u"Rotor 1"_s).heading.value_or(-1.0),
                         double(heading));
        }

        QVERIFY(ViewTest::labelWithText(&card, u"59.0°"_s));
        QCOMPARE(target->text(), u"12"_s);
        QVERIFY(target->hasFocus());
        QCOMPARE(target->cursorPosition(), 2);
        QTest::keyClicks(target, u"3"_s);
        QCOMPARE(target->text(), u"123"_s);
        QCOMPARE(ViewTest::byName<QAbstractButton>(&card, u"Contest"_s), localPreset.data());
        QCOMPARE(ViewTest::byName<QAbstractButton>(&card, u"Japan"_s), serverPreset.data());
    }

    // Return saves the sheet's copy; the client's mechanics then show on the dial, and Park goes
    // through the client's limits.
    void rotorSettings_returnSavesEscapeCancelsAndTheDialShowsTheLimits()
    {
        CardBench fixture;
        CLIENT_TEST_CHECK(fixture.open());
        RotorCard& card = *fixture.card;
        const QString endpoint = endpointOf(*fixture.bench.simulator);
        const auto stored = [&] {
            return RotorMechanicsEntry::lookup(
                fixture.bench.defaults.text(SettingsKeys::rotorMechanics).value_or(QString()), endpoint, u"Rotor 1"_s);
        };
        const auto openSheet = [&] {
            click(&card, u"Rotor settings for Rotor 1"_s);
            return qobject_cast<RotorSettingsSheet*>(QApplication::activeModalWidget());
        };

        QPointer<RotorSettingsSheet> sheet = openSheet();
        QVERIFY(sheet);
        ViewTest::byName<QComboBox>(sheet, u"Limits of Rotor 1"_s)->setCurrentIndex(1);
        ViewTest::byName<QDoubleSpinBox>(sheet, u"Lowest heading"_s)->setValue(90);
        ViewTest::byName<QDoubleSpinBox>(sheet, u"Highest heading"_s)->setValue(180);
        QTest::keyClick(sheet, Qt::Key_Return);
        QTRY_VERIFY(!sheet);
        RotorMechanics expected;
        expected.limit = RotorMechanics::Limit::limits;
        expected.low = 90;
        expected.high = 180;
        QCOMPARE(stored(), expected);

        // What the tab hands its client from the store.
        fixture.bench.client->setRotorMechanics({{u"Rotor 1"_s, stored()}});
        QCOMPARE(card.findChild<Compass*>()->shadedArcs(), (QList<Compass::Arc>{{180, 270}}));
        click(&card, u"Park Rotor 1"_s);
        QCOMPARE(lastLogText(*fixture.bench.client), u"Turn blocked: 0.0° is outside Rotor 1's limits 90–180°."_s);
        fixture.bench.client->refreshPresets();
        QTRY_COMPARE(commandRecords(*fixture.bench.simulator), QList<QByteArray>{"GET_LOCATIONS\r\n"});
    }

    void presetEditor_addsAndRemovesOnlyThisRotorsPreset()
    {
        CardBench fixture;
        RotorCard& card = *fixture.card;
        const QString endpoint = endpointOf(*fixture.bench.simulator);
        const auto stored = [&] {
            return HeadingPreset::decode(fixture.bench.defaults.text(SettingsKeys::headingPresets).value_or(QString()));
        };
        const QList<HeadingPreset> before = stored();

        click(&card, u"Manage presets for Rotor 1"_s);
        auto* editor = qobject_cast<PresetEditorDialog*>(QApplication::activeModalWidget());
        QVERIFY(editor);
        QCOMPARE(editor->windowTitle(), u"Presets for Rotor 1 · Enter a name and heading for this rotor."_s);
        auto* name = ViewTest::byName<QLineEdit>(editor, u"Preset name"_s);
        auto* heading = ViewTest::byName<QLineEdit>(editor, u"Target heading (°)"_s);
        QVERIFY(name && heading);
        QCOMPARE(heading->placeholderText(), u"Preset target heading"_s);

        QTest::keyClicks(name, u"  Long path  "_s);
        QTest::keyClicks(heading, u"360.5"_s);
        click(editor, u"Save"_s);
        const QString failure = u"Give the preset a name and a heading from 0 to 360 degrees."_s;
        QCOMPARE(textColor(ViewTest::labelWithText(editor, failure)), StationColors::orange(editor->palette()));
        QCOMPARE(stored(), before);

        heading->clear();
        QTest::keyClicks(heading, u"213"_s);
        click(editor, u"Save"_s);
        QList<HeadingPreset> after = stored();
        QCOMPARE(after.size(), before.size() + 1);
        const HeadingPreset added = after.takeLast();
        QCOMPARE(after, before);
        QCOMPARE(added, (HeadingPreset{added.id, endpoint, u"Rotor 1"_s, u"Long path"_s, 213.0}));
        QVERIFY(ViewTest::labelWithText(editor, u"213.0°"_s));
        QVERIFY(ViewTest::byName<QAbstractButton>(&card, u"Long path"_s));

        click(editor, u"Remove Contest"_s);
        after = stored();
        QCOMPARE(after.size(), before.size());
        QVERIFY(std::none_of(after.cbegin(), after.cend(),
                             [](const HeadingPreset& p) { return p.rotor == u"Rotor 1"_s && p.name == u"Contest"_s; }));
        QVERIFY(after.contains(fixture.others[0]) && after.contains(fixture.others[1]));
        QTRY_VERIFY(!ViewTest::byName<QAbstractButton>(&card, u"Contest"_s));

        click(editor, u"Done"_s);
        QTRY_VERIFY(!QApplication::activeModalWidget());
    }

    void encoderPreview_showsUnderTheTargetWithoutTouchingIt()
    {
        CardBench fixture;
        RotorCard& card = *fixture.card;
        QLineEdit* target = targetField(card);
        QTest::keyClicks(target, u"90"_s);
        auto* preview = ViewTest::byName<QLabel>(&card, u"Encoder preview for Rotor 1"_s);
        QVERIFY(preview && !preview->isVisible());

        card.setEncoderPreview(123.4);
        QVERIFY(preview->isVisible());
        QCOMPARE(preview->text(), u"Encoder preview: 123.4°"_s);
        QCOMPARE(textColor(preview), StationColors::teal(card.palette()));
        card.refresh();
        card.setEncoderPreview(std::nullopt);
        QVERIFY(!preview->isVisible());
        QCOMPARE(target->text(), u"90"_s);
    }

    void everyControl_hasAnAccessibleName()
    {
        CardBench fixture;
        CLIENT_TEST_CHECK(fixture.open());
        QTRY_VERIFY(ViewTest::byName<QAbstractButton>(fixture.card, u"Japan"_s));
        QCOMPARE(ViewTest::unnamedControls(fixture.card), QStringList());
        click(fixture.card, u"Manage presets for Rotor 1"_s);
        QVERIFY(QApplication::activeModalWidget());
        QCOMPARE(ViewTest::unnamedControls(QApplication::activeModalWidget()), QStringList());
    }

    void state_followsRotorAndClientFacts_data()
    {
        QTest::addColumn<Rotor>("rotor");
        QTest::addColumn<RotorCardState::Facts>("facts");
        QTest::addColumn<Shown>("shown");

        const Instant now(1000.0);
        const auto rotor = [now](const QString& status, std::optional<double> heading, double age,
                                 std::optional<double> moved = std::nullopt) {
            return Rotor{u"R"_s, heading, status, now - age, moved ? std::optional(now - *moved) : std::nullopt};
        };
        // Live and controllable, as the client's guards answer for a fresh ready rotor.
        const auto facts = [now](const std::function<void(RotorCardState::Facts&)>& change) {
            RotorCardState::Facts f;
            f.connected = f.controlsEnabled = f.canTurn = f.canStop = f.canRequestLock = true;
            f.receivedServerPresets = f.hasEndpoint = true;
            f.now = now;
            f.targetText = u" 360 "_s;
            change(f);
            return f;
        };
        const auto live = facts([](auto&) {});
        const auto refused = facts([](auto& f) { f.canTurn = false; });
        const Rotor ready = rotor(u"0"_s, 123.44, 1.0);
        const QString current = u"CURRENT HEADING"_s;
        const QString lastKnown = u"LAST KNOWN HEADING"_s;

        QTest::newRow("ready") << ready << live << Shown{u"Ready"_s, true, current, u"123.4°"_s, true, true, {}};
        QTest::newRow("ready, tower location")
            << ready << facts([](auto& f) { f.hasLocation = true; })
            << Shown{u"Ready"_s, true, u"CONTROLLER HEADING"_s, u"123.4°"_s, true, true, {}};
        QTest::newRow("status 0, 9 s old")
            << rotor(u"0"_s, 10.0, 9.0) << refused << Shown{u"Stale"_s, false, lastKnown, u"10.0°"_s, false, false, {}};
        QTest::newRow("heading changing") << rotor(u"8"_s, 10.0, 0.5, 1.0) << refused
                                          << Shown{u"Heading changing"_s, true, current, u"10.0°"_s, false, false, {}};
        QTest::newRow("offline") << rotor(u"1"_s, 10.0, 1.0) << refused
                                 << Shown{u"Offline"_s, false, current, u"10.0°"_s, false, false, {}};
        QTest::newRow("no heading yet") << Rotor{u"R"_s, {}, {}, {}, {}} << refused
                                        << Shown{u"Awaiting heading"_s, false, lastKnown, u"—"_s, false, false, {}};
        QTest::newRow("disconnected, lock pending") << ready << facts([](auto& f) {
            f.connected = f.canTurn = false;
            f.lockRequest = true;
        }) << Shown{u"Stale"_s, false, lastKnown, u"123.4°"_s, false, false, {}};
        QTest::newRow("target 361, release pending") << ready << facts([](auto& f) {
            f.targetText = u"361"_s;
            f.lockRequest = false;
        }) << Shown{u"Ready"_s, true, current, u"123.4°"_s, false, true, u"Release requested · unconfirmed"_s};
        QTest::newRow("KT-90, lock pending") << ready << facts([](auto& f) {
            f.connectionKind = ConnectionKind::kt90Serial;
            f.lockRequest = true;
        }) << Shown{u"Ready"_s, true, current, u"123.4°"_s, true, false, u"Lock requested · unconfirmed"_s};
    }
    void state_followsRotorAndClientFacts()
    {
        QFETCH(Rotor, rotor);
        QFETCH(RotorCardState::Facts, facts);
        QFETCH(Shown, shown);

        const RotorCardState state = RotorCardState::of(rotor, facts);
        QCOMPARE(state.status, shown.status);
        QCOMPARE(state.statusTone == RotorCardState::Tone::teal, shown.teal);
        QCOMPARE(state.headingCaption, shown.caption);
        QCOMPARE(state.headingText, shown.heading);
        QCOMPARE(state.stale, shown.caption == u"LAST KNOWN HEADING"_s);
        QCOMPARE(state.showDial, !facts.hasLocation);
        QCOMPARE(state.rotate.enabled, shown.rotate);
        QCOMPARE(state.clockwise.enabled, shown.jog);
        QCOMPARE(state.counterclockwise.enabled, shown.jog);
        QCOMPARE(state.lockNote, shown.lockNote);
    }
};

QTEST_MAIN(TestRotorCard)
#include "tst_rotorcard.moc"

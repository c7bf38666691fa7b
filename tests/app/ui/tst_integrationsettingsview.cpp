#include "app/integrations/StationIntegrations.h"
#include "app/profiles/SettingsKeys.h"
#include "app/ui/sheets/IntegrationSettingsView.h"
#include "core/integrations/PhidgetEncoder.h"
#include "core/protocol/FixedText.h"
#include "tests/app/ui/SheetTestSupport.h"
#include "tests/core/client/ClientTestSupport.h"
#include "tests/core/integrations/LoggerTestSupport.h"
#include "tests/core/integrations/fakephidget/FakePhidgetDevice.h"
#include "tests/support/ViewTestSupport.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScrollArea>
#include <QScrollBar>
#include <QTcpSocket>
#include <QTest>
#include <QTextDocument>
#include <QUdpSocket>

using namespace ClientTest;
using namespace SheetTest;

namespace {

using Bytes = QList<QByteArray>;

QByteArray wire(const char* fields)
{
    return QByteArray(fields).replace('|', '\x1f') + "\r\n";
}

// The sheet open on a controller for the bench's client; live means connected with rotor and
// antenna controls on and commands enabled in the sheet.
struct Sheet {
    Bench bench;
    StationIntegrations integrations{bench.defaults, bench.clock};
    QPointer<IntegrationSettingsView> view;

    explicit Sheet(bool live, const QString& endpoint = u"127.0.0.1:4001"_s)
    {
        if (live) {
            bench.connectLive();
            bench.client->setControlsEnabled(true);
            bench.client->setSwitchControlsEnabled(true);
        }
        integrations.load(live ? bench.client->endpoint() : endpoint);
        view = new IntegrationSettingsView(integrations, *bench.client);
        view->setAttribute(Qt::WA_DeleteOnClose);
        view->open();
        if (live) {
            click(view, u"Enable logger commands and automatic band selection"_s);
        }
    }

    ~Sheet() { delete view; }

    QString text(const QString& label) const { return ViewTest::byName<QLabel>(view, label)->text(); }

    std::optional<IntegrationSettings> stored() const
    {
        const auto data = bench.defaults.data(SettingsKeys::integrations(integrations.endpoint()));
        return data ? IntegrationSettings::decoded(*data) : std::nullopt;
    }

    // What the simulator received since the last check, up to a marker sent now.
    void expectSent(Bytes commands)
    {
        bench.client->refreshPresets();
        commands.append("GET_LOCATIONS\r\n");
        QTRY_COMPARE(commandRecords(*bench.simulator), commands);
        bench.simulator->clearReceived();
    }
};

} // namespace

// The integrations sheet against a real controller: inputs started from the sheet receive real
// datagrams, key bindings typed into it move the simulated station, and the encoder preview
// follows the stand-in encoder library until it is applied.
class TestIntegrationSettingsView final : public QObject {
    Q_OBJECT

    FakePhidgetDevice m_fake{FAKEPHIDGET_PATH};

private Q_SLOTS:
    void init() { m_fake.reset(); }

    void loggerStartedFromSheet_listsEachEvent_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QByteArray>("datagram");
        QTest::addColumn<QString>("event");
        QTest::newRow("N1MM rotor") << u"N1MM"_s << n1mmRotor("<goazi>123.4</goazi>")
                                    << u"Rotor heading: 123.4° · radio focused"_s;
        QTest::newRow("N1MM radio") << u"N1MM"_s << n1mmRadioInfo("<RadioNr>2</RadioNr><Freq>710000</Freq>")
                                    << u"Radio 2 · 7.10000 MHz"_s;
        QTest::newRow("keyboard logger") << u"Keyboard UDP"_s << QByteArray("CTRL R") << u"Key: CTRL R"_s;
    }
    void loggerStartedFromSheet_listsEachEvent()
    {
        QFETCH(QString, kind);
        QFETCH(QByteArray, datagram);
        QFETCH(QString, event);
        Sheet sheet(false);
        auto* events = ViewTest::byName<QPlainTextEdit>(sheet.view, u"Received integration events"_s);
        const QLabel* none = ViewTest::labelWithText(sheet.view, u"No events received"_s);
        QVERIFY(none && none->isVisible() && !events->isVisible());

        choose(sheet.view, u"Logger"_s, kind);
        const quint16 port = freeUdpPort();
        type(sheet.view, u"Logger port"_s, QString::number(port));
        click(sheet.view, u"Start logger"_s);
        QTRY_COMPARE(sheet.text(u"Logger status"_s), u"Listening on 127.0.0.1:"_s + QString::number(port));
        // Starting stores the record.
        QCOMPARE(rawValue(sheet.stored().value().kind), kind);
        QCOMPARE(sheet.stored().value().port, QString::number(port));

        QUdpSocket sender;
        sender.writeDatagram(datagram, QHostAddress::LocalHost, port);
        QTRY_VERIFY2(events->toPlainText().endsWith(u" · "_s + event), qPrintable(events->toPlainText()));
        QVERIFY(events->isVisible() && !none->isVisible());
        sender.writeDatagram(datagram, QHostAddress::LocalHost, port);
        QTRY_COMPARE(events->toPlainText().count(event), 2);

        click(sheet.view, u"Stop logger"_s);
        QCOMPARE(sheet.text(u"Logger status"_s), u"Stopped"_s);
    }

    // Anything that sends to a logger port could grow the history for as long as the program
    // runs: controller and list keep the newest events only, the list drawn in few appends.
    void eventFlood_keepsTheNewestEvents()
    {
        Sheet sheet(false);
        auto* events = ViewTest::byName<QPlainTextEdit>(sheet.view, u"Received integration events"_s);
        int appends = 0;
        connect(events->document(), &QTextDocument::contentsChanged, this, [&appends] { ++appends; });
        constexpr int extra = 25;
        const int total = StationIntegrations::maxEventHistory + extra;
        for (int i = 0; i < total; ++i) {
            sheet.integrations.receive(LoggerEvent::key(u"K"_s + QString::number(i)), *sheet.bench.client);
        }

        const QStringList& lines = sheet.integrations.eventLines();
        QCOMPARE(lines.size(), StationIntegrations::maxEventHistory);
        QVERIFY2(lines.first().endsWith(u" · Key: K%1"_s.arg(extra)), qPrintable(lines.first()));
        QVERIFY2(lines.last().endsWith(u" · Key: K%1"_s.arg(total - 1)), qPrintable(lines.last()));
        QTRY_VERIFY(events->toPlainText().endsWith(u" · Key: K%1"_s.arg(total - 1)));
        QCOMPARE(events->blockCount(), StationIntegrations::maxEventHistory);
        QCOMPARE(events->toPlainText().split(u'\n'), lines);
        QVERIFY2(appends < 10, qPrintable(QString::number(appends)));
    }

    void keyBindingAddedInSheet_firesOverTheKeyboardPort_data()
    {
        QTest::addColumn<QString>("device");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("heading");
        QTest::addColumn<QString>("position");
        QTest::addColumn<QByteArray>("sent");
        QTest::newRow("switch position") << u"S:Switch 1"_s << u"Select"_s << QString() << u"Beverage"_s
                                         << wire("SET_SWITCH|Switch 1|Beverage");
        // Switch 3 is on 20m.
        QTest::newRow("next switch position")
            << u"S:Switch 3"_s << u"Next"_s << QString() << QString() << wire("SET_SWITCH|Switch 3|15m");
        QTest::newRow("stack toggle") << u"K:Upper"_s << u"Toggle"_s << QString() << QString()
                                      << wire("SET_STACK|Upper|false");
        QTest::newRow("rotor heading") << u"R:Rotor 2"_s << u"Rotate"_s << u"200.5"_s << QString()
                                       << wire("TURN|Rotor 2|200.5");
        QTest::newRow("tuner position") << u"T:Tuner"_s << u"Select"_s << QString() << u"15m"_s
                                        << wire("SET_TURVIX|Tuner|15m");
    }
    void keyBindingAddedInSheet_firesOverTheKeyboardPort()
    {
        QFETCH(QString, device);
        QFETCH(QString, action);
        QFETCH(QString, heading);
        QFETCH(QString, position);
        QFETCH(QByteArray, sent);
        Sheet sheet(true);
        click(sheet.view, u"Add key binding"_s);
        type(sheet.view, u"Key token 1"_s, u"CTRL F7"_s);
        choose(sheet.view, u"Device 1"_s, device);
        choose(sheet.view, u"Action 1"_s, action);
        if (!heading.isEmpty()) {
            type(sheet.view, u"Heading 1"_s, heading);
        }
        if (!position.isEmpty()) {
            type(sheet.view, u"Position 1"_s, position);
        }
        const QString port = QString::number(freeUdpPort());
        type(sheet.view, u"Local keyboard UDP port"_s, port);
        click(sheet.view, u"Start keyboard"_s);
        QTRY_COMPARE(sheet.text(u"Keyboard status"_s), u"Listening on 127.0.0.1:"_s + port);
        sheet.bench.simulator->clearReceived();

        QUdpSocket sender;
        sender.writeDatagram("CTRL F7", QHostAddress::LocalHost, port.toUShort());
        QTRY_VERIFY(sheet.integrations.eventHistory().endsWith(u"Key: CTRL F7\n"_s));
        sheet.expectSent({sent});
        QCOMPARE(sheet.stored().value().keyCommands.size(), 1);
    }

    void encoderTurned_previewsUntilApplied()
    {
        Sheet sheet(true);
        QVERIFY2(m_fake.loaded(), "stand-in encoder library not loadable");
        sheet.integrations.encoder().setLibraryCandidates({QString::fromUtf8(FAKEPHIDGET_PATH)});
        auto* preview = ViewTest::byName<QLabel>(sheet.view, u"Encoder preview"_s);
        type(sheet.view, u"Device serial number"_s, u"7"_s);
        type(sheet.view, u"Degrees/count"_s, u"-5"_s);
        choose(sheet.view, u"Target"_s, u"R:Rotor 1"_s);
        click(sheet.view, u"Start encoder"_s);
        m_fake.set(true, 1000);
        QTRY_COMPARE(sheet.text(u"Encoder status"_s), u"Phidget connected"_s);
        m_fake.settle();
        const double start = sheet.integrations.encoderHeading();
        QCOMPARE(preview->text(), u"Preview: "_s + fixedText(start, 1) + u"°"_s);

        m_fake.set(true, 1003);
        const double turned = std::fmod(start - 15.0 + 360.0, 360.0);
        QTRY_COMPARE(preview->text(), u"Preview: "_s + fixedText(turned, 1) + u"°"_s);
        sheet.bench.simulator->clearReceived();
        click(sheet.view, u"Apply"_s);
        QVERIFY(!preview->isVisible());
        sheet.expectSent({QByteArray("TURN\x1fRotor 1\x1f") + fixedText(turned, 1).toLatin1() + "\r\n"});

        m_fake.set(true, 1004);
        QTRY_VERIFY(preview->isVisible());
        click(sheet.view, u"Stop encoder"_s);
        QCOMPARE(sheet.text(u"Encoder status"_s), u"Stopped"_s);
        QVERIFY(!preview->isVisible());
        QTRY_COMPARE(m_fake.liveHandles(), 0);
    }

    void rotctldServerStartedFromSheet_parksTheChosenRotor()
    {
        Sheet sheet(true);
        choose(sheet.view, u"rotctld rotor"_s, u"Rotor 2"_s);
        const QString port = QString::number(closedPort());
        type(sheet.view, u"rotctld port"_s, port);
        type(sheet.view, u"Park heading"_s, u"90"_s);
        type(sheet.view, u"Re-aim tolerance"_s, u"2.5"_s);
        click(sheet.view, u"Start rotctld server"_s);
        const QString listening = u"Listening on 127.0.0.1:"_s + port;
        QCOMPARE(sheet.text(u"Rotctld server status"_s), listening + u" · no clients"_s);
        QCOMPARE(sheet.stored().value().rotctldRotor, u"Rotor 2"_s);
        QCOMPARE(sheet.stored().value().rotctldTolerance, 2.5);
        QVERIFY(sheet.stored().value().rotctldEnabled);

        QTcpSocket peer;
        peer.connectToHost(QHostAddress::LocalHost, port.toUShort());
        QTRY_COMPARE(sheet.text(u"Rotctld server status"_s), listening + u" · 1 client"_s);
        sheet.bench.simulator->clearReceived();
        peer.write("K\n");
        QByteArray answer;
        QTRY_COMPARE(answer += peer.readAll(), QByteArray("RPRT 0\n"));
        sheet.expectSent({wire("TURN|Rotor 2|90.0")});

        click(sheet.view, u"Stop rotctld server"_s);
        QCOMPARE(sheet.text(u"Rotctld server status"_s), u"Stopped"_s);
        QTRY_COMPARE(peer.state(), QAbstractSocket::UnconnectedState);
        auto* stop = ViewTest::byName<QAbstractButton>(sheet.view, u"Stop rotctld server"_s);
        QVERIFY(!stop->isEnabled() && stop->toolTip() == u"The rotctld server is not running."_s);
        QVERIFY(!sheet.stored().value().rotctldEnabled);
    }

    void storedRecord_isShownAndEditsAreStoredOnClose()
    {
        IntegrationSettings record;
        record.station = u"K1ABC"_s;
        KeyBinding binding;
        binding.key = u"SHIFT S"_s;
        binding.rotor = u"K:Gone"_s;
        record.keyCommands = {binding};
        Sheet sheet(false);
        sheet.bench.defaults.setData(SettingsKeys::integrations(u"10.0.0.7:4001"_s), record.encoded().value());
        sheet.integrations.load(u"10.0.0.7:4001"_s);

        QCOMPARE(ViewTest::byName<QLineEdit>(sheet.view, u"Station name filter (optional)"_s)->text(), u"K1ABC"_s);
        QCOMPARE(ViewTest::byName<QLineEdit>(sheet.view, u"Key token 1"_s)->text(), u"SHIFT S"_s);
        // A device the station does not report stays as stored.
        QCOMPARE(ViewTest::byName<QComboBox>(sheet.view, u"Device 1"_s)->currentText(), u"K:Gone"_s);

        type(sheet.view, u"Logger host"_s, u"192.168.1.20"_s);
        click(sheet.view, u"Remove binding 1"_s);
        QTRY_VERIFY(!ViewTest::byName<QLineEdit>(sheet.view, u"Key token 1"_s));
        QVERIFY(ViewTest::labelWithText(sheet.view, u"No key bindings"_s));
        QTest::keyClick(sheet.view, Qt::Key_Escape);
        QTRY_VERIFY(!sheet.view);

        IntegrationSettings expected = record;
        expected.host = u"192.168.1.20"_s;
        expected.keyCommands.clear();
        QCOMPARE(sheet.stored(), std::optional<IntegrationSettings>(expected));
    }

    void everyControl_hasAnAccessibleName()
    {
        Sheet sheet(true);
        click(sheet.view, u"Add key binding"_s);
        QVERIFY(ViewTest::byName<QComboBox>(sheet.view, u"Radio for Switch: Switch 3"_s));
        QCOMPARE(ViewTest::unnamedControls(sheet.view), QStringList());
        sheet.integrations.receive(LoggerEvent::frequency(1, 14.2), *sheet.bench.client);
        sheet.integrations.receive(LoggerEvent::key(u"CTRL R"_s), *sheet.bench.client);
        type(sheet.view, u"Key token 1"_s, u"CTRL R"_s);
        sheet.view->resize(760, 800);
        QTest::qWait(200);
        auto* scroll = sheet.view->findChild<QScrollArea*>();
        qDebug() << scroll->widget()->minimumSizeHint() << scroll->widget()->sizeHint();
        for (int i = 0; i < 4; ++i) {
            scroll->verticalScrollBar()->setValue(i * 650);
            QTest::qWait(50);
            sheet.view->grab().save(u"/tmp/isv%1.png"_s.arg(i));
        }
    }
};

QTEST_MAIN(TestIntegrationSettingsView)
#include "tst_integrationsettingsview.moc"

#include "app/remote/RemoteDevices.h"
#include "app/remote/RemoteServer.h"
#include "app/workspace/StationSession.h"
#include "app/workspace/StationWorkspace.h"
#include "core/protocol/FixedText.h"
#include "core/protocol/OVVProtocol.h"
#include "tests/core/client/ClientTestSupport.h"

#include <QColor>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>

using namespace ClientTest;

// The remote page in the system's Chromium, driven by Playwright (tests/browser), against a
// workspace live on the station simulator: pairing, headings, Rotate, STOP ALL, a heading going
// stale, and a phone's width.
class TestRemotePage final : public QObject {
    Q_OBJECT

private:
    QProcess m_browser;
    QByteArray m_output;

    // The facts of the next step the script reports; nothing when it ended instead.
    std::optional<QJsonObject> nextStep(const QByteArray& name)
    {
        const QByteArray marker = "STEP " + name + ' ';
        const auto arrived = [&] {
            m_output += m_browser.readAllStandardOutput();
            return m_output.contains(marker) || m_browser.state() == QProcess::NotRunning;
        };
        [&] { QTRY_VERIFY_WITH_TIMEOUT(arrived(), 60000); }();
        const qsizetype at = m_output.indexOf(marker);
        if (at < 0) {
            return std::nullopt;
        }
        const qsizetype end = m_output.indexOf('\n', at);
        const QJsonObject facts =
            QJsonDocument::fromJson(m_output.mid(at + marker.size(), end - at - marker.size())).object();
        m_output.remove(0, end + 1);
        return facts;
    }

private Q_SLOTS:
    void pairRotateStopAllAndSeeStale()
    {
        const QString chromium = qEnvironmentVariable("CHROMIUM", u"/usr/bin/chromium"_s);
        const QString node = QStandardPaths::findExecutable(u"node"_s);
        if (!QFileInfo(chromium).isExecutable() || node.isEmpty()) {
            QSKIP("Chromium or node is not installed (scripts/setup installs both)");
        }
        const QString script = QStringLiteral(XALTO_BROWSER_DIR) + u"/remote-page.mjs"_s;
        QVERIFY2(QFileInfo::exists(QStringLiteral(XALTO_BROWSER_DIR) + u"/node_modules/playwright-core"_s),
                 "playwright-core is missing: run scripts/setup");

        ManualClock clock;
        MemorySettingsStore defaults;
        StationSimulator simulator;
        QVERIFY(simulator.listen());
        StationWorkspace workspace(defaults, nullptr, clock);
        workspace.connectSession(workspace.sessions().first(), u"127.0.0.1"_s, portOf(simulator),
                                 ConnectionKind::ovVarnex, u"KT-90"_s);
        KeltoClient& client = workspace.sessions().first()->client();
        QTRY_VERIFY(client.connected());
        for (const QString& name : simulator.rotorNames()) {
            QTRY_VERIFY(client.station().rotors.value(name).updated.has_value());
        }
        client.setControlsEnabled(true);
        RemoteServer server(workspace, defaults, clock);
        RemoteSettings settings;
        settings.enabled = true;
        settings.port = 0;
        server.setSettings(settings);
        QVERIFY(server.running());

        m_browser.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        QStringList arguments{script, server.url(), server.pairingCode()};
        if (const QString shot = qEnvironmentVariable("XALTO_REMOTE_SCREENSHOT"); !shot.isEmpty()) {
            arguments.append(shot);
        }
        m_browser.start(node, arguments);
        const auto proceed = [&] { m_browser.write("GO\n"); };

        std::optional<QJsonObject> facts = nextStep("paired");
        if (!facts && m_output.contains("Failed to launch")) {
            QSKIP(qPrintable(u"Chromium cannot run here: "_s + QString::fromUtf8(m_output.left(400))));
        }
        QVERIFY2(facts, m_output.constData());
        QCOMPARE(facts->value(u"overflow"_s).toInt(), 0);
        QCOMPARE(facts->value(u"device"_s).toString(), u"Test phone"_s);
        QCOMPARE(facts->value(u"role"_s).toString(), u"Live · Watch"_s);
        const QJsonArray headings = facts->value(u"headings"_s).toArray();
        QCOMPARE(headings.size(), qsizetype(2));
        for (const QJsonValue& pair : headings) {
            const QString name = pair.toArray().at(0).toString();
            QCOMPARE(pair.toArray().at(1).toString(),
                     fixedText(*client.station().rotors.value(name).heading, 1) + u"°"_s);
        }
        // A paired device watches until the operator lets it control.
        QCOMPARE(server.devices().devices().size(), qsizetype(1));
        server.devices().setRole(server.devices().devices().first().id, PairedDevice::Role::control);
        simulator.clearReceived();
        proceed();

        QVERIFY2(nextStep("rotated"), m_output.constData());
        QTRY_VERIFY(commandRecords(simulator).contains(QByteArray("TURN\x1fRotor 1\x1f"
                                                                  "123.0\r\n")));
        QVERIFY(logTexts(client).contains(u"Turn requested: Rotor 1 → 123.0° (remote: Test phone)"_s));
        simulator.clearReceived();
        proceed();

        QVERIFY2(nextStep("stopped"), m_output.constData());
        QTRY_COMPARE(commandRecords(simulator),
                     (QList<QByteArray>{*OVVProtocol::stop(u"Rotor 1"), *OVVProtocol::stop(u"Rotor 2")}));
        // The station falls silent; past the freshness limit the next tick makes the heading stale.
        simulator.setFault(StationSimulator::Fault::silence);
        QTest::qWait(100);
        clock.advance(Rotor::freshSeconds + 1);
        proceed();

        facts = nextStep("stale");
        QVERIFY2(facts, m_output.constData());
        QCOMPARE(facts->value(u"status"_s).toString(), u"Stale"_s);
        const QColor orange(facts->value(u"orange"_s).toString());
        QCOMPARE(facts->value(u"color"_s).toString(),
                 u"rgb(%1, %2, %3)"_s.arg(orange.red()).arg(orange.green()).arg(orange.blue()));
        QCOMPARE(facts->value(u"overflow"_s).toInt(), 0);
        proceed();
        QTRY_COMPARE_WITH_TIMEOUT(m_browser.state(), QProcess::NotRunning, 20000);
        m_output += m_browser.readAllStandardOutput();
        QVERIFY2(!m_output.contains("PAGEERROR"), m_output.constData());
        QCOMPARE(m_browser.exitCode(), 0);
    }
};

QTEST_GUILESS_MAIN(TestRemotePage)
#include "tst_remotepage.moc"

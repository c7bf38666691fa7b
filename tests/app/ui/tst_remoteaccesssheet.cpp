#include "app/remote/RemoteDevices.h"
#include "app/remote/RemoteServer.h"
#include "app/ui/sheets/RemoteAccessSheet.h"
#include "app/workspace/StationWorkspace.h"
#include "core/client/MemorySettingsStore.h"
#include "tests/app/ui/SheetTestSupport.h"
#include "tests/support/ManualClock.h"

#include <QApplication>
#include <QLabel>
#include <QTcpServer>
#include <QTreeWidget>
#include <QWebSocket>

using namespace Qt::Literals::StringLiterals;

// The Remote access sheet against a real server: the switch starts it, the sheet shows what to
// open and the code, and revoking a device from the sheet ends its page.
class TestRemoteAccessSheet final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void switchOnPairAndRevoke()
    {
        ManualClock clock;
        MemorySettingsStore defaults;
        StationWorkspace workspace(defaults, nullptr, clock);
        RemoteServer server(workspace, defaults, clock);
        RemoteSettings settings = server.settings();
        QVERIFY(!settings.enabled);
        // A free port, as the sheet's field holds real ports only.
        QTcpServer probe;
        QVERIFY(probe.listen(QHostAddress::LocalHost));
        settings.port = probe.serverPort();
        probe.close();
        server.setSettings(settings);
        // Paired earlier, with a name that looks like markup.
        const QString token = server.devices().pair(u"<b>Tablet</b>"_s);

        RemoteAccessSheet sheet(server);
        sheet.show();
        SheetTest::click(&sheet, u"Serve the remote page"_s);
        QVERIFY2(server.running(), qPrintable(server.message()));
        QCOMPARE(server.serverPort(), settings.port);
        QVERIFY(RemoteSettings::load(defaults).enabled);
        const QList<QLabel*> labels = sheet.findChildren<QLabel*>();
        const auto shows = [&](const QString& text) {
            return std::any_of(labels.cbegin(), labels.cend(), [&](const QLabel* l) { return l->text() == text; });
        };
        QVERIFY(shows(server.url()));
        QVERIFY(shows(server.pairingCode()));
        QVERIFY(std::any_of(labels.cbegin(), labels.cend(), [](const QLabel* l) { return !l->pixmap().isNull(); }));
        const QImage qr = RemoteAccessSheet::qrCode(server.url() + u"#code="_s + server.pairingCode());
        QVERIFY(qr.width() >= 21 + 8);

        auto* devices = sheet.findChild<QTreeWidget*>();
        QCOMPARE(devices->topLevelItemCount(), 1);
        QCOMPARE(devices->topLevelItem(0)->text(0), u"<b>Tablet</b>"_s);
        QCOMPARE(devices->topLevelItem(0)->text(1), u"Watch"_s);

        QWebSocket page(server.url().chopped(1));
        QNetworkRequest request(QUrl(u"ws://127.0.0.1:"_s + QString::number(server.serverPort()) + u"/ws"_s));
        request.setRawHeader("Cookie", "xalto_remote=" + token.toLatin1());
        page.open(request);
        QTRY_COMPARE(page.state(), QAbstractSocket::ConnectedState);
        QTRY_COMPARE(devices->topLevelItem(0)->text(2), u"Yes"_s);

        devices->setCurrentItem(devices->topLevelItem(0));
        SheetTest::click(&sheet, u"Change role"_s);
        QCOMPARE(server.devices().devices().first().role, PairedDevice::Role::control);
        SheetTest::click(&sheet, u"Revoke"_s);
        QVERIFY(server.devices().devices().isEmpty());
        QCOMPARE(devices->topLevelItemCount(), 0);
        QTRY_COMPARE(page.state(), QAbstractSocket::UnconnectedState);
        if (const QString shot = qEnvironmentVariable("XALTO_SHEET_SHOT"); !shot.isEmpty()) {
            sheet.grab().save(shot);
        }
    }
};

QTEST_MAIN(TestRemoteAccessSheet)
#include "tst_remoteaccesssheet.moc"

#include "app/integrations/StationIntegrations.h"
#include "app/profiles/StationPresentation.h"
#include "app/ui/sheets/IntegrationSettingsView.h"
#include "app/ui/sheets/LayoutEditorDialog.h"
#include "core/integrations/LoggerTransport.h"
#include "tests/app/ui/SheetTestSupport.h"
#include "tests/core/client/ClientTestSupport.h"
#include "tests/core/integrations/LoggerTestSupport.h"
#include "tests/support/ViewTestSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QSlider>
#include <QSpinBox>
#include <QTest>
#include <QUdpSocket>

#include <functional>

using namespace ClientTest;
using namespace SheetTest;

namespace {

const QString endpoint = u"10.0.0.5:4001"_s;
const QStringList keys{u"Switch: Switch 1"_s, u"Rotor: Tower 2"_s, u"Rotor: Tower 10"_s, u"Stack: Upper"_s};

using Edit = std::function<void(LayoutEditorDialog&)>;
using Check = std::function<bool(const StationPresentation&)>;

LayoutEditorDialog* openEditor(StationPresentation& presentation, const QStringList& deviceKeys)
{
    auto* editor = new LayoutEditorDialog(presentation, deviceKeys);
    editor->setAttribute(Qt::WA_DeleteOnClose);
    editor->open();
    return editor;
}

} // namespace

// The layout sheet against a real StationPresentation and settings store: edits stay in the
// sheet until "Save layout", which the presentation then reports and keeps for the server; and
// the band filter fed by a real logger datagram through the integrations sheet.
class TestLayoutEditor final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void savedEdit_changesWhatThePresentationReports_data()
    {
        QTest::addColumn<Edit>("edit");
        QTest::addColumn<Check>("check");
        const QMap<int, double> noBand;

        QTest::newRow("hide a device") << Edit([](LayoutEditorDialog& d) {
            click(&d, u"Show Switch: Switch 1"_s);
        }) << Check([=](const StationPresentation& p) {
            return !p.visible(u"Switch: Switch 1"_s, noBand) && p.visible(u"Stack: Upper"_s, noBand);
        });
        // Tower 2 comes before Tower 10 by name; a higher order number moves it after.
        QTest::newRow("order") << Edit([](LayoutEditorDialog& d) { type(&d, u"Order of Rotor: Tower 2"_s, u"5"_s); })
                               << Check([](const StationPresentation& p) {
                                      return p.before(u"Rotor: Tower 10"_s, u"Rotor: Tower 2"_s) &&
                                             !p.before(u"Rotor: Tower 2"_s, u"Rotor: Tower 10"_s);
                                  });
        QTest::newRow("width in steps of 10") << Edit([](LayoutEditorDialog& d) {
            auto* slider = ViewTest::byName<QSlider>(&d, u"Rotor card width"_s);
            QTest::keyClick(slider, Qt::Key_Right);
            QTest::keyClick(slider, Qt::Key_Right);
        }) << Check([](const StationPresentation& p) { return p.settings().cardWidth == 360.0; });
        QTest::newRow("accent") << Edit([](LayoutEditorDialog& d) { choose(&d, u"Accent"_s, u"Purple"_s); })
                                << Check([](const StationPresentation& p) {
                                       return p.color() == StationPresentation::accentColor(u"Purple"_s);
                                   });
        QTest::newRow("band source") << Edit([](LayoutEditorDialog& d) { choose(&d, u"Band source"_s, u"Radio B"_s); })
                                     << Check([](const StationPresentation& p) { return p.settings().radio == 2; });
    }
    void savedEdit_changesWhatThePresentationReports()
    {
        QFETCH(Edit, edit);
        QFETCH(Check, check);
        MemorySettingsStore defaults;
        StationPresentation presentation(defaults);
        presentation.load(endpoint);
        LayoutEditorDialog* editor = openEditor(presentation, keys);
        auto* save = ViewTest::byName<QAbstractButton>(editor, u"Save layout"_s);
        QVERIFY(!save->isEnabled());

        CLIENT_TEST_CHECK(edit(*editor));
        // Nothing reaches the station view before the layout is saved.
        QCOMPARE(presentation.settings(), PresentationSettings());
        QVERIFY(save->isEnabled());
        click(editor, u"Save layout"_s);
        QVERIFY(check(presentation));
        QVERIFY(!save->isEnabled());

        StationPresentation reloaded(defaults);
        reloaded.load(endpoint);
        QCOMPARE(reloaded.settings(), presentation.settings());
        click(editor, u"Close"_s);
        QTRY_VERIFY(!QApplication::activeModalWidget());
    }

    void closingWithEdits_asksBeforeDiscarding()
    {
        MemorySettingsStore defaults;
        StationPresentation presentation(defaults);
        presentation.load(endpoint);
        LayoutEditorDialog* editor = openEditor(presentation, keys);
        type(editor, u"Bands for Stack: Upper"_s, u"20m"_s);

        click(editor, u"Close"_s);
        auto* question = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(question);
        click(question, u"Cancel"_s);
        QTRY_COMPARE(QApplication::activeModalWidget(), editor);
        QCOMPARE(ViewTest::byName<QLineEdit>(editor, u"Bands for Stack: Upper"_s)->text(), u"20m"_s);

        click(editor, u"Close"_s);
        question = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(question);
        click(question, u"Discard changes"_s);
        QTRY_VERIFY(!QApplication::activeModalWidget());
        QCOMPARE(presentation.settings(), PresentationSettings());
    }

    // The logger runs from the integrations sheet; a RadioInfo datagram names the band.
    void bandFilter_showsOnlyTheDevicesOfTheLoggersBand()
    {
        Bench bench;
        CLIENT_TEST_CHECK(bench.connectLive());
        StationIntegrations integrations(bench.defaults, bench.clock);
        StationPresentation presentation(bench.defaults);
        integrations.load(bench.client->endpoint());
        presentation.load(bench.client->endpoint());
        const StationState& station = bench.client->station();
        QStringList stationKeys;
        for (const QString& name : station.rotors.keys()) {
            stationKeys.append(u"Rotor: "_s + name);
        }
        for (const QString& name : station.switches.keys()) {
            stationKeys.append(u"Switch: "_s + name);
        }
        stationKeys.append(u"Tuner: Tuner"_s);

        LayoutEditorDialog* editor = openEditor(presentation, stationKeys);
        QCOMPARE(ViewTest::unnamedControls(editor), QStringList());
        click(editor, u"Show devices for the current logger band"_s);
        type(editor, u"Bands for Switch: Switch 1"_s, u"20M, 40m"_s);
        type(editor, u"Bands for Switch: Switch 2"_s, u"15m"_s);
        type(editor, u"Bands for Tuner: Tuner"_s, u"20m"_s);
        click(editor, u"Save layout"_s);
        click(editor, u"Close"_s);
        QTRY_VERIFY(!QApplication::activeModalWidget());

        auto* view = new IntegrationSettingsView(integrations, *bench.client);
        view->setAttribute(Qt::WA_DeleteOnClose);
        view->open();
        const quint16 port = freeUdpPort();
        type(view, u"Logger port"_s, QString::number(port));
        click(view, u"Start logger"_s);
        QTRY_VERIFY(integrations.transport().message().startsWith(u"Listening on "_s));

        const auto shown = [&] {
            QStringList visible;
            for (const QString& key : std::as_const(stationKeys)) {
                if (presentation.visible(key, integrations.frequencies())) {
                    visible.append(key);
                }
            }
            return visible;
        };
        // No band known yet: everything shows.
        QCOMPARE(shown(), stationKeys);
        QUdpSocket sender;
        const auto radio = [&](const QByteArray& freq) {
            sender.writeDatagram(n1mmRadioInfo("<RadioNr>1</RadioNr><Freq>" + freq + "</Freq>"),
                                 QHostAddress::LocalHost, port);
        };
        radio("1420000");
        QTRY_COMPARE(shown(), (QStringList{u"Rotor: Rotor 1"_s, u"Rotor: Rotor 2"_s, u"Switch: Switch 1"_s,
                                           u"Switch: Switch 3"_s, u"Switch: Switch 4"_s, u"Tuner: Tuner"_s}));
        radio("2120000");
        QTRY_COMPARE(shown(), (QStringList{u"Rotor: Rotor 1"_s, u"Rotor: Rotor 2"_s, u"Switch: Switch 2"_s,
                                           u"Switch: Switch 3"_s, u"Switch: Switch 4"_s}));
        click(view, u"Close"_s);
    }
};

QTEST_MAIN(TestLayoutEditor)
#include "tst_layouteditor.moc"

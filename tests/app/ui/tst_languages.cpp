#include "app/profiles/ServerProfiles.h"
#include "app/ui/shell/Languages.h"
#include "app/ui/shell/MainWindow.h"
#include "app/ui/shell/ServerLoginView.h"
#include "app/ui/shell/SettingsSheet.h"
#include "app/ui/station/StationView.h"
#include "app/ui/station/StationWorkspaceView.h"
#include "app/ui/style/LocaleText.h"
#include "app/workspace/StationSession.h"
#include "app/workspace/StationWorkspace.h"
#include "core/client/AuthenticationRequest.h"
#include "core/client/MemorySettingsStore.h"
#include "tests/app/ui/StationViewTestSupport.h"
#include "tools/station-sim/StationSimulator.h"

#include <QComboBox>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTranslator>

#include <memory>

using namespace Qt::Literals::StringLiterals;

// The program started in German or Japanese: the real window, a card and the login sheet speak
// it, plural forms follow the language's rules, and numbers its separator.
class TestLanguages final : public QObject {
    Q_OBJECT

    static void forgetLanguage()
    {
        for (QTranslator* translator : QCoreApplication::instance()->findChildren<QTranslator*>()) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
        QLocale::setDefault(QLocale::c());
        LocaleText::setDistanceUnit(LocaleText::DistanceUnit::kilometres);
    }

private Q_SLOTS:
    void cleanup() { forgetLanguage(); }

    void window_speaksTheLanguage_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("connect");
        QTest::addColumn<QString>("rotate");
        QTest::addColumn<QString>("signIn");
        QTest::addColumn<QString>("fileMenu");
        QTest::addColumn<QString>("heading");
        QTest::newRow("German") << u"de"_s << u"Verbinden"_s << u"Drehen"_s << u"Anmelden"_s << u"&Datei"_s << u","_s;
        QTest::newRow("Japanese") << u"ja"_s << u"接続"_s << u"回転"_s << u"サインイン"_s << u"ファイル(&F)"_s
                                  << u"."_s;
    }

    void window_speaksTheLanguage()
    {
        QFETCH(QString, code);
        QVERIFY(Languages::install(*QCoreApplication::instance(), code));

        StationSimulator simulator{StationSimulator::Options{}};
        QVERIFY(simulator.listen());
        MemorySettingsStore defaults;
        const ServerProfile profile = StationViewTest::profileFor(simulator, u"Home"_s);
        ServerProfiles(defaults).setItems({profile});
        StationWorkspace workspace(defaults, nullptr);
        MainWindow window(workspace);
        window.show();
        StationView* view = window.workspaceView().currentView();
        view->selectProfile(profile);

        QFETCH(QString, connect);
        QTRY_VERIFY(ViewTest::byName<QPushButton>(view, connect) != nullptr);
        StationViewTest::click(view, connect);
        QFETCH(QString, rotate);
        QTRY_VERIFY(view->card(u"Rotor: Rotor 1"_s) != nullptr);
        QTRY_VERIFY(ViewTest::byName<QAbstractButton>(view->card(u"Rotor: Rotor 1"_s), rotate) != nullptr);
        QFETCH(QString, fileMenu);
        QCOMPARE(window.menuBar()->actions().constFirst()->text(), fileMenu);

        // The heading the server reports, with the language's decimal separator.
        QFETCH(QString, heading);
        const QString headingName = QCoreApplication::translate("RotorCard", "Heading of %1").arg(u"Rotor 1"_s);
        QLabel* label = nullptr;
        QTRY_VERIFY((label = ViewTest::byName<QLabel>(view->card(u"Rotor: Rotor 1"_s), headingName)) != nullptr);
        QTRY_VERIFY2(label->text().contains(u'°') && label->text().contains(heading), qPrintable(label->text()));

        QFETCH(QString, signIn);
        ServerLoginView login(workspace.sessions().constFirst()->client(),
                              AuthenticationRequest::make(u"127.0.0.1:4001"_s, QString(), QString()));
        QVERIFY(ViewTest::byName<QPushButton>(&login, signIn) != nullptr);
    }

    void plurals_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("one");
        QTest::addColumn<QString>("five");
        QTest::newRow("English") << u"en"_s << u"1 client"_s << u"5 clients"_s;
        QTest::newRow("German") << u"de"_s << u"1 Client"_s << u"5 Clients"_s;
        QTest::newRow("Japanese") << u"ja"_s << u"クライアント 1 台"_s << u"クライアント 5 台"_s;
    }

    void plurals()
    {
        QFETCH(QString, code);
        QVERIFY(Languages::install(*QCoreApplication::instance(), code));
        QTEST(QCoreApplication::translate("IntegrationRotctldSection", "%n clients", nullptr, 1), "one");
        QTEST(QCoreApplication::translate("IntegrationRotctldSection", "%n clients", nullptr, 5), "five");
    }

    // Settings: the language is saved for the next start, the unit applies at once.
    void settingsSheet_savesLanguageAndUnit()
    {
        MemorySettingsStore settings;
        LocaleText::setDistanceUnit(LocaleText::DistanceUnit::kilometres);
        SettingsSheet sheet(settings, QString());
        sheet.show();
        const QString note = ViewTest::byName<QLabel>(&sheet, u"Language note"_s)->text();
        sheet.languagePicker()->setCurrentIndex(sheet.languagePicker()->findText(u"Deutsch"_s));
        QVERIFY(ViewTest::byName<QLabel>(&sheet, u"Language note"_s)->text() != note);
        sheet.unitPicker()->setCurrentIndex(sheet.unitPicker()->findData(u"mi"_s));
        QTest::keyClick(&sheet, Qt::Key_Return);
        QCOMPARE(settings.text(Languages::languageKey), std::optional(u"de"_s));
        QCOMPARE(LocaleText::distanceUnit(), LocaleText::DistanceUnit::miles);

        // The next start.
        LocaleText::setDistanceUnit(LocaleText::DistanceUnit::kilometres);
        QVERIFY(Languages::applySaved(*QCoreApplication::instance(), settings));
        QCOMPARE(QCoreApplication::translate("StationView", "Connect"), u"Verbinden"_s);
        QCOMPARE(LocaleText::distanceUnit(), LocaleText::DistanceUnit::miles);
        QCOMPARE(LocaleText::number(1.5, 1), u"1,5"_s);
    }

    void unknownLanguage_speaksEnglish()
    {
        QVERIFY(!Languages::install(*QCoreApplication::instance(), u"xx"_s));
        QCOMPARE(QCoreApplication::translate("StationView", "Connect"), u"Connect"_s);
    }
};

QTEST_MAIN(TestLanguages)
#include "tst_languages.moc"

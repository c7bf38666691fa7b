#include "app/profiles/ServerProfile.h"
#include "app/profiles/ServerProfiles.h"
#include "app/profiles/SettingsKeys.h"
#include "app/profiles/UuidText.h"
#include "app/ui/shell/Application.h"
#include "app/ui/shell/LiveLogView.h"
#include "app/ui/shell/MainWindow.h"
#include "app/ui/shell/SingleInstance.h"
#include "app/workspace/StationSession.h"
#include "app/workspace/StationWorkspace.h"
#include "core/client/KeltoClient.h"
#include "core/client/QSettingsStore.h"
#include "tools/station-sim/StationSimulator.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QMainWindow>
#include <QPointer>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QUuid>

#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace {

// A command line that outlives the application object, as argv must.
struct Arguments {
    explicit Arguments(const QStringList& texts)
    {
        for (const QString& text : texts) {
            bytes.append(text.toLocal8Bit());
        }
        for (QByteArray& text : bytes) {
            pointers.push_back(text.data());
        }
        pointers.push_back(nullptr);
        count = static_cast<int>(texts.size());
    }
    QList<QByteArray> bytes;
    std::vector<char*> pointers;
    int count = 0;
};

} // namespace

// The real application object offscreen, the way `make run` starts it, on a settings folder of
// the test's own.
class TestApplication final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void run_closingMainWindowClosesLogAndEveryConnection()
    {
        QTemporaryDir settings;
        const QString logPath = settings.filePath(u"contest.log"_s);
        Arguments arguments({u"xalto"_s, u"--settings-dir"_s, settings.path(), u"--log-file"_s, logPath});
        Application application(arguments.count, arguments.pointers.data());
        StationSimulator first;
        StationSimulator second;
        QVERIFY(first.listen() && second.listen());

        QString title;
        QPointer<LiveLogView> log;
        bool bothConnected = false;
        QTimer::singleShot(0, &application, [&] {
            MainWindow* window = application.mainWindow();
            title = window->windowTitle();
            StationWorkspace* workspace = application.workspace();
            workspace->add();
            workspace->connectSession(workspace->sessions().at(0), u"127.0.0.1"_s, QString::number(first.serverPort()),
                                      ConnectionKind::ovVarnex, u"A"_s);
            workspace->connectSession(workspace->sessions().at(1), u"127.0.0.1"_s, QString::number(second.serverPort()),
                                      ConnectionKind::ovVarnex, u"B"_s);
            window->showLog();
            log = window->logWindow();
            bothConnected = QTest::qWaitFor([&] {
                return workspace->sessions().at(0)->client().connected() &&
                       workspace->sessions().at(1)->client().connected();
            });
            window->close();
        });
        QCOMPARE(application.run(), 0);
        QCOMPARE(title, u"Xalto Station Control"_s);
        QVERIFY(bothConnected);
        QVERIFY(log.isNull() || !log->isVisible());
        QTRY_COMPARE(first.clientCount(), 0);
        QTRY_COMPARE(second.clientCount(), 0);
        QCOMPARE(QCoreApplication::applicationVersion(), QStringLiteral(XALTO_VERSION));

        // The log file keeps every merged line, each with its date and time before the tag.
        QFile file(logPath);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = file.readAll().trimmed().split('\n');
        QVERIFY(lines.size() >= 4);
        const QRegularExpression dated(u"^"_s + QDate::currentDate().toString(Qt::ISODate) +
                                       u" \\d\\d:\\d\\d:\\d\\d \\[127\\.0\\.0\\.1:\\d+\\] \\S"_s);
        for (const QByteArray& line : lines) {
            QVERIFY2(dated.match(QString::fromUtf8(line)).hasMatch(), line.constData());
        }
        // A connection opens with its own lines; the tear-down closes it.
        QVERIFY(lines.first().contains("TCP connected to"));
        QVERIFY(std::any_of(lines.cbegin(), lines.cend(),
                            [](const QByteArray& line) { return line.endsWith("Disconnected"); }));
    }

    void singleInstance_secondStartOnSameSettingsActivatesTheFirst()
    {
        int argc = 1;
        char name[] = "xalto";
        char* argv[] = {name, nullptr};
        QCoreApplication application(argc, argv);
        const QString scope = u"/tmp/xalto-test-"_s + QUuid::createUuid().toString(QUuid::WithoutBraces);

        SingleInstance first(scope);
        QVERIFY(!first.notifyRunning());
        QVERIFY(first.listen());
        QSignalSpy activated(&first, &SingleInstance::activationRequested);
        // The later start talks to the first from its own process; a thread stands in for it here.
        bool answered = false;
        std::unique_ptr<QThread> later(QThread::create([&] { answered = SingleInstance(scope).notifyRunning(); }));
        later->start();
        QTRY_COMPARE(activated.count(), 1);
        later->wait();
        QVERIFY(answered);

        // Another settings store runs on its own.
        QVERIFY(!SingleInstance(scope + u"-other"_s).notifyRunning());
    }

    void connectOption_connectsEveryRestoredTab_data()
    {
        QTest::addColumn<bool>("connect");
        QTest::newRow("--connect") << true;
        QTest::newRow("restored only") << false;
    }
    void connectOption_connectsEveryRestoredTab()
    {
        QFETCH(bool, connect);
        QTemporaryDir settings;
        QStringList texts{u"xalto"_s, u"--settings-dir"_s, settings.path()};
        if (connect) {
            texts.append(u"--connect"_s);
        }
        Arguments arguments(texts);
        Application application(arguments.count, arguments.pointers.data());
        StationSimulator first;
        StationSimulator second;
        QVERIFY(first.listen() && second.listen());
        {
            QSettingsStore store(QDir(settings.path()).filePath(u"settings.ini"_s));
            const ServerProfile a{
                QUuid::createUuid(),      u"Contest station"_s, u"127.0.0.1"_s, QString::number(first.serverPort()),
                ConnectionKind::ovVarnex, std::nullopt,         std::nullopt,   std::nullopt};
            const ServerProfile b{
                QUuid::createUuid(),      u"Second"_s,  u"127.0.0.1"_s, QString::number(second.serverPort()),
                ConnectionKind::ovVarnex, std::nullopt, std::nullopt,   std::nullopt};
            ServerProfiles(store).setItems({a, b});
            store.setTextList(SettingsKeys::lastConnectedServerProfiles, {UuidText::text(a.id), UuidText::text(b.id)});
        }

        QStringList messages;
        bool bothConnected = false;
        QTimer::singleShot(0, &application, [&] {
            const QList<StationSession*>& sessions = application.workspace()->sessions();
            bothConnected = QTest::qWaitFor(
                [&] {
                    return sessions.size() == 2 && sessions.at(0)->client().connected() &&
                           sessions.at(1)->client().connected();
                },
                connect ? 5000 : 300);
            for (const StationSession* session : sessions) {
                messages.append(session->client().message());
            }
            application.mainWindow()->close();
        });
        QCOMPARE(application.run(), 0);
        QCOMPARE(bothConnected, connect);
        // A first start has no snapshot: nothing claims a last known station.
        const QString expected = connect ? u"Connected · live station data"_s : u"Disconnected"_s;
        QCOMPARE(messages, (QStringList{expected, expected}));
    }

    // Over ssh and in scripts there is no display: help and version must not need one.
    void helpAndVersion_answerWithoutDisplay_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("expected");
        QTest::newRow("--help") << u"--help"_s << u"--connect"_s;
        QTest::newRow("--version") << u"--version"_s << u"Xalto Station Control "_s;
    }
    void helpAndVersion_answerWithoutDisplay()
    {
        QFETCH(QString, option);
        QFETCH(QString, expected);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const QString& name : {u"QT_QPA_PLATFORM"_s, u"DISPLAY"_s, u"WAYLAND_DISPLAY"_s}) {
            environment.remove(name);
        }
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(XALTO_PROGRAM), {option});
        QVERIFY(program.waitForFinished(30'000));
        const QString output = QString::fromLocal8Bit(program.readAllStandardOutput());
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QVERIFY2(program.exitCode() == 0, program.readAllStandardError().constData());
        QVERIFY2(output.contains(expected), qPrintable(output));
        if (option == u"--help"_s) {
            QVERIFY(output.startsWith(u"Usage: "_s));
        }
    }

    void run_refusesUnknownOptions()
    {
        Arguments arguments({u"xalto"_s, u"--no-such-option"_s});
        Application application(arguments.count, arguments.pointers.data());
        QCOMPARE(application.run(), 2);
    }
};

QTEST_APPLESS_MAIN(TestApplication)
#include "tst_application.moc"

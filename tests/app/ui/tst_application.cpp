#include "app/ui/shell/Application.h"
#include "app/ui/shell/LiveLogView.h"
#include "app/ui/shell/MainWindow.h"
#include "app/workspace/StationSession.h"
#include "app/workspace/StationWorkspace.h"
#include "core/client/KeltoClient.h"
#include "tools/station-sim/StationSimulator.h"

#include <QMainWindow>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

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
        Arguments arguments({u"xalto"_s, u"--settings-dir"_s, settings.path()});
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

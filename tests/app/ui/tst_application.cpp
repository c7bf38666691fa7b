#include "app/ui/shell/Application.h"

#include <QMainWindow>
#include <QTest>
#include <QTimer>

using namespace Qt::Literals::StringLiterals;

// Starts the real application object offscreen, the way `make run` does, and lets it quit.
class TestApplication final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void run_showsTitledMainWindowAndQuits()
    {
        int argc = 1;
        char name[] = "xalto";
        char* argv[] = {name, nullptr};
        Application application(argc, argv);

        QString title;
        bool visible = false;
        QTimer::singleShot(0, &application, [&] {
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                if (auto* window = qobject_cast<QMainWindow*>(widget)) {
                    title = window->windowTitle();
                    visible = window->isVisible();
                }
            }
            QApplication::quit();
        });
        QCOMPARE(application.run(), 0);
        QCOMPARE(title, u"Xalto Station Control"_s);
        QVERIFY(visible);
        QCOMPARE(QCoreApplication::applicationVersion(), QStringLiteral(XALTO_VERSION));
    }
};

QTEST_APPLESS_MAIN(TestApplication)
#include "tst_application.moc"

#include "app/ui/shell/Application.h"

#include "app/ui/shell/MainWindow.h"

using namespace Qt::Literals::StringLiterals;

Application::Application(int& argc, char** argv)
    : QApplication(argc, argv)
{
    setApplicationName(u"Xalto Station Control"_s);
    setOrganizationName(u"Xalto"_s);
    setApplicationVersion(QStringLiteral(XALTO_VERSION));
}

Application::~Application() = default;

int Application::run()
{
    m_mainWindow = std::make_unique<MainWindow>();
    m_mainWindow->show();
    m_mainWindow->raise();
    m_mainWindow->activateWindow();
    return exec();
}

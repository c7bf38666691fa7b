#include "app/ui/shell/Application.h"

#include "app/ui/shell/MainWindow.h"
#include "app/ui/shell/TerminationSignals.h"
#include "app/ui/style/Icons.h"
#include "app/workspace/StationWorkspace.h"
#include "core/client/KeychainCredentialStore.h"
#include "core/client/QSettingsStore.h"

#include <QCommandLineParser>
#include <QDir>

#include <cstdio>

using namespace Qt::Literals::StringLiterals;

Application::Application(int& argc, char** argv)
    : QApplication(argc, argv)
{
    setApplicationName(u"Xalto Station Control"_s);
    setOrganizationName(u"Xalto"_s);
    setApplicationVersion(QStringLiteral(XALTO_VERSION));
    setDesktopFileName(u"xalto"_s);
    setWindowIcon(Icons::application());
}

Application::~Application()
{
    // Views first: they refer to the workspace, which refers to the stores.
    m_mainWindow.reset();
    m_workspace.reset();
}

int Application::run()
{
    QCommandLineParser parser;
    parser.setApplicationDescription(u"Station control for amateur-radio operators."_s);
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption settingsDir(
        u"settings-dir"_s, u"Keep the saved settings in <dir> instead of the user's own settings."_s, u"dir"_s);
    parser.addOption(settingsDir);
    if (!parser.parse(arguments())) {
        std::fprintf(stderr, "%s\n\n%s", qPrintable(parser.errorText()), qPrintable(parser.helpText()));
        return 2;
    }
    if (parser.isSet(u"help"_s)) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return 0;
    }
    if (parser.isSet(u"version"_s)) {
        std::printf("%s %s\n", qPrintable(applicationName()), qPrintable(applicationVersion()));
        return 0;
    }

    if (parser.isSet(settingsDir)) {
        const QString dir = parser.value(settingsDir);
        if (!QDir().mkpath(dir)) {
            std::fprintf(stderr, "The settings folder %s cannot be created.\n", qPrintable(dir));
            return 2;
        }
        m_settings = std::make_unique<QSettingsStore>(QDir(dir).filePath(u"settings.ini"_s));
    } else {
        m_settings = std::make_unique<QSettingsStore>();
    }
    m_credentials = std::make_unique<KeychainCredentialStore>();
    m_workspace = std::make_unique<StationWorkspace>(*m_settings, m_credentials.get());
    m_mainWindow = std::make_unique<MainWindow>(*m_workspace);

    connect(this, &QCoreApplication::aboutToQuit, this, [this] { m_workspace->disconnectAll(); });
    m_signals = std::make_unique<TerminationSignals>();
    connect(m_signals.get(), &TerminationSignals::received, this, [this] {
        if (m_mainWindow) {
            m_mainWindow->close();
        }
        quit();
    });

    m_mainWindow->show();
    m_mainWindow->raise();
    m_mainWindow->activateWindow();
    return exec();
}

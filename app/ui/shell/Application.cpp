#include "app/ui/shell/Application.h"

#include "app/map/CountryData.h"
#include "app/map/TileLoader.h"
#include "app/remote/RemoteServer.h"
#include "app/ui/map/WorldMap.h"
#include "app/ui/rotor/PointAtPanel.h"
#include "app/ui/sheets/RemoteAccessSheet.h"
#include "app/ui/shell/Languages.h"
#include "app/ui/shell/MainWindow.h"
#include "app/ui/shell/SettingsSheet.h"
#include "app/ui/shell/SingleInstance.h"
#include "app/ui/shell/TerminationSignals.h"
#include "app/ui/style/ControlEvents.h"
#include "app/ui/style/Icons.h"
#include "app/ui/style/PlainToolTips.h"
#include "app/workspace/LogFile.h"
#include "app/workspace/StationWorkspace.h"
#include "core/client/KeychainCredentialStore.h"
#include "core/client/QSettingsStore.h"

#include <QCommandLineParser>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include <cstdio>

using namespace Qt::Literals::StringLiterals;

namespace {

// A name, the same in every language: not translated.
const QString programName = u"Xalto Station Control"_s;

// The command line's help stays English, not translated: it is read before the saved language
// (and a --lang given with it) is known, and answers without a window.
struct Options {
    // English help, not translated (above).
    QCommandLineOption settingsDir{u"settings-dir"_s,
                                   u"Keep the saved settings in <dir> instead of the user's own settings."_s, u"dir"_s};
    // English help, not translated (above).
    QCommandLineOption logFile{
        u"log-file"_s, u"Append the connection and command log of every tab, with dates, to <file>."_s, u"file"_s};
    // English help, not translated (above).
    QCommandLineOption connect{u"connect"_s, u"Connect every restored server tab at start."_s};
    // English help, not translated (above).
    QCommandLineOption language{
        u"lang"_s, u"Speak <code> for this run only: en, de, es, fr, it, ja, pt_BR (or pseudo, for layout tests)."_s,
        u"code"_s};
};

void describe(QCommandLineParser& parser, const Options& options)
{
    // Part of the English command-line help, not translated (see Options).
    parser.setApplicationDescription(u"Station control for amateur-radio operators."_s);
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOptions({options.settingsDir, options.logFile, options.connect, options.language});
}

// Help and version, when asked for; nothing otherwise.
std::optional<int> answerHelpOrVersion(const QCommandLineParser& parser)
{
    if (parser.isSet(u"help"_s)) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return 0;
    }
    if (parser.isSet(u"version"_s)) {
        std::printf("%s %s\n", qPrintable(programName), XALTO_VERSION_DESCRIBED);
        return 0;
    }
    return std::nullopt;
}

} // namespace

std::optional<int> Application::answerWithoutDisplay(int argc, char** argv)
{
    // A core application needs no window system. Its own copy of the argument count: it may
    // take arguments it understands out of the list, which the GUI application must still see.
    int count = argc;
    const QCoreApplication core(count, argv);
    QCoreApplication::setApplicationName(programName);
    QCoreApplication::setApplicationVersion(QStringLiteral(XALTO_VERSION));
    const Options options;
    QCommandLineParser parser;
    describe(parser, options);
    // Options of the window system (such as -platform) are unknown here, so a failed parse is
    // left to `run`, which sees the arguments without them.
    parser.parse(QCoreApplication::arguments());
    return answerHelpOrVersion(parser);
}

Application::Application(int& argc, char** argv)
    : QApplication(argc, argv)
{
    setApplicationName(programName);
    setOrganizationName(u"Xalto"_s);
    setApplicationVersion(QStringLiteral(XALTO_VERSION));
    setDesktopFileName(u"org.xalto.StationControl"_s);
    setWindowIcon(Icons::application());
    PlainToolTips::install();
    ControlEvents::install();
}

Application::~Application()
{
    // Views first: they refer to the workspace, which refers to the stores.
    m_mainWindow.reset();
    m_tiles.reset();
    m_remote.reset();
    m_workspace.reset();
}

int Application::run()
{
    const Options options;
    QCommandLineParser parser;
    describe(parser, options);
    if (!parser.parse(arguments())) {
        std::fprintf(stderr, "%s\n\n%s", qPrintable(parser.errorText()), qPrintable(parser.helpText()));
        return 2;
    }
    if (const std::optional<int> answered = answerHelpOrVersion(parser)) {
        return *answered;
    }

    QString scope;
    if (parser.isSet(options.settingsDir)) {
        const QString dir = parser.value(options.settingsDir);
        if (!QDir().mkpath(dir)) {
            std::fprintf(stderr, "The settings folder %s cannot be created.\n", qPrintable(dir));
            return 2;
        }
        scope = QFileInfo(dir).canonicalFilePath();
        m_settings = std::make_unique<QSettingsStore>(QDir(dir).filePath(u"settings.ini"_s));
    } else {
        scope = QSettings().fileName();
        m_settings = std::make_unique<QSettingsStore>();
    }

    // Before the first view: views build their texts once.
    m_language = parser.isSet(options.language) ? parser.value(options.language) : Languages::saved(*m_settings);
    if (!Languages::applySaved(*this, *m_settings, m_language)) {
        std::fprintf(stderr, "There is no translation for \"%s\"; the program speaks English.\n",
                     qPrintable(m_language));
    }

    m_instance = std::make_unique<SingleInstance>(scope);
    if (m_instance->notifyRunning()) {
        std::printf("Xalto Station Control is already running with these settings; its window was brought to the "
                    "front.\n");
        return 0;
    }
    m_instance->listen();

    if (parser.isSet(options.logFile)) {
        m_logFile = std::make_unique<LogFile>(parser.value(options.logFile));
        if (!m_logFile->open()) {
            std::fprintf(stderr, "The log file %s cannot be opened: %s\n", qPrintable(parser.value(options.logFile)),
                         qPrintable(m_logFile->errorString()));
            return 2;
        }
    }
    m_credentials = std::make_unique<KeychainCredentialStore>();
    m_workspace = std::make_unique<StationWorkspace>(*m_settings, m_credentials.get());
    m_tiles = std::make_unique<TileLoader>(*m_settings, TileLoader::defaultCacheFolder());
    m_remote = std::make_unique<RemoteServer>(*m_workspace, *m_settings, KeltoClient::systemClock());
    m_mainWindow = std::make_unique<MainWindow>(*m_workspace, m_tiles.get());
    connect(m_mainWindow.get(), &MainWindow::remoteAccessRequested, this, [this] {
        if (!m_remoteSheet) {
            m_remoteSheet = new RemoteAccessSheet(*m_remote, m_mainWindow.get());
            m_remoteSheet->setAttribute(Qt::WA_DeleteOnClose);
        }
        m_remoteSheet->show();
        m_remoteSheet->raise();
        m_remoteSheet->activateWindow();
    });
    connect(m_mainWindow.get(), &MainWindow::settingsRequested, this, [this] {
        if (!m_settingsSheet) {
            m_settingsSheet = new SettingsSheet(*m_settings, m_language, m_mainWindow.get());
            m_settingsSheet->setAttribute(Qt::WA_DeleteOnClose);
            connect(m_settingsSheet, &QDialog::accepted, this, [] {
                // Distances in the chosen unit at once: the Point-at results and every world map.
                for (QWidget* window : QApplication::topLevelWidgets()) {
                    for (PointAtPanel* panel : window->findChildren<PointAtPanel*>()) {
                        panel->refresh();
                    }
                    for (WorldMap* map : window->findChildren<WorldMap*>()) {
                        map->update();
                    }
                }
            });
        }
        m_settingsSheet->open();
    });
    // Read on a worker: with the call list it takes longer than a window may wait.
    m_countries = std::make_unique<CountryData>();
    m_countries->loadInBackground();
    m_mainWindow->setCountryData(m_countries.get());

    connect(this, &QCoreApplication::aboutToQuit, this, [this] { m_workspace->disconnectAll(); });
    connect(m_instance.get(), &SingleInstance::activationRequested, m_mainWindow.get(), [this] {
        m_mainWindow->showNormal();
        m_mainWindow->raise();
        m_mainWindow->activateWindow();
    });
    if (m_logFile) {
        // Log lines carry the time of day only; the file gets the date as well.
        connect(m_workspace.get(), &StationWorkspace::logAppended, this, [this](const QStringList& lines) {
            if (!m_logFile->append(lines, QDate::currentDate())) {
                std::fprintf(stderr, "The log file stopped: %s\n", qPrintable(m_logFile->stopReason()));
            }
        });
    }
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
    if (parser.isSet(options.connect)) {
        m_workspace->connectAll();
    }
    return exec();
}

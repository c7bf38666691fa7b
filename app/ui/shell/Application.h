#pragma once

#include <QApplication>
#include <QPointer>
#include <QString>

#include <memory>
#include <optional>

class CountryData;
class CredentialStore;
class MainWindow;
class RemoteAccessSheet;
class RemoteServer;
class LogFile;
class SingleInstance;
class SettingsSheet;
class SettingsStore;
class StationWorkspace;
class TerminationSignals;
class TileLoader;

// The application object: names the program, reads the command line, builds the one workspace
// and the main window, and closes every connection in order before the process ends, whether
// through Quit, the window's close button or a termination signal.
class Application final : public QApplication {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Application)

public:
    Application(int& argc, char** argv);
    ~Application() override;

    // Answers --help and --version before any window system is touched, so both work over ssh
    // and in scripts: the exit status when the program should end there, nothing otherwise.
    static std::optional<int> answerWithoutDisplay(int argc, char** argv);

    // Runs the event loop; the exit status (2 for a command line that cannot be used).
    int run();

    // Null before `run`.
    StationWorkspace* workspace() const { return m_workspace.get(); }
    MainWindow* mainWindow() const { return m_mainWindow.get(); }
    RemoteServer* remoteServer() const { return m_remote.get(); }

private:
    std::unique_ptr<SettingsStore> m_settings;
    std::unique_ptr<CredentialStore> m_credentials;
    std::unique_ptr<StationWorkspace> m_workspace;
    // One remote page for the whole program, showing every tab.
    std::unique_ptr<RemoteServer> m_remote;
    // One for the whole program: every map shares its connections, caches and request gate.
    std::unique_ptr<TileLoader> m_tiles;
    std::unique_ptr<CountryData> m_countries;
    std::unique_ptr<MainWindow> m_mainWindow;
    std::unique_ptr<TerminationSignals> m_signals;
    std::unique_ptr<SingleInstance> m_instance;
    std::unique_ptr<LogFile> m_logFile;
    QPointer<RemoteAccessSheet> m_remoteSheet;
    QPointer<SettingsSheet> m_settingsSheet;
    // The language this run speaks: --lang, else the saved choice ("" follows the system).
    QString m_language;
};

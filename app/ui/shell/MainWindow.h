#pragma once

#include <QMainWindow>
#include <QPointer>

class CountryData;
class LiveLogView;
class StationWorkspace;
class StationWorkspaceView;
class TileLoader;

// The main station window: the workspace view with its tabs, and the menu bar. Closing it
// closes the log window too, which ends the program.
class MainWindow final : public QMainWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MainWindow)

public:
    // `tiles`: the application's map tiles, for the rotors' maps (none keeps the dials).
    explicit MainWindow(StationWorkspace& workspace, TileLoader* tiles = nullptr, QWidget* parent = nullptr);
    ~MainWindow() override;

    StationWorkspaceView& workspaceView() const { return *m_workspaceView; }
    // The log window while it is open.
    LiveLogView* logWindow() const;
    // Opens the connection log window, or brings it to the front.
    void showLog();
    void showAbout();
    // The application's country file: for every tab's rotor cards, and the Window menu's sheet.
    void setCountryData(CountryData* countries);

Q_SIGNALS:
    // Window > Remote access: the application owns the one remote server and opens its sheet.
    void remoteAccessRequested();
    // File > Settings: the application owns the settings store.
    void settingsRequested();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();

    StationWorkspace& m_workspace;
    StationWorkspaceView* m_workspaceView;
    QPointer<LiveLogView> m_log;
    QPointer<CountryData> m_countries;
};

#pragma once

#include <QHash>
#include <QPointer>
#include <QUuid>
#include <QWidget>

class QMessageBox;
class QPushButton;
class QStackedWidget;
class StationView;
class StationWorkspace;
class TabStrip;
class TileLoader;
class CountryData;

// The tab strip (shown only with two or more tabs) over the stacked contents of every tab:
// only the selected tab is shown; the others keep running unseen. Also raises the "Server
// already open" alert.
class StationWorkspaceView final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StationWorkspaceView)

public:
    // `tiles`, the application's map tiles, goes to every tab's rotor maps; without it the rotors
    // keep their dials. It must outlive the view.
    explicit StationWorkspaceView(StationWorkspace& workspace, TileLoader* tiles = nullptr, QWidget* parent = nullptr);
    ~StationWorkspaceView() override;

    StationWorkspace& workspace() const { return m_workspace; }
    // The application's country file, for every tab's rotor cards; it must outlive the view.
    void setCountryData(CountryData* countries);
    // The content of one tab, or null.
    StationView* view(const QUuid& id) const { return m_views.value(id); }
    StationView* currentView() const;
    // Whether the strip is shown (two or more tabs).
    bool stripVisible() const;

Q_SIGNALS:
    // A tab's "Log" button.
    void logRequested();

private:
    void syncSessions();
    void syncStrip();
    void syncSelection();
    void showDuplicateAlert();

    StationWorkspace& m_workspace;
    TileLoader* m_tiles;
    CountryData* m_countries = nullptr;
    QWidget* m_strip;
    TabStrip* m_tabs;
    QPushButton* m_closeTab;
    QStackedWidget* m_stack;
    QHash<QUuid, StationView*> m_views;
    QPointer<QMessageBox> m_alert;
};

#pragma once

#include "app/profiles/ServerProfile.h"
#include "app/ui/rotor/RotorCard.h"
#include "app/workspace/SessionCallbacks.h"

#include <QKeySequence>
#include <QMap>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <optional>

class CardFrame;
class FlowLayout;
class KeltoClient;
class QCheckBox;
class QDialog;
class QLabel;
class QMenu;
class QPushButton;
class QTimer;
class PlaceSearch;
class QToolButton;
class ServerLoginView;
class ServerProfiles;
class SettingsStore;
class StationIntegrations;
class StationPresentation;
class StatusDot;
class TileLoader;
class WorldMapWindow;
class CountryData;
class PointAtTargets;

// The content of one server tab: the header with the server picker and connection controls,
// the status line, the rotor section and the antenna-routing section. Cards are built once per
// device and refreshed in place; updates from the client are gathered to at most one refresh
// per frame, and none while the tab is hidden.
class StationView final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StationView)

public:
    // Gathered client updates are applied this many milliseconds after the first of them.
    static constexpr int refreshDelayMs = 16;
    // New device cards made in one refresh; the rest follow in the next ones.
    static constexpr int cardsPerRefresh = 8;

    StationView(KeltoClient& client, ServerProfiles& profiles, SettingsStore& defaults, SessionCallbacks callbacks,
                QWidget* parent = nullptr);
    ~StationView() override;

    KeltoClient& client() const { return m_client; }
    StationIntegrations& integrations() const { return *m_integrations; }
    StationPresentation& presentation() const { return *m_presentation; }

    // Upper-case identifier of the profile this tab shows; empty for none.
    const QString& selectedProfileID() const { return m_selectedID; }
    // Chooses a profile as the server picker does.
    void selectProfile(const ServerProfile& profile);
    // The application's map tiles, for the rotor cards' maps; without them the cards keep their
    // dials. The loader must outlive the view.
    void setTileLoader(TileLoader* tiles);
    // The application's country file, for the rotor cards' "Point at" sections; it must outlive the view.
    void setCountryData(CountryData* countries);
    // What each rotor of this tab is pointed at.
    PointAtTargets& pointAtTargets() const { return *m_pointAtTargets; }
    // Whether this tab is the selected one: keys reach only its bindings.
    void setForeground(bool foreground);
    // Something outside the client changed what the view shows (the number of tabs).
    void scheduleRefresh();
    // Applies the client's published state now (normally gathered to once per frame).
    void refresh();

    // Opens this tab's world map window, or brings it to the front.
    void openWorldMap();
    // The world map window once opened (its pointChosen reports clicks on the map), or null.
    WorldMapWindow* worldMapWindow() const;

    // The card of a device key ("Rotor: " + name, ...), or null.
    CardFrame* card(const QString& deviceKey) const { return m_cards.value(deviceKey); }

Q_SIGNALS:
    // The "Log" button: the shell opens the connection log window.
    void logRequested();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

    // Presses STOP ALL of the tab in view from anywhere in the window.
    static QKeySequence stopAllShortcut();

private:
    QWidget* buildHeader();
    QWidget* buildRotorSection();
    QWidget* buildRoutingSection();
    QWidget* m_routingSection = nullptr;
    // The Tab order last applied to the cards' controls.
    QList<QPointer<QWidget>> m_tabOrder;
    void bindClient();
    void bindIntegrations();

    void restoreSelection();
    void reconcileSelection();
    void clearStation();
    void applySelection(const ServerProfile& profile);
    std::optional<ServerProfile> selectedProfile() const;
    void rebuildServerMenu();
    void connectOrDisconnect();

    void refreshHeader();
    void refreshSections();
    void syncCards();
    // Tab in reading order: header, the rotor cards, the antenna switch, the routing cards.
    void orderTabs();
    CardFrame* createCard(const QString& key);
    void endpointChanged();
    RotorCard::Site site() const;
    void refreshLocations();
    void authenticationChanged();
    void showEncoderPreview();
    void manageServers();
    // Connect without a server: says so and offers the server editor.
    void offerProfileEditor();
    void openIntegrations();
    void openLayout();

    KeltoClient& m_client;
    ServerProfiles& m_profiles;
    SettingsStore& m_defaults;
    SessionCallbacks m_callbacks;
    StationIntegrations* m_integrations;
    StationPresentation* m_presentation;

    QString m_selectedID;
    QString m_host;
    QString m_port;

    QToolButton* m_serverButton = nullptr;
    QMenu* m_serverMenu = nullptr;
    QPushButton* m_connectButton = nullptr;
    QPushButton* m_additionalButton = nullptr;
    StatusDot* m_statusDot = nullptr;
    QLabel* m_message = nullptr;
    QLabel* m_notice = nullptr;

    QPointer<WorldMapWindow> m_worldMap;
    QLabel* m_rotorCount = nullptr;
    QLabel* m_rotorCaption = nullptr;
    QCheckBox* m_enableControl = nullptr;
    QPushButton* m_stopAll = nullptr;
    QLabel* m_rotorEmpty = nullptr;
    FlowLayout* m_rotorCards = nullptr;
    QCheckBox* m_enableAntennas = nullptr;
    QLabel* m_routingEmpty = nullptr;
    FlowLayout* m_routingCards = nullptr;

    // Every card by device key; hidden (not deleted) while the layout or band filter hides it,
    // so typed text survives.
    QMap<QString, CardFrame*> m_cards;
    QTimer* m_refreshTimer;
    // The address lookup of the profile editor and the tower location editor.
    PlaceSearch* m_places;
    TileLoader* m_tiles = nullptr;
    CountryData* m_countries = nullptr;
    PointAtTargets* m_pointAtTargets;
    bool m_stale = true;
    QPointer<ServerLoginView> m_login;
    QPointer<QDialog> m_integrationsSheet;
    QPointer<QDialog> m_profileSheet;
    QPointer<QDialog> m_layoutSheet;
    bool m_encoderApplied = false;
};

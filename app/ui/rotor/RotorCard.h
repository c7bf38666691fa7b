#pragma once

#include "app/profiles/HeadingPreset.h"
#include "app/profiles/RotorLocation.h"
#include "app/ui/rotor/RotorCardState.h"
#include "app/ui/style/CardFrame.h"

#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <optional>

class Compass;
class CountryData;
class KeltoClient;
class PlaceSearch;
class PointAtPanel;
class PointAtTargets;
class PresetEditorDialog;
class QGridLayout;
class QLabel;
class QLineEdit;
class QToolButton;
class RotorLocationEditor;
class RotorMapCompass;
class RotorSettingsSheet;
class SettingsStore;
class TileLoader;

// One rotator: its status and heading, the heading dial (or, for a tower placed on the map, the
// map compass), the target heading with Rotate, jog and Stop, quick headings, local and server
// presets and the lock requests. Built once per rotor; `refresh` copies the client's published state into it and never
// writes the target field, so typed text and focus survive every update. The owner calls `refresh` on the client's
// changes (coalesced for all cards); the card connects to none of them itself.
class RotorCard final : public CardFrame {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RotorCard)

public:
    // The client and the settings must outlive the card.
    RotorCard(KeltoClient& client, SettingsStore& defaults, const QString& rotorName, QWidget* parent = nullptr);
    ~RotorCard() override;

    // Fixed-width digits, so a changing heading never moves.
    static QFont headingFont();

    const QString& rotorName() const { return m_rotorName; }

    // The server's site as its profile gives it, where a rotor without a placed tower is drawn.
    struct Site {
        QString label;
        std::optional<double> latitude;
        std::optional<double> longitude;

        bool operator==(const Site&) const = default;
    };

    // The server's endpoint key, under which this card's presets and tower location are kept;
    // reloads them.
    void setEndpoint(const QString& endpoint);
    const QString& endpoint() const { return m_endpoint; }
    // Reads the stored presets again, as after a settings import or an edit.
    void reloadPresets();
    // The map tiles and the address search the map compass and the location editor use (one
    // of each per application, outliving the card). Without them the card keeps its dial and
    // cannot place a tower.
    void setMapServices(TileLoader* tiles, PlaceSearch* places);
    void setSite(const Site& site);
    // The application's country file and the tab's point-at targets, for the "Point at" section.
    void setPointAtServices(CountryData* countries, PointAtTargets* targets);
    // Reads the stored tower location again, as after a settings import.
    void reloadLocation();
    // The location the card draws: the tower placed for this rotor, else the server's site.
    const std::optional<RotorLocation>& location() const { return m_location; }
    // The heading the rotary encoder previews for this rotor, shown under the target field; no
    // heading hides it. The target field itself is never touched.
    void setEncoderPreview(std::optional<double> heading);
    const std::optional<double>& encoderPreview() const { return m_encoderPreview; }

    void refresh();

protected:
    void changeEvent(QEvent* event) override;

private:
    QToolButton* addButton(const QString& text, const QString& accessibleName);
    void rebuildLocalPresets(const QList<HeadingPreset>& presets);
    void rebuildServerPresets(const QStringList& locations);
    void applyColors();
    void rotate();
    void turnToLocalPreset(double degrees);
    void openPresetEditor();
    void openLocationEditor();
    void storeLocation(const std::optional<RotorLocation>& location);
    std::optional<RotorLocation> savedLocation() const;
    void showLocationControl();
    // The rotor's mechanics on the dial (shaded arcs, both lobes) and in the card's tooltip.
    void showMechanics();
    void openRotorSettings();

    KeltoClient& m_client;
    SettingsStore& m_defaults;
    QString m_rotorName;
    QString m_endpoint;
    TileLoader* m_tiles = nullptr;
    PlaceSearch* m_places = nullptr;
    Site m_site;
    std::optional<RotorLocation> m_location;
    std::optional<double> m_encoderPreview;
    RotorCardState m_state;
    QList<HeadingPreset> m_presets;
    QStringList m_serverPresets;

    QLabel* m_status = nullptr;
    QLabel* m_headingCaption = nullptr;
    QLabel* m_heading = nullptr;
    QWidget* m_dialPlace = nullptr;
    QWidget* m_mapPlace = nullptr;
    Compass* m_compass = nullptr;
    RotorMapCompass* m_mapCompass = nullptr;
    QToolButton* m_setLocation = nullptr;
    QLineEdit* m_target = nullptr;
    QLabel* m_encoderLabel = nullptr;
    QPointer<PointAtTargets> m_pointAtTargets;
    PointAtPanel* m_pointAt = nullptr;
    QToolButton* m_rotate = nullptr;
    QToolButton* m_counterclockwise = nullptr;
    QToolButton* m_clockwise = nullptr;
    QToolButton* m_stop = nullptr;
    QToolButton* m_park = nullptr;
    QToolButton* m_rotorSettings = nullptr;
    QGridLayout* m_localGrid = nullptr;
    QLabel* m_noLocalPresets = nullptr;
    QToolButton* m_managePresets = nullptr;
    QList<QToolButton*> m_localButtons;
    QGridLayout* m_serverGrid = nullptr;
    QLabel* m_serverNote = nullptr;
    QToolButton* m_refresh = nullptr;
    QList<QToolButton*> m_serverButtons;
    QToolButton* m_requestLock = nullptr;
    QToolButton* m_releaseLock = nullptr;
    QLabel* m_lockNote = nullptr;
    QWidget* m_serverPart = nullptr;
    QList<QLabel*> m_secondaryLabels;
    QPointer<PresetEditorDialog> m_editor;
    QPointer<RotorLocationEditor> m_locationEditor;
    QPointer<RotorSettingsSheet> m_settingsSheet;
};

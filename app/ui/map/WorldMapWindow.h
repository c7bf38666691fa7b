#pragma once

#include "app/ui/map/WorldMap.h"
#include "app/ui/rotor/RotorCard.h"

#include <QHash>
#include <QString>
#include <QWidget>

class KeltoClient;
class QComboBox;
class QLabel;
class SettingsStore;

// One tab's world map in a window of its own: every rotor of the tab whose tower has a position,
// each with its own colour and name, round the first located tower. Resizable; the size is kept
// in the settings. It only shows: a click on the map is reported, never sent to the station.
class WorldMapWindow final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WorldMapWindow)

public:
    // Beams in this order of colours, the first rotor in the station's teal.
    static QList<QColor> rotorColors(const QPalette& palette);

    WorldMapWindow(KeltoClient& client, SettingsStore& defaults, QWidget* parent = nullptr);
    ~WorldMapWindow() override;

    // The server's site, where towers without a placed location stand.
    void setSite(const RotorCard::Site& site);
    // Reads the rotors and their towers again.
    void refresh();

    WorldMap& map() const { return *m_map; }

Q_SIGNALS:
    // A click on the map: the place for the first located rotor's "Point at" target (the map
    // centres on its tower). Nothing is turned or sent; the receiver decides what to do with it.
    void pointChosen(const QString& rotorName, double latitude, double longitude);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    KeltoClient& m_client;
    SettingsStore& m_defaults;
    RotorCard::Site m_site;
    WorldMap* m_map;
    QComboBox* m_reach;
    QLabel* m_status;
    QLabel* m_empty;
    QString m_firstRotor;
    // The heading (controller degrees) of each turn under way, drawn as the rotor's target
    // until it arrives, is stopped or jogged, or the connection ends.
    QHash<QString, double> m_turning;
};

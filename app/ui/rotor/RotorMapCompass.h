#pragma once

#include "app/profiles/RotorLocation.h"

#include <QString>
#include <QWidget>

#include <functional>
#include <optional>

class BeamOverlay;
class QLabel;
class QToolButton;
class TileLoader;
class TowerMap;
class WorldMap;

// The small round map of a placed tower with the beam drawn over it: a needle at the true
// bearing of the controller heading, the target in orange, and a faint line through the short
// and long path. North stays up, so the needle's angle is the true bearing. The style and zoom
// controls hand an edited copy of the location to `change`; whoever owns the location stores it
// and sets it back.
class RotorMapCompass final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RotorMapCompass)

public:
    static constexpr int mapSize = 208;
    static constexpr double minimumSpan = 100.0;
    static constexpr double maximumSpan = 10000.0;

    // The loader must outlive the compass.
    RotorMapCompass(TileLoader& tiles, const QString& rotorName, QWidget* parent = nullptr);
    ~RotorMapCompass() override;

    // The span one zoom step out or in, kept within the bounds the map allows.
    static double zoomedOut(double span);
    static double zoomedIn(double span);
    // "Bearing 12.0° true" and the like; empty when no true bearing can be worked out.
    static QString caption(const RotorLocation& location, std::optional<double> heading, bool stale, bool target);

    const RotorLocation& location() const { return m_location; }
    void setLocation(const RotorLocation& location);
    // Controller degrees, as the server reports them; the compass adds the north offset.
    void setHeading(std::optional<double> heading);
    void setTarget(std::optional<double> target);
    void setStale(bool stale);
    const std::optional<QString>& mapError() const { return m_mapError; }
    // The world round the tower in place of the map, made the first time "World" is pressed.
    void setWorldShown(bool shown);
    WorldMap* worldMap() const { return m_world; }
    // An antenna radiating both ways: both lobes are drawn, on the tower map and the world.
    void setTwoWay(bool twoWay);

Q_SIGNALS:
    void change(const RotorLocation& location);
    // A place clicked on the world view; nothing is turned.
    void placeChosen(double latitude, double longitude);

protected:
    void changeEvent(QEvent* event) override;

private:
    void showBearings();
    void showControls();
    void showMapError(const std::optional<QString>& message);
    void applyColors();
    void edit(const std::function<void(RotorLocation&)>& apply);

    TileLoader& m_tiles;
    QString m_rotorName;
    RotorLocation m_location;
    std::optional<double> m_heading;
    std::optional<double> m_target;
    bool m_stale = true;
    std::optional<QString> m_mapError;

    TowerMap* m_map = nullptr;
    BeamOverlay* m_overlay = nullptr;
    QLabel* m_attribution = nullptr;
    QLabel* m_caption = nullptr;
    QLabel* m_error = nullptr;
    QToolButton* m_style = nullptr;
    QToolButton* m_worldButton = nullptr;
    QWidget* m_dial = nullptr;
    WorldMap* m_world = nullptr;
    bool m_twoWay = false;
    QToolButton* m_zoomOut = nullptr;
    QToolButton* m_zoomIn = nullptr;
};

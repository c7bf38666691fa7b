#pragma once

#include "app/ui/style/LocaleText.h"
#include "core/world/AzimuthalProjection.h"
#include "core/world/GeoPoint.h"
#include "core/world/ProjectedLand.h"

#include <QColor>
#include <QFutureWatcher>
#include <QList>
#include <QPainterPath>
#include <QPixmap>
#include <QPointF>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <optional>

class Clock;
class LandData;

// The world as seen from a tower: azimuthal equidistant round the tower, north up, so every
// beam is a straight wedge and every station sits at its true bearing and distance, with the
// antipode on the rim. Land, distance rings, bearing ticks, the night side and the "Point at"
// station with its paths are drawn into a cached picture (the land again only when the centre,
// size, zoom or palette change; the night once a minute); only the beams and needles are drawn
// over it on each paint, so a turning rotor costs little.
// Hovering reports bearing, distance and locator; a click reports the place and sends nothing.
class WorldMap final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WorldMap)

public:
    // How far from the tower the edge of the map reaches.
    enum class Reach { km5000, km10000, world };
    static constexpr double defaultBeamwidth = 60.0;
    static constexpr std::chrono::seconds sunInterval{60};

    struct Rotor {
        QString name; // drawn as plain text
        QColor color;
        std::optional<double> heading; // true bearing, degrees
        std::optional<double> target;  // true bearing while turning
        double beamwidth = defaultBeamwidth;
        bool stale = false;  // drawn in the stale colour, as on the dial
        bool twoWay = false; // an antenna radiating both ways: a second wedge behind

        bool operator==(const Rotor&) const = default;
    };

    // The clock gives the time of the night side and must outlive the map.
    explicit WorldMap(const Clock& clock, QWidget* parent = nullptr);
    ~WorldMap() override;

    // The tower; without one the map shows only why it is empty. The land is projected again
    // only when the centre changes, on a worker thread: until it arrives the map shows the sea,
    // rings and beams, and landReady() is emitted once the land is in place.
    void setCentre(std::optional<GeoPoint> centre);
    // Until the projected land is taken in on this thread, not only until the worker is done.
    bool landPending() const { return m_landPending; }
    std::optional<GeoPoint> centre() const { return m_centre; }
    void setReach(Reach reach);
    Reach reach() const { return m_reach; }
    void setRotors(const QList<Rotor>& rotors);
    const QList<Rotor>& rotors() const { return m_rotors; }
    // The place "Point at" aims at, drawn with its short and long path.
    void setPointAt(std::optional<GeoPoint> place);
    std::optional<GeoPoint> pointAt() const { return m_pointAt; }
    // Reads the clock and moves the night side; the map does this every minute while shown.
    void refreshSun();
    GeoPoint subsolarPoint() const { return m_subsolar; }

    // Where a place falls on the widget (logical pixels), and the place under a pixel (nothing
    // off the map or without a centre).
    std::optional<QPointF> pixelAt(GeoPoint place) const;
    std::optional<GeoPoint> placeAt(QPointF pixel) const;
    // The round map in the widget and the metres from its centre to its edge.
    QRectF mapCircle() const;
    double reachMetres() const;
    // Bearing 123°, 4,567 km, JO62qm: what the hover tip says for a place.
    QString describe(GeoPoint place) const;

    static QColor landColor(const QPalette& palette);
    static QColor oceanColor(const QPalette& palette);
    // The land outlines built into the program, read once; an error sentence when unreadable.
    static const LandData* land();
    static std::optional<QString> landError();
    const ProjectedLand& projectedLand() const { return m_land; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

Q_SIGNALS:
    void pointChosen(double latitude, double longitude);
    void pointerMoved(double bearing, double distanceMetres, const QString& locator);
    void pointerLeft();
    void landReady();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QPointF toPixel(AzimuthalProjection::Point point) const;
    double pixelsPerMetre() const;
    void invalidateLand();
    void landProjected();
    const QPainterPath& landPath();
    void clearOutside(QPainter& painter) const;
    void paintLandLayer(double ratio);
    void paintSkyLayer(double ratio);
    void paintNight(QPainter& painter) const;
    void paintRings(QPainter& painter) const;
    void paintTicks(QPainter& painter) const;
    void paintRotor(QPainter& painter, const Rotor& rotor) const;
    void paintPointAt(QPainter& painter) const;
    void paintNoCentre(QPainter& painter) const;
    void updateDescription();
    void updatePaths();

    const Clock& m_clock;
    std::optional<GeoPoint> m_centre;
    std::optional<AzimuthalProjection> m_projection;
    ProjectedLand m_land;
    // Each centre's projection runs on a worker; only the newest one's result is kept.
    QFutureWatcher<ProjectedLand> m_landWatcher;
    quint64 m_landGeneration = 0;
    quint64 m_watchedGeneration = 0;
    bool m_landPending = false;
    // The land in logical pixels, simplified to the device pixel, for the current size, zoom and
    // ratio: a palette change or a new minute repaints it without walking the outlines again.
    QPainterPath m_landPath;
    QSizeF m_landPathSize;
    double m_landPathRatio = 0.0;
    Reach m_reach = Reach::world;
    // The distance unit the rings were last drawn in: a change in Settings redraws them.
    LocaleText::DistanceUnit m_skyUnit = LocaleText::DistanceUnit::kilometres;
    QList<Rotor> m_rotors;
    std::optional<GeoPoint> m_pointAt;
    // Projected once per centre and station.
    std::vector<std::vector<AzimuthalProjection::Point>> m_shortPath;
    std::vector<std::vector<AzimuthalProjection::Point>> m_longPath;
    GeoPoint m_subsolar;
    // The terminator in map metres, projected once per sun position and centre: a palette change
    // or a resize redraws it without solving its 360 geodesics again.
    mutable std::optional<AzimuthalProjection::Ring> m_terminator;
    QTimer m_sunTimer;
    std::optional<QPointF> m_pressedAt;
    // Ocean and land, then that with the night side, rings, ticks and the station on top.
    QPixmap m_landLayer;
    QPixmap m_skyLayer;
    bool m_landValid = false;
    bool m_skyValid = false;
};

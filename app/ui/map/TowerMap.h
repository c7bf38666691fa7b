#pragma once

#include "app/map/TileLoader.h"

#include <QElapsedTimer>
#include <QHash>
#include <QImage>
#include <QPointF>
#include <QSet>
#include <QString>
#include <QWidget>

#include <chrono>
#include <optional>

// A slippy map of the ground around a tower, north up, drawn from the tiles the loader holds:
// it paints at once, with a neutral placeholder where a tile has not come yet, and again as
// tiles arrive. The span (metres across the shorter side) picks the level; a fractional level is
// drawn by scaling the level above, counted in device pixels so HiDPI screens stay sharp.
class TowerMap final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TowerMap)

public:
    // How often a drag reports the moving centre, at the most.
    static constexpr std::chrono::milliseconds dragReportInterval{100};

    explicit TowerMap(TileLoader& tiles, QWidget* parent = nullptr);
    ~TowerMap() override;

    // Applied only when (latitude, longitude, span) differs from the last region applied.
    void setRegion(double latitude, double longitude, double spanMetres);
    double latitude() const { return m_region.latitude; }
    double longitude() const { return m_region.longitude; }
    double span() const { return m_region.span; }
    void setSatellite(bool satellite);
    bool satellite() const { return m_satellite; }
    void setEditable(bool editable); // drag to pan
    bool editable() const { return m_editable; }
    void setRound(bool round); // antialiased circular clip (the map compass)
    bool round() const { return m_round; }
    void setShowsAttribution(bool shows); // default true: drawn inside the map, bottom right
    bool showsAttribution() const { return m_showsAttribution; }
    std::optional<QString> loadError() const { return m_loadError; }
    static QString loadErrorMessage(); // "Map imagery unavailable. Heading display still works."

    TileLoader::Style style() const;
    QSize sizeHint() const override;

Q_SIGNALS:
    // Only an editable map reports: while dragging (rate-limited) and on release.
    void centerChanged(double latitude, double longitude);
    // The message when tiles fail; std::nullopt once the visible tiles have loaded.
    void loadErrorChanged(const std::optional<QString>& message);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    struct Region {
        double latitude = 0.0;
        double longitude = 0.0;
        double span = 1000.0;
    };
    // Where the region falls among the tiles of the drawn level, for the widget's present size.
    struct View {
        TileLoader::Style style = TileLoader::Style::standard;
        int zoom = 0;
        double devicePixelRatio = 1.0;
        // Logical pixels one tile takes on screen.
        double tileSize = 0.0;
        // The centre of the map in tile units.
        QPointF centre;
        // The visible columns (not yet wrapped round the world) and rows.
        int left = 0;
        int right = -1;
        int top = 0;
        int bottom = -1;
    };
    struct Drag {
        QPointF pressedAt;
        QPointF centre;
        int zoom = 0;
        double tileSize = 1.0;
        bool moved = false;
    };

    View view() const;
    TileLoader::TileKey keyAt(const View& view, int column, int row) const;
    void updateWanted();
    bool visibleTilesHeld() const;
    void tileReady(const TileLoader::TileKey& key);
    void tileFailed(const TileLoader::TileKey& key);
    void setLoadError(const std::optional<QString>& message);
    void paintTiles(QPainter& painter, const View& view);
    QImage scaledTile(const TileLoader::TileKey& key, const QImage& tile, QSizeF size, double ratio);
    QRectF mapCircle() const;
    QRectF attributionRect(const QFont& font, const QString& text) const;
    void paintAttribution(QPainter& painter);
    QFont attributionFont() const;
    bool onAttribution(QPointF position) const;
    void dragTo(QPointF position);
    void updateCursor();

    TileLoader& m_tiles;
    Region m_region;
    bool m_hasRegion = false;
    bool m_satellite = false;
    bool m_editable = false;
    bool m_round = false;
    bool m_showsAttribution = true;
    std::optional<QString> m_loadError;
    // The tiles on screen now: only their failure is an error, and their arrival a repaint.
    QSet<TileLoader::TileKey> m_visible;
    double m_wantedRatio = 0.0;
    std::optional<Drag> m_drag;
    bool m_pressedOnAttribution = false;
    QElapsedTimer m_lastReport;
    struct Scaled {
        qint64 source = 0;
        QImage image;
    };
    // The visible tiles scaled once to their size on screen, so that a still map is only copied.
    QHash<TileLoader::TileKey, Scaled> m_scaled;
    // The round map is drawn here first, so that its edge can be antialiased.
    QImage m_layer;
};

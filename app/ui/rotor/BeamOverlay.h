#pragma once

#include <QPixmap>
#include <QWidget>

#include <optional>

// What the map compass draws over its round map: the tinted ring, a faint line through the
// short and long path, the orange target needle and the heading needle, each from the centre
// at its true bearing (north up). Transparent to the mouse, so the map under it keeps working.
class BeamOverlay final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(BeamOverlay)

public:
    static constexpr double needleWidth = 3.0;
    static constexpr double needleLength = 67.0;

    explicit BeamOverlay(QWidget* parent = nullptr);
    ~BeamOverlay() override;

    // True bearings in degrees; nothing hides that needle.
    void setBearings(std::optional<double> bearing, std::optional<double> target, bool stale);
    // Draws the back lobe's needle too, for an antenna that radiates both ways.
    void setTwoWay(bool twoWay);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void paintRing(QPainter& painter, const QColor& needle) const;

    std::optional<double> m_bearing;
    std::optional<double> m_target;
    bool m_stale = true;
    bool m_twoWay = false;
    // Wide antialiased circles cost more than all the rest together, and only change with the
    // size, the palette and staleness: drawn once, then copied.
    QPixmap m_ring;
};

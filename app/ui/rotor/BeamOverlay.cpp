#include "app/ui/rotor/BeamOverlay.h"

#include "app/ui/style/StationColors.h"

#include <QEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace {

constexpr double ringWidth = 8.0;
constexpr double hubSize = 7.0;

// A needle from the centre toward the top, rounded at its tip, in the painter's rotated frame.
QPainterPath needlePath()
{
    QPainterPath path;
    const double w = BeamOverlay::needleWidth;
    path.addRoundedRect(QRectF(-w / 2, -BeamOverlay::needleLength, w, BeamOverlay::needleLength), w / 2, w / 2);
    return path;
}

// Imagery under the needle can be any colour: a thin halo in the window colour keeps the
// needle readable on satellite pictures and on the grey of tiles still loading.
void drawNeedle(QPainter& painter, double bearing, const QColor& color, const QColor& halo)
{
    painter.save();
    painter.rotate(bearing);
    const QPainterPath path = needlePath();
    painter.setPen(QPen(halo, 2.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawPath(path);
    painter.restore();
}

} // namespace

BeamOverlay::BeamOverlay(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
}

BeamOverlay::~BeamOverlay() = default;

void BeamOverlay::setBearings(std::optional<double> bearing, std::optional<double> target, bool stale)
{
    if (bearing != m_bearing || target != m_target || stale != m_stale) {
        if (stale != m_stale) {
            m_ring = QPixmap();
        }
        m_bearing = bearing;
        m_target = target;
        m_stale = stale;
        update();
    }
}

void BeamOverlay::setTwoWay(bool twoWay)
{
    if (twoWay != m_twoWay) {
        m_twoWay = twoWay;
        update();
    }
}

void BeamOverlay::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange) {
        m_ring = QPixmap();
        update();
    }
    QWidget::changeEvent(event);
}

void BeamOverlay::resizeEvent(QResizeEvent* event)
{
    m_ring = QPixmap();
    QWidget::resizeEvent(event);
}

void BeamOverlay::paintRing(QPainter& painter, const QColor& needle) const
{
    const double radius = std::min(width(), height()) / 2.0;
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(StationColors::faded(needle, 0.18), ringWidth));
    painter.drawEllipse(QPointF(0, 0), radius - ringWidth / 2, radius - ringWidth / 2);
    painter.setPen(QPen(StationColors::faded(palette().color(QPalette::WindowText), 0.35), 1.0));
    painter.drawEllipse(QPointF(0, 0), radius - 0.5, radius - 0.5);
}

void BeamOverlay::paintEvent(QPaintEvent*)
{
    const QPalette& colors = palette();
    const QColor needle = m_stale ? StationColors::secondary(colors) : StationColors::teal(colors);
    const QColor halo = StationColors::faded(colors.color(QPalette::Window), 0.85);
    const double ratio = devicePixelRatioF();
    if (m_ring.isNull() || m_ring.devicePixelRatio() != ratio) {
        m_ring = QPixmap((QSizeF(size()) * ratio).toSize());
        m_ring.setDevicePixelRatio(ratio);
        m_ring.fill(Qt::transparent);
        QPainter ring(&m_ring);
        ring.setRenderHint(QPainter::Antialiasing);
        ring.translate(width() / 2.0, height() / 2.0);
        paintRing(ring, needle);
    }

    QPainter painter(this);
    painter.drawPixmap(0, 0, m_ring);
    painter.setRenderHint(QPainter::Antialiasing);
    const double radius = std::min(width(), height()) / 2.0;
    painter.translate(width() / 2.0, height() / 2.0);

    if (m_bearing) {
        // Short path solid, long path dashed, both faint, edge to edge under the needles.
        painter.save();
        painter.rotate(*m_bearing);
        QPen path(StationColors::faded(needle, 0.55), 1.5);
        painter.setPen(path);
        painter.drawLine(QPointF(0, 0), QPointF(0, -(radius - 1)));
        path.setStyle(Qt::DashLine);
        painter.setPen(path);
        painter.drawLine(QPointF(0, 0), QPointF(0, radius - 1));
        painter.restore();
    }
    if (m_target) {
        drawNeedle(painter, *m_target, StationColors::orange(colors), halo);
    }
    if (m_bearing) {
        if (m_twoWay) {
            drawNeedle(painter, std::fmod(*m_bearing + 180.0, 360.0), StationColors::faded(needle, 0.7), halo);
        }
        drawNeedle(painter, *m_bearing, needle, halo);
    }
    if (m_bearing || m_target) {
        painter.setPen(QPen(halo, 1.5));
        painter.setBrush(m_bearing ? needle : StationColors::orange(colors));
        painter.drawEllipse(QPointF(0, 0), hubSize / 2, hubSize / 2);
    }
}

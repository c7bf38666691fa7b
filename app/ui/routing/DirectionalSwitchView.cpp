#include "app/ui/routing/DirectionalSwitchView.h"

#include "app/ui/routing/PositionButton.h"
#include "app/ui/style/StationColors.h"

#include <QEvent>
#include <QPainter>
#include <QtMath>

#include <algorithm>

namespace {

// Long names are elided so that a button on the east or west side stays inside a narrow card.
constexpr int buttonTextLimit = 84;
constexpr double faceRadius = 108.0;
constexpr double rimWidth = 8.0;

QRectF circle(QPointF centre, double radius)
{
    return QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
}

QPointF onBearing(QPointF centre, double bearing, double radius)
{
    const double angle = qDegreesToRadians(bearing);
    return centre + QPointF(radius * std::sin(angle), -radius * std::cos(angle));
}

} // namespace

DirectionalSwitchView::DirectionalSwitchView(QWidget* parent)
    : QWidget(parent)
    , m_size(diameter, diameter)
{
    setFixedSize(m_size);
}

DirectionalSwitchView::~DirectionalSwitchView() = default;

void DirectionalSwitchView::setPositions(const QList<PositionState>& positions)
{
    if (PositionButton::sync(m_buttons, positions, this)) {
        for (PositionButton* button : std::as_const(m_buttons)) {
            button->setTextWidthLimit(buttonTextLimit);
            button->show();
            connect(button, &PositionButton::picked, this, &DirectionalSwitchView::picked);
        }
    }
    if (positions != m_positions) {
        m_positions = positions;
        placeButtons();
        update();
    }
}

QPointF DirectionalSwitchView::centre() const
{
    return QPointF(m_size.width() / 2.0, diameter / 2.0);
}

QSize DirectionalSwitchView::sizeHint() const
{
    return m_size;
}

QSize DirectionalSwitchView::minimumSizeHint() const
{
    return m_size;
}

void DirectionalSwitchView::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        placeButtons();
    }
}

void DirectionalSwitchView::placeButtons()
{
    // Wide enough for the dial and for the widest button on the east or west side.
    int halfWidest = 0;
    for (const PositionButton* button : std::as_const(m_buttons)) {
        halfWidest = std::max(halfWidest, (button->sizeHint().width() + 1) / 2);
    }
    m_size = QSize(std::max(diameter, 2 * (buttonRadius + halfWidest) + 4), diameter);
    setFixedSize(m_size);

    const QPointF middle = centre();
    QList<QRect> placed;
    for (PositionButton* button : std::as_const(m_buttons)) {
        const QSize size = button->sizeHint();
        const QPointF spot = onBearing(middle, button->state().bearing.value_or(0.0), buttonRadius);
        QRect area(QPoint(0, 0), size);
        area.moveCenter(spot.toPoint());
        // Positions sharing a bearing are stacked towards the centre instead of on top of each other.
        const int step = (spot.y() <= middle.y() ? 1 : -1) * (size.height() + 4);
        for (int attempt = 0; attempt < m_buttons.size(); ++attempt) {
            const bool overlaps =
                std::any_of(placed.cbegin(), placed.cend(), [&](const QRect& other) { return other.intersects(area); });
            if (!overlaps) {
                break;
            }
            area.translate(0, step);
        }
        area.moveTop(std::clamp(area.top(), 0, m_size.height() - area.height()));
        button->setGeometry(area);
        placed.append(area);
    }
}

void DirectionalSwitchView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPalette& colors = palette();
    const QPointF middle = centre();

    painter.setPen(QPen(colors.color(QPalette::Mid), 1));
    painter.setBrush(StationColors::faded(colors.color(QPalette::Base), 0.6));
    painter.drawEllipse(circle(middle, faceRadius));

    // The selected sector last, so that it stays whole where beams overlap.
    for (const bool selected : {false, true}) {
        const QColor color = selected ? StationColors::teal(colors) : StationColors::secondary(colors);
        for (const PositionState& position : std::as_const(m_positions)) {
            if (!position.bearing || position.selected != selected) {
                continue;
            }
            paintSector(painter, *position.bearing, position.sectorWidth, color, selected);
            if (position.bidirectional) {
                paintSector(painter, *position.bearing + 180.0, position.sectorWidth, color, selected);
            }
        }
    }

    // Ticks every 30 degrees, longer at the cardinal points.
    painter.setPen(QPen(colors.color(QPalette::Mid), 1.5));
    for (int bearing = 0; bearing < 360; bearing += 30) {
        const double inner = faceRadius - (bearing % 90 == 0 ? 12.0 : 6.0);
        painter.drawLine(onBearing(middle, bearing, inner), onBearing(middle, bearing, faceRadius));
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(colors.color(QPalette::Mid));
    painter.drawEllipse(circle(middle, 3.0));
}

void DirectionalSwitchView::paintSector(QPainter& painter, double bearing, double width, const QColor& color,
                                        bool selected) const
{
    // Qt counts angles counterclockwise from three o'clock in sixteenths of a degree.
    const int start = qRound((90.0 - bearing - width / 2.0) * 16.0);
    const int span = qRound(width * 16.0);
    const QPointF middle = centre();

    painter.setPen(Qt::NoPen);
    painter.setBrush(StationColors::faded(color, selected ? 0.35 : 0.15));
    painter.drawPie(circle(middle, faceRadius), start, span);

    QPen rim(color, rimWidth);
    rim.setCapStyle(Qt::FlatCap);
    painter.setPen(rim);
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(circle(middle, rimRadius), start, span);
}

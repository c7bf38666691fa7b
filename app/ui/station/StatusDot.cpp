#include "app/ui/station/StatusDot.h"

#include "app/ui/style/StationColors.h"

#include <QEvent>
#include <QPainter>

StatusDot::StatusDot(QWidget* parent)
    : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

StatusDot::~StatusDot() = default;

void StatusDot::setLit(bool lit)
{
    if (m_lit != lit) {
        m_lit = lit;
        update();
    }
}

QSize StatusDot::sizeHint() const
{
    return {12, 12};
}

void StatusDot::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(m_lit ? StationColors::success(palette()) : StationColors::secondary(palette()));
    const qreal side = std::min(width(), height()) - 2.0;
    painter.drawEllipse(QRectF((width() - side) / 2, (height() - side) / 2, side, side));
}

void StatusDot::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange) {
        update();
    }
    QWidget::changeEvent(event);
}

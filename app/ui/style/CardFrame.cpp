#include "app/ui/style/CardFrame.h"

#include <QPainter>
#include <QPainterPath>

CardFrame::CardFrame(QWidget* parent)
    : QFrame(parent)
{
    setFrameShape(QFrame::NoFrame);
    setContentsMargins(14, 14, 14, 12);
}

CardFrame::~CardFrame() = default;

void CardFrame::setAccent(const QColor& accent)
{
    if (m_accent != accent) {
        m_accent = accent;
        update();
    }
}

void CardFrame::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QPainterPath outline;
    outline.addRoundedRect(box, 8, 8);

    const QPalette& colors = palette();
    QColor fill = colors.color(QPalette::Base);
    fill = QColor::fromRgbF((fill.redF() * 3 + colors.color(QPalette::Window).redF()) / 4,
                            (fill.greenF() * 3 + colors.color(QPalette::Window).greenF()) / 4,
                            (fill.blueF() * 3 + colors.color(QPalette::Window).blueF()) / 4);
    painter.fillPath(outline, fill);
    if (m_accent.isValid()) {
        painter.save();
        painter.setClipPath(outline);
        painter.fillRect(QRectF(box.left(), box.top(), box.width(), 4), m_accent);
        painter.restore();
    }
    painter.setPen(QPen(colors.color(QPalette::Mid), 1));
    painter.drawPath(outline);
}

#include "app/ui/rotor/Needle.h"

QPainterPath Needle::path(const QRectF& rect)
{
    const double midX = rect.center().x();
    QPainterPath shape;
    shape.moveTo(midX, rect.top());
    shape.lineTo(rect.right(), rect.bottom());
    shape.lineTo(midX, rect.bottom() - 10);
    shape.lineTo(rect.left(), rect.bottom());
    shape.closeSubpath();
    return shape;
}

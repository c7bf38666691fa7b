#pragma once

#include <QPainterPath>
#include <QRectF>

// The heading dial's needle: an arrow head pointing to the top of the rectangle it is given,
// with a notch in its base.
class Needle final {
public:
    Needle() = delete;

    static QPainterPath path(const QRectF& rect);
};

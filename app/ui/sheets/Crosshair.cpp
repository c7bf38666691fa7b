#include "app/ui/sheets/Crosshair.h"

#include "app/ui/style/StationColors.h"

#include <QPainter>

Crosshair::Crosshair(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
}

Crosshair::~Crosshair() = default;

void Crosshair::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(width() / 2.0, height() / 2.0);
    const QPalette& colors = palette();
    // Arms with a gap at the centre, so the spot under it stays visible; each line drawn twice,
    // wide in the window colour and narrow in teal, so it reads on any imagery.
    constexpr double gap = 5.0;
    constexpr double arm = 18.0;
    const QLineF arms[] = {{0, -gap, 0, -arm}, {0, gap, 0, arm}, {-gap, 0, -arm, 0}, {gap, 0, arm, 0}};
    for (const auto& [color, width] : {std::pair{StationColors::faded(colors.color(QPalette::Window), 0.9), 4.0},
                                       std::pair{StationColors::teal(colors), 2.0}}) {
        painter.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap));
        painter.setBrush(Qt::NoBrush);
        for (const QLineF& line : arms) {
            painter.drawLine(line);
        }
        painter.drawEllipse(QPointF(0, 0), 1.0, 1.0);
    }
}

#include "app/ui/station/TabStrip.h"

#include <QStyleOptionTab>
#include <QStylePainter>

TabStrip::TabStrip(QWidget* parent)
    : QTabBar(parent)
{
    setExpanding(false);
    setDocumentMode(true);
    setElideMode(Qt::ElideRight);
    setUsesScrollButtons(true);
    setDrawBase(false);
}

TabStrip::~TabStrip() = default;

QSize TabStrip::tabSizeHint(int index) const
{
    // Room for the bold title, so selecting a tab never clips it.
    QSize size = QTabBar::tabSizeHint(index);
    QFont bold = font();
    bold.setBold(true);
    const int extra =
        QFontMetrics(bold).horizontalAdvance(tabText(index)) - fontMetrics().horizontalAdvance(tabText(index));
    size.rwidth() += std::max(0, extra) + 8;
    return size;
}

void TabStrip::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    for (int index = 0; index < count(); ++index) {
        QStyleOptionTab option;
        initStyleOption(&option, index);
        if (!option.rect.intersects(rect())) {
            continue;
        }
        QFont font = this->font();
        font.setBold(index == currentIndex());
        painter.setFont(font);
        painter.drawControl(QStyle::CE_TabBarTab, option);
    }
}

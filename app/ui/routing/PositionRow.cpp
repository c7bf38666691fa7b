#include "app/ui/routing/PositionRow.h"

#include "app/ui/routing/PositionButton.h"
#include "app/ui/style/FlowLayout.h"

PositionRow::PositionRow(QWidget* parent)
    : QWidget(parent)
    , m_layout(new FlowLayout(this, 6))
{
    setVisible(false);
}

PositionRow::~PositionRow() = default;

void PositionRow::setPositions(const QList<PositionState>& positions)
{
    if (PositionButton::sync(m_buttons, positions, this)) {
        for (PositionButton* button : std::as_const(m_buttons)) {
            m_layout->addWidget(button);
            button->show();
            connect(button, &PositionButton::picked, this, &PositionRow::picked);
        }
    }
    setVisible(!positions.isEmpty());
}

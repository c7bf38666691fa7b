#pragma once

#include "app/ui/routing/PositionState.h"

#include <QList>
#include <QWidget>

class FlowLayout;
class PositionButton;

// A wrapping row of position buttons; hidden while it has no positions.
class PositionRow final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PositionRow)

public:
    explicit PositionRow(QWidget* parent = nullptr);
    ~PositionRow() override;

    void setPositions(const QList<PositionState>& positions);

Q_SIGNALS:
    void picked(const PositionState& position);

private:
    FlowLayout* m_layout;
    QList<PositionButton*> m_buttons;
};

#pragma once

#include "app/ui/routing/PositionState.h"

#include <QList>
#include <QPointF>
#include <QWidget>

class PositionButton;
class QPainter;

// The dial of a switch whose positions carry bearings: one sector per position, centred on its
// bearing and as wide as its beam (clockwise from north at the top), a back lobe for a
// bidirectional antenna, the selected one in teal; each position's button sits on its bearing.
class DirectionalSwitchView final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DirectionalSwitchView)

public:
    static constexpr int diameter = 220;
    static constexpr int buttonRadius = 78;
    // Each sector carries a solid rim here, outside the buttons, where its colour reads true.
    static constexpr double rimRadius = 103.0;

    explicit DirectionalSwitchView(QWidget* parent = nullptr);
    ~DirectionalSwitchView() override;

    // The positions with a bearing; the others belong elsewhere.
    void setPositions(const QList<PositionState>& positions);
    // The dial's centre in this widget's coordinates.
    QPointF centre() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

Q_SIGNALS:
    void picked(const PositionState& position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void placeButtons();
    void paintSector(QPainter& painter, double bearing, double width, const QColor& color, bool selected) const;

    QList<PositionState> m_positions;
    QList<PositionButton*> m_buttons;
    QSize m_size;
};

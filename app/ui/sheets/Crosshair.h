#pragma once

#include <QWidget>

// The crosshair over the location editor's map: the tower goes where it points, at the centre.
// Transparent to the mouse, so dragging the map under it works.
class Crosshair final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Crosshair)

public:
    explicit Crosshair(QWidget* parent = nullptr);
    ~Crosshair() override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

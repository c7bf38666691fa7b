#pragma once

#include <QColor>
#include <QFrame>

// The panel every device card sits in: a rounded, lightly raised surface from the palette with
// a stripe of the layout's accent colour along its top edge.
class CardFrame : public QFrame {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CardFrame)

public:
    explicit CardFrame(QWidget* parent = nullptr);
    ~CardFrame() override;

    QColor accent() const { return m_accent; }
    void setAccent(const QColor& accent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_accent;
};

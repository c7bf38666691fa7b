#pragma once

#include <QLayout>
#include <QList>

// Lays its items out left to right and wraps them onto further rows when the width runs out,
// so a card of many positions stays narrow without clipping a button.
class FlowLayout final : public QLayout {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FlowLayout)

public:
    explicit FlowLayout(QWidget* parent = nullptr);
    ~FlowLayout() override;

    void addItem(QLayoutItem* item) override;
    int count() const override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;

    Qt::Orientations expandingDirections() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;
    QSize minimumSize() const override;
    QSize sizeHint() const override;
    void setGeometry(const QRect& rect) override;

private:
    // The height the items take in `rect`; places them there when `place` is set.
    int arrange(const QRect& rect, bool place) const;

    QList<QLayoutItem*> m_items;
};

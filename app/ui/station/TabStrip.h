#pragma once

#include <QTabBar>

// The server tabs: the selected tab's title in a heavier weight, long titles elided, scroll
// buttons when ten tabs do not fit.
class TabStrip final : public QTabBar {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TabStrip)

public:
    explicit TabStrip(QWidget* parent = nullptr);
    ~TabStrip() override;

protected:
    QSize tabSizeHint(int index) const override;
    void paintEvent(QPaintEvent* event) override;
};

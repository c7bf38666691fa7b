#pragma once

#include <QWidget>

// The round status light before the connection message: the success colour while connected,
// the secondary colour otherwise.
class StatusDot final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StatusDot)

public:
    explicit StatusDot(QWidget* parent = nullptr);
    ~StatusDot() override;

    bool lit() const { return m_lit; }
    void setLit(bool lit);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    bool m_lit = false;
};

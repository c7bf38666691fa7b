#pragma once

#include <QObject>

// Shows every tooltip of the application as plain text. A tooltip often carries a name from a
// server or the user ("Select North Beam at 0 degrees"), and QToolTip would guess rich text and
// load what an <img> names. Tooltips are stored as the literal text, so accessible descriptions,
// which Qt takes from them, read the same; only their display is forced to plain text here.
// One per application, installed on it.
class PlainToolTips final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PlainToolTips)

public:
    explicit PlainToolTips(QObject* parent = nullptr);
    ~PlainToolTips() override;

    // Installs one filter on the application, once; later calls do nothing.
    static void install();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

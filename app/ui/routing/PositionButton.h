#pragma once

#include "app/ui/routing/PositionState.h"

#include <QList>
#include <QToolButton>

// The button of one switch or tuner position, marked with a lock, a teal checkmark or an empty
// circle, and framed while the rotary encoder previews it. It keeps the state it shows, so a
// press asks for exactly what the operator saw.
class PositionButton final : public QToolButton {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PositionButton)

public:
    explicit PositionButton(const QString& name, QWidget* parent = nullptr);
    ~PositionButton() override;

    const PositionState& state() const { return m_state; }
    void apply(const PositionState& state);
    // Names wider than this are elided on the button (the accessible name and tooltip keep them).
    void setTextWidthLimit(int width);

    // Keeps one button per position in `buttons`, children of `parent`: the same buttons while
    // the names are unchanged, so focus survives a status update, new ones when they change.
    // Applies every state; true when the buttons were replaced.
    static bool sync(QList<PositionButton*>& buttons, const QList<PositionState>& positions, QWidget* parent);

Q_SIGNALS:
    void picked(const PositionState& position);

protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void updateIcon();
    void updateText();
    void updatePreview();

    PositionState m_state;
    int m_textWidthLimit = 0;
};

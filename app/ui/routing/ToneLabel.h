#pragma once

#include "app/ui/routing/Tone.h"

#include <QLabel>

// A label whose text colour carries meaning; the colour follows light and dark palettes.
class ToneLabel final : public QLabel {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ToneLabel)

public:
    explicit ToneLabel(Tone tone = Tone::plain, QWidget* parent = nullptr);
    ~ToneLabel() override;

    Tone tone() const { return m_tone; }
    void setTone(Tone tone);

protected:
    void changeEvent(QEvent* event) override;

private:
    void applyTone();

    Tone m_tone;
};

#include "app/ui/routing/ToneLabel.h"

#include "app/ui/style/StationColors.h"

#include <QApplication>
#include <QEvent>

ToneLabel::ToneLabel(Tone tone, QWidget* parent)
    : QLabel(parent)
    , m_tone(tone)
{
    // Tone labels show server states and names: never markup.
    setTextFormat(Qt::PlainText);
    applyTone();
}

ToneLabel::~ToneLabel() = default;

void ToneLabel::setTone(Tone tone)
{
    if (m_tone != tone) {
        m_tone = tone;
        applyTone();
    }
}

void ToneLabel::changeEvent(QEvent* event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::ParentChange) {
        applyTone();
    }
}

void ToneLabel::applyTone()
{
    // The surroundings decide light or dark; this label's own text colour is the one it sets.
    const QPalette surroundings = parentWidget() ? parentWidget()->palette() : QApplication::palette();
    QColor color = surroundings.color(QPalette::WindowText);
    if (m_tone == Tone::secondary) {
        color = StationColors::secondary(surroundings);
    } else if (m_tone == Tone::orange) {
        color = StationColors::orange(surroundings);
    }
    QPalette own = palette();
    if (own.color(QPalette::WindowText) != color) {
        own.setColor(QPalette::WindowText, color);
        setPalette(own);
    }
}

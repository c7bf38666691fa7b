#include "app/ui/routing/PositionButton.h"

#include "app/ui/style/Icons.h"
#include "app/ui/style/PlainText.h"
#include "app/ui/style/StationColors.h"

#include <QEvent>
#include <QPainter>

using namespace Qt::Literals::StringLiterals;

PositionButton::PositionButton(const QString& name, QWidget* parent)
    : QToolButton(parent)
{
    m_state.name = name;
    setAccessibleName(name);
    setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    setEnabled(false);
    updateText();
    updateIcon();
    connect(this, &QToolButton::clicked, this, [this] { Q_EMIT picked(m_state); });
}

PositionButton::~PositionButton() = default;

void PositionButton::apply(const PositionState& state)
{
    if (state == m_state) {
        return;
    }
    const bool markChanged = state.mark != m_state.mark;
    const bool previewChanged = state.previewed != m_state.previewed;
    m_state = state;
    setEnabled(state.enabled);
    setToolTip(state.toolTip);
    if (markChanged) {
        updateIcon();
    }
    if (previewChanged) {
        updatePreview();
    }
}

void PositionButton::setTextWidthLimit(int width)
{
    if (m_textWidthLimit != width) {
        m_textWidthLimit = width;
        updateText();
    }
}

bool PositionButton::sync(QList<PositionButton*>& buttons, const QList<PositionState>& positions, QWidget* parent)
{
    bool same = buttons.size() == positions.size();
    for (qsizetype i = 0; same && i < buttons.size(); ++i) {
        same = buttons.at(i)->state().name == positions.at(i).name;
    }
    if (!same) {
        // A position list changes only with a new switch description from the server, never
        // from within a click on one of these buttons.
        qDeleteAll(buttons);
        buttons.clear();
        for (const PositionState& position : positions) {
            buttons.append(new PositionButton(position.name, parent));
        }
    }
    for (qsizetype i = 0; i < buttons.size(); ++i) {
        buttons.at(i)->apply(positions.at(i));
    }
    return !same;
}

void PositionButton::changeEvent(QEvent* event)
{
    QToolButton::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        updateIcon();
    } else if (event->type() == QEvent::FontChange) {
        updateText();
    }
}

void PositionButton::paintEvent(QPaintEvent* event)
{
    QToolButton::paintEvent(event);
    if (!m_state.previewed) {
        return;
    }
    // A dashed frame: chosen with the knob, not yet sent (the checkmark shows what the server has).
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPen pen(StationColors::teal(palette()), 2.0, Qt::DashLine);
    painter.setPen(pen);
    painter.drawRoundedRect(QRectF(rect()).adjusted(1.0, 1.0, -1.0, -1.0), 4.0, 4.0);
}

void PositionButton::updatePreview()
{
    // Only the weight is set, so the rest still follows the parent's font.
    QFont font;
    if (m_state.previewed) {
        font.setBold(true);
    }
    setFont(font);
    setAccessibleDescription(m_state.previewed ? tr("Encoder preview") : QString());
    update();
}

void PositionButton::updateIcon()
{
    switch (m_state.mark) {
    case PositionState::Mark::locked:
        setIcon(Icons::icon(u"lock"_s));
        break;
    case PositionState::Mark::selected:
        setIcon(Icons::icon(u"checkmark-circle"_s, StationColors::teal(palette())));
        break;
    case PositionState::Mark::unselected:
        setIcon(Icons::icon(u"circle"_s));
        break;
    }
}

void PositionButton::updateText()
{
    const QString& name = m_state.name;
    // Elided as shown, then made safe: a server's "Yagi&Dipole" reads so and claims no Alt key.
    setText(PlainText::mnemonicSafe(
        m_textWidthLimit > 0 ? fontMetrics().elidedText(name, Qt::ElideRight, m_textWidthLimit) : name));
}

#include "app/ui/style/ControlEvents.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QPointer>
#include <QScrollBar>
#include <QToolButton>
#include <QWheelEvent>

namespace {

bool takesWheelWhenFocused(const QObject* object)
{
    return qobject_cast<const QComboBox*>(object) || qobject_cast<const QAbstractSpinBox*>(object) ||
           qobject_cast<const QAbstractSlider*>(object);
}

bool pressesButton(const QKeyEvent* key)
{
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    return (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && modifiers == Qt::NoModifier &&
           !key->isAutoRepeat();
}

} // namespace

ControlEvents::ControlEvents(QObject* parent)
    : QObject(parent)
{}

ControlEvents::~ControlEvents() = default;

void ControlEvents::install()
{
    static QPointer<ControlEvents> installed;
    if (!installed && qApp) {
        installed = new ControlEvents(qApp);
        qApp->installEventFilter(installed);
    }
}

bool ControlEvents::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Wheel && takesWheelWhenFocused(watched)) {
        const auto* widget = static_cast<QWidget*>(watched);
        // A scroll bar is a slider too, and the wheel is what it is for.
        if (widget->hasFocus() || qobject_cast<const QScrollBar*>(widget)) {
            return false;
        }
        // Handed to the scroll area that holds the control, as if the control were not there.
        for (QWidget* parent = widget->parentWidget(); parent; parent = parent->parentWidget()) {
            auto* area = qobject_cast<QAbstractScrollArea*>(parent);
            if (area && area->viewport()->isAncestorOf(widget)) {
                const auto* wheel = static_cast<QWheelEvent*>(event);
                const QPointF at = area->viewport()->mapFromGlobal(wheel->globalPosition());
                QWheelEvent passed(at, wheel->globalPosition(), wheel->pixelDelta(), wheel->angleDelta(),
                                   wheel->buttons(), wheel->modifiers(), wheel->phase(), wheel->inverted(),
                                   wheel->source());
                QApplication::sendEvent(area->viewport(), &passed);
                return true;
            }
        }
        // Nothing scrolls: ignored, it travels on to the parents.
        event->ignore();
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        auto* button = qobject_cast<QAbstractButton*>(watched);
        if (button && button->hasFocus() && button->isEnabled() && pressesButton(static_cast<QKeyEvent*>(event))) {
            auto* menuButton = qobject_cast<QToolButton*>(button);
            if (menuButton && menuButton->menu() && menuButton->popupMode() == QToolButton::InstantPopup) {
                menuButton->showMenu();
            } else {
                // At once, as a click: a stop must not wait for a pressed look.
                button->click();
            }
            return true;
        }
    }
    return false;
}

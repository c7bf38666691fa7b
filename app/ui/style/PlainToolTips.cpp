#include "app/ui/style/PlainToolTips.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHelpEvent>
#include <QMenu>
#include <QPointer>
#include <QTabBar>
#include <QTextDocument>
#include <QToolTip>

namespace {

// The tooltip a widget would show at `pos`, found the way the widget itself finds it.
QString toolTipAt(QWidget* widget, const QPoint& pos)
{
    if (auto* view = qobject_cast<QAbstractItemView*>(widget->parentWidget()); view && view->viewport() == widget) {
        const QModelIndex index = view->indexAt(pos);
        if (index.isValid()) {
            return index.data(Qt::ToolTipRole).toString();
        }
        return view->toolTip();
    }
    if (auto* menu = qobject_cast<QMenu*>(widget)) {
        const QAction* action = menu->actionAt(pos);
        return action && menu->toolTipsVisible() ? action->toolTip() : QString();
    }
    if (auto* tabs = qobject_cast<QTabBar*>(widget)) {
        const int tab = tabs->tabAt(pos);
        if (tab >= 0) {
            return tabs->tabToolTip(tab);
        }
    }
    return widget->toolTip();
}

} // namespace

PlainToolTips::PlainToolTips(QObject* parent)
    : QObject(parent)
{}

PlainToolTips::~PlainToolTips() = default;

void PlainToolTips::install()
{
    static QPointer<PlainToolTips> installed;
    if (!installed && qApp) {
        installed = new PlainToolTips(qApp);
        qApp->installEventFilter(installed);
    }
}

bool PlainToolTips::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::ToolTip || !watched->isWidgetType()) {
        return false;
    }
    auto* widget = static_cast<QWidget*>(watched);
    auto* help = static_cast<QHelpEvent*>(event);
    const QString text = toolTipAt(widget, help->pos());
    if (text.isEmpty()) {
        // Nothing of its own: the event travels on to the parent, as Qt does it.
        return false;
    }
    // Escaped inside a paragraph: shown exactly as written, whatever it contains.
    QToolTip::showText(help->globalPos(), Qt::convertFromPlainText(text, Qt::WhiteSpaceNormal), widget);
    return true;
}

#include "app/ui/routing/StackCardState.h"

#include "app/ui/routing/RoutingContext.h"
#include "core/model/StackOutput.h"

using namespace Qt::Literals::StringLiterals;

StackCardState StackCardState::of(const StackOutput& stack, const RoutingContext& context, bool canSet)
{
    StackCardState state;
    state.title = tr("Stack: %1").arg(stack.name);
    const bool fresh = stack.fresh(context.now);
    if (!context.live(fresh)) {
        state.status = tr("Stale");
    } else if (stack.status != u"0"_s) {
        state.status = tr("Status %1").arg(stack.status);
    }
    state.turnOn = !stack.selected;
    state.action = stack.selected ? tr("Turn off") : tr("Turn on");
    state.actionName = stack.selected ? tr("Turn off %1").arg(stack.name) : tr("Turn on %1").arg(stack.name);
    state.enabled = canSet;
    const QString help = stack.selected ? tr("Switch %1 out of the stack.").arg(stack.name)
                                        : tr("Switch %1 into the stack.").arg(stack.name);
    state.actionToolTip =
        RoutingContext::toolTip(help, canSet, context.blockedReason(fresh, stack.status == u"0"_s, stack.status));
    return state;
}

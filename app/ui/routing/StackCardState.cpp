#include "app/ui/routing/StackCardState.h"

#include "app/ui/routing/RoutingContext.h"
#include "core/model/StackOutput.h"

using namespace Qt::Literals::StringLiterals;

StackCardState StackCardState::of(const StackOutput& stack, const RoutingContext& context, bool canSet)
{
    StackCardState state;
    state.title = u"Stack: "_s + stack.name;
    const bool fresh = stack.fresh(context.now);
    if (!context.live(fresh)) {
        state.status = u"Stale"_s;
    } else if (stack.status != u"0"_s) {
        state.status = u"Status "_s + stack.status;
    }
    state.turnOn = !stack.selected;
    state.action = stack.selected ? u"Turn off"_s : u"Turn on"_s;
    state.actionName = state.action + u" "_s + stack.name;
    state.enabled = canSet;
    const QString help = stack.selected ? u"Switch "_s + stack.name + u" out of the stack."_s
                                        : u"Switch "_s + stack.name + u" into the stack."_s;
    state.actionToolTip =
        RoutingContext::toolTip(help, canSet, context.blockedReason(fresh, stack.status == u"0"_s, stack.status));
    return state;
}

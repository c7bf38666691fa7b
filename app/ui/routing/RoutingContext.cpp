#include "app/ui/routing/RoutingContext.h"

#include "core/client/KeltoClient.h"

using namespace Qt::Literals::StringLiterals;

RoutingContext RoutingContext::of(const KeltoClient& client)
{
    return RoutingContext{client.now(), client.connected(), client.switchControlsEnabled()};
}

QString RoutingContext::blockedReason(bool fresh, bool statusReady, const QString& status) const
{
    if (!connected) {
        return u"Not connected to the server."_s;
    }
    if (!controlsEnabled) {
        return u"Enable antenna controls first."_s;
    }
    if (!fresh) {
        return u"No fresh report from the server."_s;
    }
    if (!statusReady) {
        return u"The server reports status "_s + status + u"."_s;
    }
    return {};
}

QString RoutingContext::toolTip(const QString& help, bool enabled, const QString& reason)
{
    if (enabled) {
        return help;
    }
    // The guard may refuse for a reason the card cannot name (a report that aged meanwhile).
    return help + u"\n"_s + (reason.isEmpty() ? u"Not available right now."_s : reason);
}

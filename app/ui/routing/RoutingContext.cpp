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
        return tr("Not connected to the server.");
    }
    if (!controlsEnabled) {
        return tr("Enable antenna controls first.");
    }
    if (!fresh) {
        return tr("No fresh report from the server.");
    }
    if (!statusReady) {
        return tr("The server reports status %1.").arg(status);
    }
    return {};
}

QString RoutingContext::toolTip(const QString& help, bool enabled, const QString& reason)
{
    if (enabled) {
        return help;
    }
    // The guard may refuse for a reason the card cannot name (a report that aged meanwhile).
    return help + u"\n"_s + (reason.isEmpty() ? tr("Not available right now.") : reason);
}

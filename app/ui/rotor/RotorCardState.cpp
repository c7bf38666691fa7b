#include "app/ui/rotor/RotorCardState.h"

#include "app/ui/style/LocaleText.h"
#include "core/client/KeltoClient.h"

#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {

using Control = RotorCardState::Control;
using Facts = RotorCardState::Facts;

Control control(bool enabled, const QString& help, const QString& reason)
{
    if (enabled) {
        return {true, help};
    }
    return {false, reason.isEmpty() ? help : help + u"\n"_s + reason};
}

// Why a rotor control is off before anything of the rotor itself counts; empty when neither.
// `enable` is the whole sentence asking to enable control, so each reads right in every language.
QString setupReason(const Facts& facts, const QString& enable)
{
    if (!facts.connected) {
        return RotorCardState::tr("Not connected.");
    }
    if (!facts.controlsEnabled) {
        return enable;
    }
    return {};
}

QString statusReason(const Rotor& rotor)
{
    // The status is the server's own text, shown as it came.
    return RotorCardState::tr("The rotor reports “%1”.").arg(rotor.statusText());
}

// Why the client's turn guard says no, in the order a user would put it right.
QString turnReason(const Rotor& rotor, const Facts& facts)
{
    if (QString why = setupReason(facts, RotorCardState::tr("Enable control to rotate.")); !why.isEmpty()) {
        return why;
    }
    if (!rotor.fresh(facts.now)) {
        return RotorCardState::tr("No fresh heading from the server.");
    }
    if (!rotor.acceptsTurn()) {
        return statusReason(rotor);
    }
    return RotorCardState::tr("Wait until the heading settles.");
}

QString stopReason(const Rotor& rotor, const Facts& facts)
{
    const QString why = setupReason(facts, RotorCardState::tr("Enable control to stop."));
    return why.isEmpty() ? statusReason(rotor) : why;
}

QString lockReason(const Rotor& rotor, const Facts& facts)
{
    if (facts.connectionKind != ConnectionKind::ovVarnex) {
        return RotorCardState::tr("Locks need an OV Varnex server.");
    }
    if (QString why = setupReason(facts, RotorCardState::tr("Enable control to lock.")); !why.isEmpty()) {
        return why;
    }
    return rotor.controllable() ? RotorCardState::tr("No fresh heading from the server.") : statusReason(rotor);
}

} // namespace

RotorCardState::Facts RotorCardState::Facts::of(const KeltoClient& client, const Rotor& rotor)
{
    Facts facts;
    facts.connected = client.connected();
    facts.now = client.now();
    facts.controlsEnabled = client.controlsEnabled();
    facts.connectionKind = client.connectionKind();
    facts.canTurn = client.canTurn(rotor);
    facts.canStop = client.canStop(rotor);
    facts.canRequestLock = client.canRequestRotorLock(rotor);
    const auto request = client.rotorLockRequests().constFind(rotor.name);
    if (request != client.rotorLockRequests().cend()) {
        facts.lockRequest = *request;
    }
    facts.receivedServerPresets = client.receivedServerPresets();
    facts.hasEndpoint = !client.endpoint().isEmpty();
    return facts;
}

RotorCardState RotorCardState::of(const Rotor& rotor, const Facts& facts)
{
    RotorCardState state;
    const QString& name = rotor.name;
    const bool live = facts.connected && rotor.fresh(facts.now);

    if (!rotor.heading) {
        state.status = tr("Awaiting heading");
    } else if (live) {
        state.status = rotor.displayStatus(facts.now);
    } else {
        state.status = tr("Stale");
    }
    state.statusTone = live && rotor.controllable() ? Tone::teal : Tone::orange;

    if (!live) {
        state.headingCaption = tr("LAST KNOWN HEADING");
    } else {
        state.headingCaption = facts.hasLocation ? tr("CONTROLLER HEADING") : tr("CURRENT HEADING");
    }
    const bool shown = rotor.heading && std::isfinite(*rotor.heading);
    state.headingText = shown ? LocaleText::degrees(*rotor.heading, 1) : u"—"_s;
    state.dialHeading = rotor.heading;
    state.stale = !live;
    state.showDial = !facts.hasLocation;
    state.serverFeatures = facts.connectionKind == ConnectionKind::ovVarnex;
    state.target = targetHeading(facts.targetText);

    if (facts.connected && facts.lockRequest) {
        state.lockNote =
            *facts.lockRequest ? tr("Lock requested · unconfirmed") : tr("Release requested · unconfirmed");
    }
    if (!facts.receivedServerPresets) {
        state.serverPresetsNote = tr("No preset list received from server");
    }

    const QString turnWhy = facts.canTurn ? QString() : turnReason(rotor, facts);
    state.turnRefusal = turnWhy;
    const QString targetWhy = state.target ? QString() : tr("Enter a target heading from 0 to 360.");
    state.rotate = control(facts.canTurn && state.target, tr("Turn %1 to the target heading.").arg(name),
                           turnWhy.isEmpty() ? targetWhy : turnWhy);
    state.stop =
        control(facts.canStop, tr("Stop %1 now.").arg(name), facts.canStop ? QString() : stopReason(rotor, facts));

    const bool jogKind = facts.connectionKind == ConnectionKind::ovVarnex;
    const QString jogWhy = jogKind ? turnWhy : tr("Jog needs an OV Varnex server.");
    state.counterclockwise =
        control(jogKind && facts.canTurn, tr("Move %1 one step counterclockwise.").arg(name), jogWhy);
    state.clockwise = control(jogKind && facts.canTurn, tr("Move %1 one step clockwise.").arg(name), jogWhy);

    const QString lockWhy = facts.canRequestLock ? QString() : lockReason(rotor, facts);
    state.requestLock = control(facts.canRequestLock, tr("Request lock for %1").arg(name), lockWhy);
    state.releaseLock = control(facts.canRequestLock, tr("Release lock for %1").arg(name), lockWhy);

    state.localPreset =
        control(facts.canTurn, tr("Rotate immediately to this heading when control is enabled."), turnWhy);
    state.serverPreset =
        control(facts.canTurn, tr("Rotate immediately to this server preset when control is enabled."), turnWhy);
    state.refresh = control(facts.connected, tr("Refresh server presets for %1").arg(name), tr("Not connected."));
    state.managePresets = control(facts.hasEndpoint, tr("Manage presets for %1").arg(name),
                                  tr("Choose a server first: presets are kept per server."));
    return state;
}

std::optional<double> RotorCardState::targetHeading(const QString& text)
{
    const std::optional<double> value = LocaleText::parse(text);
    if (!value || !std::isfinite(*value) || *value < 0.0 || *value > 360.0) {
        return std::nullopt;
    }
    return value;
}

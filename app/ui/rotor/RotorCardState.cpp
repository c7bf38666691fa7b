#include "app/ui/rotor/RotorCardState.h"

#include "core/client/KeltoClient.h"
#include "core/protocol/FixedText.h"
#include "core/protocol/OVVProtocol.h"

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
QString setupReason(const Facts& facts, const QString& action)
{
    if (!facts.connected) {
        return u"Not connected."_s;
    }
    if (!facts.controlsEnabled) {
        return u"Enable control to "_s + action + u"."_s;
    }
    return {};
}

QString statusReason(const Rotor& rotor)
{
    return u"The rotor reports “"_s + rotor.statusText() + u"”."_s;
}

// Why the client's turn guard says no, in the order a user would put it right.
QString turnReason(const Rotor& rotor, const Facts& facts)
{
    if (QString why = setupReason(facts, u"rotate"_s); !why.isEmpty()) {
        return why;
    }
    if (!rotor.fresh(facts.now)) {
        return u"No fresh heading from the server."_s;
    }
    if (!rotor.acceptsTurn()) {
        return statusReason(rotor);
    }
    return u"Wait until the heading settles."_s;
}

QString stopReason(const Rotor& rotor, const Facts& facts)
{
    const QString why = setupReason(facts, u"stop"_s);
    return why.isEmpty() ? statusReason(rotor) : why;
}

QString lockReason(const Rotor& rotor, const Facts& facts)
{
    if (facts.connectionKind != ConnectionKind::ovVarnex) {
        return u"Locks need an OV Varnex server."_s;
    }
    if (QString why = setupReason(facts, u"lock"_s); !why.isEmpty()) {
        return why;
    }
    return rotor.controllable() ? u"No fresh heading from the server."_s : statusReason(rotor);
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
        state.status = u"Awaiting heading"_s;
    } else if (live) {
        state.status = rotor.displayStatus(facts.now);
    } else {
        state.status = u"Stale"_s;
    }
    state.statusTone = live && rotor.controllable() ? Tone::teal : Tone::orange;

    if (!live) {
        state.headingCaption = u"LAST KNOWN HEADING"_s;
    } else {
        state.headingCaption = facts.hasLocation ? u"CONTROLLER HEADING"_s : u"CURRENT HEADING"_s;
    }
    const bool shown = rotor.heading && std::isfinite(*rotor.heading);
    state.headingText = shown ? fixedText(*rotor.heading, 1) + u"°"_s : u"—"_s;
    state.dialHeading = rotor.heading;
    state.stale = !live;
    state.showDial = !facts.hasLocation;
    state.serverFeatures = facts.connectionKind == ConnectionKind::ovVarnex;
    state.target = targetHeading(facts.targetText);

    if (facts.connected && facts.lockRequest) {
        state.lockNote = *facts.lockRequest ? u"Lock requested · unconfirmed"_s : u"Release requested · unconfirmed"_s;
    }
    if (!facts.receivedServerPresets) {
        state.serverPresetsNote = u"No preset list received from server"_s;
    }

    const QString turnWhy = facts.canTurn ? QString() : turnReason(rotor, facts);
    state.turnRefusal = turnWhy;
    const QString targetWhy = state.target ? QString() : u"Enter a target heading from 0 to 360."_s;
    state.rotate = control(facts.canTurn && state.target, u"Turn "_s + name + u" to the target heading."_s,
                           turnWhy.isEmpty() ? targetWhy : turnWhy);
    state.stop =
        control(facts.canStop, u"Stop "_s + name + u" now."_s, facts.canStop ? QString() : stopReason(rotor, facts));

    const bool jogKind = facts.connectionKind == ConnectionKind::ovVarnex;
    const QString jogWhy = jogKind ? turnWhy : u"Jog needs an OV Varnex server."_s;
    state.counterclockwise =
        control(jogKind && facts.canTurn, u"Move "_s + name + u" one step counterclockwise."_s, jogWhy);
    state.clockwise = control(jogKind && facts.canTurn, u"Move "_s + name + u" one step clockwise."_s, jogWhy);

    const QString lockWhy = facts.canRequestLock ? QString() : lockReason(rotor, facts);
    state.requestLock = control(facts.canRequestLock, u"Request lock for "_s + name, lockWhy);
    state.releaseLock = control(facts.canRequestLock, u"Release lock for "_s + name, lockWhy);

    state.localPreset =
        control(facts.canTurn, u"Rotate immediately to this heading when control is enabled."_s, turnWhy);
    state.serverPreset =
        control(facts.canTurn, u"Rotate immediately to this server preset when control is enabled."_s, turnWhy);
    state.refresh = control(facts.connected, u"Refresh server presets for "_s + name, u"Not connected."_s);
    state.managePresets = control(facts.hasEndpoint, u"Manage presets for "_s + name,
                                  u"Choose a server first: presets are kept per server."_s);
    return state;
}

std::optional<double> RotorCardState::targetHeading(const QString& text)
{
    const std::optional<double> value = OVVProtocol::decimal(QStringView(text).trimmed());
    if (!value || !std::isfinite(*value) || *value < 0.0 || *value > 360.0) {
        return std::nullopt;
    }
    return value;
}

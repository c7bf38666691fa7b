#include "app/remote/RemoteState.h"

#include "app/profiles/HeadingPreset.h"
#include "app/ui/rotor/RotorCardState.h"
#include "app/ui/routing/RoutingContext.h"
#include "app/ui/routing/StackCardState.h"
#include "app/ui/routing/SwitchCardState.h"
#include "app/workspace/StationSession.h"
#include "app/workspace/StationWorkspace.h"
#include "core/client/KeltoClient.h"
#include "core/protocol/FixedText.h"

#include <QCoreApplication>
#include <QJsonObject>

#include <array>
#include <cmath>

using namespace Qt::Literals::StringLiterals;

// What the page shows, in the desktop's language as the page's own texts are; the JSON keys and the
// role values the page compares are never translated.

namespace {

using Role = PairedDevice::Role;

// The desktop card's quick headings: they fill the target field, they do not turn.
constexpr std::array<std::pair<char16_t, int>, 4> quickHeadings{{{u'N', 0}, {u'E', 90}, {u'S', 180}, {u'W', 270}}};

// The reason part of a card tooltip: what follows the help line.
QString reasonOf(const QString& toolTip)
{
    const qsizetype newline = toolTip.indexOf(u'\n');
    return newline < 0 ? QString() : toolTip.mid(newline + 1);
}

// One control as the page needs it. The desktop's reason names the desktop's switch; from the
// page the operator cannot turn it on, so the page says where it is.
QJsonObject control(bool enabled, const QString& reason, Role role, bool controlOff)
{
    if (role == Role::watch) {
        return {{u"enabled"_s, false}, {u"why"_s, RemoteState::watchOnlyReason()}};
    }
    if (enabled) {
        return {{u"enabled"_s, true}};
    }
    return {{u"enabled"_s, false}, {u"why"_s, controlOff ? RemoteState::controlOffReason() : reason}};
}

QString connectionText(const KeltoClient& client)
{
    if (client.connected()) {
        return QCoreApplication::translate("RemoteState", "Connected");
    }
    return client.connecting() ? QCoreApplication::translate("RemoteState", "Connecting")
                               : QCoreApplication::translate("RemoteState", "Disconnected");
}

QJsonObject rotorJson(const KeltoClient& client, const SettingsStore& defaults, const Rotor& rotor, Role role)
{
    RotorCardState::Facts facts = RotorCardState::Facts::of(client, rotor);
    // The page keeps its own target field; "0" stands for a valid one so Rotate's reason is
    // the guard's alone.
    facts.targetText = u"0"_s;
    const RotorCardState card = RotorCardState::of(rotor, facts);
    const bool controlOff = client.connected() && !client.controlsEnabled();

    QJsonObject json{
        {u"name"_s, rotor.name},
        {u"status"_s, card.status},
        {u"tone"_s, card.statusTone == RotorCardState::Tone::teal ? u"teal"_s : u"orange"_s},
        {u"caption"_s, card.headingCaption},
        {u"heading"_s, card.headingText},
        {u"stale"_s, card.stale},
        {u"rotate"_s, control(card.rotate.enabled, reasonOf(card.rotate.toolTip), role, controlOff)},
        {u"stop"_s, control(card.stop.enabled, reasonOf(card.stop.toolTip), role, controlOff)},
        {u"preset"_s, control(card.serverPreset.enabled, reasonOf(card.serverPreset.toolTip), role, controlOff)},
    };
    if (card.dialHeading && std::isfinite(*card.dialHeading)) {
        json.insert(u"dial"_s, *card.dialHeading);
    }
    QJsonArray quick;
    for (const auto& [letter, degrees] : quickHeadings) {
        quick.append(QJsonObject{{u"label"_s, QString(QChar(letter)) + u' ' + QString::number(degrees) + u"°"_s},
                                 {u"degrees"_s, degrees}});
    }
    json.insert(u"quick"_s, quick);
    QJsonArray local;
    if (!client.endpoint().isEmpty()) {
        for (const HeadingPreset& preset : HeadingPreset::stored(defaults, client.endpoint(), rotor.name)) {
            local.append(QJsonObject{{u"name"_s, preset.name},
                                     {u"label"_s, preset.name + u"  "_s + fixedText(preset.degrees, 1) + u"°"_s},
                                     {u"degrees"_s, fixedText(preset.degrees, 1)}});
        }
    }
    json.insert(u"presets"_s, local);
    json.insert(u"serverPresets"_s, QJsonArray::fromStringList(client.station().locations));
    if (!card.serverPresetsNote.isEmpty()) {
        json.insert(u"serverPresetsNote"_s, card.serverPresetsNote);
    }
    return json;
}

QJsonObject switchJson(const KeltoClient& client, const AntennaSwitch& antennaSwitch, Role role)
{
    const RoutingContext context = RoutingContext::of(client);
    const SwitchCardState card = SwitchCardState::of(antennaSwitch, context, [&](const QString& position) {
        return client.canSelectSwitch(antennaSwitch, position);
    });
    const bool controlOff = client.connected() && !client.switchControlsEnabled();
    QJsonArray positions;
    for (const PositionState& position : card.positions) {
        QJsonObject json = control(position.enabled, reasonOf(position.toolTip), role, controlOff);
        json.insert(u"name"_s, position.name);
        json.insert(u"mark"_s, position.mark == PositionState::Mark::selected ? u"selected"_s
                               : position.mark == PositionState::Mark::locked ? u"locked"_s
                                                                              : u"unselected"_s);
        if (position.sendEnabled) {
            json.insert(u"send"_s, *position.sendEnabled);
        }
        positions.append(json);
    }
    QJsonObject json{
        {u"name"_s, antennaSwitch.name},
        {u"reported"_s, card.reported},
        {u"stale"_s, card.reportedTone == Tone::orange},
        {u"positions"_s, positions},
    };
    if (!card.serverStatus.isEmpty()) {
        json.insert(u"status"_s, card.serverStatus);
    }
    if (!card.unsupported.isEmpty()) {
        json.insert(u"unsupported"_s, card.unsupported);
    }
    return json;
}

QJsonObject stackJson(const KeltoClient& client, const StackOutput& stack, Role role)
{
    const StackCardState card = StackCardState::of(stack, RoutingContext::of(client), client.canSetStack(stack));
    const bool controlOff = client.connected() && !client.switchControlsEnabled();
    QJsonObject json = control(card.enabled, reasonOf(card.actionToolTip), role, controlOff);
    json.insert(u"name"_s, stack.name);
    json.insert(u"selected"_s, stack.selected);
    json.insert(u"action"_s, card.action);
    json.insert(u"turnOn"_s, card.turnOn);
    if (!card.status.isEmpty()) {
        json.insert(u"status"_s, card.status);
    }
    return json;
}

} // namespace

QString RemoteState::watchOnlyReason()
{
    return QCoreApplication::translate("RemoteState",
                                       "This device may only watch: the operator can give it the Control role on "
                                       "the desktop.");
}

QString RemoteState::controlOffReason()
{
    return QCoreApplication::translate("RemoteState", "Control is off on the desktop for this tab.");
}

QJsonArray RemoteState::tabs(const StationWorkspace& workspace, PairedDevice::Role role)
{
    QJsonArray tabs;
    for (const StationSession* session : workspace.sessions()) {
        const KeltoClient& client = session->client();
        const StationState& station = client.station();
        QJsonArray rotors;
        for (const Rotor& rotor : station.rotors) {
            rotors.append(rotorJson(client, workspace.defaults(), rotor, role));
        }
        QJsonArray switches;
        for (const AntennaSwitch& antennaSwitch : station.switches) {
            switches.append(switchJson(client, antennaSwitch, role));
        }
        QJsonArray stacks;
        for (const StackOutput& stack : station.stacks) {
            stacks.append(stackJson(client, stack, role));
        }
        tabs.append(QJsonObject{
            {u"id"_s, session->id().toString(QUuid::WithoutBraces)},
            {u"name"_s, session->name()},
            {u"connection"_s, connectionText(client)},
            {u"message"_s, client.message()},
            {u"control"_s, client.controlsEnabled()},
            {u"rotors"_s, rotors},
            {u"switches"_s, switches},
            {u"stacks"_s, stacks},
        });
    }
    return tabs;
}

#include "app/ui/routing/SwitchCardState.h"

#include "app/ui/routing/RoutingContext.h"
#include "app/ui/style/LocaleText.h"
#include "core/model/AntennaSwitch.h"

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {

const SwitchPosition* detailsOf(const AntennaSwitch& antennaSwitch, const QString& name)
{
    const auto found = std::find_if(antennaSwitch.metadata.cbegin(), antennaSwitch.metadata.cend(),
                                    [&](const SwitchPosition& position) { return position.name == name; });
    return found == antennaSwitch.metadata.cend() ? nullptr : &*found;
}

QString reportedText(const AntennaSwitch& antennaSwitch)
{
    QString position = antennaSwitch.position.value_or(QString());
    if (antennaSwitch.displayType == 4) {
        position = position.split(u',', Qt::SkipEmptyParts).join(u", "_s);
    }
    return SwitchCardState::tr("Reported: %1").arg(position.isEmpty() ? u"—"_s : position);
}

} // namespace

SwitchCardState SwitchCardState::of(const AntennaSwitch& antennaSwitch, const RoutingContext& context,
                                    const std::function<bool(const QString&)>& canSelect)
{
    SwitchCardState state;
    state.title = antennaSwitch.name;
    state.reported = reportedText(antennaSwitch);
    const bool fresh = antennaSwitch.fresh(context.now);
    state.reportedTone = context.live(fresh) ? Tone::plain : Tone::orange;
    if (context.live(fresh) && antennaSwitch.status != u"0"_s) {
        state.serverStatus = tr("Server status %1").arg(antennaSwitch.status);
    }
    if (!antennaSwitch.operable()) {
        state.unsupported = tr("Unsupported switch type %1").arg(LocaleText::count(antennaSwitch.displayType));
        return state;
    }
    state.directional = antennaSwitch.displayType == 2;
    const bool multiSelect = antennaSwitch.displayType == 4;
    const QString blocked = context.blockedReason(fresh, antennaSwitch.status == u"0"_s, antennaSwitch.status);

    for (const QString& name : antennaSwitch.positions) {
        PositionState position;
        position.name = name;
        const bool locked = antennaSwitch.lockedPositions.contains(name);
        const bool selected = antennaSwitch.selected(name);
        position.mark = locked     ? PositionState::Mark::locked
                        : selected ? PositionState::Mark::selected
                                   : PositionState::Mark::unselected;
        position.selected = selected;
        position.enabled = canSelect(name);
        if (multiSelect) {
            position.sendEnabled = !selected;
        }

        QString help = !multiSelect ? tr("Select %1").arg(name)
                       : selected   ? tr("Deselect %1").arg(name)
                                    : tr("Also select %1").arg(name);
        const SwitchPosition* details = detailsOf(antennaSwitch, name);
        if (state.directional && details && details->bearing) {
            position.bearing = details->bearing;
            position.sectorWidth = details->beamWidth.value_or(0.0) > 0.0 ? *details->beamWidth : defaultSectorWidth;
            position.bidirectional = details->bidirectional;
            help = tr("Select %1 at %2 degrees").arg(name, LocaleText::number(*details->bearing, 0));
        }
        const QString reason = !blocked.isEmpty() ? blocked : locked ? tr("Position is locked.") : QString();
        position.toolTip = RoutingContext::toolTip(help, position.enabled, reason);
        state.positions.append(position);
    }
    return state;
}

#include "app/ui/routing/TunerCardState.h"

#include "app/ui/routing/RoutingContext.h"
#include "app/ui/style/LocaleText.h"
#include "core/model/TurvixTuner.h"

using namespace Qt::Literals::StringLiterals;

namespace {

// A tuner announced but not yet reported has empty texts; a dash keeps the line readable.
QString orDash(const QString& text)
{
    return text.isEmpty() ? u"—"_s : text;
}

} // namespace

TunerCardState TunerCardState::of(const TurvixTuner& tuner, const RoutingContext& context, bool canControl)
{
    TunerCardState state;
    state.title = tr("Turvix · %1").arg(tuner.name);
    state.report = tr("Reported: %1 · Status %2 · RSSI %3")
                       .arg(tuner.position.isEmpty() ? tr("Awaiting position") : tuner.position, orDash(tuner.status),
                            orDash(tuner.rssi));
    const bool fresh = tuner.fresh(context.now);
    state.reportTone = context.live(fresh) ? Tone::plain : Tone::orange;
    const QString reason = context.blockedReason(fresh, tuner.status == u"0"_s || tuner.status == u"9"_s, tuner.status);

    for (const SwitchPosition& band : tuner.positions) {
        PositionState position;
        position.name = band.name;
        position.selected = band.name == tuner.position;
        position.mark = position.selected ? PositionState::Mark::selected : PositionState::Mark::unselected;
        position.enabled = canControl;
        position.toolTip = RoutingContext::toolTip(tr("Tune %1 to %2").arg(tuner.name, band.name), canControl, reason);
        state.positions.append(position);
    }

    for (qsizetype i = 0; i < tuner.rotors.size(); ++i) {
        const QString& name = tuner.rotors.at(i);
        RotorRow row;
        row.name = name;
        row.heading = i < tuner.headings.size() ? LocaleText::degrees(tuner.headings.at(i), 1) : u"—"_s;
        row.enabled = canControl;
        row.counterclockwiseToolTip =
            RoutingContext::toolTip(tr("Turn %1 counterclockwise").arg(name), canControl, reason);
        row.clockwiseToolTip = RoutingContext::toolTip(tr("Turn %1 clockwise").arg(name), canControl, reason);
        row.calibrateToolTip =
            RoutingContext::toolTip(tr("Run the server’s calibration for %1").arg(name), canControl, reason);
        state.rotors.append(row);
    }
    return state;
}

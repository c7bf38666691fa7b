#include "app/ui/routing/TunerCardState.h"

#include "app/ui/routing/RoutingContext.h"
#include "core/model/TurvixTuner.h"
#include "core/protocol/FixedText.h"

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
    state.title = u"Turvix · "_s + tuner.name;
    state.report = u"Reported: "_s + (tuner.position.isEmpty() ? u"Awaiting position"_s : tuner.position) +
                   u" · Status "_s + orDash(tuner.status) + u" · RSSI "_s + orDash(tuner.rssi);
    const bool fresh = tuner.fresh(context.now);
    state.reportTone = context.live(fresh) ? Tone::plain : Tone::orange;
    const QString reason = context.blockedReason(fresh, tuner.status == u"0"_s || tuner.status == u"9"_s, tuner.status);

    for (const SwitchPosition& band : tuner.positions) {
        PositionState position;
        position.name = band.name;
        position.selected = band.name == tuner.position;
        position.mark = position.selected ? PositionState::Mark::selected : PositionState::Mark::unselected;
        position.enabled = canControl;
        position.toolTip = RoutingContext::toolTip(u"Tune "_s + tuner.name + u" to "_s + band.name, canControl, reason);
        state.positions.append(position);
    }

    for (qsizetype i = 0; i < tuner.rotors.size(); ++i) {
        const QString& name = tuner.rotors.at(i);
        RotorRow row;
        row.name = name;
        row.heading = i < tuner.headings.size() ? fixedText(tuner.headings.at(i), 1) + u"°"_s : u"—"_s;
        row.enabled = canControl;
        row.counterclockwiseToolTip =
            RoutingContext::toolTip(u"Turn "_s + name + u" counterclockwise"_s, canControl, reason);
        row.clockwiseToolTip = RoutingContext::toolTip(u"Turn "_s + name + u" clockwise"_s, canControl, reason);
        row.calibrateToolTip =
            RoutingContext::toolTip(u"Run the server’s calibration for "_s + name, canControl, reason);
        state.rotors.append(row);
    }
    return state;
}

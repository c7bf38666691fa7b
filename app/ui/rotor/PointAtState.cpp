#include "app/ui/rotor/PointAtState.h"

#include "app/ui/style/LocaleText.h"
#include "core/geo/Beam.h"
#include "core/geo/StationLookup.h"

#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {

std::optional<double> tenths(std::optional<double> heading)
{
    if (!heading) {
        return std::nullopt;
    }
    const double rounded = std::round(*heading * 10.0) / 10.0;
    return rounded >= 360.0 ? rounded - 360.0 : rounded;
}

QString placeText(const ResolvedPlace& place)
{
    if (place.source == ResolvedPlace::Source::grid) {
        return place.name;
    }
    QString text = place.name;
    if (!place.callAreaName.isEmpty()) {
        text = PointAtState::tr("%1 (%2)").arg(text, place.callAreaName);
    }
    if (place.cqZone > 0) {
        //: CQ zone, a division of the world used in amateur radio contests
        text = PointAtState::tr("%1 · CQ %2").arg(text, LocaleText::count(place.cqZone));
    }
    if (place.ituZone > 0) {
        //: ITU zone, a division of the world used in amateur radio
        text = PointAtState::tr("%1 · ITU %2").arg(text, LocaleText::count(place.ituZone));
    }
    return text;
}

} // namespace

PointAtState PointAtState::of(const Facts& facts)
{
    PointAtState state;
    const QString fieldHelp = tr("Call sign, prefix or locator; Return turns the short path.");
    if (!facts.location) {
        state.field = {false, fieldHelp + u'\n' +
                                  tr("This rotor has no position: set its tower location, or give the server "
                                     "profile a site.")};
    } else {
        state.field = {true, fieldHelp};
    }
    const QString shortHelp = tr("Turn %1 to the short path of the target.").arg(facts.rotor);
    const QString longHelp = tr("Turn %1 to the long path of the target.").arg(facts.rotor);
    QString why;

    const QString typed = facts.text.trimmed();
    if (facts.location && !typed.isEmpty()) {
        const ProtocolResult<ResolvedPlace> resolved = StationLookup::resolve(typed, facts.countries);
        if (!resolved) {
            state.warning = resolved.failure().description();
        } else {
            const ResolvedPlace& place = *resolved;
            const RotorLocation& tower = *facts.location;
            state.targetName = place.text;
            state.place = placeText(place);
            state.source = ResolvedPlace::sourceText(place.source);
            if (const std::optional<Beam> beam =
                    Beam::between(tower.latitude, tower.longitude, place.latitude, place.longitude)) {
                state.shortHeading = tenths(Beam::controllerHeading(beam->shortPath.bearing, tower.northOffset));
                state.longHeading = tenths(Beam::controllerHeading(beam->longPath.bearing, tower.northOffset));
                if (state.shortHeading && state.longHeading) {
                    //: A path's heading and distance, "52.3° · 8,953 km"
                    state.shortPath = tr("%1 · %2").arg(LocaleText::degrees(*state.shortHeading),
                                                        LocaleText::distance(beam->shortPath.distanceMeters));
                    state.longPath = tr("%1 · %2").arg(LocaleText::degrees(*state.longHeading),
                                                       LocaleText::distance(beam->longPath.distanceMeters));
                }
                if (beam->nearAntipode) {
                    state.warning = tr("Near the antipode of the tower: every heading is about as short, so the "
                                       "bearing means little.");
                }
            }
            if (!state.shortHeading) {
                state.warning = tr("No heading can be worked out for this place.");
            }
        }
    }

    if (!facts.location) {
        // The card's own "Set tower location…" button, just above, opens the editor.
        state.warning =
            tr("No position for %1: place its tower with “Set tower location…” to point at stations.").arg(facts.rotor);
        why = tr("This rotor has no position.");
    } else if (!state.shortHeading) {
        why = tr("Type a call sign, prefix or locator that resolves.");
    } else if (!facts.canTurn) {
        why = facts.turnRefusal;
    }
    const auto control = [&why](bool enabled, const QString& help) {
        return enabled || why.isEmpty() ? Control{enabled, help} : Control{false, help + u'\n' + why};
    };
    const bool ready = facts.location && state.shortHeading && facts.canTurn;
    state.turnShort = control(ready, shortHelp);
    state.turnLong = control(ready, longHelp);
    return state;
}

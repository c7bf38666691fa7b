#include "app/ui/rotor/PointAtState.h"

#include "core/geo/Beam.h"
#include "core/geo/StationLookup.h"
#include "core/protocol/FixedText.h"

#include <QCoreApplication>

#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("PointAtState", text);
}

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
        text += u" ("_s + place.callAreaName + u')';
    }
    if (place.cqZone > 0) {
        text += u" · CQ "_s + QString::number(place.cqZone);
    }
    if (place.ituZone > 0) {
        text += u" · ITU "_s + QString::number(place.ituZone);
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
                    state.shortPath =
                        headingText(*state.shortHeading) + u" · "_s + distanceText(beam->shortPath.distanceMeters);
                    state.longPath =
                        headingText(*state.longHeading) + u" · "_s + distanceText(beam->longPath.distanceMeters);
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

QString PointAtState::distanceText(double meters)
{
    return QString::number(std::llround(meters / 1000.0)) + u" km"_s;
}

QString PointAtState::headingText(double heading)
{
    return fixedText(heading, 1) + u"°"_s;
}

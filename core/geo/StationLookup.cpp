#include "core/geo/StationLookup.h"

#include "core/geo/CallArea.h"
#include "core/geo/CountryFile.h"
#include "core/geo/Maidenhead.h"

#include <QCoreApplication>

using namespace Qt::Literals::StringLiterals;

namespace {

// Suffixes that say how a station operates, not where: portable, mobile, alternative address,
// beacon, rover, low power, lighthouse, US licence upgrades.
// Call sign suffixes as written on the air, not translated.
const QList<QString> operatingSuffixes{u"P"_s,   u"M"_s,    u"A"_s,  u"B"_s,  u"R"_s, u"J"_s,
                                       u"QRP"_s, u"QRPP"_s, u"LH"_s, u"AE"_s, u"AG"_s};

bool isCallText(const QString& text)
{
    return std::all_of(text.cbegin(), text.cend(),
                       [](QChar c) { return (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u'/'; });
}

ResolvedPlace fromMatch(const QString& text, const CountryFile& countries, const CountryFile::Match& match,
                        ResolvedPlace::Source source)
{
    const CountryEntity& entity = countries.entity(match);
    ResolvedPlace place;
    place.text = text;
    place.name = entity.name;
    place.source = source;
    place.dxcc = entity.dxcc;
    place.continent = match.continent;
    place.cqZone = match.cqZone;
    place.ituZone = match.ituZone;
    place.latitude = match.latitude;
    place.longitude = match.longitude;
    return place;
}

// The part of "A/B" that names the country: the shorter, and of two as long the one that looks
// like a bare prefix (nothing after its digit), else the first.
QString locationPart(const QString& first, const QString& second)
{
    if (first.size() != second.size()) {
        return first.size() < second.size() ? first : second;
    }
    const bool secondIsPrefix = !CallArea::digitIndex(second) && CallArea::digitIndex(first);
    return secondIsPrefix ? second : first;
}

} // namespace

ProtocolResult<ResolvedPlace> StationLookup::resolve(const QString& text, const CountryFile* countries)
{
    const QString call = text.trimmed().toUpper();
    if (call.isEmpty()) {
        return ProtocolFailure::invalid(
            QCoreApplication::translate("StationLookup", "Type a call sign, prefix or grid locator."));
    }
    if (call.size() > maxLength) {
        return ProtocolFailure::invalid(
            QCoreApplication::translate("StationLookup", "That is too long for a call sign, prefix or grid locator."));
    }
    if (const std::optional<Maidenhead::Square> square = Maidenhead::square(call)) {
        ResolvedPlace place;
        place.text = square->locator;
        place.name = square->locator;
        place.source = ResolvedPlace::Source::grid;
        place.latitude = square->latitude;
        place.longitude = square->longitude;
        return place;
    }
    if (!isCallText(call)) {
        return ProtocolFailure::invalid(
            QCoreApplication::translate("StationLookup", "%1 is not a call sign, prefix or grid locator.").arg(call));
    }
    if (!countries) {
        return ProtocolFailure::invalid(QCoreApplication::translate(
            "StationLookup", "No country file is loaded, so only grid locators can be placed."));
    }
    if (const CountryFile::Match* exact = countries->exactCall(call)) {
        return fromMatch(call, *countries, *exact, ResolvedPlace::Source::exactCall);
    }
    QStringList parts = call.split(u'/');
    if (parts.contains(QString())) {
        return ProtocolFailure::invalid(
            QCoreApplication::translate("StationLookup", "%1 is not a call sign, prefix or grid locator.").arg(call));
    }
    bool strippedSuffix = false;
    while (parts.size() > 1) {
        const QString& last = parts.last();
        if (last == u"MM"_s || last == u"AM"_s) {
            return ProtocolFailure::invalid(
                (last == u"MM"_s
                     ? QCoreApplication::translate("StationLookup", "%1 is maritime mobile: it has no country.")
                     : QCoreApplication::translate("StationLookup", "%1 is aeronautical mobile: it has no country."))
                    .arg(call));
        }
        if (!operatingSuffixes.contains(last)) {
            break;
        }
        parts.removeLast();
        strippedSuffix = true;
    }
    if (parts.size() > 2) {
        return ProtocolFailure::invalid(
            QCoreApplication::translate("StationLookup", "%1 is not a call sign, prefix or grid locator.").arg(call));
    }
    QString home = parts.first();
    if (parts.size() == 2) {
        const QString& second = parts.at(1);
        if (second.size() == 1 && second.front().isDigit()) {
            // W1AW/4 is W1AW in call area 4: the digit replaces the call's own.
            if (const std::optional<qsizetype> index = CallArea::digitIndex(home)) {
                home[*index] = second.front();
            }
        } else {
            home = locationPart(home, second);
        }
    } else if (strippedSuffix) {
        if (const CountryFile::Match* exact = countries->exactCall(home)) {
            return fromMatch(call, *countries, *exact, ResolvedPlace::Source::exactCall);
        }
    }
    const CountryFile::Match* match = countries->longestPrefix(home);
    if (!match) {
        return ProtocolFailure::invalid(
            QCoreApplication::translate("StationLookup", "%1 matches no country prefix.").arg(call));
    }
    ResolvedPlace place = fromMatch(call, *countries, *match, ResolvedPlace::Source::prefix);
    if (!match->ownPosition) {
        const CountryEntity& entity = countries->entity(*match);
        if (const std::optional<CallArea::Position> area = CallArea::position(entity.primaryPrefix, home)) {
            place.source = ResolvedPlace::Source::callArea;
            place.callArea = area->area;
            place.callAreaName = area->name;
            place.latitude = area->latitude;
            place.longitude = area->longitude;
        }
    }
    return place;
}

#pragma once

#include "core/geo/ResolvedPlace.h"
#include "core/protocol/ProtocolFailure.h"

#include <QString>

class CountryFile;

// Places what an operator types to point an antenna at: a Maidenhead locator (which always wins),
// an exact call of the country file, a portable or plain call sign, or a bare prefix. Pure.
class StationLookup final {
public:
    StationLookup() = delete;

    // The longest text looked at; longer text is not a call, prefix or locator.
    static constexpr qsizetype maxLength = 32;

    // The place of the text in any letter case; without a country file only locators resolve.
    // A failure is a sentence for the operator ("W1AW/MM is maritime mobile: it has no country.").
    static ProtocolResult<ResolvedPlace> resolve(const QString& text, const CountryFile* countries);
};

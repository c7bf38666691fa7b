#pragma once

#include "core/geo/CallList.h"
#include "core/geo/CountryFile.h"
#include "core/protocol/ProtocolFailure.h"

#include <QString>

// Reads the country file and the call list from disk for the pure parsers, refusing files too
// large to be what they claim before reading them.
class CountryFileLoader final {
public:
    CountryFileLoader() = delete;

    // Where Debian's hamradio-files package puts them.
    static QString debianCountryCsv();
    static QString debianCountryDat();
    static QString debianCallList();

    static ProtocolResult<CountryFile> loadCountryFile(const QString& path);
    static ProtocolResult<CallList> loadCallList(const QString& path);
};

#pragma once

#include <QString>

#include <optional>

// Where a typed call sign, prefix or locator was placed, and how.
struct ResolvedPlace {
    enum class Source { exactCall, prefix, callArea, grid };

    // The text as it was understood: the call in upper case, or the locator as usually written.
    QString text;
    // The country's name, or the locator for a grid square.
    QString name;
    Source source = Source::prefix;
    // Country details; a grid square has none (no DXCC number, empty continent, zones 0).
    std::optional<int> dxcc;
    QString continent;
    int cqZone = 0;
    int ituZone = 0;
    // The call area ("4", "VO1", Argentina's "W") and its regions, when the source is callArea.
    QString callArea;
    QString callAreaName;
    // East-positive degrees.
    double latitude = 0;
    double longitude = 0;

    // "exact call", "prefix", "call area" or "grid".
    static QString sourceText(Source source);

    bool operator==(const ResolvedPlace&) const = default;
};

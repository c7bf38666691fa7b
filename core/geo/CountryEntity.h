#pragma once

#include <QString>

#include <optional>

// One country of a country file: a DXCC entity, or an area that counts as its own country only
// for the WAE award (Sicily, Shetland). Positions are east-positive and UTC offsets are hours
// ahead of UTC, although the files themselves count both westwards.
struct CountryEntity {
    QString name;
    // The entity's main prefix as the file gives it ("K", "3D2/c"), without the WAE mark.
    QString primaryPrefix;
    // Only cty.csv carries the DXCC number.
    std::optional<int> dxcc;
    QString continent;
    int cqZone = 0;
    int ituZone = 0;
    double latitude = 0;
    double longitude = 0;
    double utcOffset = 0;
    bool waeOnly = false;

    bool operator==(const CountryEntity&) const = default;
};

#pragma once

#include "core/protocol/ProtocolFailure.h"

#include <QByteArrayView>
#include <QtGlobal>

#include <cstdint>
#include <span>
#include <vector>

// The land outlines the world map fills: rings of (longitude, latitude) in micro-degrees, as
// written by scripts/make-land-data. Holes are rings like any other (filled even-odd).
class LandData final {
public:
    static constexpr std::uint32_t version = 1;
    // Far beyond Natural Earth at 1:10m: a hostile file cannot make us hold more.
    static constexpr std::uint32_t maximumRings = 200'000;
    static constexpr std::uint32_t maximumPoints = 4'000'000;

    struct Point {
        qint32 longitude = 0; // micro-degrees
        qint32 latitude = 0;
    };

    // The land of a file's bytes, or a sentence saying what is wrong with it.
    static ProtocolResult<LandData> read(QByteArrayView bytes);

    std::size_t ringCount() const { return m_ringEnds.size(); }
    std::size_t pointCount() const { return m_points.size(); }
    std::span<const Point> ring(std::size_t index) const;

private:
    std::vector<Point> m_points;
    std::vector<std::uint32_t> m_ringEnds;
};

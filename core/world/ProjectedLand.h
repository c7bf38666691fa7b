#pragma once

#include "core/world/AzimuthalProjection.h"
#include "core/world/LandData.h"

#include <cstdint>
#include <span>
#include <vector>

// The land as it falls on the plane of one centre, made once per centre and kept: outlines of
// single-precision points (a metre or two at the rim, far under a pixel) to be filled even-odd,
// with the whole rim disc added when an odd number of them hold the antipode.
class ProjectedLand final {
public:
    struct Point {
        float x = 0.0F; // metres east of the centre
        float y = 0.0F; // metres north
    };

    ProjectedLand() = default;
    ProjectedLand(const LandData& land, const AzimuthalProjection& projection);

    std::size_t ringCount() const { return m_ringEnds.size(); }
    std::span<const Point> ring(std::size_t index) const;
    bool fillsRim() const { return m_fillsRim; }
    double rimDistance() const { return m_rim; }
    // How often an outline passed the antipode and was split there.
    int splits() const { return m_splits; }
    // Bytes held for the outlines.
    std::size_t memoryBytes() const;

private:
    std::vector<Point> m_points;
    std::vector<std::uint32_t> m_ringEnds;
    bool m_fillsRim = false;
    double m_rim = 0.0;
    int m_splits = 0;
};

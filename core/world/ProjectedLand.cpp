#include "core/world/ProjectedLand.h"

ProjectedLand::ProjectedLand(const LandData& land, const AzimuthalProjection& projection)
    : m_rim(projection.rimDistance())
{
    std::vector<GeoPoint> ring;
    m_ringEnds.reserve(land.ringCount());
    m_points.reserve(land.pointCount() + land.pointCount() / 8);
    for (std::size_t r = 0; r < land.ringCount(); ++r) {
        ring.clear();
        for (const LandData::Point& point : land.ring(r)) {
            ring.push_back({point.latitude * 1e-6, point.longitude * 1e-6});
        }
        const AzimuthalProjection::Ring projected = projection.projectRing(ring);
        for (const AzimuthalProjection::Point& point : projected.points) {
            m_points.push_back({static_cast<float>(point.x), static_cast<float>(point.y)});
        }
        m_ringEnds.push_back(static_cast<std::uint32_t>(m_points.size()));
        m_fillsRim ^= projected.holdsAntipode;
        m_splits += projected.splits;
    }
    m_points.shrink_to_fit();
}

std::span<const ProjectedLand::Point> ProjectedLand::ring(std::size_t index) const
{
    const std::uint32_t begin = index == 0 ? 0 : m_ringEnds.at(index - 1);
    return std::span<const Point>(m_points).subspan(begin, m_ringEnds.at(index) - begin);
}

std::size_t ProjectedLand::memoryBytes() const
{
    return sizeof(*this) + m_points.capacity() * sizeof(Point) + m_ringEnds.capacity() * sizeof(std::uint32_t);
}

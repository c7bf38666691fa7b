#include "core/world/LandData.h"

#include <QCoreApplication>

#include <cstring>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr std::size_t headerSize = 16;

// Little-endian, whatever the machine.
std::uint32_t readUInt32(const char* at)
{
    const auto* b = reinterpret_cast<const unsigned char*>(at);
    return std::uint32_t(b[0]) | std::uint32_t(b[1]) << 8 | std::uint32_t(b[2]) << 16 | std::uint32_t(b[3]) << 24;
}

qint32 readInt32(const char* at)
{
    return static_cast<qint32>(readUInt32(at));
}

ProtocolFailure broken(const char* why)
{
    return ProtocolFailure::invalid(QCoreApplication::translate("LandData", why));
}

ProtocolFailure broken(const char* why, std::uint32_t number)
{
    return ProtocolFailure::invalid(QCoreApplication::translate("LandData", why).arg(number));
}

} // namespace

ProtocolResult<LandData> LandData::read(QByteArrayView bytes)
{
    const char* data = bytes.data();
    const auto size = static_cast<std::size_t>(bytes.size());
    if (size < headerSize || std::memcmp(data, "XLND", 4) != 0) {
        return broken(
            QT_TRANSLATE_NOOP("LandData", "The land outline file is damaged: it is not a land outline file."));
    }
    if (readUInt32(data + 4) != version) {
        return broken(QT_TRANSLATE_NOOP("LandData", "The land outline file is damaged: its version %1 is not known."),
                      readUInt32(data + 4));
    }
    const std::uint32_t rings = readUInt32(data + 8);
    const std::uint32_t points = readUInt32(data + 12);
    if (rings > maximumRings || points > maximumPoints) {
        return broken(QT_TRANSLATE_NOOP(
            "LandData", "The land outline file is damaged: it claims more outlines than any map holds."));
    }
    // Checked before anything is allocated, so the header cannot make us reserve memory.
    if (size != headerSize + std::size_t(rings) * 4 + std::size_t(points) * 8) {
        return broken(
            QT_TRANSLATE_NOOP("LandData", "The land outline file is damaged: its length does not match its header."));
    }
    LandData land;
    land.m_points.reserve(points);
    land.m_ringEnds.reserve(rings);
    std::size_t at = headerSize;
    for (std::uint32_t r = 0; r < rings; ++r) {
        const std::uint32_t count = readUInt32(data + at);
        at += 4;
        if (count < 3 || count > points - land.m_points.size()) {
            return broken(QT_TRANSLATE_NOOP(
                              "LandData", "The land outline file is damaged: outline %1 has a wrong number of points."),
                          r + 1);
        }
        for (std::uint32_t i = 0; i < count; ++i, at += 8) {
            const Point point{readInt32(data + at), readInt32(data + at + 4)};
            if (point.longitude < -180'000'000 || point.longitude > 180'000'000 || point.latitude < -90'000'000 ||
                point.latitude > 90'000'000) {
                return broken(
                    QT_TRANSLATE_NOOP("LandData", "The land outline file is damaged: outline %1 leaves the globe."),
                    r + 1);
            }
            land.m_points.push_back(point);
        }
        land.m_ringEnds.push_back(static_cast<std::uint32_t>(land.m_points.size()));
    }
    if (land.m_points.size() != points) {
        return broken(
            QT_TRANSLATE_NOOP("LandData", "The land outline file is damaged: its length does not match its header."));
    }
    return land;
}

std::span<const LandData::Point> LandData::ring(std::size_t index) const
{
    const std::uint32_t begin = index == 0 ? 0 : m_ringEnds.at(index - 1);
    return std::span<const Point>(m_points).subspan(begin, m_ringEnds.at(index) - begin);
}

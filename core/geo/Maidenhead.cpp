#include "core/geo/Maidenhead.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// Each pair of characters divides the cell before it: the degrees of longitude and latitude one
// step of that pair covers, and how many steps there are.
struct Pair {
    double longitude;
    double latitude;
    char first;
    int steps;
};
constexpr std::array<Pair, 4> pairs{{
    {20.0, 10.0, 'A', 18},
    {2.0, 1.0, '0', 10},
    {2.0 / 24.0, 1.0 / 24.0, 'A', 24},
    {2.0 / 240.0, 1.0 / 240.0, '0', 10},
}};

int step(QChar character, const Pair& pair)
{
    const char16_t c = pair.first == '0' ? character.unicode() : QChar::toUpper(character.unicode());
    const int value = static_cast<int>(c) - pair.first;
    return value >= 0 && value < pair.steps ? value : -1;
}

} // namespace

std::optional<Maidenhead::Square> Maidenhead::square(const QString& text)
{
    const QString locator = text.trimmed();
    const qsizetype length = locator.size();
    if (length != 4 && length != 6 && length != 8) {
        return std::nullopt;
    }
    Square result;
    double longitude = -180.0;
    double latitude = -90.0;
    const Pair* last = nullptr;
    for (qsizetype i = 0; i < length; i += 2) {
        const Pair& pair = pairs.at(static_cast<std::size_t>(i / 2));
        const int x = step(locator.at(i), pair);
        const int y = step(locator.at(i + 1), pair);
        if (x < 0 || y < 0) {
            return std::nullopt;
        }
        longitude += x * pair.longitude;
        latitude += y * pair.latitude;
        last = &pair;
        const bool lower = i == 4;
        for (qsizetype j = i; j < i + 2; ++j) {
            result.locator += lower ? locator.at(j).toLower() : locator.at(j).toUpper();
        }
    }
    result.longitude = longitude + last->longitude / 2.0;
    result.latitude = latitude + last->latitude / 2.0;
    return result;
}

QString Maidenhead::locator(double latitude, double longitude, int length)
{
    if (length != 4 && length != 8) {
        length = 6;
    }
    // Offsets from the south-west corner of the grid, kept inside it.
    double x = std::isfinite(longitude) ? std::remainder(longitude, 360.0) + 180.0 : 0.0;
    double y = std::isfinite(latitude) ? std::clamp(latitude, -90.0, 90.0) + 90.0 : 0.0;
    QString result;
    for (int i = 0; i < length; i += 2) {
        const Pair& pair = pairs.at(static_cast<std::size_t>(i / 2));
        const int column = std::clamp(static_cast<int>(std::floor(x / pair.longitude)), 0, pair.steps - 1);
        const int row = std::clamp(static_cast<int>(std::floor(y / pair.latitude)), 0, pair.steps - 1);
        x -= column * pair.longitude;
        y -= row * pair.latitude;
        const char first = i == 4 ? 'a' : pair.first;
        result += QChar(first + column);
        result += QChar(first + row);
    }
    return result;
}

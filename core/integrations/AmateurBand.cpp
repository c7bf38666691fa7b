#include "core/integrations/AmateurBand.h"

#include <array>

namespace AmateurBand {

namespace {

constexpr std::array<Band, 17> table{{
    {u"160m", 1.8, 2.0},
    {u"80m", 3.5, 4.0},
    {u"60m", 5.0, 5.5},
    {u"40m", 7.0, 7.3},
    {u"30m", 10.1, 10.15},
    {u"20m", 14.0, 14.35},
    {u"17m", 18.068, 18.168},
    {u"15m", 21.0, 21.45},
    {u"12m", 24.89, 24.99},
    {u"10m", 28.0, 29.7},
    {u"6m", 50.0, 54.0},
    {u"4m", 70.0, 71.0},
    {u"2m", 144.0, 148.0},
    {u"1.25m", 222.0, 225.0},
    {u"70cm", 420.0, 450.0},
    {u"33cm", 902.0, 928.0},
    {u"23cm", 1240.0, 1300.0},
}};

} // namespace

std::span<const Band> bands()
{
    return table;
}

std::optional<QString> name(double mhz)
{
    // A NaN fails both comparisons, so it matches no band.
    for (const Band& band : table) {
        if (band.lowerMHz <= mhz && mhz <= band.upperMHz) {
            return band.name.toString();
        }
    }
    return std::nullopt;
}

} // namespace AmateurBand

#pragma once

#include <QString>
#include <QStringView>

#include <optional>
#include <span>

// The amateur bands band automation and the layout filters know, searched in table order.
namespace AmateurBand {

struct Band {
    QStringView name;
    double lowerMHz;
    double upperMHz;
};

std::span<const Band> bands();

// The first band whose edges (both inclusive) hold `mhz`; nothing outside every band and for
// zero, negative or not-a-number input.
std::optional<QString> name(double mhz);

} // namespace AmateurBand

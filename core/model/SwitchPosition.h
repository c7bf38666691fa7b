#pragma once

#include <QJsonObject>
#include <QString>
#include <QStringView>

#include <optional>

// One selectable position of an antenna switch, or one band position of a tuner.
struct SwitchPosition {
    QString name;
    std::optional<double> lowerMHz;
    std::optional<double> upperMHz;
    std::optional<double> bearing;
    std::optional<double> beamWidth;
    bool bidirectional = false;

    // Both ends inclusive; false for a non-finite frequency or a position without a range.
    bool contains(double frequencyMHz) const;

    // A position built from one wire item (name, then group-separated numbers whose meaning
    // depends on the display type); nothing when the item's name is not a valid field.
    static std::optional<SwitchPosition> fromWire(QStringView wire, int displayType);

    QJsonObject toJson() const;
    static std::optional<SwitchPosition> fromJson(const QJsonObject& object);

    bool operator==(const SwitchPosition&) const = default;
};

#pragma once

#include "app/profiles/DevicePresentation.h"

#include <QByteArray>
#include <QJsonObject>
#include <QMap>
#include <QString>
#include <QStringView>

#include <optional>

// One server's device layout: which cards show, in what order, on which bands, and the look.
struct PresentationSettings {
    // Keyed by device key: "Rotor: ", "Switch: ", "Tuner: " or "Stack: " followed by the name.
    QMap<QString, DevicePresentation> devices;
    bool filterByBand = false;
    // The band source: 1 radio A, 2 radio B, 3 either radio.
    int radio = 3;
    double cardWidth = 340;
    // "Blue", "Orange" or "Purple"; anything else is teal.
    QString accent = QStringLiteral("Teal");

    static constexpr double minimumCardWidth = 340;
    static constexpr double maximumCardWidth = 650;

    // What the settings import accepts for the layout stored under `endpoint`.
    bool validFor(QStringView endpoint) const;

    QJsonObject toJson() const;
    // Every key of the record and of each device entry is required.
    static std::optional<PresentationSettings> fromJson(const QJsonObject& object);

    // The stored form, or nothing when it cannot be written.
    std::optional<QByteArray> encoded() const;
    static std::optional<PresentationSettings> decoded(const QByteArray& data);

    bool operator==(const PresentationSettings&) const = default;
};

#pragma once

#include "core/protocol/ProtocolFailure.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QUuid>

#include <optional>

class SettingsStore;

// A named heading saved on this computer for one rotator of one server. All presets of all
// servers share one stored JSON text.
struct HeadingPreset {
    QUuid id;
    QString endpoint;
    QString rotor;
    QString name;
    double degrees = 0;

    // A new preset with a fresh id; the name is trimmed, endpoint and rotor are kept as given.
    // Fails with the preset message unless the result is valid.
    static ProtocolResult<HeadingPreset> make(const QString& endpoint, const QString& rotor, const QString& name,
                                              double degrees);

    // Endpoint, rotor and name are valid fields and degrees is finite within 0...360.
    bool valid() const;

    // The stored text as a list: valid presets only, the first of repeated ids; damaged text
    // gives an empty list.
    static QList<HeadingPreset> decode(const QString& text);
    // The valid presets as stored text; "[]" when the list cannot be written.
    static QString encode(const QList<HeadingPreset>& presets);
    // The stored presets of one rotor of one server, in stored order.
    static QList<HeadingPreset> stored(const SettingsStore& defaults, const QString& endpoint, const QString& rotor);

    QJsonObject toJson() const;
    static std::optional<HeadingPreset> fromJson(const QJsonObject& object);
    // Every element must decode, or nothing is returned; nothing is filtered.
    static std::optional<QList<HeadingPreset>> fromJsonArray(const QJsonArray& array);
    static QJsonArray toJsonArray(const QList<HeadingPreset>& presets);

    bool operator==(const HeadingPreset&) const = default;
};

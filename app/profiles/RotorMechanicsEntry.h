#pragma once

#include "core/model/RotorMechanics.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <optional>

// The mechanics of one rotator of one server. All entries of all servers share one stored JSON
// text, as tower locations do; a rotor without an entry is a plain 0–360 rotor.
struct RotorMechanicsEntry {
    QString endpoint;
    QString rotor;
    RotorMechanics mechanics;

    // Endpoint and rotor are valid fields and the mechanics are valid.
    bool valid() const;
    bool matches(const QString& otherEndpoint, const QString& otherRotor) const;

    // The valid entries of the stored text; damaged text gives an empty list.
    static QList<RotorMechanicsEntry> decode(const QString& text);
    static std::optional<QString> encode(const QList<RotorMechanicsEntry>& entries);

    // The mechanics saved for one rotor, or the defaults.
    static RotorMechanics lookup(const QString& text, const QString& endpoint, const QString& rotor);
    // The mechanics of each named rotor of one server, keyed by the names given.
    static QMap<QString, RotorMechanics> forRotors(const QString& text, const QString& endpoint,
                                                   const QStringList& rotors);
    // The stored text after setting one rotor's mechanics; invalid ones leave it unchanged.
    static QString saving(const RotorMechanics& mechanics, const QString& endpoint, const QString& rotor,
                          const QString& in);

    QJsonObject toJson() const;
    static std::optional<RotorMechanicsEntry> fromJson(const QJsonObject& object);
    static QJsonArray toJsonArray(const QList<RotorMechanicsEntry>& entries);
    // Every element must decode, or nothing is returned.
    static std::optional<QList<RotorMechanicsEntry>> fromJsonArray(const QJsonArray& array);

    bool operator==(const RotorMechanicsEntry&) const = default;
};

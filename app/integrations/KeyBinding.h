#pragma once

#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <QUuid>

#include <optional>

// One key binding of a server: the key token that fires it and what it does. `rotor` names the
// target device: a rotor name (optionally "R:" + name), "S:" + antenna switch, "K:" + stack
// output or "T:" + tuner.
struct KeyBinding {
    QUuid id = QUuid::createUuid();
    QString key;
    QString rotor;
    QString action = QStringLiteral("Stop");
    double heading = 0.0;
    QString position;

    // The actions the binding editor offers for every device, in its order: the stored values,
    // never translated.
    static QStringList actions();
    // An action as the operator reads it, in the operator's language.
    static QString actionLabel(const QString& action);

    QJsonObject toJson() const;
    // Every key must be present with its type and the id in the 36-character form.
    static std::optional<KeyBinding> fromJson(const QJsonObject& object);

    bool operator==(const KeyBinding&) const = default;
};

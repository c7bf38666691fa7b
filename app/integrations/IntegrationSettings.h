#pragma once

#include "app/integrations/KeyBinding.h"
#include "core/integrations/LoggerKind.h"

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QMap>
#include <QString>

#include <optional>

// The integration choices of one server: the logger input, which rotors the logger's radios
// turn, which switches and tuners follow which radio's band, the key bindings and the encoder.
// Stored per server as JSON under "integrations:" + the endpoint key (`SettingsKeys::integrations`).
struct IntegrationSettings {
    // Values of `switchRadios` and `tunerRadios`; a device without an entry is manual.
    static constexpr int manual = 0;
    static constexpr int radioA = 1;
    static constexpr int radioB = 2;
    static constexpr int focusedRadio = 3;

    LoggerKind kind = LoggerKind::n1mm;
    QString host = QStringLiteral("127.0.0.1");
    QString port = QStringLiteral("12050");
    QString station;
    QString rotorA;
    QString rotorB;
    QMap<QString, int> switchRadios;
    QMap<QString, int> tunerRadios;
    QList<KeyBinding> keyCommands;
    QString keyboardPort = QStringLiteral("61111");
    bool globalKeys = false;
    QString encoderSerial;
    int encoderChannel = 0;
    // -1: no button.
    int encoderButton = 0;
    QString encoderTarget;
    // Degrees or positions per encoder count; negative reverses the direction.
    double encoderStep = 1.0;
    // The rotctld server of the tab: off by default, on loopback at rotctld's usual port. Its
    // commands act on `rotctldRotor` (none when empty); "park" turns it to `rotctldPark`. A
    // tracker's target within `rotctldTolerance` degrees of the turn under way sends nothing.
    bool rotctldEnabled = false;
    QString rotctldHost = QStringLiteral("127.0.0.1");
    QString rotctldPort = QStringLiteral("4533");
    QString rotctldRotor;
    double rotctldPark = 0.0;
    double rotctldTolerance = 1.0;
    // WSJT-X's UDP messages (or JTDX's): where to listen (a multicast group is joined) and the
    // rotor whose "Point at" field follows the DX call and grid; none when empty.
    QString wsjtxHost = QStringLiteral("127.0.0.1");
    QString wsjtxPort = QStringLiteral("2237");
    QString wsjtxRotor;

    QJsonObject toJson() const;
    // Every key must be present with its type, in the record and in each key binding, except
    // the rotctld and WSJT-X keys, which records stored before those inputs existed lack.
    static std::optional<IntegrationSettings> fromJson(const QJsonObject& object);

    // Nothing when the record holds a number JSON cannot write.
    std::optional<QByteArray> encoded() const;
    static std::optional<IntegrationSettings> decoded(const QByteArray& bytes);

    bool operator==(const IntegrationSettings&) const = default;
};

#pragma once

#include "app/profiles/HeadingPreset.h"
#include "app/profiles/PresentationSettings.h"
#include "app/profiles/RotorLocation.h"
#include "app/profiles/RotorMechanicsEntry.h"
#include "app/profiles/ServerProfile.h"
#include "core/protocol/ProtocolFailure.h"

#include <QByteArray>
#include <QJsonObject>
#include <QLatin1StringView>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <optional>

class ServerProfiles;
class SettingsStore;

// The whole saved configuration as one file: server profiles, tower locations, presets, and
// the layout and integration settings of every server, plus which servers were selected and
// open. Logins never travel; they stay in the keychain.
struct SettingsBackup {
    QString format;
    int version = 0;
    QList<ServerProfile> servers;
    QList<RotorLocation> towerLocations;
    QList<HeadingPreset> presets;
    // Absent from files written before rotors had mechanics: those load as plain rotors.
    QList<RotorMechanicsEntry> rotorMechanics;
    // Keyed by endpoint key.
    QMap<QString, PresentationSettings> layouts;
    // Keyed by endpoint key: the stored integration records, checked for their full shape and
    // carried as JSON so that this layer need not know the integration controller.
    QMap<QString, QJsonObject> integrations;
    QString selectedServerID;
    std::optional<QStringList> lastConnectedServerIDs;

    static constexpr QLatin1StringView formatMarker{"OrvaneClientSettings"};
    static constexpr int currentVersion = 1;
    // Decimal megabytes.
    static constexpr qint64 maximumFileBytes = 10'000'000;
    static constexpr QLatin1StringView suggestedFileName{"Orvane-Settings.json"};

    // Gathers the configuration from the profile list and the store, and validates it.
    static ProtocolResult<SettingsBackup> capture(const QList<ServerProfile>& servers, const SettingsStore& defaults);

    // The file bytes: validated, pretty-printed, keys sorted at every level.
    ProtocolResult<QByteArray> encoded() const;

    // A validated backup from file bytes; refuses more than `maximumFileBytes`.
    static ProtocolResult<SettingsBackup> read(const QByteArray& bytes);
    // The same from a file: its size is checked before reading and again after.
    static ProtocolResult<SettingsBackup> readFile(const QString& fileName);
    // Writes the bytes so that the file holds either its old content or all of the new.
    static std::optional<ProtocolFailure> writeFile(const QString& fileName, const QByteArray& bytes);

    // The first problem found, in a fixed order, or nothing.
    std::optional<ProtocolFailure> validate() const;

    // Replaces the saved configuration. Everything is validated and encoded first; a failure
    // up to that point changes nothing and posts no notification. Snapshots and logins stay.
    std::optional<ProtocolFailure> apply(ServerProfiles& profiles, SettingsStore& defaults) const;

    QJsonObject toJson() const;
    // Decoding only; the failure names the part of the file that could not be read.
    static ProtocolResult<SettingsBackup> fromJson(const QJsonObject& object);

    // The stored integration record with every key present and of its type, reduced to those
    // keys; nothing when any is missing or wrong.
    static std::optional<QJsonObject> integrationRecord(const QJsonObject& object);

    bool operator==(const SettingsBackup&) const = default;
};

#include "app/profiles/SettingsBackup.h"

#include "app/profiles/CanonicalText.h"
#include "app/profiles/ServerProfiles.h"
#include "app/profiles/SettingsKeys.h"
#include "app/profiles/SettingsNotifications.h"
#include "app/profiles/UuidText.h"
#include "core/client/SettingsStore.h"
#include "core/integrations/LoggerKind.h"
#include "core/model/Json.h"
#include "core/protocol/OVVProtocol.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSaveFile>
#include <QSet>

#include <algorithm>
#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {

ProtocolFailure failure(const QString& message)
{
    return ProtocolFailure::invalid(message);
}

ProtocolFailure unreadable(const QString& part)
{
    //: %1 names a part of the file: "the settings record", "item 2 of “servers”", "“version”"
    return failure(
        QCoreApplication::translate("SettingsBackup",
                                    "The settings file could not be read: %1 is missing or not in the expected form.")
            .arg(part));
}

ProtocolFailure tooLarge()
{
    return failure(QCoreApplication::translate("SettingsBackup", "Settings file exceeds the 10 MB limit."));
}

bool finiteWithin(double value, double lower, double upper)
{
    return std::isfinite(value) && value >= lower && value <= upper;
}

// Copies `key` into `out` when `in` holds it with the type `check` accepts.
template <typename Check>
bool copy(const QJsonObject& in, QJsonObject& out, const QString& key, Check check)
{
    const QJsonValue value = in.value(key);
    if (!check(in, key)) {
        return false;
    }
    out.insert(key, value);
    return true;
}

bool isText(const QJsonObject& object, const QString& key)
{
    return object.value(key).isString();
}

bool isFlag(const QJsonObject& object, const QString& key)
{
    return object.value(key).isBool();
}

bool isNumber(const QJsonObject& object, const QString& key)
{
    return object.value(key).isDouble();
}

bool isInteger(const QJsonObject& object, const QString& key)
{
    int number = 0;
    return Json::read(object, key, number);
}

// Like `copy` for a key that records written before it existed lack: missing is fine.
template <typename Check>
bool copyAdded(const QJsonObject& in, QJsonObject& out, const QString& key, Check check)
{
    return !in.contains(key) || copy(in, out, key, check);
}

// A map from device name to radio number, copied entry by entry into a fresh object.
bool copyRadioMap(const QJsonObject& in, QJsonObject& out, const QString& key)
{
    QMap<QString, int> radios;
    if (!Json::readNamed(in, key, radios)) {
        return false;
    }
    out.insert(key, Json::namedObject(radios));
    return true;
}

std::optional<QJsonObject> keyBinding(const QJsonValue& value)
{
    if (!value.isObject()) {
        return std::nullopt;
    }
    const QJsonObject in = value.toObject();
    QJsonObject out;
    const std::optional<QUuid> id = UuidText::parse(in.value(u"id"_s).toString());
    if (!id || !isText(in, u"id"_s)) {
        return std::nullopt;
    }
    out.insert(u"id"_s, UuidText::text(*id));
    for (const QString& key : {u"key"_s, u"rotor"_s, u"action"_s, u"position"_s}) {
        if (!copy(in, out, key, isText)) {
            return std::nullopt;
        }
    }
    if (!copy(in, out, u"heading"_s, isNumber)) {
        return std::nullopt;
    }
    return out;
}

template <typename T, typename Decode>
ProtocolResult<QList<T>> storedList(const SettingsStore& defaults, const QString& key, const QString& what,
                                    Decode decode)
{
    const QJsonDocument document = QJsonDocument::fromJson(defaults.text(key).value_or(u"[]"_s).toUtf8());
    const std::optional<QList<T>> list = document.isArray() ? decode(document.array()) : std::nullopt;
    if (!list) {
        //: %1 is "tower locations", "heading presets" or "rotor settings"
        return failure(QCoreApplication::translate("SettingsBackup", "The saved %1 could not be read.").arg(what));
    }
    return *list;
}

} // namespace

std::optional<QJsonObject> SettingsBackup::integrationRecord(const QJsonObject& object)
{
    QJsonObject out;
    if (!isText(object, u"kind"_s) || !loggerKind(object.value(u"kind"_s).toString())) {
        return std::nullopt;
    }
    out.insert(u"kind"_s, object.value(u"kind"_s));
    for (const QString& key : {u"host"_s, u"port"_s, u"station"_s, u"rotorA"_s, u"rotorB"_s, u"keyboardPort"_s,
                               u"encoderSerial"_s, u"encoderTarget"_s}) {
        if (!copy(object, out, key, isText)) {
            return std::nullopt;
        }
    }
    if (!copyRadioMap(object, out, u"switchRadios"_s) || !copyRadioMap(object, out, u"tunerRadios"_s) ||
        !copy(object, out, u"globalKeys"_s, isFlag) || !copy(object, out, u"encoderChannel"_s, isInteger) ||
        !copy(object, out, u"encoderButton"_s, isInteger) || !copy(object, out, u"encoderStep"_s, isNumber) ||
        !copyAdded(object, out, u"rotctldEnabled"_s, isFlag) || !copyAdded(object, out, u"rotctldHost"_s, isText) ||
        !copyAdded(object, out, u"rotctldPort"_s, isText) || !copyAdded(object, out, u"rotctldRotor"_s, isText) ||
        !copyAdded(object, out, u"rotctldPark"_s, isNumber) ||
        !copyAdded(object, out, u"rotctldTolerance"_s, isNumber) || !copyAdded(object, out, u"wsjtxHost"_s, isText) ||
        !copyAdded(object, out, u"wsjtxPort"_s, isText) || !copyAdded(object, out, u"wsjtxRotor"_s, isText)) {
        return std::nullopt;
    }
    const QJsonValue commands = object.value(u"keyCommands"_s);
    if (!commands.isArray()) {
        return std::nullopt;
    }
    QJsonArray bindings;
    for (const QJsonValue& value : commands.toArray()) {
        const std::optional<QJsonObject> binding = keyBinding(value);
        if (!binding) {
            return std::nullopt;
        }
        bindings.append(*binding);
    }
    out.insert(u"keyCommands"_s, bindings);
    return out;
}

ProtocolResult<SettingsBackup> SettingsBackup::capture(const QList<ServerProfile>& servers,
                                                       const SettingsStore& defaults)
{
    SettingsBackup backup;
    backup.format = formatMarker;
    backup.version = currentVersion;
    backup.servers = servers;

    ProtocolResult<QList<RotorLocation>> locations = storedList<RotorLocation>(
        defaults, SettingsKeys::rotorLocations, QCoreApplication::translate("SettingsBackup", "tower locations"),
        &RotorLocation::fromJsonArray);
    if (!locations) {
        return locations.failure();
    }
    backup.towerLocations = std::move(locations).value();

    ProtocolResult<QList<HeadingPreset>> presets = storedList<HeadingPreset>(
        defaults, SettingsKeys::headingPresets, QCoreApplication::translate("SettingsBackup", "heading presets"),
        &HeadingPreset::fromJsonArray);
    if (!presets) {
        return presets.failure();
    }
    backup.presets = std::move(presets).value();

    ProtocolResult<QList<RotorMechanicsEntry>> mechanics = storedList<RotorMechanicsEntry>(
        defaults, SettingsKeys::rotorMechanics, QCoreApplication::translate("SettingsBackup", "rotor settings"),
        &RotorMechanicsEntry::fromJsonArray);
    if (!mechanics) {
        return mechanics.failure();
    }
    backup.rotorMechanics = std::move(mechanics).value();

    const QStringList keys = defaults.keys();
    for (const QString& key : keys) {
        const bool layout = key.startsWith(SettingsKeys::presentationPrefix);
        if (!layout && !key.startsWith(SettingsKeys::integrationsPrefix)) {
            continue;
        }
        const std::optional<QByteArray> data = defaults.data(key);
        if (!data) {
            continue;
        }
        // Both prefixes are 13 characters long.
        const QString endpoint = key.mid(SettingsKeys::presentationPrefix.size());
        if (layout) {
            const std::optional<PresentationSettings> settings = PresentationSettings::decoded(*data);
            if (!settings) {
                return failure(
                    QCoreApplication::translate("SettingsBackup", "The saved layout of %1 could not be read.")
                        .arg(endpoint));
            }
            backup.layouts.insert(endpoint, *settings);
        } else {
            const std::optional<QJsonObject> stored = Json::decodeObject(*data);
            const std::optional<QJsonObject> record = stored ? integrationRecord(*stored) : std::nullopt;
            if (!record) {
                return failure(QCoreApplication::translate("SettingsBackup",
                                                           "The saved integration settings of %1 could not be read.")
                                   .arg(endpoint));
            }
            backup.integrations.insert(endpoint, *record);
        }
    }

    backup.selectedServerID = defaults.text(SettingsKeys::selectedServerProfileID).value_or(QString());
    backup.lastConnectedServerIDs =
        defaults.textList(SettingsKeys::lastConnectedServerProfiles).value_or(QStringList{backup.selectedServerID});

    if (const std::optional<ProtocolFailure> problem = backup.validate()) {
        return *problem;
    }
    return backup;
}

ProtocolResult<QByteArray> SettingsBackup::encoded() const
{
    if (const std::optional<ProtocolFailure> problem = validate()) {
        return *problem;
    }
    // QJsonObject keeps its keys sorted, so the file comes out sorted at every level.
    const std::optional<QByteArray> bytes = Json::encode(toJson(), QJsonDocument::Indented);
    if (!bytes) {
        return failure(
            QCoreApplication::translate("SettingsBackup", "The settings hold a number that cannot be written."));
    }
    return *bytes;
}

ProtocolResult<SettingsBackup> SettingsBackup::read(const QByteArray& bytes)
{
    if (bytes.size() > maximumFileBytes) {
        return tooLarge();
    }
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError) {
        return failure(
            QCoreApplication::translate("SettingsBackup", "The settings file is not valid JSON: %1 at character %2.")
                .arg(error.errorString(), QString::number(error.offset)));
    }
    if (!document.isObject()) {
        return unreadable(QCoreApplication::translate("SettingsBackup", "the settings record"));
    }
    ProtocolResult<SettingsBackup> backup = fromJson(document.object());
    if (!backup) {
        return backup;
    }
    if (const std::optional<ProtocolFailure> problem = backup->validate()) {
        return *problem;
    }
    return backup;
}

ProtocolResult<SettingsBackup> SettingsBackup::readFile(const QString& fileName)
{
    QFile file(fileName);
    if (QFileInfo(file).size() > maximumFileBytes) {
        return tooLarge();
    }
    if (!file.open(QIODevice::ReadOnly)) {
        return failure(QCoreApplication::translate("SettingsBackup", "The settings file could not be opened: %1.")
                           .arg(file.errorString()));
    }
    // One byte past the limit is enough to tell that the file grew since it was measured.
    const QByteArray bytes = file.read(maximumFileBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        return failure(QCoreApplication::translate("SettingsBackup", "The settings file could not be read: %1.")
                           .arg(file.errorString()));
    }
    return read(bytes);
}

std::optional<ProtocolFailure> SettingsBackup::writeFile(const QString& fileName, const QByteArray& bytes)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        return failure(QCoreApplication::translate("SettingsBackup", "The settings file could not be written: %1.")
                           .arg(file.errorString()));
    }
    return std::nullopt;
}

std::optional<ProtocolFailure> SettingsBackup::validate() const
{
    if (format != formatMarker || version != currentVersion) {
        return failure(QCoreApplication::translate("SettingsBackup", "This is not a supported station settings file."));
    }

    QSet<QUuid> serverIDs;
    for (const ServerProfile& server : servers) {
        if (serverIDs.contains(server.id)) {
            return failure(
                QCoreApplication::translate("SettingsBackup", "Duplicate server identifiers in settings file."));
        }
        serverIDs.insert(server.id);
    }

    for (const ServerProfile& server : servers) {
        const bool hostHasSpace = std::ranges::any_of(server.host, [](QChar c) { return c.isSpace(); });
        if (!OVVProtocol::validField(server.name) || !OVVProtocol::validField(server.host) || hostHasSpace) {
            return failure(QCoreApplication::translate("SettingsBackup", "Invalid server name or address."));
        }
        if (!ServerProfile::validPort(server.kind(), server.port)) {
            return failure(QCoreApplication::translate("SettingsBackup", "Invalid server port or baud rate."));
        }
        if (server.latitude.has_value() != server.longitude.has_value()) {
            return failure(QCoreApplication::translate("SettingsBackup", "Both site coordinates are required."));
        }
        if (server.latitude && !ServerProfile::validSite(*server.latitude, *server.longitude)) {
            return failure(QCoreApplication::translate("SettingsBackup", "Invalid site coordinates."));
        }
    }

    if (!std::ranges::all_of(towerLocations, &RotorLocation::valid) ||
        !std::ranges::all_of(presets, &HeadingPreset::valid)) {
        return failure(QCoreApplication::translate("SettingsBackup", "Invalid tower location or preset."));
    }

    QSet<QUuid> presetIDs;
    for (const HeadingPreset& preset : presets) {
        if (presetIDs.contains(preset.id)) {
            return failure(QCoreApplication::translate("SettingsBackup", "Duplicate preset identifiers."));
        }
        presetIDs.insert(preset.id);
    }

    QSet<QString> rotors;
    for (const RotorMechanicsEntry& entry : rotorMechanics) {
        const QString pair = CanonicalText::key(entry.endpoint + OVVProtocol::us + entry.rotor);
        if (!entry.valid() || rotors.contains(pair)) {
            return failure(QCoreApplication::translate("SettingsBackup", "Invalid or duplicate rotor settings."));
        }
        rotors.insert(pair);
    }

    QSet<QString> towers;
    for (const RotorLocation& location : towerLocations) {
        const QString pair = CanonicalText::key(location.endpoint + OVVProtocol::us + location.rotor);
        if (towers.contains(pair)) {
            return failure(QCoreApplication::translate("SettingsBackup", "Duplicate tower locations."));
        }
        towers.insert(pair);
    }

    for (auto it = layouts.cbegin(); it != layouts.cend(); ++it) {
        if (!it.value().validFor(it.key())) {
            return failure(QCoreApplication::translate("SettingsBackup", "Invalid layout settings."));
        }
    }

    for (auto it = integrations.cbegin(); it != integrations.cend(); ++it) {
        const QJsonArray bindings = it.value().value(u"keyCommands"_s).toArray();
        const bool headingsValid = std::ranges::all_of(bindings, [](const QJsonValue& binding) {
            const QJsonValue heading = binding.toObject().value(u"heading"_s);
            return heading.isDouble() && finiteWithin(heading.toDouble(), 0, 360);
        });
        const QJsonValue step = it.value().value(u"encoderStep"_s);
        const QJsonValue park = it.value().value(u"rotctldPark"_s);
        const bool parkValid = park.isUndefined() || (park.isDouble() && finiteWithin(park.toDouble(), 0, 360));
        const QJsonValue tolerance = it.value().value(u"rotctldTolerance"_s);
        const bool toleranceValid =
            tolerance.isUndefined() || (tolerance.isDouble() && finiteWithin(tolerance.toDouble(), 0, 10));
        if (!OVVProtocol::validField(it.key()) || !step.isDouble() || !std::isfinite(step.toDouble()) ||
            !headingsValid || !parkValid || !toleranceValid) {
            return failure(QCoreApplication::translate("SettingsBackup", "Invalid integration settings."));
        }
    }
    return std::nullopt;
}

std::optional<ProtocolFailure> SettingsBackup::apply(ServerProfiles& profiles, SettingsStore& defaults) const
{
    if (const std::optional<ProtocolFailure> problem = validate()) {
        return problem;
    }

    // Everything that could fail to encode is encoded before the first change.
    const ProtocolFailure unwritable =
        failure(QCoreApplication::translate("SettingsBackup", "The settings hold a number that cannot be written."));
    const std::optional<QString> locationText = RotorLocation::encode(towerLocations);
    const QJsonArray presetArray = HeadingPreset::toJsonArray(presets);
    const std::optional<QString> mechanicsText = RotorMechanicsEntry::encode(rotorMechanics);
    if (!locationText || !mechanicsText || !Json::isWritable(presetArray)) {
        return unwritable;
    }
    const QString presetText = QString::fromUtf8(QJsonDocument(presetArray).toJson(QJsonDocument::Compact));
    QMap<QString, QByteArray> entries;
    for (auto it = layouts.cbegin(); it != layouts.cend(); ++it) {
        const std::optional<QByteArray> data = it.value().encoded();
        if (!data) {
            return unwritable;
        }
        entries.insert(SettingsKeys::presentation(it.key()), *data);
    }
    for (auto it = integrations.cbegin(); it != integrations.cend(); ++it) {
        const std::optional<QByteArray> data = Json::encode(it.value());
        if (!data) {
            return unwritable;
        }
        entries.insert(SettingsKeys::integrations(it.key()), *data);
    }

    SettingsNotifications& notifications = SettingsNotifications::instance();
    Q_EMIT notifications.settingsWillImport();

    const QStringList keys = defaults.keys();
    for (const QString& key : keys) {
        if (key.startsWith(SettingsKeys::presentationPrefix) || key.startsWith(SettingsKeys::integrationsPrefix)) {
            defaults.remove(key);
        }
    }
    defaults.setText(SettingsKeys::rotorLocations, *locationText);
    defaults.setText(SettingsKeys::headingPresets, presetText);
    // No rotor settings is no key, as on a store that never had any.
    if (rotorMechanics.isEmpty()) {
        defaults.remove(SettingsKeys::rotorMechanics);
    } else {
        defaults.setText(SettingsKeys::rotorMechanics, *mechanicsText);
    }
    for (auto it = entries.cbegin(); it != entries.cend(); ++it) {
        defaults.setData(it.key(), it.value());
    }

    profiles.setItems(servers);

    QString selected;
    if (!servers.isEmpty()) {
        const auto match = std::ranges::find_if(
            servers, [this](const ServerProfile& server) { return UuidText::text(server.id) == selectedServerID; });
        selected = UuidText::text(match != servers.cend() ? match->id : servers.first().id);
    }
    defaults.setText(SettingsKeys::selectedServerProfileID, selected);
    defaults.setTextList(SettingsKeys::lastConnectedServerProfiles,
                         lastConnectedServerIDs.value_or(QStringList{selected}));
    defaults.remove(SettingsKeys::serverHost);
    defaults.remove(SettingsKeys::serverPort);

    Q_EMIT notifications.settingsDidImport();
    return std::nullopt;
}

QJsonObject SettingsBackup::toJson() const
{
    QJsonObject object{
        {u"format"_s, format},
        {u"version"_s, version},
        {u"servers"_s, ServerProfile::toJsonArray(servers)},
        {u"towerLocations"_s, RotorLocation::toJsonArray(towerLocations)},
        {u"presets"_s, HeadingPreset::toJsonArray(presets)},
        {u"rotorMechanics"_s, RotorMechanicsEntry::toJsonArray(rotorMechanics)},
        {u"layouts"_s, Json::namedObject(layouts)},
        {u"integrations"_s, Json::namedObject(integrations)},
        {u"selectedServerID"_s, selectedServerID},
    };
    Json::writeOptional(object, u"lastConnectedServerIDs"_s, lastConnectedServerIDs);
    return object;
}

ProtocolResult<SettingsBackup> SettingsBackup::fromJson(const QJsonObject& object)
{
    SettingsBackup backup;
    if (!Json::read(object, u"format"_s, backup.format)) {
        // The file's own key names, shown as they are written in it.
        return unreadable(u"“format”"_s);
    }
    if (!Json::read(object, u"version"_s, backup.version)) {
        return unreadable(u"“version”"_s);
    }

    // Reads the array under `key` element by element so a failure can say which one.
    const auto readArray =
        [&object]<typename T>(const QString& key, QList<T>& out,
                              std::optional<T> (*decode)(const QJsonObject&)) -> std::optional<ProtocolFailure> {
        QJsonArray array;
        if (!Json::read(object, key, array)) {
            return unreadable(u"“%1”"_s.arg(key));
        }
        for (qsizetype index = 0; index < array.size(); ++index) {
            const QJsonValue value = array.at(index);
            std::optional<T> element = value.isObject() ? decode(value.toObject()) : std::nullopt;
            if (!element) {
                return unreadable( //: %2 is a key of the settings file, which stays in English
                    QCoreApplication::translate("SettingsBackup", "item %1 of “%2”")
                        .arg(QString::number(index + 1), key));
            }
            out.append(std::move(*element));
        }
        return std::nullopt;
    };
    if (auto problem = readArray(u"servers"_s, backup.servers, &ServerProfile::fromJson)) {
        return *problem;
    }
    if (auto problem = readArray(u"towerLocations"_s, backup.towerLocations, &RotorLocation::fromJson)) {
        return *problem;
    }
    if (auto problem = readArray(u"presets"_s, backup.presets, &HeadingPreset::fromJson)) {
        return *problem;
    }
    if (object.contains(u"rotorMechanics"_s)) {
        if (auto problem = readArray(u"rotorMechanics"_s, backup.rotorMechanics, &RotorMechanicsEntry::fromJson)) {
            return *problem;
        }
    }

    // Reads the object under `key` endpoint by endpoint so a failure can say which one.
    const auto readPerEndpoint =
        [&object]<typename T>(const QString& key, QMap<QString, T>& out, const QString& what,
                              std::optional<T> (*decode)(const QJsonObject&)) -> std::optional<ProtocolFailure> {
        std::optional<QString> failed;
        const bool complete = Json::readNamed(object, key, out, [&](const QString& endpoint, const QJsonValue& value) {
            std::optional<T> entry = value.isObject() ? decode(value.toObject()) : std::nullopt;
            if (!entry) {
                failed = endpoint;
            }
            return entry;
        });
        if (complete) {
            return std::nullopt;
        }
        return unreadable(failed ? what.arg(*failed) : u"“%1”"_s.arg(key));
    };
    if (auto problem = readPerEndpoint(u"layouts"_s, backup.layouts,
                                       QCoreApplication::translate("SettingsBackup", "the layout of “%1”"),
                                       &PresentationSettings::fromJson)) {
        return *problem;
    }
    if (auto problem = readPerEndpoint(
            u"integrations"_s, backup.integrations,
            QCoreApplication::translate("SettingsBackup", "the integration settings of “%1”"), &integrationRecord)) {
        return *problem;
    }

    if (!Json::read(object, u"selectedServerID"_s, backup.selectedServerID)) {
        return unreadable(u"“selectedServerID”"_s);
    }
    if (!Json::readOptional(object, u"lastConnectedServerIDs"_s, backup.lastConnectedServerIDs)) {
        return unreadable(u"“lastConnectedServerIDs”"_s);
    }
    return backup;
}

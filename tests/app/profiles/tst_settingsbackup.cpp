#include "app/profiles/ServerProfiles.h"
#include "app/profiles/SettingsBackup.h"
#include "app/profiles/SettingsKeys.h"
#include "app/profiles/SettingsNotifications.h"
#include "app/profiles/UuidText.h"
#include "core/client/MemorySettingsStore.h"
#include "core/model/Json.h"
#include "tests/support/AccentedNames.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

using namespace Qt::Literals::StringLiterals;

namespace {

using Entries = QMap<QString, QVariant>;
using Change = std::function<void(SettingsBackup&)>;
using JsonChange = std::function<void(QJsonObject&)>;

const QString password = u"hunter2-secret"_s;

ServerProfile server(const QString& name, const QString& host, const QString& port, std::optional<ConnectionKind> kind)
{
    return ServerProfile{QUuid::createUuid(), name, host, port, kind, std::nullopt, std::nullopt, std::nullopt};
}

RotorLocation tower(const QString& endpoint, const QString& rotor)
{
    return RotorLocation{endpoint, rotor, u"North hill"_s, 47.25, 8.5, -3.5, true, 800};
}

QJsonObject keyBinding(double heading)
{
    return {{u"id"_s, UuidText::text(QUuid::createUuid())},
            {u"key"_s, u"CTRL R"_s},
            {u"rotor"_s, u"Tower"_s},
            {u"action"_s, u"Rotate"_s},
            {u"heading"_s, heading},
            {u"position"_s, u""_s}};
}

QJsonObject integrationRecord(double step = 1.0, double heading = 90)
{
    return {{u"kind"_s, u"N1MM"_s},
            {u"host"_s, u"127.0.0.1"_s},
            {u"port"_s, u"12050"_s},
            {u"station"_s, u""_s},
            {u"rotorA"_s, u"Tower"_s},
            {u"rotorB"_s, u""_s},
            {u"switchRadios"_s, QJsonObject{{u"Main"_s, 1}}},
            {u"tunerRadios"_s, QJsonObject{}},
            {u"keyCommands"_s, QJsonArray{keyBinding(heading)}},
            {u"keyboardPort"_s, u"61111"_s},
            {u"globalKeys"_s, false},
            {u"encoderSerial"_s, u"ENC-1"_s},
            {u"encoderChannel"_s, 0},
            {u"encoderButton"_s, -1},
            {u"encoderTarget"_s, u"P:Tower"_s},
            {u"encoderStep"_s, step}};
}

PresentationSettings layout()
{
    PresentationSettings settings;
    settings.devices.insert(u"Rotor: Tower"_s, DevicePresentation{true, u"20m, 40m"_s, 1});
    settings.devices.insert(u"Switch: Main"_s, DevicePresentation{false, QString(), 0});
    settings.filterByBand = true;
    settings.radio = 1;
    settings.cardWidth = 420;
    settings.accent = u"Orange"_s;
    return settings;
}

// A valid backup with every kind of record.
SettingsBackup sampleBackup()
{
    SettingsBackup backup;
    backup.format = SettingsBackup::formatMarker;
    backup.version = 1;
    ServerProfile shack = server(u"Shack"_s, u"Shack.Local"_s, u"4001"_s, ConnectionKind::ovVarnex);
    shack.address = u"1 Hill Road"_s;
    shack.latitude = 47.25;
    shack.longitude = 8.5;
    const ServerProfile serial = server(u"Bench"_s, u"/dev/ttyUSB0"_s, u"9600"_s, ConnectionKind::kt90Serial);
    const ServerProfile legacy = server(u"Old"_s, u"10.0.0.9"_s, u"12060"_s, std::nullopt);
    const ServerProfile rotctld = server(u"Mast"_s, u"127.0.0.1"_s, u"4533"_s, ConnectionKind::hamlibRotctld);
    backup.servers = {shack, serial, legacy, rotctld};
    backup.towerLocations = {tower(shack.endpoint(), u"Tower"_s), tower(serial.endpoint(), u"Tower"_s)};
    backup.presets = {*HeadingPreset::make(shack.endpoint(), u"Tower"_s, u"EU"_s, 45),
                      *HeadingPreset::make(serial.endpoint(), u"Tower"_s, u"JA"_s, 330)};
    RotorMechanics mast;
    mast.range = RotorMechanics::Range::overlap;
    mast.limit = RotorMechanics::Limit::limits;
    mast.low = 10;
    mast.high = 440;
    mast.twoWay = true;
    mast.park = 180;
    mast.idleParkMinutes = 30;
    RotorMechanics fenced;
    fenced.limit = RotorMechanics::Limit::forbiddenSector;
    fenced.sectorFrom = 340;
    fenced.sectorTo = 20;
    fenced.stallWatchdog = false;
    backup.rotorMechanics = {{rotctld.endpoint(), u"rotctld"_s, mast}, {shack.endpoint(), u"Tower"_s, fenced}};
    backup.layouts.insert(shack.endpoint(), layout());
    backup.layouts.insert(serial.endpoint(), PresentationSettings{});
    backup.integrations.insert(shack.endpoint(), integrationRecord());
    // A record from before the rotctld server beside one that serves rotctld clients.
    QJsonObject serving = integrationRecord();
    serving.insert(u"rotctldEnabled"_s, true);
    serving.insert(u"rotctldHost"_s, u"0.0.0.0"_s);
    serving.insert(u"rotctldPort"_s, u"4534"_s);
    serving.insert(u"rotctldRotor"_s, u"Tower"_s);
    serving.insert(u"rotctldPark"_s, 180.5);
    backup.integrations.insert(serial.endpoint(), serving);
    backup.selectedServerID = UuidText::text(serial.id);
    backup.lastConnectedServerIDs = QStringList{UuidText::text(shack.id), UuidText::text(serial.id)};
    return backup;
}

// The sample plus, for every generated name, a server endpoint with a layout and integration
// settings, and a rotor card and a switch radio on the first server.
SettingsBackup accentedBackup()
{
    SettingsBackup backup = sampleBackup();
    const QStringList names = AccentedNames::generate();
    PresentationSettings cards = layout();
    QMap<QString, int> radios;
    for (qsizetype i = 0; i < names.size(); ++i) {
        backup.layouts.insert(names.at(i), PresentationSettings{});
        backup.integrations.insert(names.at(i), integrationRecord());
        cards.devices.insert(u"Rotor: "_s + names.at(i), DevicePresentation{true, QString(), static_cast<int>(i)});
        radios.insert(names.at(i), static_cast<int>(i % 4));
    }
    QJsonObject record = integrationRecord();
    record.insert(u"switchRadios"_s, Json::namedObject(radios));
    record.insert(u"tunerRadios"_s, Json::namedObject(radios));
    const QString first = backup.servers.first().endpoint();
    backup.layouts.insert(first, cards);
    backup.integrations.insert(first, record);
    return backup;
}

// Fills a store the way the application would have, plus entries the file never carries.
void populate(SettingsStore& store, ServerProfiles& profiles, const SettingsBackup& backup)
{
    profiles.setItems(backup.servers);
    store.setText(SettingsKeys::rotorLocations, *RotorLocation::encode(backup.towerLocations));
    store.setText(SettingsKeys::headingPresets, HeadingPreset::encode(backup.presets));
    store.setText(SettingsKeys::rotorMechanics, *RotorMechanicsEntry::encode(backup.rotorMechanics));
    for (auto it = backup.layouts.cbegin(); it != backup.layouts.cend(); ++it) {
        store.setData(SettingsKeys::presentation(it.key()), *it.value().encoded());
    }
    for (auto it = backup.integrations.cbegin(); it != backup.integrations.cend(); ++it) {
        store.setData(SettingsKeys::integrations(it.key()), QJsonDocument(it.value()).toJson(QJsonDocument::Compact));
    }
    store.setText(SettingsKeys::selectedServerProfileID, backup.selectedServerID);
    if (backup.lastConnectedServerIDs) {
        store.setTextList(SettingsKeys::lastConnectedServerProfiles, *backup.lastConnectedServerIDs);
    }
    const QString endpoint = backup.servers.first().endpoint();
    store.setData(SettingsKeys::stationSnapshot(endpoint), R"({"rotors":[],"note":")" + password.toUtf8() + R"("})");
    store.setText(u"loginHint"_s, password);
    store.setText(SettingsKeys::serverHost, u"legacy.local"_s);
    store.setText(SettingsKeys::serverPort, u"4001"_s);
    // A text entry under a layout prefix is not a layout and is skipped by the export.
    store.setText(SettingsKeys::presentation(u"odd"_s), u"text"_s);
}

QVariant entry(const SettingsStore& store, const QString& key)
{
    if (const auto data = store.data(key)) {
        return *data;
    }
    if (const auto text = store.text(key)) {
        return *text;
    }
    if (const auto list = store.textList(key)) {
        return *list;
    }
    if (const auto flag = store.flag(key)) {
        return *flag;
    }
    return {};
}

Entries entries(const SettingsStore& store)
{
    Entries all;
    for (const QString& key : store.keys()) {
        all.insert(key, entry(store, key));
    }
    return all;
}

const QStringList validationMessages{
    u"This is not a supported station settings file."_s,
    u"Duplicate server identifiers in settings file."_s,
    u"Invalid server name or address."_s,
    u"Invalid server port or baud rate."_s,
    u"Both site coordinates are required."_s,
    u"Invalid site coordinates."_s,
    u"Invalid tower location or preset."_s,
    u"Duplicate preset identifiers."_s,
    u"Duplicate tower locations."_s,
    u"Invalid layout settings."_s,
    u"Invalid integration settings."_s,
};

} // namespace

class TestSettingsBackup final : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

private Q_SLOTS:
    void validate_reportsTheFirstProblem_data()
    {
        QTest::addColumn<Change>("change");
        QTest::addColumn<QString>("message");

        const auto row = [](const char* name, Change change, const QString& message) {
            QTest::newRow(name) << change << message;
        };
        const QString unsupported = validationMessages.at(0);
        const QString address = u"Invalid server name or address."_s;
        const QString port = u"Invalid server port or baud rate."_s;
        const QString towerOrPreset = u"Invalid tower location or preset."_s;
        const QString layoutMessage = u"Invalid layout settings."_s;
        const QString integration = u"Invalid integration settings."_s;

        row(
            "valid", [](SettingsBackup&) {}, QString());
        row(
            "no servers at all", [](SettingsBackup& b) { b.servers.clear(); }, QString());
        row(
            "version 2", [](SettingsBackup& b) { b.version = 2; }, unsupported);
        row(
            "other format", [](SettingsBackup& b) { b.format = u"orvaneclientsettings"_s; }, unsupported);
        row(
            "repeated server id", [](SettingsBackup& b) { b.servers[2].id = b.servers[0].id; },
            u"Duplicate server identifiers in settings file."_s);
        row(
            "empty name", [](SettingsBackup& b) { b.servers[1].name.clear(); }, address);
        row(
            "name with line break", [](SettingsBackup& b) { b.servers[1].name = u"A\nB"_s; }, address);
        row(
            "untrimmed name accepted", [](SettingsBackup& b) { b.servers[1].name = u" Bench "_s; }, QString());
        row(
            "host with blank", [](SettingsBackup& b) { b.servers[0].host = u"shack local"_s; }, address);
        row(
            "host with no-break space", [](SettingsBackup& b) { b.servers[0].host = u"shack\u00a0local"_s; }, address);
        row(
            "host of 513 bytes", [](SettingsBackup& b) { b.servers[0].host = QString(513, u'h'); }, address);
        row(
            "serial 9601", [](SettingsBackup& b) { b.servers[1].port = u"9601"_s; }, port);
        row(
            "serial 115200", [](SettingsBackup& b) { b.servers[1].port = u"115200"_s; }, QString());
        row(
            "network port 0", [](SettingsBackup& b) { b.servers[0].port = u"0"_s; }, port);
        row(
            "network port 65536", [](SettingsBackup& b) { b.servers[2].port = u"65536"_s; }, port);
        row(
            "network port with letters", [](SettingsBackup& b) { b.servers[2].port = u"80a"_s; }, port);
        row(
            "latitude without longitude", [](SettingsBackup& b) { b.servers[0].longitude.reset(); },
            u"Both site coordinates are required."_s);
        row(
            "longitude without latitude", [](SettingsBackup& b) { b.servers[2].longitude = 3.0; },
            u"Both site coordinates are required."_s);
        row(
            "latitude 86", [](SettingsBackup& b) { b.servers[0].latitude = 86.0; }, u"Invalid site coordinates."_s);
        row(
            "longitude not finite", [](SettingsBackup& b) { b.servers[0].longitude = qInf(); },
            u"Invalid site coordinates."_s);
        row(
            "latitude -85 accepted", [](SettingsBackup& b) { b.servers[0].latitude = -85.0; }, QString());
        row(
            "tower span 50", [](SettingsBackup& b) { b.towerLocations[1].spanMeters = 50; }, towerOrPreset);
        row(
            "preset heading 400", [](SettingsBackup& b) { b.presets[0].degrees = 400; }, towerOrPreset);
        row(
            "preset name empty", [](SettingsBackup& b) { b.presets[1].name.clear(); }, towerOrPreset);
        row(
            "repeated preset id", [](SettingsBackup& b) { b.presets[1].id = b.presets[0].id; },
            u"Duplicate preset identifiers."_s);
        row(
            "two towers for one rotor",
            [](SettingsBackup& b) { b.towerLocations.append(tower(b.towerLocations[0].endpoint, u"Tower"_s)); },
            u"Duplicate tower locations."_s);
        row(
            "composed and decomposed rotor names are one tower",
            [](SettingsBackup& b) {
                b.towerLocations = {tower(u"a:1"_s, u"Caf\u00e9"_s), tower(u"a:1"_s, u"Cafe\u0301"_s)};
            },
            u"Duplicate tower locations."_s);
        row(
            "same rotor under two endpoints accepted",
            [](SettingsBackup& b) { b.towerLocations.append(tower(u"elsewhere:1"_s, u"Tower"_s)); }, QString());
        row(
            "pair joined with separator",
            [](SettingsBackup& b) {
                b.towerLocations = {tower(u"a:1"_s, u"b c"_s), tower(u"a:1 b"_s, u"c"_s)};
            },
            QString());
        row(
            "card width 339", [](SettingsBackup& b) { b.layouts.first().cardWidth = 339; }, layoutMessage);
        row(
            "card width 650 accepted", [](SettingsBackup& b) { b.layouts.first().cardWidth = 650; }, QString());
        row(
            "card width 650.5", [](SettingsBackup& b) { b.layouts.first().cardWidth = 650.5; }, layoutMessage);
        row(
            "radio 0", [](SettingsBackup& b) { b.layouts.first().radio = 0; }, layoutMessage);
        row(
            "radio 4", [](SettingsBackup& b) { b.layouts.first().radio = 4; }, layoutMessage);
        row(
            "layout under empty key", [](SettingsBackup& b) { b.layouts.insert(QString(), PresentationSettings{}); },
            layoutMessage);
        row(
            "binding heading 361", [](SettingsBackup& b) { b.integrations.first() = integrationRecord(1.0, 361); },
            integration);
        row(
            "binding heading 360 accepted",
            [](SettingsBackup& b) { b.integrations.first() = integrationRecord(-2.5, 360); }, QString());
        row(
            "encoder step not finite", [](SettingsBackup& b) { b.integrations.first() = integrationRecord(qQNaN()); },
            integration);
        row(
            "rotctld park heading 361",
            [](SettingsBackup& b) { b.integrations[u"serial:/dev/ttyUSB0@9600"_s].insert(u"rotctldPark"_s, 361); },
            integration);
        row(
            "integration under key with tab",
            [](SettingsBackup& b) { b.integrations.insert(u"a\t:1"_s, integrationRecord()); }, integration);
        // The checks run in a fixed order and stop at the first failure.
        row(
            "name checked before port",
            [](SettingsBackup& b) {
                b.servers[1].port = u"1"_s;
                b.servers[0].name.clear();
            },
            address);
        row(
            "servers checked one by one",
            [](SettingsBackup& b) {
                b.servers[0].latitude = 90.0;
                b.servers[1].name.clear();
            },
            u"Invalid site coordinates."_s);
        row(
            "presets before layouts",
            [](SettingsBackup& b) {
                b.layouts.first().radio = 0;
                b.presets[1].id = b.presets[0].id;
            },
            u"Duplicate preset identifiers."_s);
        row(
            "layouts before integrations",
            [](SettingsBackup& b) {
                b.integrations.first() = integrationRecord(qInf());
                b.layouts.first().cardWidth = 1000;
            },
            layoutMessage);
        row(
            "version before everything",
            [](SettingsBackup& b) {
                b.version = 0;
                b.servers[0].name.clear();
            },
            unsupported);
    }
    void validate_reportsTheFirstProblem()
    {
        QFETCH(Change, change);
        QFETCH(QString, message);
        SettingsBackup backup = sampleBackup();
        change(backup);
        const std::optional<ProtocolFailure> problem = backup.validate();
        QCOMPARE(problem ? problem->message : QString(), message);
        // Reading the written file reaches the same verdict where the file can hold the record.
        if (Json::isWritable(backup.toJson())) {
            const QByteArray bytes = QJsonDocument(backup.toJson()).toJson();
            const ProtocolResult<SettingsBackup> read = SettingsBackup::read(bytes);
            QCOMPARE(read.ok() ? QString() : read.failure().message, message);
        }
    }

    void read_refusesUndecodableFiles_data()
    {
        QTest::addColumn<JsonChange>("change");
        QTest::addColumn<bool>("accepted");

        const auto firstOf = [](QJsonObject& file, const QString& key, const std::function<void(QJsonObject&)>& edit) {
            QJsonObject map = file.value(key).toObject();
            QJsonObject first = map.begin().value().toObject();
            edit(first);
            map.insert(map.begin().key(), first);
            file.insert(key, map);
        };
        QTest::newRow("no restoration list")
            << JsonChange([](QJsonObject& f) { f.remove(u"lastConnectedServerIDs"_s); }) << true;
        QTest::newRow("no servers key") << JsonChange([](QJsonObject& f) { f.remove(u"servers"_s); }) << false;
        QTest::newRow("no selection") << JsonChange([](QJsonObject& f) { f.remove(u"selectedServerID"_s); }) << false;
        QTest::newRow("version as text") << JsonChange([](QJsonObject& f) { f.insert(u"version"_s, u"1"_s); }) << false;
        QTest::newRow("unknown connection kind") << JsonChange([](QJsonObject& f) {
            QJsonArray servers = f.value(u"servers"_s).toArray();
            QJsonObject first = servers.at(0).toObject();
            first.insert(u"connectionKind"_s, u"Telnet"_s);
            servers.replace(0, first);
            f.insert(u"servers"_s, servers);
        }) << false;
        QTest::newRow("preset without degrees") << JsonChange([](QJsonObject& f) {
            QJsonArray presets = f.value(u"presets"_s).toArray();
            QJsonObject first = presets.at(0).toObject();
            first.remove(u"degrees"_s);
            presets.replace(0, first);
            f.insert(u"presets"_s, presets);
        }) << false;
        QTest::newRow("layout without accent") << JsonChange([=](QJsonObject& f) {
            firstOf(f, u"layouts"_s, [](QJsonObject& l) { l.remove(u"accent"_s); });
        }) << false;
        QTest::newRow("integration without encoder step") << JsonChange([=](QJsonObject& f) {
            firstOf(f, u"integrations"_s, [](QJsonObject& r) { r.remove(u"encoderStep"_s); });
        }) << false;
        QTest::newRow("integration with unknown logger") << JsonChange([=](QJsonObject& f) {
            firstOf(f, u"integrations"_s, [](QJsonObject& r) { r.insert(u"kind"_s, u"Logger9"_s); });
        }) << false;
        QTest::newRow("radio assignment not a whole number") << JsonChange([=](QJsonObject& f) {
            firstOf(f, u"integrations"_s, [](QJsonObject& r) {
                r.insert(u"switchRadios"_s, QJsonObject{{u"Main"_s, 1.5}});
            });
        }) << false;
        QTest::newRow("binding without position") << JsonChange([=](QJsonObject& f) {
            firstOf(f, u"integrations"_s, [](QJsonObject& r) {
                QJsonObject binding = keyBinding(10);
                binding.remove(u"position"_s);
                r.insert(u"keyCommands"_s, QJsonArray{binding});
            });
        }) << false;
    }
    void read_refusesUndecodableFiles()
    {
        QFETCH(JsonChange, change);
        QFETCH(bool, accepted);
        QJsonObject file = sampleBackup().toJson();
        change(file);
        const ProtocolResult<SettingsBackup> read = SettingsBackup::read(QJsonDocument(file).toJson());
        QCOMPARE(read.ok(), accepted);
        if (!accepted) {
            QVERIFY2(!validationMessages.contains(read.failure().message), qPrintable(read.failure().message));
            QVERIFY2(read.failure().message.startsWith(u"The settings file could not be read: "_s),
                     qPrintable(read.failure().message));
        } else {
            QVERIFY(!read->lastConnectedServerIDs);
        }
    }

    void read_malformedJson_reportsTheParser()
    {
        for (const QByteArray& bytes : {QByteArray("{\"format\":"), QByteArray(""), QByteArray("\xff\xfe")}) {
            const ProtocolResult<SettingsBackup> read = SettingsBackup::read(bytes);
            QVERIFY(!read.ok());
            QVERIFY2(read.failure().message.startsWith(u"The settings file is not valid JSON: "_s),
                     qPrintable(read.failure().message));
        }
        QVERIFY(!SettingsBackup::read("[]").ok());
    }

    void read_sizeLimitInBytesAndOnDisk()
    {
        const QByteArray file = *sampleBackup().encoded();
        QByteArray atLimit = file;
        atLimit.append(QByteArray(SettingsBackup::maximumFileBytes - file.size(), ' '));
        QCOMPARE(atLimit.size(), 10'000'000);
        QVERIFY(SettingsBackup::read(atLimit).ok());
        const QByteArray overLimit = atLimit + ' ';
        QCOMPARE(SettingsBackup::read(overLimit).failure().message, u"Settings file exceeds the 10 MB limit."_s);

        const QString atPath = m_dir.filePath(u"at.json"_s);
        const QString overPath = m_dir.filePath(u"over.json"_s);
        QVERIFY(!SettingsBackup::writeFile(atPath, atLimit));
        QVERIFY(!SettingsBackup::writeFile(overPath, overLimit));
        QVERIFY(SettingsBackup::readFile(atPath).ok());
        QCOMPARE(SettingsBackup::readFile(overPath).failure().message, u"Settings file exceeds the 10 MB limit."_s);
        QVERIFY(!SettingsBackup::readFile(m_dir.filePath(u"missing.json"_s)).ok());
    }

    void exportThenImport_intoEmptyStore_yieldsTheSameEntries_data()
    {
        QTest::addColumn<SettingsBackup>("backup");
        QTest::newRow("every kind of record") << sampleBackup();
        QTest::newRow("accented endpoints and device names") << accentedBackup();
    }
    void exportThenImport_intoEmptyStore_yieldsTheSameEntries()
    {
        QFETCH(SettingsBackup, backup);
        MemorySettingsStore source;
        ServerProfiles sourceProfiles(source);
        populate(source, sourceProfiles, backup);

        const ProtocolResult<SettingsBackup> captured = SettingsBackup::capture(sourceProfiles.items(), source);
        QVERIFY2(captured.ok(), captured.ok() ? "" : qPrintable(captured.failure().message));
        const ProtocolResult<QByteArray> bytes = captured->encoded();
        QVERIFY(bytes.ok());
        const QString path = m_dir.filePath(u"Orvane-Settings.json"_s);
        QVERIFY(!SettingsBackup::writeFile(path, *bytes));

        QFile written(path);
        QVERIFY(written.open(QIODevice::ReadOnly));
        const QByteArray onDisk = written.readAll();
        // QJsonDocument writes objects with sorted keys: the file equals its own canonical form
        // only when it is pretty-printed and sorted at every level.
        QCOMPARE(onDisk, QJsonDocument::fromJson(onDisk).toJson(QJsonDocument::Indented));
        QVERIFY(onDisk.contains("\n    \"format\": \"OrvaneClientSettings\""));
        QVERIFY(!onDisk.contains(password.toUtf8()));
        QVERIFY(!onDisk.contains("stationSnapshot"));

        const ProtocolResult<SettingsBackup> read = SettingsBackup::readFile(path);
        QVERIFY(read.ok());
        QCOMPARE(*read, *captured);

        MemorySettingsStore target;
        ServerProfiles targetProfiles(target);
        QVERIFY(!read->apply(targetProfiles, target));

        Entries expected = entries(source);
        for (const QString& key : expected.keys()) {
            if (key.startsWith(SettingsKeys::stationSnapshotPrefix) || key == SettingsKeys::serverHost ||
                key == SettingsKeys::serverPort || key == u"loginHint"_s ||
                key == SettingsKeys::presentation(u"odd"_s)) {
                expected.remove(key);
            }
        }
        QCOMPARE(entries(target), expected);
        QCOMPARE(targetProfiles.items(), sourceProfiles.items());

        // Importing the same file over the original leaves it as it was, apart from the entries
        // the import always drops.
        Entries before = entries(source);
        QVERIFY(!read->apply(sourceProfiles, source));
        before.remove(SettingsKeys::serverHost);
        before.remove(SettingsKeys::serverPort);
        before.remove(SettingsKeys::presentation(u"odd"_s));
        QCOMPARE(entries(source), before);
    }

    // A file written before rotors had mechanics loads, and its rotors are plain ones.
    void olderFileWithoutRotorSettings_loadsPlainRotors()
    {
        QJsonObject older = sampleBackup().toJson();
        older.remove(u"rotorMechanics"_s);
        const ProtocolResult<SettingsBackup> read = SettingsBackup::read(QJsonDocument(older).toJson());
        QVERIFY2(read.ok(), read.ok() ? "" : qPrintable(read.failure().message));
        QVERIFY(read->rotorMechanics.isEmpty());
        MemorySettingsStore target;
        ServerProfiles profiles(target);
        QVERIFY(!read->apply(profiles, target));
        const QString stored = target.text(SettingsKeys::rotorMechanics).value_or(QString());
        QCOMPARE(RotorMechanicsEntry::lookup(stored, read->servers.first().endpoint(), u"Tower"_s), RotorMechanics{});
    }

    void import_removesLayoutsAndIntegrationsOfServersNotInTheFile()
    {
        MemorySettingsStore store;
        ServerProfiles profiles(store);
        const ServerProfile gone = server(u"Gone"_s, u"gone.local"_s, u"1"_s, std::nullopt);
        profiles.setItems({gone});
        store.setData(SettingsKeys::presentation(gone.endpoint()), *PresentationSettings{}.encoded());
        store.setData(SettingsKeys::integrations(gone.endpoint()), QJsonDocument(integrationRecord()).toJson());
        store.setData(SettingsKeys::stationSnapshot(gone.endpoint()), "{}");
        store.setText(SettingsKeys::serverHost, u"gone.local"_s);
        store.setText(SettingsKeys::serverPort, u"1"_s);

        const SettingsBackup backup = sampleBackup();
        QVERIFY(!backup.apply(profiles, store));

        QVERIFY(!store.contains(SettingsKeys::presentation(gone.endpoint())));
        QVERIFY(!store.contains(SettingsKeys::integrations(gone.endpoint())));
        QVERIFY(store.contains(SettingsKeys::stationSnapshot(gone.endpoint())));
        QVERIFY(!store.contains(SettingsKeys::serverHost));
        QVERIFY(!store.contains(SettingsKeys::serverPort));
        QCOMPARE(profiles.items(), backup.servers);
        QCOMPARE(ServerProfiles(store).items(), backup.servers);
        for (const QString& endpoint : backup.layouts.keys()) {
            QCOMPARE(PresentationSettings::decoded(*store.data(SettingsKeys::presentation(endpoint))),
                     std::optional(backup.layouts.value(endpoint)));
        }
        QCOMPARE(HeadingPreset::decode(*store.text(SettingsKeys::headingPresets)), backup.presets);
        QCOMPARE(RotorLocation::decode(*store.text(SettingsKeys::rotorLocations)), backup.towerLocations);
    }

    void apply_failureBeforeWillImportChangesNothing_data()
    {
        QTest::addColumn<Change>("change");
        QTest::addColumn<QString>("message");
        QTest::newRow("unsupported version")
            << Change([](SettingsBackup& b) { b.version = 3; }) << validationMessages.at(0);
        QTest::newRow("invalid integration")
            << Change([](SettingsBackup& b) { b.integrations.first() = integrationRecord(1.0, qInf()); })
            << u"Invalid integration settings."_s;
        QTest::newRow("repeated tower") << Change([](SettingsBackup& b) {
            b.towerLocations.append(b.towerLocations.first());
        }) << u"Duplicate tower locations."_s;
    }
    void apply_failureBeforeWillImportChangesNothing()
    {
        QFETCH(Change, change);
        QFETCH(QString, message);
        MemorySettingsStore store;
        ServerProfiles profiles(store);
        populate(store, profiles, sampleBackup());
        const Entries before = entries(store);
        const QList<ServerProfile> itemsBefore = profiles.items();

        QSignalSpy will(&SettingsNotifications::instance(), &SettingsNotifications::settingsWillImport);
        QSignalSpy did(&SettingsNotifications::instance(), &SettingsNotifications::settingsDidImport);
        QSignalSpy changed(&profiles, &ServerProfiles::itemsChanged);
        SettingsBackup backup = sampleBackup();
        change(backup);
        const std::optional<ProtocolFailure> problem = backup.apply(profiles, store);
        QVERIFY(problem);
        QCOMPARE(problem->message, message);
        QCOMPARE(will.count(), 0);
        QCOMPARE(did.count(), 0);
        QCOMPARE(changed.count(), 0);
        QCOMPARE(entries(store), before);
        QCOMPARE(profiles.items(), itemsBefore);
    }

    void apply_notifiesBeforeTheFirstChangeAndAfterTheLast()
    {
        MemorySettingsStore store;
        ServerProfiles profiles(store);
        populate(store, profiles, sampleBackup());
        const Entries before = entries(store);

        Entries atWill;
        Entries atDid;
        QStringList sequence;
        SettingsNotifications& notifications = SettingsNotifications::instance();
        const auto willConnection = connect(
            &notifications, &SettingsNotifications::settingsWillImport, this,
            [&] {
                sequence << u"will"_s;
                atWill = entries(store);
            },
            Qt::DirectConnection);
        const auto didConnection = connect(
            &notifications, &SettingsNotifications::settingsDidImport, this,
            [&] {
                sequence << u"did"_s;
                atDid = entries(store);
            },
            Qt::DirectConnection);
        connect(&profiles, &ServerProfiles::itemsChanged, this, [&] { sequence << u"profiles"_s; });

        const SettingsBackup backup = sampleBackup();
        QVERIFY(!backup.apply(profiles, store));
        disconnect(willConnection);
        disconnect(didConnection);

        QCOMPARE(sequence, (QStringList{u"will"_s, u"profiles"_s, u"did"_s}));
        QCOMPARE(atWill, before);
        QCOMPARE(atDid, entries(store));
        QVERIFY(atDid != before);
    }

    void apply_writesSelectionAndRestorationList_data()
    {
        QTest::addColumn<Change>("change");
        QTest::addColumn<int>("selectedIndex");
        QTest::addColumn<std::optional<QStringList>>("restoration");

        QTest::newRow("selected server kept") << Change([](SettingsBackup&) {}) << 1 << std::optional<QStringList>();
        QTest::newRow("unknown selection picks the first")
            << Change([](SettingsBackup& b) { b.selectedServerID = UuidText::text(QUuid::createUuid()); }) << 0
            << std::optional<QStringList>();
        QTest::newRow("selection must match exactly")
            << Change([](SettingsBackup& b) { b.selectedServerID = b.selectedServerID.toLower(); }) << 0
            << std::optional<QStringList>();
        QTest::newRow("no restoration list holds the selection")
            << Change([](SettingsBackup& b) { b.lastConnectedServerIDs.reset(); }) << 1
            << std::optional(QStringList{u"selected"_s});
        QTest::newRow("empty restoration list stays empty")
            << Change([](SettingsBackup& b) { b.lastConnectedServerIDs = QStringList{}; }) << 1
            << std::optional(QStringList{});
        QTest::newRow("no servers") << Change([](SettingsBackup& b) {
            b.servers.clear();
            b.lastConnectedServerIDs.reset();
        }) << -1 << std::optional(QStringList{u"selected"_s});
    }
    void apply_writesSelectionAndRestorationList()
    {
        QFETCH(Change, change);
        QFETCH(int, selectedIndex);
        QFETCH(std::optional<QStringList>, restoration);
        SettingsBackup backup = sampleBackup();
        change(backup);
        MemorySettingsStore store;
        ServerProfiles profiles(store);
        QVERIFY(!backup.apply(profiles, store));

        const QString selected = selectedIndex < 0 ? QString() : UuidText::text(backup.servers.at(selectedIndex).id);
        QCOMPARE(store.text(SettingsKeys::selectedServerProfileID), std::optional(selected));
        QStringList expectedList = restoration.value_or(*backup.lastConnectedServerIDs);
        expectedList.replaceInStrings(u"selected"_s, selected);
        QCOMPARE(store.textList(SettingsKeys::lastConnectedServerProfiles), std::optional(expectedList));
    }

    void capture_readsTheStoreAndValidates()
    {
        MemorySettingsStore store;
        ServerProfiles profiles(store);
        const SettingsBackup sample = sampleBackup();
        populate(store, profiles, sample);
        store.remove(SettingsKeys::lastConnectedServerProfiles);

        ProtocolResult<SettingsBackup> captured = SettingsBackup::capture(profiles.items(), store);
        QVERIFY(captured.ok());
        QCOMPARE(captured->lastConnectedServerIDs, std::optional(QStringList{sample.selectedServerID}));
        QCOMPARE(captured->layouts.keys(), sample.layouts.keys());
        QCOMPARE(captured->integrations, sample.integrations);

        store.setText(SettingsKeys::headingPresets, u"[{\"id\":1}]"_s);
        QVERIFY(!SettingsBackup::capture(profiles.items(), store).ok());

        HeadingPreset wide = sample.presets.first();
        wide.degrees = 400;
        store.setText(SettingsKeys::headingPresets,
                      QString::fromUtf8(QJsonDocument(HeadingPreset::toJsonArray({wide})).toJson()));
        QCOMPARE(SettingsBackup::capture(profiles.items(), store).failure().message,
                 u"Invalid tower location or preset."_s);

        store.remove(SettingsKeys::headingPresets);
        store.remove(SettingsKeys::rotorLocations);
        captured = SettingsBackup::capture(profiles.items(), store);
        QVERIFY(captured.ok());
        QVERIFY(captured->presets.isEmpty());
        QVERIFY(captured->towerLocations.isEmpty());

        store.setData(SettingsKeys::integrations(u"x:1"_s), "{\"kind\":\"N1MM\"}");
        QVERIFY(!SettingsBackup::capture(profiles.items(), store).ok());
    }
};

QTEST_GUILESS_MAIN(TestSettingsBackup)
#include "tst_settingsbackup.moc"

#include "app/integrations/StationIntegrations.h"
#include "app/profiles/SettingsBackup.h"
#include "core/client/MemorySettingsStore.h"
#include "core/integrations/LoggerTransport.h"
#include "core/model/Json.h"
#include "tests/support/AccentedNames.h"
#include "tests/support/ManualClock.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QTest>
#include <QUdpSocket>

#include <limits>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString endpoint = u"serial:/dev/ttyUSB0@9600"_s;
const ManualClock fixedClock;

IntegrationSettings everyFieldSet()
{
    KeyBinding binding;
    binding.key = u"CTRL R"_s;
    binding.rotor = u"S:Band switch"_s;
    binding.action = u"Next"_s;
    binding.heading = 271.5;
    binding.position = u"20m"_s;
    binding.id = QUuid::fromString(u"8F2C1A52-7E4B-4C8D-9B1E-0A3F5D6C7E81"_s);
    KeyBinding plain;
    plain.id = QUuid::fromString(u"00000000-0000-0000-0000-000000000001"_s);
    IntegrationSettings settings;
    settings.kind = LoggerKind::winTest;
    settings.host = u"192.168.1.20"_s;
    settings.port = u"9871"_s;
    settings.station = u"CONTEST"_s;
    settings.rotorA = u"Tower 1"_s;
    settings.rotorB = u"Tower 2"_s;
    settings.switchRadios = {{u"Band switch"_s, 3}};
    settings.tunerRadios = {{u"Tuner"_s, 2}};
    settings.keyCommands = {binding, plain};
    settings.keyboardPort = u"61112"_s;
    settings.globalKeys = true;
    settings.encoderSerial = u"123456"_s;
    settings.encoderChannel = 2;
    settings.encoderButton = -1;
    settings.encoderTarget = u"R:Tower 1"_s;
    settings.encoderStep = -2.5;
    settings.rotctldEnabled = true;
    settings.rotctldHost = u"192.168.1.20"_s;
    settings.rotctldPort = u"4534"_s;
    settings.wsjtxHost = u"239.255.0.1"_s;
    settings.wsjtxPort = u"2238"_s;
    settings.wsjtxRotor = u"Tower"_s;
    settings.rotctldRotor = u"Tower 2"_s;
    settings.rotctldPark = 270.5;
    settings.rotctldTolerance = 2.5;
    return settings;
}

QString freeUdpPort()
{
    QUdpSocket probe;
    probe.bind(QHostAddress::LocalHost, 0);
    return QString::number(probe.localPort());
}

} // namespace

class TestIntegrationSettings final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void record_roundTripsThroughStoreAndBackup_data()
    {
        QTest::addColumn<IntegrationSettings>("settings");
        QTest::newRow("every field set") << everyFieldSet();
        IntegrationSettings accented = everyFieldSet();
        const QStringList names = AccentedNames::generate();
        for (qsizetype i = 0; i < names.size(); ++i) {
            accented.switchRadios.insert(names.at(i), static_cast<int>(i % 4));
            accented.tunerRadios.insert(names.at(i), static_cast<int>(3 - i % 4));
        }
        QTest::newRow("accented switch and tuner names") << accented;
    }
    void record_roundTripsThroughStoreAndBackup()
    {
        QFETCH(IntegrationSettings, settings);
        MemorySettingsStore defaults;
        StationIntegrations writer(defaults, fixedClock);
        writer.load(endpoint);
        writer.setSettings(settings);
        writer.save();
        const std::optional<QByteArray> stored = defaults.data(u"integrations:"_s + endpoint);
        QVERIFY(stored);

        StationIntegrations reader(defaults, fixedClock);
        reader.load(endpoint);
        QCOMPARE(reader.settings(), settings);

        // The settings file carries the stored record key for key.
        const std::optional<QJsonObject> record =
            SettingsBackup::integrationRecord(Json::decodeObject(*stored).value_or(QJsonObject()));
        QVERIFY(record);
        QCOMPARE(Json::encode(*record), stored);
    }

    void missingOrDamagedRecord_givesDefaults_data()
    {
        QTest::addColumn<QByteArray>("stored");
        const QJsonObject full = everyFieldSet().toJson();
        const auto stored = [](const QJsonObject& object) { return QJsonDocument(object).toJson(); };
        for (const QString& key : full.keys()) {
            // Records from before the rotctld server and the WSJT-X input lack their keys; they still load.
            if (key.startsWith(u"rotctld"_s) || key.startsWith(u"wsjtx"_s)) {
                continue;
            }
            QJsonObject damaged = full;
            damaged.remove(key);
            QTest::addRow("without %s", qPrintable(key)) << stored(damaged);
        }
        const QJsonObject binding = full.value(u"keyCommands"_s).toArray().first().toObject();
        const auto withBinding = [&](const QJsonObject& item) {
            QJsonObject damaged = full;
            damaged.insert(u"keyCommands"_s, QJsonArray{item});
            return stored(damaged);
        };
        for (const QString& key : binding.keys()) {
            QJsonObject item = binding;
            item.remove(key);
            QTest::addRow("binding without %s", qPrintable(key)) << withBinding(item);
        }
        QJsonObject braced = binding;
        braced.insert(u"id"_s, u"{"_s + binding.value(u"id"_s).toString() + u"}"_s);
        QTest::newRow("braced id") << withBinding(braced);
        const auto replaced = [&](const QString& key, const QJsonValue& value) {
            QJsonObject damaged = full;
            damaged.insert(key, value);
            return stored(damaged);
        };
        QTest::newRow("unknown kind") << replaced(u"kind"_s, u"N1MM+"_s);
        QTest::newRow("fractional channel") << replaced(u"encoderChannel"_s, 1.5);
        QTest::newRow("radio as text") << replaced(u"switchRadios"_s, QJsonObject{{u"A"_s, u"1"_s}});
        QTest::newRow("rotctld port as number") << replaced(u"rotctldPort"_s, 4533);
        QTest::newRow("not JSON") << QByteArray("{\"kind\":");
        QTest::newRow("never configured") << QByteArray();
    }
    void missingOrDamagedRecord_givesDefaults()
    {
        QFETCH(QByteArray, stored);
        MemorySettingsStore defaults;
        if (!stored.isEmpty()) {
            defaults.setData(u"integrations:"_s + endpoint, stored);
        }
        StationIntegrations integrations(defaults, fixedClock);
        integrations.setSettings(everyFieldSet());
        integrations.load(endpoint);
        const IntegrationSettings& settings = integrations.settings();
        QCOMPARE(settings.kind, LoggerKind::n1mm);
        QCOMPARE(settings.host, u"127.0.0.1"_s);
        QCOMPARE(settings.port, u"12050"_s);
        QCOMPARE(settings.keyboardPort, u"61111"_s);
        QCOMPARE(settings.encoderStep, 1.0);
        QCOMPARE(settings, IntegrationSettings{});
    }

    void recordFromBeforeTheRotctldServer_keepsItsFieldsAndServesNothing()
    {
        // Every field set but those the server added, which such a record lacks.
        IntegrationSettings before = everyFieldSet();
        const IntegrationSettings fresh;
        before.rotctldEnabled = fresh.rotctldEnabled;
        before.rotctldHost = fresh.rotctldHost;
        before.rotctldPort = fresh.rotctldPort;
        before.rotctldRotor = fresh.rotctldRotor;
        before.rotctldPark = fresh.rotctldPark;
        before.rotctldTolerance = fresh.rotctldTolerance;
        QJsonObject older = before.toJson();
        for (const QString& key : older.keys()) {
            if (key.startsWith(u"rotctld"_s)) {
                older.remove(key);
            }
        }
        MemorySettingsStore defaults;
        defaults.setData(u"integrations:"_s + endpoint, QJsonDocument(older).toJson());
        StationIntegrations integrations(defaults, fixedClock);
        integrations.load(endpoint);
        QCOMPARE(integrations.settings(), before);
        // An older settings file imports too.
        QCOMPARE(SettingsBackup::integrationRecord(older), std::optional(older));
    }

    void unwritableRecord_keepsTheStoredOne()
    {
        MemorySettingsStore defaults;
        StationIntegrations integrations(defaults, fixedClock);
        integrations.load(endpoint);
        integrations.setSettings(everyFieldSet());
        integrations.save();
        IntegrationSettings broken = everyFieldSet();
        broken.encoderStep = std::numeric_limits<double>::infinity();
        integrations.setSettings(broken);
        integrations.save();
        QCOMPARE(IntegrationSettings::decoded(defaults.data(u"integrations:"_s + endpoint).value_or(QByteArray())),
                 everyFieldSet());
    }

    void load_ofAnotherServerStopsInputsAndForgetsRadios()
    {
        ManualClock clock;
        MemorySettingsStore defaults;
        KeltoClient client(nullptr, defaults, clock);
        StationIntegrations integrations(defaults, clock);
        integrations.load(endpoint);
        IntegrationSettings settings;
        settings.port = freeUdpPort();
        integrations.setSettings(settings);
        integrations.start(client);
        integrations.keyboardTransport().start(LoggerKind::keyboard, u"127.0.0.1"_s, freeUdpPort(), {});
        QVERIFY(defaults.data(u"integrations:"_s + endpoint).has_value());
        integrations.setEnabled(true);
        integrations.receive(LoggerEvent::frequency(1, 7.1), client);
        QVERIFY(integrations.shouldSend(u"S:Switch"_s, u"40m"_s));
        QVERIFY(!integrations.shouldSend(u"S:Switch"_s, u"40m"_s));

        integrations.load(endpoint);
        QVERIFY(integrations.transport().running() && integrations.keyboardTransport().running());
        QVERIFY(integrations.enabled());
        QCOMPARE(integrations.frequencies().size(), 1);

        integrations.load(u"10.0.0.1:4001"_s);
        QVERIFY(!integrations.transport().running() && !integrations.keyboardTransport().running());
        QVERIFY(!integrations.enabled());
        QVERIFY(integrations.frequencies().isEmpty());
        QVERIFY(integrations.shouldSend(u"S:Switch"_s, u"40m"_s));

        integrations.setEnabled(true);
        integrations.reset();
        QVERIFY(!integrations.enabled());
        QVERIFY(integrations.shouldSend(u"S:Switch"_s, u"40m"_s));
    }
};

QTEST_GUILESS_MAIN(TestIntegrationSettings)
#include "tst_integrationsettings.moc"

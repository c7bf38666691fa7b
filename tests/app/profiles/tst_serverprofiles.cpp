#include "app/profiles/HeadingPreset.h"
#include "app/profiles/RotorLocation.h"
#include "app/profiles/ServerProfiles.h"
#include "app/profiles/SettingsKeys.h"
#include "core/client/MemorySettingsStore.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

ServerProfile profile(const QString& host, const QString& port,
                      std::optional<ConnectionKind> kind = ConnectionKind::ovVarnex)
{
    return ServerProfile{QUuid::createUuid(), u"Station"_s, host, port, kind, std::nullopt, std::nullopt, std::nullopt};
}

QString endpointOf(const QString& host, const QString& port, std::optional<ConnectionKind> kind)
{
    return profile(host, port, kind).endpoint();
}

} // namespace

class TestServerProfiles final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void endpoint_followsTheKeyRules_data()
    {
        QTest::addColumn<QString>("host");
        QTest::addColumn<QString>("port");
        QTest::addColumn<std::optional<ConnectionKind>>("kind");
        QTest::addColumn<QString>("expected");

        const std::optional<ConnectionKind> none;
        const auto ovv = std::optional(ConnectionKind::ovVarnex);
        const auto serial = std::optional(ConnectionKind::kt90Serial);
        QTest::newRow("plain") << u"tower.example.net"_s << u"4001"_s << ovv << u"tower.example.net:4001"_s;
        QTest::newRow("case and blanks") << u"  Tower.Example.NET\n"_s << u"04001"_s << ovv
                                         << u"tower.example.net:4001"_s;
        QTest::newRow("no kind is network") << u"Host"_s << u"80"_s << none << u"host:80"_s;
        QTest::newRow("udp kind") << u"10.0.0.7"_s << u"+12"_s << std::optional(ConnectionKind::kt90UDP)
                                  << u"10.0.0.7:12"_s;
        QTest::newRow("tcp terminal kind")
            << u"ctl"_s << u"00023"_s << std::optional(ConnectionKind::kt90Terminal) << u"ctl:23"_s;
        QTest::newRow("minus zero") << u"h"_s << u"-0"_s << ovv << u"h:0"_s;
        QTest::newRow("zero") << u"h"_s << u"0"_s << ovv << u"h:0"_s;
        QTest::newRow("largest") << u"h"_s << u"65535"_s << ovv << u"h:65535"_s;
        QTest::newRow("out of range kept") << u"h"_s << u"65536"_s << ovv << u"h:65536"_s;
        QTest::newRow("letters kept") << u"h"_s << u"80a"_s << ovv << u"h:80a"_s;
        QTest::newRow("blanks around port kept") << u"h"_s << u" 80 "_s << ovv << u"h: 80 "_s;
        QTest::newRow("empty port") << u"h"_s << u""_s << ovv << u"h:"_s;
        QTest::newRow("negative kept") << u"h"_s << u"-1"_s << ovv << u"h:-1"_s;
        QTest::newRow("double sign kept") << u"h"_s << u"++1"_s << ovv << u"h:++1"_s;
        QTest::newRow("sign alone kept") << u"h"_s << u"+"_s << ovv << u"h:+"_s;
        QTest::newRow("non-ascii digits kept") << u"h"_s << u"\u0668\u0660"_s << ovv << u"h:\u0668\u0660"_s;
        QTest::newRow("huge kept") << u"h"_s << u"99999999999999999999999"_s << ovv << u"h:99999999999999999999999"_s;
        QTest::newRow("trailing dot stays") << u"host.example."_s << u"1"_s << ovv << u"host.example.:1"_s;
        QTest::newRow("ipv6") << u"FE80::1"_s << u"4001"_s << ovv << u"fe80::1:4001"_s;
        QTest::newRow("serial untouched")
            << u" /dev/ttyUSB0 "_s << u"09600"_s << serial << u"serial: /dev/ttyUSB0 @09600"_s;
        QTest::newRow("serial case kept")
            << u"/dev/TTY.Usb"_s << u"+9600"_s << serial << u"serial:/dev/TTY.Usb@+9600"_s;
    }
    void endpoint_followsTheKeyRules()
    {
        QFETCH(QString, host);
        QFETCH(QString, port);
        QFETCH(std::optional<ConnectionKind>, kind);
        QFETCH(QString, expected);
        QCOMPARE(endpointOf(host, port, kind), expected);
    }

    void sharedEndpoint_betweenTwoProfiles_data()
    {
        QTest::addColumn<ServerProfile>("a");
        QTest::addColumn<ServerProfile>("b");
        QTest::addColumn<bool>("shared");

        const auto serial = ConnectionKind::kt90Serial;
        QTest::newRow("case and zero padding")
            << profile(u"Radio.Local "_s, u"007"_s) << profile(u"radio.local"_s, u"7"_s) << true;
        QTest::newRow("absent kind equals ovVarnex")
            << profile(u"h"_s, u"1"_s, std::nullopt) << profile(u"h"_s, u"1"_s) << true;
        QTest::newRow("network kinds share the form") << profile(u"h"_s, u"1"_s, ConnectionKind::kt90UDP)
                                                      << profile(u"h"_s, u"+1"_s, ConnectionKind::kt90Terminal) << true;
        QTest::newRow("different port") << profile(u"h"_s, u"1"_s) << profile(u"h"_s, u"2"_s) << false;
        QTest::newRow("trailing dot differs") << profile(u"h."_s, u"1"_s) << profile(u"h"_s, u"1"_s) << false;
        QTest::newRow("serial path case differs")
            << profile(u"/dev/ttyUSB0"_s, u"9600"_s, serial) << profile(u"/dev/TTYUSB0"_s, u"9600"_s, serial) << false;
        QTest::newRow("serial baud padding differs")
            << profile(u"/dev/ttyUSB0"_s, u"9600"_s, serial) << profile(u"/dev/ttyUSB0"_s, u"09600"_s, serial) << false;
        QTest::newRow("serial vs network")
            << profile(u"/dev/ttyUSB0"_s, u"9600"_s, serial) << profile(u"/dev/ttyUSB0"_s, u"9600"_s) << false;
    }
    void sharedEndpoint_betweenTwoProfiles()
    {
        QFETCH(ServerProfile, a);
        QFETCH(ServerProfile, b);
        QFETCH(bool, shared);
        QCOMPARE(a.endpoint() == b.endpoint(), shared);
    }

    void validPort_perKind_data()
    {
        QTest::addColumn<ConnectionKind>("kind");
        QTest::addColumn<QString>("port");
        QTest::addColumn<bool>("valid");
        QTest::newRow("tcp 1") << ConnectionKind::ovVarnex << u"1"_s << true;
        QTest::newRow("tcp 65535") << ConnectionKind::kt90Terminal << u"65535"_s << true;
        QTest::newRow("tcp plus") << ConnectionKind::ovVarnex << u"+80"_s << true;
        QTest::newRow("tcp 0") << ConnectionKind::ovVarnex << u"0"_s << false;
        QTest::newRow("tcp -0") << ConnectionKind::ovVarnex << u"-0"_s << false;
        QTest::newRow("udp 65536") << ConnectionKind::kt90UDP << u"65536"_s << false;
        QTest::newRow("tcp blank") << ConnectionKind::ovVarnex << u" 80"_s << false;
        QTest::newRow("serial 9600") << ConnectionKind::kt90Serial << u"9600"_s << true;
        QTest::newRow("serial 115200") << ConnectionKind::kt90Serial << u"115200"_s << true;
        QTest::newRow("serial padded") << ConnectionKind::kt90Serial << u"04800"_s << true;
        QTest::newRow("serial 9601") << ConnectionKind::kt90Serial << u"9601"_s << false;
        QTest::newRow("serial 2400") << ConnectionKind::kt90Serial << u"2400"_s << false;
        QTest::newRow("serial negative") << ConnectionKind::kt90Serial << u"-9600"_s << false;
    }
    void validPort_perKind()
    {
        QFETCH(ConnectionKind, kind);
        QFETCH(QString, port);
        QFETCH(bool, valid);
        QCOMPARE(ServerProfile::validPort(kind, port), valid);
    }

    void json_writesUpperCaseIdAndTextPortAndLeavesOutAbsentFields()
    {
        ServerProfile bare = profile(u"h"_s, u"4001"_s, std::nullopt);
        const QJsonObject object = bare.toJson();
        QCOMPARE(object.value(u"id"_s).toString(), bare.id.toString(QUuid::WithoutBraces).toUpper());
        QVERIFY(object.value(u"port"_s).isString());
        QCOMPARE(object.keys(), (QStringList{u"host"_s, u"id"_s, u"name"_s, u"port"_s}));

        ServerProfile full = bare;
        full.connectionKind = ConnectionKind::kt90UDP;
        full.address = u"Hill 1"_s;
        full.latitude = 47.5;
        full.longitude = -8.25;
        const QJsonObject fullObject = full.toJson();
        QCOMPARE(fullObject.value(u"connectionKind"_s).toString(), u"KT-90 UDP terminal"_s);
        QCOMPARE(ServerProfile::fromJson(fullObject), std::optional(full));
        QCOMPARE(ServerProfile::fromJson(object), std::optional(bare));
    }

    void fromJson_refusesBadRecords_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::newRow("unknown kind") << QByteArray(
            R"({"id":"%ID","name":"n","host":"h","port":"1","connectionKind":"kt90UDP"})");
        QTest::newRow("numeric port") << QByteArray(R"({"id":"%ID","name":"n","host":"h","port":1})");
        QTest::newRow("missing name") << QByteArray(R"({"id":"%ID","host":"h","port":"1"})");
        QTest::newRow("braced id") << QByteArray(R"({"id":"{%ID}","name":"n","host":"h","port":"1"})");
        QTest::newRow("latitude text") << QByteArray(R"({"id":"%ID","name":"n","host":"h","port":"1","latitude":"1"})");
    }
    void fromJson_refusesBadRecords()
    {
        QFETCH(QByteArray, json);
        json.replace("%ID", "0F0E0D0C-0B0A-0908-0706-050403020100");
        QVERIFY(!ServerProfile::fromJson(QJsonDocument::fromJson(json).object()));
    }

    void load_readsStoredListAndSavesEveryChange()
    {
        MemorySettingsStore store;
        ServerProfile first = profile(u"a"_s, u"1"_s);
        ServerProfile second = profile(u"b"_s, u"2"_s, ConnectionKind::kt90Serial);
        {
            ServerProfiles profiles(store);
            QVERIFY(profiles.items().isEmpty());
            QSignalSpy changed(&profiles, &ServerProfiles::itemsChanged);
            profiles.setItems({first, second});
            QCOMPARE(changed.count(), 1);
        }
        ServerProfiles reloaded(store);
        QCOMPARE(reloaded.items(), (QList<ServerProfile>{first, second}));
        QCOMPARE(reloaded.profile(second.id), std::optional(second));
        QVERIFY(!reloaded.profile(QUuid::createUuid()));
    }

    void load_damagedListReadsEmptyAndStaysStored_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::newRow("malformed") << QByteArray("[{");
        QTest::newRow("object") << QByteArray("{}");
        QTest::newRow("unknown kind in one element") << QByteArray(
            R"([{"id":"0F0E0D0C-0B0A-0908-0706-050403020100","name":"n","host":"h","port":"1"},)"
            R"({"id":"1F0E0D0C-0B0A-0908-0706-050403020100","name":"n","host":"h","port":"1","connectionKind":"Telnet"}])");
    }
    void load_damagedListReadsEmptyAndStaysStored()
    {
        QFETCH(QByteArray, stored);
        MemorySettingsStore store;
        store.setData(SettingsKeys::serverProfiles, stored);
        ServerProfiles profiles(store);
        QVERIFY(profiles.items().isEmpty());
        QCOMPARE(store.data(SettingsKeys::serverProfiles), std::optional(stored));
    }

    void save_nonFiniteCoordinate_writesNothing()
    {
        MemorySettingsStore store;
        ServerProfiles profiles(store);
        ServerProfile good = profile(u"a"_s, u"1"_s);
        profiles.setItems({good});
        const auto saved = store.data(SettingsKeys::serverProfiles);
        ServerProfile bad = profile(u"b"_s, u"1"_s);
        bad.latitude = qInf();
        bad.longitude = 0;
        profiles.setItems({good, bad});
        QCOMPARE(profiles.items().size(), 2);
        QCOMPARE(store.data(SettingsKeys::serverProfiles), saved);
    }

    void remove_keepsServerDataWhileAnotherProfileSharesTheEndpoint()
    {
        MemorySettingsStore store;
        ServerProfiles profiles(store);
        const ServerProfile first = profile(u"Shack.Local"_s, u"4001"_s);
        const ServerProfile second = profile(u"shack.local "_s, u"04001"_s, std::nullopt);
        const ServerProfile other = profile(u"other"_s, u"4001"_s);
        profiles.setItems({first, second, other});
        const QString key = first.endpoint();
        const QString otherKey = other.endpoint();

        const auto location = [](const QString& endpoint) {
            return RotorLocation{endpoint, u"Tower"_s, u"Site"_s, 47, 8, 0, true, 600};
        };
        const QString locations = *RotorLocation::encode({location(key), location(otherKey)});
        const HeadingPreset presetHere = *HeadingPreset::make(key, u"Tower"_s, u"EU"_s, 45);
        const HeadingPreset presetThere = *HeadingPreset::make(otherKey, u"Tower"_s, u"JA"_s, 330);
        store.setText(SettingsKeys::rotorLocations, locations);
        store.setText(SettingsKeys::headingPresets, HeadingPreset::encode({presetHere, presetThere}));
        for (const QString& endpoint : {key, otherKey}) {
            store.setData(SettingsKeys::integrations(endpoint), "{}");
            store.setData(SettingsKeys::presentation(endpoint), "{}");
            store.setData(SettingsKeys::stationSnapshot(endpoint), "{}");
        }
        const QStringList allKeys = store.keys();

        profiles.remove(first);
        QCOMPARE(profiles.items(), (QList<ServerProfile>{second, other}));
        QCOMPARE(store.keys(), allKeys);
        QCOMPARE(store.text(SettingsKeys::rotorLocations), std::optional(locations));

        profiles.remove(second);
        QCOMPARE(profiles.items(), QList<ServerProfile>{other});
        QCOMPARE(RotorLocation::decode(*store.text(SettingsKeys::rotorLocations)),
                 QList<RotorLocation>{location(otherKey)});
        QCOMPARE(HeadingPreset::decode(*store.text(SettingsKeys::headingPresets)), QList<HeadingPreset>{presetThere});
        for (const QString& prefixed :
             {SettingsKeys::integrations(key), SettingsKeys::presentation(key), SettingsKeys::stationSnapshot(key)}) {
            QVERIFY2(!store.contains(prefixed), qPrintable(prefixed));
        }
        QVERIFY(store.contains(SettingsKeys::integrations(otherKey)));
        QVERIFY(store.contains(SettingsKeys::presentation(otherKey)));
        QVERIFY(store.contains(SettingsKeys::stationSnapshot(otherKey)));
        QVERIFY(store.contains(SettingsKeys::serverProfiles));
    }

    void remove_absentOrDamagedListsAreWrittenAsFilteredArrays()
    {
        MemorySettingsStore store;
        ServerProfiles profiles(store);
        const ServerProfile only = profile(u"a"_s, u"1"_s);
        profiles.setItems({only});
        store.setText(SettingsKeys::headingPresets, u"not json"_s);
        profiles.remove(only);
        QCOMPARE(store.text(SettingsKeys::rotorLocations), std::optional(u"[]"_s));
        QCOMPARE(store.text(SettingsKeys::headingPresets), std::optional(u"[]"_s));
    }

    void remove_profileNotInListStillCleansItsEndpoint()
    {
        MemorySettingsStore store;
        ServerProfiles profiles(store);
        const ServerProfile kept = profile(u"a"_s, u"1"_s);
        profiles.setItems({kept});
        const ServerProfile stranger = profile(u"b"_s, u"2"_s);
        store.setData(SettingsKeys::presentation(stranger.endpoint()), "{}");
        profiles.remove(stranger);
        QCOMPARE(profiles.items(), QList<ServerProfile>{kept});
        QVERIFY(!store.contains(SettingsKeys::presentation(stranger.endpoint())));
    }
};

QTEST_GUILESS_MAIN(TestServerProfiles)
#include "tst_serverprofiles.moc"

#include "app/profiles/SettingsKeys.h"
#include "app/profiles/StationPresentation.h"
#include "core/client/MemorySettingsStore.h"
#include "tests/support/AccentedNames.h"

#include <QJsonDocument>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

using Frequencies = QMap<int, double>;

class TestStationPresentation final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void visible_followsSwitchAndBandFilter_data()
    {
        QTest::addColumn<bool>("filterByBand");
        QTest::addColumn<int>("radio");
        QTest::addColumn<std::optional<DevicePresentation>>("entry");
        QTest::addColumn<Frequencies>("frequencies");
        QTest::addColumn<bool>("shown");

        const auto bands = [](const QString& text) { return std::optional(DevicePresentation{true, text, 0}); };
        const std::optional<DevicePresentation> none;
        const std::optional hidden(DevicePresentation{false, QString(), 0});

        QTest::newRow("no entry, filter on") << true << 3 << none << Frequencies{{1, 21.2}} << true;
        QTest::newRow("20m listed, radio A on 14.2")
            << true << 3 << bands(u"20M, 40m"_s) << Frequencies{{1, 14.2}} << true;
        QTest::newRow("20m listed, radio A on 21.2")
            << true << 3 << bands(u"20M, 40m"_s) << Frequencies{{1, 21.2}} << false;
        QTest::newRow("filter off ignores bands") << false << 3 << bands(u"20m"_s) << Frequencies{{1, 21.2}} << true;
        QTest::newRow("radio B source, only A reports")
            << true << 2 << bands(u"20m"_s) << Frequencies{{1, 21.2}} << true;
        QTest::newRow("radio B source, B off band")
            << true << 2 << bands(u"20m"_s) << Frequencies{{1, 14.1}, {2, 21.2}} << false;
        QTest::newRow("radio A source ignores B")
            << true << 1 << bands(u"40m"_s) << Frequencies{{1, 14.1}, {2, 7.1}} << false;
        QTest::newRow("either radio, B on 40m")
            << true << 3 << bands(u"40m"_s) << Frequencies{{1, 14.1}, {2, 7.1}} << true;
        QTest::newRow("outside every band hides nothing")
            << true << 3 << bands(u"20m"_s) << Frequencies{{1, 11.0}} << true;
        QTest::newRow("no frequencies") << true << 3 << bands(u"20m"_s) << Frequencies{} << true;
        QTest::newRow("band edges inclusive") << true << 3 << bands(u"20m"_s) << Frequencies{{1, 14.35}} << true;
        QTest::newRow("empty pieces skipped") << true << 3 << bands(u",, 15m ,"_s) << Frequencies{{1, 21.0}} << true;
        QTest::newRow("blank bands mean all bands") << true << 3 << bands(u" , "_s) << Frequencies{{1, 21.0}} << true;
        QTest::newRow("decimal band name") << true << 3 << bands(u"1.25M"_s) << Frequencies{{2, 223.5}} << true;
        QTest::newRow("hidden stays hidden with filter off") << false << 3 << hidden << Frequencies{} << false;
        QTest::newRow("hidden stays hidden with no band") << true << 3 << hidden << Frequencies{{1, 11.0}} << false;
    }
    void visible_followsSwitchAndBandFilter()
    {
        QFETCH(bool, filterByBand);
        QFETCH(int, radio);
        QFETCH(std::optional<DevicePresentation>, entry);
        QFETCH(Frequencies, frequencies);
        QFETCH(bool, shown);

        MemorySettingsStore store;
        StationPresentation presentation(store);
        PresentationSettings settings;
        settings.filterByBand = filterByBand;
        settings.radio = radio;
        if (entry) {
            settings.devices.insert(u"Switch: Main"_s, *entry);
        }
        presentation.setSettings(settings);
        QCOMPARE(presentation.visible(u"Switch: Main"_s, frequencies), shown);
    }

    void before_ordersByNumberThenByNaturalKey()
    {
        MemorySettingsStore store;
        StationPresentation presentation(store);
        PresentationSettings settings;
        settings.devices.insert(u"Stack: Z"_s, DevicePresentation{true, QString(), -1});
        settings.devices.insert(u"Rotor: Aardvark"_s, DevicePresentation{true, QString(), 5});
        presentation.setSettings(settings);

        QStringList keys{u"Rotor: Aardvark"_s, u"Rotor: Tower 10"_s, u"Switch: main"_s,
                         u"Rotor: Tower 2"_s,  u"Stack: Z"_s,        u"rotor: tower 3"_s};
        std::ranges::sort(keys, [&](const QString& a, const QString& b) { return presentation.before(a, b); });
        QCOMPARE(keys, (QStringList{u"Stack: Z"_s, u"Rotor: Tower 2"_s, u"rotor: tower 3"_s, u"Rotor: Tower 10"_s,
                                    u"Switch: main"_s, u"Rotor: Aardvark"_s}));
        QVERIFY(!presentation.before(u"Rotor: A"_s, u"Rotor: A"_s));
        QVERIFY(presentation.before(u"Rotor: A"_s, u"rotor: a"_s) != presentation.before(u"rotor: a"_s, u"Rotor: A"_s));
    }

    void loadAndSave_roundTripPerEndpoint()
    {
        MemorySettingsStore store;
        StationPresentation presentation(store);
        QSignalSpy changed(&presentation, &StationPresentation::settingsChanged);

        presentation.save();
        QVERIFY(store.keys().isEmpty());

        presentation.load(u"a:1"_s);
        QCOMPARE(presentation.settings(), PresentationSettings{});
        PresentationSettings edited;
        edited.devices.insert(u"Rotor: Tower"_s, DevicePresentation{false, u"20m"_s, 2});
        const QStringList names = AccentedNames::generate();
        for (qsizetype i = 0; i < names.size(); ++i) {
            edited.devices.insert(u"Switch: "_s + names.at(i),
                                  DevicePresentation{i % 2 == 0, u"40m"_s, static_cast<int>(i)});
        }
        edited.filterByBand = true;
        edited.radio = 2;
        edited.cardWidth = 410;
        edited.accent = u"Purple"_s;
        presentation.setSettings(edited);
        presentation.save();
        QVERIFY(store.data(SettingsKeys::presentation(u"a:1"_s)));

        presentation.load(u"b:1"_s);
        QCOMPARE(presentation.settings(), PresentationSettings{});
        const int before = changed.count();
        presentation.load(u"b:1"_s);
        QCOMPARE(changed.count(), before);

        presentation.load(u"a:1"_s);
        QCOMPARE(presentation.settings(), edited);
        QCOMPARE(presentation.color(), StationPresentation::accentColor(u"Purple"_s));
    }

    void load_layoutMissingAKeyUsesDefaults_data()
    {
        QTest::addColumn<QString>("missing");
        QTest::newRow("accent") << u"accent"_s;
        QTest::newRow("device order") << u"order"_s;
        QTest::newRow("radio") << u"radio"_s;
    }
    void load_layoutMissingAKeyUsesDefaults()
    {
        QFETCH(QString, missing);
        PresentationSettings stored;
        stored.devices.insert(u"Rotor: Tower"_s, DevicePresentation{false, u"20m"_s, 2});
        stored.radio = 1;
        stored.accent = u"Blue"_s;
        QJsonObject object = stored.toJson();
        if (missing == u"order"_s) {
            QJsonObject devices = object.value(u"devices"_s).toObject();
            QJsonObject device = devices.value(u"Rotor: Tower"_s).toObject();
            device.remove(missing);
            devices.insert(u"Rotor: Tower"_s, device);
            object.insert(u"devices"_s, devices);
        } else {
            object.remove(missing);
        }
        MemorySettingsStore store;
        store.setData(SettingsKeys::presentation(u"a:1"_s), QJsonDocument(object).toJson());
        StationPresentation presentation(store);
        presentation.load(u"a:1"_s);
        QCOMPARE(presentation.settings(), PresentationSettings{});
    }

    void accent_unknownNamesAreTeal()
    {
        const QColor teal = StationPresentation::accentColor(u"Teal"_s);
        QCOMPARE(StationPresentation::accentColor(u"blue"_s), teal);
        QCOMPARE(StationPresentation::accentColor(u""_s), teal);
        const QList<QColor> named{StationPresentation::accentColor(u"Blue"_s),
                                  StationPresentation::accentColor(u"Orange"_s),
                                  StationPresentation::accentColor(u"Purple"_s), teal};
        for (qsizetype i = 0; i < named.size(); ++i) {
            QCOMPARE(named.count(named.at(i)), 1);
        }
    }
};

QTEST_GUILESS_MAIN(TestStationPresentation)
#include "tst_stationpresentation.moc"

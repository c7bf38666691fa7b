#include "app/map/CountryData.h"
#include "app/map/PointAtTargets.h"
#include "app/profiles/RotorLocation.h"
#include "app/profiles/SettingsKeys.h"
#include "app/ui/rotor/RotorCard.h"
#include "app/ui/style/LocaleText.h"
#include "tests/core/client/ClientTestSupport.h"
#include "tests/core/geo/GeoTestFiles.h"
#include "tests/support/ViewTestSupport.h"

#include <QAbstractButton>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace ClientTest;

namespace {

// A tower due south of locator JO62's centre (52.5° N, 13° E), its controller's zero 10° east of
// true north: the short path is true north exactly and the long path true south, so the
// controller headings are 350.0° and 170.0° whatever geodesic library works them out.
RotorLocation tower(const QString& endpoint)
{
    RotorLocation location;
    location.endpoint = endpoint;
    location.rotor = u"Rotor 1"_s;
    location.label = u"Back garden"_s;
    location.latitude = 40.0;
    location.longitude = 13.0;
    location.northOffset = 10.0;
    location.spanMeters = 600;
    return location;
}

// The simulated station with "Rotor 1" placed as above, the small country file loaded, and the
// card following the client.
struct PointAtBench {
    Bench bench;
    QTemporaryDir folder;
    std::unique_ptr<CountryData> countries;
    PointAtTargets targets;
    QWidget window;
    RotorCard* card = nullptr;

    explicit PointAtBench(bool placed = true)
    {
        QVERIFY(folder.isValid());
        QFile file(folder.filePath(u"cty.csv"_s));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(smallCountryCsv()) > 0);
        file.close();
        countries =
            std::make_unique<CountryData>(CountryData::Paths{{file.fileName()}, QString(), folder.filePath(u"data"_s)});
        countries->load();
        QVERIFY(countries->countries());

        const QString endpoint = endpointOf(*bench.simulator);
        if (placed) {
            bench.defaults.setText(SettingsKeys::rotorLocations,
                                   RotorLocation::saving(tower(endpoint), endpoint, u"Rotor 1"_s, {}));
        }
        card = new RotorCard(*bench.client, bench.defaults, u"Rotor 1"_s, &window);
        card->setEndpoint(endpoint);
        card->setPointAtServices(countries.get(), &targets);
        for (const auto changed : {&KeltoClient::stationChanged, &KeltoClient::nowChanged,
                                   &KeltoClient::connectedChanged, &KeltoClient::controlsEnabledChanged}) {
            QObject::connect(bench.client.get(), changed, card, &RotorCard::refresh);
        }
        window.resize(380, 1000);
        card->setGeometry(0, 0, 380, 1000);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }

    void open()
    {
        bench.connectLive();
        bench.client->setControlsEnabled(true);
        bench.simulator->clearReceived();
    }

    QLineEdit* field() const { return ViewTest::byName<QLineEdit>(card, u"Point Rotor 1 at"_s); }
    QAbstractButton* button(const QString& name) const { return ViewTest::byName<QAbstractButton>(card, name); }
    QString label(const QString& name) const
    {
        const QLabel* found = ViewTest::byName<QLabel>(card, name);
        return found ? found->text() : QString();
    }
};

} // namespace

// The card's "Point at" section against a simulated station: what reaches the wire, the log line,
// and the guards.
class TestPointAt final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void typedTarget_turnsExactlyTheControllerHeading_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("heading");
        QTest::addColumn<QString>("logged");
        QTest::newRow("locator, short path")
            << u"jo62"_s << u"Turn short path"_s << u"350.0"_s << u"short path to JO62"_s;
        QTest::newRow("locator, long path") << u"JO62"_s << u"Turn long path"_s << u"170.0"_s << u"long path to JO62"_s;
        QTest::newRow("locator, Return") << u"jo62\n"_s << QString() << u"350.0"_s << u"short path to JO62"_s;
    }
    void typedTarget_turnsExactlyTheControllerHeading()
    {
        QFETCH(QString, typed);
        QFETCH(QString, button);
        QFETCH(QString, heading);
        QFETCH(QString, logged);
        PointAtBench fixture;
        CLIENT_TEST_CHECK(fixture.open());
        QVERIFY(fixture.field() && fixture.field()->isEnabled());

        const bool pressReturn = typed.endsWith(u'\n');
        QTest::keyClicks(fixture.field(), typed.trimmed());
        QCOMPARE(fixture.label(u"Point-at source for Rotor 1"_s), u"grid"_s);
        // Typing alone moves nothing.
        QTest::qWait(50);
        QCOMPARE(commandRecords(*fixture.bench.simulator), QList<QByteArray>());
        if (pressReturn) {
            QTest::keyClick(fixture.field(), Qt::Key_Return);
        } else {
            QTest::mouseClick(fixture.button(button), Qt::LeftButton);
        }
        QTRY_COMPARE(commandRecords(*fixture.bench.simulator), QList{wireLine({u"TURN"_s, u"Rotor 1"_s, heading})});
        QCOMPARE(lastLogText(*fixture.bench.client),
                 u"Turn requested: Rotor 1 → "_s + heading + u"° ("_s + logged + u')');
    }

    void call_showsCountryZonesSourceAndBothPaths()
    {
        PointAtBench fixture;
        CLIENT_TEST_CHECK(fixture.open());
        QTest::keyClicks(fixture.field(), u"ja1abc"_s);
        QCOMPARE(fixture.label(u"Point-at place for Rotor 1"_s), u"Japan (Kanto) · CQ 25 · ITU 45"_s);
        QCOMPARE(fixture.label(u"Point-at source for Rotor 1"_s), u"call area"_s);
        // Japan's entity lies east-north-east of a tower in Italy: about 40° true, 30° on the controller.
        const QString shortPath = fixture.label(u"Short path for Rotor 1"_s);
        QVERIFY2(shortPath.endsWith(u" km"_s), qPrintable(shortPath));
        const double shortHeading = shortPath.section(u'°', 0, 0).toDouble();
        QVERIFY2(shortHeading > 20 && shortHeading < 40, qPrintable(shortPath));
        const double longHeading = fixture.label(u"Long path for Rotor 1"_s).section(u'°', 0, 0).toDouble();
        QVERIFY2(std::abs(longHeading - shortHeading - 180.0) < 0.11, qPrintable(QString::number(longHeading)));
        // The tab's targets carry what the field shows, for key bindings.
        QCOMPARE(fixture.targets.text(u"Rotor 1"_s), u"ja1abc"_s);

        // The same path in miles once the operator reads miles.
        // Whole units, written with the locale's group separator.
        const auto amount = [](const QString& path) {
            return QLocale().toDouble(path.section(u" · "_s, 1).section(u' ', 0, 0));
        };
        const double kilometres = amount(shortPath);
        LocaleText::setDistanceUnit(LocaleText::DistanceUnit::miles);
        fixture.field()->clear();
        QTest::keyClicks(fixture.field(), u"ja1abc"_s);
        const QString inMiles = fixture.label(u"Short path for Rotor 1"_s);
        LocaleText::setDistanceUnit(LocaleText::DistanceUnit::kilometres);
        QVERIFY2(inMiles.endsWith(u" mi"_s), qPrintable(inMiles));
        const double miles = amount(inMiles);
        QVERIFY2(kilometres > 8000 && std::abs(miles - kilometres / 1.609344) < 1.0, qPrintable(inMiles));
    }

    void guardsRefuse_nothingIsSent_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("controls");
        QTest::addColumn<QString>("reason");
        QTest::newRow("control off") << u"JO62"_s << false << u"Enable control to rotate."_s;
        QTest::newRow("nothing resolves") << u"W1AW/MM"_s << true << u"that resolves"_s;
        QTest::newRow("empty") << QString() << true << u"that resolves"_s;
    }
    void guardsRefuse_nothingIsSent()
    {
        QFETCH(QString, typed);
        QFETCH(bool, controls);
        QFETCH(QString, reason);
        PointAtBench fixture;
        CLIENT_TEST_CHECK(fixture.open());
        fixture.bench.client->setControlsEnabled(controls);
        QTest::keyClicks(fixture.field(), typed);
        const QStringList logBefore = logTexts(*fixture.bench.client);
        for (const QString& name : {u"Turn short path"_s, u"Turn long path"_s}) {
            QAbstractButton* button = fixture.button(name);
            QVERIFY(button && !button->isEnabled());
            QVERIFY2(button->toolTip().contains(reason), qPrintable(button->toolTip()));
            QTest::mouseClick(button, Qt::LeftButton);
        }
        QTest::keyClick(fixture.field(), Qt::Key_Return);
        QCOMPARE(logTexts(*fixture.bench.client), logBefore);
        fixture.bench.client->refreshPresets();
        QTRY_COMPARE(commandRecords(*fixture.bench.simulator), QList<QByteArray>{"GET_LOCATIONS\r\n"});
    }

    void rotorWithoutPosition_disablesFieldAndSaysHowToPlaceIt()
    {
        PointAtBench fixture(false);
        CLIENT_TEST_CHECK(fixture.open());
        QVERIFY(!fixture.field()->isEnabled());
        QVERIFY2(fixture.field()->toolTip().contains(u"no position"_s), qPrintable(fixture.field()->toolTip()));
        QVERIFY2(fixture.label(u"Point-at note for Rotor 1"_s).contains(u"Set tower location…"_s),
                 qPrintable(fixture.label(u"Point-at note for Rotor 1"_s)));
        QVERIFY(fixture.button(u"Set tower location…"_s));
        QVERIFY(!fixture.button(u"Turn short path"_s)->isEnabled());
    }

    void targetNearTheAntipode_isFlagged()
    {
        PointAtBench fixture;
        CLIENT_TEST_CHECK(fixture.open());
        // AF60's centre (39.5° S, 167° W) lies about 55 km from the tower's antipode.
        QTest::keyClicks(fixture.field(), u"AF60"_s);
        QVERIFY2(fixture.label(u"Point-at note for Rotor 1"_s).contains(u"antipode"_s),
                 qPrintable(fixture.label(u"Point-at note for Rotor 1"_s)));
        fixture.field()->clear();
        QTest::keyClicks(fixture.field(), u"JO62"_s);
        QCOMPARE(fixture.label(u"Point-at note for Rotor 1"_s), QString());
    }

    void targetSetElsewhere_movesTheFieldButTurnsNothing()
    {
        PointAtBench fixture;
        CLIENT_TEST_CHECK(fixture.open());
        fixture.targets.setText(u"Rotor 1"_s, u"PM95"_s);
        QCOMPARE(fixture.field()->text(), u"PM95"_s);
        QCOMPARE(fixture.label(u"Point-at source for Rotor 1"_s), u"grid"_s);
        QTest::qWait(50);
        QCOMPARE(commandRecords(*fixture.bench.simulator), QList<QByteArray>());
    }
};

QTEST_MAIN(TestPointAt)
#include "tst_pointat.moc"

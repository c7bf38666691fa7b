#include "app/profiles/RotorLocation.h"
#include "app/ui/map/TowerMap.h"
#include "app/ui/sheets/RotorLocationEditor.h"
#include "app/ui/style/StationColors.h"
#include "core/client/MemorySettingsStore.h"
#include "tests/app/ui/MapTestSupport.h"
#include "tests/app/ui/SheetTestSupport.h"
#include "tests/core/client/ClientTestSupport.h"
#include "tests/support/ViewTestSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QSignalSpy>
#include <QTest>

#include <memory>
#include <optional>

using namespace Qt::Literals::StringLiterals;
using namespace MapTest;

Q_DECLARE_METATYPE(std::optional<RotorLocation>)

namespace {

const QString endpoint = u"10.0.0.7:4001"_s;
const QString coordinatesMessage = u"Enter valid coordinates and an offset between −180° and 180°."_s;

// Sets the default locale for one test and puts the previous one back.
struct LocaleScope {
    QLocale previous;
    explicit LocaleScope(const QString& name) { QLocale::setDefault(QLocale(name)); }
    ~LocaleScope() { QLocale::setDefault(previous); }
};

// A typed number as the test compares it, whichever separator it was typed with.
double typed(QString text)
{
    return text.replace(u',', u'.').toDouble();
}

RotorLocation at(double latitude, double longitude, double span)
{
    return RotorLocation{endpoint, u"Rotor 1"_s, u"Mast"_s, latitude, longitude, 0, false, span};
}

QByteArray places(int count)
{
    QJsonArray found;
    for (int i = 0; i < count; ++i) {
        QJsonObject place{{u"lat"_s, QString::number(10 + i)}, {u"lon"_s, QString::number(20 + i)}};
        // The fourth has no display name, only a name; the fifth has neither.
        if (i == 3) {
            place.insert(u"name"_s, u"Place 4"_s);
        } else if (i != 4) {
            place.insert(u"display_name"_s, u"Place "_s + QString::number(i + 1));
        }
        found.append(place);
    }
    return QJsonDocument(found).toJson(QJsonDocument::Compact);
}

// The sheet as the rotor card opens it, over local tile and geocoder servers, with what it saved.
struct EditorBench {
    MemorySettingsStore defaults;
    LocalMaps maps{defaults};
    QWidget window;
    RotorLocationEditor* editor = nullptr;
    std::unique_ptr<QSignalSpy> saved;

    void open(const std::optional<RotorLocation>& existing, const QString& site = {})
    {
        window.resize(700, 900);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        editor = new RotorLocationEditor(*maps.loader, *maps.places, endpoint, u"Rotor 1"_s, existing, site, &window);
        editor->setAttribute(Qt::WA_DeleteOnClose);
        saved = std::make_unique<QSignalSpy>(editor, &RotorLocationEditor::save);
        editor->open();
        QVERIFY(QTest::qWaitForWindowExposed(editor));
    }

    QLineEdit* field(const QString& name) const { return ViewTest::byName<QLineEdit>(editor, name); }
    QString text(const QString& name) const { return field(name)->text(); }
    QAbstractButton* button(const QString& name) const { return ViewTest::byName<QAbstractButton>(editor, name); }
    void click(const QString& name) const { SheetTest::click(editor, name); }
    void type(const QString& name, const QString& text) const { SheetTest::type(editor, name, text); }
    std::optional<RotorLocation> savedLocation() const
    {
        return saved->isEmpty() ? std::nullopt : saved->last().at(0).value<std::optional<RotorLocation>>();
    }
};

} // namespace

// The tower location editor against local tile and geocoder servers: nudges, zoom, the draft
// rule behind Save, address search and grid locators, and the map under the crosshair.
class TestRotorLocationEditor final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void nudge_floorsTheCosineNearThePoles()
    {
        // 75 m east is 0.000674° of longitude at the equator, twice that at 60°; at 89° the
        // cosine (0.017) is floored at 0.087 rather than sending the tower a fifth of the way round.
        const auto east = [](double latitude) {
            return RotorLocationEditor::nudged({latitude, 10.0}, 0, 1, 600).longitude;
        };
        QCOMPARE(QString::asprintf("%.6f", east(0.0)), u"10.000674"_s);
        QCOMPARE(QString::asprintf("%.6f", east(60.0)), u"10.001347"_s);
        QCOMPARE(QString::asprintf("%.6f", east(89.0)), u"10.007744"_s);
    }

    void nudgeButtons_moveTheTexts_andSaveKeepsThem()
    {
        EditorBench bench;
        CLIENT_TEST_CHECK(bench.open(at(84.99, 179.99, 10000)));
        QCOMPARE(bench.text(u"Tower latitude"_s), u"84.990000"_s);

        bench.click(u"Move map center north"_s);
        QCOMPARE(bench.text(u"Tower latitude"_s), u"85.000000"_s);
        QCOMPARE(bench.text(u"Tower longitude"_s), u"179.990000"_s);
        // From 85° the step east is 1250 m / cos 85°: across the date line.
        bench.click(u"Move map center east"_s);
        QCOMPARE(bench.text(u"Tower longitude"_s), u"-179.881163"_s);
        QVERIFY(std::abs(bench.editor->findChild<TowerMap*>()->longitude() - -179.881163) < 1e-6);

        bench.click(u"Save location"_s);
        QCOMPARE(bench.saved->size(), 1);
        const std::optional<RotorLocation> location = bench.savedLocation();
        QVERIFY(location);
        QCOMPARE(location->latitude, 85.0);
        QVERIFY(std::abs(location->longitude - -179.881163) < 1e-6);
        QCOMPARE(location->spanMeters, 10000.0);
        QCOMPARE(location->label, u"Mast"_s);
    }

    void zoom_stopsAtTheBoundsAndSaysWhy_data()
    {
        QTest::addColumn<double>("span");
        QTest::addColumn<bool>("out");
        QTest::addColumn<double>("expected");
        QTest::addColumn<QString>("reason");
        QTest::newRow("out from 6000") << 6000.0 << true << 10000.0 << u"widest"_s;
        QTest::newRow("in from 150") << 150.0 << false << 100.0 << u"closest"_s;
    }
    void zoom_stopsAtTheBoundsAndSaysWhy()
    {
        QFETCH(double, span);
        QFETCH(bool, out);
        QFETCH(double, expected);
        QFETCH(QString, reason);
        EditorBench bench;
        CLIENT_TEST_CHECK(bench.open(at(52.5, 13.4, span)));
        const QString name = out ? u"Zoom out in location editor"_s : u"Zoom in in location editor"_s;
        QAbstractButton* other = bench.button(out ? u"Zoom in in location editor"_s : u"Zoom out in location editor"_s);

        bench.click(name);
        QCOMPARE(bench.editor->previewSpan(), expected);
        QCOMPARE(bench.editor->findChild<TowerMap*>()->span(), expected);
        QVERIFY(!bench.button(name)->isEnabled());
        QVERIFY2(bench.button(name)->toolTip().contains(reason), qPrintable(bench.button(name)->toolTip()));
        QVERIFY(other->isEnabled());
        bench.click(name);
        QCOMPARE(bench.editor->previewSpan(), expected);
        bench.click(u"Save location"_s);
        QCOMPARE(bench.savedLocation().value().spanMeters, expected);
    }

    void typedTexts_makeADraftOnlyWhenValid_data()
    {
        QTest::addColumn<QString>("latitude");
        QTest::addColumn<QString>("longitude");
        QTest::addColumn<QString>("offset");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QString>("locale");
        const QString c = u"C"_s;
        const QString german = u"de_DE"_s;
        QTest::newRow("valid") << u"52.52"_s << u"13.405"_s << u"-12.5"_s << true << c;
        QTest::newRow("comma decimal") << u"52,52"_s << u"13.405"_s << u"0"_s << false << c;
        QTest::newRow("latitude 86") << u"86"_s << u"13.405"_s << u"0"_s << false << c;
        QTest::newRow("offset 181") << u"52.52"_s << u"13.405"_s << u"181"_s << false << c;
        QTest::newRow("no offset") << u"52.52"_s << u"13.405"_s << QString() << false << c;
        // Under a German locale the comma is the separator, and a point still reads as one.
        QTest::newRow("German comma") << u"52,52"_s << u"13,405"_s << u"-12,5"_s << true << german;
        QTest::newRow("German point") << u"52.52"_s << u"13.405"_s << u"-12.5"_s << true << german;
        QTest::newRow("German group") << u"52.520,1"_s << u"13,405"_s << u"0"_s << false << german;
    }
    void typedTexts_makeADraftOnlyWhenValid()
    {
        QFETCH(QString, latitude);
        QFETCH(QString, longitude);
        QFETCH(QString, offset);
        QFETCH(bool, valid);
        QFETCH(QString, locale);
        const LocaleScope scope(locale);
        EditorBench bench;
        CLIENT_TEST_CHECK(bench.open(std::nullopt));
        auto* map = bench.editor->findChild<TowerMap*>();
        QVERIFY(!map->isVisible());
        bench.type(u"Tower latitude"_s, latitude);
        bench.type(u"Tower longitude"_s, longitude);
        bench.type(u"True-north offset (°)"_s, offset);

        QAbstractButton* save = bench.button(u"Save location"_s);
        QCOMPARE(save->isEnabled(), valid);
        bench.click(u"Preview coordinates"_s);
        QCOMPARE(map->isVisible(), valid);
        QCOMPARE(bool(ViewTest::labelWithText(bench.editor, coordinatesMessage)), !valid);
        if (!valid) {
            QVERIFY2(save->toolTip().contains(coordinatesMessage), qPrintable(save->toolTip()));
            QTest::mouseClick(save, Qt::LeftButton);
            QCOMPARE(bench.saved->size(), 0);
            QVERIFY(bench.editor->isVisible());
            return;
        }
        QCOMPARE(map->latitude(), typed(latitude));
        QCOMPARE(map->longitude(), typed(longitude));
        QTest::keyClick(bench.field(u"Tower latitude"_s), Qt::Key_Return);
        const std::optional<RotorLocation> location = bench.savedLocation();
        QVERIFY(location);
        QCOMPARE(location->latitude, typed(latitude));
        QCOMPARE(location->northOffset, typed(offset));
        QCOMPARE(location->spanMeters, RotorLocation::siteSpanMeters);
        QTRY_VERIFY(!QApplication::activeModalWidget());
    }

    void storedLocation_isShownInTheLocaleAndSavedUnchanged()
    {
        const LocaleScope scope(u"de_DE"_s);
        RotorLocation stored = at(52.52, -13.405, 600);
        stored.northOffset = -12.5;
        EditorBench bench;
        CLIENT_TEST_CHECK(bench.open(stored));
        QCOMPARE(bench.text(u"Tower latitude"_s), u"52,520000"_s);
        QCOMPARE(bench.text(u"Tower longitude"_s), u"-13,405000"_s);
        QCOMPARE(bench.text(u"True-north offset (°)"_s), u"-12,5"_s);
        QVERIFY2(bench.field(u"Tower latitude"_s)->toolTip().contains(u"a point or a comma"_s),
                 qPrintable(bench.field(u"Tower latitude"_s)->toolTip()));
        bench.click(u"Save location"_s);
        QCOMPARE(bench.savedLocation(), std::optional<RotorLocation>(stored));
    }

    void addressSearch_answersAsTheGeocoderDoes_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QStringList>("choices");
        QTest::addColumn<QString>("latitude");
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("error");
        const QStringList none;
        QTest::newRow("seven places show five")
            << 200 << places(7)
            << QStringList{u"Place 1"_s, u"Place 2"_s, u"Place 3"_s, u"Place 4"_s, u"Search result"_s} << QString()
            << u"Tower hill"_s << QString();
        QTest::newRow("one place is taken at once")
            << 200 << places(1) << none << u"10.000000"_s << u"Place 1"_s << QString();
        QTest::newRow("no place") << 200 << QByteArray("[]") << none << QString() << u"Tower hill"_s
                                  << u"No matching location. Try a fuller address or enter coordinates."_s;
        QTest::newRow("server error") << 500 << QByteArray("oops") << none << QString() << u"Tower hill"_s
                                      << u"Address search unavailable. Try again or enter coordinates."_s;
    }
    void addressSearch_answersAsTheGeocoderDoes()
    {
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        QFETCH(QStringList, choices);
        QFETCH(QString, latitude);
        QFETCH(QString, address);
        QFETCH(QString, error);
        EditorBench bench;
        bench.maps.geocoder.setRoute(u"/search"_s, {status, body, "application/json", {}, 300, false});
        CLIENT_TEST_CHECK(bench.open(std::nullopt));
        bench.type(u"Rotator address"_s, u"Tower hill"_s);
        QTest::keyClick(bench.field(u"Rotator address"_s), Qt::Key_Return);
        QVERIFY(bench.button(u"Searching…"_s));
        QTRY_VERIFY(bench.button(u"Search"_s));
        QCOMPARE(bench.maps.geocoder.requests().size(), 1);
        QCOMPARE(bench.maps.geocoder.requests().first().query.queryItemValue(u"q"_s), u"Tower hill"_s);
        // Return searched; it did not save.
        QCOMPARE(bench.saved->size(), 0);

        for (const QString& choice : choices) {
            QVERIFY2(bench.button(choice), qPrintable(choice));
        }
        QVERIFY(!bench.button(u"Place 6"_s));
        QCOMPARE(bench.text(u"Tower latitude"_s), latitude);
        QCOMPARE(bench.text(u"Rotator address"_s), address);
        QLabel* message = error.isEmpty() ? nullptr : ViewTest::labelWithText(bench.editor, error);
        QCOMPARE(message != nullptr, !error.isEmpty());
        if (message) {
            QVERIFY(message->isVisible());
            QCOMPARE(message->palette().color(QPalette::WindowText), StationColors::orange(bench.editor->palette()));
        }
        if (!choices.isEmpty()) {
            bench.click(u"Place 3"_s);
            QCOMPARE(bench.text(u"Tower latitude"_s), u"12.000000"_s);
            QCOMPARE(bench.text(u"Tower longitude"_s), u"22.000000"_s);
            QCOMPARE(bench.text(u"Rotator address"_s), u"Place 3"_s);
            QVERIFY(bench.editor->findChild<TowerMap*>()->isVisible());
        }
    }

    void siteAddress_isLookedUpOnOpening()
    {
        EditorBench bench;
        bench.maps.geocoder.setRoute(u"/search"_s, {200, places(1), "application/json", {}, 0, false});
        CLIENT_TEST_CHECK(bench.open(std::nullopt, u"  Reykjavík, Iceland "_s));
        QTRY_COMPARE(bench.text(u"Tower latitude"_s), u"10.000000"_s);
        QCOMPARE(bench.maps.geocoder.requests().first().query.queryItemValue(u"q"_s), u"Reykjavík, Iceland"_s);
        QVERIFY(!bench.button(u"Remove location"_s)->isVisible());
    }

    void gridLocator_isPlacedWithoutARequest_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("locator");
        QTest::addColumn<QString>("latitude");
        QTest::addColumn<QString>("longitude");
        QTest::newRow("6 characters, lower case") << u"jo62qm"_s << u"JO62qm"_s << u"52.520833"_s << u"13.375000"_s;
        QTest::newRow("8 characters") << u"FN31pr57"_s << u"FN31pr57"_s << u"41.739583"_s << u"-72.704167"_s;
    }
    void gridLocator_isPlacedWithoutARequest()
    {
        QFETCH(QString, typed);
        QFETCH(QString, locator);
        QFETCH(QString, latitude);
        QFETCH(QString, longitude);
        EditorBench bench;
        bench.maps.geocoder.setRoute(u"/search"_s, {200, places(1), "application/json", {}, 0, false});
        CLIENT_TEST_CHECK(bench.open(std::nullopt));
        bench.type(u"Rotator address"_s, typed);
        bench.click(u"Search"_s);

        QCOMPARE(bench.text(u"Tower latitude"_s), latitude);
        QCOMPARE(bench.text(u"Tower longitude"_s), longitude);
        QCOMPARE(bench.text(u"Rotator address"_s), locator);
        QVERIFY(bench.editor->findChild<TowerMap*>()->isVisible());
        bench.click(u"Save location"_s);
        QCOMPARE(bench.savedLocation().value().label, locator);
        // Give a request that should not exist every chance to arrive.
        QSignalSpy requests(&bench.maps.geocoder, &LocalHttpServer::requestReceived);
        QVERIFY(!requests.wait(300));
        QCOMPARE(bench.maps.geocoder.requests().size(), 0);
    }

    void draggingTheMap_movesTheCoordinateTexts()
    {
        EditorBench bench;
        CLIENT_TEST_CHECK(bench.open(at(52.5, 13.4, 600)));
        auto* map = bench.editor->findChild<TowerMap*>();
        const QPoint middle = map->rect().center();
        QTest::mousePress(map, Qt::LeftButton, {}, middle);
        for (int dx = 10; dx <= 120; dx += 10) {
            QTest::mouseMove(map, middle + QPoint(dx, dx / 2));
        }
        QTest::mouseRelease(map, Qt::LeftButton, {}, middle + QPoint(120, 60));

        // Dragged right and down: the tower now sits west and north of where it was.
        QTRY_VERIFY(bench.text(u"Tower longitude"_s).toDouble() < 13.399);
        QVERIFY(bench.text(u"Tower latitude"_s).toDouble() > 52.5001);
        const QString longitude = bench.text(u"Tower longitude"_s);
        QCOMPARE(longitude, QString::asprintf("%.6f", map->longitude()));
        bench.click(u"Save location"_s);
        QCOMPARE(bench.savedLocation().value().longitude, longitude.toDouble());
    }

    void cancel_savesNothing()
    {
        EditorBench bench;
        CLIENT_TEST_CHECK(bench.open(at(52.5, 13.4, 600)));
        bench.click(u"Move map center north"_s);
        bench.click(u"Cancel"_s);
        QTRY_VERIFY(!QApplication::activeModalWidget());
        QCOMPARE(bench.saved->size(), 0);
    }
};

QTEST_MAIN(TestRotorLocationEditor)
#include "tst_rotorlocationeditor.moc"

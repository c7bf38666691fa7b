#include "app/map/NominatimPlaceSearch.h"
#include "app/profiles/HeadingPreset.h"
#include "app/profiles/ProfileManager.h"
#include "app/profiles/ServerProfiles.h"
#include "app/profiles/SettingsKeys.h"
#include "app/profiles/SettingsNotifications.h"
#include "app/profiles/StationPresentation.h"
#include "app/profiles/UuidText.h"
#include "app/ui/profiles/FileDialogs.h"
#include "app/ui/profiles/ProfileManagerDialog.h"
#include "tests/core/client/ClientTestSupport.h"
#include "tests/support/LocalHttpServer.h"
#include "tests/support/ViewTestSupport.h"

#include <QComboBox>
#include <QDate>
#include <QFile>
#include <QListWidget>
#include <QMessageBox>
#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <memory>

using namespace ClientTest;

namespace {

const QString latitudeField = u"Latitude (−85…85)"_s;
const QString longitudeField = u"Longitude (−180…180)"_s;
const QString checkingText = u"Checking server and site location…"_s;

// Answers the file questions with names the test chose; no name is the user cancelling.
struct ChosenFiles final : FileDialogs {
    QString saveName;
    QString openName;
    QString suggested;

    void saveJson(QWidget*, const QString&, const QString& suggestedName, Chosen chosen) override
    {
        suggested = suggestedName;
        if (!saveName.isEmpty()) {
            chosen(saveName);
        }
    }
    void openJson(QWidget*, const QString&, Chosen chosen) override
    {
        if (!openName.isEmpty()) {
            chosen(openName);
        }
    }
};

ServerProfile profile(const QString& name, const QString& host, const QString& port)
{
    return ServerProfile{QUuid::createUuid(), name, host, port, ConnectionKind::ovVarnex, {}, {}, {}};
}

QMessageBox* alert()
{
    return qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
}

void click(const QWidget* root, const QString& name)
{
    auto* button = ViewTest::byName<QAbstractButton>(root, name);
    QVERIFY2(button, qPrintable(u"no button "_s + name));
    QTest::mouseClick(button, Qt::LeftButton);
}

// Waits for the alert titled `title`, checks its message when one is given, and presses `button`.
void answer(const QString& title, const QString& button, const QString& message = {})
{
    QTRY_VERIFY(alert() && alert()->text() == title);
    if (!message.isEmpty()) {
        QCOMPARE(alert()->informativeText(), message);
    }
    const QPointer<QMessageBox> box = alert();
    click(box, button);
    // The answer may raise the next alert at once.
    QTRY_VERIFY(!box);
}

// The editor over its own stores, with the station simulator as the server to verify and a
// local geocoder, shown offscreen the way the station view opens it.
struct Editor {
    ManualClock clock;
    MemorySettingsStore defaults;
    ServerProfiles profiles{defaults};
    StationSimulator simulator;
    LocalHttpServer geocoder;
    ChosenFiles files;
    QList<ServerProfile> chosen;
    std::unique_ptr<NominatimPlaceSearch> places;
    std::unique_ptr<ProfileManager> manager;
    std::unique_ptr<ProfileManagerDialog> dialog;

    explicit Editor(const QList<ServerProfile>& stored = {})
    {
        QVERIFY(simulator.listen());
        QVERIFY(geocoder.listen());
        profiles.setItems(stored);
        defaults.setText(NominatimPlaceSearch::baseAddressKey, geocoder.url(u"/search"_s).toString());
        places = std::make_unique<NominatimPlaceSearch>(defaults);
        manager = std::make_unique<ProfileManager>(
            profiles, *places,
            [this](const ServerProfile& saved) {
                chosen.append(saved);
                return true;
            },
            clock);
        dialog = std::make_unique<ProfileManagerDialog>(*manager, nullptr, &files);
        dialog->open();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    }

    QLineEdit* field(const QString& name) const { return ViewTest::byName<QLineEdit>(dialog.get(), name); }
    QString text(const QString& name) const { return field(name) ? field(name)->text() : u"<none>"_s; }
    bool saveEnabled() const { return ViewTest::byName<QAbstractButton>(dialog.get(), u"Save"_s)->isEnabled(); }
    bool showing(const QString& label) const
    {
        const QLabel* shown = ViewTest::labelWithText(dialog.get(), label);
        return shown && shown->isVisible();
    }

    void type(const QString& name, const QString& text)
    {
        QLineEdit* edit = field(name);
        QVERIFY2(edit, qPrintable(u"no field "_s + name));
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
    }
    void chooseKind(ConnectionKind kind)
    {
        auto* picker = ViewTest::byName<QComboBox>(dialog.get(), u"Connection type"_s);
        QTest::keyClick(picker, Qt::Key_Home);
        for (int step = 0; step < static_cast<int>(ConnectionKinds::all().indexOf(kind)); ++step) {
            QTest::keyClick(picker, Qt::Key_Down);
        }
    }
    void chooseRow(int row)
    {
        auto* list = ViewTest::byName<QListWidget>(dialog.get(), u"Servers"_s);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
    }
    // A new profile for the simulator.
    void fill(const QString& name, const QString& address = {}, const QString& latitude = {},
              const QString& longitude = {})
    {
        click(dialog.get(), u"New server"_s);
        type(u"Profile name"_s, name);
        type(u"Host"_s, u"127.0.0.1"_s);
        type(u"Port"_s, portOf(simulator));
        type(u"Street address"_s, address);
        type(latitudeField, latitude);
        type(longitudeField, longitude);
    }
    void save() { click(dialog.get(), u"Save"_s); }
};

using Route = LocalHttpServer::Route;

} // namespace

// The server editor through its real sheet: the form rules, saving checked against the station
// simulator and a local geocoder, the unsaved-edits guard, and the settings transfer.
class TestProfileEditor final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void formRules_enableSave_data()
    {
        QTest::addColumn<ConnectionKind>("kind");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<bool>("coordinateWarning");
        // The Save button's help, or why it is disabled.
        QTest::addColumn<QString>("saveHelp");
        const auto network = ConnectionKind::ovVarnex;
        const auto serial = ConnectionKind::kt90Serial;
        const QString saveable = u"Check that the server answers, then save this profile."_s;
        const QString badPort = u"Enter a port from 1 to 65535."_s;
        const QString badBaud = u"Choose a /dev/ serial port and a supported baud rate."_s;
        const QString badSite = u"Enter both coordinates within the shown ranges."_s;
        // Name, host, port or baud, latitude, longitude.
        QTest::newRow("blanks around the name")
            << network << QStringList{u" Shack "_s, u"shack"_s, u"4001"_s, {}, {}} << false << saveable;
        QTest::newRow("blank after the host") << network << QStringList{u"Shack"_s, u"shack "_s, u"4001"_s, {}, {}}
                                              << false << u"Enter a hostname or IP address without spaces."_s;
        QTest::newRow("port 0") << network << QStringList{u"Shack"_s, u"shack"_s, u"0"_s, {}, {}} << false << badPort;
        QTest::newRow("port 65535") << network << QStringList{u"Shack"_s, u"shack"_s, u"65535"_s, {}, {}} << false
                                    << saveable;
        QTest::newRow("port 65536") << network << QStringList{u"Shack"_s, u"shack"_s, u"65536"_s, {}, {}} << false
                                    << badPort;
        QTest::newRow("rotctld") << ConnectionKind::hamlibRotctld
                                 << QStringList{u"Mast"_s, u"localhost"_s, u"4533"_s, {}, {}} << false << saveable;
        QTest::newRow("baud 2400") << serial << QStringList{u"KT"_s, u"/dev/ttyUSB0"_s, u"2400"_s, {}, {}} << false
                                   << badBaud;
        QTest::newRow("baud 115200") << serial << QStringList{u"KT"_s, u"/dev/ttyUSB0"_s, u"115200"_s, {}, {}} << false
                                     << saveable;
        QTest::newRow("one coordinate") << network << QStringList{u"Shack"_s, u"shack"_s, u"4001"_s, u"47.5"_s, {}}
                                        << true << badSite;
        QTest::newRow("latitude 85.5") << network << QStringList{u"Shack"_s, u"shack"_s, u"4001"_s, u"85.5"_s, u"8.5"_s}
                                       << true << badSite;
        QTest::newRow("latitude 85, longitude −180")
            << network << QStringList{u"Shack"_s, u"shack"_s, u"4001"_s, u"85"_s, u"-180"_s} << false << saveable;
    }
    void formRules_enableSave()
    {
        QFETCH(ConnectionKind, kind);
        QFETCH(QStringList, texts);
        QFETCH(bool, coordinateWarning);
        QFETCH(QString, saveHelp);
        Editor editor;
        editor.chooseKind(kind);
        const bool serial = kind == ConnectionKind::kt90Serial;
        QCOMPARE(editor.field(u"Host"_s)->placeholderText(),
                 serial ? u"/dev/ttyUSB0 serial device"_s : u"Hostname or IP address"_s);
        if (!serial) {
            QCOMPARE(editor.field(u"Port"_s)->placeholderText(),
                     kind == ConnectionKind::hamlibRotctld ? u"4533, rotctld’s usual port"_s : QString());
        }
        const QStringList fields{u"Profile name"_s, u"Host"_s, serial ? u"Baud"_s : u"Port"_s, latitudeField,
                                 longitudeField};
        for (qsizetype i = 0; i < fields.size(); ++i) {
            editor.type(fields.at(i), texts.at(i));
        }

        const bool saveable = saveHelp.startsWith(u"Check"_s);
        QCOMPARE(editor.saveEnabled(), saveable);
        QCOMPARE(ViewTest::byName<QAbstractButton>(editor.dialog.get(), u"Save"_s)->toolTip(), saveHelp);
        QCOMPARE(editor.showing(u"Enter both coordinates within the shown ranges."_s), coordinateWarning);
        if (!saveable) {
            // Neither a click nor Return starts a check.
            editor.save();
            QTest::keyClick(editor.field(u"Profile name"_s), Qt::Key_Return);
            QVERIFY(!editor.manager->checking());
        }
    }

    void save_checksServer_appendsNewAndKeepsPositionOfEdited()
    {
        const ServerProfile first = profile(u"Contest"_s, u"10.9.9.9"_s, u"4001"_s);
        Editor editor({first});
        QCOMPARE(editor.dialog->windowTitle(), u"Add Server"_s);
        editor.fill(u"  Shack  "_s);
        editor.save();
        QVERIFY(editor.showing(checkingText));
        QTRY_COMPARE(editor.profiles.items().size(), 2);
        QVERIFY(!editor.showing(checkingText));

        const ServerProfile saved = editor.profiles.items().last();
        QCOMPARE(saved.name, u"Shack"_s);
        QCOMPARE(saved.connectionKind, std::optional(ConnectionKind::ovVarnex));
        QVERIFY(!saved.address);
        QCOMPARE(editor.chosen, QList{saved});
        QCOMPARE(editor.dialog->windowTitle(), u"Edit Server"_s);
        QCOMPARE(editor.text(u"Profile name"_s), u"Shack"_s);
        QVERIFY(!editor.manager->hasUnsavedChanges());

        // The first profile edited and saved stays first.
        editor.chooseRow(0);
        QCOMPARE(editor.text(u"Host"_s), u"10.9.9.9"_s);
        editor.type(u"Host"_s, u"127.0.0.1"_s);
        editor.type(u"Port"_s, portOf(editor.simulator));
        editor.save();
        QTRY_COMPARE(editor.profiles.items().first().host, u"127.0.0.1"_s);
        QCOMPARE(editor.profiles.items().size(), 2);
        QCOMPARE(editor.profiles.items().first().id, first.id);
        QCOMPARE(editor.geocoder.requests().size(), 0);
    }

    void save_unverifiedServer_storesNothingAndKeepsEdits()
    {
        Editor editor;
        editor.fill(u"Shack"_s);
        editor.type(u"Port"_s, QString::number(closedPort()));
        editor.save();
        CLIENT_TEST_CHECK(answer(u"Could not save server"_s, u"OK"_s,
                                 u"Server could not be verified. Connection unavailable: Connection refused"_s));
        QVERIFY(editor.profiles.items().isEmpty());
        QVERIFY(editor.chosen.isEmpty());
        QCOMPARE(editor.text(u"Profile name"_s), u"Shack"_s);
        QVERIFY(editor.manager->hasUnsavedChanges());
        QVERIFY(!editor.manager->validationError());
    }

    // A server that is off today can still be set up: the failure alert offers to save unchecked.
    void save_unverifiedServer_saveAnywayStoresItUnchecked()
    {
        Editor editor;
        const QString port = QString::number(closedPort());
        editor.fill(u"Remote site"_s);
        editor.type(u"Port"_s, port);
        editor.save();
        CLIENT_TEST_CHECK(answer(u"Could not save server"_s, u"Save anyway"_s));
        QCOMPARE(editor.profiles.items().size(), 1);
        QCOMPARE(editor.profiles.items().first().name, u"Remote site"_s);
        QCOMPARE(editor.profiles.items().first().port, port);
        QCOMPARE(editor.chosen, editor.profiles.items());
        QVERIFY(!editor.manager->hasUnsavedChanges());
        QCOMPARE(editor.dialog->windowTitle(), u"Edit Server"_s);
    }

    void cancelCheck_ofSilentServer_storesNothingAndKeepsEdits()
    {
        Editor editor;
        editor.simulator.setFault(StationSimulator::Fault::silence);
        editor.fill(u"Shack"_s);
        editor.save();
        QTRY_COMPARE(editor.simulator.clientCount(), 1);
        click(editor.dialog.get(), u"Cancel check"_s);
        QVERIFY(!editor.showing(checkingText));
        QCOMPARE(QApplication::activeModalWidget(), editor.dialog.get());
        QTRY_COMPARE(editor.simulator.clientCount(), 0);
        QVERIFY(editor.profiles.items().isEmpty());
        QCOMPARE(editor.text(u"Profile name"_s), u"Shack"_s);
    }

    void save_withAddressOnly_looksTheSiteUp_data()
    {
        QTest::addColumn<Route>("route");
        QTest::addColumn<QString>("message");
        const auto json = [](const QByteArray& body) { return Route{200, body, "application/json", {}, 0, false}; };
        const QString notOne = u"The site address did not identify one location. Enter a fuller address or latitude "
                               u"and longitude."_s;
        QTest::newRow("one place") << json(R"([{"lat":"47.3769","lon":"8.5417","display_name":"Zürich"}])")
                                   << QString();
        QTest::newRow("no place") << json("[]") << notOne;
        QTest::newRow("three places") << json(R"([{"lat":"1","lon":"2"},{"lat":"3","lon":"4"},{"lat":"5","lon":"6"}])")
                                      << notOne;
        QTest::newRow("beyond 85°") << json(R"([{"lat":"85.2","lon":"10"}])")
                                    << u"Site coordinates are outside the supported map range."_s;
        QTest::newRow("HTTP 500") << Route{500, "oops", "text/plain", {}, 0, false}
                                  << u"The address lookup service answered 500 Internal Server Error."_s;
        QTest::newRow("malformed JSON") << json(R"([{"lat":)")
                                        << u"The address lookup service sent an answer that could not be read."_s;
        QTest::newRow("no answer, check cancelled") << Route{200, {}, {}, {}, 0, true} << QString();
    }
    void save_withAddressOnly_looksTheSiteUp()
    {
        QFETCH(Route, route);
        QFETCH(QString, message);
        Editor editor;
        editor.geocoder.setRoute(u"/search"_s, route);
        const QString address = u"Bahnhofstrasse 1, "_s + QString::fromUtf8(QTest::currentDataTag());
        editor.fill(u"Shack"_s, address);
        editor.save();
        QTRY_COMPARE(editor.geocoder.requests().size(), 1);
        const LocalHttpServer::Request request = editor.geocoder.requests().first();
        QCOMPARE(request.query.queryItemValue(u"q"_s, QUrl::FullyDecoded), address);
        QVERIFY(request.headers.value("user-agent").startsWith("XaltoStationControl/"));

        if (route.silent) {
            QVERIFY(editor.showing(checkingText));
            click(editor.dialog.get(), u"Cancel check"_s);
            QVERIFY(!editor.places->searching());
        } else if (!message.isEmpty()) {
            CLIENT_TEST_CHECK(answer(u"Could not save server"_s, u"OK"_s, message));
        } else {
            QTRY_COMPARE(editor.profiles.items().size(), 1);
            const ServerProfile saved = editor.profiles.items().first();
            QCOMPARE(saved.address, std::optional(address));
            QCOMPARE(saved.latitude, std::optional(47.3769));
            QCOMPARE(saved.longitude, std::optional(8.5417));
            QCOMPARE(editor.text(latitudeField), u"47.3769"_s);
            QVERIFY(editor.showing(u"<a href=\"https://www.openstreetmap.org/copyright\">© OpenStreetMap "
                                   u"contributors</a>"_s));
            return;
        }
        QVERIFY(editor.profiles.items().isEmpty());
        QCOMPARE(editor.text(u"Street address"_s), address);
    }

    void save_withAddressAndCoordinates_storesThemAsTypedWithoutLookup()
    {
        Editor editor;
        editor.fill(u"Shack"_s, u"Hilltop"_s, u"-33.5"_s, u"151.25"_s);
        editor.save();
        QTRY_COMPARE(editor.profiles.items().size(), 1);
        const ServerProfile saved = editor.profiles.items().first();
        QCOMPARE(saved.address, std::optional(u"Hilltop"_s));
        QCOMPARE(saved.latitude, std::optional(-33.5));
        QCOMPARE(saved.longitude, std::optional(151.25));
        QCOMPARE(editor.geocoder.requests().size(), 0);
    }

    void twoLookups_areSpacedByTheRequestGate()
    {
        Editor editor;
        editor.geocoder.setRoute(u"/search"_s, {200, R"([{"lat":"10","lon":"20"}])", "application/json", {}, 0, false});
        for (const QString& name : {u"North"_s, u"South"_s}) {
            const qsizetype before = editor.profiles.items().size();
            editor.fill(name, name + u" Road"_s);
            editor.save();
            QTRY_COMPARE(editor.profiles.items().size(), before + 1);
        }
        const QList<LocalHttpServer::Request> requests = editor.geocoder.requests();
        QCOMPARE(requests.size(), 2);
        // One second apart, less a margin for the server's own timing.
        QCOMPARE_GE(requests.at(1).arrivalMs - requests.at(0).arrivalMs, 900);
    }

    void unsavedEdits_askBeforeTheyAreThrownAway()
    {
        Editor editor({profile(u"Contest"_s, u"contest.local"_s, u"4001"_s),
                       profile(u"Field Day"_s, u"field.local"_s, u"4002"_s)});
        editor.chooseRow(0);
        editor.type(u"Profile name"_s, u"Contest 2"_s);

        editor.chooseRow(1);
        CLIENT_TEST_CHECK(answer(u"Unsaved details"_s, u"Keep editing"_s,
                                 u"Your changes have not been saved. Keep editing to save them, or discard them to "
                                 u"continue."_s));
        QCOMPARE(editor.text(u"Profile name"_s), u"Contest 2"_s);
        QCOMPARE(editor.text(u"Host"_s), u"contest.local"_s);
        QCOMPARE(ViewTest::byName<QListWidget>(editor.dialog.get(), u"Servers"_s)->currentRow(), 0);
        QVERIFY(!editor.manager->pendingAction());

        editor.chooseRow(1);
        CLIENT_TEST_CHECK(answer(u"Unsaved details"_s, u"Discard changes"_s));
        QCOMPARE(editor.text(u"Profile name"_s), u"Field Day"_s);
        QCOMPARE(editor.profiles.items().first().name, u"Contest"_s);

        // Escape is "OK": with edits it asks too, and discarding closes the sheet.
        editor.type(u"Port"_s, u"4003"_s);
        QTest::keyClick(editor.dialog.get(), Qt::Key_Escape);
        CLIENT_TEST_CHECK(answer(u"Unsaved details"_s, u"Discard changes"_s));
        QTRY_VERIFY(!editor.dialog->isVisible());
    }

    void removingAnUnchangedProfile_happensAtOnceAndEmptiesTheForm()
    {
        const ServerProfile kept = profile(u"Field Day"_s, u"field.local"_s, u"4002"_s);
        Editor editor({profile(u"Contest"_s, u"contest.local"_s, u"4001"_s), kept});
        QVERIFY(!ViewTest::byName<QAbstractButton>(editor.dialog.get(), u"Remove saved server"_s)->isEnabled());
        editor.chooseRow(0);
        click(editor.dialog.get(), u"Remove saved server"_s);
        QCOMPARE(QApplication::activeModalWidget(), editor.dialog.get());
        QCOMPARE(editor.profiles.items(), QList{kept});
        QCOMPARE(editor.text(u"Profile name"_s), QString());
        QCOMPARE(editor.dialog->windowTitle(), u"Add Server"_s);
    }

    void exportThenImport_intoEmptySettings_givesTheSameEntries()
    {
        QTemporaryDir folder;
        ServerProfile site = profile(u"Shack"_s, u"shack.local"_s, u"4001"_s);
        site.latitude = 47.25;
        site.longitude = 8.5;
        Editor source({site, profile(u"Contest"_s, u"contest.local"_s, u"4002"_s)});
        const QString endpoint = site.endpoint();
        source.defaults.setText(
            SettingsKeys::headingPresets,
            HeadingPreset::encode({HeadingPreset::make(endpoint, u"Tower"_s, u"JA"_s, 35).value()}));
        PresentationSettings layout;
        layout.cardWidth = 480;
        source.defaults.setData(SettingsKeys::presentation(endpoint), *layout.encoded());
        source.defaults.setText(SettingsKeys::rotorLocations, u"[]"_s);
        source.defaults.setText(SettingsKeys::selectedServerProfileID, UuidText::text(site.id));
        source.defaults.setTextList(SettingsKeys::lastConnectedServerProfiles, {UuidText::text(site.id)});

        source.files.saveName = folder.filePath(u"settings.json"_s);
        click(source.dialog.get(), u"Export…"_s);
        CLIENT_TEST_CHECK(answer(u"Settings transfer"_s, u"OK"_s, u"Settings exported."_s));
        QCOMPARE(source.files.suggested,
                 u"Orvane-Settings-"_s + QDate::currentDate().toString(Qt::ISODate) + u".json"_s);

        Editor target;
        target.files.openName = source.files.saveName;
        click(target.dialog.get(), u"Import…"_s);
        CLIENT_TEST_CHECK(answer(u"Import saved settings?"_s, u"Import"_s,
                                 u"Replace saved settings with the 2 server profile(s) in this file? This replaces "
                                 u"your saved configuration and disconnects open connections. Passwords are not "
                                 u"imported."_s));
        CLIENT_TEST_CHECK(
            answer(u"Settings transfer"_s, u"OK"_s, u"Settings imported. Connections remain disconnected."_s));

        QCOMPARE(target.defaults.keys(), source.defaults.keys());
        QCOMPARE(SettingsBackup::capture(target.profiles.items(), target.defaults).value(),
                 SettingsBackup::capture(source.profiles.items(), source.defaults).value());
        QCOMPARE(ViewTest::byName<QListWidget>(target.dialog.get(), u"Servers"_s)->count(), 2);
    }

    void importOfAnInvalidFile_changesNothing_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QString>("message");
        const auto file = [](const QString& version, const QString& port) {
            return u"{\"format\":\"OrvaneClientSettings\",\"version\":%1,\"servers\":[{\"id\":\"%2\",\"name\":\"KT\","
                   u"\"host\":\"/dev/ttyUSB0\",\"port\":\"%3\",\"connectionKind\":\"%4\"}],\"towerLocations\":[],"
                   u"\"presets\":[],\"layouts\":{},\"integrations\":{},\"selectedServerID\":\"\"}"_s
                       .arg(version, UuidText::text(QUuid::createUuid()), port,
                            ConnectionKinds::text(ConnectionKind::kt90Serial))
                       .toUtf8();
        };
        QTest::newRow("valid file") << file(u"1"_s, u"9600"_s) << QString();
        QTest::newRow("version 2") << file(u"2"_s, u"9600"_s) << u"This is not a supported station settings file."_s;
        QTest::newRow("baud 9601") << file(u"1"_s, u"9601"_s) << u"Invalid server port or baud rate."_s;
    }
    void importOfAnInvalidFile_changesNothing()
    {
        QFETCH(QByteArray, contents);
        QFETCH(QString, message);
        QTemporaryDir folder;
        Editor editor({profile(u"Contest"_s, u"contest.local"_s, u"4001"_s)});
        const QList<ServerProfile> before = editor.profiles.items();
        QFile file(folder.filePath(u"import.json"_s));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size());
        file.close();
        QSignalSpy will(&SettingsNotifications::instance(), &SettingsNotifications::settingsWillImport);

        editor.files.openName = file.fileName();
        click(editor.dialog.get(), u"Import…"_s);
        if (message.isEmpty()) {
            // A valid file is still applied only after "Import"; "Cancel" drops it.
            CLIENT_TEST_CHECK(answer(u"Import saved settings?"_s, u"Cancel"_s));
        } else {
            CLIENT_TEST_CHECK(answer(u"Settings transfer"_s, u"OK"_s, message));
        }
        QCOMPARE(editor.profiles.items(), before);
        QVERIFY(!editor.manager->pendingImport());
        QCOMPARE(will.count(), 0);
    }

    void import_disconnectsAConnectedTabWhichThenLoadsTheImportedLayout()
    {
        QTemporaryDir folder;
        Editor editor;
        // A tab: a client connected to the simulator and its layout, handling the notices as the
        // station view does.
        KeltoClient client(nullptr, editor.defaults, editor.clock);
        StationPresentation presentation(editor.defaults);
        QObject tab;
        SettingsNotifications& notices = SettingsNotifications::instance();
        connect(
            &notices, &SettingsNotifications::settingsWillImport, &tab, [&] { client.disconnectFromStation(); },
            Qt::DirectConnection);
        connect(
            &notices, &SettingsNotifications::settingsDidImport, &tab,
            [&] {
                presentation.load(QString());
                presentation.load(client.endpoint());
            },
            Qt::DirectConnection);
        QSignalSpy will(&notices, &SettingsNotifications::settingsWillImport);
        QSignalSpy did(&notices, &SettingsNotifications::settingsDidImport);
        client.connectTo(u"127.0.0.1"_s, portOf(editor.simulator));
        QTRY_VERIFY(client.connected());
        presentation.load(client.endpoint());
        QCOMPARE(presentation.settings().cardWidth, 340.0);

        SettingsBackup backup;
        backup.format = SettingsBackup::formatMarker;
        backup.version = SettingsBackup::currentVersion;
        backup.servers = {profile(u"Shack"_s, u"127.0.0.1"_s, portOf(editor.simulator))};
        PresentationSettings layout;
        layout.cardWidth = 480;
        layout.accent = u"Orange"_s;
        backup.layouts.insert(client.endpoint(), layout);
        editor.files.openName = folder.filePath(u"import.json"_s);
        QVERIFY(!SettingsBackup::writeFile(editor.files.openName, backup.encoded().value()));

        click(editor.dialog.get(), u"Import…"_s);
        CLIENT_TEST_CHECK(answer(u"Import saved settings?"_s, u"Import"_s));
        CLIENT_TEST_CHECK(
            answer(u"Settings transfer"_s, u"OK"_s, u"Settings imported. Connections remain disconnected."_s));
        QCOMPARE(will.count(), 1);
        QCOMPARE(did.count(), 1);
        QVERIFY(!client.connected() && !client.connecting());
        QCOMPARE(presentation.settings(), layout);
        QCOMPARE(editor.profiles.items(), backup.servers);
        QTRY_COMPARE(editor.simulator.clientCount(), 0);
    }

    void everyControlAndAlert_hasAnAccessibleName()
    {
        Editor editor({profile(u"Contest"_s, u"contest.local"_s, u"4001"_s)});
        QCOMPARE(ViewTest::unnamedControls(editor.dialog.get()), QStringList());
        editor.chooseRow(0);
        editor.type(u"Port"_s, u"4009"_s);
        click(editor.dialog.get(), u"New server"_s);
        QTRY_VERIFY(alert());
        QCOMPARE(ViewTest::unnamedControls(alert()), QStringList());
        CLIENT_TEST_CHECK(answer(u"Unsaved details"_s, u"Discard changes"_s));
        QCOMPARE(editor.dialog->windowTitle(), u"Add Server"_s);
    }
};

QTEST_MAIN(TestProfileEditor)
#include "tst_profileeditor.moc"

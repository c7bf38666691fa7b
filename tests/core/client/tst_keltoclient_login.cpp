#include "ClientTestSupport.h"

#include <QAbstractSocket>
#include <QEventLoop>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace ClientTest;

namespace {

StationSimulator::Options loginOptions()
{
    StationSimulator::Options options;
    options.user = u"op"_s;
    options.password = u"s3cret-Pw"_s;
    return options;
}

} // namespace

// Server logins against a simulated station that demands one, with an in-memory login store.
class TestKeltoClientLogin final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void storedLogin_isUsedWithoutAsking()
    {
        Bench bench(loginOptions());
        const QString endpoint = endpointOf(*bench.simulator);
        bench.credentials.entries.insert(endpoint, ServerCredentials{u"op"_s, u"s3cret-Pw"_s});
        QStringList messages;
        connect(bench.client.get(), &KeltoClient::messageChanged, this,
                [&] { messages.append(bench.client->message()); });

        bench.connect();
        QTRY_VERIFY(bench.client->connected());
        QVERIFY(messages.contains(u"Authenticating…"_s));
        QVERIFY(!bench.client->authenticationRequest());
        QCOMPARE(bench.credentials.loads, 1);
        const QList<QByteArray> records = commandRecords(*bench.simulator);
        QVERIFY(records.size() >= 2);
        QCOMPARE(records.at(0), QByteArray("op\r\n"));
        QCOMPARE(records.at(1).size(), 32);
        // The accepted login is stored again, unchanged.
        QCOMPARE(bench.credentials.entries.value(endpoint), (ServerCredentials{u"op"_s, u"s3cret-Pw"_s}));
        QVERIFY(!bench.client->credentialNotice());
    }

    void noLogin_endsAttemptAndPublishesRequest_data()
    {
        QTest::addColumn<bool>("withStore");
        QTest::newRow("empty store") << true;
        QTest::newRow("no store") << false;
    }
    void noLogin_endsAttemptAndPublishesRequest()
    {
        QFETCH(bool, withStore);
        Bench bench(loginOptions(), withStore);
        bench.connect();

        const QString explanation = u"This server requires a username and password."_s;
        QTRY_COMPARE(bench.client->message(), explanation);
        QCOMPARE(lastLogText(*bench.client), explanation);
        QVERIFY(!bench.client->connecting());
        QVERIFY(bench.client->authenticationRequest());
        QCOMPARE(bench.client->authenticationRequest()->endpoint, endpointOf(*bench.simulator));
        QCOMPARE(bench.client->authenticationRequest()->username, QString());
        QCOMPARE(bench.client->authenticationRequest()->explanation, explanation);
        QCOMPARE(bench.credentials.loads, withStore ? 1 : 0);
        QVERIFY(commandRecords(*bench.simulator).isEmpty());
    }

    void unreadableStoredLogin_endsAttemptAndAsks()
    {
        Bench bench(loginOptions());
        bench.credentials.failLoads = true;
        bench.connect();

        const QString explanation =
            u"Saved login could not be read from the system keychain. Enter your server credentials."_s;
        QTRY_COMPARE(bench.client->message(), explanation);
        QVERIFY(bench.client->authenticationRequest());
        QCOMPARE(bench.client->authenticationRequest()->username, QString());
        QCOMPARE(bench.client->authenticationRequest()->explanation, explanation);
    }

    void refusedLogin_keepsRefusedNameInRequestAndSavesNothing()
    {
        Bench bench(loginOptions());
        bench.connect(u"op"_s, u"wrong"_s);

        const QString explanation = u"Server rejected the username or password. Please try again."_s;
        QTRY_COMPARE(bench.client->message(), explanation);
        QCOMPARE(lastLogText(*bench.client), explanation);
        QVERIFY(bench.client->authenticationRequest());
        QCOMPARE(bench.client->authenticationRequest()->username, u"op"_s);
        QCOMPARE(bench.client->authenticationRequest()->explanation, explanation);
        // The answer went out, but no station data followed it.
        QCOMPARE(commandRecords(*bench.simulator).size(), 2);
        QCOMPARE(bench.credentials.saves, 0);
        QVERIFY(bench.credentials.entries.isEmpty());
    }

    void submitCredentials_reconnectsAndSavesAcceptedLogin()
    {
        Bench bench(loginOptions());
        bench.connect(u"op"_s, u"wrong"_s);
        QTRY_VERIFY(bench.client->authenticationRequest());
        const QUuid firstRequest = bench.client->authenticationRequest()->id;

        // An empty name is not submitted.
        bench.client->submitCredentials(QString(), u"s3cret-Pw"_s);
        QVERIFY(bench.client->authenticationRequest());
        QVERIFY(!bench.client->connecting());

        bench.client->submitCredentials(u"op"_s, u"s3cret-Pw"_s);
        QVERIFY(!bench.client->authenticationRequest());
        QVERIFY(bench.client->connecting());
        QTRY_VERIFY(bench.client->connected());
        QCOMPARE(bench.credentials.saves, 1);
        QCOMPARE(bench.credentials.entries.value(endpointOf(*bench.simulator)),
                 (ServerCredentials{u"op"_s, u"s3cret-Pw"_s}));

        // A second refusal publishes a new request.
        bench.client->disconnectFromStation();
        bench.connect(u"op"_s, u"again wrong"_s);
        QTRY_VERIFY(bench.client->authenticationRequest());
        QVERIFY(bench.client->authenticationRequest()->id != firstRequest);
    }

    void serverWithoutLogin_neverSavesTheGivenLogin()
    {
        Bench bench;
        bench.connect(u"op"_s, u"unused"_s);
        QTRY_VERIFY(bench.client->connected());
        QTRY_VERIFY(bench.client->receivedServerPresets());
        QCOMPARE(bench.credentials.saves, 0);
        QCOMPARE(commandRecords(*bench.simulator), QList<QByteArray>{"GET_LOCATIONS\r\n"});
    }

    void storeSaveFailure_keepsConnectionAndShowsNotice()
    {
        Bench bench(loginOptions());
        bench.credentials.failSaves = true;
        bench.connect(u"op"_s, u"s3cret-Pw"_s);

        QTRY_VERIFY(bench.client->connected());
        QCOMPARE(bench.credentials.saves, 1);
        QCOMPARE(bench.client->credentialNotice(),
                 std::optional(u"Connected, but the login could not be saved in the system keychain. "
                               u"You may be asked again next time."_s));
        QCOMPARE(bench.client->message(), u"Connected · live station data"_s);

        // The notice lasts until the next connect.
        bench.client->disconnectFromStation();
        QVERIFY(bench.client->credentialNotice());
        bench.credentials.failSaves = false;
        bench.connect(u"op"_s, u"s3cret-Pw"_s);
        QVERIFY(!bench.client->credentialNotice());
    }

    void cancelAuthentication_endsOnlyWhileAsking()
    {
        Bench bench(loginOptions());
        bench.connect();
        QTRY_VERIFY(bench.client->authenticationRequest());
        QSignalSpy requestChanged(bench.client.get(), &KeltoClient::authenticationRequestChanged);

        bench.client->cancelAuthentication();
        QVERIFY(!bench.client->authenticationRequest());
        QCOMPARE(requestChanged.count(), 1);
        QCOMPARE(bench.client->message(), u"Disconnected"_s);

        const QStringList log = bench.client->log();
        bench.client->cancelAuthentication();
        QCOMPARE(bench.client->log(), log);
    }

    // The keychain store waits for its answer in an event loop, in which the client's own timer
    // can end the connection.
    void connectionEndedWhileStoreAnswers_staysEnded_data()
    {
        QTest::addColumn<bool>("saving");
        QTest::addColumn<double>("silence");
        QTest::addColumn<QString>("message");
        QTest::newRow("reading the stored login")
            << false << 10.5
            << u"No compatible server or device response within 10 seconds. Check the server address, port, LAN or VPN."_s;
        QTest::newRow("saving the accepted login")
            << true << 20.5 << u"No server data for 20 seconds. Reconnect to refresh the station."_s;
    }
    void connectionEndedWhileStoreAnswers_staysEnded()
    {
        QFETCH(bool, saving);
        QFETCH(double, silence);
        QFETCH(QString, message);
        Bench bench(loginOptions());
        if (!saving) {
            bench.credentials.entries.insert(endpointOf(*bench.simulator), ServerCredentials{u"op"_s, u"s3cret-Pw"_s});
        }
        bool socketKept = false;
        bench.credentials.whileAnswering = [&] {
            const QPointer<QAbstractSocket> socket = bench.client->findChild<QAbstractSocket*>();
            QEventLoop loop;
            QTimer::singleShot(0, &loop, [&] {
                bench.clock.advance(silence);
                bench.client->tick();
                // The answer comes later, after whatever the tick left to the loop.
                QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
            });
            loop.exec();
            // The signal that led into the store is still running on it.
            socketKept = !socket.isNull();
        };

        if (saving) {
            bench.connect(u"op"_s, u"s3cret-Pw"_s);
        } else {
            bench.connect();
        }
        QTRY_COMPARE(saving ? bench.credentials.saves : bench.credentials.loads, 1);
        QVERIFY(socketKept);
        QCOMPARE(bench.client->message(), message);
        QCOMPARE(lastLogText(*bench.client), message);
        QVERIFY(!bench.client->connecting());
        QVERIFY(!bench.client->connected());
        QTRY_COMPARE(bench.simulator->clientCount(), 0);
    }

    void passwords_neverReachLogSettingsOrSnapshot()
    {
        Bench bench(loginOptions());
        bench.connect(u"op"_s, u"s3cret-Pw"_s);
        QTRY_VERIFY(bench.client->connected());
        bench.clock.advance(5.0);
        bench.client->tick();
        bench.client->disconnectFromStation();
        bench.connect(u"op"_s, u"wrong-Pw"_s);
        QTRY_VERIFY(bench.client->authenticationRequest());
        QTRY_VERIFY(!bench.client->savingSnapshot());

        QVERIFY(!bench.defaults.keys().isEmpty());
        for (const QString& line : bench.client->log()) {
            QVERIFY2(!line.contains(u"-Pw"_s), qPrintable(line));
        }
        for (const QString& key : bench.defaults.keys()) {
            QVERIFY(!key.contains(u"-Pw"_s));
            QVERIFY(!bench.defaults.data(key).value_or(QByteArray()).contains("-Pw"));
        }
    }
};

QTEST_GUILESS_MAIN(TestKeltoClientLogin)
#include "tst_keltoclient_login.moc"

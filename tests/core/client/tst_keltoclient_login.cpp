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

    void storeSaveFailure_keepsConnectionAndShowsNoticeForThatConnection()
    {
        Bench bench(loginOptions());
        bench.credentials.failSaves = true;
        bench.connect(u"op"_s, u"s3cret-Pw"_s);

        const QString notice = u"Connected, but the login could not be saved in the system keychain. "
                               u"You may be asked again next time."_s;
        QTRY_COMPARE(bench.client->credentialNotice(), std::optional(notice));
        QVERIFY(bench.client->connected());
        QCOMPARE(bench.credentials.saves, 1);
        QCOMPARE(bench.client->message(), u"Connected · live station data"_s);
        QVERIFY(logTexts(*bench.client).contains(notice + u" Keychain error (-25299)."_s));

        // The notice goes with its connection.
        bench.client->disconnectFromStation();
        QVERIFY(!bench.client->credentialNotice());
    }

    void savedLoginRead_waitsWithoutTimeLimitUntilAnsweredOrCancelled_data()
    {
        QTest::addColumn<bool>("cancel");
        QTest::newRow("answered") << false;
        QTest::newRow("cancelled") << true;
    }
    void savedLoginRead_waitsWithoutTimeLimitUntilAnsweredOrCancelled()
    {
        QFETCH(bool, cancel);
        Bench bench(loginOptions());
        bench.credentials.entries.insert(endpointOf(*bench.simulator), ServerCredentials{u"op"_s, u"s3cret-Pw"_s});
        bench.credentials.holdAnswers = true;
        bench.connect();
        QTRY_COMPARE(bench.credentials.loads, 1);
        QCOMPARE(bench.client->message(), u"Reading the saved login…"_s);
        QVERIFY(bench.client->connecting());
        // The server has answered: the wait is the keyring's, and only the user ends it.
        bench.clock.advance(15.0);
        bench.client->tick();
        QVERIFY(bench.client->connecting());

        if (cancel) {
            bench.client->disconnectFromStation();
            bench.credentials.releaseAnswers();
            QCOMPARE(bench.client->message(), u"Disconnected"_s);
            QVERIFY(!bench.client->connecting());
            QTRY_COMPARE(bench.simulator->clientCount(), 0);
            QVERIFY(commandRecords(*bench.simulator).isEmpty());
            return;
        }
        bench.credentials.releaseAnswers();
        QTRY_VERIFY(bench.client->connected());
        QCOMPARE(commandRecords(*bench.simulator).value(0), QByteArray("op\r\n"));
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

    // An answer that arrives after its connection ended changes nothing.
    void connectionEndedWhileStoreAnswers_staysEnded()
    {
        Bench bench(loginOptions());
        bench.credentials.holdAnswers = true;
        bench.credentials.failSaves = true;
        bench.connect(u"op"_s, u"s3cret-Pw"_s);
        QTRY_VERIFY(bench.client->connected());
        QCOMPARE(bench.credentials.held.size(), 1);
        bench.clock.advance(20.5);
        bench.client->tick();
        const QString message = u"No server data for 20 seconds. Reconnect to refresh the station."_s;
        QCOMPARE(bench.client->message(), message);

        bench.credentials.releaseAnswers();
        QCOMPARE(bench.client->message(), message);
        QVERIFY(!bench.client->credentialNotice());
        QVERIFY(!bench.client->connected() && !bench.client->connecting());
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

#include "core/client/KeychainCredentialStore.h"

#include <QTest>
#include <QUuid>

using namespace Qt::Literals::StringLiterals;

// Runs against the real Secret Service of the private session that the test runner starts.
// Each run uses its own service name so a developer's own logins are never touched.
class TestKeychainCredentialStore final : public QObject {
    Q_OBJECT

    KeychainCredentialStore m_store{u"org.xalto.test."_s + QUuid::createUuid().toString(QUuid::WithoutBraces)};

    // Waits for the store's answer; the call itself never answers.
    CredentialStore::LoadResult load(const QString& endpoint)
    {
        std::optional<CredentialStore::LoadResult> result;
        m_store.load(endpoint, this, [&result](const CredentialStore::LoadResult& loaded) { result = loaded; });
        if (result) {
            qWarning("load answered inside the call");
            return KeychainError{-1};
        }
        if (!QTest::qWaitFor([&] { return result.has_value(); }, 20'000)) {
            return KeychainError{-2};
        }
        return *result;
    }

    std::optional<KeychainError> save(const QString& endpoint, const ServerCredentials& credentials)
    {
        std::optional<std::optional<KeychainError>> result;
        m_store.save(endpoint, credentials, this,
                     [&result](const std::optional<KeychainError>& failure) { result = failure; });
        (void)QTest::qWaitFor([&] { return result.has_value(); }, 20'000);
        return result.value_or(KeychainError{-2});
    }

    std::optional<KeychainError> remove(const QString& endpoint)
    {
        std::optional<std::optional<KeychainError>> result;
        m_store.remove(endpoint, this, [&result](const std::optional<KeychainError>& failure) { result = failure; });
        (void)QTest::qWaitFor([&] { return result.has_value(); }, 20'000);
        return result.value_or(KeychainError{-2});
    }

    ServerCredentials loaded(const QString& endpoint)
    {
        const CredentialStore::LoadResult result = load(endpoint);
        const auto* credentials = std::get_if<std::optional<ServerCredentials>>(&result);
        if (!credentials) {
            qWarning("load failed: %s", qPrintable(std::get<KeychainError>(result).description()));
            return {};
        }
        return credentials->value_or(ServerCredentials{u"<none>"_s, {}});
    }

private Q_SLOTS:
    void missingItem_readsAsNoLogin()
    {
        const auto result = load(u"nobody.example:4001"_s);
        QVERIFY(std::holds_alternative<std::optional<ServerCredentials>>(result));
        QVERIFY(!std::get<std::optional<ServerCredentials>>(result).has_value());
    }

    void save_thenLoad_givesTheLoginPerEndpoint()
    {
        const ServerCredentials first{u"op"_s, u"s\u00e9cret \u20ac"_s};
        const ServerCredentials second{u"guest"_s, QString()};
        QCOMPARE(save(u"shack:4001"_s, first), std::nullopt);
        QCOMPARE(save(u"serial:/dev/ttyUSB0@9600"_s, second), std::nullopt);

        QCOMPARE(loaded(u"shack:4001"_s), first);
        QCOMPARE(loaded(u"serial:/dev/ttyUSB0@9600"_s), second);
    }

    void saveForExistingEndpoint_replacesTheLogin()
    {
        QCOMPARE(save(u"tower:4001"_s, {u"old"_s, u"1"_s}), std::nullopt);
        QCOMPARE(save(u"tower:4001"_s, {u"new"_s, u"2"_s}), std::nullopt);
        QCOMPARE(loaded(u"tower:4001"_s), (ServerCredentials{u"new"_s, u"2"_s}));
        QCOMPARE(remove(u"tower:4001"_s), std::nullopt);
        QCOMPARE(loaded(u"tower:4001"_s).username, u"<none>"_s);
    }

    void keychainErrorDescription_namesTheStatus()
    {
        QCOMPARE(KeychainError{-25300}.description(), u"Keychain error (-25300)."_s);
    }

    void credentialsJson_holdsExactlyUsernameAndPassword()
    {
        const QByteArray json = ServerCredentials{u"a"_s, u"b"_s}.toJson();
        QCOMPARE(json, QByteArray(R"({"password":"b","username":"a"})"));
        QCOMPARE(ServerCredentials::fromJson(R"({"username":"a"})"), std::nullopt);
        QCOMPARE(ServerCredentials::fromJson("[]"), std::nullopt);
    }

    void cleanupTestCase()
    {
        remove(u"shack:4001"_s);
        remove(u"serial:/dev/ttyUSB0@9600"_s);
    }
};

QTEST_GUILESS_MAIN(TestKeychainCredentialStore)
#include "tst_keychaincredentialstore.moc"

#include "core/client/KeychainCredentialStore.h"

#include <QTest>
#include <QUuid>

using namespace Qt::Literals::StringLiterals;

// Runs against the real Secret Service of the private session that the test runner starts.
// Each run uses its own service name so a developer's own logins are never touched.
class TestKeychainCredentialStore final : public QObject {
    Q_OBJECT

    KeychainCredentialStore m_store{u"org.xalto.test."_s + QUuid::createUuid().toString(QUuid::WithoutBraces)};

    static ServerCredentials loaded(const CredentialStore::LoadResult& result)
    {
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
        const auto result = m_store.load(u"nobody.example:4001"_s);
        QVERIFY(std::holds_alternative<std::optional<ServerCredentials>>(result));
        QVERIFY(!std::get<std::optional<ServerCredentials>>(result).has_value());
    }

    void save_thenLoad_givesTheLoginPerEndpoint()
    {
        const ServerCredentials first{u"op"_s, u"s\u00e9cret \u20ac"_s};
        const ServerCredentials second{u"guest"_s, QString()};
        QCOMPARE(m_store.save(u"shack:4001"_s, first), std::nullopt);
        QCOMPARE(m_store.save(u"serial:/dev/ttyUSB0@9600"_s, second), std::nullopt);

        QCOMPARE(loaded(m_store.load(u"shack:4001"_s)), first);
        QCOMPARE(loaded(m_store.load(u"serial:/dev/ttyUSB0@9600"_s)), second);
    }

    void saveForExistingEndpoint_replacesTheLogin()
    {
        QCOMPARE(m_store.save(u"tower:4001"_s, {u"old"_s, u"1"_s}), std::nullopt);
        QCOMPARE(m_store.save(u"tower:4001"_s, {u"new"_s, u"2"_s}), std::nullopt);
        QCOMPARE(loaded(m_store.load(u"tower:4001"_s)), (ServerCredentials{u"new"_s, u"2"_s}));
        QCOMPARE(m_store.remove(u"tower:4001"_s), std::nullopt);
        QCOMPARE(loaded(m_store.load(u"tower:4001"_s)).username, u"<none>"_s);
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
        m_store.remove(u"shack:4001"_s);
        m_store.remove(u"serial:/dev/ttyUSB0@9600"_s);
    }
};

QTEST_GUILESS_MAIN(TestKeychainCredentialStore)
#include "tst_keychaincredentialstore.moc"

#include "core/client/MemorySettingsStore.h"
#include "core/client/QSettingsStore.h"

#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

using namespace Qt::Literals::StringLiterals;

// Both stores must behave alike, so every case runs against each.
class TestSettingsStore final : public QObject {
    Q_OBJECT

    using Factory = std::function<std::unique_ptr<SettingsStore>()>;

    QTemporaryDir m_dir;
    int m_fileCount = 0;

    Factory qsettingsFactory()
    {
        return [this] { return std::make_unique<QSettingsStore>(m_dir.filePath(u"store%1.ini"_s.arg(++m_fileCount))); };
    }

    void addStores()
    {
        QTest::addColumn<Factory>("factory");
        QTest::newRow("memory") << Factory([] { return std::make_unique<MemorySettingsStore>(); });
        QTest::newRow("qsettings") << qsettingsFactory();
    }

private Q_SLOTS:
    void keysWithSeparators_roundTripAndEnumerateUnchanged_data() { addStores(); }
    void keysWithSeparators_roundTripAndEnumerateUnchanged()
    {
        QFETCH(Factory, factory);
        auto store = factory();
        const QStringList keys{u"integrations:serial:/dev/ttyUSB0@9600"_s, u"presentation:host:4001"_s,
                               u"a//b\\c%41 d=e;f,g#h"_s, u"stationSnapshot:[::1]:4001"_s, u"caf\u00e9"_s};
        for (const QString& key : keys) {
            store->setText(key, key + u"!"_s);
        }
        QStringList sorted = keys;
        sorted.sort();
        QCOMPARE(store->keys(), sorted);
        for (const QString& key : keys) {
            QVERIFY(store->contains(key));
            QCOMPARE(store->text(key), std::optional(key + u"!"_s));
        }
        store->remove(keys.first());
        QVERIFY(!store->contains(keys.first()));
        QCOMPARE(store->keys().size(), keys.size() - 1);
    }

    void typedEntries_readBackOnlyAsTheirOwnType_data() { addStores(); }
    void typedEntries_readBackOnlyAsTheirOwnType()
    {
        QFETCH(Factory, factory);
        auto store = factory();
        const QByteArray bytes("\x00\x01{\"a\":1}\xff", 10);
        store->setData(u"data"_s, bytes);
        store->setText(u"text"_s, u"true"_s);
        store->setTextList(u"list"_s, {u"A"_s, u""_s, u"B C"_s});
        store->setTextList(u"empty"_s, {});
        store->setFlag(u"flag"_s, false);

        QCOMPARE(store->data(u"data"_s), std::optional(bytes));
        QCOMPARE(store->text(u"text"_s), std::optional(u"true"_s));
        QCOMPARE(store->textList(u"list"_s), std::optional(QStringList{u"A"_s, u""_s, u"B C"_s}));
        QCOMPARE(store->textList(u"empty"_s), std::optional(QStringList{}));
        QCOMPARE(store->flag(u"flag"_s), std::optional(false));

        QCOMPARE(store->flag(u"text"_s), std::nullopt);
        QCOMPARE(store->data(u"text"_s), std::nullopt);
        QCOMPARE(store->text(u"data"_s), std::nullopt);
        QCOMPARE(store->text(u"missing"_s), std::nullopt);
    }

    void qsettingsStore_keepsEntriesAcrossInstances()
    {
        const QString file = m_dir.filePath(u"persist.ini"_s);
        {
            QSettingsStore store(file);
            store.setText(u"serverProfiles/x"_s, u"value"_s);
        }
        QSettingsStore reopened(file);
        QCOMPARE(reopened.keys(), QStringList{u"serverProfiles/x"_s});
        QCOMPARE(reopened.text(u"serverProfiles/x"_s), std::optional(u"value"_s));
    }
};

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"

#include "app/map/TileLoader.h"
#include "core/client/MemorySettingsStore.h"
#include "tests/support/LocalHttpServer.h"
#include "tests/support/TileTestSupport.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

// The loader without a widget, against a local tile server: what it asks the server for, and
// how it holds back.
class TestTileLoader final : public QObject {
    Q_OBJECT

    LocalHttpServer m_server;
    QTemporaryDir m_cacheRoot;
    int m_folders = 0;

    QString newCacheFolder() { return m_cacheRoot.filePath(QString::number(++m_folders)); }

    QString base() const { return m_server.url(QString()).toString(); }

    qsizetype requestsUnder(const QString& prefix) const
    {
        const QList<LocalHttpServer::Request>& requests = m_server.requests();
        return std::count_if(requests.cbegin(), requests.cend(),
                             [&](const LocalHttpServer::Request& request) { return request.path.startsWith(prefix); });
    }

    static QSet<TileLoader::TileKey> row(int zoom, int y, int fromX, int toX)
    {
        QSet<TileLoader::TileKey> keys;
        for (int x = fromX; x <= toX; ++x) {
            keys.insert({TileLoader::Style::standard, zoom, x, y});
        }
        return keys;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(m_server.listen(), qPrintable(m_server.errorString()));
        QVERIFY(m_cacheRoot.isValid());
    }

    void templates_placeEachNumberWhereItsNameStands_data()
    {
        QTest::addColumn<TileLoader::Style>("style");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("path");
        QTest::newRow("standard z/x/y") << TileLoader::Style::standard << u"/osm/{z}/{x}/{y}.png"_s
                                        << u"/osm/7/65/42.png"_s;
        QTest::newRow("satellite z/y/x") << TileLoader::Style::satellite << u"/wmts/g/{z}/{y}/{x}.jpg"_s
                                         << u"/wmts/g/7/42/65.jpg"_s;
    }
    void templates_placeEachNumberWhereItsNameStands()
    {
        QFETCH(TileLoader::Style, style);
        QFETCH(QString, pattern);
        QFETCH(QString, path);
        m_server.setRoute(path, {200, TileTest::png(Qt::darkGreen), "image/png", {}, 0, false});
        MemorySettingsStore settings;
        settings.setText(style == TileLoader::Style::standard ? TileLoader::standardURLKey
                                                              : TileLoader::satelliteURLKey,
                         base() + pattern);
        TileLoader loader(settings, newCacheFolder());
        QSignalSpy ready(&loader, &TileLoader::tileReady);
        const TileLoader::TileKey key{style, 7, 65, 42};
        QVERIFY(loader.tile(key).isNull());
        QVERIFY(ready.wait());
        QCOMPARE(ready.first().first().value<TileLoader::TileKey>(), key);
        QCOMPARE(m_server.requests().last().path, path);
        QCOMPARE(loader.tile(key).pixelColor(128, 128), QColor(Qt::darkGreen));
    }

    void duplicates_areMerged_andTwoAtATimeGoToAServer()
    {
        constexpr int delay = 100;
        const QString prefix = u"/merged"_s;
        TileTest::serve(m_server, prefix, 9, QRect(100, 200, 6, 1),
                        {200, {}, "image/png", {{"Cache-Control", "max-age=600"}}, delay, false});
        MemorySettingsStore settings;
        settings.setText(TileLoader::standardURLKey, base() + prefix + u"/{z}/{x}/{y}.png"_s);
        TileLoader loader(settings, newCacheFolder());
        QSignalSpy ready(&loader, &TileLoader::tileReady);

        // Two maps wanting overlapping tiles, and a painter asking for some of them again.
        QObject first;
        QObject second;
        loader.setWanted(&first, row(9, 200, 100, 103));
        loader.setWanted(&second, row(9, 200, 102, 105));
        for (const TileLoader::TileKey& key : row(9, 200, 101, 104)) {
            QVERIFY(loader.tile(key).isNull());
        }
        QTRY_COMPARE(ready.count(), 6);
        const qsizetype arrived = m_server.requests().size();
        QCOMPARE(requestsUnder(prefix), 6);
        for (const TileLoader::TileKey& key : row(9, 200, 100, 105)) {
            QCOMPARE(loader.tile(key).pixelColor(0, 0), TileTest::colour(key.x, key.y));
        }

        // With two in flight, the third request cannot leave before the first answer, nor the
        // fifth before the third's.
        const QList<LocalHttpServer::Request>& requests = m_server.requests();
        const qint64 startedAt = requests.at(arrived - 6).arrivalMs;
        for (int k = 2; k < 6; ++k) {
            QVERIFY2(
                requests.at(arrived - 6 + k).arrivalMs - startedAt >= (k / 2) * delay * 9 / 10,
                qPrintable(u"request %1 after %2 ms"_s.arg(k).arg(requests.at(arrived - 6 + k).arrivalMs - startedAt)));
        }
    }

    void refusingServer_isLeftAlone_data()
    {
        QTest::addColumn<int>("status");
        QTest::newRow("403") << 403;
        QTest::newRow("429") << 429;
    }
    void refusingServer_isLeftAlone()
    {
        QFETCH(int, status);
        const QString prefix = u"/refusing%1"_s.arg(status);
        TileTest::serve(m_server, prefix, 9, QRect(100, 200, 9, 1), {status, "go away", "text/plain", {}, 0, false});
        MemorySettingsStore settings;
        settings.setText(TileLoader::standardURLKey, base() + prefix + u"/{z}/{x}/{y}.png"_s);
        TileLoader loader(settings, newCacheFolder());
        QSignalSpy failed(&loader, &TileLoader::tileFailed);
        QObject map;
        loader.setWanted(&map, row(9, 200, 100, 105));
        QTRY_COMPARE(failed.count(), 6);
        // Only the two already on their way when the refusal came were sent.
        QCOMPARE(requestsUnder(prefix), 2);

        // A new region asks again, but not the server that refused.
        loader.setWanted(&map, row(9, 200, 103, 108));
        QTRY_COMPARE(failed.count(), 6 + 6);
        QCOMPARE(requestsUnder(prefix), 2);
        QVERIFY(failed.last().at(1).toString().contains(u"127.0.0.1"_s));
    }
};

QTEST_GUILESS_MAIN(TestTileLoader)
#include "tst_tileloader.moc"

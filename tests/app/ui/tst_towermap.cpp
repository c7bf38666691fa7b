#include "app/map/TileLoader.h"
#include "app/map/TileMath.h"
#include "app/ui/map/TowerMap.h"
#include "core/client/MemorySettingsStore.h"
#include "tests/support/LocalHttpServer.h"
#include "tests/support/TileTestSupport.h"

#include <QApplication>
#include <QDir>
#include <QSignalSpy>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <numbers>
#include <optional>

using namespace Qt::Literals::StringLiterals;

Q_DECLARE_METATYPE(LocalHttpServer::Route)

namespace {

// Every map here is 400 × 300 and centred on the middle of tile (x, y) at `zoom`, half a level
// further out than the tiles, so they are drawn scaled.
constexpr int zoom = 12;
constexpr int tileX = 2137;
constexpr int tileY = 1444;
const QRect servedBlock(tileX - 4, tileY - 4, 9, 9);

struct Scene {
    double latitude = 0.0;
    double longitude = 0.0;
    double span = 0.0;
    // Logical pixels a tile takes on screen.
    double tileSize = 0.0;
};

Scene sceneFor(const TowerMap& map, int x = tileX)
{
    const double ratio = map.devicePixelRatioF();
    const QPointF middle = TileMath::coordinate(QPointF(x + 0.5, tileY + 0.5), zoom);
    const double shorter = std::min(map.width(), map.height()) * ratio;
    const double cosine = std::cos(middle.x() * std::numbers::pi / 180.0);
    const double span = TileMath::equatorMetresPerPixel * cosine * shorter / std::exp2(zoom - 0.5);
    return {middle.x(), middle.y(), span, TileMath::tileSize * std::exp2(-0.5) / ratio};
}

// The tiles a 400 × 300 map of `scene` shows, grown by `ring` tiles on every side.
QSet<QString> tilePaths(const QString& prefix, const Scene& scene, int ring)
{
    const QPointF topLeft = QPointF(tileX + 0.5, tileY + 0.5) - QPointF(200.0, 150.0) / scene.tileSize;
    const QPointF bottomRight = QPointF(tileX + 0.5, tileY + 0.5) + QPointF(199.99, 149.99) / scene.tileSize;
    QSet<QString> paths;
    for (int y = int(std::floor(topLeft.y())) - ring; y <= int(std::floor(bottomRight.y())) + ring; ++y) {
        for (int x = int(std::floor(topLeft.x())) - ring; x <= int(std::floor(bottomRight.x())) + ring; ++x) {
            paths.insert(TileTest::path(prefix, zoom, x, y));
        }
    }
    return paths;
}

QColor sample(const QImage& image, QPointF logical)
{
    return image.pixelColor((logical * image.devicePixelRatio()).toPoint());
}

bool near(const QColor& a, const QColor& b)
{
    constexpr int tolerance = 8;
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

MemorySettingsStore settingsFor(const QString& urlTemplate)
{
    MemorySettingsStore settings;
    settings.setText(TileLoader::standardURLKey, urlTemplate);
    return settings;
}

// A shown 400 × 300 map on a loader of its own.
struct Rig {
    Rig(const QString& urlTemplate, const QString& cacheFolder)
        : settings(settingsFor(urlTemplate))
        , loader(settings, cacheFolder)
        , map(loader)
    {
        map.resize(400, 300);
        map.show();
    }
    MemorySettingsStore settings;
    TileLoader loader;
    TowerMap map;
};

} // namespace

// The map widget offscreen against a local tile server: which tiles it asks for, where it draws
// them, what it does when the server fails, and dragging. Also run at twice the scale.
class TestTowerMap final : public QObject {
    Q_OBJECT

    LocalHttpServer m_server;
    QTemporaryDir m_cacheRoot;
    int m_folders = 0;

    QString templateFor(const QString& prefix) const
    {
        return m_server.url(QString()).toString() + prefix + u"/{z}/{x}/{y}.png"_s;
    }

    // A fresh cache folder, so that one test's tiles are never another's.
    QString newCacheFolder() { return m_cacheRoot.filePath(QString::number(++m_folders)); }

    QList<QString> requestedPaths(const QString& prefix) const
    {
        QList<QString> paths;
        for (const LocalHttpServer::Request& request : m_server.requests()) {
            if (request.path.startsWith(prefix + u'/')) {
                paths.append(request.path);
            }
        }
        return paths;
    }

    static void place(TowerMap& map, const Scene& scene) { map.setRegion(scene.latitude, scene.longitude, scene.span); }

    // The centre and one tile's worth right and up land in the expected tiles.
    static void checkPlacement(TowerMap& map, const Scene& scene, int x = tileX)
    {
        const QImage image = map.grab().toImage();
        const QPointF middle(200.0, 150.0);
        const QList<std::pair<QPointF, QColor>> expected{
            {middle, TileTest::colour(x, tileY)},
            {middle + QPointF(scene.tileSize * 0.75, 0.0), TileTest::colour(x + 1, tileY)},
            {middle - QPointF(0.0, scene.tileSize * 0.75), TileTest::colour(x, tileY - 1)},
        };
        for (const auto& [at, colour] : expected) {
            const QColor seen = sample(image, at);
            if (!near(seen, colour)) {
                const QString saved = QDir::temp().filePath(u"tst_towermap_failure.png"_s);
                image.save(saved);
                QFAIL(qPrintable(u"%1 at (%2, %3) where %4 belongs; image in %5"_s.arg(seen.name())
                                     .arg(at.x())
                                     .arg(at.y())
                                     .arg(colour.name(), saved)));
            }
        }
    }

private Q_SLOTS:
    void initTestCase()
    {
        QApplication::setStyle(QStyleFactory::create(u"Fusion"_s));
        QVERIFY2(m_server.listen(), qPrintable(m_server.errorString()));
        QVERIFY(m_cacheRoot.isValid());
    }

    void lateTiles_visibleAndOneRingRequestedOnceAndDrawnInPlace_data()
    {
        QTest::addColumn<bool>("round");
        QTest::newRow("rectangular") << false;
        QTest::newRow("round") << true;
    }
    void lateTiles_visibleAndOneRingRequestedOnceAndDrawnInPlace()
    {
        QFETCH(bool, round);
        const QString prefix = round ? u"/late-round"_s : u"/late"_s;
        TileTest::serve(m_server, prefix, zoom, servedBlock,
                        {200, {}, "image/png", {{"Cache-Control", "max-age=86400"}}, 60, false});
        Rig rig(templateFor(prefix), newCacheFolder());
        TowerMap& map = rig.map;
        map.setRound(round);
        const Scene scene = sceneFor(map);
        place(map, scene);

        // Nothing has come yet: the map is drawn anyway, with placeholders.
        const QImage before = map.grab().toImage();
        QVERIFY(!near(sample(before, QPointF(200.0, 150.0)), TileTest::colour(tileX, tileY)));

        const QSet<QString> wanted = tilePaths(prefix, scene, 1);
        QTRY_COMPARE(requestedPaths(prefix).size(), wanted.size());
        const QList<QString> requested = requestedPaths(prefix);
        QCOMPARE(QSet<QString>(requested.cbegin(), requested.cend()), wanted);
        for (const LocalHttpServer::Request& request : m_server.requests()) {
            if (request.path.startsWith(prefix + u'/')) {
                QVERIFY(request.headers.value("user-agent").startsWith("XaltoStationControl/" XALTO_VERSION " (+"));
                QVERIFY(!request.headers.value("cache-control").contains("no-cache"));
                QVERIFY(!request.headers.contains("pragma"));
            }
        }

        QTRY_VERIFY(near(sample(map.grab().toImage(), QPointF(200.0, 150.0)), TileTest::colour(tileX, tileY)));
        checkPlacement(map, scene);
        if (round) {
            const QImage image = map.grab().toImage();
            QCOMPARE(sample(image, QPointF(3.0, 3.0)), sample(image, QPointF(396.0, 3.0)));
            QVERIFY(!near(sample(image, QPointF(3.0, 3.0)), TileTest::colour(tileX - 2, tileY - 1)));
        }
        QCOMPARE(map.loadError(), std::nullopt);
    }

    void secondLoaderOnTheSameCache_drawsWithoutRequest_data()
    {
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<LocalHttpServer::Route>("route");
        QTest::newRow("max-age") << u"/cached"_s
                                 << LocalHttpServer::Route{200, {},   "image/png", {{"Cache-Control", "max-age=86400"}},
                                                           0,   false};
        // Kept a week by the loader's own rule.
        QTest::newRow("no expiry") << u"/unlabelled"_s << LocalHttpServer::Route{200, {}, "image/png", {}, 0, false};
    }
    void secondLoaderOnTheSameCache_drawsWithoutRequest()
    {
        QFETCH(QString, prefix);
        QFETCH(LocalHttpServer::Route, route);
        TileTest::serve(m_server, prefix, zoom, servedBlock, route);
        const QString folder = newCacheFolder();
        qsizetype requested = 0;
        {
            Rig first(templateFor(prefix), folder);
            QSignalSpy ready(&first.loader, &TileLoader::tileReady);
            const Scene scene = sceneFor(first.map);
            place(first.map, scene);
            requested = tilePaths(prefix, scene, 1).size();
            QTRY_COMPARE(ready.count(), requested);
            QCOMPARE(requestedPaths(prefix).size(), requested);
        }

        Rig second(templateFor(prefix), folder);
        QSignalSpy ready(&second.loader, &TileLoader::tileReady);
        const Scene scene = sceneFor(second.map);
        place(second.map, scene);
        QTRY_COMPARE(ready.count(), requested);
        checkPlacement(second.map, scene);
        QCOMPARE(requestedPaths(prefix).size(), requested);
    }

    void failingServer_setsLoadErrorUntilTheTilesLoad_data()
    {
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<LocalHttpServer::Route>("route");
        QTest::newRow("404") << u"/missing"_s << LocalHttpServer::Route{404, "no", "text/plain", {}, 0, false};
        QTest::newRow("500") << u"/broken"_s << LocalHttpServer::Route{500, "oops", "text/plain", {}, 0, false};
        QTest::newRow("silent") << u"/silent"_s << LocalHttpServer::Route{200, {}, "image/png", {}, 0, true};
        QTest::newRow("not an image") << u"/garbled"_s
                                      << LocalHttpServer::Route{200, "GIF89a?", "image/png", {}, 0, false};
    }
    void failingServer_setsLoadErrorUntilTheTilesLoad()
    {
        QFETCH(QString, prefix);
        QFETCH(LocalHttpServer::Route, route);
        TileTest::serve(m_server, prefix, zoom, servedBlock, route);
        Rig rig(templateFor(prefix), newCacheFolder());
        TowerMap& map = rig.map;
        rig.loader.setTransferTimeout(std::chrono::milliseconds(300));
        QSignalSpy errors(&map, &TowerMap::loadErrorChanged);
        place(map, sceneFor(map));

        QTRY_COMPARE(map.loadError(), std::optional(TowerMap::loadErrorMessage()));
        QCOMPARE(errors.count(), 1);
        QCOMPARE(errors.first().first().value<std::optional<QString>>(), std::optional(TowerMap::loadErrorMessage()));
        QCOMPARE(TowerMap::loadErrorMessage(), u"Map imagery unavailable. Heading display still works."_s);

        // The server recovers; the failed tiles are tried again once the map moves.
        const qsizetype before = requestedPaths(prefix).size();
        TileTest::serve(m_server, prefix, zoom, servedBlock);
        const Scene moved = sceneFor(map, tileX + 1);
        place(map, moved);
        QTRY_COMPARE(map.loadError(), std::nullopt);
        QCOMPARE(errors.last().first().value<std::optional<QString>>(), std::nullopt);
        QVERIFY(requestedPaths(prefix).size() > before);
        checkPlacement(map, moved, tileX + 1);
    }

    void drag_reportsTheMovedCentreOnlyWhenEditable_data()
    {
        QTest::addColumn<bool>("editable");
        QTest::newRow("editable") << true;
        QTest::newRow("not editable") << false;
    }
    void drag_reportsTheMovedCentreOnlyWhenEditable()
    {
        QFETCH(bool, editable);
        Rig rig(templateFor(u"/drag"_s), newCacheFolder());
        TowerMap& map = rig.map;
        map.setEditable(editable);
        QVERIFY(QTest::qWaitForWindowExposed(&map));
        const double latitude = 60.0;
        const double longitude = 10.0;
        const double span = 3000.0;
        map.setRegion(latitude, longitude, span);
        QSignalSpy moved(&map, &TowerMap::centerChanged);

        // Right and down by (80, 60) in twenty steps: the ground moves with the pointer, so the
        // centre goes west and north by that many pixels' worth of metres.
        const QPoint start(200, 150);
        constexpr int steps = 20;
        QTest::mousePress(&map, Qt::LeftButton, {}, start);
        for (int step = 1; step <= steps; ++step) {
            QTest::mouseMove(&map, start + QPoint(4 * step, 3 * step));
        }
        QTest::mouseRelease(&map, Qt::LeftButton, {}, start + QPoint(80, 60));

        QCOMPARE(map.cursor().shape(), editable ? Qt::OpenHandCursor : Qt::ArrowCursor);
        if (!editable) {
            QCOMPARE(moved.count(), 0);
            QCOMPARE(map.latitude(), latitude);
            QCOMPARE(map.longitude(), longitude);
            return;
        }
        QVERIFY(moved.count() >= 1);
        QVERIFY2(moved.count() < steps, "the drag reports as often as the pointer moves");
        const double metresPerPixel = span / 300.0;
        const double metresPerDegree = 2.0 * std::numbers::pi * 6378137.0 / 360.0;
        const double expectedLatitude = latitude + 60.0 * metresPerPixel / metresPerDegree;
        const double expectedLongitude =
            longitude - 80.0 * metresPerPixel / (metresPerDegree * std::cos(latitude * std::numbers::pi / 180.0));
        const QList<QVariant> last = moved.last();
        QVERIFY2(std::abs(last.at(0).toDouble() - expectedLatitude) < 0.01 * (expectedLatitude - latitude),
                 qPrintable(QString::number(last.at(0).toDouble(), 'f', 7)));
        QVERIFY2(std::abs(last.at(1).toDouble() - expectedLongitude) < 0.01 * (longitude - expectedLongitude),
                 qPrintable(QString::number(last.at(1).toDouble(), 'f', 7)));
        QCOMPARE(map.latitude(), last.at(0).toDouble());
        QCOMPARE(map.longitude(), last.at(1).toDouble());
    }
};

QTEST_MAIN(TestTowerMap)
#include "tst_towermap.moc"

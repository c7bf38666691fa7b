#pragma once

#include <QCache>
#include <QHash>
#include <QImage>
#include <QLatin1StringView>
#include <QList>
#include <QNetworkAccessManager>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QStringView>
#include <QTimer>
#include <QUrl>

#include <chrono>
#include <optional>

class QNetworkDiskCache;
class QNetworkReply;
class SettingsStore;

// One per application: fetches z/x/y Web-Mercator tiles for the visible maps, through one
// QNetworkAccessManager with a persistent QNetworkDiskCache, and keeps decoded tiles in a
// bounded memory cache.
//
// The tile servers' usage policies shape it: only the tiles the maps ask for (visible plus one
// ring) are fetched, each once however many maps want it, at most two at a time per server; the
// server's cache headers are honoured, and replies without any are kept a week; a tile that
// failed is not asked for again until a map's region changes; a server answering 403 or 429 is
// left alone for a while.
class TileLoader final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TileLoader)

public:
    enum class Style { standard, satellite };
    Q_ENUM(Style)

    struct TileKey {
        Style style = Style::standard;
        int zoom = 0;
        int x = 0;
        int y = 0;
        friend bool operator==(const TileKey&, const TileKey&) = default;
    };

    // Settings keys of the URL templates, so another tile server can be used without a release.
    // Templates hold {z}, {x} and {y}.
    static constexpr QLatin1StringView standardURLKey{"tileURL"};
    static constexpr QLatin1StringView satelliteURLKey{"satelliteTileURL"};
    static constexpr QLatin1StringView defaultStandardURL{"https://tile.openstreetmap.org/{z}/{x}/{y}.png"};
    static constexpr QLatin1StringView defaultSatelliteURL{
        "https://tiles.maps.eox.at/wmts/1.0.0/s2cloudless-2020_3857/default/g/{z}/{y}/{x}.jpg"};

    static constexpr qint64 diskCacheBytes = 256LL * 1024 * 1024;
    // About 256 decoded tiles of 256 × 256: every visible map at HiDPI with its ring, both styles.
    static constexpr qint64 memoryCacheBytes = 64LL * 1024 * 1024;
    static constexpr int maximumInFlightPerHost = 2;
    // Tiles read back from the disk cache use no connection, but still take turns so that a
    // big map does not decode everything in one go.
    static constexpr int maximumDiskLoads = 6;
    static constexpr int maximumQueued = 512;
    static constexpr qint64 maximumTileBytes = 4LL * 1024 * 1024;
    static constexpr int maximumTilePixels = 1024;
    static constexpr std::chrono::milliseconds defaultTransferTimeout{15000};
    // How long a server that answered 403 or 429 is left alone when it gives no Retry-After.
    static constexpr std::chrono::seconds hostPause{300};
    // Replies the server gave no expiry are kept this long.
    static constexpr std::chrono::hours defaultLifetime{24 * 7};

    // URL templates come from `defaults` (settings keys "tileURL", "satelliteTileURL"),
    // falling back to the built-in defaults; the disk cache lives in `cacheFolder`.
    TileLoader(SettingsStore& defaults, const QString& cacheFolder, QObject* parent = nullptr);
    ~TileLoader() override;

    static QString defaultCacheFolder(); // under QStandardPaths::CacheLocation

    // The decoded tile if held in memory; otherwise null, and the tile is requested (merged with
    // any request already in flight) unless it failed since the last region change. Never emits
    // from inside the call, so it is safe to use while painting.
    QImage tile(const TileKey& key);
    // Whether the tile is decoded in memory; asks for nothing.
    bool holds(const TileKey& key) const { return m_memory.contains(key); }
    // Tiles no visible map needs any more are dropped from the queue (not from the cache).
    void setWanted(QObject* map, const QSet<TileKey>& keys); // per map; the union is fetched

    int maximumZoom(Style style) const;
    QString attribution(Style style) const; // "© OpenStreetMap contributors" for standard
    QUrl attributionLink(Style style) const;
    // The address of a tile, from the style's template; invalid when the template is no web address.
    QUrl url(const TileKey& key) const;

    void setTransferTimeout(std::chrono::milliseconds timeout);
    // Bytes held by decoded tiles in memory.
    qint64 memoryBytes() const { return m_memory.totalCost(); }
    // A tile made elsewhere (a benchmark's generated imagery) taken as if it had arrived.
    void insertTile(const TileKey& key, QImage image);

Q_SIGNALS:
    void tileReady(const TileLoader::TileKey& key);
    void tileFailed(const TileLoader::TileKey& key, const QString& reason);

private:
    struct Flight {
        QPointer<QNetworkReply> reply;
        QString host;
        // Read back from the disk cache: it takes no connection.
        bool fromDisk = false;
        // Never the network: an old copy while the server is unreachable or paused.
        bool cacheOnly = false;
        // Which round of failures it belongs to: one sent before the maps last moved is asked
        // again rather than held against the new region.
        int round = 0;
    };
    struct Queued {
        TileKey key;
        // Whether a fresh copy is on disk, looked up once.
        std::optional<bool> onDisk;
    };

    void scheduleDispatch();
    void dispatch();
    void start(const TileKey& key, const QUrl& address, bool fromDisk, bool cacheOnly);
    void finished(QNetworkReply* reply, const TileKey& key);
    void fail(const TileKey& key, const QString& reason);
    // A failure of a request sent before the maps last moved: asked again if still wanted.
    void fail(const TileKey& key, int round, const QString& reason);
    bool freshOnDisk(const QUrl& address) const;
    bool hostPaused(const QString& host) const;
    void pauseHost(const QString& host, QNetworkReply* reply);

    SettingsStore& m_defaults;
    QNetworkAccessManager m_network;
    QNetworkDiskCache* m_diskCache = nullptr;
    std::chrono::milliseconds m_transferTimeout = defaultTransferTimeout;
    QCache<TileKey, QImage> m_memory{memoryCacheBytes};
    // Most wanted first: a tile being painted moves to the front.
    QList<Queued> m_queue;
    QHash<TileKey, Flight> m_inFlight;
    QHash<QString, int> m_hostLoads;
    int m_diskLoads = 0;
    QHash<QString, std::chrono::steady_clock::time_point> m_pausedUntil;
    QSet<TileKey> m_failed;
    int m_failureRound = 0;
    QHash<QObject*, QSet<TileKey>> m_wanted;
    // Maps whose end is watched, so that a map deleted without a word stops wanting its tiles.
    QSet<QObject*> m_watched;
    QTimer m_dispatchTimer;
};

size_t qHash(const TileLoader::TileKey& key, size_t seed = 0) noexcept;

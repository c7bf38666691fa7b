#include "app/map/TileLoader.h"

#include "app/map/TileMath.h"
#include "app/map/UserAgent.h"
#include "core/client/SettingsStore.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QImageReader>
#include <QNetworkCacheMetaData>
#include <QNetworkDiskCache>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QStandardPaths>

#include <algorithm>
#include <cmath>

using namespace Qt::Literals::StringLiterals;
using SteadyClock = std::chrono::steady_clock;

namespace {

// The tile servers ask that tiles are kept at least a week when their replies say nothing.
class TileDiskCache final : public QNetworkDiskCache {
public:
    using QNetworkDiskCache::QNetworkDiskCache;

    QIODevice* prepare(const QNetworkCacheMetaData& metaData) override
    {
        return QNetworkDiskCache::prepare(withLifetime(metaData));
    }

    void updateMetaData(const QNetworkCacheMetaData& metaData) override
    {
        QNetworkDiskCache::updateMetaData(withLifetime(metaData));
    }

private:
    static QNetworkCacheMetaData withLifetime(QNetworkCacheMetaData metaData)
    {
        if (!metaData.expirationDate().isValid()) {
            const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(TileLoader::defaultLifetime);
            metaData.setExpirationDate(QDateTime::currentDateTimeUtc().addSecs(seconds.count()));
        }
        return metaData;
    }
};

struct StyleDefaults {
    QLatin1StringView urlKey;
    QLatin1StringView url;
    QLatin1StringView maximumZoomKey;
    int maximumZoom;
    QLatin1StringView attributionKey;
    QStringView attribution;
    QLatin1StringView attributionLink;
};

// The credits are the providers' own wording, which their terms ask for, so they stay untranslated.
// Sentinel-2 imagery has 10 m pixels, which level 14 shows one to one; deeper levels would only
// cost the provider requests for the same picture.
const StyleDefaults& defaultsOf(TileLoader::Style style)
{
    static const StyleDefaults standard{TileLoader::standardURLKey,
                                        TileLoader::defaultStandardURL,
                                        "tileMaximumZoom"_L1,
                                        TileMath::maximumZoom,
                                        "tileAttribution"_L1,
                                        u"© OpenStreetMap contributors",
                                        "https://www.openstreetmap.org/copyright"_L1};
    static const StyleDefaults satellite{
        TileLoader::satelliteURLKey,
        TileLoader::defaultSatelliteURL,
        "satelliteTileMaximumZoom"_L1,
        14,
        "satelliteTileAttribution"_L1,
        u"Sentinel-2 cloudless by EOX IT Services GmbH (Contains modified Copernicus Sentinel data 2020)",
        "https://s2maps.eu"_L1};
    return style == TileLoader::Style::satellite ? satellite : standard;
}

QString describeFailure(QNetworkReply* reply)
{
    if (reply->property("tooLarge").toBool()) {
        return QCoreApplication::translate("TileLoader", "The tile server sent more than %1 MiB for one tile.")
            .arg(TileLoader::maximumTileBytes >> 20);
    }
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status > 0) {
        const QString reason = reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();
        return QCoreApplication::translate("TileLoader", "The tile server answered %1 %2.")
            .arg(QString::number(status), reason)
            .simplified();
    }
    // A transfer timeout ends the reply as cancelled; nothing else here cancels one.
    if (reply->error() == QNetworkReply::OperationCanceledError) {
        return QCoreApplication::translate("TileLoader", "The tile server did not answer in time.");
    }
    return QCoreApplication::translate("TileLoader", "The tile could not be loaded: %1.").arg(reply->errorString());
}

// Retry-After in seconds, kept between a minute and an hour; the HTTP-date form is rare for
// tile servers and falls back to the default pause.
std::chrono::seconds pauseFor(QNetworkReply* reply)
{
    bool ok = false;
    const long long seconds = reply->rawHeader("Retry-After").trimmed().toLongLong(&ok);
    if (!ok) {
        return TileLoader::hostPause;
    }
    return std::chrono::seconds(std::clamp(seconds, 60LL, 3600LL));
}

} // namespace

size_t qHash(const TileLoader::TileKey& key, size_t seed) noexcept
{
    return qHashMulti(seed, static_cast<int>(key.style), key.zoom, key.x, key.y);
}

TileLoader::TileLoader(SettingsStore& defaults, const QString& cacheFolder, QObject* parent)
    : QObject(parent)
    , m_defaults(defaults)
{
    auto* cache = new TileDiskCache(&m_network);
    cache->setCacheDirectory(cacheFolder);
    cache->setMaximumCacheSize(diskCacheBytes);
    m_network.setCache(cache);
    m_diskCache = cache;
    m_network.setTransferTimeout(static_cast<int>(m_transferTimeout.count()));
    m_dispatchTimer.setSingleShot(true);
    connect(&m_dispatchTimer, &QTimer::timeout, this, &TileLoader::dispatch);
}

TileLoader::~TileLoader()
{
    // Aborting emits finished; nothing of this object may run by then.
    for (const Flight& flight : std::as_const(m_inFlight)) {
        if (QNetworkReply* reply = flight.reply) {
            reply->disconnect(this);
            reply->abort();
        }
    }
}

QString TileLoader::defaultCacheFolder()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::CacheLocation)).filePath(u"tiles"_s);
}

QImage TileLoader::tile(const TileKey& key)
{
    if (const QImage* image = m_memory.object(key)) {
        return *image;
    }
    if (m_failed.contains(key) || m_inFlight.contains(key)) {
        return {};
    }
    const auto queued =
        std::find_if(m_queue.begin(), m_queue.end(), [&](const Queued& entry) { return entry.key == key; });
    if (queued != m_queue.end()) {
        // A tile on screen goes before the ring around it.
        std::rotate(m_queue.begin(), queued, queued + 1);
    } else {
        m_queue.prepend(Queued{key, {}});
        if (m_queue.size() > maximumQueued) {
            m_queue.removeLast();
        }
    }
    scheduleDispatch();
    return {};
}

void TileLoader::setWanted(QObject* map, const QSet<TileKey>& keys)
{
    const auto known = m_wanted.constFind(map);
    if (known == m_wanted.cend() ? keys.isEmpty() : *known == keys) {
        return;
    }
    if (!m_watched.contains(map)) {
        m_watched.insert(map);
        connect(map, &QObject::destroyed, this, [this, map] {
            setWanted(map, {});
            m_watched.remove(map);
        });
    }
    // The map moved: tiles that failed may be tried again.
    m_failed.clear();
    ++m_failureRound;
    if (keys.isEmpty()) {
        m_wanted.remove(map);
    } else {
        m_wanted.insert(map, keys);
    }

    QSet<TileKey> wanted;
    for (const QSet<TileKey>& set : std::as_const(m_wanted)) {
        wanted.unite(set);
    }
    m_queue.removeIf([&](const Queued& entry) { return !wanted.contains(entry.key); });

    QList<TileKey> added;
    for (const TileKey& key : keys) {
        const bool queued =
            std::any_of(m_queue.cbegin(), m_queue.cend(), [&](const Queued& entry) { return entry.key == key; });
        if (!queued && !m_inFlight.contains(key) && !m_memory.contains(key)) {
            added.append(key);
        }
    }
    // The middle of the map first, the ring last.
    double middleX = 0.0;
    double middleY = 0.0;
    for (const TileKey& key : std::as_const(added)) {
        middleX += key.x;
        middleY += key.y;
    }
    middleX /= std::max<qsizetype>(added.size(), 1);
    middleY /= std::max<qsizetype>(added.size(), 1);
    const auto distance = [&](const TileKey& key) { return std::hypot(key.x - middleX, key.y - middleY); };
    std::sort(added.begin(), added.end(),
              [&](const TileKey& a, const TileKey& b) { return distance(a) < distance(b); });
    for (const TileKey& key : std::as_const(added)) {
        if (m_queue.size() >= maximumQueued) {
            break;
        }
        m_queue.append(Queued{key, {}});
    }
    scheduleDispatch();
}

int TileLoader::maximumZoom(Style style) const
{
    const StyleDefaults& defaults = defaultsOf(style);
    bool ok = false;
    const int zoom = m_defaults.text(defaults.maximumZoomKey).value_or(QString()).trimmed().toInt(&ok);
    return ok ? std::clamp(zoom, 0, 24) : defaults.maximumZoom;
}

QString TileLoader::attribution(Style style) const
{
    const StyleDefaults& defaults = defaultsOf(style);
    const QString text = m_defaults.text(defaults.attributionKey).value_or(QString()).trimmed();
    return text.isEmpty() ? defaults.attribution.toString() : text;
}

QUrl TileLoader::attributionLink(Style style) const
{
    const StyleDefaults& defaults = defaultsOf(style);
    // A custom attribution has no known page to link to.
    const bool custom = !m_defaults.text(defaults.attributionKey).value_or(QString()).trimmed().isEmpty();
    return custom ? QUrl() : QUrl(QString(defaults.attributionLink));
}

QUrl TileLoader::url(const TileKey& key) const
{
    const StyleDefaults& defaults = defaultsOf(key.style);
    QString pattern = m_defaults.text(defaults.urlKey).value_or(QString()).trimmed();
    if (pattern.isEmpty()) {
        pattern = defaults.url;
    }
    pattern.replace(u"{z}"_s, QString::number(key.zoom))
        .replace(u"{x}"_s, QString::number(key.x))
        .replace(u"{y}"_s, QString::number(key.y));
    QUrl address(pattern, QUrl::StrictMode);
    if (!address.isValid() || (address.scheme() != u"https"_s && address.scheme() != u"http"_s) ||
        address.host().isEmpty()) {
        return {};
    }
    return address;
}

void TileLoader::setTransferTimeout(std::chrono::milliseconds timeout)
{
    m_transferTimeout = timeout;
    m_network.setTransferTimeout(static_cast<int>(timeout.count()));
}

void TileLoader::insertTile(const TileKey& key, QImage image)
{
    if (image.isNull()) {
        return;
    }
    image.convertTo(QImage::Format_ARGB32_Premultiplied);
    const qint64 cost = image.sizeInBytes();
    m_failed.remove(key);
    m_queue.removeIf([&](const Queued& entry) { return entry.key == key; });
    m_memory.insert(key, new QImage(std::move(image)), cost);
    Q_EMIT tileReady(key);
}

void TileLoader::scheduleDispatch()
{
    if (!m_dispatchTimer.isActive()) {
        m_dispatchTimer.start(0);
    }
}

void TileLoader::dispatch()
{
    for (qsizetype i = 0; i < m_queue.size();) {
        Queued& entry = m_queue[i];
        const TileKey key = entry.key;
        const QUrl address = url(key);
        if (!address.isValid()) {
            m_queue.removeAt(i);
            fail(key, tr("The tile address “%1” is not a web address.")
                          .arg(m_defaults.text(defaultsOf(key.style).urlKey).value_or(QString())));
            continue;
        }
        if (!entry.onDisk) {
            entry.onDisk = freshOnDisk(address);
        }
        if (*entry.onDisk) {
            if (m_diskLoads < maximumDiskLoads) {
                m_queue.removeAt(i);
                start(key, address, true, false);
            } else {
                ++i;
            }
            continue;
        }
        const QString host = address.host();
        if (hostPaused(host)) {
            m_queue.removeAt(i);
            // An old copy is better than nothing while the server wants no requests.
            if (m_diskCache->metaData(address).isValid()) {
                start(key, address, true, true);
            } else {
                fail(key, tr("The tile server %1 asked for fewer requests; tiles are paused for now.").arg(host));
            }
            continue;
        }
        if (m_hostLoads.value(host) >= maximumInFlightPerHost) {
            ++i;
            continue;
        }
        m_queue.removeAt(i);
        start(key, address, false, false);
    }
}

void TileLoader::start(const TileKey& key, const QUrl& address, bool fromDisk, bool cacheOnly)
{
    QNetworkRequest request(address);
    request.setHeader(QNetworkRequest::UserAgentHeader, UserAgent::value());
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         cacheOnly ? QNetworkRequest::AlwaysCache : QNetworkRequest::PreferCache);
    request.setTransferTimeout(static_cast<int>(m_transferTimeout.count()));

    Flight flight;
    flight.host = address.host();
    flight.fromDisk = fromDisk;
    flight.cacheOnly = cacheOnly;
    flight.round = m_failureRound;
    if (fromDisk) {
        ++m_diskLoads;
    } else {
        ++m_hostLoads[flight.host];
    }
    QNetworkReply* reply = m_network.get(request);
    flight.reply = reply;
    m_inFlight.insert(key, flight);
    connect(reply, &QNetworkReply::downloadProgress, this, [reply](qint64 received, qint64 total) {
        if (received > maximumTileBytes || total > maximumTileBytes) {
            reply->setProperty("tooLarge", true);
            reply->abort();
        }
    });
    connect(reply, &QNetworkReply::finished, this, [this, reply, key] { finished(reply, key); });
}

void TileLoader::finished(QNetworkReply* reply, const TileKey& key)
{
    reply->deleteLater();
    const Flight flight = m_inFlight.take(key);
    if (flight.fromDisk) {
        --m_diskLoads;
    } else if (--m_hostLoads[flight.host] <= 0) {
        m_hostLoads.remove(flight.host);
    }
    scheduleDispatch();

    if (reply->error() != QNetworkReply::NoError) {
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (status == 403 || status == 429) {
            pauseHost(flight.host, reply);
        }
        // Offline, or the server gone: the copy on disk, however old, still shows the place.
        const bool connectionFailed = status == 0 && !reply->property("tooLarge").toBool();
        if (connectionFailed && !flight.cacheOnly && m_diskCache->metaData(reply->url()).isValid()) {
            start(key, reply->url(), true, true);
            return;
        }
        fail(key, flight.round, describeFailure(reply));
        return;
    }

    const QByteArray body = reply->readAll();
    QBuffer buffer;
    buffer.setData(body);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    QImage image;
    if (size.isValid() && size.width() <= maximumTilePixels && size.height() <= maximumTilePixels) {
        image = reader.read();
    }
    if (image.isNull()) {
        // Otherwise the broken copy would be served from disk for as long as it is fresh.
        m_diskCache->remove(reply->url());
        fail(key, flight.round, tr("The tile server sent an image that could not be read."));
        return;
    }
    insertTile(key, std::move(image));
}

void TileLoader::fail(const TileKey& key, int round, const QString& reason)
{
    const bool stillWanted =
        std::any_of(m_wanted.cbegin(), m_wanted.cend(), [&](const QSet<TileKey>& keys) { return keys.contains(key); });
    if (round != m_failureRound && stillWanted) {
        m_queue.prepend(Queued{key, {}});
        return;
    }
    fail(key, reason);
}

void TileLoader::fail(const TileKey& key, const QString& reason)
{
    if (m_memory.contains(key)) {
        return;
    }
    m_failed.insert(key);
    Q_EMIT tileFailed(key, reason);
}

bool TileLoader::freshOnDisk(const QUrl& address) const
{
    const QNetworkCacheMetaData metaData = m_diskCache->metaData(address);
    return metaData.isValid() && metaData.saveToDisk() && metaData.expirationDate().isValid() &&
           metaData.expirationDate() > QDateTime::currentDateTimeUtc();
}

bool TileLoader::hostPaused(const QString& host) const
{
    const auto until = m_pausedUntil.constFind(host);
    return until != m_pausedUntil.cend() && SteadyClock::now() < *until;
}

void TileLoader::pauseHost(const QString& host, QNetworkReply* reply)
{
    m_pausedUntil.insert(host, SteadyClock::now() + pauseFor(reply));
}

#pragma once

#include "app/map/PlaceSearch.h"

#include <QByteArray>
#include <QHash>
#include <QLatin1StringView>
#include <QLocale>
#include <QNetworkAccessManager>
#include <QNetworkRequest>
#include <QPointer>
#include <QStringView>
#include <QTimer>

#include <chrono>
#include <optional>

class QNetworkReply;
class SettingsStore;

// Place search on a Nominatim geocoder (OpenStreetMap's by default), within its usage policy:
// a User-Agent naming this program, its version and a contact; at most one request a second
// from the whole process, whatever the number of searches; answers kept per query, so asking
// again costs nothing; and a request only when a user action starts a search.
class NominatimPlaceSearch final : public PlaceSearch {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(NominatimPlaceSearch)

public:
    // The settings key of the search address, so another geocoder can be used without a release.
    static constexpr QLatin1StringView baseAddressKey{"geocoderURL"};
    static constexpr QLatin1StringView defaultBaseAddress{"https://nominatim.openstreetmap.org/search"};
    // Shown, linked to the copyright page, wherever answers of the search are shown; the
    // licence asks for this wording, so it is not translated.
    static constexpr QStringView attribution{u"© OpenStreetMap contributors"};
    static constexpr QLatin1StringView copyrightAddress{"https://www.openstreetmap.org/copyright"};
    static constexpr std::chrono::milliseconds requestSpacing{1000};
    static constexpr std::chrono::milliseconds transferTimeout{20000};

    // The search address is read from `settings` at every search.
    explicit NominatimPlaceSearch(const SettingsStore& settings, QObject* parent = nullptr);
    ~NominatimPlaceSearch() override;

    void search(const QString& query) override;
    void cancel() override;
    bool searching() const override { return m_searching; }

    // The locale's user-interface languages, most wanted first; "en" when it names none.
    static QByteArray acceptLanguage(const QLocale& locale);

private:
    void step();
    void send();
    void answered(QNetworkReply* reply);
    void finish(std::optional<QList<Place>> places, QString message = {});

    const SettingsStore& m_settings;
    QNetworkAccessManager m_network;
    QTimer m_timer;
    QPointer<QNetworkReply> m_reply;
    bool m_searching = false;
    QString m_query;
    QNetworkRequest m_request;
    QString m_cacheKey;
    std::chrono::steady_clock::time_point m_sendAt;
    // An answer already known (from the cache, or a request that could not be made), handed
    // over from the event loop.
    std::optional<QList<Place>> m_knownPlaces;
    std::optional<QString> m_knownFailure;
    QHash<QString, QList<Place>> m_cache;
};

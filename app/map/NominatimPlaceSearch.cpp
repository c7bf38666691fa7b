#include "app/map/NominatimPlaceSearch.h"

#include "app/map/UserAgent.h"
#include "core/client/SettingsStore.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkReply>
#include <QUrl>
#include <QUrlQuery>

#include <algorithm>
#include <utility>

using namespace Qt::Literals::StringLiterals;
using SteadyClock = std::chrono::steady_clock;

namespace {

// The one gate of every geocoder request this process makes: the earliest moment the next one
// may leave. A search takes its moment when it starts, so two searches started together leave
// a full spacing apart.
SteadyClock::time_point nextRequestAt;

SteadyClock::time_point reserveRequestMoment()
{
    const SteadyClock::time_point at = std::max(SteadyClock::now(), nextRequestAt);
    nextRequestAt = at + NominatimPlaceSearch::requestSpacing;
    return at;
}

// Nominatim writes coordinates as JSON strings; numbers are read too.
std::optional<double> coordinate(const QJsonValue& value)
{
    if (value.isDouble()) {
        return value.toDouble();
    }
    bool ok = false;
    const double number = value.toString().toDouble(&ok);
    return ok && value.isString() ? std::optional(number) : std::nullopt;
}

std::optional<QList<Place>> placesOf(const QByteArray& body)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(body, &error);
    if (error.error != QJsonParseError::NoError || !document.isArray()) {
        return std::nullopt;
    }
    QList<Place> places;
    const QJsonArray array = document.array();
    for (const QJsonValue& value : array) {
        const QJsonObject object = value.toObject();
        const std::optional<double> latitude = coordinate(object.value(u"lat"_s));
        const std::optional<double> longitude = coordinate(object.value(u"lon"_s));
        if (!value.isObject() || !latitude || !longitude) {
            return std::nullopt;
        }
        QString title = object.value(u"display_name"_s).toString();
        if (title.isEmpty()) {
            title = object.value(u"name"_s).toString();
        }
        places.append(Place{title, *latitude, *longitude});
    }
    return places;
}

} // namespace

NominatimPlaceSearch::NominatimPlaceSearch(const SettingsStore& settings, QObject* parent)
    : PlaceSearch(parent)
    , m_settings(settings)
{
    m_network.setTransferTimeout(static_cast<int>(transferTimeout.count()));
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &NominatimPlaceSearch::step);
}

NominatimPlaceSearch::~NominatimPlaceSearch()
{
    cancel();
}

QByteArray NominatimPlaceSearch::acceptLanguage(const QLocale& locale)
{
    QStringList tags;
    for (const QString& tag : locale.uiLanguages()) {
        if (tag != u"C"_s && !tags.contains(tag)) {
            tags.append(tag);
        }
    }
    if (tags.isEmpty()) {
        return QByteArrayLiteral("en");
    }
    QByteArray header;
    for (qsizetype i = 0; i < std::min<qsizetype>(tags.size(), 5); ++i) {
        if (i > 0) {
            header += ", " + tags.at(i).toLatin1() + ";q=0." + QByteArray::number(10 - i);
        } else {
            header = tags.at(i).toLatin1();
        }
    }
    return header;
}

void NominatimPlaceSearch::search(const QString& query)
{
    cancel();
    m_searching = true;
    m_query = query;

    const QString base = m_settings.text(baseAddressKey).value_or(QString()).trimmed();
    QUrl url(base.isEmpty() ? QString(defaultBaseAddress) : base, QUrl::StrictMode);
    if (!url.isValid() || (url.scheme() != u"https"_s && url.scheme() != u"http"_s) || url.host().isEmpty()) {
        m_knownFailure = tr("The address lookup service “%1” is not a web address.").arg(base);
        m_timer.start(0);
        return;
    }
    QUrlQuery parameters(url);
    parameters.addQueryItem(u"q"_s, query);
    parameters.addQueryItem(u"format"_s, u"jsonv2"_s);
    parameters.addQueryItem(u"limit"_s, u"5"_s);
    url.setQuery(parameters);

    m_request = QNetworkRequest(url);
    const QByteArray language = acceptLanguage(QLocale::system());
    m_request.setHeader(QNetworkRequest::UserAgentHeader, UserAgent::value());
    m_request.setRawHeader("Accept-Language", language);
    m_request.setRawHeader("Accept", "application/json");
    m_cacheKey = url.toString(QUrl::FullyEncoded) + u'\n' + QString::fromLatin1(language);

    if (const auto cached = m_cache.constFind(m_cacheKey); cached != m_cache.cend()) {
        m_knownPlaces = *cached;
        m_timer.start(0);
        return;
    }
    m_sendAt = reserveRequestMoment();
    step();
}

void NominatimPlaceSearch::cancel()
{
    m_searching = false;
    m_timer.stop();
    m_knownPlaces.reset();
    m_knownFailure.reset();
    if (QNetworkReply* reply = m_reply) {
        m_reply = nullptr;
        reply->disconnect(this);
        reply->abort();
        reply->deleteLater();
    }
}

void NominatimPlaceSearch::step()
{
    if (!m_searching) {
        return;
    }
    if (m_knownFailure) {
        finish(std::nullopt, *std::exchange(m_knownFailure, std::nullopt));
        return;
    }
    if (m_knownPlaces) {
        finish(std::exchange(m_knownPlaces, std::nullopt));
        return;
    }
    const auto wait = std::chrono::ceil<std::chrono::milliseconds>(m_sendAt - SteadyClock::now());
    if (wait.count() > 0) {
        m_timer.start(wait);
        return;
    }
    send();
}

void NominatimPlaceSearch::send()
{
    QNetworkReply* reply = m_network.get(m_request);
    m_reply = reply;
    connect(reply, &QNetworkReply::finished, this, [this, reply] { answered(reply); });
}

void NominatimPlaceSearch::answered(QNetworkReply* reply)
{
    reply->deleteLater();
    if (reply != m_reply) {
        return;
    }
    m_reply = nullptr;
    if (reply->error() != QNetworkReply::NoError) {
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        const QString reason = reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();
        finish(std::nullopt,
               status > 0
                   ? tr("The address lookup service answered %1 %2.").arg(QString::number(status), reason).simplified()
                   : tr("The address lookup failed: %1.").arg(reply->errorString()));
        return;
    }
    const std::optional<QList<Place>> places = placesOf(reply->readAll());
    if (!places) {
        finish(std::nullopt, tr("The address lookup service sent an answer that could not be read."));
        return;
    }
    m_cache.insert(m_cacheKey, *places);
    finish(places);
}

void NominatimPlaceSearch::finish(std::optional<QList<Place>> places, QString message)
{
    // Reset first: a receiver may start the next search at once.
    const QString query = m_query;
    m_searching = false;
    m_knownPlaces.reset();
    m_knownFailure.reset();
    if (places) {
        Q_EMIT found(query, *places);
    } else {
        Q_EMIT failed(query, message);
    }
}

#include "app/map/NominatimPlaceSearch.h"
#include "core/client/MemorySettingsStore.h"
#include "tests/support/LocalHttpServer.h"

#include <QSignalSpy>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

// The geocoder client against a local server: what each request carries, answers kept per
// query, and a new search abandoning the running one.
class TestNominatimPlaceSearch final : public QObject {
    Q_OBJECT

    MemorySettingsStore m_settings;
    LocalHttpServer m_server;

    static QList<Place> placesOf(const QSignalSpy& spy, qsizetype index = 0)
    {
        return spy.at(index).at(1).value<QList<Place>>();
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(m_server.listen(), qPrintable(m_server.errorString()));
        m_server.setRoute(u"/search"_s, {200,
                                         R"([{"lat":"47.3769","lon":"8.5417","display_name":"Zürich"},
                                                   {"lat":"-33.8688","lon":"151.2093","name":"Sydney"}])",
                                         "application/json",
                                         {},
                                         0,
                                         false});
        m_server.setRoute(u"/slow"_s,
                          {200, R"([{"lat":"1","lon":"2","name":"Late"}])", "application/json", {}, 200, false});
        m_settings.setText(NominatimPlaceSearch::baseAddressKey, m_server.url(u"/search"_s).toString());
    }

    void search_sendsPolicyHeadersAndReadsStringCoordinates()
    {
        NominatimPlaceSearch search(m_settings);
        QSignalSpy found(&search, &PlaceSearch::found);
        const qsizetype before = m_server.requests().size();
        search.search(u"Bahnhofstrasse 1, Zürich"_s);
        QVERIFY(search.searching());
        // Never answered from inside the call.
        QCOMPARE(found.count(), 0);
        QVERIFY(found.wait());

        QCOMPARE(m_server.requests().size(), before + 1);
        const LocalHttpServer::Request request = m_server.requests().last();
        QCOMPARE(request.query.queryItemValue(u"q"_s, QUrl::FullyDecoded), u"Bahnhofstrasse 1, Zürich"_s);
        QCOMPARE(request.query.queryItemValue(u"format"_s), u"jsonv2"_s);
        QCOMPARE(request.query.queryItemValue(u"limit"_s), u"5"_s);
        QVERIFY(request.headers.value("user-agent").startsWith("XaltoStationControl/" XALTO_VERSION " (+"));
        QVERIFY(!request.headers.value("accept-language").isEmpty());
        QVERIFY(!request.headers.value("cache-control").contains("no-cache"));

        QCOMPARE(found.first().at(0).toString(), u"Bahnhofstrasse 1, Zürich"_s);
        QCOMPARE(placesOf(found), (QList<Place>{{u"Zürich"_s, 47.3769, 8.5417}, {u"Sydney"_s, -33.8688, 151.2093}}));
        QVERIFY(!search.searching());
    }

    void sameQuery_isAnsweredWithoutAnotherRequest()
    {
        NominatimPlaceSearch search(m_settings);
        QSignalSpy found(&search, &PlaceSearch::found);
        const qsizetype before = m_server.requests().size();
        search.search(u"Cached Lane 3"_s);
        QVERIFY(found.wait());
        search.search(u"Cached Lane 3"_s);
        QVERIFY(found.wait());
        QCOMPARE(m_server.requests().size(), before + 1);
        QCOMPARE(placesOf(found, 1), placesOf(found, 0));

        search.search(u"Cached Lane 4"_s);
        QVERIFY(found.wait());
        QCOMPARE(m_server.requests().size(), before + 2);
    }

    void newSearch_abandonsTheRunningOne()
    {
        NominatimPlaceSearch search(m_settings);
        QSignalSpy found(&search, &PlaceSearch::found);
        QSignalSpy failed(&search, &PlaceSearch::failed);
        const qsizetype before = m_server.requests().size();
        m_settings.setText(NominatimPlaceSearch::baseAddressKey, m_server.url(u"/slow"_s).toString());
        search.search(u"First"_s);
        QTRY_COMPARE(m_server.requests().size(), before + 1);

        // The slow answer is written while the second search waits for its turn at the gate,
        // so it would arrive first had it not been abandoned.
        m_settings.setText(NominatimPlaceSearch::baseAddressKey, m_server.url(u"/search"_s).toString());
        search.search(u"Second"_s);
        QVERIFY(found.wait());
        QCOMPARE(found.count(), 1);
        QCOMPARE(found.first().at(0).toString(), u"Second"_s);
        QCOMPARE(failed.count(), 0);
    }

    void unusableBaseAddress_failsWithoutRequest()
    {
        MemorySettingsStore settings;
        settings.setText(NominatimPlaceSearch::baseAddressKey, u"nominatim.example"_s);
        NominatimPlaceSearch search(settings);
        QSignalSpy failed(&search, &PlaceSearch::failed);
        const qsizetype before = m_server.requests().size();
        search.search(u"Anywhere"_s);
        QVERIFY(failed.wait());
        QCOMPARE(failed.first().at(1).toString(),
                 u"The address lookup service “nominatim.example” is not a web address."_s);
        QCOMPARE(m_server.requests().size(), before);
    }
};

QTEST_GUILESS_MAIN(TestNominatimPlaceSearch)
#include "tst_nominatimplacesearch.moc"

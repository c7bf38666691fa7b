#pragma once

#include "app/map/NominatimPlaceSearch.h"
#include "app/map/TileLoader.h"
#include "core/client/SettingsStore.h"
#include "tests/support/LocalHttpServer.h"

#include <QString>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// The map views against local servers only: tiles come from `tiles` (every path answers 404
// unless a test routes it, so maps show their placeholders), addresses from `geocoder`, and the
// disk cache lives in a folder of its own.
namespace MapTest {

struct LocalMaps {
    LocalHttpServer tiles;
    LocalHttpServer geocoder;
    QTemporaryDir cache;
    std::unique_ptr<TileLoader> loader;
    std::unique_ptr<NominatimPlaceSearch> places;

    explicit LocalMaps(SettingsStore& defaults)
    {
        QVERIFY(tiles.listen());
        QVERIFY(geocoder.listen());
        QVERIFY(cache.isValid());
        // Built by hand: QUrl would escape the braces of the template.
        const QString base = QStringLiteral("http://127.0.0.1:") + QString::number(tiles.port());
        defaults.setText(QStringLiteral("tileURL"), base + QStringLiteral("/standard/{z}/{x}/{y}.png"));
        defaults.setText(QStringLiteral("satelliteTileURL"), base + QStringLiteral("/satellite/{z}/{x}/{y}.png"));
        defaults.setText(NominatimPlaceSearch::baseAddressKey, geocoder.url(QStringLiteral("/search")).toString());
        loader = std::make_unique<TileLoader>(defaults, cache.path());
        places = std::make_unique<NominatimPlaceSearch>(defaults);
    }
};

} // namespace MapTest

#pragma once

#include "tests/support/LocalHttpServer.h"

#include <QBuffer>
#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>

// Tiles for the map tests: each a flat colour made from its x and y, so a sampled pixel tells
// which tile was drawn there.
namespace TileTest {

// Neighbouring tiles differ by at least 71 in red (columns) or 53 in green (rows); blue stays
// low, far from any grey placeholder.
inline QColor colour(int x, int y)
{
    return QColor((x * 71) % 200 + 40, (y * 53) % 200 + 40, 60);
}

inline QByteArray png(const QColor& colour)
{
    QImage image(256, 256, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// "<prefix>/<z>/<x>/<y>.png", as the templates "<server><prefix>/{z}/{x}/{y}.png" ask for.
inline QString path(const QString& prefix, int zoom, int x, int y)
{
    return prefix + QStringLiteral("/%1/%2/%3.png").arg(zoom).arg(x).arg(y);
}

// Serves the tiles of `block` at `zoom` under `prefix`, each answered as `route` says with its
// own image as the body (unless the route carries a body of its own).
inline void serve(LocalHttpServer& server, const QString& prefix, int zoom, const QRect& block,
                  LocalHttpServer::Route route = {200, {}, "image/png", {{"Cache-Control", "max-age=86400"}}, 0, false})
{
    const bool ownBody = route.body.isEmpty();
    for (int y = block.top(); y <= block.bottom(); ++y) {
        for (int x = block.left(); x <= block.right(); ++x) {
            if (ownBody) {
                route.body = png(colour(x, y));
            }
            server.setRoute(path(prefix, zoom, x, y), route);
        }
    }
}

} // namespace TileTest

#include "app/ui/map/TowerMap.h"

#include "app/map/TileMath.h"
#include "app/ui/style/StationColors.h"

#include <QDesktopServices>
#include <QEvent>
#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr double attributionMargin = 3.0;
constexpr int attributionFlags = Qt::TextWordWrap | Qt::AlignRight | Qt::AlignBottom;

double wrappedLongitude(double longitude)
{
    const double wrapped = std::fmod(longitude + 180.0, 360.0);
    return (wrapped < 0.0 ? wrapped + 360.0 : wrapped) - 180.0;
}

// Device-pixel edges shared by neighbouring tiles, so scaled tiles never leave hairline gaps.
double snapped(double logical, double ratio)
{
    return std::round(logical * ratio) / ratio;
}

} // namespace

TowerMap::TowerMap(TileLoader& tiles, QWidget* parent)
    : QWidget(parent)
    , m_tiles(tiles)
{
    setAccessibleName(tr("Map"));
    setAttribute(Qt::WA_OpaquePaintEvent, !m_round);
    updateCursor();
    connect(&m_tiles, &TileLoader::tileReady, this, &TowerMap::tileReady);
    connect(&m_tiles, &TileLoader::tileFailed, this,
            [this](const TileLoader::TileKey& key, const QString&) { tileFailed(key); });
}

TowerMap::~TowerMap()
{
    m_tiles.setWanted(this, {});
}

QString TowerMap::loadErrorMessage()
{
    return tr("Map imagery unavailable. Heading display still works.");
}

void TowerMap::setRegion(double latitude, double longitude, double spanMetres)
{
    if (!std::isfinite(latitude) || !std::isfinite(longitude) || !std::isfinite(spanMetres) || spanMetres <= 0.0) {
        return;
    }
    if (m_hasRegion && latitude == m_region.latitude && longitude == m_region.longitude &&
        spanMetres == m_region.span) {
        return;
    }
    m_region = {latitude, longitude, spanMetres};
    m_hasRegion = true;
    // A region set from outside ends a drag: the owner has the last word on where the map is.
    m_drag.reset();
    updateWanted();
}

void TowerMap::setSatellite(bool satellite)
{
    if (m_satellite != satellite) {
        m_satellite = satellite;
        updateWanted();
    }
}

void TowerMap::setEditable(bool editable)
{
    if (m_editable != editable) {
        m_editable = editable;
        m_drag.reset();
        updateCursor();
    }
}

void TowerMap::setRound(bool round)
{
    if (m_round != round) {
        m_round = round;
        setAttribute(Qt::WA_OpaquePaintEvent, !m_round);
        update();
    }
}

void TowerMap::setShowsAttribution(bool shows)
{
    if (m_showsAttribution != shows) {
        m_showsAttribution = shows;
        update();
    }
}

TileLoader::Style TowerMap::style() const
{
    return m_satellite ? TileLoader::Style::satellite : TileLoader::Style::standard;
}

QSize TowerMap::sizeHint() const
{
    return {256, 256};
}

TowerMap::View TowerMap::view() const
{
    View result;
    result.style = style();
    result.devicePixelRatio = devicePixelRatioF();
    const double shorter = std::max(1.0, std::min(width(), height()) * result.devicePixelRatio);
    const double fractional = TileMath::fractionalZoom(m_region.latitude, m_region.span, shorter);
    result.zoom = TileMath::drawnZoom(fractional, m_tiles.maximumZoom(result.style));
    result.tileSize = TileMath::tileSize * TileMath::scale(fractional, result.zoom) / result.devicePixelRatio;
    result.centre = TileMath::tilePosition(m_region.latitude, m_region.longitude, result.zoom);

    // A tile only touched at the widget's edge is not visible.
    constexpr double edge = 1e-9;
    const double halfWidth = width() / 2.0 / result.tileSize;
    const double halfHeight = height() / 2.0 / result.tileSize;
    const int rows = 1 << result.zoom;
    result.left = static_cast<int>(std::floor(result.centre.x() - halfWidth + edge));
    result.right = static_cast<int>(std::ceil(result.centre.x() + halfWidth - edge)) - 1;
    result.top = std::max(0, static_cast<int>(std::floor(result.centre.y() - halfHeight + edge)));
    result.bottom = std::min(rows - 1, static_cast<int>(std::ceil(result.centre.y() + halfHeight - edge)) - 1);
    return result;
}

TileLoader::TileKey TowerMap::keyAt(const View& view, int column, int row) const
{
    const int columns = 1 << view.zoom;
    return {view.style, view.zoom, ((column % columns) + columns) % columns, row};
}

void TowerMap::updateWanted()
{
    update();
    if (!m_hasRegion || !isVisible() || width() <= 0 || height() <= 0) {
        m_visible.clear();
        m_tiles.setWanted(this, {});
        return;
    }
    const View current = view();
    m_wantedRatio = current.devicePixelRatio;
    const int rows = 1 << current.zoom;
    QSet<TileLoader::TileKey> visible;
    QSet<TileLoader::TileKey> wanted;
    // One ring round the visible tiles, so that a short drag finds its tiles already there.
    for (int row = std::max(0, current.top - 1); row <= std::min(rows - 1, current.bottom + 1); ++row) {
        for (int column = current.left - 1; column <= current.right + 1; ++column) {
            const TileLoader::TileKey key = keyAt(current, column, row);
            wanted.insert(key);
            if (row >= current.top && row <= current.bottom && column >= current.left && column <= current.right) {
                visible.insert(key);
            }
        }
    }
    m_visible = visible;
    m_scaled.removeIf([&](const auto& entry) { return !visible.contains(entry.key()); });
    m_tiles.setWanted(this, wanted);
    if (m_loadError && visibleTilesHeld()) {
        setLoadError(std::nullopt);
    }
}

bool TowerMap::visibleTilesHeld() const
{
    return std::all_of(m_visible.cbegin(), m_visible.cend(),
                       [this](const TileLoader::TileKey& key) { return m_tiles.holds(key); });
}

void TowerMap::tileReady(const TileLoader::TileKey& key)
{
    if (!m_visible.contains(key)) {
        return;
    }
    update();
    if (m_loadError && visibleTilesHeld()) {
        setLoadError(std::nullopt);
    }
}

void TowerMap::tileFailed(const TileLoader::TileKey& key)
{
    if (m_visible.contains(key)) {
        setLoadError(loadErrorMessage());
    }
}

void TowerMap::setLoadError(const std::optional<QString>& message)
{
    if (m_loadError != message) {
        m_loadError = message;
        Q_EMIT loadErrorChanged(m_loadError);
    }
}

void TowerMap::paintEvent(QPaintEvent*)
{
    const View current = view();
    if (m_hasRegion && current.devicePixelRatio != m_wantedRatio) {
        // Moved to a screen of another density: the level changes with it.
        updateWanted();
    }
    QPainter painter(this);
    if (!m_round) {
        paintTiles(painter, current);
    } else {
        const QSize deviceSize = (QSizeF(size()) * current.devicePixelRatio).toSize();
        if (m_layer.size() != deviceSize) {
            m_layer = QImage(deviceSize, QImage::Format_ARGB32_Premultiplied);
        }
        m_layer.setDevicePixelRatio(current.devicePixelRatio);
        {
            QPainter layer(&m_layer);
            paintTiles(layer, current);
            // Clip drawing in Qt is not antialiased; clearing outside the circle is.
            QPainterPath outside;
            outside.addRect(rect());
            outside.addEllipse(mapCircle());
            layer.setRenderHint(QPainter::Antialiasing);
            layer.setCompositionMode(QPainter::CompositionMode_Clear);
            layer.fillPath(outside, Qt::transparent);
        }
        painter.drawImage(QPointF(0.0, 0.0), m_layer);
    }
    if (m_showsAttribution) {
        paintAttribution(painter);
    }
}

void TowerMap::paintTiles(QPainter& painter, const View& view)
{
    // A flat tone between window and text: reads as "no imagery yet" in light and dark themes.
    const QColor window = palette().color(QPalette::Window);
    const QColor text = palette().color(QPalette::WindowText);
    const QColor placeholder =
        QColor::fromRgbF((window.redF() * 7 + text.redF()) / 8, (window.greenF() * 7 + text.greenF()) / 8,
                         (window.blueF() * 7 + text.blueF()) / 8);
    painter.fillRect(rect(), placeholder);
    if (!m_hasRegion) {
        return;
    }
    const double middleX = width() / 2.0;
    const double middleY = height() / 2.0;
    const auto edgeX = [&](int column) {
        return snapped(middleX + (column - view.centre.x()) * view.tileSize, view.devicePixelRatio);
    };
    const auto edgeY = [&](int row) {
        return snapped(middleY + (row - view.centre.y()) * view.tileSize, view.devicePixelRatio);
    };
    for (int row = view.top; row <= view.bottom; ++row) {
        for (int column = view.left; column <= view.right; ++column) {
            const TileLoader::TileKey key = keyAt(view, column, row);
            const QImage image = m_tiles.tile(key);
            if (!image.isNull()) {
                const QRectF target(QPointF(edgeX(column), edgeY(row)), QPointF(edgeX(column + 1), edgeY(row + 1)));
                painter.drawImage(target.topLeft(), scaledTile(key, image, target.size(), view.devicePixelRatio));
            }
        }
    }
}

QImage TowerMap::scaledTile(const TileLoader::TileKey& key, const QImage& tile, QSizeF size, double ratio)
{
    const QSize deviceSize(qRound(size.width() * ratio), qRound(size.height() * ratio));
    if (tile.size() == deviceSize) {
        QImage exact = tile;
        exact.setDevicePixelRatio(ratio);
        return exact;
    }
    const auto known = m_scaled.constFind(key);
    if (known != m_scaled.cend() && known->source == tile.cacheKey() && known->image.size() == deviceSize) {
        return known->image;
    }
    QImage scaled = tile.scaled(deviceSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(ratio);
    m_scaled.insert(key, {tile.cacheKey(), scaled});
    return scaled;
}

QRectF TowerMap::mapCircle() const
{
    const double diameter = std::min(width(), height());
    return {(width() - diameter) / 2.0, (height() - diameter) / 2.0, diameter, diameter};
}

QFont TowerMap::attributionFont() const
{
    QFont small = font();
    small.setPointSizeF(std::max(7.0, small.pointSizeF() * 0.8));
    return small;
}

QRectF TowerMap::attributionRect(const QFont& small, const QString& text) const
{
    // In a round map the text sits low in the middle, where the circle is still wide.
    const QRectF area = m_round ? mapCircle().adjusted(mapCircle().width() * 0.15, 0.0, -mapCircle().width() * 0.15,
                                                       -mapCircle().height() * 0.08)
                                : QRectF(rect()).adjusted(attributionMargin, 0.0, -attributionMargin, 0.0);
    const int flags = m_round ? (Qt::TextWordWrap | Qt::AlignHCenter | Qt::AlignBottom) : attributionFlags;
    QRectF bounds = QFontMetricsF(small).boundingRect(area, flags, text);
    bounds.moveBottom(area.bottom() - 1.0);
    return bounds.adjusted(-attributionMargin, -1.0, attributionMargin, 1.0);
}

void TowerMap::paintAttribution(QPainter& painter)
{
    const QFont small = attributionFont();
    const QString text = m_tiles.attribution(style());
    const QRectF box = attributionRect(small, text);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(StationColors::faded(palette().color(QPalette::Window), 0.8));
    painter.drawRoundedRect(box, 2.0, 2.0);
    painter.setFont(small);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(box.adjusted(attributionMargin, 1.0, -attributionMargin, -1.0), Qt::TextWordWrap | Qt::AlignCenter,
                     text);
}

bool TowerMap::onAttribution(QPointF position) const
{
    return m_showsAttribution && m_tiles.attributionLink(style()).isValid() &&
           attributionRect(attributionFont(), m_tiles.attribution(style())).contains(position);
}

void TowerMap::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    updateWanted();
}

void TowerMap::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    updateWanted();
}

void TowerMap::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    // A hidden map asks for nothing; a queued request for it is dropped.
    m_visible.clear();
    m_scaled.clear();
    m_tiles.setWanted(this, {});
}

void TowerMap::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange) {
        update();
    }
}

void TowerMap::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    m_pressedOnAttribution = onAttribution(event->position());
    if (m_pressedOnAttribution || !m_editable || !m_hasRegion) {
        return;
    }
    const View current = view();
    m_drag = Drag{event->position(), current.centre, current.zoom, current.tileSize, false};
    m_lastReport.invalidate();
    updateCursor();
}

void TowerMap::mouseMoveEvent(QMouseEvent* event)
{
    if (m_drag && (event->buttons() & Qt::LeftButton)) {
        dragTo(event->position());
        if (!m_lastReport.isValid() || m_lastReport.elapsed() >= dragReportInterval.count()) {
            m_lastReport.start();
            Q_EMIT centerChanged(m_region.latitude, m_region.longitude);
        }
    }
}

void TowerMap::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    if (m_pressedOnAttribution && onAttribution(event->position())) {
        QDesktopServices::openUrl(m_tiles.attributionLink(style()));
    }
    m_pressedOnAttribution = false;
    if (m_drag) {
        dragTo(event->position());
        const bool moved = m_drag->moved;
        m_drag.reset();
        updateCursor();
        if (moved) {
            Q_EMIT centerChanged(m_region.latitude, m_region.longitude);
        }
    }
}

void TowerMap::dragTo(QPointF position)
{
    const QPointF offset = position - m_drag->pressedAt;
    if (offset.isNull() && !m_drag->moved) {
        return;
    }
    // The ground under the pointer stays under it.
    const QPointF centre = m_drag->centre - offset / m_drag->tileSize;
    const QPointF coordinate = TileMath::coordinate(centre, m_drag->zoom);
    m_region.latitude = std::clamp(coordinate.x(), -TileMath::maximumLatitude, TileMath::maximumLatitude);
    m_region.longitude = wrappedLongitude(coordinate.y());
    m_drag->moved = true;
    updateWanted();
}

void TowerMap::updateCursor()
{
    if (!m_editable) {
        setCursor(Qt::ArrowCursor);
    } else {
        setCursor(m_drag ? Qt::ClosedHandCursor : Qt::OpenHandCursor);
    }
}

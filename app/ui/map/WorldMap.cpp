#include "app/ui/map/WorldMap.h"

#include "app/map/Maidenhead.h"
#include "app/ui/style/StationColors.h"
#include "core/client/Clock.h"
#include "core/world/LandData.h"
#include "core/world/Sun.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr double ringStepKilometres = 2'500'000.0;
constexpr double ringStepMiles = 1'500.0 * LocaleText::metresPerMile;
// A press and release closer than this is a click, not a slip of the hand.
constexpr double clickSlop = 4.0;

struct Land {
    std::optional<LandData> data;
    std::optional<QString> error;
};

const Land& builtInLand()
{
    static const Land land = [] {
        Land loaded;
        QFile file(u":/xalto/world/world-land-50m.bin"_s);
        if (!file.open(QIODevice::ReadOnly)) {
            loaded.error = QCoreApplication::translate("WorldMap", "The land outlines are missing from this build.");
            return loaded;
        }
        ProtocolResult<LandData> read = LandData::read(file.readAll());
        if (read) {
            loaded.data = std::move(read).value();
        } else {
            loaded.error = read.failure().description();
        }
        return loaded;
    }();
    return land;
}

QPointF toward(QPointF centre, double bearing, double radius)
{
    const double angle = bearing * std::numbers::pi / 180.0;
    return {centre.x() + radius * std::sin(angle), centre.y() - radius * std::cos(angle)};
}

// The wedge of a beam from the centre: Qt's angles run counter-clockwise from three o'clock.
QPainterPath wedge(QPointF centre, double radius, double bearing, double width)
{
    QPainterPath path(centre);
    const QRectF box(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    path.arcTo(box, 90.0 - (bearing - width / 2.0), -width);
    path.closeSubpath();
    return path;
}

// Drops points lying within `tolerance` of the line from the last point kept to the next one:
// coasts are drawn with far fewer edges where they run straight at the map's scale, which the
// rasteriser pays for edge by edge.
void straighten(QPolygonF& polygon, double tolerance)
{
    if (polygon.size() < 4) {
        return;
    }
    qsizetype kept = 1;
    for (qsizetype i = 1; i + 1 < polygon.size(); ++i) {
        const QPointF a = polygon.at(kept - 1);
        const QPointF b = polygon.at(i);
        const QPointF c = polygon.at(i + 1);
        const double dx = c.x() - a.x();
        const double dy = c.y() - a.y();
        const double length = std::hypot(dx, dy);
        const double off = length > 0.0 ? std::abs(dx * (b.y() - a.y()) - dy * (b.x() - a.x())) / length
                                        : std::hypot(b.x() - a.x(), b.y() - a.y());
        if (off > tolerance) {
            polygon[kept++] = b;
        }
    }
    polygon[kept++] = polygon.back();
    polygon.resize(kept);
}

QColor haloColor(const QPalette& palette)
{
    return StationColors::faded(palette.color(QPalette::Window), 0.85);
}

} // namespace

WorldMap::WorldMap(const Clock& clock, QWidget* parent)
    : QWidget(parent)
    , m_clock(clock)
{
    setAccessibleName(tr("World map"));
    setMouseTracking(true);
    m_sunTimer.setInterval(sunInterval);
    connect(&m_sunTimer, &QTimer::timeout, this, &WorldMap::refreshSun);
    m_subsolar = Sun::subsolarPoint(m_clock.now());
    connect(&m_landWatcher, &QFutureWatcher<ProjectedLand>::finished, this, &WorldMap::landProjected);
    updateDescription();
}

WorldMap::~WorldMap()
{
    // The worker reads only the built-in land and its own copy of the centre; wait for it so it
    // never outlives the watcher it reports to.
    if (m_landWatcher.isRunning()) {
        m_landWatcher.waitForFinished();
    }
}

const LandData* WorldMap::land()
{
    const Land& land = builtInLand();
    return land.data ? &*land.data : nullptr;
}

std::optional<QString> WorldMap::landError()
{
    return builtInLand().error;
}

QColor WorldMap::landColor(const QPalette& palette)
{
    return StationColors::isDark(palette) ? QColor(0x4a, 0x55, 0x3e) : QColor(0xcf, 0xcd, 0xa8);
}

QColor WorldMap::oceanColor(const QPalette& palette)
{
    return StationColors::isDark(palette) ? QColor(0x17, 0x25, 0x33) : QColor(0xc4, 0xd9, 0xe8);
}

QSize WorldMap::sizeHint() const
{
    return {600, 600};
}

QSize WorldMap::minimumSizeHint() const
{
    return {240, 240};
}

void WorldMap::setCentre(std::optional<GeoPoint> centre)
{
    if (centre == m_centre) {
        return;
    }
    m_centre = centre;
    m_projection.reset();
    m_terminator.reset();
    m_land = ProjectedLand();
    ++m_landGeneration;
    m_landPending = false;
    if (centre) {
        m_projection.emplace(*centre);
        if (const LandData* data = land()) {
            // Some 60 ms of work: done away from the window, which keeps answering meanwhile.
            const GeoPoint at = *centre;
            m_watchedGeneration = m_landGeneration;
            m_landPending = true;
            m_landWatcher.setFuture(
                QtConcurrent::run([data, at] { return ProjectedLand(*data, AzimuthalProjection(at)); }));
        }
    }
    updatePaths();
    invalidateLand();
    updateDescription();
}

void WorldMap::landProjected()
{
    // A result for an earlier centre, or one that was dropped, is no use any more.
    if (m_watchedGeneration != m_landGeneration || m_landWatcher.future().resultCount() == 0) {
        return;
    }
    m_land = m_landWatcher.result();
    m_landPending = false;
    invalidateLand();
    Q_EMIT landReady();
}

void WorldMap::setReach(Reach reach)
{
    if (reach != m_reach) {
        m_reach = reach;
        invalidateLand();
    }
}

void WorldMap::setRotors(const QList<Rotor>& rotors)
{
    if (rotors != m_rotors) {
        m_rotors = rotors;
        updateDescription();
        update();
    }
}

void WorldMap::setPointAt(std::optional<GeoPoint> place)
{
    if (place != m_pointAt) {
        m_pointAt = place;
        updatePaths();
        m_skyValid = false;
        update();
    }
}

void WorldMap::refreshSun()
{
    const GeoPoint subsolar = Sun::subsolarPoint(m_clock.now());
    if (subsolar != m_subsolar) {
        m_subsolar = subsolar;
        m_terminator.reset();
        m_skyValid = false;
        update();
    }
}

QRectF WorldMap::mapCircle() const
{
    // Room outside the rim for the N, E, S and W marks.
    const double margin = QFontMetricsF(font()).height() + 4.0;
    const double radius = std::max(1.0, std::min(width(), height()) / 2.0 - margin);
    const QPointF centre(width() / 2.0, height() / 2.0);
    return {centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius};
}

double WorldMap::reachMetres() const
{
    switch (m_reach) {
    case Reach::km5000:
        return 5'000'000.0;
    case Reach::km10000:
        return 10'000'000.0;
    case Reach::world:
        break;
    }
    return m_projection ? m_projection->rimDistance() : 20'003'931.0;
}

double WorldMap::pixelsPerMetre() const
{
    return mapCircle().width() / 2.0 / reachMetres();
}

QPointF WorldMap::toPixel(AzimuthalProjection::Point point) const
{
    const double scale = pixelsPerMetre();
    const QPointF centre = mapCircle().center();
    return {centre.x() + point.x * scale, centre.y() - point.y * scale};
}

std::optional<QPointF> WorldMap::pixelAt(GeoPoint place) const
{
    if (!m_projection) {
        return std::nullopt;
    }
    return toPixel(m_projection->project(place));
}

std::optional<GeoPoint> WorldMap::placeAt(QPointF pixel) const
{
    if (!m_projection) {
        return std::nullopt;
    }
    const QPointF centre = mapCircle().center();
    const double scale = pixelsPerMetre();
    const AzimuthalProjection::Point point{(pixel.x() - centre.x()) / scale, (centre.y() - pixel.y()) / scale};
    if (AzimuthalProjection::distance(point) > reachMetres()) {
        return std::nullopt;
    }
    return m_projection->place(point);
}

QString WorldMap::describe(GeoPoint place) const
{
    if (!m_projection) {
        return {};
    }
    const AzimuthalProjection::Point point = m_projection->project(place);
    const double metres = AzimuthalProjection::distance(point);
    return tr("Bearing %1, %2, %3")
        .arg(LocaleText::degrees(AzimuthalProjection::bearing(point), 0), LocaleText::distance(metres),
             Maidenhead::locator(place.latitude, place.longitude));
}

void WorldMap::invalidateLand()
{
    m_landPath = QPainterPath();
    m_landPathRatio = 0.0;
    m_landValid = false;
    m_skyValid = false;
    update();
}

void WorldMap::resizeEvent(QResizeEvent* event)
{
    invalidateLand();
    QWidget::resizeEvent(event);
}

void WorldMap::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange) {
        // Only colours changed: the outlines stay.
        m_landValid = false;
        m_skyValid = false;
        update();
    } else if (event->type() == QEvent::FontChange) {
        invalidateLand();
    }
    QWidget::changeEvent(event);
}

void WorldMap::showEvent(QShowEvent* event)
{
    refreshSun();
    m_sunTimer.start();
    QWidget::showEvent(event);
}

void WorldMap::hideEvent(QHideEvent* event)
{
    m_sunTimer.stop();
    QWidget::hideEvent(event);
}

void WorldMap::clearOutside(QPainter& painter) const
{
    // Clipping in Qt is not antialiased, and an antialiased clip path costs more than the land;
    // clearing what falls outside the circle afterwards is both smooth and cheap.
    QPainterPath outside;
    outside.addRect(rect());
    outside.addEllipse(mapCircle());
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_Clear);
    painter.fillPath(outside, Qt::transparent);
    painter.restore();
}

const QPainterPath& WorldMap::landPath()
{
    const double ratio = devicePixelRatioF();
    if (m_landPathRatio == ratio && m_landPathSize == QSizeF(size())) {
        return m_landPath;
    }
    m_landPath = QPainterPath();
    m_landPath.setFillRule(Qt::OddEvenFill);
    m_landPathRatio = ratio;
    m_landPathSize = QSizeF(size());
    // Points closer together than half a device pixel add nothing to the picture: at the whole
    // world's scale most of the 1:50m outline falls away, and rings smaller than that go too.
    const QRectF circle = mapCircle();
    const double scale = pixelsPerMetre();
    const double finest = 1.0 / ratio;
    const double straightness = 0.25 / ratio;
    const QPointF centre = circle.center();
    const QRectF visible = QRectF(rect()).adjusted(-2, -2, 2, 2);
    QPolygonF polygon;
    for (std::size_t r = 0; r < m_land.ringCount(); ++r) {
        const std::span<const ProjectedLand::Point> ring = m_land.ring(r);
        polygon.clear();
        QPointF last(std::numeric_limits<double>::infinity(), 0.0);
        for (const ProjectedLand::Point& point : ring) {
            const QPointF pixel(centre.x() + point.x * scale, centre.y() - point.y * scale);
            if (std::abs(pixel.x() - last.x()) + std::abs(pixel.y() - last.y()) >= finest) {
                polygon.append(pixel);
                last = pixel;
            }
        }
        straighten(polygon, straightness);
        const QRectF bounds = polygon.boundingRect();
        if (polygon.size() >= 3 && bounds.width() + bounds.height() >= finest * 2 && bounds.intersects(visible)) {
            m_landPath.addPolygon(polygon);
            m_landPath.closeSubpath();
        }
    }
    if (m_land.fillsRim()) {
        const double rim = m_land.rimDistance() * scale;
        m_landPath.addEllipse(centre, rim, rim);
    }
    return m_landPath;
}

void WorldMap::paintLandLayer(double ratio)
{
    // The buffers stay while the size does: new ones would cost their pages again each time.
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    if (m_landLayer.size() != pixels) {
        m_landLayer = QPixmap(pixels);
    }
    m_landLayer.setDevicePixelRatio(ratio);
    m_landLayer.fill(Qt::transparent);
    m_landValid = true;
    QPainter painter(&m_landLayer);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPalette& colors = palette();
    painter.setPen(Qt::NoPen);
    painter.setBrush(oceanColor(colors));
    painter.drawEllipse(mapCircle());
    painter.setBrush(landColor(colors));
    // At twice the pixels and more, the coast's steps are finer than the eye; smoothing them
    // doubles the cost of the whole picture.
    painter.setRenderHint(QPainter::Antialiasing, ratio < 2.0);
    painter.drawPath(landPath());
    painter.setRenderHint(QPainter::Antialiasing);
    // Seen whole, the land and the night end at the rim; only a closer reach spills over.
    if (m_reach != Reach::world) {
        clearOutside(painter);
    }
}

void WorldMap::paintSkyLayer(double ratio)
{
    if (m_skyLayer.size() != m_landLayer.size()) {
        m_skyLayer = QPixmap(m_landLayer.size());
        // Filling once gives the new buffer its alpha channel; the copy below then keeps the
        // land layer's transparent corners.
        m_skyLayer.fill(Qt::transparent);
    }
    m_skyLayer.setDevicePixelRatio(ratio);
    m_skyValid = true;
    m_skyUnit = LocaleText::distanceUnit();
    QPainter painter(&m_skyLayer);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawPixmap(0, 0, m_landLayer);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setRenderHint(QPainter::Antialiasing);
    paintNight(painter);
    if (m_reach != Reach::world) {
        clearOutside(painter);
    }
    paintRings(painter);
    paintTicks(painter);
    // The station and its paths change only with the centre and the station: kept here too.
    if (m_pointAt) {
        paintPointAt(painter);
    }
}

void WorldMap::paintNight(QPainter& painter) const
{
    if (!m_terminator) {
        m_terminator = m_projection->projectRing(Sun::terminator(m_subsolar, 360));
    }
    const AzimuthalProjection::Ring& terminator = *m_terminator;
    QPolygonF line;
    line.reserve(static_cast<qsizetype>(terminator.points.size()) + 1);
    for (const AzimuthalProjection::Point& point : terminator.points) {
        line.append(toPixel(point));
    }
    if (line.isEmpty()) {
        return;
    }
    line.append(line.front());
    // One side of the terminator holds the tower, the other its antipode (the whole rim).
    QPainterPath night;
    night.setFillRule(Qt::OddEvenFill);
    night.addPolygon(line);
    if (!Sun::isNight(m_subsolar, *m_centre)) {
        const double rim = m_projection->rimDistance() * pixelsPerMetre();
        night.addEllipse(mapCircle().center(), rim, rim);
    }
    const bool dark = StationColors::isDark(palette());
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x00, 0x05, 0x20, dark ? 110 : 64));
    // Smoothing the night's edge is left to the terminator's line drawn over it.
    const bool smooth = painter.testRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.drawPath(night);
    painter.setRenderHint(QPainter::Antialiasing, smooth);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(dark ? QColor(0xe6, 0xc2, 0x5a) : QColor(0x9a, 0x70, 0x00), 1.3));
    std::vector<AzimuthalProjection::Point> closed = terminator.points;
    closed.push_back(closed.front());
    for (const std::vector<AzimuthalProjection::Point>& piece : m_projection->awayFromRim(closed)) {
        QPolygonF stroke;
        stroke.reserve(static_cast<qsizetype>(piece.size()));
        for (const AzimuthalProjection::Point& point : piece) {
            stroke.append(toPixel(point));
        }
        painter.drawPolyline(stroke);
    }
}

void WorldMap::paintRings(QPainter& painter) const
{
    const QPalette& colors = palette();
    const QColor text = colors.color(QPalette::WindowText);
    const QRectF circle = mapCircle();
    const QPointF centre = circle.center();
    const double scale = pixelsPerMetre();
    const double step = m_skyUnit == LocaleText::DistanceUnit::miles ? ringStepMiles : ringStepKilometres;
    QFont small = font();
    small.setPointSizeF(small.pointSizeF() * 0.8);
    painter.setFont(small);
    const QFontMetricsF metrics(small);
    // A cosmetic pen, one device pixel wide: Qt draws it directly, where a scaled pen has each
    // large circle stroked into a polygon first (most of a full redraw's time at twice the
    // scale). On a sharper screen the thinner line gets a little more ink.
    QPen ringPen(StationColors::faded(text, painter.device()->devicePixelRatioF() > 1.0 ? 0.34 : 0.22), 1.0);
    ringPen.setCosmetic(true);
    for (double metres = step; metres < reachMetres() - step * 0.2; metres += step) {
        const double radius = metres * scale;
        painter.setPen(ringPen);
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(centre, radius, radius);
        const QString label = LocaleText::distance(metres);
        // Along the south-south-east spoke, clear of the cardinal ticks.
        const QPointF at = toward(centre, 160.0, radius);
        QRectF box = metrics.boundingRect(label);
        box.moveCenter(at);
        painter.setPen(Qt::NoPen);
        painter.setBrush(StationColors::faded(colors.color(QPalette::Window), 0.6));
        painter.drawRoundedRect(box.adjusted(-2, 0, 2, 0), 3, 3);
        painter.setPen(StationColors::faded(text, 0.75));
        painter.drawText(box, Qt::AlignCenter, label);
    }
}

void WorldMap::paintTicks(QPainter& painter) const
{
    const QPalette& colors = palette();
    const QColor text = colors.color(QPalette::WindowText);
    const QRectF circle = mapCircle();
    const QPointF centre = circle.center();
    const double radius = circle.width() / 2.0;
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(StationColors::faded(text, 0.55), 1.5));
    painter.drawEllipse(circle);
    for (int bearing = 0; bearing < 360; bearing += 10) {
        const double length = bearing % 90 == 0 ? 10.0 : bearing % 30 == 0 ? 7.0 : 4.0;
        painter.setPen(QPen(StationColors::faded(text, bearing % 30 == 0 ? 0.7 : 0.45), 1.0));
        painter.drawLine(toward(centre, bearing, radius), toward(centre, bearing, radius - length));
    }
    QFont bold = font();
    bold.setBold(true);
    painter.setFont(bold);
    painter.setPen(text);
    const QFontMetricsF metrics(bold);
    const std::array<QString, 4> names{tr("N"), tr("E"), tr("S"), tr("W")};
    for (int i = 0; i < 4; ++i) {
        QRectF box = metrics.boundingRect(names.at(static_cast<std::size_t>(i)));
        const double outside = (i % 2 == 0 ? box.height() : box.width()) / 2.0 + 2.0;
        box.moveCenter(toward(centre, i * 90.0, radius + outside));
        painter.drawText(box, Qt::AlignCenter, names.at(static_cast<std::size_t>(i)));
    }
}

void WorldMap::paintRotor(QPainter& painter, const Rotor& rotor) const
{
    const QPalette& colors = palette();
    const QRectF circle = mapCircle();
    const QPointF centre = circle.center();
    const double radius = circle.width() / 2.0;
    const QColor color = rotor.stale ? StationColors::secondary(colors) : rotor.color;
    const QColor halo = haloColor(colors);
    if (rotor.heading) {
        const double width = std::clamp(rotor.beamwidth, 1.0, 360.0);
        QPainterPath beam = wedge(centre, radius, *rotor.heading, width);
        if (rotor.twoWay) {
            beam.addPath(wedge(centre, radius, std::fmod(*rotor.heading + 180.0, 360.0), width));
        }
        painter.setPen(QPen(StationColors::faded(color, 0.7), 1.0));
        // Light enough that the land under a wide beam still reads.
        painter.setBrush(StationColors::faded(color, 0.14));
        painter.drawPath(beam);
    }
    if (rotor.target) {
        painter.setPen(QPen(halo, 4.0, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(centre, toward(centre, *rotor.target, radius));
        painter.setPen(QPen(StationColors::orange(colors), 2.0, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(centre, toward(centre, *rotor.target, radius));
    }
    if (rotor.heading) {
        const QPointF tip = toward(centre, *rotor.heading, radius);
        painter.setPen(QPen(halo, 4.5, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(centre, tip);
        painter.setPen(QPen(color, 2.5, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(centre, tip);
        if (!rotor.name.isEmpty()) {
            // The name sits inside the rim on the beam's axis; drawText never reads markup.
            const QFontMetricsF metrics(font());
            const QString name = metrics.elidedText(rotor.name, Qt::ElideRight, radius * 0.6);
            QRectF box = metrics.boundingRect(name).adjusted(-3, -1, 3, 1);
            box.moveCenter(toward(centre, *rotor.heading, radius - 0.5 * std::hypot(box.width(), box.height()) - 12));
            painter.setPen(Qt::NoPen);
            painter.setBrush(halo);
            painter.drawRoundedRect(box, 3, 3);
            painter.setPen(color);
            painter.drawText(box, Qt::AlignCenter, name);
        }
    }
}

void WorldMap::paintPointAt(QPainter& painter) const
{
    const QPalette& colors = palette();
    const QColor orange = StationColors::orange(colors);
    const auto drawParts = [&](const std::vector<std::vector<AzimuthalProjection::Point>>& parts) {
        for (const std::vector<AzimuthalProjection::Point>& part : parts) {
            QPolygonF line;
            line.reserve(static_cast<qsizetype>(part.size()));
            for (const AzimuthalProjection::Point& point : part) {
                line.append(toPixel(point));
            }
            painter.drawPolyline(line);
        }
    };
    painter.save();
    if (m_reach != Reach::world) {
        // Thin lines only: the edge of an unsmoothed clip does not show on them.
        painter.setClipRegion(QRegion(mapCircle().toAlignedRect(), QRegion::Ellipse));
    }
    painter.setBrush(Qt::NoBrush);
    // The long path leaves the other way and comes back in over the antipode.
    painter.setPen(QPen(StationColors::faded(orange, 0.8), 1.5, Qt::DashLine));
    drawParts(m_longPath);
    painter.setPen(QPen(orange, 2.0));
    drawParts(m_shortPath);
    painter.restore();
    if (m_shortPath.empty() || m_shortPath.back().empty()) {
        return;
    }
    const QPointF station = toPixel(m_shortPath.back().back());
    if (QLineF(station, mapCircle().center()).length() <= mapCircle().width() / 2.0) {
        painter.setPen(QPen(haloColor(colors), 2.0));
        painter.setBrush(orange);
        painter.drawEllipse(station, 5.0, 5.0);
    }
}

void WorldMap::updatePaths()
{
    m_shortPath.clear();
    m_longPath.clear();
    if (m_projection && m_pointAt) {
        m_shortPath = m_projection->path(*m_pointAt, false).parts;
        m_longPath = m_projection->path(*m_pointAt, true).parts;
    }
}

void WorldMap::paintNoCentre(QPainter& painter) const
{
    painter.setPen(StationColors::secondary(palette()));
    painter.drawText(rect().adjusted(12, 12, -12, -12), Qt::AlignCenter | Qt::TextWordWrap,
                     tr("The tower has no position yet, so the world cannot be drawn around it."));
}

void WorldMap::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!m_projection) {
        paintNoCentre(painter);
        return;
    }
    const double ratio = devicePixelRatioF();
    if (!m_landValid || m_landLayer.devicePixelRatio() != ratio) {
        paintLandLayer(ratio);
        m_skyValid = false;
    }
    if (!m_skyValid || m_skyUnit != LocaleText::distanceUnit()) {
        paintSkyLayer(ratio);
    }
    painter.drawPixmap(0, 0, m_skyLayer);
    painter.setRenderHint(QPainter::Antialiasing);
    for (const Rotor& rotor : m_rotors) {
        paintRotor(painter, rotor);
    }
    const QPalette& colors = palette();
    painter.setPen(QPen(haloColor(colors), 1.5));
    painter.setBrush(colors.color(QPalette::WindowText));
    painter.drawEllipse(mapCircle().center(), 3.5, 3.5);
}

void WorldMap::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        m_pressedAt = event->position();
    }
    QWidget::mousePressEvent(event);
}

void WorldMap::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && m_pressedAt) {
        const QPointF moved = event->position() - *m_pressedAt;
        m_pressedAt.reset();
        if (std::hypot(moved.x(), moved.y()) <= clickSlop) {
            if (const std::optional<GeoPoint> place = placeAt(event->position())) {
                Q_EMIT pointChosen(place->latitude, place->longitude);
            }
        }
    }
    QWidget::mouseReleaseEvent(event);
}

void WorldMap::mouseMoveEvent(QMouseEvent* event)
{
    const std::optional<GeoPoint> place = placeAt(event->position());
    if (!place) {
        QToolTip::hideText();
        Q_EMIT pointerLeft();
    } else {
        const AzimuthalProjection::Point point = m_projection->project(*place);
        Q_EMIT pointerMoved(AzimuthalProjection::bearing(point), AzimuthalProjection::distance(point),
                            Maidenhead::locator(place->latitude, place->longitude));
        QToolTip::showText(event->globalPosition().toPoint(), describe(*place).toHtmlEscaped(), this);
    }
    QWidget::mouseMoveEvent(event);
}

void WorldMap::leaveEvent(QEvent* event)
{
    Q_EMIT pointerLeft();
    QWidget::leaveEvent(event);
}

void WorldMap::updateDescription()
{
    QStringList parts;
    if (m_centre) {
        parts << tr("Centred on %1").arg(Maidenhead::locator(m_centre->latitude, m_centre->longitude));
    }
    for (const Rotor& rotor : m_rotors) {
        if (rotor.heading) {
            const QString heading = LocaleText::degrees(*rotor.heading, 0);
            parts << (rotor.stale ? tr("%1 beam %2, last reported").arg(rotor.name, heading)
                                  : tr("%1 beam %2").arg(rotor.name, heading));
        }
    }
    setAccessibleDescription(parts.join(u"; "_s));
}

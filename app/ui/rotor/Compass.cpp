#include "app/ui/rotor/Compass.h"

#include "app/ui/rotor/Needle.h"
#include "app/ui/style/StationColors.h"

#include <QEvent>
#include <QPainter>
#include <QPainterPath>

#include <array>
#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr double tickRadius = 79.0;
// Outside the ring, so a needle pointing at a letter never covers it.
constexpr double letterRadius = 97.0;
constexpr double needleWidth = 16.0;
constexpr double needleLength = 68.0;
constexpr double hubSize = 7.0;

bool sameHeading(const std::optional<double>& a, const std::optional<double>& b)
{
    if (a.has_value() != b.has_value()) {
        return false;
    }
    return !a || *a == *b || (std::isnan(*a) && std::isnan(*b));
}

} // namespace

Compass::Compass(QWidget* parent)
    : QWidget(parent)
{
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

Compass::~Compass() = default;

void Compass::setHeading(std::optional<double> heading)
{
    if (!sameHeading(m_heading, heading)) {
        m_heading = heading;
        update();
    }
}

void Compass::setStale(bool stale)
{
    if (m_stale != stale) {
        m_stale = stale;
        update();
    }
}

void Compass::setShadedArcs(const QList<Arc>& arcs)
{
    if (m_shaded != arcs) {
        m_shaded = arcs;
        update();
    }
}

void Compass::setTwoWay(bool twoWay)
{
    if (m_twoWay != twoWay) {
        m_twoWay = twoWay;
        update();
    }
}

QSize Compass::sizeHint() const
{
    return {190, 190};
}

QSize Compass::minimumSizeHint() const
{
    return {120, 120};
}

bool Compass::hasHeightForWidth() const
{
    return true;
}

int Compass::heightForWidth(int width) const
{
    return width;
}

void Compass::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const double scale = std::min(width(), height()) / dialSize;
    painter.translate(width() / 2.0, height() / 2.0);
    painter.scale(scale, scale);
    painter.setPen(Qt::NoPen);

    const QPalette& colors = palette();
    const QColor marks = colors.color(QPalette::WindowText);
    // Qt counts angles from three o'clock counterclockwise in sixteenths of a degree.
    painter.setBrush(StationColors::faded(StationColors::red(colors), 0.22));
    const QRectF ring(-tickRadius - 8, -tickRadius - 8, 2 * (tickRadius + 8), 2 * (tickRadius + 8));
    for (const Arc& arc : m_shaded) {
        painter.drawPie(ring, qRound((90.0 - arc.from) * 16), -qRound(arc.span * 16));
    }
    for (int i = 0; i < 36; ++i) {
        const bool major = i % 9 == 0;
        const QSizeF size = major ? QSizeF(2, 10) : QSizeF(1, 5);
        painter.save();
        painter.rotate(i * 10.0);
        painter.setBrush(StationColors::faded(marks, major ? 0.65 : 0.25));
        painter.drawRect(QRectF(QPointF(-size.width() / 2, -tickRadius - size.height() / 2), size));
        painter.restore();
    }

    QFont letters = font();
    letters.setBold(true);
    letters.setPixelSize(13);
    painter.setFont(letters);
    painter.setPen(marks);
    struct Letter {
        QString text;
        QPointF at;
    };
    const std::array<Letter, 4> cardinals{{
        //: North on the heading dial
        {tr("N"), {0, -letterRadius}},
        //: East on the heading dial
        {tr("E"), {letterRadius, 0}},
        //: South on the heading dial
        {tr("S"), {0, letterRadius}},
        //: West on the heading dial
        {tr("W"), {-letterRadius, 0}},
    }};
    for (const Letter& letter : cardinals) {
        painter.drawText(QRectF(letter.at - QPointF(12, 12), QSizeF(24, 24)), Qt::AlignCenter, letter.text);
    }

    if (m_heading && std::isfinite(*m_heading) && *m_heading >= -360.0 && *m_heading <= 720.0) {
        const QColor needle = m_stale ? StationColors::secondary(colors) : StationColors::teal(colors);
        painter.setPen(Qt::NoPen);
        painter.setBrush(needle);
        const QPainterPath path = Needle::path(QRectF(-needleWidth / 2, -needleLength, needleWidth, needleLength));
        if (m_twoWay) {
            painter.save();
            painter.setOpacity(0.45);
            painter.rotate(*m_heading + 180.0);
            painter.drawPath(path);
            painter.restore();
        }
        painter.save();
        painter.rotate(*m_heading);
        painter.drawPath(path);
        painter.restore();
        painter.drawEllipse(QPointF(0, 0), hubSize / 2, hubSize / 2);
    }
}

void Compass::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange) {
        update();
    }
    QWidget::changeEvent(event);
}

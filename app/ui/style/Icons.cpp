#include "app/ui/style/Icons.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QPixmapCache>
#include <QSvgRenderer>

using namespace Qt::Literals::StringLiterals;

namespace {

class TintedIconEngine final : public QIconEngine {
public:
    TintedIconEngine(QString path, QColor color)
        : m_path(std::move(path))
        , m_color(color)
    {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override
    {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        const QPixmap image = render(rect.size(), ratio, tint(mode));
        painter->drawPixmap(rect, image);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override { return render(size, 1.0, tint(mode)); }

    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State, qreal scale) override
    {
        return render(size, scale, tint(mode));
    }

    QIconEngine* clone() const override { return new TintedIconEngine(m_path, m_color); }

private:
    QColor tint(QIcon::Mode mode) const
    {
        const QPalette palette = QApplication::palette();
        if (mode == QIcon::Disabled) {
            return palette.color(QPalette::Disabled, QPalette::ButtonText);
        }
        if (m_color.isValid()) {
            return m_color;
        }
        return palette.color(mode == QIcon::Selected ? QPalette::HighlightedText : QPalette::ButtonText);
    }

    QPixmap render(const QSize& size, qreal ratio, const QColor& color) const
    {
        const QSize device = size * ratio;
        const QString key = u"xalto-icon:%1:%2x%3:%4"_s.arg(m_path)
                                .arg(device.width())
                                .arg(device.height())
                                .arg(color.name(QColor::HexArgb));
        QPixmap cached;
        if (QPixmapCache::find(key, &cached)) {
            return cached;
        }
        QPixmap image(device);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            QSvgRenderer renderer(m_path);
            renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(device)));
            painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
            painter.fillRect(image.rect(), color);
        }
        image.setDevicePixelRatio(ratio);
        QPixmapCache::insert(key, image);
        return image;
    }

    QString m_path;
    QColor m_color;
};

QString pathOf(const QString& name)
{
    return u":/xalto/"_s + name + u".svg"_s;
}

} // namespace

QIcon Icons::icon(const QString& name)
{
    return QIcon(new TintedIconEngine(pathOf(name), QColor()));
}

QIcon Icons::icon(const QString& name, const QColor& color)
{
    return QIcon(new TintedIconEngine(pathOf(name), color));
}

QIcon Icons::application()
{
    return QIcon(pathOf(u"xalto"_s));
}

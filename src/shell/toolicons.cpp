#include "shell/toolicons.h"

#include <QHash>
#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

// Resources of a static library are registered by hand, outside any namespace.
static void initIconResources()
{
    Q_INIT_RESOURCE(icons);
}

namespace {

constexpr int DisabledOpacityPercent = 35;

void fade(QImage &image)
{
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = qUnpremultiply(line[x]);
            const int grey = qGray(pixel);
            line[x] = qPremultiply(qRgba(grey, grey, grey, qAlpha(pixel) * DisabledOpacityPercent / 100));
        }
    }
}

class SvgIconEngine : public QIconEngine
{
public:
    explicit SvgIconEngine(const QString &path)
        : m_path(path)
    {
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State) override
    {
        const bool disabled = mode == QIcon::Disabled;
        const QString key = QStringLiteral("%1x%2:%3").arg(size.width()).arg(size.height()).arg(disabled);
        auto cached = m_pixmaps.constFind(key);
        if (cached != m_pixmaps.constEnd())
            return *cached;
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QSvgRenderer renderer(m_path);
        QPainter painter(&image);
        renderer.render(&painter);
        painter.end();
        if (disabled)
            fade(image);
        return *m_pixmaps.insert(key, QPixmap::fromImage(image));
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal scale = painter->device()->devicePixelRatio();
        painter->drawPixmap(rect, pixmap(rect.size() * scale, mode, state));
    }

    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        const int side = qMin(size.width(), size.height());
        return QSize(side, side);
    }

    QIconEngine *clone() const override { return new SvgIconEngine(m_path); }

private:
    QString m_path;
    QHash<QString, QPixmap> m_pixmaps;
};

} // namespace

QIcon toolIcon(const QString &name)
{
    static const bool registered = (initIconResources(), true);
    Q_UNUSED(registered);
    return QIcon(new SvgIconEngine(QStringLiteral(":/icons/%1.svg").arg(name)));
}

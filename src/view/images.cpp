#include "view/images.h"

#include <QFile>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

#include <map>

// The resources live in a static library: nothing would pull their object file in otherwise.
static void InitImageResources()
{
    Q_INIT_RESOURCE(images);
}

namespace {

void EnsureResources()
{
    static const bool ready = (InitImageResources(), true);
    Q_UNUSED(ready);
}

QString ResourcePath(int id)
{
    return QStringLiteral(":/images/%1").arg(id);
}

// SVG at the size its width and height give, or a PNG as it is. The views copy most images
// with white as the transparent colour, so everything sits on opaque white.
QImage LoadImage(int id)
{
    QFile file(ResourcePath(id));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray data = file.readAll();

    if (!data.startsWith("\x89PNG")) {
        QSvgRenderer svg(data);
        if (!svg.isValid())
            return {};
        QImage img(svg.defaultSize(), QImage::Format_RGB32);
        img.fill(Qt::white);
        QPainter painter(&img);
        svg.render(&painter);
        return img;
    }
    const QImage png = QImage::fromData(data, "PNG");
    if (png.isNull())
        return {};
    QImage img(png.size(), QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter painter(&img);
    painter.drawImage(0, 0, png);
    return img;
}

} // namespace

const QImage &Bitmap(int resourceId)
{
    EnsureResources();
    // A node-based map: the references handed out stay valid as the cache grows.
    static std::map<int, QImage> cache;
    auto it = cache.find(resourceId);
    if (it == cache.end())
        it = cache.emplace(resourceId, LoadImage(resourceId)).first;
    return it->second;
}

QIcon ProgramIcon()
{
    EnsureResources();
    QSvgRenderer svg(ResourcePath(Res::FileIcon));
    QIcon icon;
    if (!svg.isValid())
        return icon;
    for (int side : {16, 22, 24, 32, 48, 64, 128, 256}) {
        QImage img(side, side, QImage::Format_ARGB32_Premultiplied);
        img.fill(Qt::transparent);
        QPainter painter(&img);
        svg.render(&painter);
        painter.end();
        icon.addPixmap(QPixmap::fromImage(img));
    }
    return icon;
}

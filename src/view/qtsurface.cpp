#include "view/qtsurface.h"

#include "view/images.h"

#include <QHash>

QtSurface::QtSurface(QImage &image, const FontSet &fonts) : m_image(image), m_fonts(fonts)
{
    m_painter.begin(&m_image);
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    m_painter.setRenderHint(QPainter::TextAntialiasing, true);
    SetFont(FontRole::Normal);
}

QtSurface::~QtSurface()
{
    m_painter.end();
}

void QtSurface::SetFont(FontRole role)
{
    m_font = role;
    m_painter.setFont(m_fonts.Get(role));
    m_metrics.emplace(m_fonts.Get(role));
}

QSize QtSurface::TextExtent(const QString &text)
{
    return QSize(m_metrics->horizontalAdvance(text), m_metrics->height());
}

void QtSurface::TextOut(int x, int y, const QString &text)
{
    m_painter.setPen(m_textColor);
    m_painter.drawText(x, y + m_metrics->ascent(), text);
}

void QtSurface::FillRect(const Rect &r, QColor c)
{
    if (r.width() > 0 && r.height() > 0)
        m_painter.fillRect(r.l, r.t, r.width(), r.height(), c);
}

void QtSurface::Rectangle(const Rect &r, QColor pen, const QColor *brush)
{
    if (r.width() <= 0 || r.height() <= 0)
        return;
    if (brush)
        FillRect(r, *brush);
    FillRect({r.l, r.t, r.r, r.t + 1}, pen);
    FillRect({r.l, r.b - 1, r.r, r.b}, pen);
    FillRect({r.l, r.t, r.l + 1, r.b}, pen);
    FillRect({r.r - 1, r.t, r.r, r.b}, pen);
}

void QtSurface::Line(int x1, int y1, int x2, int y2, QColor c)
{
    // The end point is not drawn (so a line to its own start draws nothing).
    if (x1 == x2 && y1 == y2)
        return;
    if (x1 == x2) {
        FillRect({x1, std::min(y1, y2 + 1), x1 + 1, std::max(y1 + 1, y2)}, c);
        return;
    }
    if (y1 == y2) {
        FillRect({std::min(x1, x2 + 1), y1, std::max(x1 + 1, x2), y1 + 1}, c);
        return;
    }
    // Bresenham, stopping one step before the end point.
    const int dx = std::abs(x2 - x1), sx = x1 < x2 ? 1 : -1;
    const int dy = -std::abs(y2 - y1), sy = y1 < y2 ? 1 : -1;
    int err = dx + dy, x = x1, y = y1;
    while (x != x2 || y != y2) {
        FillRect({x, y, x + 1, y + 1}, c);
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

void QtSurface::DrawBitmap(int x, int y, int resourceId, bool whiteTransparent, int srcW, int srcH)
{
    const QImage &img = Bitmap(resourceId);
    if (img.isNull())
        return;
    const int w = srcW < 0 ? img.width() : std::min(srcW, img.width());
    const int h = srcH < 0 ? img.height() : std::min(srcH, img.height());
    if (!whiteTransparent) {
        m_painter.drawImage(QPoint(x, y), img, QRect(0, 0, w, h));
        return;
    }
    // White pixels leave the surface as it was.
    static QHash<int, QImage> masked;
    auto it = masked.find(resourceId);
    if (it == masked.end()) {
        QImage m = img.convertToFormat(QImage::Format_ARGB32);
        for (int yy = 0; yy < m.height(); ++yy) {
            QRgb *line = reinterpret_cast<QRgb *>(m.scanLine(yy));
            for (int xx = 0; xx < m.width(); ++xx)
                if ((line[xx] & 0xFFFFFF) == 0xFFFFFF)
                    line[xx] = 0;
        }
        it = masked.insert(resourceId, m);
    }
    m_painter.drawImage(QPoint(x, y), *it, QRect(0, 0, w, h));
}

void QtSurface::FocusRect(const Rect &r)
{
    // Every second pixel of the frame, as a dotted focus rectangle looks.
    for (int x = r.l; x < r.r; x += 2) {
        FillRect({x, r.t, x + 1, r.t + 1}, Qt::black);
        FillRect({x, r.b - 1, x + 1, r.b}, Qt::black);
    }
    for (int y = r.t; y < r.b; y += 2) {
        FillRect({r.l, y, r.l + 1, y + 1}, Qt::black);
        FillRect({r.r - 1, y, r.r, y + 1}, Qt::black);
    }
}

void QtSurface::DrawTextWrapped(const Rect &r, const QString &text)
{
    if (r.width() <= 0 || r.height() <= 0)
        return;
    m_painter.save();
    m_painter.setClipRect(r.l, r.t, r.width(), r.height());
    m_painter.setPen(m_textColor);
    m_painter.drawText(QRect(r.l, r.t, r.width(), r.height()),
                       Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
    m_painter.restore();
}

#include "support/recordingsurface.h"

#include <QCryptographicHash>

int RecordingSurface::CharWidth(FontRole f)
{
    return f == FontRole::Bold ? 6 : f == FontRole::Large ? 9 : 5;
}

int RecordingSurface::CellHeight(FontRole f)
{
    return f == FontRole::Large ? 17 : 11;
}

QSize RecordingSurface::TextExtent(const QString &text)
{
    return QSize(int(text.size()) * CharWidth(m_font), CellHeight(m_font));
}

void RecordingSurface::Add(Kind kind, const Rect &r, QColor color, const QString &text,
                           QColor brush, int resourceId, bool transparent)
{
    ops.push_back({kind, r, text, m_font, color, brush, resourceId, transparent});
}

void RecordingSurface::TextOut(int x, int y, const QString &text)
{
    const QSize e = TextExtent(text);
    Add(Kind::Text, {x, y, x + e.width(), y + e.height()}, m_color, text, {}, 0, true);
}

void RecordingSurface::FillRect(const Rect &r, QColor c)
{
    Add(Kind::Fill, r, c);
}

void RecordingSurface::Rectangle(const Rect &r, QColor pen, const QColor *brush)
{
    Add(Kind::Rectangle, r, pen, {}, brush ? *brush : QColor());
}

void RecordingSurface::Line(int x1, int y1, int x2, int y2, QColor c)
{
    Add(Kind::Line, {x1, y1, x2, y2}, c);
}

void RecordingSurface::DrawBitmap(int x, int y, int resourceId, bool whiteTransparent, int srcW,
                                  int srcH)
{
    const Rect r{x, y, x + std::max(srcW, 0), y + std::max(srcH, 0)};
    Add(Kind::Bitmap, r, {}, {}, {}, resourceId, whiteTransparent);
}

void RecordingSurface::FocusRect(const Rect &r)
{
    Add(Kind::Focus, r, {});
}

void RecordingSurface::DrawTextWrapped(const Rect &r, const QString &text)
{
    Add(Kind::Wrapped, r, m_color, text);
}

QString RecordingSurface::Dump() const
{
    static const char kinds[] = "TFRLBXW";
    static const char *const fonts[] = {"normal", "bold", "large", "link", "serif"};
    const auto rgb = [](const QColor &c) { return c.isValid() ? c.name() : QStringLiteral("-"); };
    QString out;
    for (const Op &op : ops)
        out += QString::asprintf("%c %d,%d,%d,%d ", kinds[int(op.kind)], op.rect.l, op.rect.t,
                                 op.rect.r, op.rect.b) +
               QStringLiteral("\"%1\" %2 %3 %4 #%5%6\n")
                   .arg(op.text, fonts[int(op.font)], rgb(op.color), rgb(op.brush))
                   .arg(op.resourceId)
                   .arg(op.transparent ? " keyed" : "");
    return out;
}

std::string Digest(const QString &dump)
{
    return QCryptographicHash::hash(dump.toUtf8(), QCryptographicHash::Sha1)
        .toHex()
        .left(16)
        .toStdString();
}

#include "support/recordingsurface.h"

int RecordingSurface::CharWidth(FontRole f)
{
    switch (f) {
    case FontRole::Bold:
        return 6;
    case FontRole::Large:
        return 9;
    default:
        return 5;
    }
}

int RecordingSurface::CellHeight(FontRole f)
{
    return f == FontRole::Large ? 17 : 11;
}

QSize RecordingSurface::TextExtent(const QString &text)
{
    return QSize(int(text.size()) * CharWidth(m_font), CellHeight(m_font));
}

void RecordingSurface::TextOut(int x, int y, const QString &text)
{
    const QSize e = TextExtent(text);
    Op op{Kind::Text, {x, y, x + e.width(), y + e.height()}, text, m_font, m_color, {}, 0, true};
    ops.push_back(op);
}

void RecordingSurface::FillRect(const Rect &r, QColor c)
{
    ops.push_back({Kind::Fill, r, {}, m_font, c, {}, 0, false});
}

void RecordingSurface::Rectangle(const Rect &r, QColor pen, const QColor *brush)
{
    ops.push_back({Kind::Rectangle, r, {}, m_font, pen, brush ? *brush : QColor(), 0, false});
}

void RecordingSurface::Line(int x1, int y1, int x2, int y2, QColor c)
{
    ops.push_back({Kind::Line, {x1, y1, x2, y2}, {}, m_font, c, {}, 0, false});
}

void RecordingSurface::DrawBitmap(int x, int y, int resourceId, bool whiteTransparent, int srcW,
                                  int srcH)
{
    ops.push_back({Kind::Bitmap,
                   {x, y, x + (srcW < 0 ? 0 : srcW), y + (srcH < 0 ? 0 : srcH)},
                   {},
                   m_font,
                   {},
                   {},
                   resourceId,
                   whiteTransparent});
}

void RecordingSurface::FocusRect(const Rect &r)
{
    ops.push_back({Kind::Focus, r, {}, m_font, {}, {}, 0, false});
}

std::vector<RecordingSurface::Op> RecordingSurface::texts() const
{
    std::vector<Op> out;
    for (const Op &op : ops)
        if (op.kind == Kind::Text)
            out.push_back(op);
    return out;
}

std::vector<RecordingSurface::Op> RecordingSurface::bitmaps() const
{
    std::vector<Op> out;
    for (const Op &op : ops)
        if (op.kind == Kind::Bitmap)
            out.push_back(op);
    return out;
}

const RecordingSurface::Op *RecordingSurface::findText(const QString &text) const
{
    for (const Op &op : ops)
        if (op.kind == Kind::Text && op.text == text)
            return &op;
    return nullptr;
}

void RecordingSurface::DrawTextWrapped(const Rect &r, const QString &text)
{
    ops.push_back({Kind::Wrapped, r, text, m_font, m_color, {}, 0, false});
}

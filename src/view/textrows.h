#pragma once
// What the text views share while they lay out their rows: measuring, putting text, checking
// indexes, the alternating bands and the hit rows. Only the view files include this.

#include "view/drawing.h"
#include "view/textviews.h"
#include "view/viewtexts.h"

namespace textrows {

inline const QString kXXX = QStringLiteral("XXX");

inline int BoldHeight(Surface &s)
{
    const FontRole old = s.Font();
    s.SetFont(FontRole::Bold);
    const int h = s.TextExtent(kXXX).height();
    s.SetFont(old);
    return h;
}

inline int Width(Surface &s, FontRole f, const QString &text)
{
    const FontRole old = s.Font();
    s.SetFont(f);
    const int w = s.TextExtent(text).width();
    s.SetFont(old);
    return w;
}

// Draws text in a font; returns its extent.
inline QSize Put(Surface &s, FontRole f, int x, int y, const QString &text)
{
    s.SetFont(f);
    s.TextOut(x, y, text);
    return s.TextExtent(text);
}

inline bool ValidClass(const PaintContext &ctx, int c)
{
    return c >= 0 && c < ctx.student.m_classes.size();
}

inline bool ValidReminder(const PaintContext &ctx, int c, int r)
{
    return ValidClass(ctx, c) && r >= 0 && r < ctx.student.m_classes[c].m_reminders.size();
}

// Alternates the band behind the rows of a group: none on the first, one on the second...
struct Bands {
    bool shaded = false;
    void Row(Surface &s, const ViewState &v, const Rect &client, int y, int h, bool enabled)
    {
        if (shaded && enabled)
            DrawRowBand(s, v, RowRect(client, y, h));
        shaded = !shaded;
    }
};

inline HitRow Row(HitRow::Kind kind, const Rect &hit, int y, int cls, int rem = -1)
{
    HitRow r;
    r.kind = kind;
    r.hit = hit;
    r.markerY = y;
    r.classIndex = cls;
    r.reminderIndex = rem;
    return r;
}

} // namespace textrows

#pragma once
// The view tests' shared set-up: a pinned "now" (Wednesday, October 15, 2003, 10:00 AM, test time
// zone America/New_York) and hand-built terms; ViewPaint paints one mode on the recording surface
// (fixed metrics: 5 pixels a character in the normal and link fonts, 6 in bold, 9 in large; cells
// 11 high, 17 in large).

#include "model/clock.h"
#include "model/student.h"
#include "model/teacher.h"
#include "support/pinnedclock.h"
#include "support/printers.h"
#include "support/recordingsurface.h"
#include "support/termbuilder.h"
#include "view/images.h"
#include "view/rows.h"
#include "view/viewpainter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <initializer_list>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

inline std::ostream &operator<<(std::ostream &os, const Rect &r)
{
    return os << "(" << r.l << "," << r.t << "," << r.r << "," << r.b << ")";
}
inline std::ostream &operator<<(std::ostream &os, const QColor &c)
{
    return os << "rgb(" << c.red() << "," << c.green() << "," << c.blue() << ")";
}

namespace viewtest {

using Kind = RecordingSurface::Kind;
using Op = RecordingSurface::Op;
using F = FontRole;
using Images = std::vector<std::tuple<int, int, int>>; // resource, x, y
using Rects = std::vector<Rect>;

inline const QColor kBlack(0, 0, 0), kWhite(255, 255, 255), kGrey(105, 120, 120);
inline const QColor kDarkRed(100, 0, 0), kGradeRed(150, 0, 0), kDarkBlue(0, 0, 150);
inline const QColor kLinkBlue(0, 0, 200), kBarFrame(0, 0, 110);
inline const QColor kGreenRow(215, 230, 175); // scheme 0's row colour

inline CTime Now()
{
    return At(2003, 10, 15, 10, 0);
}

// A drawn text and a laid-out hit row, written as the tests spell them:
//   "Lab@18,46/link#grey": text at x,y; the font when not normal, the colour when not black.
//   "Reminder[18,46,163,57]@46 c0 r2": kind, hit rectangle, marker y, class and reminder index;
//   "Class@30 c0": a row across the view, [2, y - 2, 238, y + 13] for marker y.
struct Txt {
    QString text;
    int x = 0, y = 0;
    FontRole font = F::Normal;
    QColor color = kBlack;
};
struct Hit {
    HitRow::Kind kind = HitRow::Class;
    Rect rect;
    int markerY = -1, cls = -1, rem = -1;
};

inline std::string Spell(const QColor &c)
{
    const std::pair<QColor, const char *> names[] = {
        {kWhite, "white"},   {kGrey, "grey"},     {kDarkRed, "red"},  {kGradeRed, "grade"},
        {kDarkBlue, "blue"}, {kLinkBlue, "link"}, {kBarFrame, "navy"}};
    for (const auto &[colour, name] : names)
        if (c == colour)
            return name;
    return QString::asprintf("%d,%d,%d", c.red(), c.green(), c.blue()).toStdString();
}
inline std::string Spell(const Txt &t)
{
    static const char *const fonts[] = {"", "/bold", "/large", "/link", "/serif"};
    return QString::asprintf("%s@%d,%d", qPrintable(t.text), t.x, t.y).toStdString() +
           fonts[int(t.font)] + (t.color == kBlack ? "" : "#" + Spell(t.color));
}
inline std::string Spell(const Hit &h)
{
    static const char *const kinds[] = {"Class",      "Reminder",  "Date",
                                        "Instructor", "ClassLine", "DateLine"};
    const Rect &r = h.rect, row{2, h.markerY - 2, 238, h.markerY + 13};
    std::string out = kinds[h.kind];
    if (!(r == row))
        out += QString::asprintf("[%d,%d,%d,%d]", r.l, r.t, r.r, r.b).toStdString();
    out += "@" + std::to_string(h.markerY);
    if (h.cls != -1)
        out += " c" + std::to_string(h.cls);
    if (h.rem != -1)
        out += " r" + std::to_string(h.rem);
    return out;
}
template <typename T> std::string Join(const std::vector<T> &items)
{
    std::string out;
    for (const T &item : items)
        out += (out.empty() ? "" : "; ") + Spell(item);
    return out;
}

// One paint of a mode over a hand-built term, at the pinned "now".
struct ViewPaint {
    PinnedClock clock{Now()};
    ViewState state;
    CStudent student;
    CTeacherArray teachers;
    Rect client{0, 0, 240, 268};
    RecordingSurface surface;
    ViewRows rows;

    void Paint(ViewMode mode)
    {
        state.m_nViewType = mode;
        surface.ops.clear();
        PaintContext ctx{state, student, teachers, client, Clock::Now()};
        PaintView(surface, ctx, &rows);
    }

    std::vector<Op> Ops(Kind kind) const
    {
        std::vector<Op> out;
        for (const Op &op : surface.ops)
            if (op.kind == kind)
                out.push_back(op);
        return out;
    }
    // The texts whose top lies in [y0, y1).
    std::vector<Txt> Texts(int y0 = INT_MIN, int y1 = INT_MAX) const
    {
        std::vector<Txt> out;
        for (const Op &op : Ops(Kind::Text))
            if (op.rect.t >= y0 && op.rect.t < y1)
                out.push_back({op.text, op.rect.l, op.rect.t, op.font, op.color});
        return out;
    }
    std::string Shown(int y0 = INT_MIN, int y1 = INT_MAX) const { return Join(Texts(y0, y1)); }
    const Op *Text(const QString &text) const { return surface.findText(text); }
    std::vector<Hit> HitList() const
    {
        std::vector<Hit> out;
        for (const HitRow &r : rows.rows)
            out.push_back({r.kind, r.hit, r.markerY, r.classIndex, r.reminderIndex});
        return out;
    }
    std::string Hits() const { return Join(HitList()); }

    // Images drawn as (resource, x, y) in drawing order, all or only those of the given resources.
    Images Bitmaps(std::initializer_list<int> only = {}) const
    {
        Images out;
        for (const Op &op : Ops(Kind::Bitmap))
            if (!only.size() || std::find(only.begin(), only.end(), op.resourceId) != only.end())
                out.emplace_back(op.resourceId, op.rect.l, op.rect.t);
        return out;
    }
    template <typename Pred> Rects Find(Kind kind, Pred pred) const
    {
        Rects out;
        for (const Op &op : Ops(kind))
            if (pred(op))
                out.push_back(op.rect);
        return out;
    }
    // The shaded bands behind rows: white frame, the scheme's row colour inside.
    Rects Bands() const
    {
        return Find(Kind::Rectangle,
                    [](const Op &o) { return o.color == kWhite && o.brush == kGreenRow; });
    }
    // Frames of full title bars.
    Rects BarFrames() const
    {
        return Find(Kind::Rectangle,
                    [](const Op &o) { return o.color == kBarFrame && !o.brush.isValid(); });
    }
    Rects Lines() const
    {
        return Find(Kind::Line, [](const Op &) { return true; });
    }
    // The scroll arrow box (white fill, black frame), or an empty rectangle when none.
    Rect ArrowBox() const
    {
        const Rects box = Find(Kind::Rectangle,
                               [](const Op &o) { return o.color == kBlack && o.brush == kWhite; });
        return box.empty() ? Rect{} : box.front();
    }
};

} // namespace viewtest

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
inline void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}

namespace viewtest {

using Kind = RecordingSurface::Kind;
using Op = RecordingSurface::Op;
using F = FontRole;
using Bitmap = std::tuple<int, int, int>;
using Images = std::vector<Bitmap>;

inline const QColor kBlack(0, 0, 0), kWhite(255, 255, 255), kGrey(105, 120, 120);
inline const QColor kDarkRed(100, 0, 0), kGradeRed(150, 0, 0), kDarkBlue(0, 0, 150);
inline const QColor kLinkBlue(0, 0, 200), kBarFrame(0, 0, 110);
inline const QColor kGreenRow(215, 230, 175); // scheme 0's row colour

// The images the views draw (their numbers are checked in images_test and drawing_test).
enum Img : int {
    kBack = Res::Back,
    kMarkRight = Res::MarkerRight,
    kMarkLeft = Res::MarkerLeft,
    kTick = Res::DoneMark,
    kBang = Res::PriorityMark,
    kArrowUp = Res::ArrowUp,
    kArrowDown = Res::ArrowDown,
    kBannerClasses = Res::BannerClasses,
    kBannerDates = Res::BannerDates,
    kBannerGrades = Res::BannerGrades,
    kBannerDay = Res::BannerDay,
    kBannerClass = Res::BannerClass,
    kBannerNoTitle = Res::BannerNoTitle,
    kBannerReminder = Res::BannerReminder,
    kBannerInstructor = Res::BannerInstructor,
    kDetailTick = Res::DetailDoneMark,
    kDetailBang = Res::DetailPriorityMark,
};

inline CTime Now()
{
    return At(2003, 10, 15, 10, 0);
}

inline CAssignment Rem(const QString &name, CTime due, bool high = false, bool done = false)
{
    CAssignment a;
    a.m_strName = name;
    a.m_timeDue = due;
    a.m_bHighPriority = high ? 1 : 0;
    a.m_bDone = done ? 1 : 0;
    return a;
}

inline CClassTime Meets(int weekday, int hour, int minute = 0, int duration = 60)
{
    CClassTime t;
    t.m_nDay = weekday;
    t.m_nHour = hour;
    t.m_nMinute = minute;
    t.m_nDuration = duration;
    return t;
}

// A class whose reminders are kept as the program keeps them: latest due first.
inline CClass Cls(const QString &name, std::initializer_list<CAssignment> reminders = {},
                  std::initializer_list<CClassTime> times = {})
{
    CClass c;
    c.m_strName = name;
    for (const CClassTime &t : times)
        c.m_classTimes.append(t);
    for (const CAssignment &a : reminders)
        c.AddReminder(a);
    c.SortReminders();
    return c;
}

// ------------------------------------------------------------------- the recording surface

// A drawn text, comparable.
struct Txt {
    QString text;
    int x = 0, y = 0;
    FontRole font = F::Normal;
    QColor color = kBlack;
    friend bool operator==(const Txt &a, const Txt &b)
    {
        return a.text == b.text && a.x == b.x && a.y == b.y && a.font == b.font &&
               a.color == b.color;
    }
};

// A heading on a title bar: white at x 8.
inline Txt Heading(const QString &text, int y)
{
    return {text, 8, y, F::Normal, kWhite};
}

// A laid-out hit row, comparable.
struct Hit {
    HitRow::Kind kind = HitRow::Class;
    Rect rect;
    int markerY = -1, cls = -1, rem = -1;
    friend bool operator==(const Hit &a, const Hit &b)
    {
        return a.kind == b.kind && a.rect == b.rect && a.markerY == b.markerY && a.cls == b.cls &&
               a.rem == b.rem;
    }
};

inline void PrintTo(const Txt &t, std::ostream *os)
{
    static const char *const fonts[] = {"Normal", "Bold", "Large", "Link", "Serif"};
    *os << "\n  {\"" << t.text.toStdString() << "\" at " << t.x << "," << t.y << " "
        << fonts[int(t.font)] << " " << t.color << "}";
}
inline void PrintTo(const Hit &h, std::ostream *os)
{
    static const char *const kinds[] = {"Class",      "Reminder",  "Date",
                                        "Instructor", "ClassLine", "DateLine"};
    *os << "\n  {" << kinds[h.kind] << " " << h.rect << " marker " << h.markerY << " class "
        << h.cls << " reminder " << h.rem << "}";
}

using Txts = std::vector<Txt>;
using Hits = std::vector<Hit>;
using Rects = std::vector<Rect>;

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
    const Op *Text(const QString &text) const { return surface.findText(text); }
    std::vector<Hit> Hits() const
    {
        std::vector<Hit> out;
        for (const HitRow &r : rows.rows)
            out.push_back({r.kind, r.hit, r.markerY, r.classIndex, r.reminderIndex});
        return out;
    }

    // Images drawn as (resource, x, y) in drawing order, all or only those of the given resources.
    Images Bitmaps(std::initializer_list<int> only = {}) const
    {
        Images out;
        for (const Op &op : Ops(Kind::Bitmap))
            if (!only.size() || std::find(only.begin(), only.end(), op.resourceId) != only.end())
                out.emplace_back(op.resourceId, op.rect.l, op.rect.t);
        return out;
    }
    template <typename Pred> std::vector<Rect> Rects(Kind kind, Pred pred) const
    {
        std::vector<Rect> out;
        for (const Op &op : Ops(kind))
            if (pred(op))
                out.push_back(op.rect);
        return out;
    }
    // The shaded bands behind rows: white frame, the scheme's row colour inside.
    std::vector<Rect> Bands() const
    {
        return Rects(Kind::Rectangle,
                     [](const Op &o) { return o.color == kWhite && o.brush == kGreenRow; });
    }
    // Frames of full title bars.
    std::vector<Rect> BarFrames() const
    {
        return Rects(Kind::Rectangle,
                     [](const Op &o) { return o.color == kBarFrame && !o.brush.isValid(); });
    }
    std::vector<Rect> Lines() const
    {
        return Rects(Kind::Line, [](const Op &) { return true; });
    }
    // The scroll arrow box (white fill, black frame), or an empty rectangle when none.
    Rect ArrowBox() const
    {
        const std::vector<Rect> box = Rects(
            Kind::Rectangle, [](const Op &o) { return o.color == kBlack && o.brush == kWhite; });
        return box.empty() ? Rect{} : box.front();
    }
};

} // namespace viewtest

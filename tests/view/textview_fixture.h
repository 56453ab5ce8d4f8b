#pragma once
// Shared set-up of the text view tests: a small hand-built term, a pinned "now", a paint on the
// recording surface (fixed metrics: 5 pixels a character in the normal and link fonts, 6 in bold,
// 9 in large; cells 11 high, 17 in large), and comparable forms of what was drawn and laid out.

#include "model/clock.h"
#include "model/student.h"
#include "model/teacher.h"
#include "ui/colorschemes.h"
#include "view/recordingsurface.h"
#include "view/rows.h"
#include "view/viewpainter.h"

#include <gtest/gtest.h>

#include <QString>

#include <initializer_list>
#include <ostream>
#include <vector>

namespace textview {

using Kind = RecordingSurface::Kind;
using Op = RecordingSurface::Op;

// Colours the views use.
inline const QColor kBlack(0, 0, 0);
inline const QColor kWhite(255, 255, 255);
inline const QColor kGrey(105, 120, 120);
inline const QColor kDarkRed(100, 0, 0);
inline const QColor kGradeRed(150, 0, 0);
inline const QColor kDarkBlue(0, 0, 150);
inline const QColor kLinkBlue(0, 0, 200);
inline const QColor kBarFrame(0, 0, 110);
inline const QColor kGreenRow(215, 230, 175); // scheme 0's row colour
inline const QColor kGreenDark(51, 153, 102); // scheme 0's title bar

// Resource numbers of the images the views draw.
enum Img : int {
    kExit = 141, kMenu = 144, kEdit = 143, kView = 140, kAdd = 142, kRemove = 158, kDone = 146,
    kTransfer = 147, kBack = 151, kGoToDate = 162, kCycleDay = 171,
    kMarkRight = 145, kMarkLeft = 176, kTick = 177, kBang = 182, kArrowUp = 179, kArrowDown = 178,
    kBannerClasses = 174, kBannerDates = 175, kBannerGrades = 172, kBannerDay = 173,
    kBannerClass = 136, kBannerNoTitle = 188, kBannerReminder = 135, kBannerInstructor = 148,
    kDetailTick = 139, kDetailBang = 183,
};

// 2003 in the test time zone (America/New_York). Wednesday, October 15, 2003, 10:00 AM is "now".
inline CTime At(int month, int day, int hour = 12, int minute = 0)
{
    return CTime::FromLocal(2003, month, day, hour, minute, 0);
}
inline CTime Now() { return At(10, 15, 10, 0); }

inline CAssignment Rem(const QString &name, CTime due, bool highPriority = false,
                       bool done = false)
{
    CAssignment a;
    a.m_strName = name;
    a.m_timeDue = due;
    a.m_bHighPriority = highPriority ? 1 : 0;
    a.m_bDone = done ? 1 : 0;
    return a;
}

// A class whose reminders are kept as the program keeps them: latest due first.
inline CClass Cls(const QString &name, std::initializer_list<CAssignment> reminders = {})
{
    CClass c;
    c.m_strName = name;
    for (const CAssignment &a : reminders)
        c.AddReminder(a);
    c.SortReminders();
    return c;
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

// A drawn text, comparable.
struct Txt {
    QString text;
    int x = 0, y = 0;
    FontRole font = FontRole::Normal;
    QColor color = kBlack;
    friend bool operator==(const Txt &a, const Txt &b)
    {
        return a.text == b.text && a.x == b.x && a.y == b.y && a.font == b.font &&
               a.color == b.color;
    }
};

// A laid-out hit row, comparable.
struct Hit {
    HitRow::Kind kind = HitRow::Class;
    Rect rect;
    int markerY = -1;
    int cls = -1;
    int rem = -1;
    friend bool operator==(const Hit &a, const Hit &b)
    {
        return a.kind == b.kind && a.rect == b.rect && a.markerY == b.markerY && a.cls == b.cls &&
               a.rem == b.rem;
    }
};

inline const char *FontName(FontRole f)
{
    switch (f) {
    case FontRole::Normal: return "Normal";
    case FontRole::Bold: return "Bold";
    case FontRole::Large: return "Large";
    case FontRole::Link: return "Link";
    case FontRole::Serif: return "Serif";
    }
    return "?";
}

inline std::ostream &operator<<(std::ostream &os, const Rect &r)
{
    return os << "(" << r.l << "," << r.t << "," << r.r << "," << r.b << ")";
}
inline std::ostream &operator<<(std::ostream &os, const QColor &c)
{
    return os << "rgb(" << c.red() << "," << c.green() << "," << c.blue() << ")";
}
inline void PrintTo(const Txt &t, std::ostream *os)
{
    *os << "\n  {\"" << t.text.toStdString() << "\" at " << t.x << "," << t.y << " "
        << FontName(t.font) << " " << t.color << "}";
}
inline void PrintTo(const Hit &h, std::ostream *os)
{
    static const char *const kinds[] = {"Class", "Reminder", "Date", "Instructor", "ClassLine",
                                        "DateLine"};
    *os << "\n  {" << kinds[h.kind] << " " << h.rect << " marker " << h.markerY << " class "
        << h.cls << " reminder " << h.rem << "}";
}
inline void PrintTo(const QString &s, std::ostream *os) { *os << '"' << s.toStdString() << '"'; }

// One paint of a mode over a hand-built term, at the pinned "now".
struct ViewPaint {
    PinnedClock clock{Now()};
    ViewState state;
    CStudent student;
    CTeacherArray teachers;
    Rect client{0, 0, 240, 268};
    RecordingSurface surface;
    ViewRows rows;

    void Paint(int mode)
    {
        state.m_nViewType = mode;
        surface.ops.clear();
        PaintContext ctx{state, student, teachers, client, Clock::Now()};
        PaintView(surface, ctx, &rows);
    }

    std::vector<Txt> Texts() const
    {
        std::vector<Txt> out;
        for (const Op &op : surface.ops)
            if (op.kind == Kind::Text)
                out.push_back({op.text, op.rect.l, op.rect.t, op.font, op.color});
        return out;
    }
    // The texts drawn between two heights (top edge in [y0, y1)).
    std::vector<Txt> TextsBetween(int y0, int y1) const
    {
        std::vector<Txt> out;
        for (const Txt &t : Texts())
            if (t.y >= y0 && t.y < y1)
                out.push_back(t);
        return out;
    }
    const Op *Text(const QString &text) const { return surface.findText(text); }
    int Count(Kind kind) const
    {
        int n = 0;
        for (const Op &op : surface.ops)
            n += op.kind == kind;
        return n;
    }

    std::vector<Hit> Hits() const
    {
        std::vector<Hit> out;
        for (const HitRow &r : rows.rows)
            out.push_back({r.kind, r.hit, r.markerY, r.classIndex, r.reminderIndex});
        return out;
    }

    // Bitmaps as (resource, x, y).
    bool HasBitmap(int id, int x, int y) const
    {
        for (const Op &op : surface.ops)
            if (op.kind == Kind::Bitmap && op.resourceId == id && op.rect.l == x && op.rect.t == y)
                return true;
        return false;
    }
    int BitmapCount(int id) const
    {
        int n = 0;
        for (const Op &op : surface.ops)
            n += op.kind == Kind::Bitmap && op.resourceId == id;
        return n;
    }
    std::vector<int> BitmapIds() const
    {
        std::vector<int> out;
        for (const Op &op : surface.ops)
            if (op.kind == Kind::Bitmap)
                out.push_back(op.resourceId);
        return out;
    }

    // The shaded bands behind rows: white frame, the scheme's row colour inside.
    std::vector<Rect> Bands() const
    {
        std::vector<Rect> out;
        for (const Op &op : surface.ops)
            if (op.kind == Kind::Rectangle && op.color == kWhite && op.brush == kGreenRow)
                out.push_back(op.rect);
        return out;
    }
    // Title bar frames (full bars).
    std::vector<Rect> BarFrames() const
    {
        std::vector<Rect> out;
        for (const Op &op : surface.ops)
            if (op.kind == Kind::Rectangle && op.color == kBarFrame && !op.brush.isValid())
                out.push_back(op.rect);
        return out;
    }
    // The scroll arrow box (white fill, black frame), or an empty rectangle when none.
    Rect ArrowBox() const
    {
        for (const Op &op : surface.ops)
            if (op.kind == Kind::Rectangle && op.color == kBlack && op.brush == kWhite)
                return op.rect;
        return {};
    }
    std::vector<Rect> Lines() const
    {
        std::vector<Rect> out;
        for (const Op &op : surface.ops)
            if (op.kind == Kind::Line)
                out.push_back(op.rect);
        return out;
    }
};

// Text widths under the fixed metrics.
inline int NormalW(const QString &s) { return int(s.size()) * 5; }
inline int BoldW(const QString &s) { return int(s.size()) * 6; }
inline int LargeW(const QString &s) { return int(s.size()) * 9; }

} // namespace textview

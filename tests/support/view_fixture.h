#pragma once
// The view tests' shared set-up: a pinned "now" (Wednesday, October 15, 2003, 10:00 AM, test time
// zone America/New_York), hand-built terms, and scenes: one paint of a mode on the recording
// surface (5 pixels a character in the normal and link fonts, 6 in bold, 9 in large; cells 11
// high, 17 in large) described by its ops, the rows a tap can hit and the flags the paint set.

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

#include <ostream>
#include <string>

inline std::ostream &operator<<(std::ostream &os, const Rect &r)
{
    return os << "(" << r.l << "," << r.t << "," << r.r << "," << r.b << ")";
}
inline std::ostream &operator<<(std::ostream &os, const QColor &c)
{
    return os << "rgb(" << c.red() << "," << c.green() << "," << c.blue() << ")";
}

namespace viewtest {

inline const QColor kBlack(0, 0, 0), kWhite(255, 255, 255), kGrey(105, 120, 120);
inline const QColor kDarkRed(100, 0, 0);

inline CTime Now()
{
    return At(2003, 10, 15, 10, 0);
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
    // The ops, then each hit row (kind, rectangle, marker y, class, reminder, date) and the flags.
    QString Scene() const
    {
        QString out = surface.Dump();
        for (const HitRow &r : rows.rows)
            out += QString::asprintf("hit %d %d,%d,%d,%d @%d c%d r%d d%lld\n", int(r.kind), r.hit.l,
                                     r.hit.t, r.hit.r, r.hit.b, r.markerY, r.classIndex,
                                     r.reminderIndex, (long long)r.date.GetTime());
        const ViewState &v = state;
        return out + QString::asprintf("more %d%d%d%d%d%d compact %d valid %d\n", v.m_bMoreClasses,
                                       v.m_bMoreDates, v.m_bMoreGrades, v.m_bMoreDayClasses,
                                       v.m_bMoreDayReminders, v.m_bMorePeriods,
                                       v.m_bCalendarCompact, v.m_bCalendarValid);
    }
};

// A scene against its stored digest; a difference prints the whole dump and the new digest.
inline void ExpectScene(const QString &dump, const char *digest)
{
    EXPECT_EQ(Digest(dump), digest) << dump.toStdString();
}

} // namespace viewtest

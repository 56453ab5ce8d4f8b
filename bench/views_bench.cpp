// Laying out and painting each text view (Classes, Dates, Grades, Day, the three detail views)
// with PaintView on a real QtSurface over a 240 x 268 image, for terms of 20 x 500 and
// 100 x 1,000 reminders. A paint happens on every tap: every view should stay under 8 ms at
// 20 x 500 and under 50 ms at 100 x 1,000.
//
//   QT_QPA_PLATFORM=offscreen build/bench/quillbox_views_bench [--benchmark_filter=REGEX]
//
// Runs in America/New_York unless TZ is set; "now" is pinned to Wednesday, October 15, 2003,
// 10:00 AM, in the middle of the terms' due dates (September to December 2003).

#include "commands/startday.h"
#include "model/sorting.h"
#include "support/termbuilder.h"

#include "model/clock.h"
#include "model/duedays.h"
#include "support/pinnedclock.h"
#include "view/fonts.h"
#include "view/qtsurface.h"
#include "view/textviews.h"
#include "view/viewpainter.h"

#include <QGuiApplication>
#include <QImage>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <ctime>
#include <map>
#include <string>
#include <utility>

namespace {

CTime PinnedNow()
{
    return CTime::FromLocal(2003, 10, 15, 10, 0, 0);
}

// The term as the program holds it: classes in name order, reminders latest first.
const CStudent &Term(int classes, int reminders)
{
    static std::map<std::pair<int, int>, CStudent> cache;
    auto it = cache.find({classes, reminders});
    if (it == cache.end()) {
        CStudent s = MakeTerm(classes, reminders, 1);
        SortClassesByName(s);
        it = cache.emplace(std::make_pair(classes, reminders), std::move(s)).first;
    }
    return it->second;
}

const FontSet &Fonts()
{
    static const FontSet fonts;
    return fonts;
}

struct Scenario {
    const char *name;
    ViewMode mode;
    void (*setUp)(ViewState &v, const CStudent &s, CTime now);
};

void NoSetUp(ViewState &, const CStudent &, CTime) {}
void FirstSelected(ViewState &v, const CStudent &, CTime)
{
    v.m_nSelClass = 0;
    v.m_nSelReminder = 0;
    v.m_nPrevViewType = ViewMode::Classes;
}
void HideNoDays(ViewState &v, const CStudent &s, CTime now)
{
    v.m_bHideNoDays = true;
    RunStartDaySearch(v, s, now);
}
// Hide-days on from a start day past every due date: the walk runs all 32 days over every
// reminder and draws nothing.
void HideNoDaysAfterTerm(ViewState &v, const CStudent &, CTime)
{
    v.m_bHideNoDays = true;
    v.m_nDayOffset = 120;
}
template <int DayMode> void Day(ViewState &v, const CStudent &, CTime now)
{
    v.m_timeDay = now;
    v.m_nDayMode = DayMode;
    v.m_nPrevViewType = ViewMode::Dates;
}

const Scenario kScenarios[] = {
    {"Classes", ViewMode::Classes, NoSetUp},
    {"Dates", ViewMode::Dates, NoSetUp},
    {"Dates_HideNoDays", ViewMode::Dates, HideNoDays},
    {"Dates_HideNoDays_AfterTerm", ViewMode::Dates, HideNoDaysAfterTerm},
    {"Grades", ViewMode::Grades, NoSetUp},
    {"Day_Combined", ViewMode::Day, Day<0>},
    {"Day_RemindersOnly", ViewMode::Day, Day<1>},
    {"Day_PeriodsOnly", ViewMode::Day, Day<2>},
    {"ClassDetail", ViewMode::ClassDetail, FirstSelected},
    {"ReminderDetail", ViewMode::ReminderDetail, FirstSelected},
    {"InstructorDetail", ViewMode::InstructorDetail, FirstSelected},
};

void PaintBench(benchmark::State &state, const Scenario &sc, int classes, int reminders)
{
    const CStudent &student = Term(classes, reminders);
    const CTeacherArray teachers = MakeTeachers(6);
    const CTime now = Clock::Now();
    ViewState v;
    v.m_nViewType = sc.mode;
    sc.setUp(v, student, now);
    const Rect client{0, 0, 240, 268};
    QImage image(240, 268, QImage::Format_RGB32);
    ViewRows rows;
    for (auto _ : state) {
        // A paint as the view does it: a fresh painter on the off-screen image, "now" taken once.
        QtSurface surface(image, Fonts());
        PaintContext ctx{v, student, teachers, client, Clock::Now()};
        PaintView(surface, ctx, &rows);
        benchmark::DoNotOptimize(rows.rows.data());
        benchmark::ClobberMemory();
    }
    state.counters["rows"] = double(rows.rows.size());
}

} // namespace

int main(int argc, char **argv)
{
    setenv("TZ", "America/New_York", 0);
    tzset();
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    PinnedClock clock(PinnedNow());

    for (const auto &[classes, reminders] : {std::pair{20, 500}, std::pair{100, 1000}}) {
        for (const Scenario &sc : kScenarios) {
            const std::string name = std::string(sc.name) + "/" + std::to_string(classes) + "x" +
                                     std::to_string(reminders);
            benchmark::RegisterBenchmark(name.c_str(), PaintBench, sc, classes, reminders)
                ->Unit(benchmark::kMillisecond);
        }
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

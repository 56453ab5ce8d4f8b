// The month calendar of a 100 x 1,000 term (reminders September to December 2003), December 2003
// shown, drawn from scratch into a 240 x 268 image; goal under 20 ms. Its pieces are measured on
// their own too: the due-day table, the day counts of the month's cells, and the drawing of an
// empty term.
//
//   build/bench/quillbox_calendar_bench [--benchmark_filter=REGEX]
// Runs in America/New_York unless TZ is set, on the offscreen platform unless QT_QPA_PLATFORM is.

#include "support/termbuilder.h"
#include "view/calendarview.h"
#include "view/fonts.h"
#include "view/qtsurface.h"
#include "view/textviews.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <ctime>

namespace {

const CStudent &BigTerm()
{
    static const CStudent term = MakeTerm(100, 1000);
    return term;
}

const Rect kClient{0, 0, 240, 268};

CTime December()
{
    return CTime::FromLocal(2003, 12, 1, 0, 0, 0);
}
CTime Now()
{
    return CTime::FromLocal(2003, 12, 10, 10, 0, 0);
}

void DrawMonth(benchmark::State &state, const CStudent &term)
{
    const FontSet fonts;
    QImage image(kClient.width(), kClient.height(), QImage::Format_RGB32);
    ViewState v;
    v.m_nViewType = ViewMode::Calendar;
    v.m_timeMonth = December();
    const CTime now = Now();
    for (auto _ : state) {
        v.m_bCalendarValid = false;
        image.fill(Qt::white);
        {
            QtSurface surface(image, fonts);
            DrawCalendar(surface, v, term, kClient, now);
        }
        benchmark::DoNotOptimize(image.constBits());
    }
}

// The whole calendar, as a paint after the cache was dropped.
void BM_CalendarDraw_100x1000(benchmark::State &state)
{
    DrawMonth(state, BigTerm());
}

// The same with no classes: grid, numbers, banner and command strip only.
void BM_CalendarDraw_EmptyTerm(benchmark::State &state)
{
    DrawMonth(state, CStudent());
}

// Every reminder's due day, converted once per drawing.
void BM_CalendarDueDayTable_100x1000(benchmark::State &state)
{
    const CStudent &term = BigTerm();
    for (auto _ : state) {
        DueDays due(term);
        benchmark::DoNotOptimize(due.keys.data());
    }
    state.SetItemsProcessed(state.iterations() * 100 * 1000);
}

// The counts of the 35 cells of December 2003 (November 30 to January 3), table given.
void BM_CalendarDayCounts_100x1000(benchmark::State &state)
{
    const CStudent &term = BigTerm();
    const DueDays due(term);
    for (auto _ : state) {
        int sum = 0;
        sum += GetDayCounts(term, 2003, 11, 30, &due).nOther;
        for (int d = 1; d <= 31; ++d)
            sum += GetDayCounts(term, 2003, 12, d, &due).nOther;
        for (int d = 1; d <= 3; ++d)
            sum += GetDayCounts(term, 2004, 1, d, &due).nOther;
        benchmark::DoNotOptimize(sum);
    }
}

BENCHMARK(BM_CalendarDraw_100x1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CalendarDraw_EmptyTerm)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CalendarDueDayTable_100x1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CalendarDayCounts_100x1000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    setenv("TZ", std::getenv("TZ") && *std::getenv("TZ") ? std::getenv("TZ") : "America/New_York",
           1);
    tzset();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv); // fonts and images need it
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::AddCustomContext("TZ", std::getenv("TZ"));
    benchmark::AddCustomContext("term", "100 classes x 1,000 reminders, December 2003 shown");
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// Writing and reading terms: in memory (EncodeStudent, CStudent::Serialize) and through the data
// files (SaveData, LoadData), for 20 x 500 and 100 x 1,000 reminders, in reminders per second.
// The local-time conversions each reminder's due time goes through are measured on their own.
//
//   build/bench/quillbox_bench [--benchmark_filter=REGEX]
// Runs in America/New_York unless TZ is set, so that daylight saving is in play.

#include "bench_term.h"

#include "model/archive.h"
#include "storage/datafiles.h"
#include "storage/datafolder.h"

#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <ctime>
#include <map>
#include <utility>

namespace {

const CStudent &Term(int classes, int reminders)
{
    static std::map<std::pair<int, int>, CStudent> cache;
    auto it = cache.find({classes, reminders});
    if (it == cache.end())
        it = cache.emplace(std::make_pair(classes, reminders), MakeBenchTerm(classes, reminders, 7))
                 .first;
    return it->second;
}

int64_t ReminderCount(const CStudent &s)
{
    int64_t n = 0;
    for (const CClass &c : s.m_classes)
        n += c.m_reminders.size();
    return n;
}

void SetCounters(benchmark::State &state, const CStudent &term, qsizetype bytes)
{
    const int64_t n = ReminderCount(term);
    state.SetItemsProcessed(state.iterations() * n);
    state.SetBytesProcessed(state.iterations() * int64_t(bytes));
    state.counters["reminders"] = double(n);
}

void BM_Encode(benchmark::State &state)
{
    const CStudent &term = Term(int(state.range(0)), int(state.range(1)));
    qsizetype size = 0;
    for (auto _ : state) {
        const QByteArray bytes = EncodeStudent(term);
        size = bytes.size();
        benchmark::DoNotOptimize(bytes.constData());
    }
    SetCounters(state, term, size);
}

void BM_Decode(benchmark::State &state)
{
    const CStudent &term = Term(int(state.range(0)), int(state.range(1)));
    const QByteArray bytes = EncodeStudent(term);
    for (auto _ : state) {
        CStudent read;
        CArchive ar(bytes);
        read.Serialize(ar);
        benchmark::DoNotOptimize(read.m_classes.constData());
    }
    SetCounters(state, term, bytes.size());
}

// A data folder of its own on the real disk, as the program saves (QSaveFile, synced).
class DataFolder {
public:
    DataFolder() : m_dir(QDir::tempPath() + QStringLiteral("/quillbox-bench-XXXXXX"))
    {
        SetDataDir(m_dir.path());
    }
    ~DataFolder() { SetDataDir(QString()); }
    bool ok() const { return m_dir.isValid(); }

private:
    QTemporaryDir m_dir;
};

void BM_SaveData(benchmark::State &state)
{
    const CStudent &term = Term(int(state.range(0)), int(state.range(1)));
    const CTeacherArray teachers;
    DataFolder folder;
    if (!folder.ok()) {
        state.SkipWithError("no temporary folder");
        return;
    }
    for (auto _ : state) {
        const SaveReport report = SaveData(term, teachers);
        if (!report.ok()) {
            state.SkipWithError("save failed");
            return;
        }
    }
    SetCounters(state, term, EncodeStudent(term).size());
}

void BM_LoadData(benchmark::State &state)
{
    const CStudent &term = Term(int(state.range(0)), int(state.range(1)));
    DataFolder folder;
    if (!folder.ok() || !SaveData(term, CTeacherArray()).ok()) {
        state.SkipWithError("no data folder to load from");
        return;
    }
    for (auto _ : state) {
        CStudent read;
        CTeacherArray teachers;
        const LoadReport report = LoadData(read, teachers);
        if (report.student.status != FileReadResult::Whole) {
            state.SkipWithError("the term did not load whole");
            return;
        }
        benchmark::DoNotOptimize(read.m_classes.constData());
    }
    SetCounters(state, term, EncodeStudent(term).size());
}

// The two conversions: one GetLocal per reminder written, one FromLocal per reminder read.
// Instants step by 15 minutes over a year, as the reminders' due times do.
void BM_TimeGetLocal(benchmark::State &state)
{
    const int64_t start = CTime::FromLocal(2024, 1, 8, 8, 0, 0).GetTime();
    int64_t i = 0;
    for (auto _ : state) {
        const CTime::Fields f = CTime(start + (i++ % 35136) * 900).GetLocal();
        benchmark::DoNotOptimize(f);
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_TimeFromLocal(benchmark::State &state)
{
    int64_t i = 0;
    for (auto _ : state) {
        const int64_t q = i++ % 35136; // quarter hours in 366 days
        const CTime t =
            CTime::FromLocal(2024, 1, 8 + int(q / 96), int(q / 4 % 24), int(q % 4) * 15, 0);
        benchmark::DoNotOptimize(t);
    }
    state.SetItemsProcessed(state.iterations());
}

void Sizes(benchmark::internal::Benchmark *b)
{
    b->Args({20, 500})->Args({100, 1000})->Unit(benchmark::kMillisecond)->UseRealTime();
}

BENCHMARK(BM_Encode)->Apply(Sizes);
BENCHMARK(BM_Decode)->Apply(Sizes);
BENCHMARK(BM_SaveData)->Apply(Sizes);
BENCHMARK(BM_LoadData)->Apply(Sizes);
BENCHMARK(BM_TimeGetLocal);
BENCHMARK(BM_TimeFromLocal);

} // namespace

int main(int argc, char **argv)
{
    setenv("TZ", std::getenv("TZ") && *std::getenv("TZ") ? std::getenv("TZ") : "America/New_York",
           1);
    tzset();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::AddCustomContext("TZ", std::getenv("TZ"));
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

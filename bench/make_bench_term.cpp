// make_bench_term DIR CLASSES REMINDERS: writes the benchmarks' term (MakeBenchTerm, seed 7) as
// DIR/studentdef.stn and an empty instructor list as DIR/teachers.dat, for whole-process timing.

#include "bench_term.h"

#include "storage/datafiles.h"
#include "storage/datafolder.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char **argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: make_bench_term DIR CLASSES REMINDERS\n");
        return 2;
    }
    SetDataDir(QString::fromLocal8Bit(argv[1]));
    const CStudent term = MakeBenchTerm(std::atoi(argv[2]), std::atoi(argv[3]), 7);
    const SaveReport report = SaveData(term, CTeacherArray());
    if (!report.ok()) {
        std::fprintf(stderr, "%s\n", qPrintable(report.message()));
        return 1;
    }
    return 0;
}

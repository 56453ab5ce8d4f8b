// save_loop DIR CLASSES REMINDERS: saves MakeTerm(CLASSES, REMINDERS, 1) and
// MakeTerm(CLASSES, REMINDERS, 2) in turn into the data folder DIR until it is killed.
// Prints "ready" once the first save is complete, so that a kill always finds a saved term.

#include "storage/datafiles.h"
#include "storage/datafolder.h"
#include "support/termbuilder.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char **argv)
{
    if (argc != 4)
        return 2;
    SetDataDir(QString::fromLocal8Bit(argv[1]));
    const int classes = std::atoi(argv[2]), reminders = std::atoi(argv[3]);
    const CStudent terms[2] = {MakeTerm(classes, reminders, 1), MakeTerm(classes, reminders, 2)};
    for (unsigned long n = 0;; ++n) {
        const SaveReport report = SaveData(terms[n % 2], MakeTeachers(6));
        if (!report.ok()) {
            std::fprintf(stderr, "%s\n", qPrintable(report.message()));
            return 1;
        }
        if (n == 0) {
            std::printf("ready\n");
            std::fflush(stdout);
        }
    }
}

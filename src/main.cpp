// Quillbox: a student planner. Until the window lands, this loads the term and says what it holds.

#include "storage/datafiles.h"
#include "storage/datafolder.h"
#include "storage/datalock.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Larkware"));
    QCoreApplication::setApplicationName(QStringLiteral("Quillbox"));
    QCoreApplication::setApplicationVersion(QStringLiteral("2.02"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Quillbox, a student planner."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption({QStringLiteral("data-dir"),
                      QStringLiteral("Keep the data files in DIR."), QStringLiteral("DIR")});
    parser.addOption({QStringLiteral("documents-dir"),
                      QStringLiteral("Put synchronising copies in DIR."), QStringLiteral("DIR")});
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("A student file (accepted, not read)."));
    parser.process(app);
    SetDataDir(parser.value(QStringLiteral("data-dir")));
    SetDocumentsDir(parser.value(QStringLiteral("documents-dir")));

    DataLock lock;
    if (!lock.tryLock()) {
        std::fprintf(stderr, "Quillbox is already running.\n");
        return 1;
    }
    CStudent student;
    CTeacherArray teachers;
    const LoadReport report = LoadData(student, teachers);
    if (report.damaged())
        std::fprintf(stderr, "%s\n", qPrintable(report.message()));
    int reminders = 0;
    for (const CClass &c : student.m_classes)
        reminders += int(c.m_reminders.size());
    std::printf("Quillbox has no window yet: loaded %d classes, %d reminders and %d instructors "
                "from %s.\n",
                int(student.m_classes.size()), reminders, int(teachers.size()),
                qPrintable(QDir::toNativeSeparators(DataDir())));
    return 0;
}

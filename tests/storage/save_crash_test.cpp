// A save interrupted at any moment leaves a whole term on disk: save_loop saves two large terms in
// turn and is killed with SIGKILL at random moments; each time the files must load whole and hold
// one of the two terms.

#include "storage/datafiles.h"
#include "storage/datafolder.h"
#include "support/termbuilder.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <csignal>
#include <iostream>
#include <random>

namespace {

constexpr int kClasses = 20;
constexpr int kReminders = 150;
constexpr int kKills = 200;

TEST(SaveCrash, killedAtRandomMoments_fileAlwaysHoldsOneWholeTerm)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    SetDataDir(dir.path());
    const CStudent terms[2] = {MakeTerm(kClasses, kReminders, 1),
                               MakeTerm(kClasses, kReminders, 2)};
    ASSERT_NE(terms[0], terms[1]);
    const unsigned seed = std::random_device()();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 rng(seed);
    int seen[2] = {0, 0};

    for (int kill = 0; kill < kKills; ++kill) {
        SCOPED_TRACE("kill " + std::to_string(kill));
        QProcess child;
        child.start(QStringLiteral(QUILLBOX_SAVE_LOOP),
                    {dir.path(), QString::number(kClasses), QString::number(kReminders)});
        ASSERT_TRUE(child.waitForStarted(10000)) << child.errorString().toStdString();
        // "ready" comes once the first save is complete; from then on it saves without pause.
        while (!child.canReadLine())
            ASSERT_TRUE(child.waitForReadyRead(10000))
                << child.readAllStandardError().toStdString();
        ASSERT_EQ(child.readLine().trimmed(), QByteArray("ready"));
        QThread::usleep(rng() % 40000);
        ASSERT_EQ(::kill(pid_t(child.processId()), SIGKILL), 0);
        ASSERT_TRUE(child.waitForFinished(10000));
        ASSERT_EQ(child.exitStatus(), QProcess::CrashExit)
            << child.readAllStandardError().toStdString();

        CStudent loaded;
        CTeacherArray teachers;
        const LoadReport report = LoadData(loaded, teachers);
        ASSERT_EQ(report.student.status, FileReadResult::Whole) << report.message().toStdString();
        ASSERT_EQ(report.teachers.status, FileReadResult::Whole) << report.message().toStdString();
        ASSERT_EQ(teachers, MakeTeachers(6));
        const int which = loaded == terms[0] ? 0 : loaded == terms[1] ? 1 : -1;
        ASSERT_NE(which, -1) << "the file holds neither term";
        ++seen[which];
    }
    std::cout << "[ killed " << kKills << " times: first term " << seen[0] << ", second term "
              << seen[1] << " ]" << std::endl;
    // Kills landed at different points of the loop, not always after the same save.
    EXPECT_GT(seen[0], 0);
    EXPECT_GT(seen[1], 0);
    // A kill just before QSaveFile's rename leaves its temporary, which loading leaves alone
    // (it may hold the newest term); nothing else is made.
    QStringList files = QDir(dir.path()).entryList(QDir::Files);
    EXPECT_EQ(files.removeAll(QString::fromLatin1(kStudentFile)), 1);
    EXPECT_EQ(files.removeAll(QString::fromLatin1(kTeachersFile)), 1);
    const QRegularExpression temporary(
        QStringLiteral("^(studentdef\\.stn|teachers\\.dat)\\.\\w{6}$"));
    for (const QString &name : files)
        EXPECT_TRUE(temporary.match(name).hasMatch()) << name.toStdString();
    SetDataDir(QString());
}

} // namespace

// A save interrupted at any moment leaves a whole term on disk: save_loop saves two large terms in
// turn and is killed with SIGKILL at random moments; each time the files must load whole and hold
// one of the two terms.

#include "storage/datafolder_fixture.h"

#include <QProcess>
#include <QRegularExpression>
#include <QThread>

#include <csignal>
#include <random>

namespace {

using SaveCrash = DataFolderTest;

TEST_F(SaveCrash, killedAtRandomMoments_fileAlwaysHoldsOneWholeTerm)
{
    const CStudent terms[2] = {MakeTerm(20, 150, 1), MakeTerm(20, 150, 2)};
    ASSERT_NE(terms[0], terms[1]);
    const unsigned seed = std::random_device()();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 rng(seed);
    int seen[2] = {0, 0};
    for (int kill = 0; kill < 200; ++kill) {
        SCOPED_TRACE("kill " + std::to_string(kill));
        QProcess child;
        child.start(QUILLBOX_SAVE_LOOP, {DataDir(), "20", "150"});
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

        const LoadReport report = load();
        ASSERT_EQ(report.student.status, FileReadResult::Whole) << report.message().toStdString();
        ASSERT_EQ(report.teachers.status, FileReadResult::Whole) << report.message().toStdString();
        ASSERT_EQ(teachers, MakeTeachers(6));
        const int which = student == terms[0] ? 0 : student == terms[1] ? 1 : -1;
        ASSERT_NE(which, -1) << "the file holds neither term";
        ++seen[which];
    }
    // Kills landed at different points of the loop, not always after the same save.
    EXPECT_GT(seen[0], 0);
    EXPECT_GT(seen[1], 0);
    // A kill just before QSaveFile's rename leaves its temporary, which loading leaves alone
    // (it may hold the newest term); nothing else is made.
    QStringList files = Files(DataDir());
    EXPECT_EQ(files.removeAll(kStudentFile), 1);
    EXPECT_EQ(files.removeAll(kTeachersFile), 1);
    const QRegularExpression temporary("^(studentdef\\.stn|teachers\\.dat)\\.\\w{6}$");
    for (const QString &name : files)
        EXPECT_TRUE(temporary.match(name).hasMatch()) << name.toStdString();
}

} // namespace

// One running program per data folder.

#include "storage/datafolder_fixture.h"
#include "storage/datalock.h"

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using DataLockTest = DataFolderTest;

TEST_F(DataLockTest, secondLockOnSameFolder_failsWhileFirstHoldsIt_otherFoldersDoNotMeet)
{
    DataLock first, second, elsewhere;
    ASSERT_TRUE(first.tryLock());
    EXPECT_TRUE(first.isLocked());
    EXPECT_TRUE(QFile::exists(DataLock::lockPath()));
    EXPECT_TRUE(DataLock::lockPath().startsWith(DataDir() + '/'));
    EXPECT_FALSE(second.tryLock());
    EXPECT_FALSE(second.isLocked());

    first.unlock();
    EXPECT_FALSE(first.isLocked());
    EXPECT_TRUE(second.tryLock());
    SetDataDir(m_root.filePath("other"));
    EXPECT_TRUE(elsewhere.tryLock());
}

// A child process takes the lock; while it lives the lock holds, and once it is killed without
// any chance to clean up, the lock file it left is taken over.
TEST_F(DataLockTest, lockLeftByKilledProcess_isTakenOver)
{
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        DataLock lock;
        const char ok = lock.tryLock() ? '1' : '0';
        (void)!write(ready[1], &ok, 1);
        for (;;)
            pause(); // killed by the parent
    }
    close(ready[1]);
    char ok = 0;
    ASSERT_EQ(read(ready[0], &ok, 1), 1);
    close(ready[0]);
    ASSERT_EQ(ok, '1');
    DataLock lock;
    EXPECT_FALSE(lock.tryLock());

    ASSERT_EQ(kill(child, SIGKILL), 0);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status));
    ASSERT_TRUE(QFile::exists(DataLock::lockPath())); // nothing removed it
    EXPECT_TRUE(lock.tryLock());
    EXPECT_TRUE(lock.isLocked());
}

} // namespace

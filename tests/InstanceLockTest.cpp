#include "platform/InstanceLock.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

TEST(InstanceLock, OneGamePerProgramDirectoryUntilItsHolderIsGone) {
    QTemporaryDir runtime, program, other;
    InstanceLock first(program.path(), runtime.path());
    ASSERT_TRUE(first.Acquire());
    // The same directory, by its own path or another way there, is taken.
    EXPECT_FALSE(InstanceLock(program.path(), runtime.path()).Acquire());
    EXPECT_FALSE(InstanceLock(program.path() + "/.", runtime.path()).Acquire());
    ASSERT_TRUE(QFile::link(program.path(), runtime.filePath("link")));
    EXPECT_FALSE(InstanceLock(runtime.filePath("link"), runtime.path()).Acquire());
    // Another directory is another game.
    InstanceLock elsewhere(other.path(), runtime.path());
    EXPECT_TRUE(elsewhere.Acquire());
    EXPECT_NE(elsewhere.LockFileName(), first.LockFileName());
}

TEST(InstanceLock, ALockLeftByADeadGameIsTakenOver) {
    QTemporaryDir runtime, program;
    const QString name = InstanceLock(program.path(), runtime.path()).LockFileName();
    // A child takes the lock and dies without letting go, as a crash would.
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        InstanceLock crashed(program.path(), runtime.path());
        _exit(crashed.Acquire() ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    ASSERT_EQ(WEXITSTATUS(status), 0);
    ASSERT_TRUE(QFile::exists(name)) << "the dead game's lock should still be there";
    EXPECT_TRUE(InstanceLock(program.path(), runtime.path()).Acquire());
}

// Ending a page process: only a descendant of this program is ended, however far down.

#include "platform/process_end.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <climits>

namespace {

// A child that waits to be ended, and, under it, a grandchild doing the same, as the engine's
// page processes sit under its zygote. The child exits 0 when the grandchild was ended by
// SIGKILL, 1 otherwise.
struct Family final {
    pid_t child = -1;
    pid_t grandchild = -1;
};

Family StartFamily() {
    int channel[2];
    if (::pipe(channel) != 0)
        return {};
    const pid_t child = ::fork();
    if (child == 0) {
        const pid_t grandchild = ::fork();
        if (grandchild == 0) {
            for (;;)
                ::pause();
        }
        (void)!::write(channel[1], &grandchild, sizeof grandchild);
        int status = 0;
        ::waitpid(grandchild, &status, 0);
        ::_exit(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL ? 0 : 1);
    }
    ::close(channel[1]);
    Family family{child, -1};
    if (::read(channel[0], &family.grandchild, sizeof family.grandchild) !=
        static_cast<ssize_t>(sizeof family.grandchild))
        family.grandchild = -1;
    ::close(channel[0]);
    return family;
}

TEST(EndChildProcess, EndsDescendantsAndLeavesEveryOtherProcessAlone) {
    const Family family = StartFamily();
    ASSERT_GT(family.child, 0);
    ASSERT_GT(family.grandchild, 0);

    const struct {
        const char* what;
        qint64 pid;
    } refused[] = {
        {"no process", 0},
        {"-1 (kill would signal every process)", -1},
        {"a negative id (kill would signal a process group)", -static_cast<qint64>(family.child)},
        {"the first process", 1},
        {"this program itself", ::getpid()},
        {"the process that started this program", ::getppid()},
        {"an id beyond any process id", static_cast<qint64>(INT_MAX) + 2},
    };
    for (const auto& c : refused)
        EXPECT_FALSE(platform::EndChildProcess(c.pid)) << c.what;

    EXPECT_TRUE(platform::EndChildProcess(family.grandchild)) << "the grandchild";
    int status = 0;
    ASSERT_EQ(::waitpid(family.child, &status, 0), family.child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
        << "the grandchild was not ended by SIGKILL";

    // Once it has ended and been reaped, the child's id names nobody of ours.
    EXPECT_FALSE(platform::EndChildProcess(family.child)) << "a child already gone";
}

} // namespace

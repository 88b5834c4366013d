// Whoever else is at work: a second command on the same set waits for the first, and a command
// whose input changes while it is read reports failure instead of a result that matches no one
// state of that input.

#include "TestFiles.h"
#include "Velkaro.h"

#include <csignal>
#include <fcntl.h>
#include <functional>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Runs each command in a process of its own, all let go at the same moment; true for each that
// reported success.
std::vector<bool> AtOnce(const std::vector<std::function<bool()>>& commands)
{
    int start[2];
    EXPECT_EQ(pipe(start), 0);
    std::vector<pid_t> children;
    for (const auto& command : commands) {
        const pid_t child = fork();
        if (child == 0) {
            char go = 0;
            close(start[1]);
            _exit(read(start[0], &go, 1) == 0 && command() ? 0 : 1);
        }
        children.push_back(child);
    }
    close(start[0]);
    close(start[1]);
    std::vector<bool> done;
    for (const pid_t child : children) {
        int status = 0;
        waitpid(child, &status, 0);
        done.push_back(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    return done;
}

TEST(TwoCommands, NeverBothReportSuccessForAMixedResult)
{
    const TempDir dir;
    const std::string first = RandomBytes(24 << 20, 61);
    const std::string second = RandomBytes(24 << 20, 62);
    WriteBytes(dir / "a", first);
    WriteBytes(dir / "b", second);
    for (int round = 0; round < 4; ++round) {
        const std::vector<bool> split = AtOnce({
            [&] { return Velkaro::Split(dir / "a", dir / "x", 1 << 20, true); },
            [&] { return Velkaro::Split(dir / "b", dir / "x", 1 << 20, true); },
        });
        EXPECT_TRUE(split[0] && split[1]) << "round " << round;
        const std::string left = JoinedSet(dir / "x");
        EXPECT_TRUE(left == first || left == second) << "round " << round;

        const std::vector<bool> both = AtOnce({
            [&] {
                return Velkaro::Split(
                    left == first ? dir / "b" : dir / "a", dir / "x", 3 << 20, true);
            },
            [&] { return Velkaro::Build(dir / "x.c0", dir / "out", true); },
        });
        EXPECT_TRUE(both[0]);
        if (both[1]) {
            const std::string built = ReadBytes(dir / "out");
            EXPECT_TRUE(built == first || built == second) << "round " << round;
        }
    }
}

// The second command waits while the first holds the folder, and keeps calling its heartbeat, so
// that its window goes on being painted.
TEST(TwoCommands, TheSecondWaitsAndKeepsItsWindowAlive)
{
    const TempDir dir;
    WriteBytes(dir / "src", "0123456789");
    const int folder = open(dir.Path().c_str(), O_RDONLY | O_DIRECTORY);
    ASSERT_EQ(flock(folder, LOCK_EX), 0);
    int beats[2];
    ASSERT_EQ(pipe(beats), 0);
    const pid_t child = fork();
    if (child == 0) {
        const Heartbeat beat = [&] { EXPECT_EQ(write(beats[1], "b", 1), 1); };
        _exit(Velkaro::Split(dir / "src", dir / "f", 4, false, beat) ? 0 : 1);
    }
    char beat = 0;
    EXPECT_EQ(read(beats[0], &beat, 1), 1);
    usleep(200 * 1000);
    EXPECT_FALSE(Exists(dir / "f.c0"));
    flock(folder, LOCK_UN);
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(JoinedSet(dir / "f"), "0123456789");
    close(folder);
    close(beats[0]);
    close(beats[1]);
}

// A heartbeat that changes a file in place once, as a running virtual disk or a database does.
Heartbeat Overwrite(const std::string& path)
{
    return [path, done = false]() mutable {
        if (done)
            return;
        const int fd = open(path.c_str(), O_WRONLY);
        done = fd >= 0 && pwrite(fd, "changed", 7, 0) == 7;
        close(fd);
    };
}

TEST(ChangingInput, GivesNoResultThatMatchesNoStateOfIt)
{
    const TempDir dir;
    WriteBytes(dir / "src", RandomBytes(12 << 20, 63));
    EXPECT_FALSE(Velkaro::Split(dir / "src", dir / "f", 1 << 20, false, Overwrite(dir / "src")));
    EXPECT_EQ(Velkaro::IsPck(dir / "f.c0"), 0u);

    WritePackages(dir / "x", {RandomBytes(6 << 20, 64), RandomBytes(6 << 20, 65), "tail"});
    EXPECT_FALSE(Velkaro::Build(dir / "x.c0", dir / "out", false, Overwrite(dir / "x.c0")));
    EXPECT_FALSE(Exists(dir / "out"));

    // procfs says its files are empty and then gives their bytes.
    struct stat status = {};
    if (stat("/proc/cpuinfo", &status) == 0 && status.st_size == 0) {
        EXPECT_FALSE(Velkaro::Split("/proc/cpuinfo", dir / "cpu", 1 << 20, false));
        EXPECT_EQ(Velkaro::IsPck(dir / "cpu.c0"), 0u);
    }
}

} // namespace

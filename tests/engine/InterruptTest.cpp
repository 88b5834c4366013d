// A signal can interrupt almost any call that touches a file (on FUSE and network file systems,
// and wherever a program gets signals, such as a desktop program's timers). Each such call is
// failed once with EINTR here, every time it is made, in a command run in a process of its own
// under strace: a command that does not repeat the call fails for nothing.

#include "TestFiles.h"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <sstream>

namespace {

// The calls that a signal can interrupt, and that the engine makes; not close, which must not be
// repeated (the descriptor is gone even when it reports EINTR).
const char* const Interruptible[] = {"openat", "newfstatat", "fstat", "statx", "access", "readlink",
    "getdents64", "unlink", "unlinkat", "rename", "renameat", "renameat2", "ftruncate", "fchmod",
    "fchown", "fstatfs", "pread64", "write", "linkat", "flock", "copy_file_range",
    "sync_file_range", "fdatasync", "fsync", "syncfs"};

int ExitCode(int status)
{
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// How often each call is made before main runs (loading the libraries), so that those calls,
// which no one retries, are left alone.
std::map<std::string, int> CallsAtStart(const TempDir& dir)
{
    const std::string counts = dir / "start-counts";
    // Without a command the driver only ends with code 2: what counts is the table strace writes.
    [[maybe_unused]] const int status = std::system(
        ("strace -f -qq -c -o " + counts + " " ENGINE_DRIVER " >/dev/null 2>&1").c_str());
    std::map<std::string, int> calls;
    std::ifstream table(counts);
    for (std::string line; std::getline(table, line);) {
        std::istringstream fields(line);
        std::vector<std::string> words;
        for (std::string word; fields >> word;)
            words.push_back(word);
        if (words.size() >= 5 && std::isdigit(static_cast<unsigned char>(words[3][0])))
            calls[words.back()] = std::atoi(words[3].c_str());
    }
    return calls;
}

class InterruptedCalls : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (std::system("strace -qq -o /dev/null true >/dev/null 2>&1") != 0)
            GTEST_SKIP() << "needs strace to interrupt the engine's calls";
        const std::map<std::string, int> atStart = CallsAtStart(dir);
        if (atStart.empty())
            GTEST_SKIP() << "strace cannot count the calls of a program here";
        // Call n + 1 is the engine's first, failed; its repetition goes through; the next is
        // failed again, and so on.
        for (const char* call : Interruptible) {
            const auto known = atStart.find(call);
            const int first = (known == atStart.end() ? 0 : known->second) + 1;
            injections += " -e inject=" + std::string(call)
                + ":error=EINTR:when=" + std::to_string(first) + "+2";
        }
    }

    // The driver's exit code; `interrupts` counts the calls that strace failed.
    int Run(const std::string& arguments)
    {
        const std::string log = dir / "trace";
        const int status = std::system(("strace -f -qq -o " + log + injections
            + " " ENGINE_DRIVER " " + arguments + " >/dev/null 2>&1")
                                           .c_str());
        std::ifstream trace(log);
        for (std::string line; std::getline(trace, line);)
            interrupts += line.find("(INJECTED)") != std::string::npos;
        return ExitCode(status);
    }

    const TempDir dir;
    std::string injections;
    int interrupts = 0;
};

TEST_F(InterruptedCalls, SplitAndBuildRepeatEveryInterruptedCall)
{
    const std::string source = RandomBytes(10000, 23);
    WriteBytes(dir / "src", source);
    WriteBytes(dir / "whole", "old");
    const std::string src = dir / "src";
    const std::string base = dir / "f";

    EXPECT_EQ(Run("split " + src + " " + base + " 4000"), 0) << "new set";
    EXPECT_EQ(Run("split " + src + " " + base + " 3000 overwrite"), 0) << "old set replaced";
    EXPECT_TRUE(ReadBytes(base + ".c3") == source.substr(9000));
    EXPECT_EQ(Run("build " + base + ".c2 " + (dir / "new")), 0) << "new destination";
    EXPECT_EQ(Run("build " + base + ".c0 " + (dir / "whole") + " overwrite"), 0)
        << "old destination replaced";
    EXPECT_TRUE(ReadBytes(dir / "new") == source);
    EXPECT_TRUE(ReadBytes(dir / "whole") == source);
    EXPECT_GT(interrupts, 40) << "strace interrupted too little to tell";
}

} // namespace

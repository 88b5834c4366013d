#include "RemoveA.h"
#include "TestFiles.h"
#include "VerifyFileA.h"
#include "VerifyFileExA.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool IsCharacterDevice(const std::string& path)
{
    struct stat status = {};
    return stat(path.c_str(), &status) == 0 && S_ISCHR(status.st_mode);
}

bool IsFifo(const std::string& path)
{
    struct stat status = {};
    return lstat(path.c_str(), &status) == 0 && S_ISFIFO(status.st_mode);
}

TEST(VerifyFileA, AcceptsRegularFilesOnly)
{
    const TempDir dir;
    WriteBytes(dir / "file", "data");
    WriteBytes(dir / "locked", "data");
    ASSERT_EQ(chmod((dir / "locked").c_str(), 0), 0);
    ASSERT_EQ(symlink((dir / "file").c_str(), (dir / "link").c_str()), 0);
    ASSERT_EQ(symlink((dir / "missing").c_str(), (dir / "dangling").c_str()), 0);
    ASSERT_EQ(mkfifo((dir / "fifo").c_str(), 0600), 0);
    MakeSocket(dir / "socket");

    EXPECT_TRUE(VerifyFileA((dir / "file").c_str()));
    EXPECT_TRUE(VerifyFileA((dir / "locked").c_str()));
    EXPECT_TRUE(VerifyFileA((dir / "link").c_str()));
    EXPECT_FALSE(VerifyFileA((dir / "socket").c_str()));
    EXPECT_FALSE(VerifyFileA(dir.Path().c_str()));
    EXPECT_FALSE(VerifyFileA((dir / "dangling").c_str()));
    EXPECT_FALSE(VerifyFileA((dir / "missing").c_str()));
    EXPECT_FALSE(VerifyFileA((dir / "fifo").c_str()));
    EXPECT_FALSE(VerifyFileA("/dev/null"));
    EXPECT_FALSE(VerifyFileA(""));
}

TEST(VerifyFileExA, LeavesAnExistingFileUntouched)
{
    const TempDir dir;
    const std::string file = dir / "file";
    WriteBytes(file, "contents");
    struct stat before = {};
    stat(file.c_str(), &before);

    EXPECT_EQ(VerifyFileExA(file.c_str()), 0);

    struct stat after = {};
    stat(file.c_str(), &after);
    EXPECT_EQ(ReadBytes(file), "contents");
    EXPECT_EQ(after.st_mtim.tv_sec, before.st_mtim.tv_sec);
    EXPECT_EQ(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);
}

TEST(VerifyFileExA, RemovesTheFileItCreated)
{
    const TempDir dir;
    EXPECT_EQ(VerifyFileExA((dir / "new").c_str()), 1);
    EXPECT_FALSE(Exists(dir / "new"));
}

TEST(VerifyFileExA, AnswersTwoWhereNothingCanBeWritten)
{
    const TempDir dir;
    ASSERT_EQ(mkdir((dir / "sub").c_str(), 0700), 0);
    ASSERT_EQ(symlink((dir / "nowhere/x").c_str(), (dir / "dangling").c_str()), 0);

    EXPECT_EQ(VerifyFileExA((dir / "missing/new").c_str()), 2);
    EXPECT_EQ(VerifyFileExA((dir / "sub").c_str()), 2);
    EXPECT_EQ(VerifyFileExA(""), 2);
    EXPECT_EQ(VerifyFileExA((dir / "dangling").c_str()), 2);

    EXPECT_FALSE(Exists(dir / "missing"));
    EXPECT_TRUE(Exists(dir / "sub"));
    EXPECT_TRUE(Exists(dir / "dangling"));
}

// A FIFO nobody reads would block a plain open for writing forever.
TEST(VerifyFileExA, NeverBlocksOnOrRemovesAFifo)
{
    const TempDir dir;
    const std::string fifo = dir / "fifo";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);

    EXPECT_EQ(VerifyFileExA(fifo.c_str()), 2);
    EXPECT_TRUE(IsFifo(fifo));

    const int reader = open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    EXPECT_EQ(VerifyFileExA(fifo.c_str()), 1);
    close(reader);
    EXPECT_TRUE(IsFifo(fifo));
}

TEST(VerifyFileExA, KeepsAWritableDeviceInPlace)
{
    const TempDir dir;
    ASSERT_EQ(symlink("/dev/null", (dir / "null").c_str()), 0);

    EXPECT_EQ(VerifyFileExA("/dev/null"), 1);
    EXPECT_EQ(VerifyFileExA((dir / "null").c_str()), 1);
    EXPECT_TRUE(IsCharacterDevice("/dev/null"));
    EXPECT_TRUE(Exists(dir / "null"));
}

// A descriptor kept open shows what the wipe wrote into the very blocks of the removed file.
TEST(RemoveA, OverwritesTheWholeFileWithZerosInPlaceThenDeletes)
{
    for (const std::size_t length : {std::size_t(10), std::size_t(1300 * 1024 + 7)}) {
        for (const unsigned short passes :
            {static_cast<unsigned short>(1), static_cast<unsigned short>(3)}) {
            const TempDir dir;
            const std::string file = dir / "file";
            WriteBytes(file, RandomBytes(length, 5));
            const int witness = open(file.c_str(), O_RDONLY);
            ASSERT_GE(witness, 0);
            int heartbeats = 0;

            EXPECT_TRUE(RemoveA(file.c_str(), passes, [&] { ++heartbeats; }));
            EXPECT_FALSE(Exists(file));
            std::string wiped(length, 'x');
            EXPECT_EQ(pread(witness, wiped.data(), length, 0), static_cast<ssize_t>(length));
            close(witness);
            EXPECT_EQ(wiped, std::string(length, '\0'))
                << length << " bytes, " << passes << " passes";
            EXPECT_GE(heartbeats, passes);
        }
    }
}

// Wiping through a link, or a file with other names, would destroy what is not the caller's.
TEST(RemoveA, RemovesLinksAndSharedFilesWithoutWipingThem)
{
    const TempDir dir;
    WriteBytes(dir / "target", "keep the target");
    ASSERT_EQ(symlink((dir / "target").c_str(), (dir / "link").c_str()), 0);
    WriteBytes(dir / "shared", "keep the other name");
    ASSERT_EQ(link((dir / "shared").c_str(), (dir / "other").c_str()), 0);

    EXPECT_TRUE(RemoveA((dir / "link").c_str(), 1));
    EXPECT_TRUE(RemoveA((dir / "shared").c_str(), 1));

    EXPECT_FALSE(Exists(dir / "link"));
    EXPECT_FALSE(Exists(dir / "shared"));
    EXPECT_EQ(ReadBytes(dir / "target"), "keep the target");
    EXPECT_EQ(ReadBytes(dir / "other"), "keep the other name");
}

TEST(RemoveA, DeletesWithoutWritingForNoPassesOrAnEmptyFile)
{
    const TempDir dir;
    WriteBytes(dir / "file", "keep these bytes");
    ASSERT_EQ(link((dir / "file").c_str(), (dir / "witness").c_str()), 0);
    WriteBytes(dir / "empty", "");

    EXPECT_TRUE(RemoveA((dir / "file").c_str(), 0));
    EXPECT_TRUE(RemoveA((dir / "empty").c_str(), 1));

    EXPECT_FALSE(Exists(dir / "file"));
    EXPECT_FALSE(Exists(dir / "empty"));
    EXPECT_EQ(ReadBytes(dir / "witness"), "keep these bytes");
}

TEST(RemoveA, NeverRemovesWhatIsNotARegularFile)
{
    const TempDir dir;
    ASSERT_EQ(mkdir((dir / "sub").c_str(), 0700), 0);
    ASSERT_EQ(mkfifo((dir / "fifo").c_str(), 0600), 0);
    MakeSocket(dir / "socket");
    ASSERT_EQ(symlink("/dev/null", (dir / "null").c_str()), 0);

    EXPECT_TRUE(RemoveA((dir / "missing").c_str(), 1));
    RemoveA((dir / "sub").c_str(), 1);
    RemoveA((dir / "fifo").c_str(), 1);
    RemoveA((dir / "socket").c_str(), 1);
    RemoveA((dir / "null").c_str(), 1);

    EXPECT_TRUE(Exists(dir / "sub"));
    EXPECT_TRUE(IsFifo(dir / "fifo"));
    EXPECT_TRUE(Exists(dir / "socket"));
    EXPECT_TRUE(Exists(dir / "null"));
    EXPECT_TRUE(IsCharacterDevice("/dev/null"));
}

} // namespace

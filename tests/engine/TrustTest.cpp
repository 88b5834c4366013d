// What a true result may be trusted for: leftovers of an earlier set never join a new one, names
// that alias on file systems without case never let a command eat its own input, a link planted
// while a build runs is not written through, and nothing written is readable by more people than
// what it was made from.

#include "FolderView.h"
#include "MountedImage.h"
#include "TestFiles.h"
#include "Velkaro.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace {

mode_t ModeOf(const std::string& path)
{
    struct stat status = {};
    EXPECT_EQ(stat(path.c_str(), &status), 0) << path;
    return status.st_mode & 07777;
}

// A split stopped part-way, or a package 0 deleted by hand, leaves packages 1 and up; a new split
// that writes fewer must not let a build take them in after its own.
TEST(Leftovers, AreReplacedOnlyWithOverwriteAndNeverJoinTheNewSet)
{
    const TempDir dir;
    const std::string source = RandomBytes(10000, 31);
    WriteBytes(dir / "src", source);
    ASSERT_TRUE(Velkaro::Split(dir / "src", dir / "f", 1000, false));
    ASSERT_EQ(unlink((dir / "f.c0").c_str()), 0);

    EXPECT_FALSE(Velkaro::Split(dir / "src", dir / "f", 4000, false));
    EXPECT_FALSE(Exists(dir / "f.c0"));
    EXPECT_TRUE(Exists(dir / "f.c9"));

    ASSERT_TRUE(Velkaro::Split(dir / "src", dir / "f", 4000, true));
    EXPECT_EQ(JoinedSet(dir / "f"), source);
    ASSERT_TRUE(Velkaro::Build(dir / "f.c0", dir / "back", false));
    EXPECT_EQ(ReadBytes(dir / "back"), source);
    for (const char* gone : {"f.c3", "f.c9", "f.c10"})
        EXPECT_FALSE(Exists(dir / gone)) << gone;
}

// On exFAT, FAT and NTFS "X.C1" and "X.c1" are one file, and FUSE gives each spelling an inode
// number of its own: only the names tell.
TEST(CaseAliases, NeitherCommandTakesAFileThatNamesAPackageInOtherLetters)
{
    const TempDir dir;
    WriteBytes(dir / "X.C1", "source bytes");
    EXPECT_FALSE(Velkaro::Split(dir / "X.C1", dir / "X", 4, true));
    EXPECT_FALSE(Velkaro::Split(dir / "X.C1", dir / "x", 4, true));
    EXPECT_EQ(ReadBytes(dir / "X.C1"), "source bytes");
    EXPECT_FALSE(Exists(dir / "X.c0"));

    WritePackages(dir / "Y", {"ab", "cd"});
    EXPECT_FALSE(Velkaro::Build(dir / "Y.c0", dir / "Y.C1", true));
    EXPECT_FALSE(Velkaro::Build(dir / "Y.c0", dir / "y.c7", true));
    EXPECT_EQ(ReadBytes(dir / "Y.c1"), "cd");
}

TEST(CaseAliases, OnExfatTheSourceSurvivesAndNoPackageIsReplaced)
{
    const MountedImage stick(MountedImage::Type::ExfatFuse, 16);
    if (!stick.IsMounted())
        GTEST_SKIP() << stick.Unavailable();
    WriteBytes(stick / "X.C1", "source bytes");
    EXPECT_FALSE(Velkaro::Split(stick / "X.C1", stick / "X", 4, true));
    EXPECT_EQ(ReadBytes(stick / "X.C1"), "source bytes");

    WritePackages(stick / "Y", {"ab", "cd"});
    EXPECT_FALSE(Velkaro::Build(stick / "Y.c0", stick / "Y.C1", true));
    EXPECT_EQ(ReadBytes(stick / "y.c1"), "cd");
}

// A second user plants a link at a free destination name while the build runs: the build must
// not replace the file the link leads to.
TEST(BuildTarget, ALinkPlantedWhileTheBuildRunsIsNotFollowed)
{
    const TempDir dir;
    WritePackages(dir / "x", {RandomBytes(9 << 20, 32), "tail"});
    WriteBytes(dir / "private", "keep me");
    bool planted = false;
    const Heartbeat plant = [&] {
        if (!planted)
            planted = symlink((dir / "private").c_str(), (dir / "out").c_str()) == 0;
    };
    EXPECT_FALSE(Velkaro::Build(dir / "x.c0", dir / "out", true, plant));
    EXPECT_TRUE(planted);
    EXPECT_EQ(ReadBytes(dir / "private"), "keep me");
}

TEST(BuildTarget, AnotherUsersLinkInAStickyFolderIsNotFollowed)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "needs root to make a link owned by another user";
    const TempDir dir;
    const TempDir shared;
    ASSERT_EQ(chmod(shared.Path().c_str(), 01777), 0);
    WritePackages(dir / "x", {"new ", "bytes"});
    WriteBytes(dir / "private", "keep me");
    ASSERT_EQ(symlink((dir / "private").c_str(), (shared / "out").c_str()), 0);
    ASSERT_EQ(lchown((shared / "out").c_str(), 65534, 65534), 0);

    EXPECT_FALSE(Velkaro::Build(dir / "x.c0", shared / "out", true));
    EXPECT_EQ(ReadBytes(dir / "private"), "keep me");
}

TEST(Permissions, NewFilesGetTheBitsOfWhatTheyAreMadeFrom)
{
    const TempDir dir;
    const mode_t umasked = umask(022);
    WriteBytes(dir / "secret", "0123456789");
    ASSERT_EQ(chmod((dir / "secret").c_str(), 0600), 0);
    ASSERT_TRUE(Velkaro::Split(dir / "secret", dir / "s", 4, false));
    for (const auto& name : PackagePaths(dir / "s", 3))
        EXPECT_EQ(ModeOf(name), 0600u) << name;

    ASSERT_TRUE(Velkaro::Build(dir / "s.c1", dir / "back", false));
    EXPECT_EQ(ModeOf(dir / "back"), 0600u);

    // Less the umask, as for any file a program makes.
    ASSERT_EQ(chmod((dir / "secret").c_str(), 0666), 0);
    ASSERT_TRUE(Velkaro::Split(dir / "secret", dir / "o", 4, false));
    EXPECT_EQ(ModeOf(dir / "o.c0"), 0644u);
    EXPECT_EQ(ModeOf(dir / "o.c2"), 0644u);
    umask(umasked);
}

// Another command, through another mount of the folder that no lock reaches, puts its own file at
// one of the split's package names while the split runs: the split must not name its package 0
// over a set that is not its own, nor take away the other's file when it fails.
TEST(OtherMount, ASplitWhosePackageIsReplacedMeanwhileFailsAndLeavesTheOthersFile)
{
    const TempDir dir;
    const FolderView view(dir.Path());
    const std::string other = view.IsMounted() ? view / "f.c1" : dir / "f.c1";
    WriteBytes(dir / "src", RandomBytes(8 << 20, 47));
    bool replaced = false;
    const Heartbeat meanwhile = [&] {
        if (!replaced && Exists(dir / "f.c3")) {
            replaced = unlink(other.c_str()) == 0;
            WriteBytes(other, "another command's package");
        }
    };

    EXPECT_FALSE(Velkaro::Split(dir / "src", dir / "f", 1 << 20, false, meanwhile));
    EXPECT_TRUE(replaced);
    EXPECT_FALSE(Exists(dir / "f.c0"));
    EXPECT_EQ(ReadBytes(dir / "f.c1"), "another command's package");
}

// The old set fills most of the free space; a new set as large replaces it only once the old one's
// space is free again (its wipes done and its files closed).
TEST(NearlyFull, ASetThatFitsOnceTheOldOneIsGoneReplacesIt)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "needs root to mount a small file system on a loop device";
    const MountedImage disk(MountedImage::Type::Ext4, 32);
    if (!disk.IsMounted())
        GTEST_SKIP() << disk.Unavailable();
    struct statvfs space = {};
    ASSERT_EQ(statvfs(disk.Path().c_str(), &space), 0);
    const std::size_t length = space.f_bavail * space.f_frsize * 6 / 10;
    const TempDir dir;
    const std::string source = RandomBytes(length, 48);
    WriteBytes(dir / "src", source);
    WriteBytes(dir / "old", RandomBytes(length, 49));
    ASSERT_TRUE(Velkaro::Split(dir / "old", disk / "f", 1 << 20, false));

    EXPECT_TRUE(Velkaro::Split(dir / "src", disk / "f", 1 << 20, true));
    EXPECT_EQ(JoinedSet(disk / "f"), source);
}

} // namespace

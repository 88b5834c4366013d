// Commands run in a process of their own under strace, which records their system calls and fails
// chosen ones: a failed last sync, and the syncs a FUSE file system needs, since the kernel does
// not pass a sync of the whole file system on to one.

#include "FolderView.h"
#include "MountedImage.h"
#include "TestFiles.h"
#include "Velkaro.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>
#include <unistd.h>

namespace {

bool Shell(const std::string& command)
{
    return std::system(("(" + command + ") >/dev/null 2>&1").c_str()) == 0;
}

bool HaveStrace()
{
    return Shell("strace -qq -o /dev/null true");
}

std::string Driver(const std::string& arguments)
{
    return std::string(ENGINE_DRIVER) + " " + arguments;
}

// Exit code of the driver run under strace with `options`.
int Traced(const std::string& options, const std::string& arguments)
{
    const int status = std::system(
        ("strace -f -qq " + options + " " + Driver(arguments) + " >/dev/null 2>&1").c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

bool AnyPackageName(const std::string& base)
{
    for (int index = 0; index < 8; ++index) {
        if (Exists(base + ".c" + std::to_string(index)))
            return true;
    }
    return false;
}

TEST(LastSync, AFailedFolderSyncAfterPackageZeroLeavesNoSet)
{
    if (!HaveStrace())
        GTEST_SKIP() << "needs strace to fail the folder's sync";
    const TempDir dir;
    WriteBytes(dir / "src", "0123456789");
    // Only the folder is synced with fsync here; the first time is right after package 0's
    // rename. Failing every one also fails the sync after package 0 is taken away again.
    for (const std::string when : {"1", "1+"}) {
        EXPECT_EQ(Traced("-o /dev/null -e trace=fsync -e inject=fsync:error=EIO:when=" + when,
                      "split " + (dir / "src") + " " + (dir / "f") + " 4"),
            1);
        EXPECT_EQ(Velkaro::IsPck(dir / "f.c0"), 0u) << "fsync failing from call " << when;
        if (when == "1") {
            EXPECT_FALSE(AnyPackageName(dir / "f"));
        }
    }
}

TEST(LastSync, AFailedFolderSyncAfterTheRenameLeavesTheCompleteNewFile)
{
    if (!HaveStrace())
        GTEST_SKIP() << "needs strace to fail the folder's sync";
    const TempDir dir;
    const std::string joined = WritePackages(dir / "x", {"new ", "bytes"});
    WriteBytes(dir / "whole", "old");
    EXPECT_EQ(Traced("-o /dev/null -e trace=fsync -e inject=fsync:error=EIO",
                  "build " + (dir / "x.c0") + " " + (dir / "whole") + " overwrite"),
        1);
    EXPECT_EQ(ReadBytes(dir / "whole"), joined);
}

// Package 1 is there but cannot be opened: a new destination must not appear, an old one must
// keep what it held, and no temporary file may stay behind.
TEST(Unreadable, APackageThatCannotBeOpenedFailsTheBuildAndChangesNothing)
{
    if (!HaveStrace())
        GTEST_SKIP() << "needs strace to fail the package's open";
    const TempDir dir;
    WritePackages(dir / "x", {"ab", "cd"});
    WriteBytes(dir / "old", "old content");
    // -P takes the name as the engine opens it, relative to the set's folder.
    const std::string refused
        = "cd " + dir.Path() + " && strace -f -qq -o /dev/null -P x.c1 -e trace=openat "
          "-e inject=openat:error=EACCES " + Driver("build x.c0 ");
    EXPECT_NE(std::system((refused + "new >/dev/null 2>&1").c_str()), 0);
    EXPECT_NE(std::system((refused + "old overwrite >/dev/null 2>&1").c_str()), 0);

    EXPECT_FALSE(Exists(dir / "new"));
    EXPECT_EQ(ReadBytes(dir / "old"), "old content");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 3);
}

// FAT and exFAT write names and blocks in no order: unless old package 0's removal is on the
// device before any zeros are, a power cut can leave the old set's names over zeroed packages.
TEST(Replacing, PackageZerosRemovalIsSyncedBeforeAnyWipe)
{
    if (!HaveStrace())
        GTEST_SKIP() << "needs strace to record the calls";
    const TempDir dir;
    WriteBytes(dir / "src", RandomBytes(3 * 4096, 45));
    WritePackages(dir / "f", {"old package 0", "old package 1", "old package 2"});
    const std::string log = dir / "trace";
    ASSERT_EQ(Traced("-o " + log + " -e trace=unlinkat,fsync,write",
                  "split " + (dir / "src") + " " + (dir / "f") + " 4096 overwrite"),
        0);
    const std::string trace = ReadBytes(log);
    const std::string::size_type removed = trace.find("\"f.c0\"");
    ASSERT_NE(removed, std::string::npos) << trace;
    const std::string::size_type synced = trace.find("fsync(", removed);
    EXPECT_LT(synced, trace.find("write(", removed)) << trace;
}

// The syncs a split makes, as strace -y shows them: "fdatasync(3</path>) = 0" and the like.
std::string SyncsOfSplit(const std::string& source, const std::string& base, const TempDir& dir)
{
    const std::string log = dir / "trace";
    EXPECT_EQ(Traced("-y -o " + log + " -e trace=fsync,fdatasync,syncfs,rename,renameat2,linkat",
                  "split " + source + " " + base + " 4096"),
        0);
    return ReadBytes(log);
}

TEST(Fuse, EveryPackageIsSyncedBeforePackageZeroTakesItsName)
{
    const TempDir dir;
    const FolderView fuse(dir.Path());
    if (!HaveStrace() || !fuse.IsMounted())
        GTEST_SKIP() << "needs strace; " << fuse.Unavailable();
    WriteBytes(dir / "src", RandomBytes(5 * 4096 + 7, 41));

    const std::string log = SyncsOfSplit(dir / "src", fuse / "f", dir);
    const std::string::size_type renamed = log.find("f.c0\"");
    ASSERT_NE(renamed, std::string::npos) << log;
    for (int index = 1; index <= 5; ++index) {
        const std::string package = "f.c" + std::to_string(index) + ">)";
        const std::string::size_type synced = log.find(package);
        EXPECT_LT(synced, renamed) << "package " << index << " not synced first:\n" << log;
    }
}

// FAT, exFAT and NTFS keep no order among name changes: unless the old set's removal is on the
// disk before new packages take their names, a power cut can leave old package 0 beside them.
TEST(Fuse, TheOldSetsRemovalIsSyncedBeforeNewPackagesAreNamed)
{
    const TempDir dir;
    const FolderView fuse(dir.Path());
    if (!HaveStrace() || !fuse.IsMounted())
        GTEST_SKIP() << "needs strace; " << fuse.Unavailable();
    WriteBytes(dir / "src", RandomBytes(5 * 4096 + 7, 43));
    WritePackages(dir / "f", {"old", "set", "of", "four"});
    const std::string log = dir / "trace";
    ASSERT_EQ(Traced("-y -o " + log + " -e trace=unlinkat,fsync,fdatasync,openat",
                  "split " + (dir / "src") + " " + (fuse / "f") + " 4096 overwrite"),
        0);
    const std::string trace = ReadBytes(log);
    const std::string::size_type created = trace.find("\"f.c1\", O_WRONLY|O_CREAT");
    const std::string::size_type removed = trace.rfind("unlinkat(", created);
    ASSERT_NE(created, std::string::npos) << trace;
    ASSERT_NE(removed, std::string::npos) << trace;
    const std::string between = trace.substr(removed, created - removed);
    EXPECT_NE(between.find(".velkaro-"), std::string::npos) << "no file synced in:\n" << between;
}

// exfat-fuse syncs the whole device for any one file and answers no one meanwhile: the device's
// cache is written out by a sync of the file system first, from our side, and each package is
// still synced by itself before package 0 takes its name.
TEST(Fuse, OnABlockDeviceTheFileSystemIsPushedAndEveryPackageSynced)
{
    if (!HaveStrace())
        GTEST_SKIP() << "needs strace to record the syncs";
    const MountedImage stick(MountedImage::Type::ExfatFuse);
    if (!stick.IsMounted())
        GTEST_SKIP() << stick.Unavailable();
    const TempDir dir;
    WriteBytes(dir / "src", RandomBytes(5 * 4096 + 7, 43));

    const std::string log = SyncsOfSplit(dir / "src", stick / "f", dir);
    const std::string::size_type named = log.find("f.c0\"");
    ASSERT_NE(named, std::string::npos) << log;
    EXPECT_LT(log.find("syncfs("), named) << log;
    for (int index = 1; index <= 5; ++index) {
        const std::string package = "f.c" + std::to_string(index) + ">)";
        EXPECT_LT(log.find(package), named) << "package " << index << " not synced first:\n" << log;
    }
}

// A FUSE file system that refuses a direct write (one passing it on to a file that takes only
// aligned ones) gets it again through the page cache, not a failed split.
TEST(Fuse, AWriteRefusedForBeingDirectGoesThroughTheCache)
{
    const TempDir dir;
    const FolderView fuse(dir.Path());
    if (!HaveStrace() || !fuse.IsMounted())
        GTEST_SKIP() << "needs strace; " << fuse.Unavailable();
    const std::string source = RandomBytes(5 * 4096 + 7, 44);
    WriteBytes(dir / "src", source);
    ASSERT_EQ(Traced("-o /dev/null -e trace=write -e inject=write:error=EINVAL:when=1",
                  "split " + (dir / "src") + " " + (fuse / "f") + " 8192"),
        0);
    EXPECT_EQ(ReadBytes(dir / "f.c0") + ReadBytes(dir / "f.c1") + ReadBytes(dir / "f.c2"), source);
}

// Where one sync of the file system covers every package, the split waits for no package alone.
TEST(Fuse, ElsewhereOneSyncCoversThePackages)
{
    if (!HaveStrace())
        GTEST_SKIP() << "needs strace to record the syncs";
    const TempDir dir;
    WriteBytes(dir / "src", RandomBytes(5 * 4096 + 7, 42));
    const std::string log = SyncsOfSplit(dir / "src", dir / "f", dir);
    EXPECT_NE(log.find("syncfs("), std::string::npos) << log;
    EXPECT_EQ(log.find("f.c1>)"), std::string::npos) << log;
}

} // namespace

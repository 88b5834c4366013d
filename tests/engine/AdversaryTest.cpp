// Another program as a careful adversary of a split's promise: true means packages 0..n-1 are,
// at that moment, the very files the split wrote, whole, and a failing command takes away only
// files it made itself. It replaces a package at the last moment, behind a view that caches
// names and attributes, or with a file that looks the same to the second; and sshfs, which makes
// inode numbers up, must not turn a sound command into a failure.

#include "FolderView.h"
#include "MountedImage.h"
#include "Shell.h"
#include "SshfsView.h"
#include "TestFiles.h"
#include "Velkaro.h"

#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <future>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

constexpr std::uint32_t PackageSize = 64 * 1024;

// What a build would join at `base` now is the split's source, or there is no set at all.
void ExpectNoSetButTheSource(const std::string& base, const std::string& source)
{
    EXPECT_TRUE(Velkaro::IsPck(base + ".c0") == 0 || JoinedSet(base) == source)
        << base << " joins to something else";
}

// As another program puts a file in place: written beside the name, then renamed over it.
void ReplaceWith(const std::string& path, const std::string& bytes)
{
    WriteBytes(path + ".new", bytes);
    EXPECT_EQ(std::rename((path + ".new").c_str(), path.c_str()), 0) << path;
}

// The driver's command under strace, every call that may give a file a name held back for half
// a second; `meanwhile` runs once, as soon as the one that names package 0, "f.c0", has begun.
// The exit code.
int HeldAtPackageZero(
    const std::string& arguments, const std::string& log, const std::function<void()>& meanwhile)
{
    const std::string calls = "linkat,rename,renameat,renameat2";
    std::future<int> command = std::async(std::launch::async, [&] {
        const int status
            = std::system(("strace -f -qq -o " + log + " -e trace=" + calls + " -e inject=" + calls
                + ":delay_enter=500000 " + ENGINE_DRIVER + " " + arguments + " >/dev/null 2>&1")
                              .c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    });
    bool held = false;
    while (command.wait_for(std::chrono::milliseconds(2)) != std::future_status::ready) {
        if (!held && ReadBytes(log).find("\"f.c0\"") != std::string::npos) {
            meanwhile();
            held = true;
        }
    }
    EXPECT_TRUE(held) << "package 0 was never named";
    return command.get();
}

// Package 36 of 40 is replaced by a file of the same size after the split's checks, while
// package 0 is on its way to its name.
void ReplacedAsPackageZeroIsNamed(const std::string& folder)
{
    const TempDir dir;
    const std::string source = RandomBytes(40 * PackageSize - 99, 61);
    const std::string other = RandomBytes(PackageSize, 62);
    WriteBytes(dir / "src", source);
    const std::string base = folder + "/f";
    EXPECT_EQ(
        HeldAtPackageZero("split " + dir / "src" + " " + base + " " + std::to_string(PackageSize),
            dir / "trace", [&] { ReplaceWith(base + ".c36", other); }),
        1);
    EXPECT_TRUE(ReadBytes(base + ".c36") == other) << "the other program's file is gone";
    ExpectNoSetButTheSource(base, source);
}

TEST(Adversary, APackageReplacedAsPackageZeroIsNamedFailsTheSplit)
{
    if (!Shell("strace -qq -o /dev/null true"))
        GTEST_SKIP() << "needs strace to hold package 0 back";
    const TempDir folder;
    ReplacedAsPackageZeroIsNamed(folder.Path());
    // Through FUSE package 0 is no unnamed file linked to its name but a hidden one renamed.
    const TempDir viewed;
    const FolderView view(viewed.Path());
    if (view.IsMounted()) {
        SCOPED_TRACE("through bindfs");
        ReplacedAsPackageZeroIsNamed(view.Path());
    }
}

TEST(Adversary, APackageReplacedAsPackageZeroIsNamedFailsTheSplitOnExt4XfsAndBtrfs)
{
    if (!Shell("strace -qq -o /dev/null true"))
        GTEST_SKIP() << "needs strace to hold package 0 back";
    std::string unavailable;
    bool ran = false;
    for (const auto& [type, name] :
        {std::pair(MountedImage::Type::Ext4, "ext4"), std::pair(MountedImage::Type::Xfs, "XFS"),
            std::pair(MountedImage::Type::Btrfs, "btrfs")}) {
        SCOPED_TRACE(name);
        const MountedImage disk(type);
        if (disk.IsMounted())
            ReplacedAsPackageZeroIsNamed(disk.Path());
        ran = ran || disk.IsMounted();
        unavailable += std::string(name) + ": " + disk.Unavailable() + "; ";
    }
    if (!ran)
        GTEST_SKIP() << unavailable;
}

// A split through a view that keeps names and attributes cached, while another program, through
// the folder itself, replaces package 1 with a file of the same size once package 3 exists; with
// `spoil` it also touches the source, so that the split must fail on that alone.
void ReplacedBehindTheView(
    const std::string& folder, const std::string& view, const std::string& name, bool spoil)
{
    SCOPED_TRACE(spoil ? "a split failing on its touched source" : "a split otherwise sound");
    const TempDir dir;
    const std::string source = RandomBytes(8 * 8 * PackageSize, 63);
    const std::string other = RandomBytes(8 * PackageSize, 64);
    WriteBytes(dir / "src", source);
    bool replaced = false;
    const Heartbeat meanwhile = [&] {
        if (replaced || !Exists(folder + "/" + name + ".c3"))
            return;
        ReplaceWith(folder + "/" + name + ".c1", other);
        if (spoil) {
            EXPECT_EQ(utimensat(AT_FDCWD, (dir / "src").c_str(), nullptr, 0), 0);
        }
        replaced = true;
    };

    EXPECT_FALSE(Velkaro::Split(dir / "src", view + "/" + name, 8 * PackageSize, false, meanwhile));
    EXPECT_TRUE(replaced);
    EXPECT_TRUE(ReadBytes(folder + "/" + name + ".c1") == other)
        << "the other program's file is gone";
    ExpectNoSetButTheSource(folder + "/" + name, source);
}

template <class View> void BehindAView()
{
    const TempDir folder;
    const View view(folder.Path());
    if (!view.IsMounted())
        GTEST_SKIP() << view.Unavailable();
    ReplacedBehindTheView(folder.Path(), view.Path(), "f", false);
    ReplacedBehindTheView(folder.Path(), view.Path(), "g", true);
}

TEST(Adversary, APackageReplacedBehindABindfsViewIsNeitherTrustedNorRemoved)
{
    BehindAView<FolderView>();
}

TEST(Adversary, APackageReplacedBehindAnSshfsViewIsNeitherTrustedNorRemoved)
{
    BehindAView<SshfsView>();
}

// Ext4 with 128-byte inodes keeps times to the second and gives a freed inode number to the next
// file: package 5 unlinked and written again, as large, while the last package is written looks
// the same by inode number, size and times, if it falls in the same second. A few tries.
TEST(Adversary, APackageWrittenAgainUnderItsInodeNumberInTheSameSecondIsNotOurs)
{
    const MountedImage disk(MountedImage::Type::Ext4WholeSeconds, 32);
    if (!disk.IsMounted())
        GTEST_SKIP() << disk.Unavailable();
    const TempDir dir;
    const std::string source = RandomBytes(12 * PackageSize - 99, 65);
    const std::string other = RandomBytes(PackageSize, 66);
    WriteBytes(dir / "src", source);
    const std::string folder = disk / "set";
    const std::string base = folder + "/f";
    for (int attempt = 0; attempt < 6; ++attempt) {
        ASSERT_TRUE(std::filesystem::create_directory(folder));
        bool swapped = false;
        const Heartbeat lastBeat = [&] {
            struct stat last = {};
            if (swapped || stat((base + ".c11").c_str(), &last) != 0
                || last.st_size != PackageSize - 99)
                return;
            swapped = unlink((base + ".c5").c_str()) == 0;
            WriteBytes(base + ".c5", other);
        };
        const bool split = Velkaro::Split(dir / "src", base, PackageSize, false, lastBeat);
        EXPECT_TRUE(swapped);
        EXPECT_TRUE(!split || JoinedSet(base) == source)
            << "true with another file, try " << attempt;
        // All of it goes, so that the next try's files get the same inode numbers again.
        std::filesystem::remove_all(folder);
    }
}

// The kernel forgets every file it is not using, every half second, for as long as it lives.
class CachePressure
{
public:
    CachePressure()
        : dropping(std::async(std::launch::async, [this] {
            while (stop.wait_for(std::chrono::milliseconds(500)) == std::future_status::timeout)
                std::ofstream("/proc/sys/vm/drop_caches") << "2\n";
        }))
    { }
    ~CachePressure() { ended.set_value(); }
    CachePressure(const CachePressure&) = delete;
    CachePressure& operator=(const CachePressure&) = delete;

private:
    std::promise<void> ended;
    const std::shared_future<void> stop = ended.get_future().share();
    std::future<void> dropping;
};

// sshfs gives a file a new inode number once the kernel has forgotten it: neither the split's
// written packages nor the build's set may be told by it.
TEST(Adversary, ASoundSplitAndBuildThroughSshfsSucceedWhileInodesAreForgotten)
{
    if (access("/proc/sys/vm/drop_caches", W_OK) != 0)
        GTEST_SKIP() << "needs root and a writable /proc/sys/vm/drop_caches to make the kernel "
                        "forget files";
    const TempDir folder;
    const SshfsView view(folder.Path());
    if (!view.IsMounted())
        GTEST_SKIP() << view.Unavailable();
    const TempDir dir;
    const std::string source = RandomBytes(20 << 20, 67);
    WriteBytes(dir / "src", source);
    std::vector<std::string> packages;
    for (std::size_t start = 0; start <= source.size(); start += PackageSize)
        packages.push_back(source.substr(start, PackageSize));
    WritePackages(folder / "g", packages);
    const CachePressure pressure;

    EXPECT_TRUE(Velkaro::Split(dir / "src", view / "f", PackageSize, false));
    EXPECT_TRUE(JoinedSet(folder / "f") == source);
    EXPECT_TRUE(Velkaro::Build(view / "g.c0", dir / "back", false));
    EXPECT_TRUE(ReadBytes(dir / "back") == source);
}

} // namespace

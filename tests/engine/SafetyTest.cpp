// What a split or a build leaves when something goes wrong underneath it: a kill at any moment, a
// write error that shows only at writeback, links at package names, old packages that cannot be
// removed, a source that changes meanwhile.

#include "RemoveA.h"
#include "TestFiles.h"
#include "Velkaro.h"

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Runs `work` in a child process; true when the child was killed by a signal rather than exiting.
bool KilledInChild(const std::function<void()>& work)
{
    const pid_t child = fork();
    if (child == 0) {
        work();
        _exit(0);
    }
    int status = 0;
    EXPECT_EQ(waitpid(child, &status, 0), child);
    return WIFSIGNALED(status);
}

// A heartbeat that kills the process at its `at`-th call, as a power cut or a force-quit would.
Heartbeat KillAt(int at)
{
    return [at, calls = 0]() mutable {
        if (++calls == at)
            raise(SIGKILL);
    };
}

// Files a command left under hidden names; where the file system has unnamed files (as the
// temporary folder's does), a kill leaves none.
int HiddenFiles(const TempDir& dir)
{
    int hidden = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path()))
        hidden += entry.path().filename().string().find(".velkaro-") != std::string::npos;
    return hidden;
}

// Killed at every heartbeat in turn, a split over an old set leaves either that set whole or the
// new one whole, never anything else that counts as a set.
TEST(Interrupted, SplitLeavesTheOldSetOrTheNewOneWhole)
{
    const std::string source = RandomBytes(7 * 600 * 1024 + 5, 21);
    const std::string old = RandomBytes(3 * 1500 * 1024, 22);
    for (int at = 1;; ++at) {
        const TempDir dir;
        WriteBytes(dir / "src", source);
        WriteBytes(dir / "old", old);
        ASSERT_TRUE(Velkaro::Split(dir / "old", dir / "f", 1500 * 1024, false));

        const bool killed = KilledInChild(
            [&] { Velkaro::Split(dir / "src", dir / "f", 600 * 1024, true, KillAt(at)); });

        const std::string left = JoinedSet(dir / "f");
        EXPECT_TRUE(left.empty() || left == old || left == source) << "killed at heartbeat " << at;
        EXPECT_EQ(HiddenFiles(dir), 0) << "killed at heartbeat " << at;
        if (!killed) {
            EXPECT_TRUE(left == source);
            break;
        }
    }
}

TEST(Interrupted, BuildLeavesTheOldFileOrTheWholeNewOne)
{
    for (int at = 1;; ++at) {
        const TempDir dir;
        const std::string joined = WritePackages(
            dir / "x", {RandomBytes(5 << 20, 23), RandomBytes(5 << 20, 24), "tail"});
        WriteBytes(dir / "whole", "old contents");

        const bool killed
            = KilledInChild([&] { Velkaro::Build(dir / "x.c0", dir / "whole", true, KillAt(at)); });

        const std::string left = ReadBytes(dir / "whole");
        EXPECT_TRUE(left == "old contents" || left == joined) << "killed at heartbeat " << at;
        EXPECT_EQ(HiddenFiles(dir), 0) << "killed at heartbeat " << at;
        if (!killed) {
            EXPECT_TRUE(left == joined);
            break;
        }
    }
}

// Storage that runs out underneath a file system (a thin image, a failing stick) fails writes only
// when they reach it; the commands must see that and report it.
class ThinFileSystem
{
public:
    explicit ThinFileSystem(const TempDir& dir) : backing(dir / "backing"), mount(dir / "mnt")
    {
        const std::string image = backing + "/image";
        ready = Run("mkdir -p " + backing + " " + mount + " && mount -t tmpfs -o size=24m tmpfs "
            + backing + " && truncate -s 256M " + image + " && mkfs.ext4 -q " + image
            + " && mount -o loop " + image + " " + mount);
    }
    ~ThinFileSystem() { Run("umount " + mount + "; umount " + backing); }
    ThinFileSystem(const ThinFileSystem&) = delete;
    ThinFileSystem& operator=(const ThinFileSystem&) = delete;

    const std::string backing;
    const std::string mount;
    bool ready = false;

private:
    static bool Run(const std::string& command)
    {
        return std::system(("(" + command + ") >/dev/null 2>&1").c_str()) == 0;
    }
};

TEST(Durability, AWriteErrorAtWritebackFailsTheCommand)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "needs root to mount a small file system on a loop device";
    const TempDir dir;
    WriteBytes(dir / "src", RandomBytes(64 << 20, 25));
    ASSERT_TRUE(Velkaro::Split(dir / "src", dir / "set", 8 << 20, false));
    for (const bool split : {true, false}) {
        const ThinFileSystem thin(dir);
        if (!thin.ready)
            GTEST_SKIP() << "cannot mount a loop device with ext4 here (mkfs.ext4, loop support)";
        const std::string target = thin.mount + "/out";
        EXPECT_FALSE(split ? Velkaro::Split(dir / "src", target, 8 << 20, false)
                           : Velkaro::Build(dir / "set.c0", target, false));
        EXPECT_EQ(Velkaro::IsPck(target + ".c0"), 0u);
        EXPECT_FALSE(Exists(target));
    }
}

// Nothing is ever written through a symbolic link at a package name, to whatever it leads.
TEST(Links, SplitRefusesSymbolicLinksAtPackageNames)
{
    const TempDir dir;
    WriteBytes(dir / "src", RandomBytes(5000, 26));
    WriteBytes(dir / "important", "not a package");
    ASSERT_EQ(symlink((dir / "important").c_str(), (dir / "e.c1").c_str()), 0);
    ASSERT_EQ(symlink((dir / "elsewhere").c_str(), (dir / "d.c1").c_str()), 0);
    WritePackages(dir / "o", {"old"});
    ASSERT_EQ(symlink((dir / "important").c_str(), (dir / "o.c1").c_str()), 0);

    EXPECT_FALSE(Velkaro::Split(dir / "src", dir / "e", 4000, true));
    EXPECT_FALSE(Velkaro::Split(dir / "src", dir / "d", 4000, true));
    EXPECT_FALSE(Velkaro::Split(dir / "src", dir / "o", 4000, true));

    EXPECT_EQ(ReadBytes(dir / "important"), "not a package");
    EXPECT_FALSE(Exists(dir / "elsewhere"));
    EXPECT_FALSE(Exists(dir / "e.c0"));
    EXPECT_EQ(ReadBytes(dir / "o.c0"), "old");
}

// An old package with another name is removed, not wiped: the other name keeps its data.
TEST(Links, SplitOverASetKeepsWhatOtherNamesHold)
{
    const TempDir dir;
    WriteBytes(dir / "src", "0123456789");
    WritePackages(dir / "f", {"keep", "this"});
    ASSERT_EQ(link((dir / "f.c1").c_str(), (dir / "other").c_str()), 0);

    ASSERT_TRUE(Velkaro::Split(dir / "src", dir / "f", 4, true));

    EXPECT_EQ(JoinedSet(dir / "f"), "0123456789");
    EXPECT_EQ(ReadBytes(dir / "other"), "this");
}

// A build replaces the file a link leads to and keeps the link, and the file's permission bits.
TEST(Links, BuildKeepsALinkAndTheModeOfTheFileItReplaces)
{
    const TempDir dir;
    WritePackages(dir / "x", {"new ", "contents"});
    WriteBytes(dir / "real", "old");
    ASSERT_EQ(chmod((dir / "real").c_str(), 0640), 0);
    ASSERT_EQ(symlink("real", (dir / "link").c_str()), 0);

    ASSERT_TRUE(Velkaro::Build(dir / "x.c0", dir / "link", true));

    struct stat status = {};
    ASSERT_EQ(lstat((dir / "link").c_str(), &status), 0);
    EXPECT_TRUE(S_ISLNK(status.st_mode));
    EXPECT_EQ(ReadBytes(dir / "real"), "new contents");
    ASSERT_EQ(stat((dir / "real").c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0640u);
}

// Old packages that the user may write but not remove: the split fails before it writes a package,
// and what is left never counts as a set that is not the old one whole.
TEST(Permissions, OldPackagesThatCannotBeRemovedStopTheSplit)
{
    const passwd* const nobody = getpwnam("nobody");
    if (geteuid() != 0 || !nobody)
        GTEST_SKIP() << "needs root and a user 'nobody' to run a split without the right to remove";
    for (const mode_t folderMode : {mode_t(0755), mode_t(01777)}) {
        const TempDir dir;
        ASSERT_EQ(chmod(dir.Path().c_str(), folderMode), 0);
        WriteBytes(dir / "src", "0123456789");
        const std::string old = WritePackages(dir / "f", {"abcd", "efgh", "ij"});
        for (const auto& name : PackagePaths(dir / "f", 3))
            ASSERT_EQ(chmod(name.c_str(), 0666), 0);
        // In the sticky folder, packages 0 and 1 are the user's own; package 2 is not.
        if (folderMode == 01777) {
            for (const auto& name : PackagePaths(dir / "f", 2))
                ASSERT_EQ(chown(name.c_str(), nobody->pw_uid, nobody->pw_gid), 0);
        }

        KilledInChild([&] {
            if (setgid(nobody->pw_gid) != 0 || setuid(nobody->pw_uid) != 0)
                _exit(2);
            _exit(Velkaro::Split(dir / "src", dir / "f", 4, true) ? 1 : 0);
        });

        const std::string left = JoinedSet(dir / "f");
        EXPECT_TRUE(left.empty() || left == old) << "folder mode " << std::oct << folderMode;
        EXPECT_EQ(ReadBytes(dir / "f.c2"), "ij");
    }
}

// A source that gains another name inside the set while it is being split is never written into;
// one that changes meanwhile in any way, growing included, gives no set: what was read matches no
// one state of it.
TEST(Split, NeverWritesIntoItsSourceWhateverHappensToIt)
{
    const TempDir dir;
    const std::string source = RandomBytes(6 << 20, 27);
    WriteBytes(dir / "src", source);
    bool linked = false;
    const Heartbeat linkIntoTheSet
        = [&] { linked = linked || link((dir / "src").c_str(), (dir / "f.c5").c_str()) == 0; };
    EXPECT_FALSE(Velkaro::Split(dir / "src", dir / "f", 1 << 20, true, linkIntoTheSet));
    EXPECT_TRUE(linked);
    EXPECT_EQ(ReadBytes(dir / "src"), source);

    const Heartbeat grow = [&, grown = false]() mutable {
        if (!std::exchange(grown, true))
            WriteBytes(dir / "src", source + "more");
    };
    EXPECT_FALSE(Velkaro::Split(dir / "src", dir / "g", 1 << 20, true, grow));
    EXPECT_EQ(Velkaro::IsPck(dir / "g.c0"), 0u);
}

} // namespace

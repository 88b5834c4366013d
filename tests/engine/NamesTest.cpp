// The names the engine makes on its own: the probe of a name about to be written never makes that
// name (so neither a kill nor a folder that forbids removing can leave it behind), and a hidden
// name is valid text wherever the name it is made for is, as file systems that keep names as
// Unicode demand.

#include "MountedImage.h"
#include "TestFiles.h"
#include "Velkaro.h"
#include "VerifyFileExA.h"
#include "posix/FileDescriptor.h"
#include "posix/HiddenFile.h"

#include <array>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Every name that appears in `folder` while `action` runs, even for a moment.
std::vector<std::string> NamesMadeDuring(
    const std::string& folder, const std::function<void()>& action)
{
    const FileDescriptor watch(inotify_init1(IN_NONBLOCK | IN_CLOEXEC));
    EXPECT_GE(inotify_add_watch(watch.Get(), folder.c_str(), IN_CREATE | IN_MOVED_TO), 0);
    action();
    std::vector<std::string> names;
    alignas(inotify_event) std::array<char, 64 * 1024> buffer {};
    ssize_t got;
    while ((got = read(watch.Get(), buffer.data(), buffer.size())) > 0) {
        for (ssize_t at = 0; at < got;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer.data() + at);
            names.emplace_back(event->len > 0 ? event->name : "");
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
    }
    return names;
}

std::vector<std::string> NamesIn(const std::string& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    return names;
}

// Probes a free package name in `folder`; anything that appears meanwhile must be hidden from
// package sets, and nothing may stay.
void ExpectProbeMakesNoName(const std::string& folder)
{
    const std::vector<std::string> before = NamesIn(folder);
    const std::vector<std::string> made = NamesMadeDuring(folder, [&] {
        EXPECT_EQ(VerifyFileExA((folder + "/f.c0").c_str()), 1) << folder;
        EXPECT_EQ(VerifyFileExA((folder + "/f").c_str()), 1) << folder;
    });
    for (const std::string& name : made)
        EXPECT_TRUE(name[0] == '.' && name.find(".velkaro-") != std::string::npos) << name;
    EXPECT_EQ(NamesIn(folder), before) << folder;
}

TEST(VerifyFileExA, NeverMakesTheNameItProbes)
{
    const TempDir dir;
    ExpectProbeMakesNoName(dir.Path());
}

// Names can be made there but not taken away again: a probe that made the name would leave it.
TEST(VerifyFileExA, LeavesNoNameInAFolderThatForbidsRemoving)
{
    const MountedImage ext4(MountedImage::Type::Ext4, 16);
    if (!ext4.IsMounted())
        GTEST_SKIP() << ext4.Unavailable();
    const std::string folder = ext4 / "append-only";
    ASSERT_EQ(mkdir(folder.c_str(), 0755), 0);
    if (std::system(("chattr +a " + folder + " 2>/dev/null").c_str()) != 0)
        GTEST_SKIP() << "chattr +a does not work here";
    ExpectProbeMakesNoName(folder);
    EXPECT_EQ(std::system(("chattr -a " + folder).c_str()), 0);
}

// Accented letters take two bytes and the largest characters four: cut at any byte the stem would
// end in half a character.
const std::vector<std::string>& LongUtf8Names()
{
    static const std::vector<std::string> names = [] {
        std::string even, odd = "x", wide = "xy";
        for (int letter = 0; letter < 111; ++letter)
            even += "\xC3\xA9";
        for (int letter = 0; letter < 110; ++letter)
            odd += "\xC3\xA9";
        for (int letter = 0; letter < 60; ++letter)
            wide += "\xF0\x9F\x98\x80";
        return std::vector<std::string> {even, odd, wide};
    }();
    return names;
}

// FUSE file systems make no unnamed files: the probe falls back to a hidden name.
TEST(VerifyFileExA, LeavesNoNameOnFileSystemsWithoutUnnamedFiles)
{
    const std::string unavailable
        = OnFuseMounts([](const MountedImage& fuse) { ExpectProbeMakesNoName(fuse.Path()); });
    if (!unavailable.empty())
        GTEST_SKIP() << unavailable;
}

TEST(HiddenFile, KeepsTheStartOfALongNameCutBetweenCharacters)
{
    const TempDir dir;
    for (const std::string& name : LongUtf8Names()) {
        const HiddenFile hidden = CreateHiddenFileBeside(dir / name, 0600);
        ASSERT_TRUE(hidden.file.IsOpen()) << name;
        const std::string made = hidden.path.substr(dir.Path().size() + 1);
        const std::string stem = made.substr(1, made.rfind(".velkaro-") - 1);
        EXPECT_EQ(made[0], '.');
        EXPECT_EQ(name.compare(0, stem.size(), stem), 0) << made;
        EXPECT_GE(stem.size(), 190u) << made;
        EXPECT_NE(static_cast<unsigned char>(name[stem.size()]) & 0xC0, 0x80) << made;
        unlink(hidden.path.c_str());
    }
}

TEST(LongNames, SplitAndBuildOnFileSystemsThatKeepNamesAsUnicode)
{
    const std::string unavailable = OnFuseMounts([](const MountedImage& fuse) {
        for (const std::string& name : LongUtf8Names()) {
            const std::string source = fuse / name;
            WriteBytes(source, RandomBytes(10000, 7));
            const std::string base = fuse / ("b" + name);
            const std::string joined = fuse / ("j" + name);
            EXPECT_TRUE(Velkaro::Split(source, base, 4000, false)) << fuse.Path();
            EXPECT_EQ(Velkaro::IsPck(base + ".c0"), 3u);
            EXPECT_TRUE(Velkaro::Build(base + ".c1", joined, false)) << fuse.Path();
            EXPECT_TRUE(SameContents(source, joined));
            const std::vector<std::string> left = NamesIn(fuse.Path());
            EXPECT_EQ(left.size(), 5u) << "a hidden file was left";
            for (const std::string& file : left)
                unlink((fuse / file).c_str());
        }
    });
    if (!unavailable.empty())
        GTEST_SKIP() << unavailable;
}

} // namespace

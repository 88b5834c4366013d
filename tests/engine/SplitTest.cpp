#include "TestFiles.h"
#include "Velkaro.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct SizesCase
{
    std::size_t length;
    std::uint32_t size;
    std::vector<std::size_t> packages;
};

void PrintTo(const SizesCase& c, std::ostream* out)
{
    *out << c.length << " bytes by " << c.size;
}

class SplitSizesTest : public testing::TestWithParam<SizesCase>
{
};

// floor(L / S) + 1 packages: the last one holds L mod S bytes, so it is empty for multiples.
TEST_P(SplitSizesTest, CutsConsecutiveSlicesEndingWithTheRemainder)
{
    const SizesCase& sizes = GetParam();
    const TempDir dir;
    const std::string source = RandomBytes(sizes.length, 7);
    WriteBytes(dir / "src", source);

    ASSERT_TRUE(Velkaro::Split(dir / "src", dir / "out", sizes.size, false));

    std::size_t offset = 0;
    const auto names = PackagePaths(dir / "out", sizes.packages.size() + 1);
    for (std::size_t index = 0; index < sizes.packages.size(); ++index) {
        EXPECT_EQ(ReadBytes(names[index]), source.substr(offset, sizes.packages[index]))
            << "package " << index;
        offset += sizes.packages[index];
    }
    EXPECT_FALSE(Exists(names.back()));
    EXPECT_EQ(ReadBytes(dir / "src"), source);
}

INSTANTIATE_TEST_SUITE_P(Lengths, SplitSizesTest,
    testing::Values(SizesCase {10, 4, {4, 4, 2}}, SizesCase {8, 4, {4, 4, 0}},
        SizesCase {0, 4, {0}}, SizesCase {3, 4, {3}}, SizesCase {3, 1, {1, 1, 1, 0}},
        SizesCase {5, 4294967295u, {5}}));

TEST(Split, CopiesEveryByteValueUnchanged)
{
    const TempDir dir;
    std::string source;
    for (int round = 0; round < 3; ++round)
        for (int value = 0; value < 256; ++value)
            source += static_cast<char>(value);
    WriteBytes(dir / "src", source);

    ASSERT_TRUE(Velkaro::Split(dir / "src", dir / "out", 100, false));

    std::string joined;
    for (const auto& name : PackagePaths(dir / "out", 8))
        joined += ReadBytes(name);
    EXPECT_EQ(joined, source);
    EXPECT_FALSE(Exists(dir / "out.c8"));
}

// Ten bytes split into the set of "out", mostly over an old set there.
class SplitTenBytesTest : public testing::Test
{
protected:
    void SetUp() override { WriteBytes(source, "0123456789"); }

    bool SplitIntoTwo(bool overwrite) { return Velkaro::Split(source, dir / "out", 6, overwrite); }

    TempDir dir;
    const std::string source = dir / "src";
};

TEST_F(SplitTenBytesTest, ReplacesTheWholeOldSet)
{
    WritePackages(dir / "out", {"a", "b", "c", "d", "e"});
    ASSERT_TRUE(SplitIntoTwo(true));
    EXPECT_EQ(ReadBytes(dir / "out.c0"), "012345");
    EXPECT_EQ(ReadBytes(dir / "out.c1"), "6789");
    for (const char* gone : {"out.c2", "out.c3", "out.c4"})
        EXPECT_FALSE(Exists(dir / gone)) << gone;
}

// Packages beyond the old set's gap are no part of it and stay, until the new set reaches them:
// a build would then take them in after the new set's own.
TEST_F(SplitTenBytesTest, ReplacesPackagesBeyondTheOldSetsGapOnlyWhereTheNewSetReachesThem)
{
    WritePackages(dir / "out", {"a", "b"});
    WriteBytes(dir / "out.c3", "stale");
    ASSERT_TRUE(SplitIntoTwo(true));
    EXPECT_EQ(ReadBytes(dir / "out.c1"), "6789");
    EXPECT_FALSE(Exists(dir / "out.c2"));
    EXPECT_EQ(ReadBytes(dir / "out.c3"), "stale");

    WriteBytes(dir / "out.c4", "stale four");
    ASSERT_TRUE(Velkaro::Split(source, dir / "out", 4, true));
    EXPECT_EQ(JoinedSet(dir / "out"), "0123456789");
    EXPECT_FALSE(Exists(dir / "out.c3"));
    EXPECT_FALSE(Exists(dir / "out.c4"));
}

// A socket after the old set is no package of it: the split passes it over instead of failing
// half-way on it, and leaves it.
TEST_F(SplitTenBytesTest, PassesOverASocketAfterTheOldSet)
{
    WritePackages(dir / "out", {"a", "b", "c", "d"});
    MakeSocket(dir / "out.c4");
    EXPECT_TRUE(SplitIntoTwo(true));
    EXPECT_EQ(JoinedSet(dir / "out"), "0123456789");
    EXPECT_FALSE(Exists(dir / "out.c2"));
    EXPECT_TRUE(Exists(dir / "out.c4"));
}

TEST_F(SplitTenBytesTest, RemovesNothingWhenPackageZeroIsMissing)
{
    WriteBytes(dir / "out.c2", "stale two");
    WriteBytes(dir / "out.c3", "stale three");
    ASSERT_TRUE(Velkaro::Split(source, dir / "out", 100, true));
    EXPECT_EQ(ReadBytes(dir / "out.c0"), "0123456789");
    EXPECT_EQ(ReadBytes(dir / "out.c2"), "stale two");
    EXPECT_EQ(ReadBytes(dir / "out.c3"), "stale three");
}

TEST_F(SplitTenBytesTest, RefusesAnExistingSetWithoutOverwrite)
{
    WritePackages(dir / "out", {"a", "b", "c"});
    EXPECT_FALSE(SplitIntoTwo(false));
    EXPECT_EQ(ReadBytes(dir / "out.c0"), "a");
    EXPECT_EQ(ReadBytes(dir / "out.c2"), "c");
}

// The size check comes before the old set is removed: a refused call must not cost the set.
TEST_F(SplitTenBytesTest, RefusesSizeZeroBeforeRemovingAnything)
{
    WritePackages(dir / "out", {"a", "b"});
    EXPECT_FALSE(Velkaro::Split(source, dir / "out", 0, true));
    EXPECT_FALSE(Velkaro::Split(source, dir / "fresh", 0, true));
    EXPECT_EQ(ReadBytes(dir / "out.c0"), "a");
    EXPECT_EQ(ReadBytes(dir / "out.c1"), "b");
    EXPECT_FALSE(Exists(dir / "fresh.c0"));
}

TEST_F(SplitTenBytesTest, RefusesSourcesThatAreNoRegularFiles)
{
    ASSERT_EQ(mkdir((dir / "sub").c_str(), 0700), 0);
    EXPECT_FALSE(Velkaro::Split(dir / "sub", dir / "out", 4, true));
    EXPECT_FALSE(Velkaro::Split(dir / "missing", dir / "out", 4, true));
    EXPECT_FALSE(Velkaro::Split("/dev/null", dir / "out", 4, true));
    EXPECT_FALSE(Exists(dir / "out.c0"));
}

TEST_F(SplitTenBytesTest, RefusesADestinationThatCannotBeCreated)
{
    ASSERT_EQ(mkdir((dir / "out.c0").c_str(), 0700), 0);
    EXPECT_FALSE(Velkaro::Split(source, dir / "missing/out", 4, true));
    EXPECT_FALSE(Velkaro::Split(source, dir / "out", 4, true));
    EXPECT_FALSE(Exists(dir / "missing"));
    EXPECT_FALSE(Exists(dir / "out.c1"));
}

// A socket passes the regular-file test but cannot be opened: the old set must survive that.
TEST_F(SplitTenBytesTest, KeepsTheOldSetWhenTheSourceCannotBeOpened)
{
    WritePackages(dir / "out", {"a", "b"});
    MakeSocket(dir / "sock");
    EXPECT_FALSE(Velkaro::Split(dir / "sock", dir / "out", 4, true));
    EXPECT_EQ(ReadBytes(dir / "out.c0"), "a");
    EXPECT_EQ(ReadBytes(dir / "out.c1"), "b");
}

class SplitOwnSourceTest : public testing::TestWithParam<OwnPackageCase>
{
};

// Removing or rewriting a package that is the source itself would destroy the source.
TEST_P(SplitOwnSourceTest, RefusesASourceThatIsOneOfItsPackages)
{
    const TempDir dir;
    const std::string source = GetParam().Arrange(dir / "x", dir / "elsewhere");
    ASSERT_FALSE(source.empty());
    const std::string sourceBytes = ReadBytes(source);
    const std::vector<std::string> before = PackageContents(dir / "x", 6);

    EXPECT_FALSE(Velkaro::Split(source, dir / "x", 2, true));

    EXPECT_EQ(ReadBytes(source), sourceBytes);
    EXPECT_EQ(PackageContents(dir / "x", 6), before);
}

INSTANTIATE_TEST_SUITE_P(Ways, SplitOwnSourceTest,
    testing::Values(OwnPackageCase {"package 0 by name", {"0123456789", "ab"}, "name", 0},
        OwnPackageCase {"last old package by name", {"ab", "cd", "0123456789"}, "name", 2},
        OwnPackageCase {"old package by hard link", {"ab", "cd", "0123456789"}, "hardlink", 1},
        OwnPackageCase {"old package by symbolic link", {"ab", "0123456789"}, "symlink", 1},
        OwnPackageCase {"package to be written, no old set", {}, "hardlink", 4},
        OwnPackageCase {"package to be written beyond the old set", {"ab"}, "symlink", 3}));

// A base whose name is only white space would write packages that look like no file at all.
TEST_F(SplitTenBytesTest, RefusesABaseOfWhiteSpace)
{
    for (const char* base : {"  ", "\t", " \n", ""})
        EXPECT_FALSE(Velkaro::Split(source, dir / base, 4, true)) << '"' << base << '"';
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
}

TEST_F(SplitTenBytesTest, RefusesPackageNamesItCouldNotWriteBeforeRemovingAnything)
{
    WritePackages(dir / "dir", {"old"});
    ASSERT_EQ(mkdir((dir / "dir.c1").c_str(), 0700), 0);
    WritePackages(dir / "sock", {"old"});
    MakeSocket(dir / "sock.c1");
    ASSERT_EQ(symlink("/dev/null", (dir / "null.c0").c_str()), 0);

    EXPECT_FALSE(Velkaro::Split(source, dir / "dir", 4, true));
    EXPECT_FALSE(Velkaro::Split(source, dir / "sock", 4, true));
    EXPECT_FALSE(Velkaro::Split(source, dir / "null", 4, true));

    EXPECT_EQ(ReadBytes(dir / "dir.c0"), "old");
    EXPECT_EQ(ReadBytes(dir / "sock.c0"), "old");
    EXPECT_TRUE(Exists(dir / "sock.c1"));
    EXPECT_TRUE(Exists(dir / "null.c0"));
    EXPECT_FALSE(Exists(dir / "dir.c2"));
    EXPECT_FALSE(Exists(dir / "null.c1"));
}

// Package 2 cannot be created (a link into a missing folder): the packages written before it
// are removed again, and the link, which is not the split's, stays.
TEST_F(SplitTenBytesTest, RemovesItsOwnPackagesWhenAWriteFails)
{
    ASSERT_EQ(symlink((dir / "missing/target").c_str(), (dir / "out.c2").c_str()), 0);

    EXPECT_FALSE(Velkaro::Split(source, dir / "out", 4, true));

    EXPECT_FALSE(Exists(dir / "out.c0"));
    EXPECT_FALSE(Exists(dir / "out.c1"));
    EXPECT_TRUE(Exists(dir / "out.c2"));
    EXPECT_EQ(ReadBytes(source), "0123456789");
}

// A file-size limit makes writes fail with EFBIG as a full disk would fail them with ENOSPC.
// It runs in a child process so the limit does not reach the other tests.
TEST(Split, FailsAndCleansUpWhenTheDiskRefusesBytes)
{
    const TempDir dir;
    const std::string source = RandomBytes(300 * 1024, 11);
    WriteBytes(dir / "src", source);

    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit limit {64 * 1024, 64 * 1024};
        setrlimit(RLIMIT_FSIZE, &limit);
        _exit(Velkaro::Split(dir / "src", dir / "out", 100 * 1024, true) ? 1 : 0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the split reported success";
    EXPECT_FALSE(Exists(dir / "out.c0"));
    EXPECT_EQ(ReadBytes(dir / "src"), source);
}

} // namespace

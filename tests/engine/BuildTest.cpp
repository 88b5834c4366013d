#include "TestFiles.h"
#include "Velkaro.h"

#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class BuildTest : public testing::Test
{
protected:
    bool Build(const std::string& package, const std::string& destination, bool overwrite = false)
    {
        return Velkaro::Build(dir / package, dir / destination, overwrite);
    }

    TempDir dir;
};

TEST_F(BuildTest, JoinsThePackagesInIndexOrder)
{
    const std::string joined = WritePackages(dir / "x", {"abcd", "efgh", "ij"});
    ASSERT_TRUE(Build("x.c0", "whole"));
    EXPECT_EQ(ReadBytes(dir / "whole"), joined);
}

TEST_F(BuildTest, StartsAtIndexZeroWhateverIndexThePathCarries)
{
    const std::string joined = WritePackages(dir / "x", {"abcd", "efgh", "ij"});
    ASSERT_TRUE(Build("x.c2", "whole"));
    EXPECT_EQ(ReadBytes(dir / "whole"), joined);
}

TEST_F(BuildTest, CopiesEveryByteValueAndSkipsEmptyPackages)
{
    std::vector<std::string> contents {""};
    for (int value = 0; value < 256; value += 64) {
        std::string part;
        for (int offset = 0; offset < 64; ++offset)
            part += static_cast<char>(value + offset);
        contents.push_back(part);
        contents.emplace_back();
    }
    const std::string joined = WritePackages(dir / "x", contents);
    ASSERT_TRUE(Build("x.c0", "whole"));
    EXPECT_EQ(ReadBytes(dir / "whole"), joined);
    EXPECT_EQ(joined.size(), 256u);
}

TEST_F(BuildTest, MakesAnEmptyFileOfOneEmptyPackage)
{
    WritePackages(dir / "x", {""});
    ASSERT_TRUE(Build("x.c0", "whole"));
    EXPECT_TRUE(IsRegular(dir / "whole"));
    EXPECT_EQ(ReadBytes(dir / "whole"), "");
}

TEST_F(BuildTest, StopsAtTheFirstGap)
{
    WritePackages(dir / "x", {"ab", "cd"});
    WriteBytes(dir / "x.c3", "ef");
    ASSERT_TRUE(Build("x.c3", "whole"));
    EXPECT_EQ(ReadBytes(dir / "whole"), "abcd");
}

TEST_F(BuildTest, RefusesNamesWithoutAPackageZero)
{
    WritePackages(dir / "x", {"ab"});
    WriteBytes(dir / "x.C0", "ab");
    WriteBytes(dir / "x.txt", "ab");
    WriteBytes(dir / "y.c1", "ab");
    for (const char* name : {"x.c", "x.C0", "x.txt", "y.c1", "z.c0"}) {
        EXPECT_FALSE(Build(name, "whole")) << name;
        EXPECT_FALSE(Exists(dir / "whole")) << name;
    }
}

TEST_F(BuildTest, ReplacesAnExistingDestinationOnlyWithOverwrite)
{
    WritePackages(dir / "x", {"ab", "c"});
    WriteBytes(dir / "whole", "a much longer old content");

    EXPECT_FALSE(Build("x.c0", "whole", false));
    EXPECT_EQ(ReadBytes(dir / "whole"), "a much longer old content");

    ASSERT_TRUE(Build("x.c0", "whole", true));
    EXPECT_EQ(ReadBytes(dir / "whole"), "abc");
}

TEST_F(BuildTest, RefusesADestinationThatCannotBeCreated)
{
    WritePackages(dir / "x", {"ab"});
    ASSERT_EQ(mkdir((dir / "sub").c_str(), 0700), 0);
    EXPECT_FALSE(Build("x.c0", "missing/whole", true));
    EXPECT_FALSE(Build("x.c0", "sub", true));
    EXPECT_FALSE(Exists(dir / "missing"));
}

TEST_F(BuildTest, NeverBlocksOnAFifoDestination)
{
    WritePackages(dir / "x", {"ab"});
    ASSERT_EQ(mkfifo((dir / "fifo").c_str(), 0600), 0);
    EXPECT_FALSE(Build("x.c0", "fifo", true));
}

class BuildIntoOwnPackageTest : public testing::TestWithParam<OwnPackageCase>
{
};

// Truncating the destination would destroy a package before it has been read.
TEST_P(BuildIntoOwnPackageTest, RefusesADestinationThatIsAPackageOfTheSet)
{
    const TempDir dir;
    const std::string destination = GetParam().Arrange(dir / "x", dir / "whole");
    ASSERT_FALSE(destination.empty());
    EXPECT_FALSE(Velkaro::Build(dir / "x.c0", destination, true));
    EXPECT_EQ(PackageContents(dir / "x", 3), GetParam().set);
}

INSTANTIATE_TEST_SUITE_P(Ways, BuildIntoOwnPackageTest,
    testing::Values(OwnPackageCase {"package 1 by name", {"ab", "cd", "ef"}, "name", 1},
        OwnPackageCase {"package 0 by hard link", {"ab", "cd", "ef"}, "hardlink", 0},
        OwnPackageCase {"last package by symbolic link", {"ab", "cd", "ef"}, "symlink", 2}));

// A new destination named as the next index would join itself into itself without end.
TEST_F(BuildTest, RefusesADestinationThatWouldExtendTheSet)
{
    WritePackages(dir / "x", {"ab", "cd"});
    EXPECT_FALSE(Build("x.c0", "x.c2", true));
    EXPECT_FALSE(Exists(dir / "x.c2"));
    EXPECT_EQ(ReadBytes(dir / "x.c1"), "cd");
}

// A socket carries the regular-file bit but holds nothing to read: it ends the set as a folder
// does.
TEST_F(BuildTest, ASocketEndsTheSet)
{
    WritePackages(dir / "x", {"ab"});
    MakeSocket(dir / "x.c1");
    WriteBytes(dir / "x.c2", "cd");

    EXPECT_TRUE(Build("x.c0", "new", true));
    EXPECT_EQ(ReadBytes(dir / "new"), "ab");
}

TEST_F(BuildTest, ReportsAFullDeviceAndLeavesDevicesInPlace)
{
    WritePackages(dir / "x", {"ab", "cd"});
    ASSERT_EQ(symlink("/dev/full", (dir / "full").c_str()), 0);
    ASSERT_EQ(symlink("/dev/null", (dir / "null").c_str()), 0);

    EXPECT_FALSE(Build("x.c0", "full", true));
    EXPECT_TRUE(Build("x.c0", "null", true));

    struct stat status = {};
    ASSERT_EQ(stat((dir / "full").c_str(), &status), 0);
    EXPECT_TRUE(S_ISCHR(status.st_mode));
    ASSERT_EQ(stat((dir / "null").c_str(), &status), 0);
    EXPECT_TRUE(S_ISCHR(status.st_mode));
}

} // namespace

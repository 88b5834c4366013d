#include "TestFiles.h"
#include "Velkaro.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

class IsPckTest : public testing::Test
{
protected:
    unsigned long Count(const std::string& name) const { return Velkaro::IsPck(dir / name); }

    TempDir dir;
};

TEST_F(IsPckTest, CountsTheSetFromIndexZeroWhateverIndexThePathCarries)
{
    WritePackages(dir / "f", {"a", "b", "c"});
    for (const char* name : {"f.c0", "f.c2", "f.c007", "f.c9", "f.c0 ", "f.c1\t\n"})
        EXPECT_EQ(Count(name), 3u) << '"' << name << '"';
}

TEST_F(IsPckTest, RefusesNamesThatAreNoPackageNames)
{
    WritePackages(dir / "f", {"a", "b"});
    WriteBytes(dir / "f.C0", "x");
    for (const char* name :
        {"f.C0", "f.c", "f.cx1", "f.c1a", "f.c-1", "f.c 1", "f.txt", "f", "f.c1/"})
        EXPECT_EQ(Count(name), 0u) << '"' << name << '"';
}

// "x. c1" trims to the extension "c1" but holds no ".c" of its own: it names no set, neither in
// its folder nor the files 0, 1, ... of the folder the program runs in.
TEST_F(IsPckTest, ANameWhoseExtensionOnlyTrimsToAPackagesIsNoPackage)
{
    WriteBytes(dir / "0", "a");
    WriteBytes(dir / "1", "b");
    WriteBytes(dir / "x. c1", "c");
    const std::string previous = std::filesystem::current_path();
    std::filesystem::current_path(dir.Path());
    EXPECT_EQ(Count("x. c1"), 0u);
    EXPECT_EQ(Count("x.\tc1"), 0u);
    EXPECT_FALSE(Velkaro::Build(dir / "x. c1", dir / "out", false));
    std::filesystem::current_path(previous);
    EXPECT_FALSE(Exists(dir / "out"));
}

TEST_F(IsPckTest, LooksOnlyAtTheLastComponentForTheExtension)
{
    ASSERT_EQ(mkdir((dir / "d.c0").c_str(), 0700), 0);
    WriteBytes(dir / "d.c0/f", "x");
    EXPECT_EQ(Count("d.c0/f"), 0u);
}

TEST_F(IsPckTest, CutsThePrefixAfterTheLastDotC)
{
    WritePackages(dir / "x.c1", {"a", "b"});
    WritePackages(dir / "x", {"a"});
    EXPECT_EQ(Count("x.c1.c5"), 2u);
    EXPECT_EQ(Count("x.c1"), 1u);
}

TEST_F(IsPckTest, EndsTheSetAtTheFirstIndexThatIsNoRegularFile)
{
    WritePackages(dir / "gap", {"a", "b"});
    WriteBytes(dir / "gap.c3", "d");
    WriteBytes(dir / "late.c1", "b");
    WriteBytes(dir / "dir.c0", "a");
    ASSERT_EQ(mkdir((dir / "dir.c1").c_str(), 0700), 0);
    WriteBytes(dir / "dir.c2", "c");
    WriteBytes(dir / "sock.c0", "a");
    MakeSocket(dir / "sock.c1");

    EXPECT_EQ(Count("gap.c3"), 2u);
    EXPECT_EQ(Count("late.c1"), 0u);
    EXPECT_EQ(Count("dir.c0"), 1u);
    EXPECT_EQ(Count("sock.c0"), 1u);
}

TEST_F(IsPckTest, CountsEmptyPackagesAndIndicesBeyondNine)
{
    std::vector<std::string> contents(12, "z");
    contents.back().clear();
    WritePackages(dir / "big", contents);
    WriteBytes(dir / "big.c012", "not a package name of the set");
    EXPECT_EQ(Count("big.c11"), 12u);
}

} // namespace

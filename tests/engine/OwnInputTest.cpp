// A command never removes, wipes or writes its own input, however the input is named: through a
// second view of its folder, in other letters where the file system ignores case, or as a file in
// the new set's own range. The window's question and refusal come from the same plan.

#include "FolderView.h"
#include "MountedImage.h"
#include "TestFiles.h"
#include "Velkaro.h"
#include "planning/BuildPlan.h"
#include "planning/SplitPlan.h"

#include <gtest/gtest.h>

namespace {

TEST(OwnInput, IsSeenThroughASecondViewOfItsFolder)
{
    const TempDir dir;
    const FolderView alias(dir.Path());
    if (!alias.IsMounted())
        GTEST_SKIP() << alias.Unavailable();
    const std::string source = RandomBytes(10000, 51);
    WriteBytes(dir / "x.c0", source);
    WritePackages(dir / "s", {"abcd", "efgh", "ij"});
    WriteBytes(dir / "l.c3", source);
    const std::string set = WritePackages(dir / "y", {"ab", "cd", "ef"});

    EXPECT_EQ(
        PlanSplit(dir / "x.c0", alias / "x", 4000).FirstRefusal(true), SplitPlan::Refusal::Overlap);
    EXPECT_FALSE(Velkaro::Split(dir / "x.c0", alias / "x", 4000, true));
    EXPECT_FALSE(Velkaro::Split(dir / "s.c1", alias / "s", 2, true));
    for (const bool overwrite : {false, true})
        EXPECT_FALSE(Velkaro::Split(dir / "l.c3", alias / "l", 2000, overwrite)) << overwrite;
    EXPECT_EQ(ReadBytes(dir / "x.c0"), source);
    EXPECT_EQ(ReadBytes(dir / "l.c3"), source);
    EXPECT_EQ(ReadBytes(dir / "s.c1"), "efgh");

    for (const char* name : {"y.c2", "Y.C7"}) {
        EXPECT_EQ(
            PlanBuild(dir / "y.c0", alias / name).FirstRefusal(true), BuildPlan::Refusal::Overlap)
            << name;
        EXPECT_FALSE(Velkaro::Build(dir / "y.c0", alias / name, true)) << name;
    }
    EXPECT_EQ(ReadBytes(dir / "y.c2"), "ef");
    EXPECT_FALSE(Exists(dir / "Y.C7"));
    // A folder that only holds a copy of the set is another folder.
    ASSERT_TRUE(Velkaro::Build(alias / "y.c0", dir / "copy", false));
    EXPECT_EQ(ReadBytes(dir / "copy"), set);
}

// FAT, exFAT and NTFS fold every letter to its simple upper case, not only ASCII's.
TEST(OwnInput, NamesInOtherLettersBeyondAsciiAreTheSetsOwn)
{
    const TempDir dir;
    WriteBytes(dir / "ärger.C1", "source bytes");
    EXPECT_EQ(PlanSplit(dir / "ärger.C1", dir / "ÄRGER", 4).FirstRefusal(true),
        SplitPlan::Refusal::Overlap);
    EXPECT_FALSE(Velkaro::Split(dir / "ärger.C1", dir / "ÄRGER", 4, true));

    const MountedImage stick(MountedImage::Type::ExfatFuse, 16);
    if (!stick.IsMounted())
        GTEST_SKIP() << stick.Unavailable();
    WriteBytes(stick / "ärger.c1", "source bytes");
    EXPECT_FALSE(Velkaro::Split(stick / "ärger.c1", stick / "Ärger", 4, true));
    EXPECT_EQ(ReadBytes(stick / "ärger.c1"), "source bytes");
}

// A file at a name the new set writes is replaced only with overwrite, as the old set is, even
// where no package 0 makes it part of a set.
TEST(OwnInput, AFileInTheNewSetsRangeIsReplacedOnlyWithOverwrite)
{
    const TempDir dir;
    WriteBytes(dir / "src", "0123456789");
    WriteBytes(dir / "f.c1", "user's data");
    const SplitPlan plan = PlanSplit(dir / "src", dir / "f", 4);
    EXPECT_EQ(plan.FirstRefusal(false), SplitPlan::Refusal::Replaces);
    EXPECT_EQ(plan.FirstRefusal(true), SplitPlan::Refusal::None);

    EXPECT_FALSE(Velkaro::Split(dir / "src", dir / "f", 4, false));
    EXPECT_EQ(ReadBytes(dir / "f.c1"), "user's data");
    EXPECT_FALSE(Exists(dir / "f.c0"));
    ASSERT_TRUE(Velkaro::Split(dir / "src", dir / "f", 4, true));
    EXPECT_EQ(ReadBytes(dir / "f.c1"), "4567");
}

// What can be known before anything is touched stops a split before the old set is touched.
TEST(OwnInput, ASplitThatCannotFinishLeavesTheOldSetAsItWas)
{
    const TempDir dir;
    WriteBytes(dir / "src", RandomBytes(20, 52));
    const std::string base = dir / std::string(252, 'b');
    const std::string old = WritePackages(base, {"old ", "set"});
    // Package 10's name would be 256 bytes long.
    EXPECT_FALSE(Velkaro::Split(dir / "src", base, 1, true));
    EXPECT_EQ(Velkaro::IsPck(base + ".c0"), 2u);
    EXPECT_EQ(ReadBytes(base + ".c0") + ReadBytes(base + ".c1"), old);

    // With few descriptors a split either finishes or leaves the old set.
    const std::string split = std::string(ENGINE_DRIVER) + " split " + (dir / "src") + " "
        + (dir / "f") + " 1 overwrite";
    for (int limit = 6; limit <= 32; limit += 2) {
        const std::string previous = WritePackages(dir / "f", {"old ", "set ", "here"});
        const int status
            = std::system(("ulimit -n " + std::to_string(limit) + " && exec " + split).c_str());
        EXPECT_EQ(JoinedSet(dir / "f"), status == 0 ? ReadBytes(dir / "src") : previous)
            << "limit " << limit;
    }
}

} // namespace

#include "MountedImage.h"
#include "TestFiles.h"
#include "Velkaro.h"

#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace {

// The source and the joined file in `sourceDir`, the packages in `packageDir`.
void ExpectRoundTrip(const std::string& sourceDir, const std::string& packageDir,
    std::size_t length, std::uint32_t size, std::uint32_t seed)
{
    const std::string source = RandomBytes(length, seed);
    WriteBytes(sourceDir + "/src", source);
    ASSERT_TRUE(Velkaro::Split(sourceDir + "/src", packageDir + "/set", size, true)) << sourceDir;
    EXPECT_EQ(Velkaro::IsPck(packageDir + "/set.c0"), length / size + 1);
    ASSERT_TRUE(Velkaro::Build(packageDir + "/set.c0", sourceDir + "/joined", true)) << sourceDir;
    EXPECT_TRUE(ReadBytes(sourceDir + "/joined") == source)
        << sourceDir << ": length " << length << ", size " << size;
}

TEST(RoundTrip, GivesBackTheSourceForEveryLengthAroundThePackageSize)
{
    const TempDir dir;
    std::uint32_t seed = 1;
    for (const std::uint32_t size : {1u, 7u, 4096u, 65537u, 1457664u}) {
        const std::size_t sizeBytes = size;
        std::vector<std::size_t> lengths {
            0, 1, sizeBytes - 1, sizeBytes, sizeBytes + 1, 3 * sizeBytes};
        std::mt19937 generator(size);
        for (int random = 0; random < 3; ++random)
            lengths.push_back(generator() % (4 * sizeBytes + 10));
        for (const std::size_t length : lengths)
            ExpectRoundTrip(dir.Path(), dir.Path(), length, size, ++seed);
    }
}

// Across two file systems the kernel refuses to copy, and the read/write path does the work.
TEST(RoundTrip, WorksAcrossFileSystems)
{
    struct stat shm = {};
    struct stat tmp = {};
    const TempDir packages;
    if (stat("/dev/shm", &shm) != 0 || !S_ISDIR(shm.st_mode) || access("/dev/shm", W_OK) != 0)
        GTEST_SKIP() << "no writable /dev/shm for a second file system";
    stat(packages.Path().c_str(), &tmp);
    if (shm.st_dev == tmp.st_dev)
        GTEST_SKIP() << "/dev/shm and the temporary folder share a file system";
    const TempDir sources("/dev/shm");
    for (const std::size_t length : {std::size_t(0), std::size_t(700 * 1024 + 3)})
        ExpectRoundTrip(sources.Path(), packages.Path(), length, 300 * 1024, 3);
}

// Onto FUSE the bytes bypass the page cache: tails that end inside a block, small packages
// gathered through the buffer and the built file must still come out whole.
TEST(RoundTrip, WorksOnStickAndWindowsFileSystemsThroughFuse)
{
    const std::string unavailable = OnFuseMounts(
        [](const MountedImage& fuse) {
            ExpectRoundTrip(fuse.Path(), fuse.Path(), 3 * 1457664 + 4097, 1457664, 61);
            ExpectRoundTrip(fuse.Path(), fuse.Path(), 200 * 1024 + 5, 4099, 62);
        },
        32);
    if (!unavailable.empty())
        GTEST_SKIP() << unavailable;
}

TEST(RoundTrip, HandlesAHundredThousandPackages)
{
    const TempDir dir;
    const std::string source = RandomBytes(100000, 17);
    WriteBytes(dir / "src", source);

    ASSERT_TRUE(Velkaro::Split(dir / "src", dir / "set", 1, false));
    EXPECT_EQ(Velkaro::IsPck(dir / "set.c99999"), 100001u);
    EXPECT_EQ(ReadBytes(dir / "set.c99999"), source.substr(99999, 1));
    EXPECT_EQ(ReadBytes(dir / "set.c100000"), "");
    ASSERT_TRUE(Velkaro::Build(dir / "set.c50000", dir / "joined", false));
    EXPECT_TRUE(ReadBytes(dir / "joined") == source);
}

void WriteAt(int fd, off_t offset, const std::string& bytes)
{
    ASSERT_EQ(pwrite(fd, bytes.data(), bytes.size(), offset), static_cast<ssize_t>(bytes.size()));
}

// A sparse source costs no space, but its packages and the joined file are written in full.
TEST(RoundTrip, HandlesSourcesOverFourGibibytes)
{
    const TempDir dir;
    const off_t length = (off_t(4) << 30) + (off_t(1) << 20) + 123;
    const std::uint32_t size = 4294967295u;
    const unsigned long long needed
        = 2ull * static_cast<unsigned long long>(length) + (512ull << 20);
    struct statvfs space
    {
    };
    ASSERT_EQ(statvfs(dir.Path().c_str(), &space), 0);
    const unsigned long long available
        = static_cast<unsigned long long>(space.f_bavail) * space.f_frsize;
    if (available < needed)
        GTEST_SKIP() << "needs " << (needed >> 20) << " MiB free in " << dir.Path() << ", has "
                     << (available >> 20) << " MiB";

    {
        const int fd = open((dir / "src").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        ASSERT_GE(fd, 0);
        WriteAt(fd, 0, RandomBytes(4096, 1));
        WriteAt(fd, off_t(size) - 2048, RandomBytes(4096, 2));
        WriteAt(fd, off_t(1) << 32, RandomBytes(4096, 3));
        WriteAt(fd, length - 4096, RandomBytes(4096, 4));
        ASSERT_EQ(close(fd), 0);
    }

    ASSERT_TRUE(Velkaro::Split(dir / "src", dir / "set", size, false));
    struct stat status = {};
    ASSERT_EQ(stat((dir / "set.c0").c_str(), &status), 0);
    EXPECT_EQ(status.st_size, off_t(size));
    ASSERT_EQ(stat((dir / "set.c1").c_str(), &status), 0);
    EXPECT_EQ(status.st_size, length - off_t(size));
    EXPECT_FALSE(Exists(dir / "set.c2"));

    ASSERT_TRUE(Velkaro::Build(dir / "set.c1", dir / "joined", false));
    ASSERT_EQ(unlink((dir / "set.c0").c_str()), 0);
    ASSERT_EQ(unlink((dir / "set.c1").c_str()), 0);
    EXPECT_TRUE(SameContents(dir / "src", dir / "joined"));
}

} // namespace

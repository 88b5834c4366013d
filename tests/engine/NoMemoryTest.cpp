#include "TestFiles.h"
#include "Velkaro.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <new>
#include <utility>

// Every allocation of the test program comes through here, so that one of them can be made to
// fail: the one after `allocationsBeforeFailure` more, counted down only while it is not negative.
namespace {
thread_local long allocationsBeforeFailure = -1;
} // namespace

void* operator new(std::size_t size)
{
    if (allocationsBeforeFailure == 0) {
        allocationsBeforeFailure = -1;
        throw std::bad_alloc();
    }
    if (allocationsBeforeFailure > 0)
        --allocationsBeforeFailure;
    if (void* bytes = std::malloc(size == 0 ? 1 : size))
        return bytes;
    throw std::bad_alloc();
}

void operator delete(void* bytes) noexcept
{
    std::free(bytes);
}

void operator delete(void* bytes, std::size_t) noexcept
{
    std::free(bytes);
}

namespace {

std::size_t EntriesIn(const std::string& folder)
{
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder), {}));
}

// Wherever memory runs out, a command fails like any other: false, with nothing of its own left
// behind, and no exception out of the engine.
TEST(NoMemory, ACommandFailsCleanlyWhereverAnAllocationFails)
{
    TempDir dir;
    const std::string source = RandomBytes(10000, 5);
    const std::string file = dir / "f";
    const std::string package = dir / "f.c2";
    const std::string joined = dir / "joined";
    WriteBytes(file, source);
    for (long failing = 0;; ++failing) {
        ASSERT_LT(failing, 10000) << "the split never got to its end";
        // The paths are taken by value: made before memory runs out, and handed over.
        std::string from = file;
        std::string to = file;
        allocationsBeforeFailure = failing;
        const bool split = Velkaro::Split(std::move(from), std::move(to), 3000, false);
        allocationsBeforeFailure = -1;
        if (split)
            break;
        ASSERT_EQ(EntriesIn(dir.Path()), 1U) << "allocation " << failing;
    }
    for (long failing = 0;; ++failing) {
        ASSERT_LT(failing, 10000) << "the build never got to its end";
        std::string from = package;
        std::string to = joined;
        allocationsBeforeFailure = failing;
        const bool built = Velkaro::Build(std::move(from), std::move(to), false);
        allocationsBeforeFailure = -1;
        if (built)
            break;
        ASSERT_EQ(EntriesIn(dir.Path()), 5U) << "allocation " << failing;
    }
    EXPECT_EQ(ReadBytes(joined), source);
}

} // namespace

#include "posix/SameFile.h"

#include "posix/FileIdentity.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <unistd.h>

namespace {

// The step of the clock a time was taken with, as far as its digits tell: a view that keeps only
// seconds (sshfs) or tenths of a microsecond (SMB) shows the same time with zeros at the end.
long StepOf(long nanoseconds)
{
    long step = 1;
    while (step < 1000000000L && nanoseconds % (step * 10) == 0)
        step *= 10;
    return step;
}

bool SameTimeAtCoarserClock(const timespec& a, const timespec& b)
{
    const long step = std::max(StepOf(a.tv_nsec), StepOf(b.tv_nsec));
    return a.tv_sec == b.tv_sec && a.tv_nsec / step == b.tv_nsec / step;
}

constexpr std::size_t Sample = 64 * 1024;

// Up to `Sample` bytes at `offset`; -1 on a read error.
ssize_t ReadSample(int fd, off_t offset, std::array<char, Sample>& buffer)
{
    ssize_t got = 0;
    while (got < static_cast<ssize_t>(Sample)) {
        const ssize_t now = pread(fd, buffer.data() + got, Sample - got, offset + got);
        if (now < 0 && errno == EINTR)
            continue;
        if (now < 0)
            return -1;
        if (now == 0)
            break;
        got += now;
    }
    return got;
}

bool SameBytesAt(int first, int second, off_t offset)
{
    std::array<char, Sample> a {};
    std::array<char, Sample> b {};
    const ssize_t gotA = ReadSample(first, offset, a);
    const ssize_t gotB = ReadSample(second, offset, b);
    // What cannot be read cannot tell the two apart.
    if (gotA < 0 || gotB < 0)
        return true;
    return gotA == gotB && std::equal(a.begin(), a.begin() + gotA, b.begin());
}

} // namespace

bool MayBeSameFile(
    int first, const struct stat& firstStatus, int second, const struct stat& secondStatus)
{
    if (IdentityOf(firstStatus) == IdentityOf(secondStatus))
        return true;
    if (firstStatus.st_size != secondStatus.st_size
        || !SameTimeAtCoarserClock(firstStatus.st_mtim, secondStatus.st_mtim))
        return false;
    if (first < 0 || second < 0)
        return true;
    const off_t tail = std::max<off_t>(0, firstStatus.st_size - static_cast<off_t>(Sample));
    return SameBytesAt(first, second, 0) && SameBytesAt(first, second, tail);
}

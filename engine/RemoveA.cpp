#include "RemoveA.h"

#include "FileDescriptor.h"
#include "FileIdentity.h"
#include "OutputFile.h"
#include "PackagesInFlight.h"
#include "PageBuffer.h"
#include "Retry.h"
#include "WriteAll.h"

#include <algorithm>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr off_t ZeroBlockSize = off_t(1) << 20;

// The regular file that `path` named when `named` was taken, open for writing; closed when the
// name now leads elsewhere or the file cannot be written.
FileDescriptor OpenForWiping(int folder, const char* path, const struct stat& named)
{
    FileDescriptor file(RetryOnInterrupt([&] {
        return openat(folder, path, O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    }));
    struct stat opened = {};
    if (!file.IsOpen() || RetryOnInterrupt([&] { return fstat(file.Get(), &opened); }) != 0
        || !(IdentityOf(opened) == IdentityOf(named)))
        return FileDescriptor();
    return file;
}

// Writes zeros over the first `length` bytes, in place (no truncation, which would free the old
// blocks instead of overwriting them). They reach the device before the descriptor goes, or the
// kernel would drop them with the unlinked file: here, or through `inFlight` in one batch with
// the rest of the command's writing.
bool OverwriteWithZeros(
    int fd, off_t length, const Heartbeat& heartbeat, PackagesInFlight* inFlight)
{
    const PageBuffer zeros(static_cast<std::size_t>(std::min(length, ZeroBlockSize)));
    OutputFile output(FileDescriptor(RetryOnInterrupt([&] { return dup(fd); })));
    if (!output.IsOpen() || lseek(fd, 0, SEEK_SET) != 0)
        return false;
    for (off_t done = 0; done < length;) {
        const std::size_t block
            = static_cast<std::size_t>(std::min<off_t>(length - done, ZeroBlockSize));
        if (!WriteAll(fd, zeros.Data(), block) || !output.Wrote(block))
            return false;
        done += static_cast<off_t>(block);
        if (heartbeat)
            heartbeat();
    }
    return inFlight ? inFlight->Add(std::move(output)) : output.Sync();
}

} // namespace

bool RemoveA(const char* path, unsigned short passes, const Heartbeat& heartbeat)
{
    return RemoveA(path, passes, heartbeat, nullptr);
}

bool RemoveA(
    const char* path, unsigned short passes, const Heartbeat& heartbeat, PackagesInFlight* inFlight)
{
    return RemoveAt(AT_FDCWD, path, passes, heartbeat, inFlight);
}

bool RemoveAt(int folder, const char* path, unsigned short passes, const Heartbeat& heartbeat,
    PackagesInFlight* inFlight)
{
    struct stat followed = {};
    if (RetryOnInterrupt([&] { return fstatat(folder, path, &followed, 0); }) != 0
        || (followed.st_mode & S_IFREG) == 0)
        return true;

    struct stat named = {};
    if (RetryOnInterrupt([&] { return fstatat(folder, path, &named, AT_SYMLINK_NOFOLLOW); }) != 0)
        return false;
    if (S_ISLNK(named.st_mode))
        return RetryOnInterrupt([&] { return unlinkat(folder, path, 0); }) == 0;
    // VerifyFileA lets sockets through; they are not ours to delete.
    if (!S_ISREG(named.st_mode))
        return false;

    FileDescriptor file;
    if (passes > 0 && named.st_size > 0 && named.st_nlink == 1)
        file = OpenForWiping(folder, path, named);
    // The name goes first, so that an interrupted wipe never leaves a half-zeroed file behind a
    // name that still counts; the open descriptor keeps the blocks to overwrite.
    if (RetryOnInterrupt([&] { return unlinkat(folder, path, 0); }) != 0)
        return false;
    // Each pass but the last reaches the device before the next one overwrites it in memory.
    for (unsigned short pass = 0; file.IsOpen() && pass < passes; ++pass) {
        const bool last = pass + 1 == passes;
        if (!OverwriteWithZeros(file.Get(), named.st_size, heartbeat, last ? inFlight : nullptr))
            break;
    }
    return true;
}

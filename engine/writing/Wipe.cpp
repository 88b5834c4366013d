#include "writing/Wipe.h"

#include "durability/OutputFile.h"
#include "durability/PackagesInFlight.h"
#include "posix/FileIdentity.h"
#include "posix/HiddenFile.h"
#include "posix/Retry.h"
#include "posix/WriteAll.h"
#include "writing/PageBuffer.h"

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr off_t ZeroBlockSize = off_t(1) << 20;

// The regular file that `name` named when `named` was taken, open for writing; closed when the
// name now leads elsewhere or the file cannot be written.
FileDescriptor OpenForWiping(int folder, const char* name, const struct stat& named)
{
    FileDescriptor file(RetryOnInterrupt([&] {
        return openat(folder, name, O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    }));
    struct stat opened = {};
    if (!file.IsOpen() || RetryOnInterrupt([&] { return fstat(file.Get(), &opened); }) != 0
        || !(IdentityOf(opened) == IdentityOf(named)))
        return FileDescriptor();
    return file;
}

} // namespace

Unlinked UnlinkForWiping(int folder, const char* name, bool wipe, bool renameFirst)
{
    Unlinked unlinked;
    struct stat followed = {};
    if (RetryOnInterrupt([&] { return fstatat(folder, name, &followed, 0); }) != 0
        || !S_ISREG(followed.st_mode)) {
        unlinked.gone = true;
        return unlinked;
    }
    struct stat named = {};
    if (RetryOnInterrupt([&] { return fstatat(folder, name, &named, AT_SYMLINK_NOFOLLOW); }) != 0)
        return unlinked;
    if (S_ISLNK(named.st_mode)) {
        unlinked.gone = RetryOnInterrupt([&] { return unlinkat(folder, name, 0); }) == 0;
        return unlinked;
    }
    if (!S_ISREG(named.st_mode))
        return unlinked;
    const bool kept = wipe && named.st_size > 0 && named.st_nlink == 1;
    if (kept && renameFirst) {
        unlinked.hidden = MakeHiddenName(name, [&](const std::string& candidate) {
            return RetryOnInterrupt([&] {
                return renameat2(folder, name, folder, candidate.c_str(), RENAME_NOREPLACE);
            }) == 0;
        });
        unlinked.gone = !unlinked.hidden.empty();
    }
    if (kept) {
        unlinked.file
            = OpenForWiping(folder, unlinked.gone ? unlinked.hidden.c_str() : name, named);
        unlinked.length = named.st_size;
    }
    // Renamed away, the file keeps its hidden name until its wipe has begun.
    if (unlinked.gone)
        return unlinked;
    // The name goes first, so that an interrupted wipe never leaves a half-zeroed file behind a
    // name that still counts; the open descriptor keeps the blocks to overwrite.
    unlinked.gone = RetryOnInterrupt([&] { return unlinkat(folder, name, 0); }) == 0;
    if (!unlinked.gone)
        unlinked.file = FileDescriptor();
    return unlinked;
}

bool OverwriteWithZeros(
    int fd, off_t length, Push push, const Heartbeat& heartbeat, PackagesInFlight* inFlight)
{
    const PageBuffer zeros(static_cast<std::size_t>(std::min(length, ZeroBlockSize)));
    OutputFile output(FileDescriptor(RetryOnInterrupt([&] { return dup(fd); })), push);
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

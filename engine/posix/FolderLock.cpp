#include "posix/FolderLock.h"

#include "posix/Folder.h"
#include "posix/Retry.h"

#include <cerrno>
#include <ctime>
#include <sys/file.h>
#include <utility>

namespace {

// Taken once the holder lets go; -1 where the file system keeps no locks.
int Take(int fd, int kind, const Heartbeat& heartbeat)
{
    for (;;) {
        if (flock(fd, kind | LOCK_NB) == 0)
            return fd;
        if (errno == EINTR)
            continue;
        if (errno != EWOULDBLOCK)
            return -1;
        if (heartbeat)
            heartbeat();
        const timespec pause = {0, 20 * 1000 * 1000};
        nanosleep(&pause, nullptr);
    }
}

bool Before(const Folder& a, const Folder& b)
{
    const FileIdentity x = a.Identity();
    const FileIdentity y = b.Identity();
    return x.device != y.device ? x.device < y.device : x.inode < y.inode;
}

} // namespace

FolderLock::FolderLock(const Folder& written, const Folder* read, const Heartbeat& heartbeat)
{
    if (!read || read->Identity() == written.Identity()) {
        first = Take(written.Get(), LOCK_EX, heartbeat);
        return;
    }
    // Always in the same order, so that two commands that each hold one never wait for each other.
    std::pair<int, int> one(written.Get(), LOCK_EX);
    std::pair<int, int> two(read->Get(), LOCK_SH);
    if (Before(*read, written))
        std::swap(one, two);
    first = Take(one.first, one.second, heartbeat);
    second = Take(two.first, two.second, heartbeat);
}

FolderLock::~FolderLock()
{
    for (const int fd : {second, first}) {
        if (fd >= 0)
            RetryOnInterrupt([&] { return flock(fd, LOCK_UN); });
    }
}

#include "posix/WriteAll.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

bool WriteDirectly(int fd, bool direct)
{
    const int flags = fcntl(fd, F_GETFL);
    if (flags < 0 || ((flags & O_DIRECT) != 0) == direct)
        return false;
    return fcntl(fd, F_SETFL, direct ? flags | O_DIRECT : flags & ~O_DIRECT) == 0;
}

bool WriteAll(int fd, const void* data, std::size_t size)
{
    const char* next = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t written = write(fd, next, size);
        // A FUSE file system may pass a direct write on to a file of its own that takes only
        // aligned ones; such a write is refused whole, and goes again through the page cache.
        if (written < 0 && (errno == EINTR || (errno == EINVAL && WriteDirectly(fd, false))))
            continue;
        if (written < 0)
            return false;
        if (written == 0) {
            // A device that takes nothing and reports no error is as full as a full disk.
            errno = ENOSPC;
            return false;
        }
        next += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

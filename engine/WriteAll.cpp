#include "WriteAll.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

// A FUSE file system may pass a direct write on to a file of its own that takes only aligned
// ones; such a write is refused whole, and goes again through the page cache.
bool StopWritingDirectly(int fd)
{
    const int flags = fcntl(fd, F_GETFL);
    return flags >= 0 && (flags & O_DIRECT) != 0 && fcntl(fd, F_SETFL, flags & ~O_DIRECT) == 0;
}

} // namespace

bool WriteAll(int fd, const void* data, std::size_t size)
{
    const char* next = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t written = write(fd, next, size);
        if (written < 0 && (errno == EINTR || (errno == EINVAL && StopWritingDirectly(fd))))
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

#include "posix/FileDescriptor.h"

#include <unistd.h>
#include <utility>

FileDescriptor::~FileDescriptor()
{
    Close();
}

FileDescriptor::FileDescriptor(FileDescriptor&& other) noexcept
    : fd(std::exchange(other.fd, -1)) { }

FileDescriptor& FileDescriptor::operator=(FileDescriptor&& other) noexcept
{
    if (this != &other) {
        Close();
        fd = std::exchange(other.fd, -1);
    }
    return *this;
}

bool FileDescriptor::Close()
{
    if (fd < 0)
        return true;
    // Linux releases the descriptor even when close fails (also on EINTR), so never retry.
    const bool closed = close(std::exchange(fd, -1)) == 0;
    return closed;
}

#include "posix/OpenFile.h"

#include "posix/Retry.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int CommonFlags = O_CLOEXEC | O_NOCTTY;

} // namespace

bool IsRegularFile(const struct stat& status)
{
    return S_ISREG(status.st_mode);
}

FileDescriptor OpenRegularForReading(const char* path, struct stat& status)
{
    return OpenRegularForReadingAt(AT_FDCWD, path, status);
}

FileDescriptor OpenRegularForReadingAt(int folder, const char* name, struct stat& status)
{
    FileDescriptor file(RetryOnInterrupt(
        [&] { return openat(folder, name, O_RDONLY | O_NONBLOCK | CommonFlags); }));
    if (!file.IsOpen() || RetryOnInterrupt([&] { return fstat(file.Get(), &status); }) != 0
        || !IsRegularFile(status))
        return FileDescriptor();
    return file;
}

FileDescriptor CreateNewFileAt(int folder, const char* name, mode_t mode)
{
    return FileDescriptor(RetryOnInterrupt([&] {
        return openat(folder, name, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | CommonFlags, mode);
    }));
}

FileDescriptor OpenSpecialForWriting(const char* path)
{
    FileDescriptor file(
        RetryOnInterrupt([&] { return open(path, O_WRONLY | O_NONBLOCK | CommonFlags); }));
    struct stat status = {};
    if (!file.IsOpen() || RetryOnInterrupt([&] { return fstat(file.Get(), &status); }) != 0
        || S_ISREG(status.st_mode))
        return FileDescriptor();
    // None of the other status flags that F_SETFL touches was asked for: 0 clears O_NONBLOCK.
    if (fcntl(file.Get(), F_SETFL, 0) < 0)
        return FileDescriptor();
    return file;
}

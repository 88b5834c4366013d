#include "OpenFile.h"

#include <fcntl.h>

FileDescriptor OpenForReading(const char* path)
{
    FileDescriptor file(open(path, O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (file.IsOpen())
        posix_fadvise(file.Get(), 0, 0, POSIX_FADV_SEQUENTIAL);
    return file;
}

FileDescriptor OpenForWriting(const char* path)
{
    FileDescriptor file(
        open(path, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOCTTY | O_NONBLOCK, 0666));
    if (!file.IsOpen())
        return file;
    // None of the other status flags that F_SETFL touches was asked for: 0 clears O_NONBLOCK.
    if (fcntl(file.Get(), F_SETFL, 0) < 0)
        return FileDescriptor();
    return file;
}

#include "OpenFile.h"

#include <fcntl.h>
#include <sys/stat.h>

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
    const int flags = fcntl(file.Get(), F_GETFL);
    if (flags < 0 || fcntl(file.Get(), F_SETFL, flags & ~O_NONBLOCK) < 0)
        return FileDescriptor();
    return file;
}

bool IsRegularFile(int descriptor)
{
    struct stat status {};
    return fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode);
}

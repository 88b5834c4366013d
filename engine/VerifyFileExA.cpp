#include "VerifyFileExA.h"

#include "FileDescriptor.h"
#include "VerifyFileA.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

// O_NONBLOCK keeps the probe from hanging on a FIFO that nobody reads (the open fails with ENXIO
// instead). O_EXCL tells a file we create from one that was there: only the former is removed, and
// nothing that existed is ever truncated.
int VerifyFileExA(const char* path)
{
    if (VerifyFileA(path))
        return 0;

    constexpr int flags = O_WRONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK;
    FileDescriptor created(open(path, flags | O_CREAT | O_EXCL, 0666));
    if (created.IsOpen()) {
        created.Close();
        // A probe file that cannot be taken away again would stay behind as an empty file.
        return unlink(path) == 0 ? 1 : 2;
    }
    if (errno != EEXIST)
        return 2;

    // Something that is not a regular file is there (a device, a FIFO, a directory, a dangling
    // link): writable only if it opens as it is, and it is left exactly as it was.
    FileDescriptor existing(open(path, flags));
    return existing.IsOpen() ? 1 : 2;
}

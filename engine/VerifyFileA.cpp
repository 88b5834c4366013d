#include "VerifyFileA.h"

#include "posix/OpenFile.h"
#include "posix/Retry.h"

#include <sys/stat.h>

// A split that took anything but a regular file (a socket, say) for its source or a package
// would fail half-way through.
bool VerifyFileA(const char* path)
{
    struct stat status = {};
    return RetryOnInterrupt([&] { return stat(path, &status); }) == 0 && IsRegularFile(status);
}

#include "VerifyFileA.h"

#include "posix/Retry.h"

#include <sys/stat.h>

// The whole type field is tested: a socket (0140000) carries the S_IFREG bit too, but holds no
// bytes to read, and a split that took one for a package would fail half-way through.
bool VerifyFileA(const char* path)
{
    struct stat status = {};
    if (RetryOnInterrupt([&] { return stat(path, &status); }) != 0)
        return false;
    return S_ISREG(status.st_mode);
}

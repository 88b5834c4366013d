#include "VerifyFileA.h"

#include "Retry.h"

#include <sys/stat.h>

// Only the S_IFREG bit is tested, not the whole type field, so sockets (0140000) pass as well.
bool VerifyFileA(const char* path)
{
    struct stat status = {};
    if (RetryOnInterrupt([&] { return stat(path, &status); }) != 0)
        return false;
    return (status.st_mode & S_IFREG) != 0;
}

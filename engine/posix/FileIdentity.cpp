#include "posix/FileIdentity.h"

#include "posix/Retry.h"

FileIdentity IdentityOf(const struct stat& status)
{
    return FileIdentity {status.st_dev, status.st_ino};
}

std::optional<FileIdentity> IdentityOfPath(const char* path)
{
    struct stat status = {};
    if (RetryOnInterrupt([&] { return stat(path, &status); }) != 0)
        return std::nullopt;
    return IdentityOf(status);
}

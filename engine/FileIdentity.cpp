#include "FileIdentity.h"

#include <sys/stat.h>

namespace {

FileIdentity IdentityOf(const struct stat& status)
{
    return FileIdentity { status.st_dev, status.st_ino };
}

} // namespace

std::optional<FileIdentity> IdentityOfPath(const char* path)
{
    struct stat status {};
    if (stat(path, &status) != 0)
        return std::nullopt;
    return IdentityOf(status);
}

std::optional<FileIdentity> IdentityOfDescriptor(int descriptor)
{
    struct stat status {};
    if (fstat(descriptor, &status) != 0)
        return std::nullopt;
    return IdentityOf(status);
}

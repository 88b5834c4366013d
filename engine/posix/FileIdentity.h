#pragma once

#include <optional>
#include <sys/stat.h>
#include <sys/types.h>

// Which file a name or descriptor refers to: two names are the same file when device and inode
// match, whatever the names say (hard links, symbolic links, "./" and "../").
struct FileIdentity
{
    dev_t device = 0;
    ino_t inode = 0;

    bool operator==(const FileIdentity& other) const
    {
        return device == other.device && inode == other.inode;
    }
};

FileIdentity IdentityOf(const struct stat& status);

// Follows symbolic links; empty when the path cannot be examined.
std::optional<FileIdentity> IdentityOfPath(const char* path);

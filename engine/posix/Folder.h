#pragma once

#include "posix/FileDescriptor.h"
#include "posix/FileIdentity.h"

#include <functional>
#include <string>
#include <sys/stat.h>

// A folder a command works in, held open: every name the command plans on, reads, removes or
// writes is looked up in this very folder, whatever happens to the path that led to it meanwhile
// (a folder renamed or replaced by a link in a shared folder).
class Folder
{
public:
    Folder() = default;
    // The folder that holds `path` ("." for a bare name).
    static Folder Of(const std::string& path);
    // The folder at `path` itself.
    static Folder Open(const std::string& path);

    bool IsOpen() const { return fd.IsOpen(); }
    int Get() const { return fd.Get(); }
    FileIdentity Identity() const;

    // The status of `name` in the folder, through a symbolic link or of the link itself. False when
    // there is nothing (errno tells why).
    bool Stat(const std::string& name, struct stat& status) const;
    bool StatLink(const std::string& name, struct stat& status) const;

    // Calls `visit` with every name in the folder, in no order. False when the folder cannot be
    // read to its end: a listing cut short would miss names, so it counts as none.
    bool List(const std::function<void(const std::string& name)>& visit) const;

    // Its names are on stable storage. With `wholeFileSystem`, also through a sync of its whole
    // file system, where the folder's own fsync leaves some of its names in memory (ntfs3).
    bool Sync(bool wholeFileSystem = false) const;

private:
    FileDescriptor fd;
};

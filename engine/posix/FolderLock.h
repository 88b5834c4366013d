#pragma once

#include "posix/Heartbeat.h"

class Folder;

// Keeps the program's other commands (another window, a second instance) off the folders a
// command writes and reads, for the life of the object: the folder written to exclusively, the
// one read from shared, so that two commands on one set never interleave and a build never reads
// a set that a split is rewriting. A command that finds a folder taken waits for it, calling the
// heartbeat meanwhile. The locks sit on the folders themselves (flock), so no file is written for
// them, and they go with the process however it ends. Where a file system has no locks, the
// command goes on without.
class FolderLock
{
public:
    // `read` may be the folder written to, or null.
    FolderLock(const Folder& written, const Folder* read, const Heartbeat& heartbeat);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

private:
    int first = -1;
    int second = -1;
};

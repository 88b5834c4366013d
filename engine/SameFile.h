#pragma once

#include <cstdint>
#include <sys/stat.h>

// What a file looks like from outside: enough to tell, at the end of a command, whether an input
// is still as it was when the command began. Any write changes the change time, which nobody can
// set back.
struct FileState
{
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified = {};
    timespec changed = {};

    bool operator==(const FileState& other) const;
    bool operator!=(const FileState& other) const { return !(*this == other); }
};

FileState StateOf(const struct stat& status);

// Folds states into one number, so that a command can tell whether a million inputs are as they
// were without keeping a million states.
std::uint64_t Mix(std::uint64_t digest, const FileState& state);

// Whether two open regular files may be one file seen under two names that device and inode do
// not tie together: through two mounts of one folder (a FUSE view such as bindfs or sshfs, a
// network share of a local disk), or in two spellings on a file system without case, where FUSE
// gives each spelling an inode of its own. Besides the same device and inode, that is the same
// length, the same modification time at the coarser of the two clocks, and the same bytes at the
// start and the end. A copy that shares all that counts too: a command would rather refuse than
// risk its input. `first` or `second` may be -1 where the file could not be opened: then the
// bytes are not compared.
bool MayBeSameFile(
    int first, const struct stat& firstStatus, int second, const struct stat& secondStatus);

#pragma once

#include <sys/stat.h>

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

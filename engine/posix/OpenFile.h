#pragma once

#include "posix/FileDescriptor.h"

#include <sys/stat.h>

// Opens that never hang on a FIFO without a partner (the open itself is non-blocking and fails at
// once instead of waiting) and never hand out a descriptor for something other than what the
// caller asked for.

// Whether a file of this status is a regular file: the whole type field is tested, since a socket
// (0140000) carries the S_IFREG bit too but holds no bytes to read.
bool IsRegularFile(const struct stat& status);

// A regular file for reading from the start; `status` is the opened file's. Closed when the path
// names anything else. The kernel's own read-ahead is left as the device has it: doubling it
// (POSIX_FADV_SEQUENTIAL) made a split from and to one disk up to twice as slow, its long reads
// holding up the writing.
FileDescriptor OpenRegularForReading(const char* path, struct stat& status);
// The same for a name in an open folder.
FileDescriptor OpenRegularForReadingAt(int folder, const char* name, struct stat& status);

// A new file `name` in an open folder for writing, created by this call: nothing that was there
// before is ever opened, and a symbolic link at `name` is not followed. `mode` less the umask: 0666
// as for any new file, or the bits of what it is made from, so that it is readable by no one more.
FileDescriptor CreateNewFileAt(int folder, const char* name, mode_t mode = 0666);

// Something that exists and is not a regular file (a device, a FIFO with a reader) for writing in
// place. Writes block as usual once it is open.
FileDescriptor OpenSpecialForWriting(const char* path);

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

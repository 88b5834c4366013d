#pragma once

#include "posix/FileIdentity.h"

#include <cstdint>
#include <optional>
#include <sys/stat.h>

// What a file system keeps of a file that tells it apart from another file put at its name later.
// File systems made for Linux keep it all. Elsewhere inode numbers may be made up afresh whenever
// the kernel forgets a file (FUSE, SMB without server inode numbers), and times may move after a
// file is closed (SMB sets its write time at the close): a state resting on them would call a
// file changed that is not.
struct Distinguishing
{
    bool inodes = true; // inode numbers, and the file handle with its generation
    // Two files alive at once never share an inode number, even where a file may get another
    // number later (FAT, SMB): a name that shows the number of a file still open is that file.
    // Not so through FUSE, which may number a file by its name.
    bool unique = true;
    bool times = true; // modification and change times
    // Names and attributes are kept by a client or daemon for a while (FUSE, SMB, NFS): a name is
    // opened, and its attributes asked for afresh, to see what is really there now.
    bool cached = false;
    // Neither inode numbers nor times tell a file from one as long put at its name within the
    // same second (sshfs keeps whole seconds, SMB moves its times): bytes at its start and end
    // are compared too.
    bool bytes = false;
};

// What a file looks like from outside: enough to tell, at the end of a command, whether an input
// is still as it was when the command began, and whether a name still leads to the file a command
// wrote there. Any write changes the change time, which nobody can set back; a file made anew
// under a freed inode number has another generation (ext4, XFS, btrfs), which the file handle
// holds even where times are whole seconds.
struct FileState
{
    dev_t device = 0;
    ino_t inode = 0;
    std::uint64_t handle = 0; // a digest of the file handle; 0 where there is none
    std::uint64_t sample = 0; // a digest of bytes at its start and end, where they count
    off_t size = 0;
    timespec modified = {};
    timespec changed = {};

    bool operator==(const FileState& other) const;
    bool operator!=(const FileState& other) const { return !(*this == other); }
};

// `status` as `by` lets it tell files apart; no file handle.
FileState StateOf(const struct stat& status, const Distinguishing& by = {});

// The open regular file `fd`, its attributes asked for afresh where `by` says they are cached.
// Its bytes are not read: where they count, the caller gives the sample (SampleOf).
std::optional<FileState> StateOfOpen(int fd, const Distinguishing& by);

// A digest of the bytes of `fd` at `offset` and at the end of the `length` bytes from there, as
// FileState::sample holds it; 0 where they cannot be read.
std::uint64_t SampleOf(int fd, off_t offset, off_t length);

// What `name` in `folder` leads to now, a symbolic link not followed: none where it leads to no
// regular file. Where names are cached, the name is looked up afresh; where bytes count, they are
// sampled.
std::optional<FileState> StateAt(int folder, const char* name, const Distinguishing& by);

// Whether `now` may be the file `then` was taken of, once renamed: a rename moves the change time.
bool SameButRenamed(const FileState& then, const FileState& now);

// Which file `name` in `folder` leads to now, a symbolic link not followed, looked up afresh where
// names are cached: none where it leads to no regular file, or where inode numbers do not tell
// which file it is.
std::optional<FileIdentity> IdentityAt(int folder, const char* name, const Distinguishing& by);

// Folds states into one number, so that a command can tell whether a million inputs are as they
// were without keeping a million states.
std::uint64_t Mix(std::uint64_t digest, const FileState& state);

#pragma once

#include <cstdint>
#include <sys/stat.h>

// How each file system a command may write to makes bytes and names durable, and what it holds:
//
// | file system                  | bytes pushed on          | durable by                     |
// |------------------------------|--------------------------|--------------------------------|
// | ext4, XFS, btrfs, f2fs, tmpfs| started, not waited for  | one syncfs for every file      |
// | FAT, exFAT (the kernel's)    | started, not waited for  | each file's fsync, and again   |
// |                              |                          | after it is renamed            |
// | FUSE on a block device       | syncfs from our side,    | each file's fsync              |
// | (exFAT, NTFS sticks)         | 1-32 MiB at a time       |                                |
// | other FUSE (sshfs, bindfs)   | the file's fsync         | each file's fsync              |
// | anything else                | started, not waited for  | each file's fsync              |
//
// The kernel's FAT drivers (vfat, msdos) pass no syncfs on to the device's cache, and keep a
// file's length and first cluster in its folder entry: a renamed file's new entry gets them only
// when the file itself is written back, which the folder's fsync does not do. FAT32 holds no file
// of 4 GiB or more. Neither FAT nor exFAT, kernel or FUSE, keeps names and data in the order they
// were written: a removal reaches the device only when it is synced. A FAT volume mounted msdos
// takes 8.3 names only and so no hidden temporary name: there every command is refused before it
// changes anything.

// Whether one sync of the whole file system (syncfs) makes the files written to it durable, so
// that a command can make many files durable in one batch. Elsewhere each file is synced by itself.
bool SyncfsMakesDurable(int fd);

// Whether a file renamed on this file system must be synced again under its new name before the
// name holds its bytes on stable storage (the kernel's FAT and exFAT).
bool RenameNeedsFileSync(int fd);

// Whether a file is reached by its own name alone, letter case aside (ext4, XFS, btrfs, tmpfs):
// elsewhere a file may also answer to names the file system makes up (FAT's short names, names
// with trailing dots, Windows' short names).
bool NamesAreExact(int fd);

// The largest file the file system holds, in bytes.
std::uint64_t LargestFile(int fd);

// How what is written to a file is pushed on to its device before the file is synced.
enum class Push {
    // Its own pages, started without waiting (sync_file_range): file systems in the kernel and
    // block devices.
    Started,
    // FUSE on a block device (exFAT, NTFS): the daemon writes each request straight into the
    // device's cache, which only a sync of the file system writes out from our side, and waits.
    // The daemon answers one request at a time, and its sync of any one file writes out the
    // whole device first: nobody can so much as list a folder until that is done.
    FileSystemSync,
    // Other FUSE file systems (sshfs, one on an image file): only the file's own sync reaches
    // its bytes.
    FileSync,
};

// `status`: the file's own, as fstat gave it.
Push PushOf(int fd, const struct stat& status);

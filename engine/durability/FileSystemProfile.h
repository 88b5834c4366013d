#pragma once

#include "posix/FileState.h"

#include <cstdint>
#include <limits>
#include <sys/types.h>

// How each file system a command may write to makes bytes and names durable, and what it holds.
// A command asks once for each folder it writes to (FileSystemProfile::Of) and hands the answer
// down to everything that writes there.
//
// | file system                  | bytes pushed on         | durable by               | dirty    |
// |------------------------------|-------------------------|--------------------------|----------|
// | ext4, XFS, btrfs, f2fs, tmpfs| started, not waited for | one syncfs for all files | <512 MiB |
// | FAT, exFAT, NTFS (ntfs3): the| started, not waited for | each file's fsync, again | <512 MiB |
// | kernel's                     |                         | once it is renamed; on   |          |
// |                              |                         | ntfs3 names by syncfs    |          |
// | SMB (cifs)                   | started, not waited for | each file's fsync, again | <512 MiB |
// |                              |                         | once it is renamed       |          |
// | NFS                          | started, not waited for | each file's fsync        | <512 MiB |
// | FUSE on a block device       | syncfs from our side,   | each file's fsync        | 1-32 MiB |
// | (exFAT, NTFS sticks)         | 1-32 MiB at a time      |                          |          |
// | other FUSE (sshfs, bindfs)   | the file's fsync        | each file's fsync        | ~129 MiB |
// | anything else                | started, not waited for | each file's fsync        | <512 MiB |
//
// What tells a file from another put at its name (Distinguishing), and how a removal is done:
//
// | file system       | inode numbers | times | names seen afresh by | a removed name is gone  |
// |-------------------|---------------|-------|----------------------|-------------------------|
// | made for Linux,   | kept, with    | kept  | the kernel itself    | at once                 |
// | ntfs3             | the handle    |       |                      |                         |
// | FAT, exFAT        | made up       | kept  | the kernel itself    | at once                 |
// | NFS               | kept, with    | kept  | opening it (close-to-| at once (a file still   |
// |                   | the handle    |       | open revalidation)   | open is renamed away)   |
// | SMB (cifs)        | not relied on | moved | opening it           | once its last handle is |
// |                   |               |       |                      | closed: renamed first   |
// | FUSE              | made up       | kept  | opening it, and its  | at once                 |
// |                   |               |       | attributes re-asked  |                         |
// | anything else     | not relied on | kept  | opening it           | at once                 |
//
// The kernel's FAT drivers (vfat, msdos) pass no syncfs on to the device's cache, and keep a
// file's length and first cluster in its folder entry: a renamed file's new entry gets them only
// when the file itself is written back, which the folder's fsync does not do. FAT32 holds no file
// of 4 GiB or more. Neither FAT nor exFAT, kernel or FUSE, keeps names and data in the order they
// were written: a removal reaches the device only when it is synced. A FAT volume mounted msdos
// takes 8.3 names only and so no hidden temporary name: there every command is refused before it
// changes anything.
//
// The kernel's NTFS driver (ntfs3) puts a name change into the folder's index blocks, which the
// folder's fsync does not write (only its own record): the renamed file's fsync writes the block
// that holds its new name, and a sync of the file system writes them all, a removed name
// included.
//
// SMB: the server keeps names and bytes; a file's fsync reaches it as a flush, which Samba turns
// into an fsync of the file on its disk (and so, on a journalling disk, of the rename before
// it), while a sync of the whole file system and a folder's fsync reach no server. The server
// sets a file's write time when its handle is closed, after the client last looked, and ext4
// under it hands a freed inode number to the next file (or the client makes numbers up where the
// server gives none): neither tells files apart there. A name removed while the file is open
// (ours, for wiping, or the handle the client keeps for a while after a close) stays on the
// server, "delete pending", until the last handle is closed, and no new file can take it
// meanwhile: a name that is to go before its file is wiped is renamed away first.
//
// NFS: the server makes every name change durable before it answers; a file's fsync commits its
// bytes. Both clients keep names and attributes for a while, so a name is looked up afresh by
// opening it (which revalidates it) and asking for its attributes again.
//
// Memory: where pushes are only started, a file is pushed in windows of PushWindow with two of
// them in flight (WriteBehind), and the files written in full wait in one batch of at most
// MostBytesInFlight (PackagesInFlight): 3 x 128 MiB and the window being filled. Where a push
// waits, a file is pushed and waited for whenever a window has been written: WaitedWindow, growing
// up to MostWaitedWindow while pushes are quick, on FUSE over a block device; PushWindow through
// other FUSE, whose push is the file's own sync. The files held land together once WaitedWindow
// has been written across them.

// Bytes of one file pushed on at a time where pushes are only started; a file no larger is a
// single push. Pushing smaller pieces of a large package holds up its copying while the device
// takes each of them.
constexpr off_t PushWindow = off_t(128) << 20;
// The same where a push waits, to begin with: the larger, the longer the device's queue holds up
// what a FUSE daemon reads meanwhile.
constexpr off_t WaitedWindow = off_t(1) << 20;
// The most it grows to on a fast device.
constexpr off_t MostWaitedWindow = off_t(32) << 20;
// Bytes written in full and not yet waited for, across files.
constexpr std::uint64_t MostBytesInFlight = std::uint64_t(128) << 20;

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

// One row of the table: what the file system that holds a folder (or a device) does.
struct FileSystemProfile
{
    // How bytes are pushed on.
    Push push = Push::Started;
    // One sync of the whole file system (syncfs) makes every file written to it durable, so that
    // many files are made durable in one batch. Elsewhere each file is synced by itself.
    bool syncfsMakesDurable = false;
    // A renamed file is synced again under its new name before the name holds its bytes.
    bool renameNeedsFileSync = false;
    // A folder's fsync leaves a name change in memory: the index blocks that hold it are written
    // by a sync of the whole file system (ntfs3).
    bool namesNeedSyncfs = false;
    // A file is reached by its own name alone, letter case aside: elsewhere it may also answer to
    // names the file system makes up (FAT's short names, names with trailing dots, Windows' short
    // names).
    bool namesAreExact = false;
    // What tells one file from another put at its name. Where nothing is known of the file
    // system: neither inode numbers nor their uniqueness, only sizes and times, each name
    // looked up afresh and bytes compared.
    Distinguishing distinguishing {/* inodes */ false, /* unique */ false, /* times */ true,
        /* cached */ true, /* bytes */ true};
    // A name taken away from a file that is still open stays listed, and blocks a new file of
    // that name, until the file's last handle is closed (SMB).
    bool removalWaitsForClose = false;
    // The largest file it holds, in bytes.
    std::uint64_t largestFile = std::numeric_limits<std::uint64_t>::max();

    // The file system of the open folder, file or device `fd`; the last row of the table where it
    // cannot be looked at.
    static FileSystemProfile Of(int fd);
};

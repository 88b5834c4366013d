#pragma once

// Whether one sync of the whole file system (syncfs) makes the files written to it durable, so
// that a command can make many files durable in one batch. That holds for the journalling Linux
// file systems and for memory; it does not for FUSE ones (Windows disks, exFAT and FAT sticks
// through FUSE, sshfs), to which the kernel does not pass syncfs on, nor for those whose syncfs
// does not flush the device's cache. There each file is synced by itself.
bool SyncfsMakesDurable(int fd);

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

Push PushOf(int fd);

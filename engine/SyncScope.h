#pragma once

// Whether one sync of the whole file system (syncfs) makes the files written to it durable, so
// that a command can make many files durable in one batch. That holds for the journalling Linux
// file systems and for memory; it does not for FUSE ones (Windows disks, exFAT and FAT sticks
// through FUSE, sshfs), to which the kernel does not pass syncfs on, nor for those whose syncfs
// does not flush the device's cache. There each file is synced by itself.
bool SyncfsMakesDurable(int fd);

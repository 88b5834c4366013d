#pragma once

#include "durability/FileSystemProfile.h"
#include "posix/FileDescriptor.h"
#include "posix/Heartbeat.h"

#include <string>
#include <sys/types.h>

class PackagesInFlight;

// A file whose name has been taken away, held open so that its blocks can still be overwritten.
struct Unlinked
{
    bool gone = false; // the name is gone, or never named a regular file
    FileDescriptor file; // open only where there is something of ours to wipe
    off_t length = 0;
    // The hidden name the file was renamed to, where it was (SMB): taken away by the caller once
    // the wipe has begun, since a file there can be looked at only while it has a name.
    std::string hidden;
};

// Takes away the name of a regular file in `folder` (or AT_FDCWD for a path), keeping the file
// open for wiping with `wipe`. A symbolic link is removed itself, and a file that has other names
// is removed without being kept: what they lead to is not the caller's to wipe. Nothing else
// (a socket, a FIFO, a device) is removed. With `renameFirst`, where a name removed from a file
// still open would stay until it is closed (SMB), a file kept for wiping is first renamed to a
// hidden name, so that its own is gone at once.
Unlinked UnlinkForWiping(int folder, const char* name, bool wipe, bool renameFirst = false);

// Writes zeros over the first `length` bytes of `fd`, in place (no truncation, which would free
// the old blocks instead of overwriting them), pushed on as `push` says. They reach the device
// before the descriptor goes, or the kernel would drop them with the unlinked file: here, or
// through `inFlight` in one batch with the rest of the command's writing.
bool OverwriteWithZeros(
    int fd, off_t length, Push push, const Heartbeat& heartbeat, PackagesInFlight* inFlight);

#pragma once

#include "durability/FileSystemProfile.h"
#include "durability/WriteBehind.h"
#include "posix/FileDescriptor.h"
#include "posix/FileIdentity.h"

#include <cstdint>
#include <optional>

// A file being written from its start: it counts what has gone in and, where the bytes reach a
// device (a regular file or a block device), pushes them on to it as it goes.
class OutputFile
{
public:
    // `push`: how bytes reach the file's device, as the command found it for the file system.
    OutputFile(FileDescriptor opened, Push push);

    bool IsOpen() const { return file.IsOpen(); }
    int Get() const { return file.Get(); }
    // Which file it is; empty (0, 0) where it could not be looked at.
    const FileIdentity& Identity() const { return identity; }

    // Records `bytes` more written. False when the device has reported an error.
    bool Wrote(std::uint64_t bytes);

    // The writeback of everything written so far is under way; nothing is waited for.
    bool StartRest();

    // Everything written so far is on the device, short of its metadata and the device's own
    // cache, which a sync of the whole file system (or Sync) takes care of.
    bool Drain();

    // Everything written so far is on stable storage. Pipes and character devices keep nothing
    // and pass at once.
    bool Sync();

    // Whether pushing the bytes on waits for the device (FUSE), and covers every file written
    // before.
    bool PushesWait() const { return behind && behind->PushesWait(); }

    bool Close() { return file.Close(); }

    // Bytes written so far.
    std::uint64_t Length() const { return static_cast<std::uint64_t>(end); }

    // Bytes written that are not known to have reached the device yet.
    std::uint64_t Pending() const
    {
        return static_cast<std::uint64_t>(behind ? behind->Pending(end) : 0);
    }

private:
    FileDescriptor file;
    FileIdentity identity;
    off_t end = 0;
    std::optional<WriteBehind> behind;
};

#pragma once

#include "durability/FileSystemProfile.h"

#include <sys/types.h>

// Pushes what has been written to a file on to the device as the writing goes on, in the windows
// that FileSystemProfile.h sets out. Without it the page cache takes gigabytes at memory speed and
// the final sync then blocks for as long as the device needs for all of them; with it no call waits
// for more than a window of device work, and a write error shows up while the file is being
// written. Where a push waits (FUSE), whatever the daemon has to read meanwhile (a folder being
// listed, a package being joined) queues behind no more than a small window.
class WriteBehind
{
public:
    // `file`: a regular file or block device, written from offset 0 on.
    WriteBehind(int file, Push how) : fd(file), push(how) { }

    // `end`: how many bytes have been written so far. False when the device reported an error.
    bool Advance(off_t end);

    // Starts the writeback of whatever is left up to `end`, without waiting for it, where that
    // can be done; elsewhere it is left to Drain.
    bool StartRest(off_t end);

    // Waits until everything written up to `end` has reached the device (not yet its cache).
    bool Drain(off_t end);

    // Whether Drain is the file's own sync, as it is where nothing else reaches its bytes.
    bool DrainSyncs() const { return push == Push::FileSync; }

    // Whether a push waits for the device, and is better done once for several small files.
    bool PushesWait() const { return push != Push::Started; }

    // How much of what has been written is not known to have reached the device.
    off_t Pending(off_t end) const { return end - waited; }

private:
    // Pushes everything written so far and waits for it, where a push cannot be only started.
    bool PushAndWait();

    int fd;
    Push push;
    off_t waitedWindow = WaitedWindow;
    off_t started = 0; // writeback has been started for [0, started)
    off_t waited = 0; // and has finished for [0, waited)
};

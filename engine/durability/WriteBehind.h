#pragma once

#include "durability/SyncScope.h"

#include <sys/types.h>

// Pushes what has been written to a file on to the device as the writing goes on, a few hundred
// megabytes behind it at the most, in large windows that keep the device busy. Without it the
// page cache takes gigabytes at memory speed and the final sync then blocks for as long as the
// device needs for all of them; with it no call waits for more than a window of device work, and
// a write error shows up while the file is being written.
//
// Where a push cannot be started without waiting for it (FUSE), the file is pushed in small
// windows and waited for each time: whatever the daemon has to read from the device meanwhile (a
// folder being listed, a package being joined) queues behind no more than a window, a fraction
// of a second on a slow stick. The window follows the device: it grows while a push takes the
// device next to no time, where each push would cost more in its own overhead than in writing,
// and shrinks again when a push keeps the device busy for long.
class WriteBehind
{
public:
    // `fd`: a regular file or block device, written from offset 0 on.
    WriteBehind(int fd, Push push) : fd(fd), push(push) { }

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

    // How much is pushed on at a time: a file no larger is a single push. Pushing smaller pieces
    // of a large package holds up its copying while the device takes each of them.
    static constexpr off_t Window = off_t(128) << 20;
    // The same where a push waits, to begin with; the larger, the longer the device's queue
    // holds up what the daemon reads.
    static constexpr off_t WaitedWindow = off_t(1) << 20;
    // The most it grows to on a fast device.
    static constexpr off_t MostWaitedWindow = off_t(32) << 20;

private:
    // Pushes everything written so far and waits for it, where a push cannot be only started.
    bool PushAndWait();

    int fd;
    Push push;
    off_t waitedWindow = WaitedWindow;
    off_t started = 0; // writeback has been started for [0, started)
    off_t waited = 0; // and has finished for [0, waited)
};

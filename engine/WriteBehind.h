#pragma once

#include <sys/types.h>

// Pushes what has been written to a file on to the device as the writing goes on, a few hundred
// megabytes behind it at the most, in large windows that keep the device busy. Without it the
// page cache takes gigabytes at memory speed and the final sync then blocks for as long as the
// device needs for all of them; with it no call waits for more than a window of device work, and
// a write error shows up while the file is being written.
class WriteBehind
{
public:
    // `fd`: a regular file or block device, written from offset 0 on.
    explicit WriteBehind(int fd) : fd(fd) { }

    // `end`: how many bytes have been written so far. False when the device reported an error.
    bool Advance(off_t end);

    // Starts the writeback of whatever is left up to `end`, without waiting for it.
    bool StartRest(off_t end);

    // Waits until everything written so far has reached the device (not yet its cache).
    bool Drain();

    // How much of what has been written is not known to have reached the device.
    off_t Pending(off_t end) const { return end - waited; }

    // How much is pushed on at a time: a file no larger is a single push. Pushing smaller pieces
    // of a large package holds up its copying while the device takes each of them.
    static constexpr off_t Window = off_t(128) << 20;

private:
    int fd;
    off_t started = 0; // writeback has been started for [0, started)
    off_t waited = 0; // and has finished for [0, waited)
};

#pragma once

#include "TestFiles.h"

#include <cstdint>
#include <string>
#include <sys/types.h>

// A USB stick as slow as a cheap one, simulated: a disk in memory (nbdkit's memory plugin) that
// takes and gives bytes no faster than `bytesPerSecond` (its rate filter), shown as one file by
// nbdfuse for the life of the object. A loop device on that file is then the stick.
class SlowStick
{
public:
    // Throws LoopMount::Unavailable when nbdkit, nbdfuse or /dev/fuse are missing.
    SlowStick(const std::string& parent, std::uint64_t bytes, std::uint64_t bytesPerSecond);
    ~SlowStick();
    SlowStick(const SlowStick&) = delete;
    SlowStick& operator=(const SlowStick&) = delete;

    const std::string& Image() const { return image; }

private:
    void Stop();

    const TempDir point;
    const std::string image;
    pid_t server = -1;
};

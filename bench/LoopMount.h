#pragma once

#include "TestFiles.h"

#include <cstdint>
#include <stdexcept>
#include <string>

// An ext4 file system in an image file, mounted on a loop device for the life of the object: a
// real block file system, where making data durable costs what it costs on a disk. The image
// lies in `imageDir`, outside /dev/shm, and is removed with the mount.
class LoopMount
{
public:
    // Throws Unavailable when this machine or user cannot make one (not root, no loop devices).
    LoopMount(const std::string& imageDir, std::uint64_t bytes);
    ~LoopMount();
    LoopMount(const LoopMount&) = delete;
    LoopMount& operator=(const LoopMount&) = delete;

    const std::string& Path() const { return point.Path(); }

    class Unavailable : public std::runtime_error
    {
    public:
        using std::runtime_error::runtime_error;
    };

private:
    const TempDir point;
    const std::string image;
};

// Writes out whatever the file system of `path` still holds in memory, so that the next timed run
// does not pay for the one before.
void SyncFileSystem(const std::string& path);

#pragma once

#include "TestFiles.h"

#include <cstdint>
#include <stdexcept>
#include <string>

// A file system in an image file, mounted through a loop device with direct I/O for the life of
// the object: the image is not cached a second time by the file system it lies on, so the loop
// device behaves as a disk does, and making data durable costs what it costs on one. The image
// lies in `imageDir`, outside /dev/shm, and is removed with the mount.
//
// "exfat" and "ntfs" are served through FUSE (exfat-fuse, ntfs-3g) from the loop device, as Debian
// mounts a USB stick or a Windows disk: the daemon writes into the device's page cache.
class LoopMount
{
public:
    // `type`: "ext4", "xfs", "btrfs", "exfat" or "ntfs". Throws Unavailable when this machine or
    // user cannot make one (not root, no loop devices, no mkfs or FUSE daemon for the type).
    LoopMount(const std::string& imageDir, std::uint64_t bytes, const std::string& type = "ext4");
    // The same on an existing image (a simulated stick), which stays; mounted in a new folder in
    // `mountDir`.
    LoopMount(
        const std::string& mountDir, const std::string& existingImage, const std::string& type);
    ~LoopMount();
    LoopMount(const LoopMount&) = delete;
    LoopMount& operator=(const LoopMount&) = delete;

    const std::string& Path() const { return point.Path(); }
    const std::string& Device() const { return device; }
    // Whether the loop device really bypasses the page cache (losetup falls back silently).
    bool DirectIo() const;

    class Unavailable : public std::runtime_error
    {
    public:
        using std::runtime_error::runtime_error;
    };

private:
    void Attach(const std::string& type);

    const TempDir point;
    const std::string image;
    const bool ownImage;
    std::string device;
};

// Writes out whatever the file system of `path` still holds in memory, so that the next timed run
// does not pay for the one before.
void SyncFileSystem(const std::string& path);

// Syncs, then empties the page cache, so that the next run reads from the device as a first
// run after a reboot would. Needs root.
void DropCaches(const std::string& path);

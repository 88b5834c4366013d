#pragma once

#include "TestFiles.h"

#include <cstdint>
#include <functional>
#include <string>

// A small, empty file system in an image file, mounted for one test and taken down with the
// object: unmounted, its loop device detached, the image removed. Ext4, also with 128-byte inodes,
// which keep times to the whole second; XFS and btrfs (made at least as large as their makers
// allow); or the FUSE file systems of USB sticks and Windows disks (exfat-fuse, ntfs-3g), through
// which the kernel passes no syncfs and which take names as Unicode. Needs root, /dev/fuse for the
// FUSE ones, and the Debian packages e2fsprogs, xfsprogs, btrfs-progs, exfat-fuse + exfatprogs,
// ntfs-3g; where any is missing nothing is mounted and Unavailable() says why, for GTEST_SKIP().
class MountedImage
{
public:
    enum class Type { Ext4, Ext4WholeSeconds, Xfs, Btrfs, ExfatFuse, NtfsFuse };

    explicit MountedImage(Type type, std::uint64_t megabytes = 64);
    ~MountedImage();
    MountedImage(const MountedImage&) = delete;
    MountedImage& operator=(const MountedImage&) = delete;

    bool IsMounted() const { return unavailable.empty(); }
    const std::string& Unavailable() const { return unavailable; }

    // The mount point, and names in it.
    const std::string& Path() const { return point; }
    std::string operator/(const std::string& name) const { return point + "/" + name; }

private:
    bool Mount(Type type, std::uint64_t megabytes);

    const TempDir dir; // holds the image and the mount point
    const std::string image;
    const std::string point;
    std::string loopDevice; // attached by us, for exfat-fuse, which wants a block device as root
    bool mounted = false;
    std::string unavailable;
};

// Runs `test` on an exFAT and an NTFS file system through FUSE, as USB sticks and Windows disks
// are mounted, each of `megabytes`; empty when it ran on at least one, else why it could not.
std::string OnFuseMounts(
    const std::function<void(const MountedImage&)>& test, std::uint64_t megabytes = 16);

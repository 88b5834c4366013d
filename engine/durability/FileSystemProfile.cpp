#include "durability/FileSystemProfile.h"

#include "posix/Retry.h"

#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/sysmacros.h>

namespace {

// Magic numbers of struct statfs::f_type (linux/magic.h).
constexpr long Ext4 = 0xEF53; // also ext2 and ext3
constexpr long Xfs = 0x58465342;
constexpr long Btrfs = 0x9123683E;
constexpr long F2fs = 0xF2F52010;
constexpr long Tmpfs = 0x01021994;
constexpr long Ramfs = 0x858458F6;
constexpr long Fuse = 0x65735546;
constexpr long Msdos = 0x4D44; // vfat and msdos
constexpr long Exfat = 0x2011BAB0;
constexpr long Ntfs = 0x7366746E; // the kernel's ntfs3 ("ntfs")
constexpr long Cifs = static_cast<long>(0xFF534D42); // SMB 1
constexpr long Smb2 = static_cast<long>(0xFE534D42); // SMB 2 and 3
constexpr long Nfs = 0x6969;

} // namespace

FileSystemProfile FileSystemProfile::Of(int fd)
{
    FileSystemProfile profile;
    struct statfs system = {};
    struct stat status = {};
    if (RetryOnInterrupt([&] { return fstatfs(fd, &system); }) != 0
        || RetryOnInterrupt([&] { return fstat(fd, &status); }) != 0)
        return profile;
    const auto type = static_cast<long>(system.f_type);
    // The file systems made for Linux: journalled, or in memory.
    const bool native = type == Ext4 || type == Xfs || type == Btrfs || type == F2fs
        || type == Tmpfs || type == Ramfs;
    // Those the kernel reads from a disk itself, with no cache of names between it and the disk.
    // FAT and exFAT keep no inode numbers: the kernel makes one up each time it reads a file in.
    const bool fat = type == Msdos || type == Exfat;
    const bool local = native || fat || type == Ntfs;
    const bool smb = type == Cifs || type == Smb2;
    profile.syncfsMakesDurable = native;
    profile.namesAreExact = native;
    profile.renameNeedsFileSync = fat || type == Ntfs || smb;
    profile.removalWaitsForClose = smb;
    profile.namesNeedSyncfs = type == Ntfs;
    profile.distinguishing.inodes = native || type == Ntfs || type == Nfs;
    profile.distinguishing.unique = local || smb || type == Nfs;
    profile.distinguishing.times = !smb;
    profile.distinguishing.cached = !local;
    profile.distinguishing.bytes = !local && type != Nfs;
    if (type == Msdos)
        profile.largestFile = 0xFFFFFFFFULL;
    // A FUSE file system on a block device carries that device's number; others have a number of
    // their own, with major 0.
    if (type == Fuse)
        profile.push = major(status.st_dev) != 0 ? Push::FileSystemSync : Push::FileSync;
    return profile;
}

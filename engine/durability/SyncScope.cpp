#include "durability/SyncScope.h"

#include "posix/Retry.h"

#include <limits>
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

long TypeOf(int fd)
{
    struct statfs status = {};
    if (RetryOnInterrupt([&] { return fstatfs(fd, &status); }) != 0)
        return 0;
    return static_cast<long>(status.f_type);
}

// The file systems made for Linux: journalled, or in memory.
bool IsNative(long type)
{
    return type == Ext4 || type == Xfs || type == Btrfs || type == F2fs || type == Tmpfs
        || type == Ramfs;
}

} // namespace

bool SyncfsMakesDurable(int fd)
{
    return IsNative(TypeOf(fd));
}

bool NamesAreExact(int fd)
{
    return IsNative(TypeOf(fd));
}

bool RenameNeedsFileSync(int fd)
{
    const long type = TypeOf(fd);
    return type == Msdos || type == Exfat;
}

std::uint64_t LargestFile(int fd)
{
    return TypeOf(fd) == Msdos ? 0xFFFFFFFFULL : std::numeric_limits<std::uint64_t>::max();
}

Push PushOf(int fd, const struct stat& status)
{
    if (TypeOf(fd) != Fuse)
        return Push::Started;
    // A FUSE file system on a block device carries that device's number; others have a number
    // of their own, with major 0.
    return major(status.st_dev) != 0 ? Push::FileSystemSync : Push::FileSync;
}

#include "MountedImage.h"

#include "Shell.h"

#include <algorithm>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// How each file system is made and mounted.
struct Kind
{
    const char* maker;
    const char* makeOptions;
    const char* mounter;
    bool fuse;
    std::uint64_t leastMegabytes; // below this the maker refuses
};

Kind KindOf(MountedImage::Type type)
{
    switch (type) {
    case MountedImage::Type::Ext4:
        return {"mkfs.ext4", "-q -F", "mount", false, 1};
    case MountedImage::Type::Ext4WholeSeconds:
        return {"mkfs.ext4", "-q -F -I 128", "mount", false, 1};
    case MountedImage::Type::Xfs:
        return {"mkfs.xfs", "-q -f", "mount", false, 300};
    case MountedImage::Type::Btrfs:
        return {"mkfs.btrfs", "-q -f", "mount", false, 114};
    case MountedImage::Type::ExfatFuse:
        return {"mkfs.exfat", "", "mount.exfat-fuse", true, 1};
    case MountedImage::Type::NtfsFuse:
        break;
    }
    return {"mkntfs", "-q -F -f", "ntfs-3g", true, 1};
}

} // namespace

MountedImage::MountedImage(Type type, std::uint64_t megabytes)
    : image(dir / "image"), point(dir / "mnt")
{
    if (geteuid() != 0)
        unavailable = "needs root to mount a file system image";
    else if (!Mount(type, megabytes) && unavailable.empty())
        unavailable = "cannot make and mount the file system image";
}

bool MountedImage::Mount(Type type, std::uint64_t megabytes)
{
    const Kind kind = KindOf(type);
    struct stat fuseDevice = {};
    if (kind.fuse && stat("/dev/fuse", &fuseDevice) != 0) {
        unavailable = "needs /dev/fuse for a FUSE file system";
        return false;
    }
    if (!Have(kind.maker) || !Have(kind.mounter)) {
        unavailable = std::string("needs ") + kind.maker + " and " + kind.mounter;
        return false;
    }
    const std::uint64_t size = std::max(megabytes, kind.leastMegabytes);
    if (mkdir(point.c_str(), 0755) != 0
        || !Shell("truncate -s " + std::to_string(size) + "M " + image)
        || !Shell(std::string(kind.maker) + " " + kind.makeOptions + " " + image))
        return false;
    if (!kind.fuse)
        mounted = Shell("mount -o loop " + image + " " + point);
    else if (type == Type::NtfsFuse)
        mounted = Shell("ntfs-3g " + image + " " + point);
    else {
        // exfat-fuse wants a block device as root.
        loopDevice = FirstLineOf("losetup -f --show " + image);
        mounted = !loopDevice.empty() && Shell("mount.exfat-fuse " + loopDevice + " " + point);
    }
    return mounted;
}

MountedImage::~MountedImage()
{
    // A FUSE daemon may hold its device a moment after the unmount: detaching then only marks
    // the loop device to go once it is free.
    if (mounted)
        Shell("umount " + point + " || umount -l " + point);
    if (!loopDevice.empty())
        Shell("losetup -d " + loopDevice);
}

std::string OnFuseMounts(
    const std::function<void(const MountedImage&)>& test, std::uint64_t megabytes)
{
    std::string unavailable;
    bool ran = false;
    for (const auto type : {MountedImage::Type::ExfatFuse, MountedImage::Type::NtfsFuse}) {
        const MountedImage fuse(type, megabytes);
        if (fuse.IsMounted())
            test(fuse);
        ran = ran || fuse.IsMounted();
        unavailable += (unavailable.empty() ? "" : "; ") + fuse.Unavailable();
    }
    return ran ? std::string() : unavailable;
}

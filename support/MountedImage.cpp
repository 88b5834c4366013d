#include "MountedImage.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool Run(const std::string& command)
{
    return std::system(("(" + command + ") >/dev/null 2>&1").c_str()) == 0;
}

struct PipeCloser
{
    void operator()(FILE* pipe) const { pclose(pipe); }
};

// The first line the command prints; empty when it fails.
std::string FirstLineOf(const std::string& command)
{
    const std::unique_ptr<FILE, PipeCloser> pipe(popen((command + " 2>/dev/null").c_str(), "r"));
    std::array<char, 256> line {};
    if (!pipe || fgets(line.data(), line.size(), pipe.get()) == nullptr)
        return std::string();
    std::string text(line.data());
    while (!text.empty() && text.back() == '\n')
        text.pop_back();
    return text;
}

bool Have(const std::string& program)
{
    return Run("command -v " + program);
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
    const bool fuse = type != Type::Ext4;
    const std::string maker = type == Type::Ext4 ? "mkfs.ext4"
        : type == Type::ExfatFuse                ? "mkfs.exfat"
                                                 : "mkntfs";
    const std::string mounter = type == Type::Ext4 ? "mount"
        : type == Type::ExfatFuse                  ? "mount.exfat-fuse"
                                                   : "ntfs-3g";
    struct stat fuseDevice = {};
    if (fuse && stat("/dev/fuse", &fuseDevice) != 0) {
        unavailable = "needs /dev/fuse for a FUSE file system";
        return false;
    }
    if (!Have(maker) || !Have(mounter)) {
        unavailable = "needs " + maker + " and " + mounter;
        return false;
    }
    if (mkdir(point.c_str(), 0755) != 0
        || !Run("truncate -s " + std::to_string(megabytes) + "M " + image))
        return false;
    if (type == Type::Ext4)
        mounted = Run("mkfs.ext4 -q -F " + image) && Run("mount -o loop " + image + " " + point);
    else if (type == Type::NtfsFuse)
        mounted = Run("mkntfs -q -F -f " + image) && Run("ntfs-3g " + image + " " + point);
    else if (Run("mkfs.exfat " + image)) {
        loopDevice = FirstLineOf("losetup -f --show " + image);
        mounted = !loopDevice.empty() && Run("mount.exfat-fuse " + loopDevice + " " + point);
    }
    return mounted;
}

MountedImage::~MountedImage()
{
    // A FUSE daemon may hold its device a moment after the unmount: detaching then only marks
    // the loop device to go once it is free.
    if (mounted)
        Run("umount " + point + " || umount -l " + point);
    if (!loopDevice.empty())
        Run("losetup -d " + loopDevice);
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

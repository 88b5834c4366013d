#include "LoopMount.h"

#include "ChildProcess.h"
#include "posix/FileDescriptor.h"

#include <fcntl.h>
#include <fstream>
#include <unistd.h>

namespace {

std::string MakeImage(const std::string& imageDir, std::uint64_t bytes)
{
    if (geteuid() != 0)
        throw LoopMount::Unavailable("mounting a loop device needs root");
    std::string image = imageDir + "/velkaro-bench-XXXXXX";
    const FileDescriptor file(mkstemp(image.data()));
    if (!file.IsOpen())
        throw LoopMount::Unavailable("cannot make an image file in " + imageDir);
    // Written through with zeros, as a real disk has every block: in a sparse image the host
    // would allocate blocks under the runs, for whichever side first writes to them.
    try {
        RunChild({"dd", "if=/dev/zero", "of=" + image, "bs=1M",
            "count=" + std::to_string(bytes >> 20), "oflag=direct", "conv=notrunc", "status=none"});
    } catch (const std::runtime_error& error) {
        unlink(image.c_str());
        throw LoopMount::Unavailable(
            "cannot fill the image file in " + imageDir + ": " + error.what());
    }
    if (ftruncate(file.Get(), static_cast<off_t>(bytes)) != 0) {
        unlink(image.c_str());
        throw LoopMount::Unavailable("cannot size the image file in " + imageDir);
    }
    return image;
}

std::string FirstLine(const std::string& path)
{
    std::ifstream file(path);
    std::string line;
    std::getline(file, line);
    return line;
}

// The commands that make the file system on `device` and mount it at `point`.
std::vector<std::vector<std::string>> MakeAndMount(
    const std::string& type, const std::string& device, const std::string& point)
{
    // ext4 otherwise zeroes its inode tables in the background for minutes, under the runs.
    if (type == "ext4")
        return {{"mkfs.ext4", "-q", "-F", "-E", "lazy_itable_init=0,lazy_journal_init=0", device},
            {"mount", device, point}};
    if (type == "exfat")
        return {{"mkfs.exfat", device}, {"mount.exfat-fuse", device, point}};
    // A quick format, as a new disk comes.
    if (type == "ntfs")
        return {{"mkntfs", "-q", "-F", "-f", device}, {"ntfs-3g", device, point}};
    return {{"mkfs." + type, "-q", "-f", device}, {"mount", device, point}};
}

} // namespace

LoopMount::LoopMount(const std::string& imageDir, std::uint64_t bytes, const std::string& type)
    : point(imageDir), image(MakeImage(imageDir, bytes)), ownImage(true)
{
    Attach(type);
}

LoopMount::LoopMount(
    const std::string& mountDir, const std::string& existingImage, const std::string& type)
    : point(mountDir), image(existingImage), ownImage(false)
{
    Attach(type);
}

void LoopMount::Attach(const std::string& type)
{
    if (geteuid() != 0)
        throw Unavailable("mounting a loop device needs root");
    try {
        const std::string attached = point.Path() + "/.device";
        RunChild({"losetup", "--direct-io=on", "--find", "--show", image}, attached);
        device = FirstLine(attached);
        unlink(attached.c_str());
        const auto commands = MakeAndMount(type, device, point.Path());
        RunChild(commands[0], "/dev/null");
        RunChild(commands[1], "/dev/null");
    } catch (const std::runtime_error& error) {
        try {
            if (!device.empty())
                RunChild({"losetup", "-d", device});
        } catch (const std::runtime_error&) {
            // Nothing more to undo than the image itself.
        }
        if (ownImage)
            unlink(image.c_str());
        throw Unavailable(
            "cannot make and mount " + type + " on a direct-I/O loop device: " + error.what());
    }
}

LoopMount::~LoopMount()
{
    try {
        RunChild({"umount", point.Path()});
        // A FUSE daemon may hold the device a moment after the unmount; detaching then only
        // marks it to go once it is free.
        RunChild({"losetup", "-d", device});
    } catch (const std::runtime_error&) {
        // The image goes all the same; the kernel frees it once it is unmounted.
    }
    if (ownImage)
        unlink(image.c_str());
}

bool LoopMount::DirectIo() const
{
    const std::string name = device.substr(device.find_last_of('/') + 1);
    return FirstLine("/sys/block/" + name + "/loop/dio") == "1";
}

void SyncFileSystem(const std::string& path)
{
    const FileDescriptor folder(open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!folder.IsOpen() || syncfs(folder.Get()) != 0)
        throw std::runtime_error("cannot sync the file system of " + path);
}

void DropCaches(const std::string& path)
{
    SyncFileSystem(path);
    std::ofstream control("/proc/sys/vm/drop_caches");
    control << "3\n";
    if (!control.flush())
        throw std::runtime_error("cannot drop the page cache (needs root)");
}

#include "LoopMount.h"

#include "ChildProcess.h"
#include "FileDescriptor.h"

#include <fcntl.h>
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
    // Sparse: the file system takes from the disk only what is written into it.
    if (ftruncate(file.Get(), static_cast<off_t>(bytes)) != 0) {
        unlink(image.c_str());
        throw LoopMount::Unavailable("cannot size the image file in " + imageDir);
    }
    return image;
}

} // namespace

LoopMount::LoopMount(const std::string& imageDir, std::uint64_t bytes)
    : point(imageDir), image(MakeImage(imageDir, bytes))
{
    try {
        RunChild({"mkfs.ext4", "-q", "-F", image}, "/dev/null");
        RunChild({"mount", "-o", "loop", image, point.Path()});
    } catch (const std::runtime_error& error) {
        unlink(image.c_str());
        throw Unavailable(std::string("cannot make and mount an ext4 image: ") + error.what());
    }
}

LoopMount::~LoopMount()
{
    try {
        RunChild({"umount", point.Path()});
    } catch (const std::runtime_error&) {
        // The image goes all the same; the kernel frees it once it is unmounted.
    }
    unlink(image.c_str());
}

void SyncFileSystem(const std::string& path)
{
    const FileDescriptor folder(open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!folder.IsOpen() || syncfs(folder.Get()) != 0)
        throw std::runtime_error("cannot sync the file system of " + path);
}

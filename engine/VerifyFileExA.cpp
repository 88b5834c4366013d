#include "VerifyFileExA.h"

#include "VerifyFileA.h"
#include "posix/FileDescriptor.h"
#include "posix/HiddenFile.h"
#include "posix/OpenFile.h"
#include "posix/Paths.h"
#include "posix/Retry.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Whether a new file can be made in the folder of `path`, tested without ever making that name:
// a name made and removed again would stay as an empty package or destination if a kill came in
// between, or in a folder where names can be made but not removed (chattr +a). An unnamed file
// vanishes with its descriptor. Where the file system has none (FUSE, FAT, exFAT, NTFS), a hidden
// name stands in, one that counts as nothing if it stays.
bool FolderTakesNewFile(const std::string& path)
{
    const std::string folder = FolderOf(path);
    const FileDescriptor unnamed(RetryOnInterrupt(
        [&] { return open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600); }));
    if (unnamed.IsOpen())
        return true;
    // EISDIR: a kernel that knows no O_TMPFILE sees only its O_DIRECTORY part.
    if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL)
        return false;
    const HiddenFile standIn = CreateHiddenFileBeside(path, 0600);
    if (!standIn.file.IsOpen())
        return false;
    RetryOnInterrupt([&] { return unlink(standIn.path.c_str()); });
    return true;
}

} // namespace

// A name that is free here may still be refused when it is made (characters the file system does
// not allow, a length that only it limits): the command that makes it then fails and leaves
// nothing. Only making the name itself would tell, and that is what the probe must never do.
int VerifyFileExA(const char* path)
{
    if (VerifyFileA(path))
        return 0;
    if (*path == '\0')
        return 2;

    struct stat status = {};
    if (RetryOnInterrupt([&] { return lstat(path, &status); }) != 0)
        return errno == ENOENT && FolderTakesNewFile(path) ? 1 : 2;

    // Something that is not a regular file is there (a device, a FIFO, a directory, a dangling
    // link): writable only if it opens as it is, and it is left exactly as it was. O_NONBLOCK
    // keeps the probe from hanging on a FIFO that nobody reads (the open fails with ENXIO).
    const FileDescriptor existing(
        RetryOnInterrupt([&] { return open(path, O_WRONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK); }));
    return existing.IsOpen() ? 1 : 2;
}

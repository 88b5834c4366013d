#include "posix/Folder.h"

#include "posix/Paths.h"
#include "posix/Retry.h"

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <unistd.h>

namespace {

struct CloseDir
{
    void operator()(DIR* dir) const { closedir(dir); }
};

} // namespace

Folder Folder::Of(const std::string& path)
{
    return Open(FolderOf(path));
}

Folder Folder::Open(const std::string& holder)
{
    Folder folder;
    folder.fd = FileDescriptor(RetryOnInterrupt(
        [&] { return open(holder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NOCTTY); }));
    // A folder that may be passed through but not read still takes names looked up in it; it
    // cannot be listed, locked or synced.
    if (!folder.fd.IsOpen() && errno == EACCES)
        folder.fd = FileDescriptor(RetryOnInterrupt(
            [&] { return open(holder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC); }));
    return folder;
}

FileIdentity Folder::Identity() const
{
    struct stat status = {};
    RetryOnInterrupt([&] { return fstat(fd.Get(), &status); });
    return IdentityOf(status);
}

bool Folder::Stat(const std::string& name, struct stat& status) const
{
    return RetryOnInterrupt([&] { return fstatat(fd.Get(), name.c_str(), &status, 0); }) == 0;
}

bool Folder::StatLink(const std::string& name, struct stat& status) const
{
    return RetryOnInterrupt([&] {
        return fstatat(fd.Get(), name.c_str(), &status, AT_SYMLINK_NOFOLLOW);
    }) == 0;
}

bool Folder::List(const std::function<void(const std::string& name)>& visit) const
{
    // A listing of its own, from the start, on a descriptor that closedir takes with it.
    const int own = RetryOnInterrupt(
        [&] { return openat(fd.Get(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC); });
    if (own < 0)
        return false;
    DIR* opened = nullptr;
    do
        opened = fdopendir(own);
    while (!opened && errno == EINTR);
    const std::unique_ptr<DIR, CloseDir> dir(opened);
    if (!dir) {
        close(own);
        return false;
    }
    for (;;) {
        errno = 0;
        const dirent* entry = readdir(dir.get());
        if (!entry && errno == EINTR)
            continue;
        if (!entry)
            return errno == 0;
        visit(entry->d_name);
    }
}

bool Folder::Sync(bool wholeFileSystem) const
{
    return RetryOnInterrupt([&] { return fsync(fd.Get()); }) == 0
        && (!wholeFileSystem || RetryOnInterrupt([&] { return syncfs(fd.Get()); }) == 0);
}

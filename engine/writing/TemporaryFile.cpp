#include "writing/TemporaryFile.h"

#include "posix/Folder.h"
#include "posix/HiddenFile.h"
#include "posix/Retry.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>
#include <utility>

namespace {

std::string ProcPath(int fd)
{
    return "/proc/self/fd/" + std::to_string(fd);
}

// An unnamed file in the folder that can be given a name later: that takes /proc, or the right to
// link any descriptor (AT_EMPTY_PATH), which only root has. Closed where either is missing.
FileDescriptor CreateUnnamed(int folder, mode_t mode)
{
    FileDescriptor file(RetryOnInterrupt(
        [&] { return openat(folder, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, mode); }));
    if (file.IsOpen() && access(ProcPath(file.Get()).c_str(), F_OK) != 0 && geteuid() != 0)
        return FileDescriptor();
    return file;
}

bool LinkUnnamed(int fd, int folder, const std::string& name)
{
    if (RetryOnInterrupt([&] {
            return linkat(AT_FDCWD, ProcPath(fd).c_str(), folder, name.c_str(), AT_SYMLINK_FOLLOW);
        })
        == 0)
        return true;
    return errno == ENOENT && RetryOnInterrupt([&] {
        return linkat(fd, "", folder, name.c_str(), AT_EMPTY_PATH);
    }) == 0;
}

// Renames within the folder without replacing a name taken meanwhile. FUSE file systems that
// know no such rename are asked first whether the name is free.
bool RenameWithoutReplacing(int folder, const std::string& from, const std::string& to)
{
    if (RetryOnInterrupt(
            [&] { return renameat2(folder, from.c_str(), folder, to.c_str(), RENAME_NOREPLACE); })
        == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    struct stat status = {};
    if (RetryOnInterrupt([&] { return fstatat(folder, to.c_str(), &status, AT_SYMLINK_NOFOLLOW); })
            == 0
        || errno != ENOENT)
        return false;
    return RetryOnInterrupt([&] { return renameat(folder, from.c_str(), folder, to.c_str()); })
        == 0;
}

} // namespace

TemporaryFile::TemporaryFile(
    const Folder& in, const FileSystemProfile& profile, std::string name, mode_t mode)
    : folder(in)
    , renameNeedsFileSync(profile.renameNeedsFileSync)
    , namesNeedSyncfs(profile.namesNeedSyncfs)
    , target(std::move(name))
    , output(FileDescriptor(), profile.push)
{
    if (!folder.IsOpen())
        return;
    FileDescriptor unnamed = CreateUnnamed(folder.Get(), mode);
    if (unnamed.IsOpen()) {
        output = OutputFile(std::move(unnamed), profile.push);
        return;
    }
    HiddenFile made = CreateHiddenFileIn(folder.Get(), target, mode);
    if (!made.file.IsOpen())
        return;
    hidden = std::move(made.path);
    output = OutputFile(std::move(made.file), profile.push);
}

TemporaryFile::~TemporaryFile()
{
    if (!hidden.empty() && !committed)
        RetryOnInterrupt([&] { return unlinkat(folder.Get(), hidden.c_str(), 0); });
}

bool TemporaryFile::TakeOwnerAndModeOf(const struct stat& replaced)
{
    // Only root may give a file away; anyone else keeps it, as with any file they write.
    if (RetryOnInterrupt([&] { return fchown(output.Get(), replaced.st_uid, replaced.st_gid); })
            != 0
        && errno != EPERM)
        return false;
    return RetryOnInterrupt([&] { return fchmod(output.Get(), replaced.st_mode & 07777); }) == 0;
}

bool TemporaryFile::TakeName(bool replace)
{
    if (!hidden.empty()) {
        return replace ? RetryOnInterrupt([&] {
            return renameat(folder.Get(), hidden.c_str(), folder.Get(), target.c_str());
        }) == 0
                       : RenameWithoutReplacing(folder.Get(), hidden, target);
    }
    if (!replace)
        return LinkUnnamed(output.Get(), folder.Get(), target);
    // A name cannot be linked over another: the file takes a hidden name for the moment between
    // the link and the rename.
    const std::string name = MakeHiddenName(target, [&](const std::string& candidate) {
        return LinkUnnamed(output.Get(), folder.Get(), candidate);
    });
    if (name.empty())
        return false;
    if (RetryOnInterrupt(
            [&] { return renameat(folder.Get(), name.c_str(), folder.Get(), target.c_str()); })
        == 0)
        return true;
    RetryOnInterrupt([&] { return unlinkat(folder.Get(), name.c_str(), 0); });
    return false;
}

bool TemporaryFile::Commit(bool dataSynced, bool replace, const std::function<bool()>& beforeRename)
{
    if (!IsOpen() || !(dataSynced ? output.Drain() : output.Sync()))
        return false;
    if (beforeRename && !beforeRename())
        return false;
    // An unnamed file is linked through its descriptor, so it closes only once it has its name;
    // so does a file whose new name holds its length only once it is synced under that name.
    const bool syncAgain = renameNeedsFileSync;
    if (!hidden.empty() && !syncAgain && !output.Close())
        return false;
    if (!TakeName(replace))
        return false;
    committed = true;
    return (!syncAgain || RetryOnInterrupt([&] { return fsync(output.Get()); }) == 0)
        && output.Close() && folder.Sync(namesNeedSyncfs);
}

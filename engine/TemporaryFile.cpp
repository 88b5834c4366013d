#include "TemporaryFile.h"

#include "HiddenFile.h"
#include "OpenFile.h"
#include "Retry.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>
#include <utility>

TemporaryFile::TemporaryFile(std::string targetPath, mode_t mode)
    : target(std::move(targetPath)), folder(OpenFolderOf(target)), output(FileDescriptor())
{
    if (!folder.IsOpen())
        return;
    HiddenFile made = CreateHiddenFileBeside(target, mode);
    if (!made.file.IsOpen())
        return;
    path = std::move(made.path);
    output = OutputFile(std::move(made.file));
}

TemporaryFile::~TemporaryFile()
{
    if (!path.empty() && !committed)
        RetryOnInterrupt([&] { return unlink(path.c_str()); });
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

bool TemporaryFile::Commit(bool dataSynced, const std::function<bool()>& beforeRename)
{
    if (!IsOpen() || !(dataSynced ? output.Drain() : output.Sync()) || !output.Close())
        return false;
    if (beforeRename && !beforeRename())
        return false;
    if (RetryOnInterrupt([&] { return std::rename(path.c_str(), target.c_str()); }) != 0)
        return false;
    committed = true;
    return RetryOnInterrupt([&] { return fsync(folder.Get()); }) == 0;
}

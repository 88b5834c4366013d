#include "TemporaryFile.h"

#include "OpenFile.h"
#include "Retry.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <random>
#include <unistd.h>
#include <utility>

namespace {

// Leaves room for the suffix within the 255 bytes a name may have.
constexpr std::string::size_type LongestStem = 200;
constexpr int Attempts = 64;

std::string RandomSuffix(std::mt19937& generator)
{
    static constexpr char Letters[]
        = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::uniform_int_distribution<std::size_t> pick(0, sizeof Letters - 2);
    std::string suffix(8, ' ');
    for (char& letter : suffix)
        letter = Letters[pick(generator)];
    return suffix;
}

} // namespace

TemporaryFile::TemporaryFile(std::string targetPath, mode_t mode)
    : target(std::move(targetPath)), folder(OpenFolderOf(target)), output(FileDescriptor())
{
    if (!folder.IsOpen())
        return;
    // The name starts with a dot and ends in no package extension, so that neither a file
    // manager nor a package set shows it.
    const std::string stem
        = FolderOf(target) + "/." + NameIn(target).substr(0, LongestStem) + ".velkaro-";
    std::mt19937 generator(std::random_device {}());
    for (int attempt = 0; attempt < Attempts; ++attempt) {
        std::string candidate = stem + RandomSuffix(generator);
        FileDescriptor file = CreateNewFile(candidate.c_str(), mode);
        if (file.IsOpen()) {
            path = std::move(candidate);
            output = OutputFile(std::move(file));
            return;
        }
        if (errno != EEXIST)
            return;
    }
}

TemporaryFile::~TemporaryFile()
{
    if (!path.empty() && !committed)
        unlink(path.c_str());
}

bool TemporaryFile::TakeOwnerAndModeOf(const struct stat& replaced)
{
    // Only root may give a file away; anyone else keeps it, as with any file they write.
    if (fchown(output.Get(), replaced.st_uid, replaced.st_gid) != 0 && errno != EPERM)
        return false;
    return fchmod(output.Get(), replaced.st_mode & 07777) == 0;
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

#include "Velkaro.h"

#include "ByteCopier.h"
#include "ExtractExtensionA.h"
#include "FileIdentity.h"
#include "OpenFile.h"
#include "OutputFile.h"
#include "PackageSet.h"
#include "PackagesInFlight.h"
#include "RemoveA.h"
#include "TemporaryFile.h"
#include "VerifyFileA.h"
#include "VerifyFileExA.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <limits>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool IsPackageExtension(const std::string& extension)
{
    return extension.size() >= 2 && extension[0] == 'c'
        && extension.find_first_not_of("0123456789", 1) == std::string::npos;
}

// Before a split touches anything: no name it will remove or write may be a symbolic link (the
// split would write through it, or wipe what it leads to), and every name it will write must be
// free or a regular file it can replace.
bool SplitTargetsAreSafe(
    const std::string& prefix, std::uint64_t removeCount, std::uint64_t writeCount)
{
    const std::uint64_t touched = std::max(removeCount, writeCount);
    bool safe = true;
    const bool listed
        = ForEachPackageName(prefix, [&](std::uint64_t index, const std::string& name) {
              struct stat status = {};
              if (index < touched && lstat(name.c_str(), &status) == 0)
                  safe = safe && !S_ISLNK(status.st_mode)
                      && (index >= writeCount || S_ISREG(status.st_mode));
          });
    return listed && safe;
}

// Writes the packages of one split and takes them away again if the split does not finish.
class SplitWriter
{
public:
    SplitWriter(const std::string& prefix, int source, const struct stat& sourceStatus,
        std::uint32_t size, const Heartbeat& heartbeat)
        : prefix(prefix)
        , source(source)
        , sourceFile(IdentityOf(sourceStatus))
        , length(static_cast<std::uint64_t>(sourceStatus.st_size))
        , size(size)
        , copier(heartbeat)
    { }

    ~SplitWriter()
    {
        if (finished)
            return;
        for (std::uint64_t index = 1; index < created; ++index)
            unlink(PackageName(prefix, index).c_str());
    }

    SplitWriter(const SplitWriter&) = delete;
    SplitWriter& operator=(const SplitWriter&) = delete;

    // Packages 1 and up, each under its own name; package 0 last, through a temporary file, once
    // the others are on disk, so that the set counts only once it is whole.
    bool Run(const FileDescriptor& folder)
    {
        const std::uint64_t count = length / size + 1;
        PackagesInFlight written;
        for (std::uint64_t index = 1; index < count; ++index) {
            OutputFile package(Create(PackageName(prefix, index)));
            if (!package.IsOpen())
                return false;
            created = index + 1;
            if (!Fill(package, index) || !written.Add(std::move(package)))
                return false;
        }
        // Their data is on the device; one sync of the file system adds what describes them.
        if (!written.Land() || syncfs(folder.Get()) != 0)
            return false;
        TemporaryFile first(PackageName(prefix, 0));
        if (!first.IsOpen() || !Fill(first.Output(), 0) || !first.Commit())
            return false;
        finished = true;
        return true;
    }

private:
    // A new file under the name, after taking away a regular file that stands there, unless it
    // is the source: a package is never opened through a link or into another file's blocks.
    FileDescriptor Create(const std::string& name) const
    {
        FileDescriptor file = CreateNewFile(name.c_str());
        struct stat status = {};
        if (file.IsOpen() || errno != EEXIST || lstat(name.c_str(), &status) != 0
            || IdentityOf(status) == sourceFile || !S_ISREG(status.st_mode)
            || unlink(name.c_str()) != 0)
            return file;
        return CreateNewFile(name.c_str());
    }

    // Exactly the bytes of package `index` as the source's length was at the start: a source
    // that grows meanwhile adds nothing, one that shrinks fails the split.
    bool Fill(OutputFile& package, std::uint64_t index)
    {
        const std::uint64_t start = index * size;
        const std::uint64_t want = std::min<std::uint64_t>(size, length - start);
        off_t offset = static_cast<off_t>(start);
        return copier.Copy(source, offset, static_cast<off_t>(length), package, want)
            == static_cast<std::int64_t>(want);
    }

    const std::string& prefix;
    const int source;
    const FileIdentity sourceFile;
    const std::uint64_t length;
    const std::uint32_t size;
    ByteCopier copier;
    std::uint64_t created = 0; // packages 1 up to this index (excluded) are this split's
    bool finished = false;
};

// Appends packages 0, 1, ... of the prefix to `output` up to the first index that is no regular
// file when the join gets there.
bool Join(const std::string& prefix, OutputFile& output, const Heartbeat& heartbeat)
{
    ByteCopier copier(heartbeat);
    for (std::uint64_t index = 0;; ++index) {
        const std::string name = PackageName(prefix, index);
        // Package 0 was seen by IsPck; every later one is tested when the join gets there.
        if (index > 0 && !VerifyFileA(name.c_str()))
            return true;
        struct stat status = {};
        const FileDescriptor input = OpenRegularForReading(name.c_str(), status);
        off_t offset = 0;
        if (!input.IsOpen()
            || copier.Copy(input.Get(), offset, status.st_size, output,
                   std::numeric_limits<std::uint64_t>::max())
                < 0)
            return false;
    }
}

struct FreeDeleter
{
    void operator()(char* text) const { std::free(text); }
};

// The file a destination name leads to: a symbolic link stays a link, to the new file.
std::string ResolvedTarget(const std::string& destination)
{
    struct stat status = {};
    if (lstat(destination.c_str(), &status) != 0 || !S_ISLNK(status.st_mode))
        return destination;
    const std::unique_ptr<char, FreeDeleter> resolved(realpath(destination.c_str(), nullptr));
    return resolved ? std::string(resolved.get()) : std::string();
}

} // namespace

unsigned long Velkaro::IsPck(std::string path)
{
    if (!IsPackageExtension(ExtractExtensionA(path)))
        return 0;
    const std::string prefix = PackagePrefix(path);
    unsigned long count = 0;
    while (VerifyFileA(PackageName(prefix, count).c_str()))
        ++count;
    return count;
}

bool Velkaro::Split(std::string source, std::string destination, std::uint32_t size, bool overwrite,
    const Heartbeat& heartbeat)
{
    if (!VerifyFileA(source.c_str()) || destination.empty())
        return false;

    const std::string prefix = destination + ".c";
    const std::string firstPackage = PackageName(prefix, 0);
    const int probe = VerifyFileExA(firstPackage.c_str());
    if (probe == 2 || (probe == 0 && !overwrite))
        return false;
    if (size == 0)
        return false;

    struct stat status = {};
    const FileDescriptor input = OpenRegularForReading(source.c_str(), status);
    const FileDescriptor folder = OpenFolderOf(prefix);
    if (!input.IsOpen() || !folder.IsOpen())
        return false;
    // A source of length L makes floor(L / size) + 1 packages; the last one is empty when L is
    // a multiple of size.
    const std::uint64_t writeCount = static_cast<std::uint64_t>(status.st_size) / size + 1;
    const std::uint64_t removeCount = probe == 0 ? IsPck(firstPackage) : 0;
    if (IsPackageOf(source, prefix) || !SplitTargetsAreSafe(prefix, removeCount, writeCount))
        return false;

    // Package 0 goes first: from then on the rest no longer counts as a set, whatever stops the
    // removal. A package that cannot be removed stops the split before anything is written.
    for (std::uint64_t index = 0; index < removeCount; ++index) {
        if (!RemoveA(PackageName(prefix, index).c_str(), 1, heartbeat))
            return false;
    }
    SplitWriter writer(prefix, input.Get(), status, size, heartbeat);
    return writer.Run(folder);
}

bool Velkaro::Build(
    std::string package, std::string destination, bool overwrite, const Heartbeat& heartbeat)
{
    if (IsPck(package) == 0)
        return false;
    const int probe = VerifyFileExA(destination.c_str());
    if (probe == 2 || (probe == 0 && !overwrite))
        return false;
    const std::string prefix = PackagePrefix(package);
    if (IsPackageOf(destination, prefix))
        return false;

    struct stat existing = {};
    const bool exists = stat(destination.c_str(), &existing) == 0;
    // A device or a FIFO is written in place: there is no file to replace.
    if (exists && !S_ISREG(existing.st_mode)) {
        OutputFile output(OpenSpecialForWriting(destination.c_str()));
        return output.IsOpen() && Join(prefix, output, heartbeat) && output.Sync()
            && output.Close();
    }

    const std::string target = ResolvedTarget(destination);
    // A file the user may not write stays as it is, as it would if it were written in place.
    if (target.empty() || (exists && access(target.c_str(), W_OK) != 0))
        return false;
    TemporaryFile joined(target);
    if (!joined.IsOpen() || (exists && !joined.TakeOwnerAndModeOf(existing)))
        return false;
    return Join(prefix, joined.Output(), heartbeat) && joined.Commit();
}

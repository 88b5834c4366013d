#include "Velkaro.h"

#include "ByteCopier.h"
#include "FileIdentity.h"
#include "OpenFile.h"
#include "OutputFile.h"
#include "PackageSet.h"
#include "PackagesInFlight.h"
#include "RemoveA.h"
#include "Retry.h"
#include "SyncScope.h"
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
              if (index < touched
                  && RetryOnInterrupt([&] { return lstat(name.c_str(), &status); }) == 0)
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
        std::uint32_t size, const Heartbeat& heartbeat, PackagesInFlight& inFlight)
        : prefix(prefix)
        , source(source)
        , sourceFile(IdentityOf(sourceStatus))
        , length(static_cast<std::uint64_t>(sourceStatus.st_size))
        , size(size)
        , mode(sourceStatus.st_mode & 0777)
        , copier(heartbeat)
        , inFlight(inFlight)
    { }

    ~SplitWriter()
    {
        if (finished)
            return;
        for (std::uint64_t index = 1; index < created; ++index)
            RetryOnInterrupt([&] { return unlink(PackageName(prefix, index).c_str()); });
    }

    SplitWriter(const SplitWriter&) = delete;
    SplitWriter& operator=(const SplitWriter&) = delete;

    // Package 0 is written first, to a hidden temporary file, and takes its name last, once every
    // other package is on stable storage: the set counts only once it is whole.
    bool Run(const FileDescriptor& folder)
    {
        TemporaryFile first(PackageName(prefix, 0), mode);
        if (!first.IsOpen() || !Fill(first.Output(), 0) || !first.Output().StartRest())
            return false;
        const std::uint64_t count = SplitPackageCount(length, size);
        for (std::uint64_t index = 1; index < count; ++index) {
            OutputFile package(Create(PackageName(prefix, index)));
            if (!package.IsOpen())
                return false;
            created = index + 1;
            if (!Fill(package, index) || !inFlight.AddPackage(std::move(package)))
                return false;
        }
        // The packages' bytes are on the device; one sync of the file system adds what describes
        // them (and package 0's bytes), where it does. Elsewhere each file has been synced by
        // itself, and the folder's names are synced before package 0 joins them.
        if (!inFlight.Land())
            return false;
        const bool synced = !inFlight.SyncsEachFile()
            ? RetryOnInterrupt([&] { return syncfs(folder.Get()); }) == 0
            : first.Output().Sync() && RetryOnInterrupt([&] { return fsync(folder.Get()); }) == 0;
        if (!synced)
            return false;
        if (first.Commit(true)) {
            finished = true;
            return true;
        }
        // Package 0 has its name but the folder's sync failed: without package 0 the rest
        // counts for nothing and can go; where package 0 cannot be taken away again, the whole
        // set stays rather than package 0 alone.
        const std::string name = PackageName(prefix, 0);
        if (first.Renamed()
            && (RetryOnInterrupt([&] { return unlink(name.c_str()); }) != 0
                || RetryOnInterrupt([&] { return fsync(folder.Get()); }) != 0))
            finished = true;
        return false;
    }

private:
    // A new file under the name, after taking away a regular file that stands there, unless it
    // is the source: a package is never opened through a link or into another file's blocks.
    FileDescriptor Create(const std::string& name) const
    {
        FileDescriptor file = CreateNewFile(name.c_str(), mode);
        struct stat status = {};
        if (file.IsOpen() || errno != EEXIST
            || RetryOnInterrupt([&] { return lstat(name.c_str(), &status); }) != 0
            || IdentityOf(status) == sourceFile || !S_ISREG(status.st_mode)
            || RetryOnInterrupt([&] { return unlink(name.c_str()); }) != 0)
            return file;
        return CreateNewFile(name.c_str(), mode);
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
    const mode_t mode;
    ByteCopier copier;
    PackagesInFlight& inFlight;
    std::uint64_t created = 0; // packages 1 up to this index (excluded) are this split's
    bool finished = false;
};

// Appends packages 0, 1, ... of the prefix to `output` up to the first index that is no regular
// file when the join gets there: one open per package, and exactly the length it had then.
bool Join(const std::string& prefix, OutputFile& output, const Heartbeat& heartbeat)
{
    ByteCopier copier(heartbeat);
    for (std::uint64_t index = 0;; ++index) {
        const std::string name = PackageName(prefix, index);
        struct stat status = {};
        const FileDescriptor input = OpenRegularForReading(name.c_str(), status);
        // The set ends where no regular file stands; one that is there but cannot be read
        // fails the build.
        if (!input.IsOpen())
            return index > 0 && !VerifyFileA(name.c_str());
        off_t offset = 0;
        if (copier.Copy(input.Get(), offset, status.st_size, output,
                static_cast<std::uint64_t>(status.st_size))
            != status.st_size)
            return false;
    }
}

// The kernel's protected-symlinks rule, kept whether or not the kernel enforces it: in a sticky
// folder that everyone may write (/tmp), a link is followed only by its owner or the folder's.
bool MayFollow(const std::string& link, const struct stat& linkStatus)
{
    struct stat folder = {};
    if (RetryOnInterrupt([&] { return stat(FolderOf(link).c_str(), &folder); }) != 0)
        return false;
    const bool shared = (folder.st_mode & S_ISVTX) != 0 && (folder.st_mode & S_IWOTH) != 0;
    return !shared || linkStatus.st_uid == geteuid() || linkStatus.st_uid == folder.st_uid;
}

// The file a build replaces, as it stood when looked at: the name itself, or for a symbolic link
// the file it leads to, followed only as the kernel lets a link be followed (not another user's
// link in a shared sticky folder). Nothing put at the name later is followed or replaced.
struct BuildTarget
{
    std::string path; // empty: the destination cannot be written
    bool exists = false;
    struct stat status = {};

    static BuildTarget Of(const std::string& destination)
    {
        BuildTarget target;
        struct stat named = {};
        if (RetryOnInterrupt([&] { return lstat(destination.c_str(), &named); }) != 0) {
            if (errno == ENOENT)
                target.path = destination;
            return target;
        }
        target.exists = true;
        target.status = named;
        if (!S_ISLNK(named.st_mode)) {
            target.path = destination;
            return target;
        }
        if (!MayFollow(destination, named))
            return target;
        const FileDescriptor followed(
            RetryOnInterrupt([&] { return open(destination.c_str(), O_PATH | O_CLOEXEC); }));
        const std::string resolved = ResolvedPath(destination);
        struct stat reached = {};
        if (!followed.IsOpen() || resolved.empty()
            || RetryOnInterrupt([&] { return fstat(followed.Get(), &target.status); }) != 0
            || RetryOnInterrupt([&] { return stat(resolved.c_str(), &reached); }) != 0
            || !(IdentityOf(reached) == IdentityOf(target.status)))
            return target;
        target.path = resolved;
        return target;
    }

    // Whether the target's name still shows what it showed when it was looked at.
    bool Unchanged() const
    {
        struct stat now = {};
        if (RetryOnInterrupt([&] { return lstat(path.c_str(), &now); }) != 0)
            return !exists && errno == ENOENT;
        return exists && IdentityOf(now) == IdentityOf(status);
    }
};

// Removes the old set from index 0 (package 0 first, so that from then on what is left no
// longer counts as a set) and the packages from `runFrom` on up to the next gap, which the new
// set would otherwise take in. Their wipes land with the split's own writing.
bool RemoveReplaced(const std::string& prefix, std::uint64_t oldCount, std::uint64_t runFrom,
    std::uint64_t runCount, const Heartbeat& heartbeat, PackagesInFlight& inFlight)
{
    for (std::uint64_t index = 0; index < oldCount; ++index) {
        if (!RemoveA(PackageName(prefix, index).c_str(), 1, heartbeat, &inFlight))
            return false;
    }
    for (std::uint64_t index = runFrom; index < runFrom + runCount; ++index) {
        if (!RemoveA(PackageName(prefix, index).c_str(), 1, heartbeat, &inFlight))
            return false;
    }
    return true;
}

} // namespace

unsigned long Velkaro::IsPck(std::string path)
{
    if (!HasPackageExtension(path))
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
    const std::uint64_t writeCount
        = SplitPackageCount(static_cast<std::uint64_t>(status.st_size), size);
    const std::uint64_t removeCount = probe == 0 ? IsPck(firstPackage) : 0;
    // Packages left from an earlier set (a split that was stopped, a package 0 deleted by hand)
    // that the new set would run into would be joined after it: they are replaced too, and so
    // only when replacing is allowed.
    const std::uint64_t runCount = removeCount > writeCount ? 0 : PackagesFrom(prefix, writeCount);
    if (runCount > 0 && !overwrite)
        return false;
    if (IsPackageOf(source, prefix)
        || !SplitTargetsAreSafe(prefix, std::max(removeCount, writeCount + runCount), writeCount))
        return false;

    PackagesInFlight inFlight(!SyncfsMakesDurable(folder.Get()), folder.Get());
    if (!RemoveReplaced(prefix, removeCount, writeCount, runCount, heartbeat, inFlight))
        return false;
    SplitWriter writer(prefix, input.Get(), status, size, heartbeat, inFlight);
    return writer.Run(folder);
}

bool Velkaro::Build(
    std::string package, std::string destination, bool overwrite, const Heartbeat& heartbeat)
{
    if (!FirstPackageExists(package))
        return false;
    const int probe = VerifyFileExA(destination.c_str());
    if (probe == 2 || (probe == 0 && !overwrite))
        return false;
    const std::string prefix = PackagePrefix(package);
    if (IsPackageOf(destination, prefix))
        return false;

    const BuildTarget target = BuildTarget::Of(destination);
    if (target.path.empty())
        return false;
    // A device or a FIFO is written in place: there is no file to replace.
    if (target.exists && !S_ISREG(target.status.st_mode)) {
        OutputFile output(OpenSpecialForWriting(target.path.c_str()));
        return output.IsOpen() && Join(prefix, output, heartbeat) && output.Sync()
            && output.Close();
    }

    // A file the user may not write stays as it is, as it would if it were written in place.
    if (target.exists && RetryOnInterrupt([&] { return access(target.path.c_str(), W_OK); }) != 0)
        return false;
    // A new file is readable by no one more than the packages it is made from.
    struct stat first = {};
    if (RetryOnInterrupt([&] { return stat(PackageName(prefix, 0).c_str(), &first); }) != 0)
        return false;
    TemporaryFile joined(target.path, first.st_mode & 0777);
    if (!joined.IsOpen() || (target.exists && !joined.TakeOwnerAndModeOf(target.status)))
        return false;
    return Join(prefix, joined.Output(), heartbeat)
        && joined.Commit(false, [&] { return target.Unchanged(); });
}

#include "planning/BuildPlan.h"

#include "VerifyFileA.h"
#include "naming/CaseFolding.h"
#include "naming/PackageNames.h"
#include "posix/Descriptors.h"
#include "posix/FileIdentity.h"
#include "posix/FileState.h"
#include "posix/Folder.h"
#include "posix/OpenFile.h"
#include "posix/Paths.h"
#include "posix/Retry.h"
#include "posix/SameFile.h"

#include <cstdint>
#include <fcntl.h>
#include <limits>
#include <unistd.h>

namespace {

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

// Whether `folder` is the set's folder `packages`, or another view of it: one where package 0
// stands as the same file.
bool SameFolder(const Folder& folder, const Folder& packages, const Stem& stem)
{
    if (folder.Identity() == packages.Identity())
        return true;
    const std::string first = PackageName(stem, 0);
    struct stat here = {};
    struct stat there = {};
    const FileDescriptor a = OpenRegularForReadingAt(folder.Get(), first.c_str(), here);
    const FileDescriptor b = OpenRegularForReadingAt(packages.Get(), first.c_str(), there);
    return a.IsOpen() && b.IsOpen() && MayBeSameFile(a.Get(), here, b.Get(), there);
}

// Whether one of the set's names, at any index, is the very file `identity` (a hard link).
bool IsAPackage(const Folder& packages, const Stem& stem, const FileIdentity& identity,
    const CaseFolding& folding)
{
    bool found = false;
    const bool listed = packages.List([&](const std::string& entry) {
        struct stat status = {};
        found = found
            || (IndexIn(entry, stem, folding) && packages.Stat(entry, status)
                && IdentityOf(status) == identity);
    });
    return found || !listed;
}

bool Overlaps(const BuildPlan& plan)
{
    const Folder& packages = plan.packages;
    const Stem& stem = plan.set->stem;
    const BuildTarget& target = plan.target;
    const CaseFolding folding;
    for (const std::string& path : {plan.destination, target.path}) {
        if (path.empty() || !IndexIn(NameIn(path), stem, folding))
            continue;
        const Folder folder = Folder::Of(path);
        if (!packages.IsOpen() || !folder.IsOpen() || SameFolder(folder, packages, stem))
            return true;
    }
    // A file with one name is a package only under that name, unless the file system makes up
    // others that lead to it as well (FAT's short name, its spellings with trailing dots): a
    // destination that exists on such a file system beside the set, or has several names, needs
    // the set's folder searched.
    return target.exists && S_ISREG(target.status.st_mode)
        && (target.status.st_nlink > 1
            || (target.status.st_dev == packages.Identity().device && !plan.packageNamesAreExact))
        && IsAPackage(packages, stem, IdentityOf(target.status), folding);
}

// Whether a file as long as the set fits under `largest` bytes, added up only where there is a
// limit.
bool Fits(const Folder& packages, const Stem& stem, std::uint64_t largest)
{
    if (largest == std::numeric_limits<std::uint64_t>::max())
        return true;
    std::uint64_t total = 0;
    struct stat status = {};
    for (std::uint64_t index = 0; PackageIn(packages, stem, index, status); ++index) {
        total += static_cast<std::uint64_t>(status.st_size);
        if (total > largest)
            return false;
    }
    return true;
}

// The target as BuildTarget::Of describes it, but for its name.
BuildTarget Locate(const std::string& destination)
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

} // namespace

BuildTarget BuildTarget::Of(const std::string& destination)
{
    BuildTarget target = Locate(destination);
    target.name = NameIn(target.path);
    return target;
}

bool BuildTarget::Unchanged(const Folder& folder, const Distinguishing& by) const
{
    struct stat now = {};
    if (!folder.StatLink(name, now))
        return !exists && errno == ENOENT;
    // Where inode numbers are made up afresh (FUSE), the file is told by its size and times.
    return exists
        && (by.inodes ? IdentityOf(now) == IdentityOf(status)
                      : StateOf(now, by) == StateOf(status, by));
}

BuildPlan PlanBuild(const std::string& package, const std::string& destination)
{
    BuildPlan plan;
    plan.destination = destination;
    plan.set = SetName::OfPackage(package);
    plan.firstPackageExists = plan.set && VerifyFileA(plan.set->PathOf(0).c_str());
    plan.probe = ProbeOf(destination);
    plan.target = BuildTarget::Of(destination);
    if (!plan.firstPackageExists)
        return plan;
    plan.packages = Folder::Of(plan.set->prefix);
    if (plan.packages.IsOpen()) {
        const FileSystemProfile packagesProfile = FileSystemProfile::Of(plan.packages.Get());
        plan.packagesBy = packagesProfile.distinguishing;
        plan.packageNamesAreExact = packagesProfile.namesAreExact;
    }
    if (!plan.target.path.empty()) {
        plan.folder = Folder::Of(plan.target.path);
        if (plan.folder.IsOpen())
            plan.profile = FileSystemProfile::Of(plan.folder.Get());
    }
    plan.overlaps = Overlaps(plan);
    return plan;
}

void BuildPlan::Survey()
{
    surveyed = true;
    if (!firstPackageExists || !packages.IsOpen() || !folder.IsOpen())
        return;
    // Looked at again now that no other command of the program is at work there.
    unchanged = target.Unchanged(folder, profile.distinguishing);
    overlaps = Overlaps(*this);
    enoughDescriptors = SpareDescriptors(BuildDescriptors) >= BuildDescriptors;
    fits = Fits(packages, set->stem, profile.largestFile);
    // A file the user may not write stays as it is, as it would if it were written in place.
    writable = !target.exists || WritesInPlace()
        || RetryOnInterrupt([&] { return access(target.path.c_str(), W_OK); }) == 0;
    // A new file is readable by no one more than the packages it is made from.
    struct stat first = {};
    firstPackageMode = packages.Stat(PackageName(set->stem, 0), first)
        ? std::optional<mode_t>(first.st_mode & 0777)
        : std::nullopt;
}

BuildPlan::Refusal BuildPlan::FirstRefusal(bool overwrite) const
{
    if (!firstPackageExists)
        return Refusal::Source;
    if (overlaps)
        return Refusal::Overlap;
    if (Replaces() && !overwrite)
        return Refusal::Replaces;
    if (probe == Probe::Unwritable)
        return Refusal::Destination;
    if (target.path.empty() || !folder.IsOpen())
        return Refusal::Unreachable;
    if (!packages.IsOpen())
        return Refusal::Unseen;
    if (!surveyed)
        return Refusal::None;
    if (!unchanged)
        return Refusal::Changed;
    if (!fits)
        return Refusal::TooLarge;
    if (!enoughDescriptors)
        return Refusal::Descriptors;
    if (!writable)
        return Refusal::ReadOnly;
    if (!firstPackageMode && !WritesInPlace())
        return Refusal::Unseen;
    return Refusal::None;
}

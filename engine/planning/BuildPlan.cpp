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

#include <array>
#include <cstdint>
#include <fcntl.h>
#include <limits>
#include <unistd.h>

namespace {

// Whether `folder` is the set's folder `packages`, or another view of it: one where package 0
// stands as the same file.
bool SameFolder(const Folder& folder, const Folder& packages, const std::string& first)
{
    if (folder.Identity() == packages.Identity())
        return true;
    // Package 0 as each of the two shows it.
    std::array<struct stat, 2> status = {};
    std::array<FileDescriptor, 2> files;
    const std::array<const Folder*, 2> folders = {&folder, &packages};
    for (std::size_t view = 0; view < files.size(); ++view)
        files[view] = OpenRegularForReadingAt(folders[view]->Get(), first.c_str(), status[view]);
    return files[0].IsOpen() && files[1].IsOpen()
        && MayBeSameFile(files[0].Get(), status[0], files[1].Get(), status[1]);
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

// Whether `name` in `folder` is a package's name of the set: in letters of either case, in the
// set's folder or in another view of it.
bool NamedAsPackage(const std::string& name, const Folder& folder, const BuildPlan& plan,
    const CaseFolding& folding)
{
    const Folder& packages = plan.packages;
    return (!packages.IsOpen() || !folder.IsOpen() || SameFolder(folder, packages, plan.firstName))
        && IndexIn(name, plan.set->stem, folding);
}

bool Overlaps(const BuildPlan& plan)
{
    const Folder& packages = plan.packages;
    const Stem& stem = plan.set->stem;
    const BuildTarget& target = plan.target;
    const CaseFolding folding;
    if ((!target.path.empty() && NamedAsPackage(target.name, target.folder, plan, folding))
        || (target.given
            && NamedAsPackage(target.given->name, target.given->folder, plan, folding)))
        return true;
    // A file with one name is a package only under that name, unless the file system makes up
    // others that lead to it as well (FAT's short name, its spellings with trailing dots): a
    // destination that exists on such a file system beside the set, or has several names, needs
    // the set's folder searched.
    return target.exists && S_ISREG(target.status.st_mode)
        && (target.status.st_nlink > 1
            || (target.status.st_dev == packages.Identity().device
                && !plan.packagesProfile.namesAreExact))
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

} // namespace

BuildTarget BuildTarget::Of(const std::string& destination)
{
    BuildTarget target;
    const std::string folder = FolderOf(destination);
    const std::string name = NameIn(destination);
    struct stat named = {};
    struct stat holder = {};
    if (RetryOnInterrupt([&] { return lstat(destination.c_str(), &named); }) != 0) {
        if (errno == ENOENT) {
            target.path = destination;
            target.name = name;
            target.folder = Folder::Open(folder);
        } else {
            target.given = BuildTarget::Given {name, Folder::Open(folder)};
        }
        return target;
    }
    target.exists = true;
    target.status = named;
    if (!S_ISLNK(named.st_mode)) {
        target.path = destination;
        target.name = name;
        target.folder = Folder::Open(folder);
        return target;
    }
    target.given = BuildTarget::Given {name, Folder::Open(folder)};
    // The kernel's protected-symlinks rule, kept whether or not the kernel enforces it: in a
    // sticky folder that everyone may write (/tmp), a link is followed only by its owner or the
    // folder's.
    if (RetryOnInterrupt([&] { return stat(folder.c_str(), &holder); }) != 0)
        return target;
    const bool shared = (holder.st_mode & S_ISVTX) != 0 && (holder.st_mode & S_IWOTH) != 0;
    if (shared && named.st_uid != geteuid() && named.st_uid != holder.st_uid)
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
    target.name = NameIn(resolved);
    target.folder = Folder::Of(resolved);
    return target;
}

bool BuildTarget::Unchanged(const Distinguishing& by) const
{
    struct stat now = {};
    if (!folder.StatLink(name, now))
        return !exists && errno == ENOENT;
    // Where inode numbers are made up afresh (FUSE), the file is told by its size and times.
    return exists
        && (by.inodes ? IdentityOf(now) == IdentityOf(status)
                      : StateOf(now, by) == StateOf(status, by));
}

BuildPlan LookAtBuild(const std::string& package, const std::string& destination)
{
    BuildPlan plan;
    plan.set = SetName::OfPackage(package);
    plan.firstPackageExists = plan.set && VerifyFileA(plan.set->PathOf(0).c_str());
    plan.target = BuildTarget::Of(destination);
    plan.probe = ProbeOf(destination);
    if (!plan.firstPackageExists)
        return plan;
    plan.firstName = PackageName(plan.set->stem, 0);
    plan.packages = Folder::Open(plan.set->folder);
    if (plan.packages.IsOpen())
        plan.packagesProfile = FileSystemProfile::Of(plan.packages.Get());
    if (plan.target.folder.IsOpen())
        plan.profile = FileSystemProfile::Of(plan.target.folder.Get());
    return plan;
}

void BuildPlan::Survey()
{
    if (!firstPackageExists)
        return;
    // A name that cannot be looked at in a folder that cannot be opened may be the set's own.
    overlaps = Overlaps(*this);
    if (!packages.IsOpen() || !target.folder.IsOpen())
        return;
    // Looked at again now that no other command of the program is at work there.
    unchanged = target.Unchanged(profile.distinguishing);
    enoughDescriptors = SpareDescriptors(BuildDescriptors) >= BuildDescriptors;
    fits = Fits(packages, set->stem, profile.largestFile);
    // A file the user may not write stays as it is, as it would if it were written in place.
    writable = !target.exists || WritesInPlace()
        || RetryOnInterrupt([&] { return access(target.path.c_str(), W_OK); }) == 0;
    // A new file is readable by no one more than the packages it is made from.
    struct stat first = {};
    firstPackageMode = packages.Stat(firstName, first) ? std::optional<mode_t>(first.st_mode & 0777)
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
    if (target.path.empty() || !target.folder.IsOpen())
        return Refusal::Unreachable;
    if (!packages.IsOpen())
        return Refusal::Unseen;
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

BuildPlan PlanBuild(const std::string& package, const std::string& destination)
{
    BuildPlan plan = LookAtBuild(package, destination);
    plan.Survey();
    return plan;
}

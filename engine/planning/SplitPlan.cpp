#include "planning/SplitPlan.h"

#include "naming/CaseFolding.h"
#include "naming/PackageNames.h"
#include "posix/FileIdentity.h"
#include "posix/OpenFile.h"
#include "posix/Paths.h"
#include "posix/SameFile.h"

#include <algorithm>

namespace {

// The run of regular files from `index` on, as the set counts them (links followed).
std::uint64_t RunFrom(const Folder& folder, const std::string& stem, std::uint64_t index)
{
    std::uint64_t count = 0;
    struct stat status = {};
    while (PackageIn(folder, stem, index + count, status))
        ++count;
    return count;
}

// Whether the file at `name` in `folder` may be the source, whatever the two are called and
// through whichever mount the folder is seen.
bool MayBeSource(const SplitSource& source, const Folder& folder, const std::string& name)
{
    struct stat status = {};
    if (!folder.Stat(name, status))
        return false;
    if (IdentityOf(status) == IdentityOf(source.status))
        return true;
    if (!IsPackageFile(status) || status.st_size != source.status.st_size)
        return false;
    const FileDescriptor file = OpenRegularForReadingAt(folder.Get(), name.c_str(), status);
    return MayBeSameFile(source.file.Get(), source.status, file.IsOpen() ? file.Get() : -1, status);
}

// Whether the source itself is named as a package of the set: under the path it was given by, or
// where a link leads, in the destination folder itself or in another view of it.
bool NamedAsPackage(const SplitSource& source, const Folder& folder, const std::string& stem,
    const CaseFolding& folding)
{
    const std::string resolved = ResolvedPath(source.path);
    for (const std::string& path : {source.path, resolved}) {
        const std::string name = NameIn(path);
        if (path.empty() || !IndexIn(name, stem, folding))
            continue;
        const auto identity = IdentityOfPath(FolderOf(path).c_str());
        if ((identity && *identity == folder.Identity()) || MayBeSource(source, folder, name))
            return true;
    }
    return false;
}

} // namespace

SplitSource OpenSplitSource(const std::string& path)
{
    SplitSource source;
    source.path = path;
    source.file = OpenRegularForReading(path.c_str(), source.status);
    return source;
}

SplitPlan PlanSplit(
    const SplitSource& source, const Folder& folder, const std::string& stem, std::uint32_t size)
{
    SplitPlan plan;
    if (!source.file.IsOpen() || !folder.IsOpen())
        return plan;
    plan.writeCount = size == 0
        ? 1
        : SplitPackageCount(static_cast<std::uint64_t>(source.status.st_size), size);
    const std::uint64_t oldCount = RunFrom(folder, stem, 0);
    // Packages left from an earlier set (a split that was stopped, a package 0 deleted by hand)
    // that the new set would run into would be joined after it: they go too.
    plan.touched = std::max(oldCount,
        oldCount > plan.writeCount ? 0 : plan.writeCount + RunFrom(folder, stem, plan.writeCount));

    const CaseFolding folding;
    plan.overlaps = NamedAsPackage(source, folder, stem, folding);
    plan.known = folder.List([&](const std::string& entry) {
        const auto index = IndexIn(entry, stem, folding);
        if (!index || *index >= plan.touched)
            return;
        // What the file system finds under the package's own name: on one without case, a
        // spelling in other letters; on one with case, nothing at all.
        const std::string name = PackageName(stem, *index);
        struct stat status = {};
        if (!folder.StatLink(name, status))
            return;
        plan.replaces = true;
        if (S_ISLNK(status.st_mode) || (!IsPackageFile(status) && *index < plan.writeCount))
            plan.safe = false;
        else
            plan.overlaps = plan.overlaps || MayBeSource(source, folder, name);
    });
    return plan;
}

SplitPlan PlanSplit(const std::string& source, const std::string& base, std::uint32_t size)
{
    const std::string prefix = PrefixFor(base);
    return PlanSplit(OpenSplitSource(source), Folder::Of(prefix), NameIn(prefix), size);
}

#include "planning/SplitPlan.h"

#include "VerifyFileA.h"
#include "naming/CaseFolding.h"
#include "naming/PackageNames.h"
#include "posix/Descriptors.h"
#include "posix/FileIdentity.h"
#include "posix/OpenFile.h"
#include "posix/Paths.h"
#include "posix/SameFile.h"

#include <algorithm>

namespace {

// The run of regular files from `index` on, as the set counts them (links followed).
std::uint64_t RunFrom(const Folder& folder, const Stem& stem, std::uint64_t index)
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
bool NamedAsPackage(
    const SplitSource& source, const Folder& folder, const Stem& stem, const CaseFolding& folding)
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

SplitSource OpenSplitSource(const std::string& path)
{
    SplitSource source;
    source.path = path;
    source.file = OpenRegularForReading(path.c_str(), source.status);
    if (source.file.IsOpen()) {
        source.folder = Folder::Of(path);
        source.by = FileSystemProfile::Of(source.file.Get()).distinguishing;
    }
    return source;
}

} // namespace

SplitPlan LookAtSplit(
    const std::string& source, const std::string& base, std::optional<std::uint32_t> size)
{
    SplitPlan plan;
    plan.source = OpenSplitSource(source);
    // Opened, it is a regular file; one that may not be read is asked for by its name.
    plan.sourceIsFile = plan.source.file.IsOpen() || VerifyFileA(source.c_str());
    plan.isBase = IsPackageBase(base);
    plan.set = SetName::OfBase(base);
    plan.size = size;
    if (!plan.source.file.IsOpen() || !plan.isBase)
        return plan;
    plan.firstPackage = ProbeOf(plan.set.PathOf(0));
    plan.folder = Folder::Open(plan.set.folder);
    if (plan.folder.IsOpen())
        plan.profile = FileSystemProfile::Of(plan.folder.Get());
    return plan;
}

void SplitPlan::Survey()
{
    seenInFull = false;
    if (!source.file.IsOpen() || !folder.IsOpen())
        return;
    const Stem& stem = set.stem;
    writeCount = size.value_or(0) == 0
        ? 1
        : SplitPackageCount(static_cast<std::uint64_t>(source.status.st_size), *size);
    const std::uint64_t oldCount = RunFrom(folder, stem, 0);
    // Packages left from an earlier set (a split that was stopped, a package 0 deleted by hand)
    // that the new set would run into would be read after it by a build: they go too.
    removeCount = std::max(
        oldCount, oldCount > writeCount ? 0 : writeCount + RunFrom(folder, stem, writeCount));

    const CaseFolding folding;
    overlaps = NamedAsPackage(source, folder, stem, folding);
    replaces = false;
    linkOrSpecial = false;
    seenInFull = folder.List([&](const std::string& entry) {
        const auto index = IndexIn(entry, stem, folding);
        if (!index || *index >= removeCount)
            return;
        // What the file system finds under the package's own name: on one without case, a
        // spelling in other letters; on one with case, nothing at all.
        const std::string name = PackageName(stem, *index);
        struct stat status = {};
        if (!folder.StatLink(name, status))
            return;
        replaces = true;
        if (S_ISLNK(status.st_mode) || (!IsPackageFile(status) && *index < writeCount))
            linkOrSpecial = true;
        else
            overlaps = overlaps || MayBeSource(source, folder, name);
    });
    spareDescriptors = SpareDescriptors(SplitDescriptors + MostInFlight);
}

SplitPlan::Refusal SplitPlan::FirstRefusal(bool overwrite) const
{
    if (!sourceIsFile)
        return Refusal::Source;
    if (!isBase)
        return Refusal::Destination;
    if (overlaps)
        return Refusal::Overlap;
    if ((replaces || firstPackage == Probe::Exists) && !overwrite)
        return Refusal::Replaces;
    if (!size)
        return Refusal::Size;
    if (*size == 0)
        return Refusal::ZeroSize;
    if (firstPackage == Probe::Unwritable || !folder.IsOpen())
        return Refusal::Unwritable;
    if (!source.file.IsOpen() || !source.folder.IsOpen() || !seenInFull)
        return Refusal::Unseen;
    if (linkOrSpecial)
        return Refusal::LinkOrSpecial;
    if (spareDescriptors < SplitDescriptors)
        return Refusal::Descriptors;
    return Refusal::None;
}

SplitPlan PlanSplit(
    const std::string& source, const std::string& base, std::optional<std::uint32_t> size)
{
    SplitPlan plan = LookAtSplit(source, base, size);
    plan.Survey();
    return plan;
}

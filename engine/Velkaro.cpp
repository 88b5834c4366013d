#include "Velkaro.h"

#include "VerifyFileA.h"
#include "VerifyFileExA.h"
#include "durability/FileSystemProfile.h"
#include "durability/OutputFile.h"
#include "naming/PackageNames.h"
#include "planning/BuildPlan.h"
#include "planning/SplitPlan.h"
#include "posix/Folder.h"
#include "posix/FolderLock.h"
#include "posix/OpenFile.h"
#include "posix/Paths.h"
#include "posix/Retry.h"
#include "writing/JoinSet.h"
#include "writing/SplitWriter.h"
#include "writing/TemporaryFile.h"

#include <new>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Running out of memory fails a command like any other error: what it made is taken away again as
// the objects that made it go out of profile.
template <typename Result, typename Command>
Result OrOnNoMemory(Result failed, const Command& command)
{
    try {
        return command();
    } catch (const std::bad_alloc&) {
        return failed;
    }
}

} // namespace

unsigned long Velkaro::IsPck(std::string path)
{
    return OrOnNoMemory(0UL, [&] { return CountPackages(path); });
}

bool Velkaro::Split(std::string source, std::string destination, std::uint32_t size, bool overwrite,
    const Heartbeat& heartbeat)
{
    return OrOnNoMemory(
        false, [&] { return SplitFile(source, destination, size, overwrite, heartbeat); });
}

bool Velkaro::Build(
    std::string package, std::string destination, bool overwrite, const Heartbeat& heartbeat)
{
    return OrOnNoMemory(
        false, [&] { return JoinFile(package, destination, overwrite, heartbeat); });
}

unsigned long Velkaro::CountPackages(const std::string& path)
{
    const std::optional<std::string> prefix = PrefixOf(path);
    if (!prefix)
        return 0;
    unsigned long count = 0;
    while (VerifyFileA(PackageName(*prefix, count).c_str()))
        ++count;
    return count;
}

bool Velkaro::SplitFile(const std::string& source, const std::string& destination,
    std::uint32_t size, bool overwrite, const Heartbeat& heartbeat)
{
    if (!VerifyFileA(source.c_str()) || !IsPackageBase(destination))
        return false;
    const std::string prefix = PrefixFor(destination);
    const int probe = VerifyFileExA(PackageName(prefix, 0).c_str());
    if (probe == 2 || (probe == 0 && !overwrite) || size == 0)
        return false;

    const SplitSource input = OpenSplitSource(source);
    const Folder folder = Folder::Of(prefix);
    const Folder sourceFolder = Folder::Of(source);
    if (!input.file.IsOpen() || !folder.IsOpen() || !sourceFolder.IsOpen())
        return false;
    // The plan is made, and carried out, with no other command of the program at work on the set
    // or on the source.
    const FolderLock lock(folder, &sourceFolder, heartbeat);
    const std::string stem = NameIn(prefix);
    const SplitPlan plan = PlanSplit(input, folder, stem, size);
    if (!plan.Allows(overwrite))
        return false;
    SplitWriter writer(
        folder, FileSystemProfile::Of(folder.Get()), stem, input, size, plan, heartbeat);
    return writer.Run();
}

bool Velkaro::JoinFile(const std::string& package, const std::string& destination, bool overwrite,
    const Heartbeat& heartbeat)
{
    const BuildPlan first = PlanBuild(package, destination);
    if (!first.Allows(overwrite))
        return false;
    const std::string prefix = *PrefixOf(package);
    const Folder packages = Folder::Of(prefix);
    const Folder folder = Folder::Of(first.target.path);
    if (!packages.IsOpen() || !folder.IsOpen())
        return false;
    const FolderLock lock(folder, &packages, heartbeat);
    const std::string stem = NameIn(prefix);
    const FileSystemProfile profile = FileSystemProfile::Of(folder.Get());
    // Looked at again now that no other command of the program is at work there.
    const BuildPlan plan = PlanBuild(first, packages, stem, folder, profile);
    if (!plan.Allows(overwrite))
        return false;
    const BuildTarget& target = plan.target;
    const Distinguishing packagesBy = FileSystemProfile::Of(packages.Get()).distinguishing;

    if (plan.WritesInPlace()) {
        FileDescriptor special = OpenSpecialForWriting(target.path.c_str());
        const Push push
            = special.IsOpen() ? FileSystemProfile::Of(special.Get()).push : Push::Started;
        OutputFile output(std::move(special), push);
        return output.IsOpen() && JoinSet(packages, stem, packagesBy, output, heartbeat)
            && output.Sync() && output.Close();
    }

    // A file the user may not write stays as it is, as it would if it were written in place.
    if (target.exists && RetryOnInterrupt([&] { return access(target.path.c_str(), W_OK); }) != 0)
        return false;
    // A new file is readable by no one more than the packages it is made from.
    struct stat firstPackage = {};
    if (!packages.Stat(PackageName(stem, 0), firstPackage))
        return false;
    TemporaryFile joined(folder, profile, target.name, firstPackage.st_mode & 0777);
    if (!joined.IsOpen() || (target.exists && !joined.TakeOwnerAndModeOf(target.status)))
        return false;
    return JoinSet(packages, stem, packagesBy, joined.Output(), heartbeat)
        && joined.Commit(
            false, target.exists, [&] { return target.Unchanged(folder, profile.distinguishing); });
}

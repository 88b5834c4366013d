#include "Velkaro.h"

#include "VerifyFileA.h"
#include "VerifyFileExA.h"
#include "naming/PackageNames.h"
#include "planning/BuildPlan.h"
#include "planning/SplitPlan.h"
#include "posix/Descriptors.h"
#include "posix/Folder.h"
#include "posix/FolderLock.h"
#include "posix/OpenFile.h"
#include "posix/Paths.h"
#include "posix/Retry.h"
#include "writing/JoinSet.h"
#include "writing/OutputFile.h"
#include "writing/SplitWriter.h"
#include "writing/TemporaryFile.h"

#include <sys/stat.h>
#include <unistd.h>

unsigned long Velkaro::IsPck(std::string path)
{
    const std::optional<std::string> prefix = PrefixOf(path);
    if (!prefix)
        return 0;
    unsigned long count = 0;
    while (VerifyFileA(PackageName(*prefix, count).c_str()))
        ++count;
    return count;
}

bool Velkaro::Split(std::string source, std::string destination, std::uint32_t size, bool overwrite,
    const Heartbeat& heartbeat)
{
    if (!VerifyFileA(source.c_str()) || !IsPackageBase(destination))
        return false;
    const std::string prefix = destination + ".c";
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
    SplitWriter writer(folder, stem, input, size, plan, heartbeat);
    return writer.Run();
}

bool Velkaro::Build(
    std::string package, std::string destination, bool overwrite, const Heartbeat& heartbeat)
{
    if (!FirstPackageExists(package))
        return false;
    const int probe = VerifyFileExA(destination.c_str());
    if (probe == 2 || (probe == 0 && !overwrite))
        return false;

    const std::string prefix = *PrefixOf(package);
    const BuildTarget target = BuildTarget::Of(destination);
    if (target.path.empty())
        return false;
    const Folder packages = Folder::Of(prefix);
    const Folder folder = Folder::Of(target.path);
    if (!packages.IsOpen() || !folder.IsOpen())
        return false;
    const FolderLock lock(folder, &packages, heartbeat);
    const std::string stem = NameIn(prefix);
    // Looked at again now that no other command of the program is at work there.
    if (!target.Unchanged(folder) || BuildOverlaps(packages, stem, destination, target))
        return false;
    // The build file, the package being read and the link that names the file.
    if (SpareDescriptors(4) < 4 || !BuildFits(packages, stem, folder))
        return false;

    // A device or a FIFO is written in place: there is no file to replace.
    if (target.exists && !S_ISREG(target.status.st_mode)) {
        OutputFile output(OpenSpecialForWriting(target.path.c_str()));
        return output.IsOpen() && JoinSet(packages, stem, output, heartbeat) && output.Sync()
            && output.Close();
    }

    // A file the user may not write stays as it is, as it would if it were written in place.
    if (target.exists && RetryOnInterrupt([&] { return access(target.path.c_str(), W_OK); }) != 0)
        return false;
    // A new file is readable by no one more than the packages it is made from.
    struct stat first = {};
    if (!packages.Stat(PackageName(stem, 0), first))
        return false;
    TemporaryFile joined(folder, NameIn(target.path), first.st_mode & 0777);
    if (!joined.IsOpen() || (target.exists && !joined.TakeOwnerAndModeOf(target.status)))
        return false;
    return JoinSet(packages, stem, joined.Output(), heartbeat)
        && joined.Commit(false, target.exists, [&] { return target.Unchanged(folder); });
}

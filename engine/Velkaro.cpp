#include "Velkaro.h"

#include "VerifyFileA.h"
#include "naming/PackageNames.h"
#include "planning/BuildPlan.h"
#include "planning/SplitPlan.h"
#include "posix/FolderLock.h"
#include "writing/BuildWriter.h"
#include "writing/SplitWriter.h"

#include <new>

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
        false, [&] { return BuildFile(package, destination, overwrite, heartbeat); });
}

unsigned long Velkaro::CountPackages(const std::string& path)
{
    const std::optional<SetName> set = SetName::OfPackage(path);
    if (!set)
        return 0;
    unsigned long count = 0;
    while (VerifyFileA(set->PathOf(count).c_str()))
        ++count;
    return count;
}

bool Velkaro::SplitFile(const std::string& source, const std::string& destination,
    std::uint32_t size, bool overwrite, const Heartbeat& heartbeat)
{
    SplitPlan plan = LookAtSplit(source, destination, size);
    // The set's folder is surveyed, and the split carried out, with no other command of the
    // program at work on the set or on the source.
    const FolderLock lock(plan.folder, &plan.source.folder, heartbeat);
    plan.Survey();
    if (plan.FirstRefusal(overwrite) != SplitPlan::Refusal::None)
        return false;
    SplitWriter writer(plan, heartbeat);
    return writer.Run();
}

bool Velkaro::BuildFile(const std::string& package, const std::string& destination, bool overwrite,
    const Heartbeat& heartbeat)
{
    BuildPlan plan = LookAtBuild(package, destination);
    // Both folders are surveyed, and the build carried out, with no other command of the program
    // at work on either.
    const FolderLock lock(plan.target.folder, &plan.packages, heartbeat);
    plan.Survey();
    if (plan.FirstRefusal(overwrite) != BuildPlan::Refusal::None)
        return false;
    BuildWriter writer(plan);
    return writer.Run(heartbeat);
}

#include "writing/BuildWriter.h"

#include "naming/PackageNames.h"
#include "planning/BuildPlan.h"
#include "posix/FileState.h"
#include "posix/Folder.h"
#include "posix/OpenFile.h"
#include "writing/ByteCopier.h"

#include <cstdint>

namespace {

// A device or FIFO opened to be written as it is, where the plan writes in place.
OutputFile OpenInPlace(const BuildPlan& plan)
{
    if (!plan.WritesInPlace())
        return OutputFile(FileDescriptor(), Push::Started);
    FileDescriptor special = OpenSpecialForWriting(plan.target.path.c_str());
    const Push push = special.IsOpen() ? FileSystemProfile::Of(special.Get()).push : Push::Started;
    return OutputFile(std::move(special), push);
}

} // namespace

BuildWriter::BuildWriter(const BuildPlan& planned) : plan(planned), inPlace(OpenInPlace(planned))
{
    if (!plan.WritesInPlace())
        anew.emplace(plan.target.folder, plan.profile, plan.target.name, *plan.firstPackageMode);
}

bool BuildWriter::Run(const Heartbeat& heartbeat)
{
    const BuildTarget& target = plan.target;
    // The file replaced keeps its owner and permission bits.
    if (anew && anew->IsOpen() && target.exists && !anew->TakeOwnerAndModeOf(target.status))
        return false;
    return Output().IsOpen() && AppendSet(heartbeat) && Finish();
}

OutputFile& BuildWriter::Output()
{
    return anew ? anew->Output() : inPlace;
}

bool BuildWriter::AppendSet(const Heartbeat& heartbeat)
{
    const Folder& folder = plan.packages;
    const Stem& stem = plan.set->stem;
    const Distinguishing& by = plan.packagesProfile.distinguishing;
    OutputFile& output = Output();
    ByteCopier copier(heartbeat);
    std::uint64_t read = 0; // the states of the packages as they were read
    std::uint64_t count = 0;
    for (;; ++count) {
        const std::string name = PackageName(stem, count);
        struct stat status = {};
        const FileDescriptor input = OpenRegularForReadingAt(folder.Get(), name.c_str(), status);
        // The set ends where no regular file stands; one that is there but cannot be read
        // fails the build.
        if (!input.IsOpen()) {
            if (count == 0 || PackageIn(folder, stem, count, status))
                return false;
            break;
        }
        read = Mix(read, StateOf(status, by));
        // A file that says it is empty is asked for one byte, which must not come: some
        // (procfs) say so of what they do hold.
        const auto size = static_cast<std::uint64_t>(status.st_size);
        off_t offset = 0;
        if (size < ByteCopier::GatheredBelow
                ? !copier.Gather(input.Get(), size, output)
                : copier.Copy(input.Get(), offset, status.st_size, output, size) != status.st_size)
            return false;
    }
    if (!copier.Flush(output))
        return false;

    std::uint64_t now = 0;
    struct stat status = {};
    for (std::uint64_t index = 0; index < count; ++index) {
        if (!PackageIn(folder, stem, index, status))
            return false;
        now = Mix(now, StateOf(status, by));
        // A million packages take a second to look at again.
        if (heartbeat && index % 4096 == 4095)
            heartbeat();
    }
    return now == read && !PackageIn(folder, stem, count, status);
}

// A device is synced and closed; a new file is synced and takes the destination's name, only
// where that name still shows what the plan found there.
bool BuildWriter::Finish()
{
    if (!anew)
        return inPlace.Sync() && inPlace.Close();
    const BuildTarget& target = plan.target;
    return anew->Commit(
        false, target.exists, [&] { return target.Unchanged(plan.profile.distinguishing); });
}

#include "writing/JoinSet.h"

#include "durability/OutputFile.h"
#include "naming/PackageNames.h"
#include "posix/Folder.h"
#include "posix/OpenFile.h"
#include "writing/ByteCopier.h"

#include "posix/FileState.h"

#include <cstdint>

bool JoinSet(const Folder& folder, const Stem& stem, const Distinguishing& by,
    OutputFile& output, const Heartbeat& heartbeat)
{
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

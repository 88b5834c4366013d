#include "durability/PackagesInFlight.h"

#include "posix/Retry.h"

#include <unistd.h>
#include <utility>

namespace {

// Below this a package is never waited for by itself.
constexpr std::uint64_t SmallPackage = std::uint64_t(32) << 20;
// From this size on, a small package's writeback is started as it is closed, so that the device
// writes while the next ones are copied; the block queue holds the copy back when the device
// falls behind. Below it, a start per file costs more than the copying, and the batch sync
// writes such packages together.
constexpr std::uint64_t PushedAlone = std::uint64_t(1) << 20;

} // namespace

bool PackagesInFlight::Add(OutputFile file)
{
    return file.StartRest() && Hold(std::move(file));
}

bool PackagesInFlight::Hold(OutputFile file)
{
    bytes += file.Pending();
    files.push_back(std::move(file));
    // Where a push waits, the files held land together: on FUSE over a block device the first
    // push writes out all of them, and each sync after it finds next to nothing left to write.
    if (files.back().PushesWait())
        return !MustLand() || Land();
    while (MustLand()) {
        if (!LandOldest())
            return false;
    }
    return true;
}

bool PackagesInFlight::MustLand() const
{
    if (files.empty())
        return false;
    if (files.size() > mostFiles)
        return true;
    return files.back().PushesWait() ? bytes >= static_cast<std::uint64_t>(WaitedWindow)
                                     : bytes > MostBytesInFlight;
}

bool PackagesInFlight::AddPackage(OutputFile package)
{
    if (syncEachFile)
        return Add(std::move(package));
    // A large package's rest is pushed when the package is waited for, not as it is closed: a push
    // holds up the copy of the next package while the device takes it.
    if (package.Length() >= SmallPackage)
        return Hold(std::move(package));
    if (package.Length() >= PushedAlone)
        return package.StartRest() && package.Close();
    unsynced += package.Length();
    if (!package.Close())
        return false;
    if (unsynced < MostBytesInFlight)
        return true;
    unsynced = 0;
    return RetryOnInterrupt([&] { return syncfs(folder); }) == 0;
}

bool PackagesInFlight::Land()
{
    while (!files.empty()) {
        if (!LandOldest())
            return false;
    }
    return true;
}

bool PackagesInFlight::LandOldest()
{
    OutputFile& oldest = files.front();
    bytes -= oldest.Pending();
    const bool landed = (syncEachFile ? oldest.Sync() : oldest.Drain()) && oldest.Close();
    files.pop_front();
    return landed;
}

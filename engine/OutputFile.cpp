#include "OutputFile.h"

#include "Retry.h"
#include "SyncScope.h"

#include <sys/stat.h>
#include <unistd.h>
#include <utility>

OutputFile::OutputFile(FileDescriptor opened) : file(std::move(opened))
{
    struct stat status = {};
    if (file.IsOpen() && RetryOnInterrupt([&] { return fstat(file.Get(), &status); }) == 0
        && (S_ISREG(status.st_mode) || S_ISBLK(status.st_mode)))
        behind.emplace(file.Get(), PushOf(file.Get()));
}

bool OutputFile::Wrote(std::uint64_t bytes)
{
    end += static_cast<off_t>(bytes);
    return !behind || behind->Advance(end);
}

bool OutputFile::StartRest()
{
    return !behind || behind->StartRest(end);
}

bool OutputFile::Drain()
{
    return !behind || behind->Drain(end);
}

bool OutputFile::Sync()
{
    if (!behind)
        return true;
    // Where draining was the file's own sync, that is done.
    return behind->Drain(end)
        && (behind->DrainSyncs() || RetryOnInterrupt([&] { return fdatasync(file.Get()); }) == 0);
}

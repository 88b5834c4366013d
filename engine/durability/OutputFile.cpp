#include "durability/OutputFile.h"

#include "posix/Retry.h"
#include "posix/WriteAll.h"

#include <sys/stat.h>
#include <unistd.h>
#include <utility>

OutputFile::OutputFile(FileDescriptor opened, Push push) : file(std::move(opened))
{
    struct stat status = {};
    if (!file.IsOpen() || RetryOnInterrupt([&] { return fstat(file.Get(), &status); }) != 0)
        return;
    identity = IdentityOf(status);
    if (!(S_ISREG(status.st_mode) || S_ISBLK(status.st_mode)))
        return;
    behind.emplace(file.Get(), push);
    // Through FUSE, a write that goes by the file's page cache is copied there once more for
    // nobody to read, and where the daemon has not asked for large writes (ntfs-3g as mounted by
    // default) it reaches the daemon one 4 KiB page per request, at a tenth of the disk's speed.
    // Written directly, it goes in requests as large as the daemon takes. Where the kernel will
    // not, the page cache serves as before.
    if (behind->PushesWait())
        WriteDirectly(file.Get(), true);
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

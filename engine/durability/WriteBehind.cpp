#include "durability/WriteBehind.h"

#include "posix/Retry.h"

#include <algorithm>
#include <chrono>
#include <fcntl.h>
#include <unistd.h>

namespace {

// A push quicker than this is mostly its own overhead; one slower than this holds up the daemon
// for long enough to be felt in a file manager.
constexpr std::chrono::milliseconds QuickPush(25);
constexpr std::chrono::milliseconds SlowPush(100);

constexpr unsigned int StartOnly = SYNC_FILE_RANGE_WRITE;
constexpr unsigned int StartAndWait
    = SYNC_FILE_RANGE_WAIT_BEFORE | SYNC_FILE_RANGE_WRITE | SYNC_FILE_RANGE_WAIT_AFTER;

bool SyncRange(int fd, off_t from, off_t length, unsigned int how)
{
    return RetryOnInterrupt([&] { return sync_file_range(fd, from, length, how); }) == 0;
}

} // namespace

bool WriteBehind::PushAndWait()
{
    if (push != Push::FileSystemSync)
        return RetryOnInterrupt([&] { return fdatasync(fd); }) == 0;
    // On FUSE over a block device a sync of the file system, not of the file: it writes the
    // device's cache out from this side, and the daemon stays free to answer others meanwhile.
    const auto start = std::chrono::steady_clock::now();
    if (RetryOnInterrupt([&] { return syncfs(fd); }) != 0)
        return false;
    const auto took = std::chrono::steady_clock::now() - start;
    if (took < QuickPush)
        waitedWindow = std::min(2 * waitedWindow, MostWaitedWindow);
    else if (took > SlowPush)
        waitedWindow = std::max(waitedWindow / 2, WaitedWindow);
    return true;
}

bool WriteBehind::Advance(off_t end)
{
    if (PushesWait()) {
        // Only a daemon that syncs the whole device for a file needs the small window; where the
        // file's own sync is the push (sshfs, bindfs), a sync per megabyte would cost a round
        // trip and a journal commit each.
        if (end - waited < (push == Push::FileSystemSync ? waitedWindow : PushWindow))
            return true;
        if (!PushAndWait())
            return false;
        started = waited = end;
        return true;
    }
    while (end - started >= PushWindow) {
        if (!SyncRange(fd, started, PushWindow, StartOnly))
            return false;
        started += PushWindow;
        // Two windows stay in flight, so the device always has the next one queued.
        if (started - waited > 2 * PushWindow) {
            if (!SyncRange(fd, waited, PushWindow, StartAndWait))
                return false;
            waited += PushWindow;
        }
    }
    return true;
}

bool WriteBehind::StartRest(off_t end)
{
    if (PushesWait())
        return true;
    if (end > started && !SyncRange(fd, started, end - started, StartOnly))
        return false;
    started = end;
    return true;
}

bool WriteBehind::Drain(off_t end)
{
    // A length of 0 reaches to the end of the file.
    if (!(PushesWait() ? PushAndWait() : SyncRange(fd, waited, 0, StartAndWait)))
        return false;
    started = waited = end;
    return true;
}

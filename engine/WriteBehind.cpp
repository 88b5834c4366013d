#include "WriteBehind.h"

#include "Retry.h"

#include <fcntl.h>

namespace {

constexpr unsigned int StartOnly = SYNC_FILE_RANGE_WRITE;
constexpr unsigned int StartAndWait
    = SYNC_FILE_RANGE_WAIT_BEFORE | SYNC_FILE_RANGE_WRITE | SYNC_FILE_RANGE_WAIT_AFTER;

bool SyncRange(int fd, off_t from, off_t length, unsigned int how)
{
    return RetryOnInterrupt([&] { return sync_file_range(fd, from, length, how); }) == 0;
}

} // namespace

bool WriteBehind::Advance(off_t end)
{
    while (end - started >= Window) {
        if (!SyncRange(fd, started, Window, StartOnly))
            return false;
        started += Window;
        // Two windows stay in flight, so the device always has the next one queued.
        if (started - waited > 2 * Window) {
            if (!SyncRange(fd, waited, Window, StartAndWait))
                return false;
            waited += Window;
        }
    }
    return true;
}

bool WriteBehind::StartRest(off_t end)
{
    if (end > started && !SyncRange(fd, started, end - started, StartOnly))
        return false;
    started = end;
    return true;
}

bool WriteBehind::Drain()
{
    // A length of 0 reaches to the end of the file.
    return SyncRange(fd, waited, 0, StartAndWait);
}

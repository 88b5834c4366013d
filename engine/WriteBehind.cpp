#include "WriteBehind.h"

#include <fcntl.h>

namespace {

constexpr unsigned int StartOnly = SYNC_FILE_RANGE_WRITE;
constexpr unsigned int StartAndWait
    = SYNC_FILE_RANGE_WAIT_BEFORE | SYNC_FILE_RANGE_WRITE | SYNC_FILE_RANGE_WAIT_AFTER;

} // namespace

bool WriteBehind::Advance(off_t end)
{
    while (end - started >= Window) {
        if (sync_file_range(fd, started, Window, StartOnly) != 0)
            return false;
        started += Window;
        // Two windows stay in flight, so the device always has the next one queued.
        if (started - waited > 2 * Window) {
            if (sync_file_range(fd, waited, Window, StartAndWait) != 0)
                return false;
            waited += Window;
        }
    }
    return true;
}

bool WriteBehind::StartRest(off_t end)
{
    if (end > started && sync_file_range(fd, started, end - started, StartOnly) != 0)
        return false;
    started = end;
    return true;
}

bool WriteBehind::Drain()
{
    // A length of 0 reaches to the end of the file.
    return sync_file_range(fd, waited, 0, StartAndWait) == 0;
}

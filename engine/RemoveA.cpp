#include "RemoveA.h"

#include "durability/FileSystemProfile.h"
#include "writing/Wipe.h"

#include <fcntl.h>

bool RemoveA(const char* path, unsigned short passes, const Heartbeat& heartbeat)
{
    const Unlinked unlinked = UnlinkForWiping(AT_FDCWD, path, passes > 0);
    const Push push
        = unlinked.file.IsOpen() ? FileSystemProfile::Of(unlinked.file.Get()).push : Push::Started;
    // Each pass reaches the device before the next one overwrites it in memory.
    for (unsigned short pass = 0; unlinked.file.IsOpen() && pass < passes; ++pass) {
        if (!OverwriteWithZeros(unlinked.file.Get(), unlinked.length, push, heartbeat, nullptr))
            break;
    }
    return unlinked.gone;
}

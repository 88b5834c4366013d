#pragma once

#include "OutputFile.h"

#include <cstdint>
#include <deque>

// The packages of a split that are written in full but whose last bytes may still be on their way
// to the device. The split waits for them a few megabytes behind the copy, as it does within one
// package: no wait is ever long, and a sync of the whole set at the end finds little left to do.
// Many small packages cost one batch, not one sync each.
class PackagesInFlight
{
public:
    // Starts the writeback of the package's rest and takes it over; waits for the oldest packages
    // while too many bytes or descriptors are under way. False on a write error.
    bool Add(OutputFile package);

    // Waits for every package and closes it. False on a write or close error.
    bool Land();

private:
    bool LandOldest();

    std::deque<OutputFile> packages;
    std::uint64_t bytes = 0;
};

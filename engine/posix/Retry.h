#pragma once

#include <cerrno>

// Repeats a system call for as long as a signal interrupts it (-1 with EINTR), so that a signal
// arriving at the wrong moment cannot fail a command. Never for close: Linux has released the
// descriptor even when close reports EINTR.
template <typename Call> auto RetryOnInterrupt(const Call& call)
{
    auto result = call();
    while (result == -1 && errno == EINTR)
        result = call();
    return result;
}

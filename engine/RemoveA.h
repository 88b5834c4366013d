#pragma once

#include "Heartbeat.h"

// Removes a regular file after overwriting it with zeros `passes` times. A symbolic link is
// removed itself, and a file that has other names is removed without being overwritten: what
// they lead to is not the caller's to wipe. True when the name is gone (or was never a file).
bool RemoveA(const char* path, unsigned short passes, const Heartbeat& heartbeat = {});

class PackagesInFlight;

// The same for a command that removes many files: the last pass's zeros are left to `inFlight`
// (null: waited for here), which waits for them in one batch with the rest of its writing.
bool RemoveA(const char* path, unsigned short passes, const Heartbeat& heartbeat,
    PackagesInFlight* inFlight);

// The same for a name in an open folder (`folder`, or AT_FDCWD for a path).
bool RemoveAt(int folder, const char* path, unsigned short passes, const Heartbeat& heartbeat,
    PackagesInFlight* inFlight);

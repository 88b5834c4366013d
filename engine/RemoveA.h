#pragma once

#include "posix/Heartbeat.h"

// Removes a regular file after overwriting it with zeros `passes` times. A symbolic link is
// removed itself, and a file that has other names is removed without being overwritten: what
// they lead to is not the caller's to wipe. True when the name is gone (or was never a regular
// file, which is left as it is).
bool RemoveA(const char* path, unsigned short passes, const Heartbeat& heartbeat = {});

#pragma once

#include <functional>

// Called between blocks of a long copy or wipe, at most a few megabytes of device work apart, so
// that a caller on a window's thread can keep the window painted. It must not call into the
// engine. An empty one is never called.
using Heartbeat = std::function<void()>;

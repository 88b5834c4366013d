#pragma once

#include <cstddef>

// Writes all `size` bytes at the descriptor's current position, going on after short writes and
// interrupted calls. False on the first error; errno tells which.
bool WriteAll(int fd, const void* data, std::size_t size);

// Makes writes to `fd` go past the page cache (O_DIRECT), or through it again. True when that
// changed the descriptor; false where it already was so, or the kernel refused.
bool WriteDirectly(int fd, bool direct);

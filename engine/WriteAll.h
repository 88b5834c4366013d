#pragma once

#include <cstddef>

// Writes all `size` bytes at the descriptor's current position, going on after short writes and
// interrupted calls. False on the first error; errno tells which.
bool WriteAll(int fd, const void* data, std::size_t size);

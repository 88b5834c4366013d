#pragma once

#include <cstddef>

// How many more descriptors this process may open, counted up to `upTo`: a command that needs
// more than it can have must find out before it touches anything, not half-way through.
std::size_t SpareDescriptors(std::size_t upTo);

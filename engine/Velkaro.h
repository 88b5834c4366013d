#pragma once

// The package engine. A package set of base path B is B.c0, B.c1, ... (decimal index, no leading
// zeros), raw consecutive slices of the source; the set is the run of existing regular files from
// index 0 up to the first gap. The class holds no data and is never instantiated: the window calls
// its operations directly and synchronously.

#include <cstdint>
#include <string>

class Velkaro
{
public:
    Velkaro() = default;
    virtual ~Velkaro() = default;

    // Number of consecutive packages from index 0 of the set that `path` names, or 0.
    static unsigned long IsPck(std::string path);

    // Cuts `source` into `destination`.c0, .c1, ... of `size` bytes each.
    static bool Split(
        std::string source, std::string destination, std::uint32_t size, bool overwrite);

    // Joins the set of `package` from index 0 into `destination`.
    static bool Build(std::string package, std::string destination, bool overwrite);
};

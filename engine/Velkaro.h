#pragma once

// The package engine. A package set of base path B is B.c0, B.c1, ... (decimal index, no leading
// zeros), raw consecutive slices of the source; the set is the run of existing regular files from
// index 0 up to the first gap. The class holds no data and is never instantiated: the window calls
// its operations directly and synchronously.
//
// A true result means done and on stable storage. Whatever stops a split or a build part-way (an
// error, a kill, a power cut) leaves nothing that passes for a whole result: a split writes
// package 0 last, under a temporary name until the others are on disk, and a build writes a
// temporary file that takes the destination's name only when complete.

#include "Heartbeat.h"

#include <cstdint>
#include <string>

class Velkaro
{
public:
    Velkaro() = default;
    virtual ~Velkaro() = default;

    // Number of consecutive packages from index 0 of the set that `path` names, or 0.
    static unsigned long IsPck(std::string path);

    // Cuts `source` into `destination`.c0, .c1, ... of `size` bytes each, replacing an old set
    // there only with `overwrite`.
    static bool Split(std::string source, std::string destination, std::uint32_t size,
        bool overwrite, const Heartbeat& heartbeat = {});

    // Joins the set of `package` from index 0 into `destination`, replacing an existing file only
    // with `overwrite`.
    static bool Build(std::string package, std::string destination, bool overwrite,
        const Heartbeat& heartbeat = {});
};

#pragma once

#include "posix/FileDescriptor.h"
#include "posix/Folder.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <sys/stat.h>

// What a split would do to what stands at its destination, found out before anything is touched:
// the one answer that the engine goes by and the window asks its question from. Every existing
// file at a name the split removes or writes counts, in letters of either case and through any
// mount of the folder; so does the source under any of its names.

// Descriptors a split takes beyond the files it holds in flight: package 0, the last package, the
// one being written, an old package being wiped (twice) and the folder's listing, with room to
// spare.
constexpr std::size_t SplitDescriptors = 8;
// Files in flight at the most: well within what a process may usually have open.
constexpr std::size_t MostInFlight = 256;

// The file being cut, held open from the plan to the end of the split.
struct SplitSource
{
    FileDescriptor file; // closed when the path names no regular file that can be read
    struct stat status = {};
    std::string path;
};

SplitSource OpenSplitSource(const std::string& path);

struct SplitPlan
{
    bool known = false; // the source and the destination folder could be looked at in full
    bool overlaps = false; // the split would remove or write its source, or name a package after it
    bool replaces = false; // a file stands at a name that the split removes or writes
    bool safe = true; // no link at such a name, and nothing but regular files where packages go
    std::uint64_t writeCount = 0; // packages 0 up to this index (excluded) are written
    std::uint64_t touched = 0; // every file from index 0 up to this one (excluded) is removed first

    // Whether the split may go ahead; only with `overwrite` where it replaces files.
    bool Allows(bool overwrite) const
    {
        return known && !overlaps && safe && (overwrite || !replaces);
    }
};

// The packages whose names start with `stem` in `folder`, cut from `source` at `size` bytes (0 when
// the size is not known yet: then only package 0 counts as written).
SplitPlan PlanSplit(
    const SplitSource& source, const Folder& folder, const std::string& stem, std::uint32_t size);

// The same by paths, for a window that asks before it runs the command.
SplitPlan PlanSplit(const std::string& source, const std::string& base, std::uint32_t size);

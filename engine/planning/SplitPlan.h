#pragma once

#include "durability/FileSystemProfile.h"
#include "naming/PackageNames.h"
#include "planning/Probe.h"
#include "posix/FileDescriptor.h"
#include "posix/Folder.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <sys/stat.h>

// What a split would do, found out before anything is touched: the one answer that the window
// asks its question from and the engine goes by. It hands on what it found: the source and the
// set's folder held open, the set's names, and what their file systems keep.

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
    Folder folder; // the folder that holds it, locked against the program's other commands
    Distinguishing by; // what tells files apart on its file system
};

struct SplitPlan
{
    // Why the split may not go ahead, in the order the window asks: it shows each of the first
    // five its own way, and the rest as a split that failed.
    enum class Refusal {
        None,
        Source, // the source's path names no regular file
        Destination, // the base names no file: its last component is white space
        Overlap, // the split would remove or write its source, or name a package after it
        Replaces, // files stand at names the split removes or writes, and replacing them is not
                  // allowed
        Size, // no package size was given
        ZeroSize, // a package size of 0 bytes
        Unwritable, // package 0 can be made neither new nor over what stands at its name
        Unseen, // the source could not be read, or the set's folder looked at in full
        LinkOrSpecial, // a link at such a name, or something other than a regular file where a
                       // package goes
        Descriptors, // the process may not open as many files as the split needs
    };

    // Found by paths.
    bool sourceIsFile = false;
    SplitSource source;
    SetName set;
    Folder folder; // the set's
    FileSystemProfile profile; // the set's folder's file system
    std::optional<std::uint32_t> size;
    Probe firstPackage = Probe::Unwritable; // what stands at package 0's name
    bool isBase = false; // the destination may name a set

    // Found by Survey, in the set's folder; by the engine once it holds the locks.
    bool seenInFull = false; // the source and the set's folder could be looked at in full
    bool overlaps = false;
    bool replaces = false; // a file stands at a name that the split removes or writes
    bool linkOrSpecial = false;
    std::uint64_t writeCount = 0; // packages 0 up to this index (excluded) are written
    std::uint64_t removeCount = 0; // every file from index 0 up to this one (excluded) goes first
    std::size_t spareDescriptors = 0; // up to SplitDescriptors + MostInFlight

    // What stands at the set's names now.
    void Survey();

    // The first reason, in the window's order, why the split may not go ahead; None where it
    // may. Asked once the plan is surveyed. Files are replaced only with `overwrite`.
    Refusal FirstRefusal(bool overwrite) const;
};

// The split of the file at `source` into the set of `base`, in packages of `size` bytes (none:
// no size was given), looked at by its paths alone: the source and the set's folder opened, and
// package 0's name probed. Nothing in the folder is listed yet.
SplitPlan LookAtSplit(
    const std::string& source, const std::string& base, std::optional<std::uint32_t> size);

// Looked at in full, for a window that asks before it runs the command.
SplitPlan PlanSplit(
    const std::string& source, const std::string& base, std::optional<std::uint32_t> size);

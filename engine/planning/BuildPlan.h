#pragma once

#include <string>
#include <sys/stat.h>

class Folder;

// The file a build replaces, as it stood when looked at: the name itself, or for a symbolic link
// the file it leads to, followed only as the kernel lets a link be followed (not another user's
// link in a shared sticky folder). Nothing put at the name later is followed or replaced.
struct BuildTarget
{
    std::string path; // empty: the destination cannot be written
    bool exists = false;
    struct stat status = {};

    static BuildTarget Of(const std::string& destination);

    // Whether the target's name in `folder` still shows what it showed when it was looked at.
    bool Unchanged(const Folder& folder) const;
};

// Whether a build of the set with package prefix `prefix` into `destination` would write its own
// input: a destination named as a package of the set (in letters of either case, in the set's
// folder or in another view of it), directly or where a link leads, or one of the set's files
// under another name. The one answer that the engine goes by and the window asks.
bool BuildOverlaps(const std::string& prefix, const std::string& destination);

// The same for the set whose package names start with `stem` in the open folder `packages`, and
// the destination's target as it was looked at.
bool BuildOverlaps(const Folder& packages, const std::string& stem, const std::string& destination,
    const BuildTarget& target);

// Whether the file system of `folder` holds a file as long as the set (FAT32 holds none of 4 GiB
// or more), so that a build it cannot finish is refused before anything is written.
bool BuildFits(const Folder& packages, const std::string& stem, const Folder& folder);

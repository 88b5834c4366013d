#pragma once

#include <cstddef>
#include <string>
#include <sys/stat.h>

class Folder;
struct Distinguishing;
struct FileSystemProfile;

// Descriptors a build takes: the build file, the package being read, the link that names the
// file, and one to spare.
constexpr std::size_t BuildDescriptors = 4;

// The file a build replaces, as it stood when looked at: the name itself, or for a symbolic link
// the file it leads to, followed only as the kernel lets a link be followed (not another user's
// link in a shared sticky folder). Nothing put at the name later is followed or replaced.
struct BuildTarget
{
    std::string path; // empty: the destination cannot be written
    std::string name; // the path's last component: its name in its folder
    bool exists = false;
    struct stat status = {};

    static BuildTarget Of(const std::string& destination);

    // Whether the target's name in `folder` still shows what it showed when it was looked at, as
    // `by` tells files apart there.
    bool Unchanged(const Folder& folder, const Distinguishing& by) const;
};

// What a build of a package set into a destination would do, found out before anything is
// touched: the one answer that the engine goes by and the window asks its questions from.
struct BuildPlan
{
    std::string destination; // as given
    bool source = false; // the package has a package's name, and package 0 of its set exists
    int probe = 2; // the destination as VerifyFileExA finds it: 0 a file, 1 free, 2 not writable
    BuildTarget target;
    // The build would write its own input: a destination named as a package of the set (in
    // letters of either case, in the set's folder or in another view of it), directly or where a
    // link leads, or one of the set's files under another name.
    bool overlaps = false;
    // Found out only with both folders open and locked: the target is still as it was looked at,
    // the file system holds a file as long as the set (FAT32 holds none of 4 GiB or more), and
    // the process may open what the build needs.
    bool unchanged = true;
    bool fits = true;
    bool descriptors = true;

    // Whether an existing file is replaced.
    bool Replaces() const { return probe == 0; }
    // Whether the destination is written in place: a device or a FIFO, where there is no file to
    // replace.
    bool WritesInPlace() const { return target.exists && !S_ISREG(target.status.st_mode); }

    // Whether the build may go ahead; only with `overwrite` where it replaces a file.
    bool Allows(bool overwrite) const
    {
        return source && probe != 2 && (overwrite || !Replaces()) && !target.path.empty()
            && !overlaps && unchanged && fits && descriptors;
    }
};

// By paths: for a window that asks before it runs the command, and the engine's first look.
BuildPlan PlanBuild(const std::string& package, const std::string& destination);

// The first look made again with the set's folder `packages` (its package names starting with
// `stem`) and the target's folder `folder`, on the file system `profile` describes, both open and
// locked against the program's other commands.
BuildPlan PlanBuild(BuildPlan first, const Folder& packages, const std::string& stem,
    const Folder& folder, const FileSystemProfile& profile);

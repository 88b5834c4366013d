#pragma once

#include "durability/FileSystemProfile.h"
#include "naming/PackageNames.h"
#include "planning/Probe.h"
#include "posix/Folder.h"

#include <cstddef>
#include <optional>
#include <string>
#include <sys/stat.h>

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
    Folder folder; // the folder that holds it, held open
    bool exists = false;
    struct stat status = {};
    // The destination as given, where that is not the target itself: a link, or a name that could
    // not be looked at. It is named as a package as much as the target is.
    struct Given
    {
        std::string name;
        Folder folder;
    };
    std::optional<Given> given;

    static BuildTarget Of(const std::string& destination);

    // Whether the target's name still shows what it showed when it was looked at, as `by` tells
    // files apart in its folder.
    bool Unchanged(const Distinguishing& by) const;
};

// What a build of a package set into a destination would do, found out before anything is
// touched: the one answer that the window asks its questions from and the engine goes by. It
// hands on what it found: the set's names, both folders held open, and their file systems'
// profiles.
struct BuildPlan
{
    // Why the build may not go ahead, in the order the window asks: it shows each of the first
    // four its own way, and the rest as a build that failed.
    enum class Refusal {
        None,
        Source, // the package has no package's name, or package 0 of its set is missing
        Overlap, // the build would write its own input
        Replaces, // a file stands at the destination, and replacing it is not allowed
        Destination, // the destination can be written neither new nor over what is there
        Unreachable, // its folder cannot be opened, or a link there may not be followed
        Changed, // the target is no longer what it was when looked at
        TooLarge, // the file system holds no file as long as the set (FAT32: 4 GiB)
        Descriptors, // the process may not open what the build needs
        ReadOnly, // the file replaced is one the user may not write
        Unseen, // the set's folder or package 0 could not be looked at
    };

    // Found by paths.
    std::optional<SetName> set; // none: the package has no package's name
    bool firstPackageExists = false;
    Probe probe = Probe::Unwritable; // what stands at the destination
    BuildTarget target;
    std::string firstName; // package 0's name in the set's folder
    Folder packages; // the set's folder
    FileSystemProfile packagesProfile; // the set's folder's file system
    FileSystemProfile profile; // the target folder's file system

    // Found by Survey, with both folders open; by the engine once they are locked against the
    // program's other commands.
    // The build would write its own input: a destination named as a package of the set (in
    // letters of either case, in the set's folder or in another view of it), directly or where a
    // link leads, or one of the set's files under another name.
    bool overlaps = false;
    bool unchanged = false;
    bool fits = false;
    bool enoughDescriptors = false;
    bool writable = false; // the user may write the file replaced
    std::optional<mode_t> firstPackageMode; // package 0's permission bits

    // Whether an existing file is replaced.
    bool Replaces() const { return probe == Probe::Exists; }
    // Whether the destination is written in place: a device or a FIFO, where there is no file to
    // replace.
    bool WritesInPlace() const { return target.exists && !S_ISREG(target.status.st_mode); }

    // What stands at the destination and in the set's folder now.
    void Survey();

    // The first reason, in the window's order, why the build may not go ahead; None where it
    // may. Asked once the plan is surveyed. An existing file is replaced only with `overwrite`.
    Refusal FirstRefusal(bool overwrite) const;
};

// The build of the set of `package` into `destination`, looked at by their paths alone: the
// set's names cut, the destination probed and followed, and both folders opened. Nothing is
// surveyed yet.
BuildPlan LookAtBuild(const std::string& package, const std::string& destination);

// Looked at in full, for a window that asks before it runs the command.
BuildPlan PlanBuild(const std::string& package, const std::string& destination);

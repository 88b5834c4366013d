#pragma once

// The package engine. A package set of base path B is B.c0, B.c1, ... (decimal index, no leading
// zeros), raw consecutive slices of the source; the set is the run of existing regular files from
// index 0 up to the first gap. The class holds no data and is never instantiated: the window calls
// its operations directly and synchronously.
//
// The house's words, for the set of "dir/film.avi" (naming/PackageNames.h):
//   base     "dir/film.avi", the path a set is named by: a split's destination
//   prefix   "dir/film.avi.c", the base and ".c": package i's path is the prefix and i
//   stem     "film.avi.c", the prefix's last component: package i's name in the set's folder
//   package  a regular file (links followed) at a package's name
//   plan     what a command would do, found out before it touches anything; a refusal is one
//            reason the plan gives why it may not go ahead
//   build    a set's packages written, in order, into one file
//
// The engine's map. At the top of engine/ stand this class and the stand-alone routines
// (VerifyFileA, VerifyFileExA, RemoveA, TrimA, ExtractFileNameA, ExtractExtensionA, NumStrA.h).
// Below them, the layers in the order a command uses them:
//
//   naming/      which names form a set: base, prefix, stem, package name, index, membership
//                (PackageNames), and names in letters of either case (CaseFolding).
//   planning/    what a command would touch: SplitPlan and BuildPlan, looked at by paths, then
//                surveyed (by the window at once, by the engine under the folder locks). Each
//                holds its command's refusals in the order the window asks them, and hands on what
//                it found: the set's names, the files and folders held open, their file systems'
//                profiles.
//   writing/     carrying a plan out: SplitWriter (old set away, packages written, package 0
//                last), BuildWriter, ByteCopier, TemporaryFile, Wipe, WrittenFiles.
//   durability/  when written bytes are on stable storage: each file system's profile and the
//                memory bound (FileSystemProfile.h), OutputFile, WriteBehind, PackagesInFlight.
//   posix/       descriptors, folders held open, locks, opens, paths, file identity and state,
//                and the heartbeat a long command calls.
//
// Includes run one way: writing uses planning, planning uses naming, all three use durability,
// and everything uses posix. The routines use posix alone, except RemoveA, which wipes through
// writing/Wipe with its file system's profile from durability; naming and planning are built on
// them.
//
// Each promise, and the unit that keeps it:
// - A refused command changes nothing: every check is a refusal in the plan, asked before the
//   writer is made, and SplitWriter makes package 0 and the last package before it takes anything
//   away.
// - Nothing is written through a link: new files are made by the call that opens them
//   (posix/OpenFile, TemporaryFile); a link at a package name refuses the split (SplitPlan); a
//   build follows a link to its target only as the kernel would (BuildPlan's BuildTarget).
// - An input is never written, under any name or through any mount: the plans' overlaps, with
//   posix/SameFile for names that device and inode do not tie together.
// - A true result means done and on stable storage, on every file system:
//   durability/FileSystemProfile.h.
// - A split's true means packages 0..n-1 are, at that moment, the very files it wrote: the set is
//   checked as the last thing before package 0 takes its name and once more after it, each name
//   looked up afresh where a client or daemon caches it, by what each file system keeps to tell
//   one file from another put at its name (posix/FileState, the table in FileSystemProfile.h). A
//   failing split takes away only names it can show still lead to its own files.
// - Whatever stops a command leaves nothing that passes for a whole result: a split's package 0
//   is written last under a temporary name (SplitWriter), and a build writes a temporary file that
//   takes the destination's name only when complete (TemporaryFile); a build reads the set only
//   as it stood, never a mix of two states of it (BuildWriter).
// - Nothing written is more readable than what it came from: packages take the source's
//   permission bits, a built file those of package 0 (SplitWriter, BuildWriter).
// - Locks: the folder written to exclusively, the one read from shared, always taken in the order
//   of device and inode so that two commands never wait for each other (posix/FolderLock).
// - Dirty memory stays bounded, under 512 MiB: durability/FileSystemProfile.h.
// - Memory stays flat for any file and package size and any number of packages: one buffer
//   (ByteCopier), a digest per 4096 packages (WrittenFiles), one per set read (BuildWriter).
// - Running out of memory fails the command like any other error: no exception leaves the class.

#include "posix/Heartbeat.h"

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

    // Builds `destination` from the set of `package`, packages from index 0 on, replacing an
    // existing file only with `overwrite`.
    static bool Build(std::string package, std::string destination, bool overwrite,
        const Heartbeat& heartbeat = {});

private:
    static unsigned long CountPackages(const std::string& path);
    static bool SplitFile(const std::string& source, const std::string& destination,
        std::uint32_t size, bool overwrite, const Heartbeat& heartbeat);
    static bool BuildFile(const std::string& package, const std::string& destination,
        bool overwrite, const Heartbeat& heartbeat);
};

#pragma once

#include "durability/FileSystemProfile.h"
#include "durability/OutputFile.h"

#include <functional>
#include <string>
#include <sys/stat.h>

class Folder;

// A new file in a folder that is written in full and then takes the target's name in one step,
// so that the name shows either what it held before or the finished new file, never anything in
// between, whatever stops the program. Where the file system has unnamed files (ext4, XFS, btrfs,
// tmpfs) it has no name at all until then, so that a kill leaves nothing; elsewhere it is a hidden
// file beside the target, removed again unless committed.
class TemporaryFile
{
public:
    // `in` stays open for the life of the object, and `profile` describes its file system; `name`
    // is the target's name in it. `mode`: the permission bits of the new file, less the umask.
    TemporaryFile(
        const Folder& in, const FileSystemProfile& profile, std::string name, mode_t mode);
    ~TemporaryFile();
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    bool IsOpen() const { return output.IsOpen(); }
    OutputFile& Output() { return output; }

    // The file that is being replaced keeps its owner (where we may give it) and permission bits.
    bool TakeOwnerAndModeOf(const struct stat& replaced);

    // Syncs the file (unless `dataSynced`: the caller has made its bytes durable already), gives it
    // the target's name and syncs the folder, so that the new name survives a power cut too. With
    // `replace` an existing target is replaced; without, a name that has been taken meanwhile
    // fails the commit. `beforeRename`, when given, has the last word on whether the name may
    // still be taken.
    bool Commit(bool dataSynced, bool replace, const std::function<bool()>& beforeRename = {});

    // Whether the target's name has been taken, even if the folder's sync after it failed.
    bool Renamed() const { return committed; }

private:
    bool TakeName(bool replace);

    const Folder& folder;
    const bool renameNeedsFileSync;
    const bool namesNeedSyncfs;
    const std::string target;
    std::string hidden; // the file's own name until it takes the target's; empty for an unnamed one
    OutputFile output;
    bool committed = false;
};

#pragma once

#include "FileDescriptor.h"
#include "OutputFile.h"

#include <functional>
#include <string>
#include <sys/stat.h>

// A new, hidden file beside `target` that is written in full and then takes the target's name in
// one step, so that the name shows either what it held before or the finished new file, never
// anything in between, whatever stops the program. Removed again unless committed.
class TemporaryFile
{
public:
    // `mode`: the permission bits of a new file, less the umask.
    TemporaryFile(std::string target, mode_t mode);
    ~TemporaryFile();
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    bool IsOpen() const { return output.IsOpen(); }
    OutputFile& Output() { return output; }

    // The file that is being replaced keeps its owner (where we may give it) and permission bits.
    bool TakeOwnerAndModeOf(const struct stat& replaced);

    // Syncs the file (unless `dataSynced`: the caller has made its bytes durable already), renames
    // it over the target and syncs the folder, so that the new name survives a power cut too. An
    // existing target is replaced. `beforeRename`, when given, has the last word on whether the
    // target may still be replaced.
    bool Commit(bool dataSynced = false, const std::function<bool()>& beforeRename = {});

    // Whether the target's name has been taken, even if the folder's sync after it failed.
    bool Renamed() const { return committed; }

private:
    const std::string target;
    FileDescriptor folder;
    std::string path;
    OutputFile output;
    bool committed = false;
};

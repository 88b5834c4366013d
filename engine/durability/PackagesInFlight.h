#pragma once

#include "durability/FileSystemProfile.h"
#include "durability/OutputFile.h"

#include <cstdint>
#include <deque>

// The files of one command that are written in full but whose last bytes may still be on their
// way to the device: packages of a split, old packages being wiped. They are waited for in one
// batch, by bytes across files, far enough behind the copy that the device always has work
// queued, near enough that dirty memory stays small: a split to a slow stick must not fill
// memory and stall the desktop, nor the bell wait for gigabytes.
//
// Where one sync of the file system does not make files durable (FileSystemProfile.h), each file is
// synced by itself once its bytes have drained, before its descriptor is let go. Where a push
// waits (FUSE), the files are held only until a small window's worth has been written, then
// pushed and synced one by one: each sync has little left to write, so a FUSE daemon that syncs
// the whole device for each of them is never busy with one for long.
class PackagesInFlight
{
public:
    // `into`: a folder on the file system written to, as `profile` describes it. `descriptors`: how
    // many the files held may take.
    PackagesInFlight(const FileSystemProfile& profile, int into, std::size_t descriptors)
        : syncEachFile(!profile.syncfsMakesDurable), folder(into), mostFiles(descriptors)
    { }

    // Starts the writeback of the file's rest and takes it over; waits for the oldest files while
    // too many bytes or descriptors are under way. False on a write error.
    bool Add(OutputFile file);

    // The same for a package that keeps its name. Where one sync of the file system covers it, a
    // large package's rest is only pushed on once it is waited for; a small package is not waited
    // for by itself: its writeback is started and it is closed at once, and the tiniest are left
    // to one sync for every batch of them. Waiting file by file costs small packages more than
    // their copying.
    bool AddPackage(OutputFile package);

    // Waits for every file and closes it. False on a write or close error.
    bool Land();

    // Whether each file is synced by itself, because one sync of the file system would not do.
    bool SyncsEachFile() const { return syncEachFile; }

private:
    // Takes the file over as it is; waits for the oldest files while too many bytes or
    // descriptors are under way.
    bool Hold(OutputFile file);
    bool LandOldest();
    bool MustLand() const;

    const bool syncEachFile;
    const int folder;
    const std::size_t mostFiles;
    std::deque<OutputFile> files;
    std::uint64_t bytes = 0;
    std::uint64_t unsynced = 0; // bytes of small packages closed since the last sync
};

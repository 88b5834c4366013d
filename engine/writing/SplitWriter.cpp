#include "writing/SplitWriter.h"

#include "durability/PackagesInFlight.h"
#include "naming/CaseFolding.h"
#include "naming/PackageNames.h"
#include "planning/SplitPlan.h"
#include "posix/FileState.h"
#include "posix/Folder.h"
#include "posix/OpenFile.h"
#include "posix/Retry.h"
#include "writing/ByteCopier.h"
#include "writing/TemporaryFile.h"
#include "writing/Wipe.h"

#include <algorithm>
#include <new>
#include <unistd.h>

SplitWriter::SplitWriter(const SplitPlan& planned, Heartbeat beat)
    : plan(planned)
    , folder(planned.folder)
    , profile(planned.profile)
    , stem(planned.set.stem)
    , source(planned.source)
    , size(*planned.size)
    , lastIndex(planned.writeCount - 1)
    , heartbeat(beat)
    , copier(std::move(beat))
{ }

// Only names that still lead to this split's own files go: another command, through another
// mount of the folder, may have put its own there meanwhile.
SplitWriter::~SplitWriter()
{
    if (finished)
        return;
    // Without the memory to name them, the packages stay: without package 0 they count for nothing.
    try {
        RemoveOwn();
    } catch (const std::bad_alloc&) { }
}

void SplitWriter::RemoveOwn() const
{
    const auto remove = [&](std::uint64_t index) {
        RetryOnInterrupt(
            [&] { return unlinkat(folder.Get(), PackageName(stem, index).c_str(), 0); });
    };
    // Where a block no longer shows what was written, which of its names are still ours cannot
    // be told: they stay, counting for nothing without package 0.
    for (std::uint64_t block = 0; block < written.Blocks(); ++block) {
        if (!BlockInPlace(block))
            continue;
        const std::uint64_t end = std::min(written.Count(), (block + 1) * WrittenFiles::BlockSize);
        for (std::uint64_t position = block * WrittenFiles::BlockSize; position < end; ++position)
            remove(position + 1);
    }
    const std::uint64_t next = written.Count() + 1;
    // Where a name cannot be shown to lead to this split's file, it stays.
    if (writing && IsOwn(next, *writing))
        remove(next);
    // The last package, made first, unless the split got to it.
    const std::uint64_t made = written.Count() + (writing ? 1 : 0);
    if (reserved && made < lastIndex && IsOwn(lastIndex, *reserved))
        remove(lastIndex);
}

bool SplitWriter::Run()
{
    TemporaryFile first(folder, profile, PackageName(stem, 0), source.status.st_mode & 0777);
    OutputFile last(FileDescriptor(), profile.push);
    if (!first.IsOpen() || !ReserveLast(last))
        return false;
    PackagesInFlight inFlight(
        profile, folder.Get(), std::min(plan.spareDescriptors - SplitDescriptors, MostInFlight));
    return RemoveReplaced(inFlight, first.Output()) && RemovalDurable(inFlight, first.Output())
        && WritePackages(first.Output(), last, inFlight) && Land(inFlight, first.Output())
        && NameFirst(first);
}

// Before anything is touched, package 0 has been made, and the longest name the split writes
// is one the folder takes: the last package's, made now, empty.
bool SplitWriter::ReserveLast(OutputFile& last)
{
    struct stat status = {};
    if (lastIndex == 0 || folder.StatLink(PackageName(stem, lastIndex), status))
        return true;
    last = Create(lastIndex);
    if (!last.IsOpen())
        return false;
    reserved = last.Identity();
    return true;
}

// Where name changes are not kept in order (FAT, exFAT, NTFS), the removal must be on stable
// storage before the new names appear, or a power cut could leave an old package 0 beside new
// packages. A sync of any file there flushes the whole file system; its folder's may do nothing
// through FUSE.
bool SplitWriter::RemovalDurable(const PackagesInFlight& inFlight, OutputFile& first) const
{
    return !plan.replaces || !inFlight.SyncsEachFile()
        || (folder.Sync(profile.namesNeedSyncfs) && first.Sync());
}

bool SplitWriter::WritePackages(OutputFile& first, OutputFile& last, PackagesInFlight& inFlight)
{
    if (!Fill(first, 0) || !first.StartRest())
        return false;
    for (std::uint64_t index = 1; index < lastIndex; ++index) {
        if (!WritePackage(Create(index), index, inFlight))
            return false;
    }
    return lastIndex == 0
        || WritePackage(reserved ? std::move(last) : Create(lastIndex), lastIndex, inFlight);
}

bool SplitWriter::WritePackage(OutputFile package, std::uint64_t index, PackagesInFlight& inFlight)
{
    if (!package.IsOpen())
        return false;
    writing = package.Identity();
    if (!Fill(package, index))
        return false;
    const std::optional<FileState> state = Written(package, index);
    if (!state)
        return false;
    written.Add(*state);
    writing.reset();
    return inFlight.AddPackage(std::move(package));
}

// The packages' bytes are on the device; one sync of the file system adds what describes them
// (and package 0's bytes), where it does. Elsewhere each file has been synced by itself, and the
// folder's names are synced before package 0 joins them.
bool SplitWriter::Land(PackagesInFlight& inFlight, OutputFile& first) const
{
    if (!inFlight.Land())
        return false;
    return !inFlight.SyncsEachFile() ? RetryOnInterrupt([&] { return syncfs(folder.Get()); }) == 0
                                     : first.Sync() && folder.Sync(profile.namesNeedSyncfs);
}

OutputFile SplitWriter::Create(std::uint64_t index) const
{
    return OutputFile(CreateNewFileAt(folder.Get(), PackageName(stem, index).c_str(),
                          source.status.st_mode & 0777),
        profile.push);
}

// Exactly the bytes of package `index` as the source's length was at the start; for the last
// package one more is asked for, which must not come: the source ends where it said it would.
bool SplitWriter::Fill(OutputFile& package, std::uint64_t index)
{
    const auto length = static_cast<std::uint64_t>(source.status.st_size);
    const std::uint64_t start = index * size;
    const std::uint64_t want = std::min<std::uint64_t>(size, length - start);
    off_t offset = static_cast<off_t>(start);
    return copier.Copy(source.file.Get(), offset, static_cast<off_t>(length), package,
               want + (index == lastIndex ? 1 : 0))
        == static_cast<std::int64_t>(want);
}

// Package 0 takes its name only where the set is this split's own and whole at that very moment,
// and keeps it only where it still is once named: another program, through a mount that no lock
// reaches, may put its own file at a package's name at any time.
bool SplitWriter::NameFirst(TemporaryFile& first)
{
    const std::optional<FileState> made = Written(first.Output(), 0);
    if (!made)
        return false;
    const FileIdentity identity = first.Output().Identity();
    const auto whole = [&] { return SourceUnchanged() && PackagesInPlace(); };
    if (first.Commit(true, false, whole) && whole() && FirstInPlace(*made, identity)) {
        finished = true;
        return true;
    }
    // Package 0 has its name but the set is not whole, or the folder's sync failed: without
    // package 0 the rest counts for nothing and can go. Where package 0 cannot be taken away
    // again, the whole set stays rather than package 0 alone.
    if (first.Renamed() && FirstInPlace(*made, identity)
        && (RetryOnInterrupt([&] {
               return unlinkat(folder.Get(), PackageName(stem, 0).c_str(), 0);
           }) != 0
            || !folder.Sync(profile.namesNeedSyncfs)))
        finished = true;
    return false;
}

std::optional<FileState> SplitWriter::Written(const OutputFile& package, std::uint64_t index) const
{
    std::optional<FileState> state = StateOfOpen(package.Get(), profile.distinguishing);
    // The package is open for writing only: its bytes are sampled where they came from.
    if (state && profile.distinguishing.bytes)
        state->sample = SampleOf(source.file.Get(), static_cast<off_t>(index * size), state->size);
    return state;
}

bool SplitWriter::FirstInPlace(const FileState& made, const FileIdentity& identity) const
{
    const Distinguishing& by = profile.distinguishing;
    const std::optional<FileState> now = StateAt(folder.Get(), PackageName(stem, 0).c_str(), by);
    // Where the state holds the inode number, it tells the file already; where numbers are only
    // unique while a file lives (FAT, SMB), package 0's, still held, is asked for.
    return now && SameButRenamed(made, *now) && (by.inodes || !by.unique || IsOwn(0, identity));
}

// Package 0 first, so that from then on what is left no longer counts as a set; then every other
// file the plan found at the names the split touches.
bool SplitWriter::RemoveReplaced(PackagesInFlight& inFlight, OutputFile& first) const
{
    if (!plan.replaces)
        return true;
    const auto wipe = [&](const Unlinked& unlinked) {
        const bool wiped = unlinked.gone
            && (!unlinked.file.IsOpen()
                || OverwriteWithZeros(
                    unlinked.file.Get(), unlinked.length, profile.push, heartbeat, &inFlight));
        // A hidden name counts for nothing; it lasts until the wipe closes the file.
        if (!unlinked.hidden.empty())
            RetryOnInterrupt([&] { return unlinkat(folder.Get(), unlinked.hidden.c_str(), 0); });
        return wiped;
    };
    // Package 0's removal is on stable storage before any old package is overwritten: FAT and
    // exFAT write names and blocks in no order, and a set whose package 0 still stood after a
    // power cut must not hold zeros. Through FUSE only a file's sync reaches the device.
    const Unlinked zero = UnlinkForWiping(
        folder.Get(), PackageName(stem, 0).c_str(), true, profile.removalWaitsForClose);
    if (!zero.gone || !folder.Sync(profile.namesNeedSyncfs)
        || (inFlight.SyncsEachFile() && !first.Sync()) || !wipe(zero))
        return false;
    const CaseFolding folding;
    bool removed = true;
    const bool listed = folder.List([&](const std::string& entry) {
        const auto index = IndexIn(entry, stem, folding);
        if (removed && index && *index > 0 && *index < plan.removeCount
            && !(reserved && *index == lastIndex))
            removed = wipe(UnlinkForWiping(folder.Get(), PackageName(stem, *index).c_str(), true,
                profile.removalWaitsForClose));
    });
    // The old files' space is free before the new packages need it: their zeros are on the
    // device and their descriptors closed.
    return listed && removed && inFlight.Land();
}

bool SplitWriter::IsOwn(std::uint64_t index, const FileIdentity& identity) const
{
    const std::optional<FileIdentity> now
        = IdentityAt(folder.Get(), PackageName(stem, index).c_str(), profile.distinguishing);
    return now && *now == identity;
}

bool SplitWriter::BlockInPlace(std::uint64_t block) const
{
    return written.Unchanged(block, [&](std::uint64_t position) {
        return StateAt(
            folder.Get(), PackageName(stem, position + 1).c_str(), profile.distinguishing);
    });
}

// Also nothing after the last package, which would join the set.
bool SplitWriter::PackagesInPlace() const
{
    for (std::uint64_t block = 0; block < written.Blocks(); ++block) {
        if (!BlockInPlace(block))
            return false;
    }
    struct stat status = {};
    return !PackageIn(folder, stem, plan.writeCount, status);
}

bool SplitWriter::SourceUnchanged() const
{
    const std::optional<FileState> now = StateOfOpen(source.file.Get(), source.by);
    if (!now)
        return false;
    // The same open file all along: its handle, not taken at the start, cannot have changed.
    FileState then = StateOf(source.status, source.by);
    then.handle = now->handle;
    return then == *now;
}

#pragma once

#include "posix/FileIdentity.h"
#include "posix/FileState.h"
#include "posix/Heartbeat.h"
#include "writing/ByteCopier.h"
#include "writing/WrittenFiles.h"

#include <cstdint>
#include <optional>

class Folder;
class OutputFile;
class PackagesInFlight;
class Stem;
class TemporaryFile;
struct FileSystemProfile;
struct SplitPlan;
struct SplitSource;

// Carries out a split as planned: takes away what the plan found at the set's names, writes the
// packages, and takes them away again if the split does not finish. Package 0 is written first,
// to a temporary file, and takes its name last, once every other package is on stable storage and
// the source has been found unchanged and every other package's name still leads to the file the
// split wrote there, and checked once more once it is named: the set counts only once it is whole
// and its own.
class SplitWriter
{
public:
    // `planned` has been surveyed and allows the split; it outlives the writer.
    SplitWriter(const SplitPlan& planned, Heartbeat beat);
    ~SplitWriter();
    SplitWriter(const SplitWriter&) = delete;
    SplitWriter& operator=(const SplitWriter&) = delete;

    bool Run();

private:
    // The steps of Run, in their order.
    bool ReserveLast(OutputFile& last);
    bool RemoveReplaced(PackagesInFlight& inFlight, OutputFile& first) const;
    bool RemovalDurable(const PackagesInFlight& inFlight, OutputFile& first) const;
    bool WritePackages(OutputFile& first, OutputFile& last, PackagesInFlight& inFlight);
    bool WritePackage(OutputFile package, std::uint64_t index, PackagesInFlight& inFlight);
    bool Land(PackagesInFlight& inFlight, OutputFile& first) const;
    bool NameFirst(TemporaryFile& first);

    OutputFile Create(std::uint64_t index) const;
    bool Fill(OutputFile& package, std::uint64_t index);
    // Takes away what this split made, where the names still lead to it.
    void RemoveOwn() const;
    // The state of package `index` as this split has written it, as the check will find it.
    std::optional<FileState> Written(const OutputFile& package, std::uint64_t index) const;
    // Whether package 0's name leads to `identity`, the file `made` was taken of before it was
    // named.
    bool FirstInPlace(const FileState& made, const FileIdentity& identity) const;
    bool SourceUnchanged() const;
    // Whether the name of package `index` leads to `identity`, the file this split holds there.
    bool IsOwn(std::uint64_t index, const FileIdentity& identity) const;
    // Whether the names of block `block` of the packages written in full lead to them.
    bool BlockInPlace(std::uint64_t block) const;
    bool PackagesInPlace() const;

    const SplitPlan& plan;
    const Folder& folder; // the set's
    const FileSystemProfile& profile; // the set's folder's file system
    const Stem& stem;
    const SplitSource& source;
    const std::uint32_t size;
    const std::uint64_t lastIndex;
    const Heartbeat heartbeat;
    ByteCopier copier;
    WrittenFiles written; // packages 1, 2, ... as this split wrote them in full
    std::optional<FileIdentity> writing; // the package after those, made and not yet in full
    std::optional<FileIdentity> reserved; // the last package, made before anything is touched
    bool finished = false;
};

#pragma once

#include "Heartbeat.h"

#include <cstdint>
#include <string>

class Folder;
class PackagesInFlight;
struct SplitPlan;
struct SplitSource;

// Carries out a split as planned: takes away what the plan found at the set's names, writes the
// packages, and takes them away again if the split does not finish. Package 0 is written first,
// to a temporary file, and takes its name last, once every other package is on stable storage and
// the source has been found unchanged: the set counts only once it is whole.
class SplitWriter
{
public:
    SplitWriter(const Folder& folder, const std::string& stem, const SplitSource& source,
        std::uint32_t size, const SplitPlan& plan, const Heartbeat& heartbeat);
    ~SplitWriter();
    SplitWriter(const SplitWriter&) = delete;
    SplitWriter& operator=(const SplitWriter&) = delete;

    bool Run();

private:
    bool RemoveReplaced(PackagesInFlight& inFlight) const;
    bool SourceUnchanged() const;

    const Folder& folder;
    const std::string& stem;
    const SplitSource& source;
    const std::uint32_t size;
    const SplitPlan& plan;
    const Heartbeat& heartbeat;
    std::uint64_t created = 0; // packages 1 up to this index (excluded) are this split's
    bool reserved = false; // the last package's name is this split's
    bool finished = false;
};

#pragma once

#include "durability/OutputFile.h"
#include "posix/Heartbeat.h"
#include "writing/TemporaryFile.h"

#include <optional>

struct BuildPlan;

// Carries out a build as planned: packages 0, 1, ... of the set are appended to the destination
// up to the first index that is no regular file when the build gets there, each exactly as long
// as it was when it was opened. A device or a FIFO is written in place; a file is written anew
// and takes the destination's name only once complete. True only when, at the end, the set is
// still as it was read: every package unchanged and nothing after the last, so that the result is
// the set as it stood, never a mix of two states of it.
class BuildWriter
{
public:
    // `planned` has been surveyed and allows the build; it outlives the writer.
    explicit BuildWriter(const BuildPlan& planned);

    bool Run(const Heartbeat& heartbeat);

private:
    OutputFile& Output();
    bool AppendSet(const Heartbeat& heartbeat);
    bool Finish();

    const BuildPlan& plan;
    OutputFile inPlace; // the device or FIFO written as it is
    std::optional<TemporaryFile> anew; // the file that takes the destination's name
};

// Times the engine's split and join against coreutils split and cat on a 1 GiB random file: in
// /dev/shm, where the disk drops out and only the copying itself is measured, and on an ext4 file
// system on a loop device, where both sides also make their output durable (coreutils with
// sync -d), as the engine always does before it reports success.

#include "ChildProcess.h"
#include "Interrupts.h"
#include "LoopMount.h"
#include "PackageSet.h"
#include "PairedRuns.h"
#include "ScratchFiles.h"
#include "TestFiles.h"
#include "Velkaro.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <string>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr const char* ScratchParent = "/dev/shm";
constexpr std::uint32_t SmallPackage = 1457664;
constexpr std::uint32_t LargePackage = 100 * 1024 * 1024;
constexpr std::uint32_t TinyPackage = 64 * 1024;
constexpr double SplitGoal = 0.90;
constexpr double JoinGoal = 1.00;
constexpr double DurableGoal = 1.10;
constexpr double TinyGoal = 1.00;
constexpr double MemoryGoalMiB = 8;
constexpr std::uint64_t Seed = 0x56656c6b61726f31ULL;
constexpr std::uint64_t MiB = 1024 * 1024;

struct Options
{
    int pairs = 11;
    std::uint64_t sizeMiB = 1024;
    std::string imageDir = "/var/tmp";
};

struct Command
{
    Options options;
    bool help = false;
};

class UsageError : public std::invalid_argument
{
public:
    using std::invalid_argument::invalid_argument;
};

void PrintUsage(std::FILE* stream)
{
    std::fprintf(stream,
        "usage: velkaro_bench [--pairs N] [--size-mib N] [--image-dir DIR]\n"
        "  --pairs N        timed pairs per comparison (default 11)\n"
        "  --size-mib N     size of the random source in MiB (default 1024)\n"
        "  --image-dir DIR  where the image of the ext4 file system goes, on a disk\n"
        "                   (default /var/tmp)\n");
}

std::uint64_t ParseNumber(
    const std::string& option, const char* text, std::uint64_t lowest, std::uint64_t highest)
{
    char* end = nullptr;
    errno = 0;
    const unsigned long long value = text ? std::strtoull(text, &end, 10) : 0;
    if (!text || *text == '\0' || *text == '-' || *end != '\0' || errno != 0 || value < lowest
        || value > highest)
        throw UsageError(option + " needs a whole number from " + std::to_string(lowest) + " to "
            + std::to_string(highest));
    return value;
}

Command ParseCommand(int argc, char** argv)
{
    Command command;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
        if (option == "--help" || option == "-h") {
            command.help = true;
        } else if (option == "--pairs") {
            command.options.pairs = static_cast<int>(ParseNumber(option, value, 1, 1000));
            ++i;
        } else if (option == "--size-mib") {
            command.options.sizeMiB = ParseNumber(option, value, 1, 64 * 1024);
            ++i;
        } else if (option == "--image-dir") {
            if (!value)
                throw UsageError("--image-dir needs a folder");
            command.options.imageDir = value;
            ++i;
        } else {
            throw UsageError("unknown option " + option);
        }
    }
    return command;
}

// The scratch folder, its random source and the source's length. On a durable workspace the
// coreutils side syncs its output too, and outputs are synced away between runs.
struct Workspace
{
    const std::string folder;
    const std::string source;
    const std::uint64_t size;
    const bool durable;

    std::string OurBase() const { return folder + "/v"; }
    std::string TheirPrefix() const { return folder + "/s."; }
    std::string Joined() const { return folder + "/joined"; }
};

// The set of `base` as the engine counts it.
std::vector<std::string> PackagesOf(const std::string& base)
{
    return PackageNames(base, Velkaro::IsPck(PackageName(base + ".c", 0)));
}

void Require(bool succeeded, const char* what)
{
    if (!succeeded)
        throw std::runtime_error(std::string(what) + " failed");
}

double OurSplit(const Workspace& work, std::uint32_t packageSize)
{
    const std::string base = work.OurBase();
    return Seconds(
        [&] { Require(Velkaro::Split(work.source, base, packageSize, true), "Velkaro::Split"); });
}

// `sync -d FILE...` is the cheapest way the shell has to make files durable: fdatasync of each.
double SyncPieces(const std::vector<std::string>& pieces)
{
    std::vector<std::string> command {"sync", "-d"};
    command.insert(command.end(), pieces.begin(), pieces.end());
    return RunChild(command);
}

double TheirSplit(const Workspace& work, std::uint32_t packageSize)
{
    const double split
        = RunChild({"split", "-b", std::to_string(packageSize), work.source, work.TheirPrefix()});
    return work.durable ? split + SyncPieces(FilesWithPrefix(work.folder, "s.")) : split;
}

double OurJoin(const Workspace& work)
{
    const std::string first = work.OurBase() + ".c0";
    const std::string joined = work.Joined();
    return Seconds([&] { Require(Velkaro::Build(first, joined, true), "Velkaro::Build"); });
}

double TheirJoin(const Workspace& work, const std::vector<std::string>& packages)
{
    std::vector<std::string> command {"cat"};
    command.insert(command.end(), packages.begin(), packages.end());
    const double cat = RunChild(command, work.Joined());
    return work.durable ? cat + SyncPieces({work.Joined()}) : cat;
}

void Settle(const Workspace& work)
{
    if (work.durable)
        SyncFileSystem(work.folder);
}

void RemoveSplitOutputs(const Workspace& work)
{
    RemoveFiles(FilesWithPrefix(work.folder, "v.c"));
    RemoveFiles(FilesWithPrefix(work.folder, "s."));
    Settle(work);
}

void RemoveJoined(const Workspace& work)
{
    RemoveFiles({work.Joined()});
    Settle(work);
}

// Both tools cut the source at `packageSize`; their slices must agree in count and bytes. Our
// packages stay for the caller, split's pieces are removed.
void CheckSplitsAgree(const Workspace& work, std::uint32_t packageSize)
{
    OurSplit(work, packageSize);
    TheirSplit(work, packageSize);
    std::vector<std::string> ours = PackagesOf(work.OurBase());
    const std::vector<std::string> theirs = FilesWithPrefix(work.folder, "s.");
    if (ours.size() != work.size / packageSize + 1)
        throw std::runtime_error("Velkaro::Split made " + std::to_string(ours.size())
            + " packages at " + std::to_string(packageSize) + " bytes");
    // A source length that is a multiple of the package size leaves our last package empty;
    // split writes no empty piece.
    const bool emptyTail = FileSize(ours.back()) == 0;
    if (emptyTail)
        ours.pop_back();
    if (ours.size() != theirs.size())
        throw std::runtime_error("at " + std::to_string(packageSize) + " bytes Velkaro::Split made "
            + std::to_string(ours.size()) + " packages with data, split made "
            + std::to_string(theirs.size()) + " pieces");
    for (std::size_t i = 0; i < ours.size(); ++i) {
        if (!SameContents(ours[i], theirs[i]))
            throw std::runtime_error(ours[i] + " differs from " + theirs[i]);
    }
    RemoveFiles(theirs);
    std::printf(
        "checked: split at %u bytes: %zu package%s%s, equal in count and bytes to split's\n",
        packageSize, ours.size(), ours.size() == 1 ? "" : "s",
        emptyTail ? " (plus our empty last one)" : "");
}

void CheckJoinRestoresSource(const Workspace& work)
{
    OurJoin(work);
    if (!SameContents(work.Joined(), work.source))
        throw std::runtime_error("Velkaro::Build did not restore the source");
    RemoveFiles({work.Joined()});
    std::printf(
        "checked: Velkaro::Build joins those packages back into the source byte for byte\n");
}

struct Comparison
{
    std::string where;
    std::string name;
    double goal;
    Summary summary;
};

std::string Where(const Workspace& work)
{
    return work.durable ? "ext4 on loop" : "/dev/shm";
}

void Announce(const std::string& what, int pairs)
{
    std::printf("timing %s, %d pairs ...\n", what.c_str(), pairs);
    std::fflush(stdout);
}

Comparison CompareSplit(
    const Workspace& work, std::uint32_t packageSize, int pairs, const InterruptGuard& guard)
{
    const std::string name = "split at " + std::to_string(packageSize) + " B";
    Announce(name + " (Velkaro::Split vs split -b" + (work.durable ? " && sync -d)" : ")"), pairs);
    const PairedTimes times = RunPairs(
        pairs, [&] { return OurSplit(work, packageSize); },
        [&] { return TheirSplit(work, packageSize); }, [&] { RemoveSplitOutputs(work); },
        [&] { guard.ThrowIfRequested(); });
    return {Where(work), name, work.durable ? DurableGoal : SplitGoal, Summarize(times)};
}

// Joins the package set that is in place; both sides read the same packages.
Comparison CompareJoin(const Workspace& work, int pairs, const InterruptGuard& guard)
{
    const std::vector<std::string> packages = PackagesOf(work.OurBase());
    const std::string name = "join of " + std::to_string(packages.size()) + " packages";
    Announce(name + " (Velkaro::Build vs cat" + (work.durable ? " && sync -d)" : ")"), pairs);
    const PairedTimes times = RunPairs(
        pairs, [&] { return OurJoin(work); }, [&] { return TheirJoin(work, packages); },
        [&] { RemoveJoined(work); }, [&] { guard.ThrowIfRequested(); });
    return {Where(work), name, work.durable ? DurableGoal : JoinGoal, Summarize(times)};
}

void PrintComparisons(const std::vector<Comparison>& comparisons)
{
    std::printf("\n%-13s %-28s %9s %11s %12s %14s %8s  %s\n", "where", "comparison", "ours (s)",
        "theirs (s)", "ours/theirs", "ratio range", "goal", "result");
    for (const Comparison& c : comparisons) {
        const Summary& s = c.summary;
        std::printf("%-13s %-28s %9.3f %11.3f %12.3f %6.3f - %5.3f  <= %4.2f  %s\n",
            c.where.c_str(), c.name.c_str(), s.oursMedian, s.theirsMedian, s.ratioMedian,
            s.ratioLowest, s.ratioHighest, c.goal, s.ratioMedian <= c.goal ? "met" : "NOT met");
    }
    std::printf("(seconds are medians; ours/theirs is the median of the per-pair ratios)\n");
}

double PeakMemoryMiB()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0; // Linux reports KiB
}

void PrintMemory()
{
    const double peak = PeakMemoryMiB();
    std::printf("peak memory of this process: %.1f MiB (goal < %.0f MiB): %s\n"
                "(split and cat run as child processes and are not counted)\n",
        peak, MemoryGoalMiB, peak < MemoryGoalMiB ? "met" : "NOT met");
}

double LoadAverage()
{
    double load[1] = {0};
    return getloadavg(load, 1) == 1 ? load[0] : -1;
}

std::string Gib(std::uint64_t bytes)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f GiB", static_cast<double>(bytes) / (1024.0 * MiB));
    return text;
}

// Source, one package set and one joined copy at the same time, plus some room.
std::uint64_t SpaceNeeded(std::uint64_t size)
{
    return 3 * size + size / 5;
}

// Checks that both tools agree, then times every comparison in one workspace.
void CompareAll(const Workspace& work, int pairs, const InterruptGuard& guard,
    std::vector<Comparison>& comparisons)
{
    CheckSplitsAgree(work, LargePackage);
    RemoveFiles(PackagesOf(work.OurBase()));
    CheckSplitsAgree(work, SmallPackage);
    CheckJoinRestoresSource(work);
    Settle(work);
    guard.ThrowIfRequested();

    // The checked set at the small size is the one both joins read.
    comparisons.push_back(CompareJoin(work, pairs, guard));
    RemoveFiles(PackagesOf(work.OurBase()));
    Settle(work);
    for (const std::uint32_t packageSize : {SmallPackage, LargePackage, TinyPackage})
        comparisons.push_back(CompareSplit(work, packageSize, pairs, guard));
    // Sixteen thousand files cost both sides the same creating and closing, which the copy no
    // longer outweighs: there the goal is only to be no slower.
    if (!work.durable)
        comparisons.back().goal = TinyGoal;
}

// Writes the source into the workspace and runs the comparisons there.
void Measure(const Workspace& work, const Options& options, const InterruptGuard& guard,
    std::vector<Comparison>& comparisons)
{
    std::printf("velkaro_bench: %llu MiB random source in %s (%s), %d pairs per comparison\n",
        static_cast<unsigned long long>(options.sizeMiB), work.folder.c_str(), Where(work).c_str(),
        options.pairs);
    const double written = Seconds([&] { WriteRandomFile(work.source, work.size, Seed); });
    std::printf("wrote the source in %.2f s\n", written);
    Settle(work);
    guard.ThrowIfRequested();
    CompareAll(work, options.pairs, guard, comparisons);
}

// The same comparisons on a real block file system, where durability costs what a disk asks.
void MeasureOnDisk(
    const Options& options, const InterruptGuard& guard, std::vector<Comparison>& comparisons)
{
    const std::uint64_t size = options.sizeMiB * MiB;
    // Room for the source, a set and a joined copy, and for the file system's own records.
    const std::uint64_t image = SpaceNeeded(size) + 256 * MiB;
    try {
        if (FreeBytes(options.imageDir) < image)
            throw LoopMount::Unavailable(Gib(image) + " free needed in " + options.imageDir);
        const LoopMount disk(options.imageDir, image);
        Measure({disk.Path(), disk.Path() + "/source", size, true}, options, guard, comparisons);
    } catch (const LoopMount::Unavailable& why) {
        std::printf("skipped the runs on a block file system: %s\n", why.what());
    }
}

int Run(const Options& options)
{
    const InterruptGuard guard;
    const std::uint64_t size = options.sizeMiB * MiB;
    const std::uint64_t needed = SpaceNeeded(size);
    const std::uint64_t available = FreeBytes(ScratchParent);
    if (available < needed) {
        std::fprintf(stderr,
            "velkaro_bench: not enough space in %s: %s free, %s needed for a %llu MiB source,\n"
            "its packages and a joined copy. Free space there or pass a smaller --size-mib.\n",
            ScratchParent, Gib(available).c_str(), Gib(needed).c_str(),
            static_cast<unsigned long long>(options.sizeMiB));
        return 1;
    }
    try {
        const double loadBefore = LoadAverage();
        std::vector<Comparison> comparisons;
        {
            const TempDir scratch(ScratchParent);
            Measure({scratch.Path(), scratch / "source", size, false}, options, guard, comparisons);
        }
        MeasureOnDisk(options, guard, comparisons);

        PrintComparisons(comparisons);
        PrintMemory();
        std::printf("load average (1 min) on %ld cores: %.2f at start, %.2f at end\n",
            sysconf(_SC_NPROCESSORS_ONLN), loadBefore, LoadAverage());
        return 0;
    } catch (...) {
        // A child killed by Ctrl-C shows up as a failed command: report the interrupt instead.
        guard.ThrowIfRequested();
        throw;
    }
}

} // namespace

int main(int argc, char** argv)
{
    // Progress lines should reach a log as they happen, and before any error on stderr.
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    try {
        const Command command = ParseCommand(argc, argv);
        if (command.help) {
            PrintUsage(stdout);
            return 0;
        }
        return Run(command.options);
    } catch (const UsageError& error) {
        std::fprintf(stderr, "velkaro_bench: %s\n", error.what());
        PrintUsage(stderr);
        return 2;
    } catch (const Interrupted& error) {
        std::fprintf(stderr, "velkaro_bench: %s; scratch files removed\n", error.what());
        return 128 + error.Signal();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "velkaro_bench: %s\n", error.what());
        return 1;
    }
}

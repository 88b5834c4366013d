// Times the engine's split and join against coreutils split and cat: in /dev/shm, where the disk
// drops out and only the copying itself is measured, and on ext4 on a loop device with direct I/O
// and a cold page cache, as a disk is after a reboot, where both sides also make their output
// durable (coreutils with sync -f or sync -d), as the engine always does before it reports
// success. Then the dirty memory a 4 GiB split lets pile up, cloning on XFS and btrfs, and the
// file systems of USB sticks and Windows disks through FUSE: exFAT and NTFS on a fast image, and
// exFAT on a stick simulated at 20 MiB/s, where how long the stick's folder takes to answer
// during a run tells whether a file manager showing it would freeze.

#include "ChildProcess.h"
#include "DirtyMemory.h"
#include "FolderLatency.h"
#include "Interrupts.h"
#include "LoopMount.h"
#include "PairedRuns.h"
#include "Sampler.h"
#include "ScratchFiles.h"
#include "SlowStick.h"
#include "TestFiles.h"
#include "Velkaro.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <sys/resource.h>
#include <sys/statvfs.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

constexpr const char* ScratchParent = "/dev/shm";
constexpr std::uint32_t SmallPackage = 1457664;
constexpr std::uint32_t LargePackage = 100 * 1024 * 1024;
constexpr std::uint32_t TinyPackage = 64 * 1024;
constexpr std::uint32_t MediumPackage = 4 * 1024 * 1024;
constexpr std::uint32_t KibPackage = 1024;
// 256 MiB at 1 KiB: 262,144 full packages and the empty last one.
constexpr std::uint64_t KibSourceMiB = 256;
// The goal of every comparison where the output is made durable, coreutils' too. Each other goal
// stands where it is judged.
constexpr double DurableGoal = 1.05;
constexpr std::uint64_t StickBytesPerSecond = 20 * 1024 * 1024;
constexpr std::uint64_t Seed = 0x56656c6b61726f31ULL;
constexpr std::uint64_t MiB = 1024 * 1024;
// How often the watcher looks at a watched run: dirty memory, and whether a listing has ended.
constexpr std::chrono::milliseconds WatchInterval(10);

struct Options
{
    int pairs = 11;
    int diskPairs = 7;
    std::uint64_t sizeMiB = 1024;
    std::uint64_t diskSizeMiB = 2048;
    std::string imageDir = "/var/tmp";
    std::string only;
    std::uint64_t fuseSizeMiB = 512;
    std::uint64_t stickSizeMiB = 512;
    int stickPairs = 3;
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
        "usage: velkaro_bench [--pairs N] [--disk-pairs N] [--size-mib N] [--disk-size-mib N]\n"
        "                     [--fuse-size-mib N] [--stick-size-mib N] [--stick-pairs N]\n"
        "                     [--image-dir DIR] [--only memory|disk|dirty|clone|fuse|stick]\n"
        "  --pairs N          timed pairs per comparison in /dev/shm (default 11)\n"
        "  --disk-pairs N     timed pairs per comparison on ext4, XFS, btrfs and the fast\n"
        "                     FUSE images (default 7)\n"
        "  --size-mib N       random source in /dev/shm, in MiB (default 1024)\n"
        "  --disk-size-mib N  random source on ext4, XFS and btrfs, in MiB (default 2048);\n"
        "                     the dirty-memory split takes twice as much\n"
        "  --fuse-size-mib N  random source for exFAT and NTFS through FUSE, in MiB\n"
        "                     (default 512)\n"
        "  --stick-size-mib N random source for the simulated 20 MiB/s stick, in MiB\n"
        "                     (default 512)\n"
        "  --stick-pairs N    timed pairs per comparison on the stick (default 3)\n"
        "  --image-dir DIR    where the images of the file systems go, on a disk\n"
        "                     (default /var/tmp)\n"
        "  --only PART        one part: the runs in /dev/shm, on ext4, the dirty-memory\n"
        "                     peak of a 4 GiB split, cloning on XFS and btrfs, exFAT and\n"
        "                     NTFS through FUSE, or the simulated stick\n"
        "  The runs on file systems in images need root; the others run without.\n");
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

// Sets `field` from `value` where `option` is `name`: a whole number from 1 to `highest`.
template <typename Number>
bool TakeNumber(const std::string& option, const char* name, const char* value,
    std::uint64_t highest, Number& field)
{
    if (option != name)
        return false;
    field = static_cast<Number>(ParseNumber(option, value, 1, highest));
    return true;
}

Command ParseCommand(int argc, char** argv)
{
    Command command;
    Options& o = command.options;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--help" || option == "-h") {
            command.help = true;
            continue;
        }
        // Every other option takes the argument after it.
        const char* value = ++i < argc ? argv[i] : nullptr;
        if (TakeNumber(option, "--pairs", value, 1000, o.pairs)
            || TakeNumber(option, "--disk-pairs", value, 1000, o.diskPairs)
            || TakeNumber(option, "--size-mib", value, 64 * 1024, o.sizeMiB)
            || TakeNumber(option, "--disk-size-mib", value, 64 * 1024, o.diskSizeMiB)
            || TakeNumber(option, "--fuse-size-mib", value, 64 * 1024, o.fuseSizeMiB)
            || TakeNumber(option, "--stick-size-mib", value, 8 * 1024, o.stickSizeMiB)
            || TakeNumber(option, "--stick-pairs", value, 1000, o.stickPairs))
            continue;
        if (option == "--only") {
            const std::string part = value ? value : "";
            if (part != "memory" && part != "disk" && part != "dirty" && part != "clone"
                && part != "fuse" && part != "stick")
                throw UsageError("--only takes memory, disk, dirty, clone, fuse or stick");
            o.only = part;
        } else if (option == "--image-dir") {
            if (!value)
                throw UsageError("--image-dir needs a folder");
            o.imageDir = value;
        } else {
            throw UsageError("unknown option " + option);
        }
    }
    return command;
}

// The scratch folder, its random source and the source's length. On a disk the coreutils side
// makes its output durable too, and every run starts from a cold page cache.
struct Workspace
{
    const std::string folder;
    const std::string source;
    const std::uint64_t size;
    const bool disk;
    // For the table: the file system and, on a disk, that the cache is cold.
    const std::string where;

    std::string OurBase() const { return folder + "/v"; }
    std::string TheirPrefix() const { return folder + "/s."; }
    std::string Joined() const { return folder + "/joined"; }
};

// The set of `base` as the engine counts it.
std::vector<std::string> PackagesOf(const std::string& base)
{
    return PackagePaths(base, Velkaro::IsPck(base + ".c0"));
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

// split writes its pieces and leaves them to the kernel; one sync of the file system (sync -f)
// then makes all of them durable at once, the fairest way the shell has.
double TheirSplit(const Workspace& work, std::uint32_t packageSize)
{
    const double split
        = RunChild({"split", "-b", std::to_string(packageSize), work.source, work.TheirPrefix()});
    return work.disk ? split + RunChild({"sync", "-f", work.folder}) : split;
}

double OurJoin(const Workspace& work)
{
    const std::string first = work.OurBase() + ".c0";
    const std::string joined = work.Joined();
    return Seconds([&] { Require(Velkaro::Build(first, joined, true), "Velkaro::Build"); });
}

double TheirJoin(const Workspace& work, std::size_t count)
{
    // Names relative to the folder, so that a quarter of a million of them fit on one command
    // line (the kernel allows arguments of 6 MiB at most).
    const std::string prefix = work.OurBase().substr(work.folder.size() + 1) + ".c";
    const auto command = [&] {
        std::vector<std::string> words {"cat"};
        for (std::size_t index = 0; index < count; ++index)
            words.push_back(prefix + std::to_string(index));
        return words;
    };
    const double cat = RunMadeChild("cat", command, work.Joined(), work.folder);
    return work.disk ? cat + RunChild({"sync", "-d", work.Joined()}) : cat;
}

void Settle(const Workspace& work)
{
    if (work.disk)
        DropCaches(work.folder);
}

void RemoveSplitOutputs(const Workspace& work)
{
    RemoveFilesWithPrefix(work.folder, "v.c");
    RemoveFilesWithPrefix(work.folder, "s.");
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

// What the runs of one side did to the file system beside taking their time, the worst of them:
// the longest the folder took to answer a listing, the device's dirty-memory peak. Negative where
// not watched.
struct Worst
{
    double folderSeconds = -1;
    double dirtyMiB = -1;
};

struct Comparison
{
    std::string where;
    std::string name;
    double goal;
    Summary summary;
    Worst ours;
    Worst theirs;
};

// What to watch during each timed run on a device: its own dirty memory and, where asked, how
// long its folder takes to answer.
struct Watch
{
    const DeviceUnwritten& device;
    const std::string folder;
    const bool listFolder;

    TimedRun Around(const TimedRun& run, Worst& worst) const
    {
        return [this, run, &worst] {
            std::unique_ptr<FolderLatency> listing;
            if (listFolder)
                listing = std::make_unique<FolderLatency>(folder);
            DirtyMemory dirty([this] { return device.KiB(); });
            double seconds = 0;
            {
                const Sampler watcher(WatchInterval, [&] {
                    dirty.Sample();
                    if (listing)
                        listing->Poll();
                });
                seconds = run();
            }
            worst.dirtyMiB = std::max(worst.dirtyMiB, dirty.PeakAboveStartMiB());
            if (listing)
                worst.folderSeconds = std::max(worst.folderSeconds, listing->LongestSeconds());
            return seconds;
        };
    }
};

// Runs the pairs, watched where a watch is given.
Comparison Compare(const std::string& where, const std::string& name, double goal, int pairs,
    const TimedRun& ours, const TimedRun& theirs, const std::function<void()>& reset,
    const InterruptGuard& guard, const Watch* watch)
{
    Comparison comparison {where, name, goal, {}, {}, {}};
    const PairedTimes times = watch
        ? RunPairs(pairs, watch->Around(ours, comparison.ours),
            watch->Around(theirs, comparison.theirs), reset, [&] { guard.ThrowIfRequested(); })
        : RunPairs(pairs, ours, theirs, reset, [&] { guard.ThrowIfRequested(); });
    comparison.summary = Summarize(times);
    return comparison;
}

void Announce(const std::string& what, int pairs)
{
    std::printf("timing %s, %d pairs ...\n", what.c_str(), pairs);
    std::fflush(stdout);
}

Comparison CompareSplit(const Workspace& work, std::uint32_t packageSize, int pairs, double goal,
    const InterruptGuard& guard, const Watch* watch = nullptr)
{
    const std::string name = "split at " + std::to_string(packageSize) + " B";
    Announce(name + " (Velkaro::Split vs split -b" + (work.disk ? " && sync -f)" : ")"), pairs);
    return Compare(
        work.where, name, goal, pairs, [&] { return OurSplit(work, packageSize); },
        [&] { return TheirSplit(work, packageSize); }, [&] { RemoveSplitOutputs(work); }, guard,
        watch);
}

// Joins the package set that is in place; both sides read the same packages.
Comparison CompareJoin(const Workspace& work, int pairs, double goal, const InterruptGuard& guard,
    const Watch* watch = nullptr)
{
    const std::size_t count = Velkaro::IsPck(work.OurBase() + ".c0");
    const std::string name = "join of " + std::to_string(count) + " packages";
    Announce(name + " (Velkaro::Build vs cat" + (work.disk ? " && sync -d)" : ")"), pairs);
    return Compare(
        work.where, name, goal, pairs, [&] { return OurJoin(work); },
        [&] { return TheirJoin(work, count); }, [&] { RemoveJoined(work); }, guard, watch);
}

// Splits the source at `packageSize` and times the join of that set.
Comparison CompareJoinAt(const Workspace& work, std::uint32_t packageSize, int pairs, double goal,
    const InterruptGuard& guard, const Watch* watch = nullptr)
{
    OurSplit(work, packageSize);
    Settle(work);
    Comparison comparison = CompareJoin(work, pairs, goal, guard, watch);
    RemoveSplitOutputs(work);
    return comparison;
}

void PrintComparisons(const std::vector<Comparison>& comparisons)
{
    // A file manager that shows a folder for longer than this seems to hang.
    constexpr double FolderGoalSeconds = 0.5;
    constexpr double FuseDirtyGoalMiB = 256;
    std::printf("\n%-11s %-28s %9s %11s %12s %14s %8s  %s\n", "where", "comparison", "ours (s)",
        "theirs (s)", "ours/theirs", "ratio range", "goal", "result");
    for (const Comparison& c : comparisons) {
        const Summary& s = c.summary;
        std::printf("%-11s %-28s %9.3f %11.3f %12.3f %6.3f - %5.3f  <= %4.2f  %s\n",
            c.where.c_str(), c.name.c_str(), s.oursMedian, s.theirsMedian, s.ratioMedian,
            s.ratioLowest, s.ratioHighest, c.goal, s.ratioMedian <= c.goal ? "met" : "NOT met");
    }
    std::printf("(seconds are medians; ours/theirs is the median of the per-pair ratios)\n");

    const auto watched = [](const Comparison& c) { return c.ours.dirtyMiB >= 0; };
    if (std::none_of(comparisons.begin(), comparisons.end(), watched))
        return;
    std::printf("\n%-11s %-28s %20s %24s  %s\n", "where", "comparison", "folder answers in (s)",
        "device dirty peak (MiB)", "result");
    std::printf("%-11s %-28s %9s %10s %11s %12s\n", "", "", "ours", "theirs", "ours", "theirs");
    for (const Comparison& c : comparisons) {
        if (!watched(c))
            continue;
        const auto seconds = [](double value) {
            char text[16];
            std::snprintf(text, sizeof text, value >= 0 ? "%.2f" : "-", value);
            return std::string(text);
        };
        const bool met = c.ours.dirtyMiB <= FuseDirtyGoalMiB
            && (c.ours.folderSeconds < 0 || c.ours.folderSeconds <= FolderGoalSeconds);
        std::printf("%-11s %-28s %9s %10s %11.0f %12.0f  %s\n", c.where.c_str(), c.name.c_str(),
            seconds(c.ours.folderSeconds).c_str(), seconds(c.theirs.folderSeconds).c_str(),
            c.ours.dirtyMiB, c.theirs.dirtyMiB, met ? "met" : "NOT met");
    }
    std::printf(
        "(the longest `ls -l` of the folder, listed every 50 ms, goal <= %.1f s; dirty and\n"
        "in-writeback memory of the loop device above the level before, goal <= %.0f MiB;\n"
        "both the worst over the runs)\n",
        FolderGoalSeconds, FuseDirtyGoalMiB);
}

double PeakMemoryMiB()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0; // Linux reports KiB
}

void PrintMemory()
{
    constexpr double MemoryGoalMiB = 8;
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

void WriteSource(const Workspace& work)
{
    const double written = Seconds([&] { WriteRandomFile(work.source, work.size, Seed); });
    std::printf("wrote a %llu MiB random source in %s in %.2f s\n",
        static_cast<unsigned long long>(work.size / MiB), work.folder.c_str(), written);
    Settle(work);
}

// In memory: splits at three sizes, joins of sets of 4 MiB, 64 KiB and 1 KiB packages.
void CompareInMemory(
    const Options& options, const InterruptGuard& guard, std::vector<Comparison>& comparisons)
{
    constexpr double SplitGoal = 0.90;
    constexpr double JoinGoal = 1.00;
    const std::uint64_t size = options.sizeMiB * MiB;
    const std::uint64_t needed = SpaceNeeded(size) + SpaceNeeded(KibSourceMiB * MiB);
    const std::uint64_t available = FreeBytes(ScratchParent);
    if (available < needed) {
        std::printf("skipped the runs in %s: %s free, %s needed\n", ScratchParent,
            Gib(available).c_str(), Gib(needed).c_str());
        return;
    }
    const TempDir scratch(ScratchParent);
    const Workspace work {scratch.Path(), scratch / "source", size, false, ScratchParent};
    WriteSource(work);
    CheckSplitsAgree(work, LargePackage);
    RemoveFiles(PackagesOf(work.OurBase()));
    CheckSplitsAgree(work, SmallPackage);
    CheckJoinRestoresSource(work);
    RemoveSplitOutputs(work);
    guard.ThrowIfRequested();

    comparisons.push_back(CompareSplit(work, SmallPackage, options.pairs, SplitGoal, guard));
    comparisons.push_back(CompareSplit(work, LargePackage, options.pairs, SplitGoal, guard));
    // Sixteen thousand files cost both sides the same creating and closing, which the copy no
    // longer outweighs: there the goal is only to be no slower.
    comparisons.push_back(CompareSplit(work, TinyPackage, options.pairs, 1.00, guard));
    comparisons.push_back(CompareJoinAt(work, MediumPackage, options.pairs, JoinGoal, guard));
    comparisons.push_back(CompareJoinAt(work, TinyPackage, options.pairs, JoinGoal, guard));
    RemoveFiles({work.source});

    const Workspace kib {
        scratch.Path(), scratch / "source-kib", KibSourceMiB * MiB, false, ScratchParent};
    WriteSource(kib);
    comparisons.push_back(CompareJoinAt(kib, KibPackage, options.pairs, JoinGoal, guard));
}

// On ext4, cold: splits at three sizes and the join of the set at the default size.
void CompareOnDisk(const LoopMount& disk, const Options& options, const InterruptGuard& guard,
    std::vector<Comparison>& comparisons)
{
    const Workspace work {
        disk.Path(), disk.Path() + "/source", options.diskSizeMiB * MiB, true, "ext4, cold"};
    WriteSource(work);
    CheckSplitsAgree(work, SmallPackage);
    RemoveFiles(PackagesOf(work.OurBase()));
    Settle(work);
    guard.ThrowIfRequested();
    const int pairs = options.diskPairs;
    comparisons.push_back(CompareSplit(work, SmallPackage, pairs, DurableGoal, guard));
    comparisons.push_back(CompareSplit(work, LargePackage, pairs, DurableGoal, guard));
    comparisons.push_back(CompareSplit(work, TinyPackage, pairs, DurableGoal, guard));
    comparisons.push_back(CompareJoinAt(work, SmallPackage, pairs, DurableGoal, guard));
    RemoveFiles({work.source});
    Settle(work);
}

// How much unwritten data a split of twice the disk source (4 GiB) lets pile up in memory on a
// disk; coreutils' split, which leaves all writing to the kernel, for comparison.
void MeasureDirtyPeak(const LoopMount& disk, const Options& options, const InterruptGuard& guard)
{
    constexpr double DirtyGoalMiB = 512;
    const Workspace work {disk.Path(), disk.Path() + "/source-dirty", 2 * options.diskSizeMiB * MiB,
        true, "ext4, cold"};
    WriteSource(work);
    guard.ThrowIfRequested();
    const std::string size = std::to_string(work.size / MiB) + " MiB";
    Announce("dirty memory during a split of " + size + " at 1457664 B", 1);
    // The machine's figure is the one that stalls a desktop, but other programs' writes blur it;
    // the loop device's own figure, where debugfs can be had, does not.
    std::unique_ptr<DeviceUnwritten> device;
    try {
        device = std::make_unique<DeviceUnwritten>(disk.Device());
    } catch (const std::runtime_error& why) {
        std::printf("only the whole machine's dirty memory: %s\n", why.what());
    }
    struct Peaks
    {
        double seconds = 0;
        double machineMiB = 0;
        double deviceMiB = -1;
    };
    const auto peaksDuring = [&](const std::function<double()>& split) {
        sync(); // the level before should hold nobody's leftovers
        DirtyMemory machine;
        std::unique_ptr<DirtyMemory> own;
        if (device)
            own = std::make_unique<DirtyMemory>([&] { return device->KiB(); });
        Peaks peaks;
        {
            const Sampler watcher(WatchInterval, [&] {
                machine.Sample();
                if (own)
                    own->Sample();
            });
            peaks.seconds = split();
        }
        peaks.machineMiB = machine.PeakAboveStartMiB();
        peaks.deviceMiB = own ? own->PeakAboveStartMiB() : -1;
        return peaks;
    };
    const Peaks ours = peaksDuring([&] { return OurSplit(work, SmallPackage); });
    RemoveSplitOutputs(work);
    guard.ThrowIfRequested();
    const Peaks theirs = peaksDuring([&] { return TheirSplit(work, SmallPackage); });
    RemoveSplitOutputs(work);
    RemoveFiles({work.source});
    Settle(work);
    std::printf("dirty + writeback memory during the split of %s, peak above the level before,\n"
                "of the whole machine (/proc/meminfo) and of the loop device alone (debugfs):\n",
        size.c_str());
    const auto print = [](const char* who, const Peaks& peaks, const char* verdict) {
        std::printf("  %-20s %6.0f MiB machine, ", who, peaks.machineMiB);
        if (peaks.deviceMiB >= 0)
            std::printf("%6.0f MiB device", peaks.deviceMiB);
        else
            std::printf("   n/a device");
        std::printf(", in %.1f s%s\n", peaks.seconds, verdict);
    };
    // Judged by the device's own figure where there is one.
    const double judged = ours.deviceMiB >= 0 ? ours.deviceMiB : ours.machineMiB;
    char verdict[48];
    std::snprintf(verdict, sizeof verdict, " (goal <= %.0f MiB: %s)", DirtyGoalMiB,
        judged <= DirtyGoalMiB ? "met" : "NOT met");
    print("Velkaro::Split", ours, verdict);
    print("split -b && sync -f", theirs, " (for comparison)");
}

void WithDisk(const Options& options, std::uint64_t needed, const std::string& type,
    const std::function<void(const LoopMount&)>& work)
{
    // Whole MiB: a loop device ignores a tail shorter than a sector, with a warning.
    const std::uint64_t image = (needed + MiB - 1) / MiB * MiB + 512 * MiB;
    try {
        if (FreeBytes(options.imageDir) < image)
            throw LoopMount::Unavailable(Gib(image) + " free needed in " + options.imageDir);
        const LoopMount disk(options.imageDir, image, type);
        std::printf("%s on %s, %s\n", type.c_str(), disk.Device().c_str(),
            disk.DirectIo() ? "direct I/O" : "WITHOUT direct I/O: the image is cached twice");
        work(disk);
    } catch (const LoopMount::Unavailable& why) {
        std::printf("skipped the runs on %s: %s\n", type.c_str(), why.what());
    }
}

std::uint64_t UsedBytes(const std::string& path)
{
    SyncFileSystem(path);
    struct statvfs info = {};
    if (statvfs(path.c_str(), &info) != 0)
        throw std::runtime_error("cannot ask the file system of " + path);
    return static_cast<std::uint64_t>(info.f_blocks - info.f_bfree) * info.f_frsize;
}

// Where the file system can share blocks between files, the kernel's copy clones instead of
// copying: a split takes next to no time and no new space, where split -b copies every byte.
void MeasureCloning(
    const Options& options, const InterruptGuard& guard, std::vector<Comparison>& comparisons)
{
    // Cloning takes no time worth the name; copying 2 GiB, even in memory, a good part of a second.
    constexpr double CloneGoal = 0.10;
    const std::uint64_t size = options.diskSizeMiB * MiB;
    for (const std::string type : {"xfs", "btrfs"}) {
        WithDisk(options, 2 * size + size / 5, type, [&](const LoopMount& disk) {
            const Workspace work {
                disk.Path(), disk.Path() + "/source", size, true, type + ", cold"};
            WriteSource(work);
            guard.ThrowIfRequested();
            const std::uint64_t before = UsedBytes(work.folder);
            OurSplit(work, LargePackage);
            const std::uint64_t after = UsedBytes(work.folder);
            const double grown = static_cast<double>(after - std::min(before, after)) / MiB;
            std::printf("%s: the split of %llu MiB at %u B took %.0f MiB of new blocks: %s\n",
                type.c_str(), static_cast<unsigned long long>(size / MiB), LargePackage, grown,
                grown < 64 ? "cloned" : "COPIED");
            RemoveSplitOutputs(work);
            comparisons.push_back(
                CompareSplit(work, LargePackage, options.diskPairs, CloneGoal, guard));
        });
    }
}

// exFAT or NTFS through FUSE in `disk`, with the source in /dev/shm (a file from the computer's own
// disk going to a stick): splits at two sizes and the join at 1457664 B. Coreutils is made
// durable as on ext4: `sync -f` writes out the device's cache, `sync -d` has the daemon sync the
// joined file.
void CompareOnFuse(const LoopMount& disk, const std::string& where, std::uint64_t size, int pairs,
    bool check, bool listFolder, const InterruptGuard& guard, std::vector<Comparison>& comparisons)
{
    if (FreeBytes(ScratchParent) < size + size / 10) {
        std::printf("skipped the runs on %s: %s free in %s, %s needed\n", where.c_str(),
            Gib(FreeBytes(ScratchParent)).c_str(), ScratchParent, Gib(size + size / 10).c_str());
        return;
    }
    std::unique_ptr<DeviceUnwritten> device;
    try {
        device = std::make_unique<DeviceUnwritten>(disk.Device());
    } catch (const std::runtime_error& why) {
        std::printf("skipped the runs on %s: %s\n", where.c_str(), why.what());
        return;
    }
    const TempDir scratch(ScratchParent);
    const Workspace work {disk.Path(), scratch / "source", size, true, where};
    WriteSource(work);
    if (check) {
        CheckSplitsAgree(work, SmallPackage);
        CheckJoinRestoresSource(work);
        RemoveSplitOutputs(work);
    }
    guard.ThrowIfRequested();
    const Watch watch {*device, disk.Path(), listFolder};
    comparisons.push_back(CompareSplit(work, SmallPackage, pairs, DurableGoal, guard, &watch));
    comparisons.push_back(CompareSplit(work, LargePackage, pairs, DurableGoal, guard, &watch));
    comparisons.push_back(CompareJoinAt(work, SmallPackage, pairs, DurableGoal, guard, &watch));
}

void MeasureFuse(
    const Options& options, const InterruptGuard& guard, std::vector<Comparison>& comparisons)
{
    const std::uint64_t size = options.fuseSizeMiB * MiB;
    for (const auto& [type, where] : {std::pair {"exfat", "exFAT, FUSE"}, {"ntfs", "NTFS, FUSE"}}) {
        // Our packages, split's pieces and a joined copy.
        WithDisk(options, 3 * size + size / 5, type, [&](const LoopMount& disk) {
            CompareOnFuse(disk, where, size, options.diskPairs, true, false, guard, comparisons);
        });
    }
}

// A cheap USB stick: exFAT through exfat-fuse on a loop device over the simulated stick.
void MeasureStick(
    const Options& options, const InterruptGuard& guard, std::vector<Comparison>& comparisons)
{
    const std::uint64_t size = options.stickSizeMiB * MiB;
    try {
        const SlowStick stick(options.imageDir, 2 * size + 256 * MiB, StickBytesPerSecond);
        const LoopMount disk(options.imageDir, stick.Image(), "exfat");
        std::printf("exfat on %s over a stick simulated at %llu MiB/s, %s\n", disk.Device().c_str(),
            static_cast<unsigned long long>(StickBytesPerSecond / MiB),
            disk.DirectIo() ? "direct I/O" : "WITHOUT direct I/O");
        CompareOnFuse(
            disk, "stick, FUSE", size, options.stickPairs, false, true, guard, comparisons);
    } catch (const LoopMount::Unavailable& why) {
        std::printf("skipped the runs on the simulated stick: %s\n", why.what());
    }
}

// cat of a quarter of a million packages takes every name on its command line, more than the
// default stack limit of 8 MiB allows a program's arguments (a quarter of it).
void RoomForLongCommandLines()
{
    rlimit stack {};
    if (getrlimit(RLIMIT_STACK, &stack) != 0)
        return;
    const rlim_t wanted = 256 * MiB;
    if (stack.rlim_cur != RLIM_INFINITY && stack.rlim_cur < wanted) {
        stack.rlim_cur
            = stack.rlim_max == RLIM_INFINITY ? wanted : std::min(wanted, stack.rlim_max);
        setrlimit(RLIMIT_STACK, &stack);
    }
}

int Run(const Options& options)
{
    const InterruptGuard guard;
    RoomForLongCommandLines();
    const auto wanted
        = [&](const char* part) { return options.only.empty() || options.only == part; };
    try {
        const double loadBefore = LoadAverage();
        const auto start = std::chrono::steady_clock::now();
        std::vector<Comparison> comparisons;
        if (wanted("memory"))
            CompareInMemory(options, guard, comparisons);
        if (wanted("disk") || wanted("dirty")) {
            const std::uint64_t disk = options.diskSizeMiB * MiB;
            // The dirty-memory split: a source of twice the size and its packages.
            const std::uint64_t needed = std::max(SpaceNeeded(disk), 4 * disk + disk / 10);
            WithDisk(options, needed, "ext4", [&](const LoopMount& mounted) {
                if (wanted("disk"))
                    CompareOnDisk(mounted, options, guard, comparisons);
                if (wanted("dirty"))
                    MeasureDirtyPeak(mounted, options, guard);
            });
        }
        if (wanted("clone"))
            MeasureCloning(options, guard, comparisons);
        if (wanted("fuse"))
            MeasureFuse(options, guard, comparisons);
        if (wanted("stick"))
            MeasureStick(options, guard, comparisons);

        if (!comparisons.empty())
            PrintComparisons(comparisons);
        PrintMemory();
        std::printf("load average (1 min) on %ld cores: %.2f at start, %.2f at end\n",
            sysconf(_SC_NPROCESSORS_ONLN), loadBefore, LoadAverage());
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        std::printf("the whole run took %.1f min\n", elapsed.count() / 60);
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

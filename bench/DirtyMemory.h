#pragma once

#include <atomic>
#include <cstdint>
#include <thread>

// Watches the page cache's dirty and in-writeback memory (Dirty + Writeback in /proc/meminfo)
// while it lives, every 10 ms, and tells the highest level above the one it found at the start:
// how much unwritten data a command let pile up.
class DirtyMemory
{
public:
    DirtyMemory();
    ~DirtyMemory();
    DirtyMemory(const DirtyMemory&) = delete;
    DirtyMemory& operator=(const DirtyMemory&) = delete;

    // Stops watching; the peak above the starting level, in MiB.
    double PeakAboveStartMiB();

private:
    const std::uint64_t startKiB;
    std::atomic<std::uint64_t> peakKiB;
    std::atomic<bool> stop {false};
    std::thread watcher;
};

// Dirty + Writeback now, in KiB.
std::uint64_t UnwrittenKiB();

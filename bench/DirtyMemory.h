#pragma once

#include "Sampler.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>

// Watches the page cache's dirty and in-writeback memory while it lives, every 10 ms, and tells
// the highest level above the one it found at the start: how much unwritten data a command let
// pile up. By default the whole machine's (Dirty + Writeback in /proc/meminfo).
class DirtyMemory
{
public:
    explicit DirtyMemory(std::function<std::uint64_t()> readKiB = {});

    // Stops watching; the peak above the starting level, in MiB.
    double PeakAboveStartMiB();

private:
    const std::function<std::uint64_t()> read;
    const std::uint64_t startKiB;
    std::atomic<std::uint64_t> peakKiB;
    Sampler sampler;
};

// Dirty + Writeback now, in KiB.
std::uint64_t UnwrittenKiB();

// The same for one block device alone, from the kernel's per-device writeback statistics in
// debugfs (mounted for the life of the object where it is not already): what other programs on
// the machine write does not blur it. Throws std::runtime_error where debugfs cannot be had.
class DeviceUnwritten
{
public:
    explicit DeviceUnwritten(const std::string& device);
    ~DeviceUnwritten();
    DeviceUnwritten(const DeviceUnwritten&) = delete;
    DeviceUnwritten& operator=(const DeviceUnwritten&) = delete;

    std::uint64_t KiB() const;

private:
    void Unmount();

    // Empty where debugfs was mounted already. A plain folder, removed with rmdir, which never
    // reaches into a mount that failed to go.
    std::string mountPoint;
    std::string stats;
};

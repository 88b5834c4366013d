#pragma once

#include <cstdint>
#include <functional>
#include <string>

// The page cache's dirty and in-writeback memory, sampled by the watcher thread, and the highest
// level above the one found at the start: how much unwritten data a command let pile up. By
// default the whole machine's (Dirty + Writeback in /proc/meminfo).
class DirtyMemory
{
public:
    explicit DirtyMemory(std::function<std::uint64_t()> readKiB = {});

    void Sample();

    // The peak above the starting level, in MiB. Only once the watcher has stopped.
    double PeakAboveStartMiB() const;

private:
    const std::function<std::uint64_t()> read;
    const std::uint64_t startKiB;
    std::uint64_t peakKiB;
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

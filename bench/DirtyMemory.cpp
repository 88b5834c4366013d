#include "DirtyMemory.h"

#include "ChildProcess.h"

#include <algorithm>
#include <chrono>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

constexpr const char* DebugFs = "/sys/kernel/debug";

// The sum of the two fields of `file` that start with `first` and `second` ("Name:   123 kB").
std::uint64_t SumOfFields(
    const std::string& file, const char* const first, const char* const second)
{
    std::ifstream lines(file);
    std::uint64_t total = 0;
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind(first, 0) == 0 || line.rfind(second, 0) == 0) {
            std::istringstream fields(line.substr(line.find(':') + 1));
            std::uint64_t kib = 0;
            fields >> kib;
            total += kib;
        }
    }
    return total;
}

bool IsFile(const std::string& path)
{
    struct stat status = {};
    return stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

} // namespace

std::uint64_t UnwrittenKiB()
{
    return SumOfFields("/proc/meminfo", "Dirty:", "Writeback:");
}

DeviceUnwritten::DeviceUnwritten(const std::string& device)
{
    struct stat status = {};
    if (stat(device.c_str(), &status) != 0 || !S_ISBLK(status.st_mode))
        throw std::runtime_error(device + " is not a block device");
    const std::string name = "/bdi/" + std::to_string(major(status.st_rdev)) + ":"
        + std::to_string(minor(status.st_rdev)) + "/stats";
    stats = DebugFs + name;
    if (IsFile(stats))
        return;
    std::string folder = "/tmp/velkaro-debugfs-XXXXXX";
    if (mkdtemp(folder.data()) == nullptr)
        throw std::runtime_error("cannot make a folder for debugfs");
    try {
        RunChild({"mount", "-t", "debugfs", "debugfs", folder});
    } catch (const std::runtime_error&) {
        rmdir(folder.c_str());
        throw;
    }
    mountPoint = folder;
    stats = mountPoint + name;
    if (!IsFile(stats)) {
        Unmount();
        throw std::runtime_error("no writeback statistics for " + device + " in debugfs");
    }
}

DeviceUnwritten::~DeviceUnwritten()
{
    Unmount();
}

void DeviceUnwritten::Unmount()
{
    if (mountPoint.empty())
        return;
    try {
        RunChild({"umount", mountPoint});
    } catch (const std::runtime_error&) {
        // Still mounted, the folder stays too: rmdir below fails and touches nothing in it.
    }
    rmdir(mountPoint.c_str());
    mountPoint.clear();
}

std::uint64_t DeviceUnwritten::KiB() const
{
    // Reclaimable is the device's dirty memory.
    return SumOfFields(stats, "BdiReclaimable:", "BdiWriteback:");
}

DirtyMemory::DirtyMemory(std::function<std::uint64_t()> readKiB)
    : read(readKiB ? std::move(readKiB) : UnwrittenKiB), startKiB(read()), peakKiB(startKiB)
{ }

void DirtyMemory::Sample()
{
    peakKiB = std::max(peakKiB, read());
}

double DirtyMemory::PeakAboveStartMiB() const
{
    return peakKiB > startKiB ? static_cast<double>(peakKiB - startKiB) / 1024.0 : 0.0;
}

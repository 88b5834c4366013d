#include "DirtyMemory.h"

#include <algorithm>
#include <chrono>
#include <fstream>
#include <sstream>
#include <string>

std::uint64_t UnwrittenKiB()
{
    std::ifstream meminfo("/proc/meminfo");
    std::uint64_t total = 0;
    for (std::string line; std::getline(meminfo, line);) {
        if (line.rfind("Dirty:", 0) == 0 || line.rfind("Writeback:", 0) == 0) {
            std::istringstream fields(line.substr(line.find(':') + 1));
            std::uint64_t kib = 0;
            fields >> kib;
            total += kib;
        }
    }
    return total;
}

DirtyMemory::DirtyMemory() : startKiB(UnwrittenKiB()), peakKiB(startKiB)
{
    watcher = std::thread([this] {
        while (!stop) {
            const std::uint64_t now = UnwrittenKiB();
            peakKiB = std::max<std::uint64_t>(peakKiB, now);
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    });
}

DirtyMemory::~DirtyMemory()
{
    PeakAboveStartMiB();
}

double DirtyMemory::PeakAboveStartMiB()
{
    stop = true;
    if (watcher.joinable())
        watcher.join();
    return peakKiB > startKiB ? static_cast<double>(peakKiB - startKiB) / 1024.0 : 0.0;
}

#include "FolderLatency.h"

#include "ChildProcess.h"
#include "PairedRuns.h"

#include <algorithm>
#include <chrono>
#include <stdexcept>

FolderLatency::FolderLatency(std::string listed) : folder(std::move(listed))
{
    lister = std::thread([this] {
        // The first listing after the page cache was dropped would mostly time loading ls itself
        // from the computer's own disk.
        try {
            ReapChild(StartChild({"ls", "-l", folder}));
        } catch (const std::runtime_error&) {
        }
        while (!stop) {
            double seconds = 0;
            try {
                seconds = Seconds([&] { ReapChild(StartChild({"ls", "-l", folder})); });
            } catch (const std::runtime_error&) {
                // No listing to time; the next one may be.
            }
            longest = std::max<double>(longest, seconds);
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
    });
}

FolderLatency::~FolderLatency()
{
    LongestSeconds();
}

double FolderLatency::LongestSeconds()
{
    stop = true;
    if (lister.joinable())
        lister.join();
    return longest;
}

#include "FolderLatency.h"

#include "ChildProcess.h"

#include <algorithm>
#include <stdexcept>

namespace {

constexpr std::chrono::milliseconds Pause(50);

} // namespace

FolderLatency::FolderLatency(std::string listed) : folder(std::move(listed))
{
    // The first listing after the page cache was dropped would mostly time loading ls itself
    // from the computer's own disk.
    try {
        ReapChild(StartChild({"ls", "-l", folder}));
    } catch (const std::runtime_error&) { }
    lastEnded = std::chrono::steady_clock::now() - Pause;
}

FolderLatency::~FolderLatency()
{
    try {
        LongestSeconds();
    } catch (const std::runtime_error&) { }
}

void FolderLatency::Poll()
{
    const auto now = std::chrono::steady_clock::now();
    if (listing > 0) {
        if (ChildEnded(listing))
            Ended(now);
        return;
    }
    if (now - lastEnded < Pause)
        return;
    try {
        listing = StartChild({"ls", "-l", folder});
        started = now;
    } catch (const std::runtime_error&) {
        // No listing to time; the next one may be.
        lastEnded = now;
    }
}

void FolderLatency::Ended(std::chrono::steady_clock::time_point now)
{
    const std::chrono::duration<double> took = now - started;
    longest = std::max(longest, took.count());
    listing = -1;
    lastEnded = now;
}

double FolderLatency::LongestSeconds()
{
    if (listing > 0) {
        ReapChild(listing);
        Ended(std::chrono::steady_clock::now());
    }
    return longest;
}

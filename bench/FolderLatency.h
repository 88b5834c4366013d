#pragma once

#include <chrono>
#include <string>
#include <sys/types.h>

// Lists a folder with `ls -l` again and again, 50 ms after the last listing ended, each time in a
// process of its own as a shell or a file manager would, and tells the longest one took: how long
// the folder, and with it the whole file system, stopped answering. Poll() is called from the
// watcher thread and never waits: it starts a listing, or sees whether the one under way has
// ended, so a listing is timed to within the watcher's interval.
class FolderLatency
{
public:
    explicit FolderLatency(std::string folder);
    ~FolderLatency();
    FolderLatency(const FolderLatency&) = delete;
    FolderLatency& operator=(const FolderLatency&) = delete;

    void Poll();

    // Waits for the listing under way; the longest listing in seconds. Only once the watcher has
    // stopped.
    double LongestSeconds();

private:
    void Ended(std::chrono::steady_clock::time_point now);

    const std::string folder;
    pid_t listing = -1; // the listing under way
    std::chrono::steady_clock::time_point started;
    std::chrono::steady_clock::time_point lastEnded;
    double longest = 0;
};

#pragma once

#include "Sampler.h"

#include <atomic>
#include <string>

// Lists a folder with `ls -l` every 50 ms while it lives, each time in a process of its own as a
// shell or a file manager would, and tells the longest one took: how long the folder, and with it
// the whole file system, stopped answering.
class FolderLatency
{
public:
    explicit FolderLatency(std::string folder);

    // Stops, after the listing under way; the longest listing in seconds.
    double LongestSeconds();

private:
    const std::string folder;
    std::atomic<double> longest {0};
    Sampler lister;
};

#pragma once

#include <atomic>
#include <chrono>
#include <functional>
#include <thread>

// The benchmark's one watcher thread: calls `sample` every `interval` while a run is watched, until
// Stop() or the end of the object. Whatever a run is watched for (dirty memory, folder listings)
// is sampled in that one call, none of it blocking, so that no sample waits for another. An owner
// declares it after what its calls use, so that it stops before they go.
class Sampler
{
public:
    Sampler(std::chrono::milliseconds interval, std::function<void()> sample);
    ~Sampler();
    Sampler(const Sampler&) = delete;
    Sampler& operator=(const Sampler&) = delete;

    // Waits for the call under way; none follows it.
    void Stop();

private:
    std::atomic<bool> stop {false};
    std::thread thread;
};

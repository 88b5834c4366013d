#pragma once

#include <atomic>
#include <chrono>
#include <functional>
#include <thread>

// The watcher thread of the benchmark's measurements: calls `sample` in a thread of its own, then
// waits `interval`, until Stop() or the end of the object; `first`, where given, runs once in that
// thread before the first sample. An owner declares it after the members its calls use, so that
// it stops before they go.
class Sampler
{
public:
    Sampler(std::chrono::milliseconds interval, std::function<void()> sample,
        std::function<void()> first = {});
    ~Sampler();
    Sampler(const Sampler&) = delete;
    Sampler& operator=(const Sampler&) = delete;

    // Waits for the call under way; none follows it.
    void Stop();

private:
    std::atomic<bool> stop {false};
    std::thread thread;
};

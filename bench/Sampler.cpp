#include "Sampler.h"

#include <utility>

Sampler::Sampler(std::chrono::milliseconds interval, std::function<void()> sample)
    : thread([this, interval, sample = std::move(sample)] {
        while (!stop) {
            sample();
            std::this_thread::sleep_for(interval);
        }
    })
{ }

Sampler::~Sampler()
{
    Stop();
}

void Sampler::Stop()
{
    stop = true;
    if (thread.joinable())
        thread.join();
}

#include "Sampler.h"

#include <utility>

Sampler::Sampler(std::chrono::milliseconds interval, std::function<void()> sample,
    std::function<void()> first)
    : thread([this, interval, sample = std::move(sample), first = std::move(first)] {
          if (first)
              first();
          while (!stop) {
              sample();
              std::this_thread::sleep_for(interval);
          }
      })
{
}

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

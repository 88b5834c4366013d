#include "PairedRuns.h"

#include <algorithm>
#include <chrono>
#include <stdexcept>

PairedTimes RunPairs(int pairs, const TimedRun& ours, const TimedRun& theirs,
    const std::function<void()>& reset, const std::function<void()>& checkpoint)
{
    PairedTimes times;
    const auto runOurs = [&] { times.ours.push_back(ours()); };
    const auto runTheirs = [&] { times.theirs.push_back(theirs()); };
    for (int pair = 0; pair < pairs; ++pair) {
        const bool oursFirst = pair % 2 == 0;
        reset();
        oursFirst ? runOurs() : runTheirs();
        checkpoint();
        reset();
        oursFirst ? runTheirs() : runOurs();
        checkpoint();
    }
    reset();
    return times;
}

double Seconds(const std::function<void()>& work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    return elapsed.count();
}

double Median(std::vector<double> values)
{
    if (values.empty())
        throw std::logic_error("median of nothing");
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

Summary Summarize(const PairedTimes& times)
{
    std::vector<double> ratios;
    for (std::size_t i = 0; i < times.ours.size() && i < times.theirs.size(); ++i)
        ratios.push_back(times.ours[i] / times.theirs[i]);
    Summary summary;
    summary.oursMedian = Median(times.ours);
    summary.theirsMedian = Median(times.theirs);
    summary.ratioMedian = Median(ratios);
    summary.ratioLowest = *std::min_element(ratios.begin(), ratios.end());
    summary.ratioHighest = *std::max_element(ratios.begin(), ratios.end());
    return summary;
}

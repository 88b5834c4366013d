#pragma once

#include <functional>
#include <vector>

// One side of a comparison: does its work once and returns the seconds it took.
using TimedRun = std::function<double()>;

struct PairedTimes
{
    std::vector<double> ours;
    std::vector<double> theirs;
};

// Runs `pairs` pairs of ours and theirs, taking turns at going first so that neither side always
// meets the caches the other left. `reset` deletes outputs before every run, outside the timed
// part; `checkpoint` runs after every run (to stop early on an interrupt).
PairedTimes RunPairs(int pairs, const TimedRun& ours, const TimedRun& theirs,
    const std::function<void()>& reset, const std::function<void()>& checkpoint);

// Seconds that `work` takes on the steady clock.
double Seconds(const std::function<void()>& work);

struct Summary
{
    double oursMedian = 0;
    double theirsMedian = 0;
    // Over the per-pair ratios ours / theirs: the pairing cancels load that hits both sides.
    double ratioMedian = 0;
    double ratioLowest = 0;
    double ratioHighest = 0;
};

Summary Summarize(const PairedTimes& times);

double Median(std::vector<double> values);

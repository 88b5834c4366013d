#pragma once

#include <csignal>
#include <stdexcept>

// A benchmark stopped with Ctrl-C must still delete its gigabytes in /dev/shm. While a guard
// lives, SIGINT, SIGTERM, SIGHUP and SIGPIPE stay pending instead of killing the process; the
// run asks ThrowIfRequested() between steps and unwinds through the destructors that clean up.
class InterruptGuard
{
public:
    InterruptGuard();
    ~InterruptGuard();
    InterruptGuard(const InterruptGuard&) = delete;
    InterruptGuard& operator=(const InterruptGuard&) = delete;

    // Takes a pending signal, if any, and throws Interrupted for it.
    void ThrowIfRequested() const;

private:
    sigset_t held {};
    sigset_t previous {};
};

class Interrupted : public std::runtime_error
{
public:
    explicit Interrupted(int number);
    int Signal() const { return signalNumber; }

private:
    int signalNumber;
};

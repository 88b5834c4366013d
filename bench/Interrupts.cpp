#include "Interrupts.h"

#include <cstring>
#include <string>

InterruptGuard::InterruptGuard()
{
    sigemptyset(&held);
    sigaddset(&held, SIGINT);
    sigaddset(&held, SIGTERM);
    sigaddset(&held, SIGHUP);
    // Output piped into `head` and the like: without this, the first printf after the reader
    // quits would kill the process with the scratch files still there.
    sigaddset(&held, SIGPIPE);
    sigprocmask(SIG_BLOCK, &held, &previous);
}

InterruptGuard::~InterruptGuard()
{
    sigprocmask(SIG_SETMASK, &previous, nullptr);
}

void InterruptGuard::ThrowIfRequested() const
{
    const timespec noWait {};
    const int signalNumber = sigtimedwait(&held, nullptr, &noWait);
    if (signalNumber > 0)
        throw Interrupted(signalNumber);
}

Interrupted::Interrupted(int number)
    : std::runtime_error(std::string("stopped by a signal (") + strsignal(number) + ")")
    , signalNumber(number)
{ }

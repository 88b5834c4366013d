#include "SlowStick.h"

#include "ChildProcess.h"
#include "LoopMount.h"

#include <chrono>
#include <csignal>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

SlowStick::SlowStick(const std::string& parent, std::uint64_t bytes, std::uint64_t bytesPerSecond)
    : point(parent), image(point / "stick")
{
    if (access("/dev/fuse", W_OK) != 0)
        throw LoopMount::Unavailable("the simulated stick needs /dev/fuse");
    try {
        // The rate filter counts bits.
        server = StartChild({"nbdfuse", image, "[", "nbdkit", "--exit-with-parent", "--filter=rate",
            "memory", std::to_string(bytes), "rate=" + std::to_string(8 * bytesPerSecond), "]"});
    } catch (const std::runtime_error& why) {
        throw LoopMount::Unavailable(why.what());
    }
    for (int tries = 0; tries < 200; ++tries) {
        struct stat status = {};
        if (stat(image.c_str(), &status) == 0
            && static_cast<std::uint64_t>(status.st_size) == bytes)
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    Stop();
    throw LoopMount::Unavailable("nbdfuse did not show the simulated stick (are nbdkit and "
                                 "nbdfuse installed?)");
}

SlowStick::~SlowStick()
{
    Stop();
}

void SlowStick::Stop()
{
    // Unmounted, nbdfuse ends and takes nbdkit with it; the loop device on the stick may hold it
    // a moment after it was detached. Now and then one of them stays after all, and is not
    // waited for.
    bool reaped = false;
    for (int tries = 0; tries < 50; ++tries) {
        if (ReapChild(StartChild({"umount", point.Path()}))) {
            for (int waits = 0; waits < 50 && !reaped; ++waits) {
                int status = 0;
                reaped = waitpid(server, &status, WNOHANG) == server;
                if (!reaped)
                    std::this_thread::sleep_for(std::chrono::milliseconds(100));
            }
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    // Whatever is left of the two is in the process group nbdfuse was started in. They hold back
    // the signals that ask politely, as this process does.
    kill(-server, SIGKILL);
    if (!reaped)
        ReapChild(server);
}

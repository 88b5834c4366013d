#include "SlowStick.h"

#include "ChildProcess.h"
#include "LoopMount.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

std::string CommandOf(pid_t process)
{
    std::ifstream comm("/proc/" + std::to_string(process) + "/comm");
    std::string name;
    std::getline(comm, name);
    return name;
}

// The nbdkit that nbdfuse started: it should end with nbdfuse, but now and then outlives it.
std::vector<pid_t> ServersOf(pid_t parent)
{
    std::vector<pid_t> found;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator("/proc", error)) {
        const pid_t process = static_cast<pid_t>(std::atoi(entry.path().filename().c_str()));
        if (process <= 0)
            continue;
        std::ifstream stat(entry.path() / "stat");
        std::string line;
        std::getline(stat, line);
        // The parent is the second field after the command, which is in parentheses.
        const auto closing = line.rfind(')');
        char state = 0;
        int ppid = 0;
        if (closing != std::string::npos
            && std::sscanf(line.c_str() + closing + 1, " %c %d", &state, &ppid) == 2
            && ppid == parent && CommandOf(process) == "nbdkit")
            found.push_back(process);
    }
    return found;
}

} // namespace

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
    const std::vector<pid_t> servers = ServersOf(server);
    StopFuse();
    for (const pid_t left : servers)
        if (CommandOf(left) == "nbdkit")
            kill(left, SIGKILL);
}

void SlowStick::StopFuse()
{
    // Unmounted, nbdfuse ends and takes nbdkit with it; the loop device on the stick may hold it
    // a moment after it was detached. Now and then it stays after all, and is not waited for.
    for (int tries = 0; tries < 50; ++tries) {
        if (ReapChild(StartChild({"umount", point.Path()}))) {
            for (int waits = 0; waits < 50; ++waits) {
                int status = 0;
                if (waitpid(server, &status, WNOHANG) == server)
                    return;
                std::this_thread::sleep_for(std::chrono::milliseconds(100));
            }
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    // It holds back the signals that ask politely, as this process does.
    kill(server, SIGKILL);
    ReapChild(server);
}

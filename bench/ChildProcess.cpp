#include "ChildProcess.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <functional>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int CannotOpenOutput = 126;
constexpr int CannotExecute = 127;

// Runs between fork and exec: only calls that are safe there, then _exit on any failure.
[[noreturn]] void BecomeCommand(char* const argv[], const char* outputPath, const char* folder)
{
    // The parent holds interrupts back for its own clean-up; the command must get them as usual.
    sigset_t none;
    sigemptyset(&none);
    sigprocmask(SIG_SETMASK, &none, nullptr);
    if (outputPath) {
        const int output = open(outputPath, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        if (output < 0 || dup2(output, STDOUT_FILENO) < 0)
            _exit(CannotOpenOutput);
    }
    if (folder && chdir(folder) != 0)
        _exit(CannotExecute);
    execvp(argv[0], argv);
    _exit(CannotExecute);
}

int WaitFor(pid_t child)
{
    int status = 0;
    while (waitpid(child, &status, 0) < 0) {
        if (errno != EINTR)
            throw std::runtime_error("waitpid failed");
    }
    return status;
}

std::string Describe(const std::string& name, int status)
{
    if (WIFSIGNALED(status))
        return name + " was killed by signal " + std::to_string(WTERMSIG(status));
    const int code = WEXITSTATUS(status);
    if (code == CannotExecute)
        return name + " could not be started (is it installed?)";
    if (code == CannotOpenOutput)
        return name + " could not open its output file";
    return name + " exited with status " + std::to_string(code);
}

} // namespace

double RunChild(const std::vector<std::string>& command, const std::string& outputPath,
    const std::string& folder)
{
    return RunMadeChild(
        command.front(), [&] { return command; }, outputPath, folder);
}

double RunMadeChild(const std::string& program,
    const std::function<std::vector<std::string>()>& makeCommand, const std::string& outputPath,
    const std::string& folder)
{
    const char* output = outputPath.empty() ? nullptr : outputPath.c_str();
    const char* in = folder.empty() ? nullptr : folder.c_str();
    int ready[2];
    if (pipe2(ready, O_CLOEXEC) != 0)
        throw std::runtime_error("pipe failed");
    const pid_t child = fork();
    if (child < 0) {
        close(ready[0]);
        close(ready[1]);
        throw std::runtime_error("fork failed");
    }
    if (child == 0) {
        // The command is made here, so that its words never take this process's memory, and
        // the clock starts only once they are ready. An exception must not unwind a second copy
        // of the benchmark.
        try {
            const std::vector<std::string> command = makeCommand();
            std::vector<char*> argv;
            for (const std::string& word : command)
                argv.push_back(const_cast<char*>(word.c_str()));
            argv.push_back(nullptr);
            const char go = 1;
            if (write(ready[1], &go, 1) != 1)
                _exit(CannotExecute);
            BecomeCommand(argv.data(), output, in);
        } catch (...) {
            _exit(CannotExecute);
        }
    }
    close(ready[1]);
    char go = 0;
    while (read(ready[0], &go, 1) < 0 && errno == EINTR) { }
    close(ready[0]);
    const auto start = std::chrono::steady_clock::now();
    const int status = WaitFor(child);
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;

    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw std::runtime_error(Describe(program, status));
    return elapsed.count();
}

pid_t StartChild(const std::vector<std::string>& command)
{
    std::vector<char*> argv;
    for (const std::string& word : command)
        argv.push_back(const_cast<char*>(word.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawnattr_t attributes;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
    posix_spawnattr_setpgroup(&attributes, 0);
    pid_t child = 0;
    const int error = posix_spawnp(&child, argv[0], &actions, &attributes, argv.data(), environ);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0)
        throw std::runtime_error(command.front() + " could not be started (is it installed?)");
    return child;
}

bool ChildEnded(pid_t child)
{
    int status = 0;
    pid_t reaped = -1;
    do
        reaped = waitpid(child, &status, WNOHANG);
    while (reaped < 0 && errno == EINTR);
    if (reaped < 0)
        throw std::runtime_error("waitpid failed");
    return reaped == child;
}

bool ReapChild(pid_t child)
{
    const int status = WaitFor(child);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

#include "ChildProcess.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int CannotOpenOutput = 126;
constexpr int CannotExecute = 127;

// Runs between fork and exec: only calls that are safe there, then _exit on any failure.
[[noreturn]] void BecomeCommand(char* const argv[], const char* outputPath)
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

double RunChild(const std::vector<std::string>& command, const std::string& outputPath)
{
    // Everything the child needs is prepared before the clock starts.
    std::vector<char*> argv;
    for (const std::string& word : command)
        argv.push_back(const_cast<char*>(word.c_str()));
    argv.push_back(nullptr);
    const char* output = outputPath.empty() ? nullptr : outputPath.c_str();

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child < 0)
        throw std::runtime_error("fork failed");
    if (child == 0)
        BecomeCommand(argv.data(), output);
    const int status = WaitFor(child);
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;

    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw std::runtime_error(Describe(command.front(), status));
    return elapsed.count();
}

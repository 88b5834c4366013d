#pragma once

#include <functional>
#include <string>
#include <sys/types.h>
#include <vector>

// Runs `command` (its first word looked up on PATH, no shell in between) and waits for it.
// With an `outputPath`, the child's standard output goes to that file, created or emptied by
// the child itself; with a `folder`, the command runs there. Returns the wall time from fork to
// reaping in seconds; throws std::runtime_error when the command cannot start or does not exit with
// status 0.
double RunChild(const std::vector<std::string>& command, const std::string& outputPath = {},
    const std::string& folder = {});

// The same with a command that the child makes itself, before the clock starts: a command line
// of a quarter of a million words takes no memory of the caller's. `program` names it in errors.
double RunMadeChild(const std::string& program,
    const std::function<std::vector<std::string>()>& makeCommand,
    const std::string& outputPath = {}, const std::string& folder = {});

// Starts `command` in a process group of its own (the terminal's Ctrl-C does not reach it), with
// standard input, output and errors on /dev/null, and does not wait for it. Throws
// std::runtime_error when it cannot be started.
pid_t StartChild(const std::vector<std::string>& command);

// Waits for a child started by StartChild; whether it exited with status 0.
bool ReapChild(pid_t child);

// Whether a child started by StartChild has ended, and is reaped; never waits.
bool ChildEnded(pid_t child);

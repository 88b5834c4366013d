#pragma once

#include <string>
#include <vector>

// Runs `command` (its first word looked up on PATH, no shell in between) and waits for it.
// With an `outputPath`, the child's standard output goes to that file, created or emptied by
// the child itself. Returns the wall time from fork to reaping in seconds; throws
// std::runtime_error when the command cannot start or does not exit with status 0.
double RunChild(const std::vector<std::string>& command, const std::string& outputPath = {});

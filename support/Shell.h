#pragma once

#include <string>

// Commands run by the test helpers through the shell, their output discarded.

// Whether `command` ran and exited with 0.
bool Shell(const std::string& command);

// Whether `program` is on the PATH.
bool Have(const std::string& program);

// The first line `command` prints; empty when it prints none.
std::string FirstLineOf(const std::string& command);

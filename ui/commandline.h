#pragma once

#include <vector>

// What the command line asks for, read before any application object exists: the options must
// answer in a terminal with no display, where the window's application object cannot start.
struct CommandLine
{
    enum class Request { Window, Help, Version };

    Request request = Request::Window;
    // argv[0] up to here goes to the application object, which takes its own options out of it.
    int toolkitCount = 0;
    // The arguments after "--", which the toolkit never sees: file names that begin with a dash.
    std::vector<const char*> afterSeparator;
};

CommandLine ReadCommandLine(int argc, const char* const argv[]);

#include "commandline.h"

#include <cstring>

CommandLine ReadCommandLine(int argc, const char* const argv[])
{
    CommandLine line;
    line.toolkitCount = argc;
    for (int i = 1; i < argc; ++i) {
        const char* const argument = argv[i];
        if (std::strcmp(argument, "--") == 0) {
            line.toolkitCount = i;
            line.afterSeparator.assign(argv + i + 1, argv + argc);
            break;
        }
        if (line.request != CommandLine::Request::Window)
            continue;
        if (std::strcmp(argument, "--help") == 0 || std::strcmp(argument, "-h") == 0)
            line.request = CommandLine::Request::Help;
        else if (std::strcmp(argument, "--version") == 0)
            line.request = CommandLine::Request::Version;
    }
    return line;
}

// Runs one engine command in a process of its own, so that tests can trace it, fail its system
// calls or kill it from outside: "split SOURCE BASE SIZE [overwrite]", "build PACKAGE DESTINATION
// [overwrite]". Exit code 0 when the command returns true, 1 when false, 2 on a wrong call.

#include "Velkaro.h"

#include <cstdlib>
#include <string>

int main(int argc, char** argv)
{
    const std::string command = argc > 1 ? argv[1] : "";
    bool done = false;
    if (command == "split" && (argc == 5 || argc == 6))
        done = Velkaro::Split(argv[2], argv[3],
            static_cast<std::uint32_t>(std::strtoul(argv[4], nullptr, 10)), argc == 6);
    else if (command == "build" && (argc == 4 || argc == 5))
        done = Velkaro::Build(argv[2], argv[3], argc == 5);
    else
        return 2;
    return done ? 0 : 1;
}

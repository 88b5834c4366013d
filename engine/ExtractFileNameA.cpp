#include "ExtractFileNameA.h"

#include "TrimA.h"

std::string ExtractFileNameA(std::string path)
{
    const std::string::size_type separator = path.find_last_of("/\\");
    if (separator != std::string::npos)
        path.erase(0, separator + 1);
    TrimA(path);
    return path;
}

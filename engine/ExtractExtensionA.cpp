#include "ExtractExtensionA.h"

#include "ExtractFileNameA.h"
#include "TrimA.h"

#include <utility>

std::string ExtractExtensionA(std::string path)
{
    const std::string name = ExtractFileNameA(std::move(path));
    const std::string::size_type dot = name.rfind('.');
    if (dot == std::string::npos)
        return {};
    std::string extension = name.substr(dot + 1);
    TrimA(extension);
    return extension;
}

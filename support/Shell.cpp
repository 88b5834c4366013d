#include "Shell.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

struct PipeCloser
{
    void operator()(FILE* pipe) const { pclose(pipe); }
};

} // namespace

bool Shell(const std::string& command)
{
    return std::system(("(" + command + ") >/dev/null 2>&1").c_str()) == 0;
}

bool Have(const std::string& program)
{
    return Shell("command -v " + program);
}

std::string FirstLineOf(const std::string& command)
{
    const std::unique_ptr<FILE, PipeCloser> pipe(popen((command + " 2>/dev/null").c_str(), "r"));
    std::array<char, 256> line {};
    if (!pipe || fgets(line.data(), line.size(), pipe.get()) == nullptr)
        return std::string();
    std::string text(line.data());
    while (!text.empty() && text.back() == '\n')
        text.pop_back();
    return text;
}

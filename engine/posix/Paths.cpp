#include "posix/Paths.h"

#include "posix/FileDescriptor.h"
#include "posix/Retry.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

std::string FolderOf(const std::string& path)
{
    const std::string::size_type slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameIn(const std::string& path)
{
    // With no slash, npos + 1 wraps to 0: the whole path is the name.
    return path.substr(path.rfind('/') + 1);
}

std::string ResolvedPath(const std::string& path)
{
    // What the kernel resolved the path to when it opened it, in one call that can be repeated
    // by itself when a signal interrupts it; realpath's many calls start over as a whole.
    const FileDescriptor opened(
        RetryOnInterrupt([&] { return open(path.c_str(), O_PATH | O_CLOEXEC); }));
    if (opened.IsOpen()) {
        std::string link(4096, '\0');
        const std::string proc = "/proc/self/fd/" + std::to_string(opened.Get());
        const ssize_t length
            = RetryOnInterrupt([&] { return readlink(proc.c_str(), link.data(), link.size()); });
        if (length > 0 && static_cast<std::size_t>(length) < link.size() && link[0] == '/') {
            link.resize(static_cast<std::size_t>(length));
            return link;
        }
    }
    char* resolved = nullptr;
    do
        resolved = realpath(path.c_str(), nullptr);
    while (!resolved && errno == EINTR);
    if (!resolved)
        return std::string();
    std::string result = resolved;
    std::free(resolved);
    return result;
}

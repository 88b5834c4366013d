#include "RemoveA.h"

#include "FileDescriptor.h"
#include "VerifyFileA.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr std::size_t ZeroBlockSize = 256 * 1024;

// Writes `length` zero bytes over the file from offset 0 and flushes them to the device. The file
// is opened without O_TRUNC: truncating would free the old blocks instead of overwriting them.
bool OverwriteWithZeros(const char* path, off_t length, const std::vector<char>& zeros)
{
    FileDescriptor file(open(path, O_WRONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (!file.IsOpen())
        return false;
    struct stat status = {};
    if (fstat(file.Get(), &status) != 0 || !S_ISREG(status.st_mode))
        return false;

    off_t offset = 0;
    while (offset < length) {
        const off_t left = length - offset;
        const std::size_t chunk = left < static_cast<off_t>(zeros.size())
            ? static_cast<std::size_t>(left)
            : zeros.size();
        const ssize_t written = pwrite(file.Get(), zeros.data(), chunk, offset);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        offset += written;
    }
    if (fdatasync(file.Get()) != 0)
        return false;
    return file.Close();
}

} // namespace

bool RemoveA(const char* path, unsigned short passes)
{
    if (!VerifyFileA(path))
        return true;

    struct stat status = {};
    if (stat(path, &status) != 0)
        return false;
    // VerifyFileA lets sockets through; they are not ours to delete.
    if (!S_ISREG(status.st_mode))
        return false;

    if (passes > 0 && status.st_size > 0) {
        const off_t block = status.st_size < static_cast<off_t>(ZeroBlockSize)
            ? status.st_size
            : static_cast<off_t>(ZeroBlockSize);
        const std::vector<char> zeros(static_cast<std::size_t>(block), 0);
        for (unsigned short pass = 0; pass < passes; ++pass) {
            if (!OverwriteWithZeros(path, status.st_size, zeros))
                break;
        }
    }
    return std::remove(path) == 0;
}

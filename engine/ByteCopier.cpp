#include "ByteCopier.h"

#include "WriteAll.h"

#include <algorithm>
#include <cerrno>
#include <unistd.h>

namespace {

// Upper bound for one copy_file_range call; the kernel caps a call near 2 GiB anyway.
constexpr std::uint64_t KernelChunk = std::uint64_t(1) << 30;

// Errors that mean "the kernel will not copy between these two files", not a failed copy.
bool MeansKernelRefused(int error)
{
    return error == EXDEV || error == EINVAL || error == ENOSYS || error == EOPNOTSUPP
        || error == ENOTSUP || error == EBADF;
}

} // namespace

std::int64_t ByteCopier::Copy(int in, off_t& offset, off_t inputSize, int out, std::uint64_t length)
{
    std::uint64_t copied = 0;
    while (copied < length) {
        const std::uint64_t want = std::min(length - copied, KernelChunk);
        if (!kernelRefused) {
            const ssize_t moved = copy_file_range(in, &offset, out, nullptr, want, 0);
            if (moved > 0) {
                copied += static_cast<std::uint64_t>(moved);
                continue;
            }
            if (moved < 0) {
                if (errno == EINTR)
                    continue;
                if (!MeansKernelRefused(errno))
                    return -1;
                kernelRefused = true;
            } else if (offset >= inputSize && inputSize > 0) {
                break;
            }
            // Some file systems (procfs and the like) report a size of 0 and let the kernel copy
            // nothing from files that do have bytes: a plain read tells that from the end.
        }
        const std::int64_t moved = CopyThroughBuffer(in, offset, out, want);
        if (moved < 0)
            return -1;
        if (moved == 0)
            break;
        kernelRefused = true;
        copied += static_cast<std::uint64_t>(moved);
    }
    return static_cast<std::int64_t>(copied);
}

std::int64_t ByteCopier::CopyThroughBuffer(int in, off_t& offset, int out, std::uint64_t length)
{
    if (!buffer)
        buffer = std::make_unique<char[]>(BufferSize);
    const std::size_t want = static_cast<std::size_t>(std::min<std::uint64_t>(length, BufferSize));
    ssize_t got;
    do
        got = pread(in, buffer.get(), want, offset);
    while (got < 0 && errno == EINTR);
    if (got <= 0)
        return got < 0 ? -1 : 0;
    if (!WriteAll(out, buffer.get(), static_cast<std::size_t>(got)))
        return -1;
    offset += got;
    return got;
}

#include "writing/ByteCopier.h"

#include "durability/OutputFile.h"
#include "posix/Retry.h"
#include "posix/WriteAll.h"

#include <algorithm>
#include <cerrno>
#include <unistd.h>

namespace {

// What one kernel call copies at most: small enough that the heartbeat comes often, large enough
// that the calls cost nothing next to the copying.
constexpr std::uint64_t Block = std::uint64_t(4) << 20;

// The device's block size as a page cache sees it.
constexpr std::uint64_t DeviceBlock = 4096;

// Errors that mean "the kernel will not copy between these two files", not a failed copy.
bool MeansKernelRefused(int error)
{
    return error == EXDEV || error == EINVAL || error == ENOSYS || error == EOPNOTSUPP
        || error == ENOTSUP || error == EBADF;
}

} // namespace

std::int64_t ByteCopier::Copy(
    int in, off_t& offset, off_t inputSize, OutputFile& out, std::uint64_t length)
{
    if (!Flush(out))
        return -1;
    std::uint64_t copied = 0;
    while (copied < length) {
        const std::uint64_t want = NextBlock(out, length - copied);
        const std::int64_t moved = CopyBlock(in, offset, inputSize, out, want);
        if (moved <= 0)
            return moved < 0 ? -1 : static_cast<std::int64_t>(copied);
        copied += static_cast<std::uint64_t>(moved);
        if (!out.Wrote(static_cast<std::uint64_t>(moved)))
            return -1;
        if (heartbeat)
            heartbeat();
    }
    return static_cast<std::int64_t>(copied);
}

// A FUSE daemon on a block device hands each write on to the device's cache as it comes, and one
// that ends inside a block makes the kernel read that block from the device first, queued behind
// what the device is writing, while the daemon answers no one. The kernel's copy cuts its writes
// where the source's pages end; through the buffer, every write but the first and last of a
// package covers whole blocks.
std::uint64_t ByteCopier::NextBlock(const OutputFile& out, std::uint64_t left)
{
    const std::uint64_t want = std::min(left, Block);
    if (!out.PushesWait() || out.Length() % DeviceBlock == 0)
        return want;
    return std::min(want, DeviceBlock - out.Length() % DeviceBlock);
}

std::int64_t ByteCopier::CopyBlock(
    int in, off_t& offset, off_t inputSize, const OutputFile& out, std::uint64_t want)
{
    if (!kernelRefused && !out.PushesWait()) {
        const std::optional<std::int64_t> moved = CopyByKernel(in, offset, inputSize, out, want);
        if (moved)
            return *moved;
    }
    const std::int64_t moved = CopyThroughBuffer(in, offset, out.Get(), want);
    if (moved > 0)
        kernelRefused = true;
    return moved;
}

std::optional<std::int64_t> ByteCopier::CopyByKernel(
    int in, off_t& offset, off_t inputSize, const OutputFile& out, std::uint64_t want)
{
    for (;;) {
        const ssize_t result = copy_file_range(in, &offset, out.Get(), nullptr, want, 0);
        if (result < 0 && errno == EINTR)
            continue;
        if (result < 0 && !MeansKernelRefused(errno))
            return -1;
        if (result < 0) {
            kernelRefused = true;
            return std::nullopt;
        }
        // Some file system (procfs and the like) reports a size of 0 and lets the kernel copy
        // nothing from a file that does have bytes: a plain read tells that from the end.
        if (result == 0 && !(offset >= inputSize && inputSize > 0))
            return std::nullopt;
        return result;
    }
}

std::int64_t ByteCopier::CopyThroughBuffer(int in, off_t& offset, int out, std::uint64_t length)
{
    char* const bytes = Buffer();
    const std::size_t want = static_cast<std::size_t>(std::min<std::uint64_t>(length, BufferSize));
    const ssize_t got = RetryOnInterrupt([&] { return pread(in, bytes, want, offset); });
    if (got <= 0)
        return got < 0 ? -1 : 0;
    if (!WriteAll(out, bytes, static_cast<std::size_t>(got)))
        return -1;
    offset += got;
    return got;
}

bool ByteCopier::Gather(int in, std::uint64_t size, OutputFile& out)
{
    char* const bytes = Buffer();
    // One byte more is asked for, which must not come: the input ends where it said it would.
    // A read that stops at the size is taken for its end, as files that grow meanwhile are told
    // by their change time.
    if ((held + size + 1 > BufferSize && !Flush(out)) || size + 1 > BufferSize)
        return false;
    std::uint64_t got = 0;
    while (got < size || (size == 0 && got == 0)) {
        const ssize_t now = RetryOnInterrupt(
            [&] { return pread(in, bytes + held + got, size + 1 - got, off_t(got)); });
        if (now <= 0)
            break;
        got += static_cast<std::uint64_t>(now);
    }
    held += got;
    return got == size;
}

char* ByteCopier::Buffer()
{
    if (!buffer)
        buffer.emplace(BufferSize);
    return buffer->Data();
}

bool ByteCopier::Flush(OutputFile& out)
{
    if (held == 0)
        return true;
    const bool written = WriteAll(out.Get(), buffer->Data(), held) && out.Wrote(held);
    held = 0;
    if (heartbeat)
        heartbeat();
    return written;
}

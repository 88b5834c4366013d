#pragma once

#include "posix/Heartbeat.h"
#include "writing/PageBuffer.h"

#include <cstdint>
#include <optional>
#include <sys/types.h>
#include <utility>

class OutputFile;

// Moves bytes from one descriptor to another, letting the kernel do it (copy_file_range) and
// falling back to read/write through one fixed buffer where the kernel refuses, for example
// between two file systems. One copier serves a whole split or build, so memory use stays the
// same for any file length and package size. The copy goes in blocks of a few megabytes, with
// the heartbeat called after each.
class ByteCopier
{
public:
    static constexpr std::size_t BufferSize = 256 * 1024;

    explicit ByteCopier(Heartbeat beat) : heartbeat(std::move(beat)) { }

    // Copies up to `length` bytes from `in`, starting at `offset` (advanced by what was copied),
    // to `out` at its current file position. `inputSize` is the input's length as fstat reported
    // it. Returns the number of bytes copied, which is below `length` only when the input ended,
    // or -1 on a read or write error.
    std::int64_t Copy(
        int in, off_t& offset, off_t inputSize, OutputFile& out, std::uint64_t length);

    // Appends a small input whole, `size` bytes from its start, to what the buffer collects for
    // `out`, which is written out when the buffer is full, and by Copy and Flush: for a package of
    // a few kilobytes a kernel copy of its own costs more than reading it. False when the input
    // gives other than `size` bytes, or on an error.
    bool Gather(int in, std::uint64_t size, OutputFile& out);
    static constexpr std::uint64_t GatheredBelow = 64 * 1024;

    // Writes out what has been gathered.
    bool Flush(OutputFile& out);

private:
    // How much the next round copies, of `left` bytes still wanted.
    static std::uint64_t NextBlock(const OutputFile& out, std::uint64_t left);
    // One round, by the kernel where it copies between the two, else through the buffer: bytes
    // moved, 0 at the end of the input, -1 on error.
    std::int64_t CopyBlock(
        int in, off_t& offset, off_t inputSize, const OutputFile& out, std::uint64_t want);
    // The kernel's copy: bytes moved, 0 at the end of the input, -1 on error; none where the
    // kernel will not copy between the two files, or copies nothing from one that may hold bytes.
    std::optional<std::int64_t> CopyByKernel(
        int in, off_t& offset, off_t inputSize, const OutputFile& out, std::uint64_t want);
    // One read/write round of at most BufferSize bytes: bytes moved, 0 at the end of the input,
    // -1 on error.
    std::int64_t CopyThroughBuffer(int in, off_t& offset, int out, std::uint64_t length);

    // The buffer, made when first needed: a copy the kernel does whole never needs it.
    char* Buffer();

    const Heartbeat heartbeat;
    bool kernelRefused = false;
    std::optional<PageBuffer> buffer;
    std::size_t held = 0; // gathered bytes at the buffer's start, not written yet
};

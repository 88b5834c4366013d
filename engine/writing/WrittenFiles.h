#pragma once

#include "posix/FileState.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

// The files a command wrote, in the order it wrote them, so that it can tell whether their names
// still lead to them: another command, through another mount of the folder that no lock reaches,
// may have put its own at the same names meanwhile (under the very inode number, once ours was
// closed). Each file's state once written in full (inode, size, times) is folded into a digest per
// block of files, so that memory stays small for any number of files, and a block is known to be
// unchanged or not as a whole.
class WrittenFiles
{
public:
    static constexpr std::uint64_t BlockSize = 4096;

    // The next file, written in full.
    void Add(const FileState& state);

    std::uint64_t Count() const { return count; }
    std::uint64_t Blocks() const { return digests.size(); }

    // Whether the files of block `block` (positions from block * BlockSize on) are all still as
    // they were written, by what `now` says each position's name shows now (none where it shows no
    // regular file).
    bool Unchanged(std::uint64_t block,
        const std::function<std::optional<FileState>(std::uint64_t position)>& now) const;

private:
    std::vector<std::uint64_t> digests;
    std::uint64_t count = 0;
};

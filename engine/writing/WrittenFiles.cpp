#include "writing/WrittenFiles.h"
#include "posix/FileState.h"

#include <algorithm>

void WrittenFiles::Add(const FileState& state)
{
    if (count % BlockSize == 0)
        digests.push_back(0);
    digests.back() = Mix(digests.back(), state);
    ++count;
}

bool WrittenFiles::Unchanged(std::uint64_t block,
    const std::function<std::optional<FileState>(std::uint64_t position)>& now) const
{
    std::uint64_t digest = 0;
    const std::uint64_t end = std::min(count, (block + 1) * BlockSize);
    for (std::uint64_t position = block * BlockSize; position < end; ++position) {
        const std::optional<FileState> state = now(position);
        if (!state)
            return false;
        digest = Mix(digest, *state);
    }
    return digest == digests[block];
}

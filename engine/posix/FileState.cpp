#include "posix/FileState.h"

#include <initializer_list>

namespace {

bool SameTime(const timespec& a, const timespec& b)
{
    return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

} // namespace

bool FileState::operator==(const FileState& other) const
{
    return device == other.device && inode == other.inode && size == other.size
        && SameTime(modified, other.modified) && SameTime(changed, other.changed);
}

FileState StateOf(const struct stat& status)
{
    return FileState {status.st_dev, status.st_ino, status.st_size, status.st_mtim, status.st_ctim};
}

std::uint64_t Mix(std::uint64_t digest, const FileState& state)
{
    // splitmix64's finaliser over each field in turn: any change to any field of any state moves
    // the digest.
    const auto mix = [](std::uint64_t value) {
        value += 0x9E3779B97F4A7C15ULL;
        value = (value ^ (value >> 30)) * 0xBF58476D1CE4E5B9ULL;
        value = (value ^ (value >> 27)) * 0x94D049BB133111EBULL;
        return value ^ (value >> 31);
    };
    for (const std::uint64_t field :
        {std::uint64_t(state.device), std::uint64_t(state.inode), std::uint64_t(state.size),
            std::uint64_t(state.modified.tv_sec), std::uint64_t(state.modified.tv_nsec),
            std::uint64_t(state.changed.tv_sec), std::uint64_t(state.changed.tv_nsec)})
        digest = mix(digest ^ field);
    return digest;
}

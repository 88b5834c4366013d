#include "posix/FileState.h"

#include "posix/FileDescriptor.h"
#include "posix/Retry.h"

#include <algorithm>
#include <array>
#include <fcntl.h>
#include <initializer_list>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

bool SameTime(const timespec& a, const timespec& b)
{
    return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

// splitmix64's finaliser: any change to any bit of the value moves the result.
std::uint64_t Scramble(std::uint64_t value)
{
    value += 0x9E3779B97F4A7C15ULL;
    value = (value ^ (value >> 30)) * 0xBF58476D1CE4E5B9ULL;
    value = (value ^ (value >> 27)) * 0x94D049BB133111EBULL;
    return value ^ (value >> 31);
}

// The file handle of `name` in `folder` (or of `folder` itself for an empty name), folded into a
// number: inode and generation on ext4, XFS, btrfs and tmpfs, the server's handle on NFS. 0 where
// the file system gives none.
std::uint64_t HandleOf(int folder, const char* name)
{
    struct Handle
    {
        file_handle header;
        std::array<unsigned char, MAX_HANDLE_SZ> bytes;
    } handle {};
    handle.header.handle_bytes = MAX_HANDLE_SZ;
    int mount = 0;
    const int flags = name[0] == '\0' ? AT_EMPTY_PATH : 0;
    if (RetryOnInterrupt(
            [&] { return name_to_handle_at(folder, name, &handle.header, &mount, flags); })
        != 0)
        return 0;
    std::uint64_t digest = Scramble(static_cast<std::uint64_t>(handle.header.handle_type));
    for (unsigned int at = 0; at < handle.header.handle_bytes; ++at)
        digest = Scramble(digest ^ handle.bytes[at]);
    return digest == 0 ? 1 : digest;
}

struct stat FromStatx(const struct statx& got)
{
    struct stat status = {};
    status.st_dev = makedev(got.stx_dev_major, got.stx_dev_minor);
    status.st_ino = static_cast<ino_t>(got.stx_ino);
    status.st_mode = got.stx_mode;
    status.st_nlink = got.stx_nlink;
    status.st_size = static_cast<off_t>(got.stx_size);
    status.st_mtim = {got.stx_mtime.tv_sec, static_cast<long>(got.stx_mtime.tv_nsec)};
    status.st_ctim = {got.stx_ctime.tv_sec, static_cast<long>(got.stx_ctime.tv_nsec)};
    return status;
}

// Attributes of the open file asked for afresh: FUSE and SMB ask the daemon or the server again
// instead of answering from what they keep.
bool FreshStatus(int fd, struct stat& status)
{
    struct statx fresh = {};
    if (RetryOnInterrupt([&] {
            return statx(fd, "", AT_EMPTY_PATH | AT_STATX_FORCE_SYNC, STATX_BASIC_STATS, &fresh);
        })
        != 0)
        return RetryOnInterrupt([&] { return fstat(fd, &status); }) == 0;
    status = FromStatx(fresh);
    return true;
}

// Bytes compared at each end of a file, where they count.
constexpr std::size_t SampleBytes = 4096;

// Opened, a name is looked up by the daemon or server as it stands now, not as a client keeps it.
FileDescriptor OpenAfresh(int folder, const char* name)
{
    return FileDescriptor(RetryOnInterrupt([&] {
        return openat(folder, name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    }));
}

// The status of `name` itself, asked for afresh with `fresh`; false where it is no regular file.
bool StatusAt(int folder, const char* name, bool fresh, struct stat& status)
{
    if (!fresh)
        return RetryOnInterrupt([&] { return fstatat(folder, name, &status, AT_SYMLINK_NOFOLLOW); })
            == 0
            && S_ISREG(status.st_mode);
    struct statx got = {};
    if (RetryOnInterrupt([&] {
            return statx(
                folder, name, AT_SYMLINK_NOFOLLOW | AT_STATX_FORCE_SYNC, STATX_BASIC_STATS, &got);
        })
        != 0)
        return false;
    status = FromStatx(got);
    return S_ISREG(status.st_mode);
}

// The status of the open file `fd`, asked for afresh with `fresh`; false where it is no regular
// file.
bool StatusOf(int fd, bool fresh, struct stat& status)
{
    return (fresh ? FreshStatus(fd, status)
                  : RetryOnInterrupt([&] { return fstat(fd, &status); }) == 0)
        && S_ISREG(status.st_mode);
}

// What `name` in `folder` leads to now, looked up afresh with `fresh`: its status, and the file
// itself where it was opened for that. False where it leads to no regular file.
bool LookUp(int folder, const char* name, bool fresh, struct stat& status, FileDescriptor& opened)
{
    // Only what the name is known to lead to a regular file is opened: never a device.
    if (!StatusAt(folder, name, false, status))
        return false;
    if (!fresh)
        return true;
    opened = OpenAfresh(folder, name);
    // A file that may not be read is asked for by its name, afresh.
    return opened.IsOpen() ? StatusOf(opened.Get(), true, status)
                           : StatusAt(folder, name, true, status);
}

} // namespace

std::uint64_t SampleOf(int fd, off_t offset, off_t length)
{
    std::array<unsigned char, SampleBytes> bytes {};
    std::uint64_t digest = Scramble(static_cast<std::uint64_t>(length));
    const off_t tail = std::max<off_t>(0, length - static_cast<off_t>(SampleBytes));
    for (const off_t at : {off_t(0), tail}) {
        const auto want = static_cast<std::size_t>(std::min<off_t>(length - at, SampleBytes));
        std::size_t got = 0;
        while (got < want) {
            const ssize_t now = RetryOnInterrupt([&] {
                return pread(
                    fd, bytes.data() + got, want - got, offset + at + static_cast<off_t>(got));
            });
            if (now <= 0)
                return 0;
            got += static_cast<std::size_t>(now);
        }
        for (std::size_t index = 0; index < got; index += 8) {
            std::uint64_t word = 0;
            for (std::size_t byte = index; byte < std::min(got, index + 8); ++byte)
                word = (word << 8) | bytes[byte];
            digest = Scramble(digest ^ word);
        }
    }
    return digest == 0 ? 1 : digest;
}

bool FileState::operator==(const FileState& other) const
{
    return device == other.device && inode == other.inode && handle == other.handle
        && sample == other.sample && size == other.size && SameTime(modified, other.modified)
        && SameTime(changed, other.changed);
}

FileState StateOf(const struct stat& status, const Distinguishing& by)
{
    FileState state;
    state.device = status.st_dev;
    state.size = status.st_size;
    if (by.inodes)
        state.inode = status.st_ino;
    if (by.times) {
        state.modified = status.st_mtim;
        state.changed = status.st_ctim;
    }
    return state;
}

std::optional<FileState> StateOfOpen(int fd, const Distinguishing& by)
{
    struct stat status = {};
    if (!StatusOf(fd, by.cached, status))
        return std::nullopt;
    FileState state = StateOf(status, by);
    if (by.inodes)
        state.handle = HandleOf(fd, "");
    return state;
}

std::optional<FileState> StateAt(int folder, const char* name, const Distinguishing& by)
{
    struct stat status = {};
    FileDescriptor opened;
    if (!LookUp(folder, name, by.cached, status, opened))
        return std::nullopt;
    FileState state = StateOf(status, by);
    if (by.inodes)
        state.handle = opened.IsOpen() ? HandleOf(opened.Get(), "") : HandleOf(folder, name);
    // Bytes are sampled only through a file opened afresh; without one they cannot match.
    if (by.bytes && opened.IsOpen())
        state.sample = SampleOf(opened.Get(), 0, state.size);
    return state;
}

bool SameButRenamed(const FileState& then, const FileState& now)
{
    FileState moved = then;
    moved.changed = now.changed;
    return moved == now;
}

std::optional<FileIdentity> IdentityAt(int folder, const char* name, const Distinguishing& by)
{
    struct stat status = {};
    FileDescriptor opened;
    if (!by.unique || !LookUp(folder, name, by.cached, status, opened))
        return std::nullopt;
    return IdentityOf(status);
}

std::uint64_t Mix(std::uint64_t digest, const FileState& state)
{
    for (const std::uint64_t field : {std::uint64_t(state.device), std::uint64_t(state.inode),
             state.handle, state.sample, std::uint64_t(state.size),
             std::uint64_t(state.modified.tv_sec), std::uint64_t(state.modified.tv_nsec),
             std::uint64_t(state.changed.tv_sec), std::uint64_t(state.changed.tv_nsec)})
        digest = Scramble(digest ^ field);
    return digest;
}

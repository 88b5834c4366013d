#include "ScratchFiles.h"

#include "FileDescriptor.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace {

constexpr std::size_t RandomBlock = 1024 * 1024;
constexpr std::size_t CompareBlock = 256 * 1024;

// splitmix64: fast, and good enough that nothing along the way can compress or skip the data.
class SplitMix64
{
public:
    explicit SplitMix64(std::uint64_t seed) : state(seed) { }
    std::uint64_t Next()
    {
        std::uint64_t z = (state += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }

private:
    std::uint64_t state;
};

FileDescriptor OpenOrThrow(const std::string& path, int flags)
{
    FileDescriptor file(open(path.c_str(), flags | O_CLOEXEC, 0644));
    if (!file.IsOpen())
        throw std::runtime_error("cannot open " + path);
    return file;
}

void WriteAll(int fd, const unsigned char* data, std::size_t size, const std::string& path)
{
    while (size > 0) {
        const ssize_t written = write(fd, data, size);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            throw std::runtime_error("cannot write " + path + " (file system full?)");
        data += written;
        size -= static_cast<std::size_t>(written);
    }
}

// Fills `buffer` as far as the file allows: fewer bytes only at its end.
std::size_t ReadFull(int fd, unsigned char* buffer, std::size_t size, const std::string& path)
{
    std::size_t filled = 0;
    while (filled < size) {
        const ssize_t got = read(fd, buffer + filled, size - filled);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            throw std::runtime_error("cannot read " + path);
        if (got == 0)
            break;
        filled += static_cast<std::size_t>(got);
    }
    return filled;
}

std::string MakeTempDir(const std::string& parent)
{
    std::string pattern = parent + "/velkaro-bench-XXXXXX";
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot make a scratch folder in " + parent);
    return pattern;
}

} // namespace

ScratchDir::ScratchDir(const std::string& parent) : path(MakeTempDir(parent)) { }

ScratchDir::~ScratchDir()
{
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
}

std::uint64_t FreeBytes(const std::string& path)
{
    struct statvfs info = {};
    if (statvfs(path.c_str(), &info) != 0)
        throw std::runtime_error(path + " is not available");
    return static_cast<std::uint64_t>(info.f_bavail) * info.f_frsize;
}

void WriteRandomFile(const std::string& path, std::uint64_t size, std::uint64_t seed)
{
    FileDescriptor file = OpenOrThrow(path, O_WRONLY | O_CREAT | O_TRUNC);
    SplitMix64 generator(seed);
    const auto words = std::make_unique<std::uint64_t[]>(RandomBlock / sizeof(std::uint64_t));
    const auto* bytes = reinterpret_cast<const unsigned char*>(words.get());
    for (std::uint64_t left = size; left > 0;) {
        const std::size_t block
            = static_cast<std::size_t>(std::min<std::uint64_t>(left, RandomBlock));
        for (std::size_t i = 0; i < (block + 7) / 8; ++i)
            words[i] = generator.Next();
        WriteAll(file.Get(), bytes, block, path);
        left -= block;
    }
    if (!file.Close())
        throw std::runtime_error("cannot close " + path);
}

bool SameContents(const std::string& first, const std::string& second)
{
    const FileDescriptor a = OpenOrThrow(first, O_RDONLY);
    const FileDescriptor b = OpenOrThrow(second, O_RDONLY);
    const auto bufferA = std::make_unique<unsigned char[]>(CompareBlock);
    const auto bufferB = std::make_unique<unsigned char[]>(CompareBlock);
    for (;;) {
        const std::size_t gotA = ReadFull(a.Get(), bufferA.get(), CompareBlock, first);
        const std::size_t gotB = ReadFull(b.Get(), bufferB.get(), CompareBlock, second);
        if (gotA != gotB || !std::equal(bufferA.get(), bufferA.get() + gotA, bufferB.get()))
            return false;
        if (gotA < CompareBlock)
            return true;
    }
}

std::uint64_t FileSize(const std::string& path)
{
    struct stat status = {};
    if (stat(path.c_str(), &status) != 0)
        throw std::runtime_error("cannot stat " + path);
    return static_cast<std::uint64_t>(status.st_size);
}

std::vector<std::string> FilesWithPrefix(const std::string& dir, const std::string& prefix)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        const std::string name = entry.path().filename().string();
        if (name.compare(0, prefix.size(), prefix) == 0)
            names.push_back(entry.path().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::string> PackagesOf(const std::string& base)
{
    std::vector<std::string> names;
    for (std::uint64_t index = 0;; ++index) {
        std::string name = base + ".c" + std::to_string(index);
        struct stat status = {};
        if (stat(name.c_str(), &status) != 0)
            return names;
        names.push_back(std::move(name));
    }
}

void RemoveFiles(const std::vector<std::string>& paths)
{
    for (const std::string& path : paths) {
        if (unlink(path.c_str()) != 0 && errno != ENOENT)
            throw std::runtime_error("cannot remove " + path);
    }
}

#include "ScratchFiles.h"

#include "posix/FileDescriptor.h"
#include "posix/WriteAll.h"

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

} // namespace

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
        if (!WriteAll(file.Get(), bytes, block))
            throw std::runtime_error("cannot write " + path + " (file system full?)");
        left -= block;
    }
    if (!file.Close())
        throw std::runtime_error("cannot close " + path);
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

void RemoveFiles(const std::vector<std::string>& paths)
{
    for (const std::string& path : paths) {
        if (unlink(path.c_str()) != 0 && errno != ENOENT)
            throw std::runtime_error("cannot remove " + path);
    }
}

void RemoveFilesWithPrefix(const std::string& dir, const std::string& prefix)
{
    // Name by name, never all names at once: a set can have a million packages.
    for (bool removed = true; removed;) {
        removed = false;
        for (const auto& entry : std::filesystem::directory_iterator(dir)) {
            if (entry.path().filename().string().compare(0, prefix.size(), prefix) == 0) {
                RemoveFiles({entry.path().string()});
                removed = true;
            }
        }
    }
}

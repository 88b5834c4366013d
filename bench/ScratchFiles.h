#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A fresh folder made with mkdtemp under `parent`, deleted with everything in it when the
// object goes, also when the run fails or is interrupted.
class ScratchDir
{
public:
    explicit ScratchDir(const std::string& parent);
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::string& Path() const { return path; }
    std::string File(const std::string& name) const { return path + "/" + name; }

private:
    const std::string path;
};

// Bytes an unprivileged writer may still use on the file system of `path`; throws when it
// cannot be asked.
std::uint64_t FreeBytes(const std::string& path);

// Writes `size` pseudo-random bytes through one small buffer, so the file never sits in memory.
void WriteRandomFile(const std::string& path, std::uint64_t size, std::uint64_t seed);

// Byte-for-byte equality, read in blocks.
bool SameContents(const std::string& first, const std::string& second);

std::uint64_t FileSize(const std::string& path);

// Files in `dir` whose names start with `prefix`, sorted by name. Pieces named with growing
// letter suffixes (aa ... yz, zaaa ...) come out in their cutting order.
std::vector<std::string> FilesWithPrefix(const std::string& dir, const std::string& prefix);

// base.c0, base.c1, ... up to the first missing index, in index order.
std::vector<std::string> PackagesOf(const std::string& base);

void RemoveFiles(const std::vector<std::string>& paths);

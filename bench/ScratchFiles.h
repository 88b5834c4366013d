#pragma once

// The benchmark's own file chores; the folder, comparison and package names come from TestFiles.h.

#include <cstdint>
#include <string>
#include <vector>

// Bytes an unprivileged writer may still use on the file system of `path`; throws when it
// cannot be asked.
std::uint64_t FreeBytes(const std::string& path);

// Writes `size` pseudo-random bytes through one small buffer, so the file never sits in memory.
void WriteRandomFile(const std::string& path, std::uint64_t size, std::uint64_t seed);

std::uint64_t FileSize(const std::string& path);

// Files in `dir` whose names start with `prefix`, sorted by name. Pieces named with growing
// letter suffixes (aa ... yz, zaaa ...) come out in their cutting order.
std::vector<std::string> FilesWithPrefix(const std::string& dir, const std::string& prefix);

void RemoveFiles(const std::vector<std::string>& paths);

// Removes the files in `dir` whose names start with `prefix`, without listing them all first.
void RemoveFilesWithPrefix(const std::string& dir, const std::string& prefix);

#pragma once

// Files for the engine tests and the benchmark: a private folder, whole files read and written at
// once, block-wise comparison of large ones, and the shapes a package set can take on disk.

#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <random>
#include <string>
#include <vector>

// A folder of its own under `parent`, removed with everything in it when the object goes, also
// when a test fails or a run is interrupted.
class TempDir
{
public:
    explicit TempDir(const std::filesystem::path& parent = std::filesystem::temp_directory_path());
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& Path() const { return path; }
    std::string operator/(const std::string& name) const { return path + "/" + name; }

private:
    const std::string path;
};

std::string ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::string& bytes);
std::string RandomBytes(std::size_t size, std::uint32_t seed);

// Byte-for-byte equality, read in blocks, so that neither file has to fit in memory.
bool SameContents(const std::string& first, const std::string& second);

// lstat: true for dangling links too.
bool Exists(const std::string& path);
bool IsRegular(const std::string& path);

// The paths of the first `count` packages of the set of `base`: base.c0 ... base.c(count-1).
std::vector<std::string> PackagePaths(const std::string& base, std::size_t count);

// The bytes of the set of `base` as a build would join them now: packages 0, 1, ... up to the
// first gap.
std::string JoinedSet(const std::string& base);

// Writes the given packages base.c0, base.c1, ... and returns their contents joined.
std::string WritePackages(const std::string& base, const std::vector<std::string>& contents);

// The bytes of packages base.c0 ... base.c(count-1), empty for a missing one.
std::vector<std::string> PackageContents(const std::string& base, std::size_t count);

// A name for `file` reached "via" its own "name", a "hardlink" or a "symlink" made at `other`;
// empty when the link cannot be made.
std::string NameVia(const std::string& file, const std::string& via, const std::string& other);

// A command's other file that is one of the packages it works on: the set, which package, and
// how the other name reaches it ("name", "hardlink" or "symlink").
struct OwnPackageCase
{
    const char* label;
    std::vector<std::string> set;
    const char* via;
    std::size_t index;

    // Writes the set at `base` and returns the other name (a link made at `other`); a package
    // beyond the set that a link is to reach is written first. Empty when the link cannot be made.
    std::string Arrange(const std::string& base, const std::string& other) const;
};

void PrintTo(const OwnPackageCase& c, std::ostream* out);

// A UNIX-domain socket bound at `path`; it stays on disk after the socket is closed.
void MakeSocket(const std::string& path);

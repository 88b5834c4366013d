#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <sys/stat.h>

class CaseFolding;
class Folder;

// The one place that says which names belong to a package set, in the house's words of Velkaro.h:
// base "dir/film.avi", prefix "dir/film.avi.c", stem "film.avi.c", and package i at the prefix
// and i in decimal, without leading zeros. A package is a regular file (links followed); the set
// is the run of packages from index 0 up to the first gap. White space is TrimA's.

// The start of every package name of a set in its folder: a name, never a path.
class Stem
{
public:
    Stem() = default;
    explicit Stem(std::string name) : text(std::move(name)) { }
    const std::string& Text() const { return text; }

private:
    std::string text;
};

// A set's name, cut once into what its commands need.
struct SetName
{
    std::string folder; // the folder the packages stand in, "." for a bare name
    Stem stem;
    std::string prefix;

    // The set that the base path `base` names.
    static SetName OfBase(const std::string& base);
    // The set that the package path `path` belongs to: the path as given up to and including the
    // ".c" that its index follows, where its name has a package's form (a lowercase "c" and
    // digits after the last dot, white space after them trimmed). None where the name has no
    // such form, also where the extension only trims to one: "x. c1" holds no ".c" of its own.
    static std::optional<SetName> OfPackage(const std::string& path);

    std::string PathOf(std::uint64_t index) const { return prefix + std::to_string(index); }
};

// Package `index`'s name in its folder.
std::string PackageName(const Stem& stem, std::uint64_t index);

// Whether a file of this status counts as a package: a regular file, as the routines count one.
bool IsPackageFile(const struct stat& status);

// Whether package `index` of the set of `stem` stands in `folder` (links followed); `status` is
// then its own.
bool PackageIn(const Folder& folder, const Stem& stem, std::uint64_t index, struct stat& status);

// The index at which `name` (one name in a folder) stands in the set of `stem`, the letters of
// the stem in either case as file systems without case read them: none where it is no package
// name of that set. An index too large for 64 bits comes as the largest value.
std::optional<std::uint64_t> IndexIn(
    const std::string& name, const Stem& stem, const CaseFolding& folding);

// Whether `base` may name a set that is written: its last component holds more than white space.
// "dir/" or "dir/  " would write packages ".c0" or "  .c0" that look like no file at all.
bool IsPackageBase(const std::string& base);

// The base path of the set that the package path `path` belongs to. None where the name has no
// package's form.
std::optional<std::string> BaseOf(const std::string& path);

// Whether `path` has a package's name and package 0 of its set exists: all a window telling a
// package from a file needs to know, without counting the whole set.
bool FirstPackageExists(const std::string& path);

// A split of `length` bytes into packages of `size` writes this many: floor(length / size) + 1,
// the last one holding the remainder (empty for a multiple).
std::uint64_t SplitPackageCount(std::uint64_t length, std::uint32_t size);

#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <sys/stat.h>

class CaseFolding;
class Folder;

// The one place that says which names belong to a package set: prefix "base.c" plus the index in
// decimal, without leading zeros, each a regular file. White space is TrimA's.

// The prefix of the set that the base path `base` names: `base` followed by ".c".
std::string PrefixFor(const std::string& base);

// The prefix of a package path: the path as given up to and including the ".c" that its index
// follows, where its name has a package's form (a lowercase "c" and digits after the last dot,
// white space after them trimmed). None where the name has no such form, also where the extension
// only trims to one: "x. c1" holds no ".c" of its own, and no set is named by it.
std::optional<std::string> PrefixOf(const std::string& path);

// The base path of the set that the package path `path` belongs to: its prefix without ".c". None
// where the name has no package's form.
std::optional<std::string> BaseOf(const std::string& path);

std::string PackageName(const std::string& prefix, std::uint64_t index);

// Whether a file of this status counts as a package: a regular file. A socket, whose type bits
// include the regular file's, holds no bytes to read; a link counts by where it leads.
bool IsPackageFile(const struct stat& status);

// Whether package `index` of the set whose names start with `stem` stands in `folder` (links
// followed); `status` is then its own.
bool PackageIn(
    const Folder& folder, const std::string& stem, std::uint64_t index, struct stat& status);

// Whether `base` may name a set that is written: its last component holds more than white space.
// "dir/" or "dir/  " would write packages ".c0" or "  .c0" that look like no file at all.
bool IsPackageBase(const std::string& base);

// The index at which `name` (one name in a folder) stands in the set whose package names start
// with `stem`, the letters of the stem in either case as file systems without case read them:
// none where it is no package name of that set. An index too large for 64 bits comes as the
// largest value.
std::optional<std::uint64_t> IndexIn(
    const std::string& name, const std::string& stem, const CaseFolding& folding);

// Whether `path` has a package's name and package 0 of its set exists: all a build, or a window
// telling a package from a file, needs to know, without counting the whole set.
bool FirstPackageExists(const std::string& path);

// A split of `length` bytes into packages of `size` writes this many: floor(length / size) + 1,
// the last one holding the remainder (empty for a multiple).
std::uint64_t SplitPackageCount(std::uint64_t length, std::uint32_t size);

#pragma once

#include <cstdint>
#include <functional>
#include <string>

// Names of a package set: prefix "base.c" plus the index in decimal, without leading zeros.

// Everything up to and including the last ".c" of a package path as given (not trimmed); empty
// when the path holds no ".c" and so names no package.
std::string PackagePrefix(const std::string& path);

std::string PackageName(const std::string& prefix, std::uint64_t index);

// Calls `visit` with the index and name of every entry of the prefix's folder that is named as a
// package of the prefix, in no particular order, whatever the entry is (a file, a link, a
// dangling link, a folder). An index too large for 64 bits comes as the largest value. False
// when the folder cannot be read.
bool ForEachPackageName(const std::string& prefix,
    const std::function<void(std::uint64_t index, const std::string& name)>& visit);

// The one rule by which a split or a build refuses to work on a file of its own set: whether
// `path` is a package of the prefix at any index, whether it names one (also one that does not
// exist yet, and in letters of either case, as file systems that ignore case read it) or is the
// very file that one names (by a hard or symbolic link). A split would remove or rewrite such a
// source; a build would read such a destination or write it under a package's name.
bool IsPackageOf(const std::string& path, const std::string& prefix);

// Whether the extension of `path` (after its last dot, trimmed) is a lowercase "c" and digits.
bool HasPackageExtension(const std::string& path);

// Whether `path` has a package's name and package 0 of its set exists: all a build, or a window
// telling a package from a file, needs to know, without counting the whole set.
bool FirstPackageExists(const std::string& path);

// How many packages of the prefix exist in a row from `index` on.
std::uint64_t PackagesFrom(const std::string& prefix, std::uint64_t index);

// A split of `length` bytes into packages of `size` writes this many: floor(length / size) + 1,
// the last one holding the remainder (empty for a multiple).
std::uint64_t SplitPackageCount(std::uint64_t length, std::uint32_t size);

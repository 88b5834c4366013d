#pragma once

#include "FileIdentity.h"

#include <cstdint>
#include <string>

// Names of a package set: prefix "base.c" plus the index in decimal.

// Everything up to and including the last ".c" of a package path as given (not trimmed).
std::string PackagePrefix(const std::string& path);

std::string PackageName(const std::string& prefix, std::uint64_t index);

// Whether `file` is, under any name or link, one of the packages of the set from index 0 up to
// the first index that is no regular file (the set as IsPck counts it).
bool SetContainsFile(const std::string& prefix, const FileIdentity& file);

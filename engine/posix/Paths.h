#pragma once

#include <string>

// The folder that holds `path` ("." for a bare name) and the name it has there.
std::string FolderOf(const std::string& path);
std::string NameIn(const std::string& path);

// The path with every link and "." or ".." resolved, as realpath gives it; empty when it cannot
// be resolved.
std::string ResolvedPath(const std::string& path);

#pragma once

#include "posix/FileDescriptor.h"

#include <functional>
#include <string>
#include <sys/types.h>

// A new file beside a target under a name that is seen as neither the target nor a package:
// "." + the start of the target's name + ".velkaro-" + eight random letters. A kill that leaves
// it behind therefore leaves nothing that counts. The target's name is cut between two characters
// (UTF-8), so that the name is valid text wherever the target's is: file systems that keep names
// as Unicode (exFAT, NTFS) refuse half a character.
struct HiddenFile
{
    FileDescriptor file; // closed when no such file could be made
    std::string path; // as the target was given: a path, or a name in the folder
};

// Created by this call (never a file that was there, never through a link), `mode` less the umask.
HiddenFile CreateHiddenFileBeside(const std::string& target, mode_t mode);
// The same beside `targetName` in an open folder.
HiddenFile CreateHiddenFileIn(int folder, const std::string& targetName, mode_t mode);

// A hidden name beside `targetName` that `make` (which sets errno to EEXIST for a name that is
// taken) has made something under; empty when none could be made.
std::string MakeHiddenName(
    const std::string& targetName, const std::function<bool(const std::string& name)>& make);
